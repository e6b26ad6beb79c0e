// The menu bar's objects, layout, painting and skin: items made from the main menu (merged
// with an MDI child's where one is given), placed left to right in the items area with the
// MDI buttons at its ends, and the whole bar composed off-screen on each erase.
#include "SkinMainMenuBar.h"

#include "DynamicSkinForm.h"

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/SkinViewData.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Bitmap.h"
#include "classlib/DeviceContexts.h"

namespace {

// The skin's object entry Name as an entry of class T; nullptr when it has none.
template <class T>
const T* SkinObjectEntry(const TspSkinData* Data, const std::string& Name) {
  if (Data == nullptr || Data->Empty() || Name.empty()) return nullptr;
  const int index = Data->GetIndex(Name);
  if (index < 0) return nullptr;
  return dynamic_cast<const T*>(Data->ObjectList[static_cast<size_t>(index)].get());
}

}  // namespace

TspSkinMainMenuBar::TspSkinMainMenuBar(TComponent* AOwner) : TspSkinControl(AOwner) {
  SetSkinDataName("mainmenubar");
  SetDefaultSkinFont(FDefItemFont);
  FDefItemFont.SetColor(clBtnText);
  SetAlign(alTop);
  SetHeight(22);
}

TspSkinMainMenuBar::~TspSkinMainMenuBar() { ClearObjects(); }

// Properties

void TspSkinMainMenuBar::SetDynamicSkinForm(TspDynamicSkinForm* Value) { SetReference(FDynamicSkinForm, Value); }

void TspSkinMainMenuBar::SetUseSkinFont(bool Value) {
  FUseSkinFont = Value;
  RepaintBar();
}

void TspSkinMainMenuBar::SetScrollMenu(bool Value) {
  FScrollMenu = Value;
  RepaintBar();
}

void TspSkinMainMenuBar::SetDefItemFont(TFont* Value) {
  FDefItemFont.Assign(Value);
  if (!Skinned()) RepaintBar();
}

void TspSkinMainMenuBar::SetDefaultWidth(int Value) {
  FDefaultWidth = Value;
  if (Value > 0 && !Skinned()) SetWidth(Value);
}

void TspSkinMainMenuBar::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (Value > 0 && !Skinned()) SetHeight(Value);
}

void TspSkinMainMenuBar::SetMainMenu(TMainMenu* Value) {
  SetReference(FMainMenu, Value);
  UpdateItems();
  RepaintBar();
}

void TspSkinMainMenuBar::Notification(TComponent* AComponent, TOperation Operation) {
  const bool skinGoes = Operation == opRemove && AComponent != nullptr && AComponent == SkinData();
  TspSkinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMainMenu) {
    FMainMenu = nullptr;
    ClearObjects();
  }
  if (AComponent == FDynamicSkinForm) FDynamicSkinForm = nullptr;
  if (AComponent == FChildMenu) {
    FChildMenu = nullptr;
    if (!ComponentState().Contains(csDestroying)) UpdateItems();
  }
  if (skinGoes) {
    // Nothing may draw from the skin that goes: the items take the skinless look.
    FSkin.reset();
    if (ComponentState().Contains(csDestroying))
      ClearObjects();
    else
      UpdateItems();
  }
}

// The skin

void TspSkinMainMenuBar::GetSkinData() {
  TspSkinControl::GetSkinData();
  FSkin.reset();
  const auto* entry = dynamic_cast<const TspDataSkinMainMenuBar*>(SkinEntry());
  if (entry == nullptr) return;
  TBarSkin& skin = FSkin.emplace();
  skin.SkinRect = entry->SkinRect;
  skin.ItemsRect = entry->ItemsRect;
  skin.MenuBarItem = entry->MenuBarItem;
  skin.CloseButton = entry->CloseButton;
  skin.MinButton = entry->MinButton;
  skin.MaxButton = entry->MaxButton;
  skin.SysMenuButton = entry->SysMenuButton;
  skin.TrackMarkColor = entry->TrackMarkColor;
  skin.TrackMarkActiveColor = entry->TrackMarkActiveColor;
  skin.StretchEffect = entry->StretchEffect;
  skin.ItemTransparent = entry->ItemTransparent;
  if (IsPictureIndex(entry->PictureIndex, SkinData()->ActivePictures.size()))
    skin.Picture = SkinActiveBitmap(SkinData(), entry->PictureIndex);
}

void TspSkinMainMenuBar::PrepareSkinDataChange() {
  TspSkinControl::PrepareSkinDataChange();
  FSkin.reset();
  ClearObjects();
}

void TspSkinMainMenuBar::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  UpdateItems();
  if (Skinned())
    SetHeight(RectHeight(FSkin->SkinRect));
  else if (FDefaultHeight > 0)
    SetHeight(FDefaultHeight);
  RepaintBar();
}

void TspSkinMainMenuBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (Skinned()) AHeight = RectHeight(FSkin->SkinRect);
  TspSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

