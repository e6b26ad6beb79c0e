#pragma once
// String routines over ANSI byte strings. Positions at this interface are 1-based.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using TBytes = std::vector<uint8_t>;  // growth through resize() is zero-filled

inline const std::string CRLF = "\r\n";

// Remove characters <= ' ' at the ends.
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);

// ASCII-only case mapping and comparison.
std::string LowerCase(const std::string& s);
std::string UpperCase(const std::string& s);
char UpCase(char c);  // 'a'..'z' to upper case, every other byte as it is
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }  // ASCII digits only
int CompareText(const std::string& a, const std::string& b);  // <0, 0, >0
bool SameText(const std::string& a, const std::string& b);

using TReplaceFlags = unsigned;
inline constexpr TReplaceFlags rfReplaceAll = 1;
inline constexpr TReplaceFlags rfIgnoreCase = 2;

// Left to right, without overlap and without rescanning replaced text.
std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, TReplaceFlags flags);

// The lines of a text that ends them with CR, LF or CRLF; a final unterminated line is
// kept, and an empty text has none.
std::vector<std::string> SplitLines(const std::string& text);

// Breaks after the last break character at or before maxCol; a longer word stays whole.
std::string WrapText(const std::string& line, const std::string& breakStr,
                     const std::set<char>& breakChars, int maxCol);

// The value 0..15 of a hexadecimal digit (either case); -1 for any other character.
int HexDigitValue(char c);

std::string IntToStr(int64_t value);
std::string IntToHex(uint64_t value, int digits);
// Decimal with optional sign, or hexadecimal after "$" or "0x"; leading blanks allowed.
bool TryStrToInt(const std::string& s, int32_t& value);
bool TryStrToInt64(const std::string& s, int64_t& value);
int32_t StrToInt(const std::string& s);  // raises EConvertError
int32_t StrToIntDef(const std::string& s, int32_t def);

// 1-based helpers. Pos returns 0 when absent; Copy, Delete and Insert clamp like the
// class library's own.
int Pos(const std::string& sub, const std::string& s);
int PosEx(const std::string& sub, const std::string& s, int offset);
std::string Copy(const std::string& s, int index, int count);
void Delete(std::string& s, int index, int count);
void Insert(const std::string& sub, std::string& s, int index);
