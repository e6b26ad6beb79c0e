#include "CompressedSkinList.h"

#include "base/Filer.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"

TspSkinListItem::TspSkinListItem(TCollection* Collection)
    : TCollectionItem(Collection),
      FSkin(std::make_unique<TspCompressedStoredSkin>(nullptr)),
      FName("spSkin" + IntToStr(Index())) {}

bool TspSkinListItem::Designing() const {
  auto* list =
      Collection() != nullptr ? dynamic_cast<TComponent*>(Collection()->GetOwner()) : nullptr;
  return list != nullptr && list->ComponentState().Contains(csDesigning) &&
         !list->ComponentState().Contains(csLoading);
}

void TspSkinListItem::SetFileName(const std::string& Value) {
  if (!Designing()) {
    FFileName = Value;
    return;
  }
  FSkin->LoadFromIniFile(Value);
  FFileName = ExtractFileName(Value);
}

void TspSkinListItem::SetCompressedFileName(const std::string& Value) {
  if (!Designing()) {
    FCompressedFileName = Value;
    return;
  }
  FSkin->LoadFromCompressedFile(Value);
  FCompressedFileName = ExtractFileName(Value);
}

void TspSkinListItem::DefineProperties(TFiler& Filer) {
  TCollectionItem::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      SkinProperty, [this](TStream& Stream) { ReadSkin(Stream); },
      [this](TStream& Stream) { WriteSkin(Stream); }, true);
}

void TspSkinListItem::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TspSkinListItem*>(Source);
  if (source == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  FDescription = source->FDescription;
  FFileName = source->FFileName;
  FCompressedFileName = source->FCompressedFileName;
  FName = source->FName;
  TMemoryStream skin;
  source->WriteSkin(skin);
  ReadSkin(skin);
}
