#include "SkinDataClasses.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include "classlib/ClassRegistry.h"

void RegisterSkinDataClasses(TClassRegistry& Registry) {
  Registry.DefineComponent<TspCompressedStoredSkin, TComponent>("TspCompressedStoredSkin")
      .String("FileName", &TspCompressedStoredSkin::SetFileName)
      .String("CompressedFileName", &TspCompressedStoredSkin::SetCompressedFileName)
      .String("Description", &TspCompressedStoredSkin::SetDescription);
  Registry.DefineComponent<TspSkinData, TComponent>("TspSkinData")
      .Reference("CompressedStoredSkin", &TspSkinData::SetCompressedStoredSkin)
      .Boolean("SkinnableForm", &TspSkinData::SetSkinnableForm)
      .Boolean("EnableSkinEffects", &TspSkinData::SetEnableSkinEffects);
}
