#pragma once
// TspCompressedSkinList: several complete skins carried in a form's stored properties,
// for a skin data component to switch between (its SkinList and SkinIndex).

#include "CompressedStoredSkin.h"

#include "base/Collection.h"

#include <memory>
#include <string>

class TspSkinListItem : public TCollectionItem {
public:
  // The binary form property that carries the item's skin as a compressed skin container.
  static constexpr const char* SkinProperty = "Skin";

  // Named "spSkin" and its index at creation.
  explicit TspSkinListItem(TCollection* Collection);

  TspCompressedStoredSkin* Skin() const { return FSkin.get(); }
  const std::string& Description() const { return FDescription; }
  void SetDescription(const std::string& Value) { FDescription = Value; }
  // While the list component is designed (and not loading) these build the skin from
  // the file they are given and keep its name without the folder; otherwise they only
  // keep the name.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value);
  const std::string& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const std::string& Value);
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }

  std::string GetDisplayName() const override { return FName; }
  // Copies the strings and the skin of another item.
  void Assign(const TPersistent* Source) override;

  // The "Skin" property: read from position 0 of Stream, written whole.
  void ReadSkin(TStream& Stream) { FSkin->LoadFromCompressStream(Stream); }
  void WriteSkin(TStream& Stream) const { FSkin->SaveToCompressStream(Stream); }
  void DefineProperties(TFiler& Filer) override;

private:
  bool Designing() const;

  std::unique_ptr<TspCompressedStoredSkin> FSkin;
  std::string FDescription;
  std::string FFileName;
  std::string FCompressedFileName;
  std::string FName;
};

class TspSkinListItems : public TOwnedCollection {
public:
  explicit TspSkinListItems(TComponent* AOwner)
      : TOwnedCollection(AOwner, ItemClass<TspSkinListItem>()) {}

  TspSkinListItem* Items(int Index) const {
    return static_cast<TspSkinListItem*>(TCollection::Items(Index));
  }
};

class TspCompressedSkinList : public TComponent {
public:
  explicit TspCompressedSkinList(TComponent* AOwner) : TComponent(AOwner), FSkins(this) {}

  TspSkinListItems* Skins() { return &FSkins; }
  const TspSkinListItems* Skins() const { return &FSkins; }
  void SetSkins(const TspSkinListItems& Value) { FSkins.Assign(&Value); }

private:
  TspSkinListItems FSkins;
};
