#include "skin/data/SkinIniCodecs.h"

#include "ListItems.h"
#include "SkinIniText.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SkinIniCodecs, PointsKeepOnlyTheDigitsOfEachField) {
  struct Case {
    const char* Text;
    TPoint Expected;
  } cases[] = {
      {"4,7", {4, 7}},          {"-5,3", {5, 3}},          {" 12 , 7 ", {12, 7}},
      {"1x2,3", {12, 3}},       {"1,2,3", {1, 2}},         {"007,0", {7, 0}},
      {"2147483647,1", {2147483647, 1}},
  };
  for (const Case& c : cases) {
    TPoint p{-1, -1};
    ParsePoint(c.Text, p);
    EXPECT_EQ(p, c.Expected) << c.Text;
  }
}

TEST(SkinIniCodecs, RectanglesTakeFourFieldsAndIgnoreTheRest) {
  struct Case {
    const char* Text;
    TRect Expected;
  } cases[] = {
      {"10,0,30,21", {10, 0, 30, 21}},
      {"1,2,3,4,5", {1, 2, 3, 4}},
      {"-1,-2,-3,-4", {1, 2, 3, 4}},
      {" 1 , 2,3 ,4;x", {1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    TRect r{-1, -1, -1, -1};
    ParseRect(c.Text, r);
    EXPECT_EQ(r, c.Expected) << c.Text;
  }
}

TEST(SkinIniCodecs, AFieldWithoutDigitsOrTooLargeRaisesTheConversionError) {
  for (const char* text : {"5", "", "a,b", ",3", "2147483648,1", "1,99999999999999999999"}) {
    TPoint p;
    EXPECT_THROW(ParsePoint(text, p), EConvertError) << text;
  }
  for (const char* text : {"1,2", "1,2,3", "1,2,3,", "1,2,,4", "4294967296,0,0,0"}) {
    TRect r;
    EXPECT_THROW(ParseRect(text, r), EConvertError) << text;
  }
  try {
    TRect r;
    ParseRect("1,2", r);
    ADD_FAILURE() << "no conversion error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'' is not a valid integer value");
  }
}

TEST(SkinIniCodecs, NegativeNumbersWrittenReadBackAsTheirAbsoluteValue) {
  TSkinIniText ini;
  WriteRect(ini, "s", "r", {-10, 0, 30, -21});
  WritePoint(ini, "s", "p", {-4, 7});
  EXPECT_EQ(ini.ReadString("s", "r", ""), "-10,0,30,-21");
  EXPECT_EQ(ini.ReadString("s", "p", ""), "-4,7");
  TRect r;
  TPoint p;
  ReadRect(ini, "s", "r", r);
  ReadPoint(ini, "s", "p", p);
  EXPECT_EQ(r, (TRect{10, 0, 30, 21}));
  EXPECT_EQ(p, (TPoint{4, 7}));
}

TEST(SkinIniCodecs, BooleansAreTrueExactlyForOne) {
  TSkinIniText ini("[s]\r\none=1\r\nspaced= 1 \r\ntwo=2\r\nminus=-1\r\nyes=yes\r\nempty=\r\n");
  EXPECT_TRUE(ReadBoolean(ini, "s", "one"));
  EXPECT_TRUE(ReadBoolean(ini, "s", "spaced"));
  for (const char* key : {"two", "minus", "yes", "empty", "absent"})
    EXPECT_FALSE(ReadBoolean(ini, "s", key)) << key;
  WriteBoolean(ini, "s", "w1", true);
  WriteBoolean(ini, "s", "w0", false);
  EXPECT_EQ(ini.ReadString("s", "w1", ""), "1");
  EXPECT_EQ(ini.ReadString("s", "w0", ""), "0");
}

TEST(SkinIniCodecs, FontStylesAreFoundAsSubstringsAndWrittenInStyleOrder) {
  struct Case {
    const char* Text;
    TFontStyles Expected;
  } cases[] = {
      {"fsbold,fsunderline", {fsBold, fsUnderline}},
      {"fsitalic,fsbold", {fsBold, fsItalic}},
      {"fsbolditalic", {fsBold}},
      {"xfsstrikeoutx", {fsStrikeOut}},
      {"FSBOLD", {}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TSkinIniText ini(std::string("[s]\r\nk=") + c.Text + "\r\n");
    EXPECT_EQ(ReadFontStyles(ini, "s", "k"), c.Expected) << c.Text;
  }
  TSkinIniText ini;
  WriteFontStyles(ini, "s", "two", {fsStrikeOut, fsItalic});
  EXPECT_EQ(ini.ReadString("s", "two", "?"), "fsitalic,fsstrikeout");
}

TEST(SkinIniCodecs, AlignmentKeywordsCompareExactly) {
  TSkinIniText ini(
      "[s]\r\nc=tacenter\r\nl=taleftjustify\r\nr=tarightjustify\r\nmixed=TaCenter\r\n"
      "word=center\r\nempty=\r\n");
  EXPECT_EQ(ReadAlignment(ini, "s", "c"), taCenter);
  EXPECT_EQ(ReadAlignment(ini, "s", "l"), taLeftJustify);
  EXPECT_EQ(ReadAlignment(ini, "s", "r"), taRightJustify);
  for (const char* key : {"mixed", "word", "empty"})
    EXPECT_EQ(ReadAlignment(ini, "s", key), taRightJustify) << key;
  EXPECT_EQ(ReadAlignment(ini, "s", "absent"), taCenter);
}

TEST(SkinIniCodecs, TextLinesAreAppendedWithEmptyLinesForAbsentKeys) {
  TSkinIniText ini("[s]\r\nsymbolslinecount=3\r\nsymbolsline0=ABC\r\nsymbolsline2=GHI\r\n");
  TStringList lines;
  lines.Add("kept");
  ReadTextLines(ini, "s", "symbols", lines);
  EXPECT_EQ(Items(lines), (std::vector<std::string>{"kept", "ABC", "", "GHI"}));
}

TEST(SkinIniCodecs, NumberedListsReadTheBareNumberKeys) {
  TSkinIniText ini("[PICTURES]\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n2=c.bmp\r\n");
  TStringList names;
  names.Add("kept");
  ReadStrings(ini, "PICTURES", "activepictures", names);
  EXPECT_EQ(Items(names), (std::vector<std::string>{"kept", "a.bmp", "b.bmp"}));
}

TEST(SkinIniCodecs, CountsThatAreAbsentOrNotPositiveAddNothing) {
  for (const char* count : {"0", "-1", "x", "", "-2147483648"}) {
    TSkinIniText ini(std::string("[s]\r\nklinecount=") + count + "\r\nkcount=" + count +
                     "\r\n0=a\r\nkline0=a\r\n");
    TStringList lines;
    ReadTextLines(ini, "s", "k", lines);
    ReadStrings(ini, "s", "k", lines);
    ReadTextLines(ini, "s", "absent", lines);
    ReadStrings(ini, "s", "absent", lines);
    EXPECT_EQ(lines.Count(), 0) << count;
  }
}

TEST(SkinIniCodecs, HugeCountsAreCappedAtTheListLimit) {
  TSkinIniText ini("[s]\r\nklinecount=2147483647\r\nkcount=70000\r\n");
  TStringList lines;
  ReadTextLines(ini, "s", "k", lines);
  EXPECT_EQ(lines.Count(), MaxSkinListCount);
  lines.Clear();
  ReadStrings(ini, "s", "k", lines);
  EXPECT_EQ(lines.Count(), MaxSkinListCount);
  EXPECT_EQ(CappedSkinListCount(65537), 65536);
  EXPECT_EQ(CappedSkinListCount(65536), 65536);
  EXPECT_EQ(CappedSkinListCount(7), 7);
}

TEST(SkinIniCodecs, ASkinIniFileNeedsItsFiveListAndInfoSections) {
  const std::string complete =
      "[VERSION]\r\n[pictures]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
  TSkinIniText full(complete);
  EXPECT_TRUE(CheckSkinIniFile(full));  // no SKINAREAS needed
  for (const char* missing : {"[VERSION]", "[pictures]", "[FORMINFO]", "[SKINOBJECTS]",
                              "[SKINCONTROLS]"}) {
    std::string text = complete;
    text.replace(text.find(missing), std::string(missing).size(), "[OTHER]");
    TSkinIniText ini(text);
    EXPECT_FALSE(CheckSkinIniFile(ini)) << missing;
  }
}

}  // namespace
