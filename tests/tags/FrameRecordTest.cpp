// The ID3v2 frame record: frame IDs read from a file mapped to frame kinds, the class
// made for each category, and frames made new or from a header.
#include "FrameFixtures.h"

#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2AttachmentFrames.h"
#include "tags/ID3v2CounterFrames.h"
#include "tags/ID3v2DescribedTextFrames.h"
#include "tags/ID3v2Frame.h"
#include "tags/ID3v2RawBodyFrames.h"
#include "tags/ID3v2TextFrames.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <map>
#include <typeindex>

namespace {

TFrameHeaderBytes Header(const std::string& id, uint32_t size = 0, uint8_t status = 0,
                         uint8_t format = 0) {
  T4Bytes sizeBytes = WriteSyncsafe(size);
  return {static_cast<uint8_t>(id[0]), static_cast<uint8_t>(id[1]), static_cast<uint8_t>(id[2]),
          static_cast<uint8_t>(id[3]), sizeBytes[0], sizeBytes[1], sizeBytes[2], sizeBytes[3],
          status, format};
}

std::string IDOf(const TFrameHeaderBytes& header) { return {header.begin(), header.begin() + 4}; }

TEST(FrameIDMapping, IDsGiveTheirKinds) {
  struct TCase {
    const char* ID;
    bool Known;
    int Kind;
    const char* NewID;  // the ID the header carries afterwards
  } cases[] = {
      {"AENC", true, fiAENC, "AENC"}, {"TIT2", true, fiTIT2, "TIT2"},
      {"WXXX", true, fiWXXX, "WXXX"}, {"TLEN", true, fiTLEN, "TLEN"},
      {"TYER", true, fiTDRC, "TDRC"}, {"TORY", true, fiTDOR, "TDOR"},
      {"IPLS", true, fiTIPL, "TIPL"}, {"EQUA", true, fiEQU2, "EQU2"},
      {"RVAD", true, fiRVA2, "RVA2"}, {"TDAT", true, fiObsolete, "TDAT"},
      {"TIME", true, fiObsolete, "TIME"}, {"TRDA", true, fiObsolete, "TRDA"},
      {"TSIZ", true, fiObsolete, "TSIZ"}, {"ETCO", false, -1, "ETCO"},
      {"----", false, -1, "----"},    {"tit2", false, -1, "tit2"},
      {"TIT9", false, -1, "TIT9"},    {"\0\0\0\0", false, -1, "\0\0\0\0"},
  };
  for (const TCase& c : cases) {
    std::string id(c.ID, 4);
    SCOPED_TRACE(id);
    TFrameHeaderBytes header = Header(id, 300, 0x40, 0x02);
    uint8_t kind = 200;
    EXPECT_EQ(MapFrameID(header, kind), c.Known);
    if (c.Known) {
      EXPECT_EQ(kind, c.Kind);
    }
    EXPECT_EQ(IDOf(header), std::string(c.NewID, 4));
    EXPECT_EQ(ReadSyncsafe(FourBytesAt(TBytes(header.begin(), header.end()), 4)), 300u);
  }
  // Every ID of the table but ETCO names its own row.
  for (int kind = 0; kind < fiObsolete; ++kind) {
    TFrameHeaderBytes header = Header(FrameIDs[kind].FrameID);
    uint8_t found = 0;
    EXPECT_EQ(MapFrameID(header, found), kind != fiETCO) << FrameIDs[kind].FrameID;
    if (kind != fiETCO) {
      EXPECT_EQ(found, kind);
    }
  }
}

TEST(FrameCategoryFactory, EachCodeHasItsClass) {
  const std::map<int, std::type_index> classes = {
      {fcRawBody, typeid(TMp3ID3v2FrameCat0)},     {fcText, typeid(TMp3ID3v2FrameCat1)},
      {fcDate, typeid(TMp3ID3v2FrameCat1Date)},    {fcTrack, typeid(TMp3ID3v2FrameCat1Track)},
      {fcGenre, typeid(TMp3ID3v2FrameCat1Genre)},  {fcUserText, typeid(TMp3ID3v2FrameCat2)},
      {fcUrl, typeid(TMp3ID3v2FrameCat3)},         {fcUserUrl, typeid(TMp3ID3v2FrameCat4)},
      {fcComment, typeid(TMp3ID3v2FrameCat5)},     {fcCdIdentifier, typeid(TMp3ID3v2FrameCat6)},
      {fcPicture, typeid(TMp3ID3v2FrameCat7)},     {fcObject, typeid(TMp3ID3v2FrameCat8)},
      {fcPopularimeter, typeid(TMp3ID3v2FrameCat24)},
  };
  for (int code = 0; code <= 255; ++code) {
    SCOPED_TRACE(code);
    bool ok = !classes.count(code);  // the opposite of what it should become
    auto frame = CreateFrameCategory(static_cast<uint8_t>(code), fiTALB, ok);
    auto it = classes.find(code);
    EXPECT_EQ(ok, it != classes.end());
    EXPECT_EQ(std::type_index(typeid(*frame)),
              it != classes.end() ? it->second : std::type_index(typeid(TMp3ID3v2FrameCat0)));
    EXPECT_EQ(frame->GetCategory(), code);
    EXPECT_EQ(frame->GetFrameKind(), fiTALB);
  }
}

TEST(Frame, NewFramesTakeTheirIDFromTheTable) {
  TMp3ID3v2Frame comment(fiCOMM);
  EXPECT_EQ(comment.GetID(), "COMM");
  EXPECT_EQ(comment.GetSize(), T4Bytes{});
  EXPECT_EQ(comment.GetFlags()[0] | comment.GetFlags()[1], 0);
  EXPECT_EQ(typeid(comment.GetCategoryObject()), typeid(TMp3ID3v2FrameCat5));
  EXPECT_EQ(comment.GetCategoryObject().GetFrameKind(), fiCOMM);
  EXPECT_EQ(comment.GetBodyLength(), 0);

  TMp3ID3v2Frame counter(fiPCNT);  // no class: a raw body that stays empty
  EXPECT_EQ(counter.GetCategoryObject().GetCategory(), fcPlayCounter);
  EXPECT_THROW(TMp3ID3v2Frame{FrameIDCount}, ERangeError);
}

TEST(Frame, FramesReadFromAFile) {
  TCharsetScope ansi(0);
  TFrameHeaderBytes header = Header("TYER", 5, 0x00, 0x02);
  uint8_t kind = 0;
  ASSERT_TRUE(MapFrameID(header, kind));
  bool ok = false;
  TMp3ID3v2Frame year(kind, ok, header);
  EXPECT_TRUE(ok);
  EXPECT_EQ(year.GetID(), "TDRC");
  EXPECT_EQ(year.GetSize(), WriteSyncsafe(5));
  EXPECT_EQ(year.GetFlags()[1], 0x02);
  year.ReadBody(Bytes(std::string("\0" "2004", 5)));
  TMp3ID3v2FrameCatBase& date = year.GetCategoryObject();
  EXPECT_EQ(date.GetCategory(), fcDate);
  EXPECT_EQ(date.GetYear(), "2004");
  EXPECT_EQ(year.GetBodyLength(), 0);  // released once read
  date.Encode();
  EXPECT_EQ(date.GetData(), Bytes(std::string("\0" "2004", 5)));

  for (uint8_t skippedKind : {fiTLEN, fiObsolete, fiPCNT, fiETCO}) {
    ok = true;
    TMp3ID3v2Frame skipped(skippedKind, ok, Header(FrameIDs[skippedKind].FrameID));
    EXPECT_FALSE(ok) << FrameIDs[skippedKind].FrameID;
  }
}

}  // namespace