bool TspSkinMainMenuBar::TransparentBar() const {
  return Skinned() && SkinData() != nullptr && SkinData()->MainMenuBarTransparent;
}

void TspSkinMainMenuBar::AssignItemFont(TFont& Font, const TspMainMenuItemSkin* ItemSkin) const {
  if (ItemSkin != nullptr && FUseSkinFont) {
    ItemSkin->AssignFont(Font);
  } else {
    Font.Assign(&FDefItemFont);
  }
  const TspSkinData* data = SkinData();
  if (data != nullptr && data->ResourceStrData() != nullptr) Font.SetCharset(data->ResourceStrData()->CharSet());
}

TRect TspSkinMainMenuBar::ScreenRect(const TRect& R) {
  const TPoint origin = ClientToScreen({0, 0});
  return OffsetRect(R, origin.X, origin.Y);
}

// The objects

void TspSkinMainMenuBar::ClearObjects() {
  FObjects.clear();
  FMDIButtonCount = 0;
  FHotObject = FOldHotObject = FDownObject = -1;
  ++FObjectsGeneration;
}

std::vector<TspSkinMainMenuBarItem*> TspSkinMainMenuBar::Items() const {
  std::vector<TspSkinMainMenuBarItem*> items;
  for (const auto& object : FObjects)
    if (auto* item = dynamic_cast<TspSkinMainMenuBarItem*>(object.get())) items.push_back(item);
  return items;
}

TMainMenu* TspSkinMainMenuBar::GetChildMainMenu() {
  TCustomForm* main = Application->MainForm();
  TCustomForm* child = main != nullptr ? main->ActiveMDIChild() : nullptr;
  if (child == nullptr) return nullptr;
  for (int i = 0; i < child->ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMainMenu*>(child->Components(i))) return menu;
  return nullptr;
}

void TspSkinMainMenuBar::UpdateItems(TMainMenu* ChildMenu) {
  if (ChildMenu == nullptr && FDynamicSkinForm != nullptr && FDynamicSkinForm->Form()->FormStyle() == fsMDIForm)
    ChildMenu = GetChildMainMenu();
  if (FChildMenu != nullptr) FChildMenu->RemoveFreeNotification(this);
  FChildMenu = ChildMenu;
  if (FChildMenu != nullptr) FChildMenu->FreeNotification(this);
  ClearObjects();
  if (FMainMenu == nullptr) return;
  const TspDataSkinMainMenuItem* itemData =
      FSkin ? SkinObjectEntry<TspDataSkinMainMenuItem>(SkinData(), FSkin->MenuBarItem) : nullptr;
  std::vector<TMenuItem*> items;
  TMenuItem* own = FMainMenu->Items();
  if (ChildMenu == nullptr) {
    for (int i = 0; i < own->Count(); ++i) items.push_back(own->Items(i));
  } else {
    FScrollMenu = false;
    TMenuItem* child = ChildMenu->Items();
    std::vector<uint8_t> ownGroups, childGroups;
    for (int i = 0; i < own->Count(); ++i) ownGroups.push_back(own->Items(i)->GroupIndex());
    for (int i = 0; i < child->Count(); ++i) childGroups.push_back(child->Items(i)->GroupIndex());
    for (const TspMergedMenuItem& m : MergedMenuOrder(ownGroups, childGroups))
      items.push_back((m.FromChild ? child : own)->Items(m.Index));
  }
  for (TMenuItem* item : items)
    if (item->Visible()) FObjects.push_back(std::make_unique<TspSkinMainMenuBarItem>(this, itemData, item));
  if (FMDIButtonsShown) CreateMDIButtons();
}

void TspSkinMainMenuBar::ShowMDIButtons(TspBorderIcons ChildBorderIcons) {
  if (FMDIButtonsShown) return;
  FMDIButtonsShown = true;
  FChildBorderIcons = ChildBorderIcons;
  FHotObject = FOldHotObject = FDownObject = -1;
  CreateMDIButtons();
  RepaintBar();
}

void TspSkinMainMenuBar::FollowChildMenu() {
  if (FDynamicSkinForm == nullptr || FDynamicSkinForm->Form()->FormStyle() != fsMDIForm) return;
  if (GetChildMainMenu() == FChildMenu) return;
  UpdateItems();
  RepaintBar();
}

void TspSkinMainMenuBar::UpdateMDIButtons() {
  TspDynamicSkinForm* child = GetMaximizeMDIChild();
  if (child == nullptr) {
    if (!FMDIButtonsShown) return;
    FMDIButtonsShown = false;
    FObjects.erase(FObjects.begin(), FObjects.begin() + FMDIButtonCount);
    FMDIButtonCount = 0;
    FHotObject = FOldHotObject = FDownObject = -1;
    ++FObjectsGeneration;
    RepaintBar();
    return;
  }
  FChildBorderIcons = child->BorderIcons();
  EnableMDIButtons();
}

