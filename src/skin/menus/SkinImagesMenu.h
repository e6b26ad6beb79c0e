#pragma once
// TspSkinImagesMenu: a menu that pops up a grid of images of an image list, a fixed
// number of columns wide, with full-width button rows and header rows between them, and
// reports the image chosen as its ItemIndex. A tool button with a menu part opens it
// under itself. Its popup window is skinned like a menu level but independent of the
// menu engine: it holds the mouse capture and its own application message handler while
// it is open.
//
// A choice reports, in this order: the opener's close hook (OnInternalMenuClose),
// OnMenuClose, the item's OnClick, OnItemClick, and when the choice differs from the
// one before the opener's change hook (OnInternalChange) and OnChange. Each handler may
// close the menu again, open it anew or free it.

#include "skin/controls/SkinImagesMenuSource.h"

#include "classlib/Graphics.h"

#include "base/Collection.h"
#include "base/Geometry.h"
#include "base/Component.h"

#include <cstdint>
#include <string>

class TClassRegistry;
class TCustomImageList;
class TspSkinData;
class TspSkinHint;
class TspSkinImagesMenu;
class TspSkinImagesMenuPopupWindow;

class TspImagesMenuItem : public TCollectionItem {
public:
  explicit TspImagesMenuItem(TCollection* Collection) : TCollectionItem(Collection) {}

  // The image of the menu's image list the item shows; -1 for none.
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // A full-width row with the image and the caption.
  bool Button() const { return FButton; }
  void SetButton(bool Value);
  // A full-width row with the caption only, never hot and never chosen.
  bool Header() const { return FHeader; }
  void SetHeader(bool Value);
  // Shown while the pointer rests on the item, through the menu's hint component.
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  // Fired with the menu as sender when the item is chosen.
  TNotifyEvent OnClick;
  // Where the last layout put the item in the popup window.
  TRect ItemRect;

  // From another item: its image, caption, button flag and hint.
  void Assign(const TPersistent* Source) override;

private:
  int32_t FImageIndex = -1;
  std::string FCaption;
  bool FButton = false;
  bool FHeader = false;
  std::string FHint;
};

class TspImagesMenuItems : public TOwnedCollection {
public:
  explicit TspImagesMenuItems(TspSkinImagesMenu* AMenu);
  TspImagesMenuItem* Items(int Index) const { return static_cast<TspImagesMenuItem*>(TCollection::Items(Index)); }

protected:
  // An open popup lays itself out anew.
  void Update(TCollectionItem* Item) override;

private:
  TspSkinImagesMenu* FMenu;
};

class TspSkinImagesMenu : public TComponent, public TspImagesMenuSource {
public:
  explicit TspSkinImagesMenu(TComponent* AOwner);
  ~TspSkinImagesMenu() override;

  // Opens the popup under the screen rectangle R (above it where there is no room
  // below), closing one already open first, after OnMenuPopup. Nothing opens without
  // images. Whether it opened: when it did, the close hook fires once when it closes
  // (perhaps already before Popup returns); when it did not, it never fires for this call.
  bool Popup(const TRect& R);
  // Closes the open popup without a choice; nothing when none is open.
  void ClosePopup();
  // The popup closed: it goes, and the events report the choice (Click) or none. An
  // ItemIndex that names no item is no choice.
  void CloseUp(bool Click);
  // The item at ItemIndex, or nullptr when that names no item.
  TspImagesMenuItem* GetSelectedItem() const;

  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TspImagesMenuItems* ImagesItems() { return &FImagesItems; }
  // The chosen item; -1 for none.
  int32_t ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int32_t Value) { FItemIndex = Value; }
  // Cells in a row: 1 to 50; other values are ignored.
  int32_t ColumnsCount() const { return FColumnsCount; }
  void SetColumnsCount(int32_t Value);
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  // The popup while it is open.
  TspSkinImagesMenuPopupWindow* PopupWindow() const { return FPopupWindow; }
  // The selected item shows pressed in the popup.
  bool ShowSelectedItem() const { return FShowSelectedItem; }
  void SetShowSelectedItem(bool Value) { FShowSelectedItem = Value; }
  // ItemIndex when the popup opened.
  int32_t OldItemIndex() const { return FOldItemIndex; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value) { FAlphaBlendValue = Value; }
  // The font of button rows without the skin's (Arial, height 14).
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // Shows the items' hints while the pointer rests on them.
  TspSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TspSkinHint* Value);
  bool ShowHints() const { return FShowHints; }
  void SetShowHints(bool Value) { FShowHints = Value; }

  TNotifyEvent OnItemClick;
  TNotifyEvent OnChange;
  TNotifyEvent OnMenuClose;
  TNotifyEvent OnMenuPopup;
  // The hooks of the control that opens the menu and shows its choice.
  TNotifyEvent OnInternalChange;
  TNotifyEvent OnInternalMenuClose;

  // The tool buttons' view of the menu.
  TComponent* MenuComponent() override { return this; }
  std::optional<TspImagesMenuItemView> SelectedItem() const override;
  void SetOnInternalChange(const TNotifyEvent& Value) override { OnInternalChange = Value; }
  void SetOnInternalMenuClose(const TNotifyEvent& Value) override { OnInternalMenuClose = Value; }

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  // An open popup closes before the menu goes: the application's handler and the mouse
  // capture come back and the opener hears of it.
  void BeforeDestruction() override;

private:
  friend class TspImagesMenuItems;
  // Frees the popup, or leaves it to finish its Show first.
  static void ReleaseWindow(TspSkinImagesMenuPopupWindow* Window);
  void ItemsChanged();

  TCustomImageList* FImages = nullptr;
  TspImagesMenuItems FImagesItems{this};
  int32_t FItemIndex = -1;
  int32_t FColumnsCount = 1;
  TspSkinData* FSkinData = nullptr;
  TspSkinImagesMenuPopupWindow* FPopupWindow = nullptr;
  bool FShowSelectedItem = true;
  int32_t FOldItemIndex = -1;
  bool FAlphaBlend = false;
  bool FAlphaBlendAnimation = false;
  uint8_t FAlphaBlendValue = 200;
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  TspSkinHint* FSkinHint = nullptr;
  bool FShowHints = true;
};

// Adds the images menu and its item collection to the form reader.
void RegisterSkinImagesMenuClasses(TClassRegistry& Registry);
