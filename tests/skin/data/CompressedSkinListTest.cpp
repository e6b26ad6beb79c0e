#include "skin/data/CompressedSkinList.h"
#include "skin/data/SkinPayload.h"

#include "DefinedProperties.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const TspSkinListItems& items) {
  std::vector<std::string> names;
  for (int i = 0; i < items.Count(); ++i) names.push_back(items.Items(i)->GetDisplayName());
  return names;
}

TspSkinListItem* Add(TspCompressedSkinList& list) {
  return static_cast<TspSkinListItem*>(list.Skins()->Add());
}

TEST(CompressedSkinList, ItemsAreNamedByTheirIndexAtCreation) {
  TspCompressedSkinList list(nullptr);
  for (int i = 0; i < 3; ++i) Add(list);
  EXPECT_EQ(Names(*list.Skins()), (std::vector<std::string>{"spSkin0", "spSkin1", "spSkin2"}));
  list.Skins()->Delete(0);
  Add(list);
  EXPECT_EQ(Names(*list.Skins()), (std::vector<std::string>{"spSkin1", "spSkin2", "spSkin2"}));
  EXPECT_TRUE(list.Skins()->Items(0)->Skin()->IsEmpty());
  EXPECT_EQ(list.Skins()->GetOwner(), &list);
}

// Each item stores its skin as the binary property "Skin": a stored-skin container,
// always written as version 2; one of a version it does not know leaves the skin empty.
TEST(CompressedSkinList, EachItemStoresItsSkinAsTheContainerPropertySkin) {
  TspCompressedSkinList list(nullptr);
  TspSkinListItem* item = Add(list);
  auto defined = DefinedBinaryProperties(*item);
  ASSERT_EQ(defined.size(), 1u);
  const TDefinedBinaryProperty& skin = defined["Skin"];
  EXPECT_TRUE(skin.HasData);
  TMemoryStream container;
  WriteStoredSkinInt32(container, 3);
  WriteStoredSkinInt32(container, 4);
  container.WriteBuffer("zlib", 4);
  container.SetPosition(0);
  skin.ReadData(container);
  EXPECT_EQ(item->Skin()->CompressedStream().Bytes(), (std::vector<uint8_t>{'z', 'l', 'i', 'b'}));
  TMemoryStream written;
  skin.WriteData(written);
  EXPECT_EQ(written.Size(), 12);
  EXPECT_EQ(written.Bytes()[0], 2);

  container.SetPosition(0);
  WriteStoredSkinInt32(container, 4);
  container.SetPosition(0);
  skin.ReadData(container);
  EXPECT_TRUE(item->Skin()->IsEmpty());
}

TEST(CompressedSkinList, FileNamesBuildSkinsOnlyWhileTheListIsDesigned) {
  TempFolder folder;
  const std::string ini = WriteSyntheticSkin(folder.Path());
  TspCompressedSkinList list(nullptr);
  TspSkinListItem* item = Add(list);
  item->SetFileName(ini);
  EXPECT_EQ(item->FileName(), ini);
  EXPECT_TRUE(item->Skin()->IsEmpty());

  list.SetDesigning(true);
  list.Loading();
  item->SetFileName(ini);
  EXPECT_TRUE(item->Skin()->IsEmpty());
  list.Loaded();
  item->SetFileName(ini);
  EXPECT_EQ(item->FileName(), "skin.ini");
  ASSERT_FALSE(item->Skin()->IsEmpty());

  TMemoryStream container;
  item->WriteSkin(container);
  container.SaveToFile(folder / "skin.spz");
  TspSkinListItem* packed = Add(list);
  packed->SetCompressedFileName(folder / "skin.spz");
  EXPECT_EQ(packed->CompressedFileName(), "skin.spz");
  EXPECT_EQ(packed->Skin()->CompressedStream().Bytes(), item->Skin()->CompressedStream().Bytes());
}

TEST(CompressedSkinList, AssigningSkinsCopiesItemsAndTheirSkins) {
  TspCompressedSkinList source(nullptr), copy(nullptr);
  TspSkinListItem* item = Add(source);
  item->SetDescription("blue");
  item->SetName("Blue");
  TMemoryStream zlib;
  zlib.WriteBuffer("data", 4);
  item->Skin()->ReadData(zlib);
  Add(source);
  Add(copy);
  copy.SetSkins(*source.Skins());
  ASSERT_EQ(copy.Skins()->Count(), 2);
  EXPECT_EQ(copy.Skins()->Items(0)->Description(), "blue");
  EXPECT_EQ(copy.Skins()->Items(0)->Name(), "Blue");
  EXPECT_EQ(copy.Skins()->Items(0)->Skin()->CompressedStream().Bytes(),
            item->Skin()->CompressedStream().Bytes());
  EXPECT_NE(copy.Skins()->Items(0)->Skin(), item->Skin());
  EXPECT_TRUE(copy.Skins()->Items(1)->Skin()->IsEmpty());
}

}  // namespace