void TspSkinMainMenuBar::EnableMDIButtons() {
  for (int i = 0; i < FMDIButtonCount; ++i) {
    auto* button = static_cast<TspSkinMainMenuBarButton*>(Objects(i));
    button->Enabled = !(button->Command == cmminimize && !FChildBorderIcons.Contains(TspBorderIcon::biMinimize)) &&
                      !(button->Command == cmsysmenu && !FChildBorderIcons.Contains(TspBorderIcon::biSystemMenu));
  }
}

void TspSkinMainMenuBar::CreateMDIButtons() {
  struct TButton {
    const char* DefaultName;
    std::string TBarSkin::*SkinName;
    TspStdButtonCommand Command;
  };
  // Each goes to the front: the list begins system menu, close, maximize, minimize.
  for (const TButton& b : {TButton{"MinButton", &TBarSkin::MinButton, cmminimize},
                           TButton{"MaxButton", &TBarSkin::MaxButton, cmmaximize},
                           TButton{"CloseButton", &TBarSkin::CloseButton, cmclose},
                           TButton{"SysMenuButton", &TBarSkin::SysMenuButton, cmsysmenu}}) {
    const std::string name = FSkin ? (*FSkin).*b.SkinName : b.DefaultName;
    const auto* data = FSkin ? SkinObjectEntry<TspDataSkinMainMenuBarButton>(SkinData(), name) : nullptr;
    FObjects.insert(FObjects.begin(), std::make_unique<TspSkinMainMenuBarButton>(this, data, name, b.Command));
    ++FMDIButtonCount;
  }
  EnableMDIButtons();
}

void TspSkinMainMenuBar::ArrangeObjects() {
  FItemsArea = MenuBarItemsArea(Skinned(), FSkin ? FSkin->SkinRect : TRect{}, FSkin ? FSkin->ItemsRect : TRect{},
                                Width(), Height());
  if (FMDIButtonsShown && FMDIButtonCount == 4) {
    std::vector<TspMenuBarButtonSize> sizes;
    for (int i = 0; i < FMDIButtonCount; ++i)
      sizes.push_back(static_cast<TspSkinMainMenuBarButton*>(Objects(i))->PlaceSize());
    const std::vector<TRect> places = PlaceMenuBarButtons(FItemsArea, sizes);
    for (int i = 0; i < FMDIButtonCount; ++i) Objects(i)->ObjectRect = places[static_cast<size_t>(i)];
  }
  const std::vector<TspSkinMainMenuBarItem*> items = Items();
  std::vector<TSize> sizes;
  for (const TspSkinMainMenuBarItem* item : items) sizes.push_back(item->MeasureSize(FItemsArea));
  const std::vector<TspMenuItemPlace> places =
      PlaceMenuItems(FItemsArea.TopLeft(), sizes, MenuBarItemsLimit(FItemsArea, FScrollMenu));
  FItemsHidden = false;
  for (size_t i = 0; i < items.size(); ++i) {
    items[i]->SetPlace(places[i]);
    if (!places[i].Fits) FItemsHidden = true;
  }
}

// Painting

void TspSkinMainMenuBar::RepaintBar() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TspSkinMainMenuBar::PaintBackground(TBitmap& Image) {
  TCanvas* canvas = Image.Canvas();
  if (TransparentBar()) {
    DrawParentBackground(this, canvas);
    return;
  }
  TBitmap* picture = FSkin ? FSkin->Picture.Get() : nullptr;
  if (picture == nullptr || IsNullRect(FSkin->SkinRect)) {
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(0, 0, Image.Width(), Image.Height()));
    return;
  }
  TBitmap bar;
  CreateHSkinImage(FSkin->ItemsRect.Left, RectWidth(FSkin->SkinRect) - FSkin->ItemsRect.Right, &bar, picture,
                   FSkin->SkinRect, Image.Width(), Image.Height(), FSkin->StretchEffect);
  canvas->Draw(0, 0, &bar);
}

void TspSkinMainMenuBar::PaintBar(HDC DC) {
  if (!IsDrawableImageSize(Width(), Height())) return;
  TBitmap image(Width(), Height());
  PaintBackground(image);
  ArrangeObjects();
  for (const auto& object : FObjects)
    if (object->Visible) object->Draw(image.Canvas());
  DrawChevron(image.Canvas());
  BitBlt(DC, 0, 0, image.Width(), image.Height(), image.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinMainMenuBar::DrawChevron(TCanvas* Canvas) {
  if (!FItemsHidden || !FScrollMenu) return;
  TColor color = FChevronHot ? clBtnText : clBtnShadow;
  if (Skinned()) color = FChevronHot ? FSkin->TrackMarkActiveColor : FSkin->TrackMarkColor;
  DrawArrowImage(Canvas, ChevronRect(), color, ArrowCode::Right);
}

void TspSkinMainMenuBar::DrawObject(TspMenuBarObject* Object) {
  if (Object == nullptr || !HandleAllocated()) return;
  if (ItemTransparent() && dynamic_cast<TspSkinMainMenuBarItem*>(Object) != nullptr) {
    RepaintBar();
    return;
  }
  if (Object->Visible) Object->Draw(Canvas());
}
