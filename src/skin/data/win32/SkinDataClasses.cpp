#include "SkinDataClasses.h"

#include "skin/data/CompressedSkinList.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"

void RegisterSkinDataClasses(TClassRegistry& Registry) {
  Registry.DefineComponent<TspCompressedStoredSkin, TComponent>("TspCompressedStoredSkin")
      .String("FileName", &TspCompressedStoredSkin::SetFileName)
      .String("CompressedFileName", &TspCompressedStoredSkin::SetCompressedFileName)
      .String("Description", &TspCompressedStoredSkin::SetDescription);
  // An item's skin arrives through its "Skin" property (DefineProperties).
  Registry.DefinePersistent<TspSkinListItem>("TspSkinListItem")
      .String("Description", &TspSkinListItem::SetDescription)
      .String("FileName", &TspSkinListItem::SetFileName)
      .String("CompressedFileName", &TspSkinListItem::SetCompressedFileName)
      .String("Name", &TspSkinListItem::SetName);
  Registry.DefineComponent<TspCompressedSkinList, TComponent>("TspCompressedSkinList")
      .Collection<TspSkinListItem>("Skins", &TspCompressedSkinList::Skins);
  Registry.DefineComponent<TspResourceStrData, TComponent>("TspResourceStrData")
      .Object("ResStrings", &TspResourceStrData::ResStringsObject)
      .Integer("CharSet", &TspResourceStrData::SetCharSet);
  // SkinIndex is set as it is read, the references once the whole form exists: a
  // SkinList then loads its skin at SkinIndex.
  Registry.DefineComponent<TspSkinData, TComponent>("TspSkinData")
      .Reference("CompressedStoredSkin", &TspSkinData::SetCompressedStoredSkin)
      .Reference("ResourceStrData", &TspSkinData::SetResourceStrData)
      .Reference("SkinList", &TspSkinData::SetSkinList)
      .Integer("SkinIndex", &TspSkinData::SetSkinIndex)
      .Boolean("SkinnableForm", &TspSkinData::SetSkinnableForm)
      .Boolean("EnableSkinEffects", &TspSkinData::SetEnableSkinEffects);
}
