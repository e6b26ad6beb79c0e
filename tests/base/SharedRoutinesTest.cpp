#include "base/Exceptions.h"
#include "base/SharedRoutines.h"
#include "base/Strings.h"

#include <gtest/gtest.h>

namespace {

std::string Stripped(std::string s, char ch, uint8_t mode) {
  StripChar(s, ch, mode);
  return s;
}

TEST(StripChar, TrackNumbersLoseTheirLeadingZeros) {
  EXPECT_EQ(Stripped("07", '0', 0), "7");
  EXPECT_EQ(Stripped("00", '0', 0), "0");
  EXPECT_EQ(Stripped("0", '0', 0), "");
  EXPECT_EQ(Stripped("10", '0', 0), "10");
  EXPECT_EQ(Stripped("", '0', 0), "");
}

TEST(StripChar, TrailingAndBothEnds) {
  EXPECT_EQ(Stripped("00", '0', 2), "0");
  EXPECT_EQ(Stripped("a00", '0', 2), "a");
  EXPECT_EQ(Stripped(" a ", ' ', 3), "a");
  EXPECT_EQ(Stripped("   name  ", ' ', 3), "name");
  EXPECT_EQ(Stripped(" a ", ' ', 1), " a ");
  EXPECT_EQ(Stripped(" a ", ' ', 7), " a ");
}

TEST(ValueAfterEquals, TrimsTheValue) {
  EXPECT_EQ(ValueAfterEquals("Language = 2 "), "2");
  EXPECT_EQ(ValueAfterEquals("  text  "), "text");
  EXPECT_EQ(ValueAfterEquals("a="), "");
  EXPECT_EQ(ValueAfterEquals("x=a=b"), "a=b");
}

TEST(NthCharOfSetPos, FindsTheNthHitIgnoringAsciiCase) {
  EXPECT_EQ(NthCharOfSetPos("ab=cd=e", "=", 1, 2), 6);
  EXPECT_EQ(NthCharOfSetPos("ab=cd=e", "=", 4, 1), 6);
  EXPECT_EQ(NthCharOfSetPos("abc", "=", 1, 1), 0);
  EXPECT_EQ(NthCharOfSetPos("xay", "A", 1, 1), 2);
  EXPECT_EQ(NthCharOfSetPos("x\xE9y", "\xC9", 1, 1), 0);  // only a..z fold
  EXPECT_EQ(NthCharOfSetPos("a\rb\rc", "\r", 1, 3), 0);
  EXPECT_EQ(NthCharOfSetPos("abc", "c", 9, 1), 0);
  EXPECT_THROW(NthCharOfSetPos("abc", "c", 0, 1), ERangeError);
}

TEST(SplitAndCount, PiecesAroundSeparators) {
  TStringList list;
  EXPECT_EQ(SplitToStrings("a,b,", ',', list), 3);
  EXPECT_EQ(list.Strings(2), "");
  EXPECT_EQ(SplitToStrings("", ',', list), 1);
  EXPECT_EQ(list.Strings(0), "");
  EXPECT_EQ(CountChar("a\rb\r", '\r'), 2);
  EXPECT_EQ(CountChar("", 'x'), 0);
}

TEST(Numbers, IsDigitsAndPowerInt) {
  EXPECT_FALSE(IsDigits(""));
  EXPECT_FALSE(IsDigits("12a"));
  EXPECT_TRUE(IsDigits("0123"));
  EXPECT_EQ(PowerInt(1024, 3), 1073741824u);
  EXPECT_EQ(PowerInt(0, 0), 1u);
  EXPECT_EQ(PowerInt(2, 31), 2147483648u);
  EXPECT_THROW(PowerInt(65536, 2), EIntOverflow);
  EXPECT_THROW(PowerInt(2, 32), EIntOverflow);
}

TEST(ByteArrays, RemoveByte) {
  TBytes a = {1, 0, 0, 2, 0};
  EXPECT_TRUE(RemoveByte(a, 0, 1, true));
  EXPECT_EQ(a, (TBytes{1, 2}));
  a = {1, 0, 0, 2, 0};
  EXPECT_TRUE(RemoveByte(a, 0, 1, false));
  EXPECT_EQ(a, (TBytes{1, 0, 2, 0}));
  a = {0, 1, 0};
  EXPECT_TRUE(RemoveByte(a, 0, 2, true));  // only from the start position on
  EXPECT_EQ(a, (TBytes{0, 1}));
  EXPECT_FALSE(RemoveByte(a, 9, 1, true));
  EXPECT_EQ(a, (TBytes{0, 1}));
}

TEST(ByteArrays, TrimByteArray) {
  TBytes a = {0, 0, 5, 0, 6, 0};
  EXPECT_TRUE(TrimByteArray(a, 0));
  EXPECT_EQ(a, (TBytes{5, 0, 6}));
  EXPECT_FALSE(TrimByteArray(a, 0));
  a = {0, 0, 0};
  EXPECT_TRUE(TrimByteArray(a, 0));
  EXPECT_TRUE(a.empty());
  EXPECT_FALSE(TrimByteArray(a, 0));
  a = {7};
  EXPECT_FALSE(TrimByteArray(a, 0));
}

TEST(ByteArrays, NthBytePosAndInsertByte) {
  TBytes a = {3, 1, 3, 3};
  EXPECT_EQ(NthBytePos(a, 3, 1, 3), 4);
  EXPECT_EQ(NthBytePos(a, 3, 2, 1), 3);
  EXPECT_EQ(NthBytePos(a, 3, 1, 4), 0);
  InsertByte(a, 9, 5);
  InsertByte(a, 8, 1);
  EXPECT_EQ(a, (TBytes{8, 3, 1, 3, 3, 9}));
  EXPECT_THROW(InsertByte(a, 0, 8), ERangeError);
  EXPECT_THROW(InsertByte(a, 0, 0), ERangeError);
}

}  // namespace
