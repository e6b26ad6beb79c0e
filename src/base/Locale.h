#pragma once
// Locale-dependent string operations. Windows uses the user's locale; elsewhere they
// follow code page 1252.

#include <string>

std::string AnsiUpperCase(const std::string& s);
std::string AnsiLowerCase(const std::string& s);
// Locale comparison: <0, 0, >0.
int AnsiCompareText(const std::string& a, const std::string& b);  // ignoring case
int AnsiCompareStr(const std::string& a, const std::string& b);
bool AnsiSameText(const std::string& a, const std::string& b);
// The locale's decimal separator.
char DecimalSeparator();
