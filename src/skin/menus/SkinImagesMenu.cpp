#include "SkinImagesMenu.h"

#include "SkinHint.h"
#include "SkinImagesMenuPopupWindow.h"

#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/ClassRegistry.h"
#include "classlib/ImageList.h"

#include "base/DispatchScope.h"

namespace {

constexpr int32_t MaxColumns = 50;

}  // namespace

// Items

void TspImagesMenuItem::SetImageIndex(int32_t Value) {
  FImageIndex = Value;
  Changed(false);
}

void TspImagesMenuItem::SetCaption(const std::string& Value) {
  FCaption = Value;
  Changed(false);
}

void TspImagesMenuItem::SetButton(bool Value) {
  FButton = Value;
  Changed(false);
}

void TspImagesMenuItem::SetHeader(bool Value) {
  FHeader = Value;
  Changed(false);
}

void TspImagesMenuItem::Assign(const TPersistent* Source) {
  const auto* item = dynamic_cast<const TspImagesMenuItem*>(Source);
  if (item == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  FImageIndex = item->FImageIndex;
  FCaption = item->FCaption;
  FButton = item->FButton;
  FHint = item->FHint;
  Changed(false);
}

TspImagesMenuItems::TspImagesMenuItems(TspSkinImagesMenu* AMenu)
    : TOwnedCollection(AMenu, ItemClass<TspImagesMenuItem>()), FMenu(AMenu) {}

void TspImagesMenuItems::Update(TCollectionItem* Item) {
  TOwnedCollection::Update(Item);
  FMenu->ItemsChanged();
}

// The menu

TspSkinImagesMenu::TspSkinImagesMenu(TComponent* AOwner) : TComponent(AOwner) {
  SetDefaultSkinFont(FDefaultFont);
}

TspSkinImagesMenu::~TspSkinImagesMenu() = default;

void TspSkinImagesMenu::BeforeDestruction() {
  if (FPopupWindow != nullptr) {
    // Only the opener hears of it: the other handlers may belong to a window going too.
    TspSkinImagesMenuPopupWindow* window = FPopupWindow;
    FPopupWindow = nullptr;
    ReleaseWindow(window);
    const TNotifyEvent closed = OnInternalMenuClose;
    if (closed) closed(this);
  }
  TComponent::BeforeDestruction();
}

void TspSkinImagesMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
}

void TspSkinImagesMenu::SetImages(TCustomImageList* Value) { SetReference(FImages, Value); }

void TspSkinImagesMenu::SetSkinData(TspSkinData* Value) { SetReference(FSkinData, Value); }

void TspSkinImagesMenu::SetSkinHint(TspSkinHint* Value) { SetReference(FSkinHint, Value); }

void TspSkinImagesMenu::SetColumnsCount(int32_t Value) {
  if (Value < 1 || Value > MaxColumns) return;
  FColumnsCount = Value;
  ItemsChanged();
}

void TspSkinImagesMenu::ItemsChanged() {
  if (FPopupWindow != nullptr) FPopupWindow->ItemsChanged();
}

TspImagesMenuItem* TspSkinImagesMenu::GetSelectedItem() const {
  if (FItemIndex < 0 || FItemIndex >= FImagesItems.Count()) return nullptr;
  return FImagesItems.Items(FItemIndex);
}

std::optional<TspImagesMenuItemView> TspSkinImagesMenu::SelectedItem() const {
  const TspImagesMenuItem* item = GetSelectedItem();
  if (item == nullptr) return std::nullopt;
  return TspImagesMenuItemView{FImages, item->ImageIndex(), item->Caption()};
}

bool TspSkinImagesMenu::Popup(const TRect& R) {
  const TDispatchScope running(this);
  ClosePopup();
  if (OnMenuPopup) OnMenuPopup(this);
  if (FreePending()) return false;  // freed by a handler: it opens nothing
  if (FImages == nullptr || FImages->Count() == 0) return false;
  ClosePopup();  // one the popup event opened
  FOldItemIndex = FItemIndex;
  FPopupWindow = new TspSkinImagesMenuPopupWindow(this);
  FPopupWindow->Show(R);
  return true;
}

void TspSkinImagesMenu::ClosePopup() {
  if (FPopupWindow != nullptr) FPopupWindow->Close(false);
}

void TspSkinImagesMenu::ReleaseWindow(TspSkinImagesMenuPopupWindow* Window) {
  if (Window->InShow())
    Window->Abandon();
  else
    Window->Free();
}

void TspSkinImagesMenu::CloseUp(bool Click) {
  if (FPopupWindow == nullptr) return;
  TspSkinImagesMenuPopupWindow* window = FPopupWindow;
  FPopupWindow = nullptr;
  ReleaseWindow(window);

  // Each handler may free the menu: it stays whole, and the handlers after it are silent.
  const TDispatchScope running(this);
  auto fire = [this](const TNotifyEvent& Handler) {
    if (const TNotifyEvent handler = Handler) handler(this);  // the handler may change the event
  };
  fire(OnInternalMenuClose);
  fire(OnMenuClose);
  const TspImagesMenuItem* chosen = Click ? GetSelectedItem() : nullptr;
  if (chosen == nullptr) return;
  fire(chosen->OnClick);
  fire(OnItemClick);
  if (FItemIndex == FOldItemIndex) return;
  fire(OnInternalChange);
  fire(OnChange);
}

void RegisterSkinImagesMenuClasses(TClassRegistry& Registry) {
  Registry.DefinePersistent<TspImagesMenuItem>("TspImagesMenuItem")
      .Boolean("Button", &TspImagesMenuItem::SetButton)
      .Boolean("Header", &TspImagesMenuItem::SetHeader)
      .String("Caption", &TspImagesMenuItem::SetCaption)
      .String("Hint", &TspImagesMenuItem::SetHint)
      .Integer("ImageIndex", &TspImagesMenuItem::SetImageIndex)
      .Event("OnClick", &TspImagesMenuItem::OnClick);
  Registry.DefineComponent<TspSkinImagesMenu, TComponent>("TspSkinImagesMenu")
      .Reference("Images", &TspSkinImagesMenu::SetImages)
      .Collection<TspImagesMenuItem>("ImagesItems", &TspSkinImagesMenu::ImagesItems)
      .Integer("ItemIndex", &TspSkinImagesMenu::SetItemIndex)
      .Integer("ColumnsCount", &TspSkinImagesMenu::SetColumnsCount)
      .Event("OnItemClick", &TspSkinImagesMenu::OnItemClick)
      .Reference("SkinData", &TspSkinImagesMenu::SetSkinData)
      .Boolean("ShowSelectedItem", &TspSkinImagesMenu::SetShowSelectedItem)
      .Event("OnChange", &TspSkinImagesMenu::OnChange)
      .Boolean("AlphaBlend", &TspSkinImagesMenu::SetAlphaBlend)
      .Boolean("AlphaBlendAnimation", &TspSkinImagesMenu::SetAlphaBlendAnimation)
      .Integer("AlphaBlendValue", &TspSkinImagesMenu::SetAlphaBlendValue)
      .Event("OnMenuClose", &TspSkinImagesMenu::OnMenuClose)
      .Event("OnMenuPopup", &TspSkinImagesMenu::OnMenuPopup)
      .Object("DefaultFont", &TspSkinImagesMenu::DefaultFont)
      .Boolean("UseSkinFont", &TspSkinImagesMenu::SetUseSkinFont)
      .Reference("SkinHint", &TspSkinImagesMenu::SetSkinHint)
      .Boolean("ShowHints", &TspSkinImagesMenu::SetShowHints);
}
