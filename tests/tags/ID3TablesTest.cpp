// Anchors of the ID3 tables, each checked against what ISO 639-2, the ID3v1 genre list
// and the ID3v2.3 to ID3v2.4 frame changes say, not against the tables themselves.
#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2Frame.h"

#include "base/Locale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace {

std::string IDOf(const TFrameHeaderBytes& header) { return {header.begin(), header.begin() + 4}; }

TEST(ID3Tables, LanguageGenreAndOldFrameIDAnchorsHold) {
  // "eng" is English in ISO 639-2, the default language of comments, at row 108.
  EXPECT_EQ(LanguageCode(108) + " " + LanguageName(108), "eng English");
  bool ok = false;
  auto comment = CreateFrameCategory(fcComment, fiCOMM, ok);
  comment->SetLanguageString("eng");
  EXPECT_EQ(comment->GetLanguageIndex(), 108);

  // The last genre of the list, 147, and nothing after it.
  EXPECT_EQ(GenreName(147), "Synthpop");
  EXPECT_EQ(GenreIndexOf("synthpop"), 147);
  EXPECT_EQ(GenreName(148), " ");
  EXPECT_EQ(GenreIndexOf(" "), -1);
  // Every genre is found in any letter case, and no text that merely begins one is.
  for (int32_t genre = 0; genre < GenreCount - 1; ++genre) {
    const std::string name = GenreName(genre);
    EXPECT_EQ(GenreIndexOf(AnsiUpperCase(name)), genre) << name;
    EXPECT_EQ(GenreIndexOf(AnsiLowerCase(name)), genre) << name;
    EXPECT_EQ(GenreIndexOf(name.substr(0, name.size() - 1)), -1) << name;
  }

  // ID3v2.3 IDs that ID3v2.4 renamed give the new frame's kind and ID; ETCO is left
  // unrecognised and its header as it was.
  const std::tuple<std::string, int, std::string> renamed[] = {
      {"IPLS", 39, "TIPL"}, {"TORY", 32, "TDOR"}, {"EQUA", 6, "EQU2"}};
  for (const auto& [id, kind, newID] : renamed) {
    TFrameHeaderBytes header{};
    std::copy(id.begin(), id.end(), header.begin());
    uint8_t found = 255;
    EXPECT_TRUE(MapFrameID(header, found)) << id;
    EXPECT_EQ(found, kind) << id;
    EXPECT_EQ(IDOf(header), newID);
  }
  TFrameHeaderBytes etco{'E', 'T', 'C', 'O', 0, 0, 0, 4};
  uint8_t found = 255;
  EXPECT_FALSE(MapFrameID(etco, found));
  EXPECT_EQ(IDOf(etco), "ETCO");

  // Every other ID of the library gives its own row and keeps its header; the dropped
  // IDs give the obsolete kind; IDs beside them, before the first and after the last are
  // unknown.
  auto header = [](const std::string& id) {
    TFrameHeaderBytes bytes{};
    std::copy(id.begin(), id.end(), bytes.begin());
    return bytes;
  };
  for (int kind = 0; kind < fiObsolete; ++kind) {
    if (kind == fiETCO) continue;
    const std::string id = FrameIDs[kind].FrameID;
    TFrameHeaderBytes bytes = header(id);
    found = 255;
    EXPECT_TRUE(MapFrameID(bytes, found)) << id;
    EXPECT_EQ(found, kind) << id;
    EXPECT_EQ(IDOf(bytes), id);
  }
  for (const char* id : {"TDAT", "TIME", "TRDA", "TSIZ"}) {
    TFrameHeaderBytes bytes = header(id);
    EXPECT_TRUE(MapFrameID(bytes, found) && found == fiObsolete) << id;
    EXPECT_EQ(IDOf(bytes), id);
  }
  for (const char* id : {"AAAA", "AENB", "TIT0", "TIT4", "TYEQ", "WXXY", "ZZZZ", "\0\0\0\0"}) {
    TFrameHeaderBytes bytes = header(std::string(id, 4));
    EXPECT_FALSE(MapFrameID(bytes, found)) << id;
  }
}

}  // namespace
