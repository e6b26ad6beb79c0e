#include "tags/ID3v1.h"
#include "tags/TagInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(TagInfo, AttachingAnEntryTakesItsSizeFlag) {
  TTagInfo info;
  EXPECT_TRUE(info.IsValid);
  EXPECT_TRUE(info.ReadOk);
  EXPECT_FALSE(info.HasID3v1 || info.HasID3v2 || info.RemoveID3v1 || info.ChangedID3v2);
  TFileInfo small, large;
  large.LargerThan128 = true;
  info.SetFileInfo(&small);
  EXPECT_FALSE(info.IsValid);
  EXPECT_EQ(info.GetFileInfoRef(), &small);
  info.SetFileInfo(&large);
  EXPECT_TRUE(info.IsValid);
  EXPECT_EQ(info.FileInfo, &large);
}

struct TCounted {
  explicit TCounted(int& alive) : Alive(alive) { ++Alive; }
  ~TCounted() { --Alive; }
  int& Alive;
};

TEST(TagInfo, OwnedTagsAreFreedOnceByTheirOwner) {
  int alive = 0;
  {
    TOwnedTag<TCounted> tag;
    EXPECT_FALSE(tag);
    tag.Assign(new TCounted(alive));
    EXPECT_TRUE(tag);
    tag.Assign(new TCounted(alive));  // the first is freed
    EXPECT_EQ(alive, 1);
    tag.Assign(tag.Get());  // the same object stays
    EXPECT_EQ(alive, 1);
    tag.Free();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(tag.Get(), nullptr);
    tag.Assign(new TCounted(alive));
  }
  EXPECT_EQ(alive, 0);

  TFileInfo entry;
  auto info = std::make_unique<TTagInfo>();
  info->SetFileInfo(&entry);
  info->ID3v1.Assign(new TMp3ID3v1(*info, true));
  EXPECT_EQ(info->ID3v1->GetVersion(), 2);
  info.reset();  // frees the tag object; the entry is not the record's
  EXPECT_EQ(entry.Handle, InvalidHandle);
}

}  // namespace
