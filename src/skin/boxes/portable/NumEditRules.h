#pragma once
// Which characters the numeric edit accepts, without windows.

#include <string>

struct TspNumEditOptions {
  char DecimalSeparator = '.';  // the locale's
  bool DecimalInput = false;    // the separator may be typed (once)
  bool TypingEnabled = true;    // false: only control characters other than Backspace
};

// Whether C may go into a numeric edit holding Text: digits, "-" once, with DecimalInput
// the decimal separator once, and control characters other than Enter.
bool IsValidNumEditChar(char C, const std::string& Text, const TspNumEditOptions& Options);
