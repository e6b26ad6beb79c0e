#pragma once
// Small routines on strings and byte arrays shared by the tag library and the
// application. Positions are 1-based. An index outside its string or array raises
// ERangeError, an overflowing product EIntOverflow.

#include "StrUtils.h"

#include <cstdint>
#include <string>

class TStrings;

// Position of the N-th character from Start on that is in charSet, comparing 'a'..'z' as
// upper case; 0 when the text ends first or N < 1.
int NthCharOfSetPos(const std::string& text, const std::string& charSet, int start, int8_t n);
// Clears list and adds the pieces between separators (an empty text gives one empty
// piece); returns the count.
int SplitToStrings(const std::string& text, char separator, TStrings& list);
int CountChar(const std::string& text, char ch);

inline std::string IfThenStr(bool condition, const std::string& ifTrue,
                             const std::string& ifFalse) {
  return condition ? ifTrue : ifFalse;
}
inline uint8_t IfThenByte(bool condition, uint8_t ifTrue, uint8_t ifFalse) {
  return condition ? ifTrue : ifFalse;
}
inline int32_t IfThenInt(bool condition, int32_t ifTrue, int32_t ifFalse) {
  return condition ? ifTrue : ifFalse;
}
inline uint32_t IfThenCardinal(bool condition, uint32_t ifTrue, uint32_t ifFalse) {
  return condition ? ifTrue : ifFalse;
}

enum TStripMode : uint8_t { smLeading = 0, smNone = 1, smTrailing = 2, smBoth = 3 };
// Removes ch at the ends of s: leading ones stop when one character is left (a string
// that is just ch becomes empty), trailing ones stop when one character is left. Any
// mode other than 0, 2 and 3 changes nothing.
void StripChar(std::string& s, char ch, uint8_t mode);
// The text after the first "=" (the whole line without one), trimmed of chars <= ' '.
std::string ValueAfterEquals(const std::string& line);
bool IsDigits(const std::string& s);  // non-empty and all '0'..'9'
// base to the power exponent; EIntOverflow above 4,294,967,295.
uint32_t PowerInt(uint32_t base, uint8_t exponent);

// Position of the N-th value at or after start; 0 when there are fewer.
int NthBytePos(const TBytes& a, uint8_t value, int start, uint8_t n);
// Removes leading and trailing value bytes; true when the array became shorter.
bool TrimByteArray(TBytes& a, uint8_t value);
// Removes the first value at or after start (every one, with all); false when none.
bool RemoveByte(TBytes& a, uint8_t value, int start, bool all);
// Inserts value at position (1 .. length + 1).
void InsertByte(TBytes& a, uint8_t value, int position);
