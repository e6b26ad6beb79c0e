#include "skin/data/SkinKeywords.h"

#include "SkinIniText.h"

#include <gtest/gtest.h>

namespace {

// Reads the key "k" of section "s" from a section holding k=text, or lacking k when
// text is null.
template <TSkinKeywordEnum E>
E ReadText(const char* text) {
  TSkinIniText ini(text ? std::string("[s]\r\nk=") + text + "\r\n" : "[s]\r\n");
  return ReadSkinKeyword<E>(ini, "s", "k");
}

TEST(SkinKeywords, EachReaderHasItsOwnAbsentAndFallBackMember) {
  EXPECT_EQ(ReadText<TspStretchType>(nullptr), stfull);
  EXPECT_EQ(ReadText<TspStretchType>("STFULL"), sthorz);
  EXPECT_EQ(ReadText<TspStretchType>("stretch"), sthorz);
  EXPECT_EQ(ReadText<TspStretchType>(""), sthorz);

  EXPECT_EQ(ReadText<TspMorphKind>(nullptr), mkdefault);
  EXPECT_EQ(ReadText<TspMorphKind>("MKPUSH"), mkdefault);
  EXPECT_EQ(ReadText<TspMorphKind>("mkfade"), mkdefault);

  EXPECT_EQ(ReadText<TspInActiveEffect>(nullptr), iebrightness);
  EXPECT_EQ(ReadText<TspInActiveEffect>("IENOISE"), iegrayscale);
  EXPECT_EQ(ReadText<TspInActiveEffect>("blur"), iegrayscale);

  EXPECT_EQ(ReadText<TspFramesPlacement>(nullptr), fphorizontal);
  EXPECT_EQ(ReadText<TspFramesPlacement>("horizontal"), fpvertical);

  EXPECT_EQ(ReadText<TspRegulatorKind>(nullptr), rkround);
  EXPECT_EQ(ReadText<TspRegulatorKind>("rkRound"), rkvertical);

  EXPECT_EQ(ReadText<TspGaugeKind>(nullptr), gkhorizontal);
  EXPECT_EQ(ReadText<TspGaugeKind>("x"), gkvertical);

  EXPECT_EQ(ReadText<TspStdButtonCommand>(nullptr), cmdefault);
  EXPECT_EQ(ReadText<TspStdButtonCommand>("cmMinimize"), cmminimizetotray);
  EXPECT_EQ(ReadText<TspStdButtonCommand>("cmrollup"), cmrollup);
}

// Every member reads back from the keyword written for it, and that keyword is the
// member's name in the skin text.
template <TSkinKeywordEnum E>
void ExpectEveryMemberRoundTrips(std::initializer_list<const char*> keywords) {
  int value = 0;
  for (const char* keyword : keywords) {
    E member = static_cast<E>(value++);
    TSkinIniText ini;
    WriteSkinKeyword(ini, "s", "k", member);
    EXPECT_EQ(ini.ReadString("s", "k", ""), keyword);
    EXPECT_EQ(ReadSkinKeyword<E>(ini, "s", "k"), member) << keyword;
  }
}

TEST(SkinKeywords, EveryMemberRoundTripsUnderItsKeyword) {
  ExpectEveryMemberRoundTrips<TspStretchType>({"stfull", "sthorz", "stvert"});
  ExpectEveryMemberRoundTrips<TspMorphKind>({"mkdefault", "mkgradient", "mkleftgradient",
                                             "mkrightgradient", "mkleftslide", "mkrightslide",
                                             "mkpush"});
  ExpectEveryMemberRoundTrips<TspInActiveEffect>(
      {"iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"});
  ExpectEveryMemberRoundTrips<TspFramesPlacement>({"fphorizontal", "fpvertical"});
  ExpectEveryMemberRoundTrips<TspRegulatorKind>({"rkround", "rkhorizontal", "rkvertical"});
  ExpectEveryMemberRoundTrips<TspGaugeKind>({"gkhorizontal", "gkvertical"});
  ExpectEveryMemberRoundTrips<TspStdButtonCommand>({"cmclose", "cmmaximize", "cmminimize",
                                                    "cmsysmenu", "cmdefault", "cmrollup",
                                                    "cmminimizetotray"});
}

TEST(SkinKeywords, AValueOutsideTheEnumerationWritesTheFallBackKeyword) {
  TSkinIniText ini;
  WriteSkinKeyword(ini, "s", "kind", static_cast<TspRegulatorKind>(9));
  WriteSkinKeyword(ini, "s", "placement", static_cast<TspFramesPlacement>(9));
  EXPECT_EQ(ini.ReadString("s", "kind", ""), "rkvertical");
  EXPECT_EQ(ini.ReadString("s", "placement", ""), "fpvertical");
}

}  // namespace
