#include "tags/ID3TagsUtils.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

TEST(FrameIDs, OneRowPerKindInOrder) {
  EXPECT_STREQ(FrameIDInfo(fiAENC).FrameID, "AENC");
  EXPECT_STREQ(FrameIDInfo(fiTIT2).FrameID, "TIT2");
  EXPECT_STREQ(FrameIDInfo(fiTIT2).Description, "Title/songname description");
  EXPECT_STREQ(FrameIDInfo(fiWXXX).FrameID, "WXXX");
  EXPECT_EQ(fiWXXX, 82);
  EXPECT_STREQ(FrameIDInfo(fiObsolete).FrameID, "----");
  EXPECT_STREQ(FrameIDInfo(fiObsolete).Description, "Obsolete FrameID");
  EXPECT_THROW(FrameIDInfo(FrameIDCount), ERangeError);
  EXPECT_THROW(FrameIDInfo(-1), ERangeError);

  std::set<std::string> ids;
  for (const TFrameIDinfo& row : FrameIDs) {
    EXPECT_EQ(std::strlen(row.FrameID), 4u);
    ids.insert(row.FrameID);
  }
  EXPECT_EQ(ids.size(), static_cast<size_t>(FrameIDCount));
}

TEST(FrameIDs, CategoriesFollowTheFrameKinds) {
  // The category of text and URL frames follows from the ID; -1: look at it alone.
  auto expected = [](const std::string& id) {
    if (id == "TLEN") return 0;  // a text frame that is never read or written
    if (id == "TDRC") return 3;
    if (id == "TRCK") return 4;
    if (id == "TCON") return 5;
    if (id == "TXXX") return 6;
    if (id == "WXXX") return 8;
    if (id[0] == 'T') return 2;
    if (id[0] == 'W') return 7;
    return -1;
  };
  for (const TFrameIDinfo& row : FrameIDs) {
    int category = expected(row.FrameID);
    if (category >= 0) {
      EXPECT_EQ(row.Category, category) << row.FrameID;
    }
  }
  EXPECT_EQ(FrameIDInfo(fiCOMM).Category, 9);
  EXPECT_EQ(FrameIDInfo(fiUSLT).Category, 9);
  EXPECT_EQ(FrameIDInfo(fiAPIC).Category, 11);
  EXPECT_EQ(FrameIDInfo(fiPOPM).Category, 28);
  EXPECT_EQ(FrameIDInfo(fiETCO).Category, 0);
}

TEST(Genres, NamesAndLookup) {
  EXPECT_EQ(GenreName(0), "Blues");
  EXPECT_EQ(GenreName(17), "Rock");
  EXPECT_EQ(GenreName(147), "Synthpop");
  EXPECT_EQ(GenreName(148), " ");
  EXPECT_THROW(GenreName(149), ERangeError);

  EXPECT_EQ(GenreIndexOf("Blues"), 0);
  EXPECT_EQ(GenreIndexOf("blues"), 0);
  EXPECT_EQ(GenreIndexOf("TOP 40"), 60);
  EXPECT_EQ(GenreIndexOf("Synthpop"), 147);
  EXPECT_EQ(GenreIndexOf(" "), -1);  // the blank entry is not a genre
  EXPECT_EQ(GenreIndexOf("Blues "), -1);
  EXPECT_EQ(GenreIndexOf(""), -1);
  EXPECT_EQ(GenreIndexOf("Polka Rock"), -1);
  for (int i = 0; i < GenreCount - 1; ++i) EXPECT_EQ(GenreIndexOf(GenreName(i)), i);
}

TEST(Languages, TableLayout) {
  EXPECT_EQ(LanguageCode(0), "XXX");
  EXPECT_EQ(LanguageName(0), "Unknown");
  EXPECT_EQ(LanguageCode(108), "eng");
  EXPECT_EQ(LanguageName(108), "English");
  EXPECT_EQ(LanguageCode(428), " ");
  EXPECT_EQ(LanguageName(428), " ");
  EXPECT_THROW(LanguageCode(429), ERangeError);
  EXPECT_THROW(LanguageName(-1), ERangeError);
  for (int i = 1; i < 428; ++i) {
    std::string code = LanguageCode(i);
    SCOPED_TRACE(code);
    ASSERT_EQ(code.size(), 3u);
    for (char c : code) EXPECT_TRUE(c >= 'a' && c <= 'z');
    EXPECT_FALSE(LanguageName(i).empty());
    if (i > 1) {
      EXPECT_LE(LanguageCode(i - 1), code);
    }
  }
}

TEST(Languages, BothFormsOfACodeNameTheSameLanguage) {
  auto nameOf = [](const std::string& code) {
    for (int i = 1; i < 428; ++i)
      if (LanguageCode(i) == code) return LanguageName(i);
    return std::string();
  };
  EXPECT_EQ(nameOf("deu"), "German");
  EXPECT_EQ(nameOf("ger"), "German");
  EXPECT_EQ(nameOf("fra"), nameOf("fre"));
  EXPECT_EQ(nameOf("fra"), "French");
  EXPECT_EQ(nameOf("vol"), "Volap\xFCk");  // code page 1252
  EXPECT_EQ(nameOf("sve"), "Swedish");     // a retired code
}

TEST(TagVersions, NamesAndID3v2Mapping) {
  EXPECT_EQ(TagVersionName(tvNone), "-------");
  EXPECT_EQ(TagVersionName(tvID3v11), "ID3v1.1");
  EXPECT_EQ(TagVersionName(tvID3v24), "ID3v2.4");
  EXPECT_THROW(TagVersionName(8), ERangeError);
  EXPECT_EQ(ID3v2VersionKind(0), tvID3v20);
  EXPECT_EQ(ID3v2VersionKind(2), tvID3v22);
  EXPECT_EQ(ID3v2VersionKind(3), tvID3v23);
  EXPECT_EQ(ID3v2VersionKind(4), tvID3v24);
  EXPECT_EQ(ID3v2VersionKind(5), tvNone);
  EXPECT_EQ(ID3v2VersionKind(255), tvNone);
}

}  // namespace
