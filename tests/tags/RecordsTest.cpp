#include "TagFixtures.h"

#include "tags/FileAccess.h"
#include "tags/ID3TagsUtils.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
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

TEST(TagInfo, TagObjectsGoWithTheRecordAndTheEntryStays) {
  TListedFile file(std::string(200, 'a'));
  auto info = std::make_unique<TTagInfo>();
  info->SetFileInfo(&file.Entry);
  info->ID3v1 = std::make_unique<TMp3ID3v1>(*info, true);
  info->ID3v2 = std::make_unique<TMp3ID3v2>(*info, true);
  EXPECT_EQ(info->ID3v1->GetVersion(), tvID3v11);
  EXPECT_EQ(info->ID3v2->GetVersion(), tvID3v24);
  info.reset();  // frees the tag objects; the entry and its open file are the list's
  EXPECT_EQ(FileSizeOf(file.Entry.Handle), 200);
}

}  // namespace
