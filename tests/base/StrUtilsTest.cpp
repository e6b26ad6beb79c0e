#include "base/Exceptions.h"
#include "base/Format.h"
#include "base/Locale.h"
#include "base/StrUtils.h"

#include <gtest/gtest.h>

namespace {

const std::set<char> kWrapChars = {' ', '-', '\t'};

TEST(Trim, RemovesControlCharactersAndBlanksAtTheEndsOnly) {
  EXPECT_EQ(Trim(" \t\r\na b\x01 "), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \n"), "  a");
  EXPECT_EQ(Trim(" \t "), "");
  // Bytes above 127 are text, not blanks.
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(CaseMapping, AsciiRoutinesLeaveOtherBytesAlone) {
  EXPECT_EQ(UpperCase("abc\xE9"), "ABC\xE9");
  EXPECT_EQ(LowerCase("ABC\xC9"), "abc\xC9");
  EXPECT_EQ(CompareText("Hello", "hELLO"), 0);
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_GT(CompareText("abcd", "ABC"), 0);
}

TEST(CaseMapping, AnsiRoutinesFoldWesternLetters) {
  EXPECT_EQ(AnsiUpperCase("\xE9t\xE9"), "\xC9T\xC9");  // été -> ÉTÉ
  EXPECT_EQ(AnsiLowerCase("\xC4\xD6\xDC"), "\xE4\xF6\xFC");
  EXPECT_TRUE(AnsiSameText("\xC9t\xE9", "\xE9T\xC9"));
  EXPECT_LT(AnsiCompareText("apple", "Banana"), 0);
  EXPECT_GT(AnsiCompareStr("b", "a"), 0);
}

TEST(StringReplace, FirstOnlyUnlessReplaceAll) {
  EXPECT_EQ(StringReplace("a-b-c", "-", "+", 0), "a+b-c");
  EXPECT_EQ(StringReplace("a-b-c", "-", "+", rfReplaceAll), "a+b+c");
}

TEST(StringReplace, DoesNotRescanReplacedTextOrOverlap) {
  EXPECT_EQ(StringReplace("aaa", "a", "aa", rfReplaceAll), "aaaaaa");
  EXPECT_EQ(StringReplace("aaaa", "aa", "b", rfReplaceAll), "bb");
  EXPECT_EQ(StringReplace("aaa", "aa", "b", rfReplaceAll), "ba");
  EXPECT_EQ(StringReplace("xyx", "x", "", rfReplaceAll), "y");
}

TEST(StringReplace, IgnoreCaseKeepsTheUnmatchedTextAsItWas) {
  EXPECT_EQ(StringReplace("The THE the", "the", "a", rfReplaceAll | rfIgnoreCase), "a a a");
  EXPECT_EQ(StringReplace("AbC", "b", "x", rfIgnoreCase), "AxC");
  EXPECT_EQ(StringReplace("abc", "B", "x", rfReplaceAll), "abc");
}

TEST(StringReplace, EmptyPatternOrSubjectChangesNothing) {
  EXPECT_EQ(StringReplace("abc", "", "x", rfReplaceAll), "abc");
  EXPECT_EQ(StringReplace("", "a", "x", rfReplaceAll), "");
}

TEST(WrapText, TextWithinTheWidthStaysWhole) {
  std::string fifty(50, 'x');
  fifty[20] = ' ';
  EXPECT_EQ(WrapText(fifty, CRLF, kWrapChars, 50), fifty);
}

TEST(WrapText, BreaksAfterTheLastBreakCharacterWithinTheWidth) {
  EXPECT_EQ(WrapText("aaa bbb ccc", CRLF, kWrapChars, 8), "aaa bbb \r\nccc");
  EXPECT_EQ(WrapText("aaa-bbb-ccc", CRLF, kWrapChars, 5), "aaa-\r\nbbb-\r\nccc");
  EXPECT_EQ(WrapText("one two three four", CRLF, kWrapChars, 9), "one two \r\nthree \r\nfour");
}

TEST(WrapText, ALongerWordStaysWholeAndBreaksAfterItsEnd) {
  EXPECT_EQ(WrapText("abcdefghij klm", CRLF, kWrapChars, 4), "abcdefghij \r\nklm");
  EXPECT_EQ(WrapText("abcdefghij", CRLF, kWrapChars, 4), "abcdefghij");
}

TEST(WrapText, IgnoresQuotesAndABreakCharInTheFirstColumn) {
  EXPECT_EQ(WrapText("'a b' 'c d'", CRLF, kWrapChars, 6), "'a b' \r\n'c d'");
  EXPECT_EQ(WrapText(" abcdef", CRLF, kWrapChars, 3), " abcdef");
}

TEST(IntegerText, StrToIntAcceptsDecimalAndHex) {
  EXPECT_EQ(StrToInt("123"), 123);
  EXPECT_EQ(StrToInt("-42"), -42);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt(" 5"), 5);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
}

TEST(IntegerText, StrToIntRaisesOnAnythingElse) {
  for (const char* bad : {"", " ", "12 ", "1a", "2147483648", "-2147483649", "$", "0x", "--1",
                          "99999999999999999999999"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    EXPECT_EQ(StrToIntDef(bad, -5), -5) << bad;
  }
  try {
    StrToInt("x1");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'x1' is not a valid integer value");
  }
}

TEST(IntegerText, IntToStrAndHex) {
  EXPECT_EQ(IntToStr(-9223372036854775807LL - 1), "-9223372036854775808");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x12345, 2), "12345");
}

TEST(OneBasedHelpers, PosAndPosEx) {
  EXPECT_EQ(Pos("b", "abcb"), 2);
  EXPECT_EQ(Pos("x", "abc"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(PosEx("b", "abcb", 3), 4);
  EXPECT_EQ(PosEx("b", "abcb", 5), 0);
  EXPECT_EQ(PosEx("a", "abc", 0), 0);
}

TEST(OneBasedHelpers, CopyClampsIndexAndCount) {
  EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
  EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
  EXPECT_EQ(Copy("abcdef", 7, 1), "");
  EXPECT_EQ(Copy("abcdef", 2, -1), "");
}

TEST(OneBasedHelpers, DeleteAndInsert) {
  std::string s = "abcdef";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "adef");
  Delete(s, 10, 1);
  Delete(s, 0, 1);
  EXPECT_EQ(s, "adef");
  Delete(s, 3, 100);
  EXPECT_EQ(s, "ad");
  Insert("XY", s, 2);
  EXPECT_EQ(s, "aXYd");
  Insert("<", s, -3);
  Insert(">", s, 100);
  EXPECT_EQ(s, "<aXYd>");
}

TEST(FormatText, Conversions) {
  EXPECT_EQ(Format("%d files in %s", {3, "music"}), "3 files in music");
  EXPECT_EQ(Format("%5d|%-4s|%x", {42, "ab", 255}), "   42|ab  |FF");
  EXPECT_EQ(Format("%.3d|%.2d|%5.3d|%.1d", {7, -7, 42, 1234}), "007|-07|  042|1234");
  EXPECT_EQ(Format("100%%", {}), "100%");
  std::string sep(1, DecimalSeparator());
  EXPECT_EQ(Format("%f", {2.5}), "2" + sep + "50");
  EXPECT_EQ(Format("%.1f", {-0.04}), "0" + sep + "0");
  EXPECT_EQ(Format("%.3f", {1}), "1" + sep + "000");
}

TEST(FormatText, MismatchedArgumentsRaise) {
  EXPECT_THROW(Format("%d", {"text"}), EConvertError);
  EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
  EXPECT_THROW(Format("%q", {1}), EConvertError);
  EXPECT_THROW(Format("trailing %", {1}), EConvertError);
}

TEST(CheckedArithmetic, RangeAndOverflow) {
  EXPECT_NO_THROW(CheckRange(0, 1));
  EXPECT_THROW(CheckRange(1, 1), ERangeError);
  EXPECT_THROW(CheckRange(-1, 5), ERangeError);
  EXPECT_EQ(CheckedInt32(-5), -5);
  EXPECT_THROW(CheckedInt32(int64_t{1} << 31), EIntOverflow);
}

TEST(CheckedArithmetic, ListIndexErrorsNameTheIndex) {
  EXPECT_NO_THROW(CheckListIndex(2, 3));
  EXPECT_THROW(CheckListIndex(-1, 3), EListError);
  try {
    CheckListIndex(3, 3);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (3)");
  }
}

}  // namespace
