#pragma once
// TspSkinData: the component that holds one loaded skin. It loads a stored skin into its
// pictures, colours, window-frame geometry and entry lists, answers lookups of entries
// by IDName, and tells the open windows, by the skin messages, before, when and after
// its skin changes. Every window's skinned controls and frame point at one of these.

#include "SkinControlData.h"
#include "SkinFormInfo.h"
#include "SkinObjectData.h"
#include "SkinWindowData.h"

#include "base/Component.h"
#include "base/PixelImage.h"
#include "base/Strings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TspCompressedSkinList;
class TspCompressedStoredSkin;
class TspResourceStrData;

// What another layer made of a skin's pictures (the Windows half keeps its bitmaps in
// one). The skin data holds it and drops it whenever its pictures change, so that nothing
// made of an old skin is ever drawn.
class TspSkinPictureCache {
public:
  virtual ~TspSkinPictureCache() = default;
};

// A picture index read from a skin names a picture of a list of Count when it is not
// negative and below Count; any other index means "no picture".
constexpr bool IsPictureIndex(int32_t Index, size_t Count) {
  return Index >= 0 && static_cast<size_t>(Index) < Count;
}

// The window-frame geometry (TspSkinFormInfo) is read as fields of the component.
class TspSkinData : public TComponent, public TspSkinFormInfo {
public:
  // Empty, skinnable, with skin effects; nothing is loaded and nothing is sent.
  explicit TspSkinData(TComponent* AOwner);
  ~TspSkinData() override;

  void Notification(TComponent* AComponent, TOperation Operation) override;

  // A change sends SP_SKINNABLE_FORM_CHANGED unless designing or loading.
  bool SkinnableForm() const { return FSkinnableForm; }
  void SetSkinnableForm(bool Value);
  // Read by the users of the skin (morphing, animation, inactive effects).
  bool EnableSkinEffects() const { return FEnableSkinEffects; }
  void SetEnableSkinEffects(bool Value) { FEnableSkinEffects = Value; }
  // Not owned. Assigning a stored skin loads it (again) unless designing; nil keeps
  // the loaded skin.
  TspCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  void SetCompressedStoredSkin(TspCompressedStoredSkin* Value);
  // Not owned. Every assignment sends SP_RESOURCE_STRINGS_CHANGED unless designing.
  TspResourceStrData* ResourceStrData() const { return FResourceStrData; }
  void SetResourceStrData(TspResourceStrData* Value);
  // Not owned. With a list, SkinIndex selects and loads one of its skins; an index
  // outside the list is ignored.
  TspCompressedSkinList* SkinList() const { return FSkinList; }
  void SetSkinList(TspCompressedSkinList* Value);
  int32_t SkinIndex() const { return FSkinIndex; }
  void SetSkinIndex(int32_t Value);

  // True until a load completes, and again from the start of every load.
  bool Empty() const { return FEmpty; }
  // True while a load runs: from before SP_BEFORE_CHANGE_SKIN_DATA until after
  // SP_CHANGE_SKIN_DATA. The frame paints nothing meanwhile.
  bool SkinChanging() const { return FSkinChanging; }

  // Sends Msg to the owner form first, then to every other open form in order.
  void SendSkinDataMessage(uint32_t Msg);

  // The index of the first entry whose IDName equals AIDName exactly, or -1.
  int GetIndex(const std::string& AIDName) const;         // ObjectList
  int GetControlIndex(const std::string& AIDName) const;  // CtrlList
  int GetAreaIndex(const std::string& AIDName) const;     // AreaList

  // Frees the entries and active pictures, resets the popup and hint picture indexes
  // and the skin colours (to the system colours).
  void ClearAll();
  // ClearAll, then empties the pictures and their names; the skin is empty.
  void ClearSkin();

  // Changes whenever the pictures and entries are cleared or replaced: a pointer to an
  // entry, or anything copied from the skin, belongs to the generation it was taken in.
  uint32_t SkinGeneration() const { return FSkinGeneration; }
  // The cache made of the current pictures, or nullptr. Dropped (so that weak references
  // to it expire) whenever the generation changes and when the component goes.
  const std::shared_ptr<TspSkinPictureCache>& PictureCache() const { return FPictureCache; }
  void SetPictureCache(std::shared_ptr<TspSkinPictureCache> Cache) { FPictureCache = std::move(Cache); }

  // Loads the skin of AStoredSkin (not nil), copying its pictures from the stored
  // skin's decoding (TspCompressedStoredSkin::Decoded), which other loads share. A
  // stored skin without data changes nothing. A load that fails clears the skin and the
  // stored skin's decoding, ends SkinChanging, sends the change and after-change
  // messages, then lets the error go on.
  void LoadCompressedStoredSkin(TspCompressedStoredSkin* AStoredSkin);

  // Splits an entry "IDName:keyword" at its first ":"; without one both are empty.
  static void GetNameAndType(const std::string& S, std::string& AIDName, std::string& ATypeName);

  TspSkinColors SkinColors;  // all ten 0 until a skin is cleared or loaded
  TspDataSkinPopupWindow PopupWindow;
  TspDataSkinHintWindow HintWindow;

  TPixelImage Picture;
  TPixelImage InActivePicture;
  TPixelImage Mask;
  TPixelImage RollUpPicture;
  TPixelImage RollUpMask;
  // Indexed by the picture indexes of the entries: valid when not -1 and below size().
  std::vector<TPixelImage> ActivePictures;

  std::string PictureName, MaskName, RollUpPictureName, RollUpMaskName;
  TStringList ActivePicturesNames;
  // The screen cursor a skin cursor index 0 stands for.
  static constexpr int32_t StartCursorIndex = 1;
  // The screen cursor skin cursor Index stands for: the default one (0) for -1, none, and
  // for an index past the screen's numbers (it overflowed them).
  static int32_t ScreenCursorOf(int32_t Index);

  std::vector<std::unique_ptr<TspDataSkinObject>> ObjectList;  // in SKINOBJECTS order
  std::vector<TspDataSkinArea> AreaList;                       // in SKINAREAS order
  std::vector<std::unique_ptr<TspDataSkinControl>> CtrlList;   // in SKINCONTROLS order

  std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;

protected:
  // The loading steps, in the order a load runs them.
  void LoadFormInfo(TCustomIniFile& IniFile);
  void LoadAreas(TCustomIniFile& IniFile);
  void LoadObjects(TCustomIniFile& IniFile);
  void LoadControls(TCustomIniFile& IniFile);

private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  // Reads the payload into the cleared skin; false for an unsupported version.
  bool LoadPayload(TspCompressedStoredSkin& AStoredSkin);
  void LoadSkinList();
  // The pictures and entries were cleared or replaced: a new generation, no cache.
  void SkinReplaced();

  bool FSkinnableForm = true;
  bool FEnableSkinEffects = true;
  TspCompressedStoredSkin* FCompressedStoredSkin = nullptr;
  TspResourceStrData* FResourceStrData = nullptr;
  TspCompressedSkinList* FSkinList = nullptr;
  int32_t FSkinIndex = 0;
  bool FEmpty = true;
  bool FSkinChanging = false;
  uint32_t FSkinGeneration = 0;
  std::shared_ptr<TspSkinPictureCache> FPictureCache;
};
