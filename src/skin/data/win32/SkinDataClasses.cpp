#include "SkinDataClasses.h"

#include "skin/data/CompressedStoredSkin.h"

#include "classlib/ClassRegistry.h"

void RegisterSkinDataClasses(TClassRegistry& Registry) {
  Registry.DefineComponent<TspCompressedStoredSkin, TComponent>("TspCompressedStoredSkin")
      .String("FileName", &TspCompressedStoredSkin::SetFileName)
      .String("CompressedFileName", &TspCompressedStoredSkin::SetCompressedFileName)
      .String("Description", &TspCompressedStoredSkin::SetDescription);
}
