#include "SkinPopupWindow.h"

#include "PopupWindowCommon.h"
#include "SkinMenu.h"

#include "skin/controls/SkinCustomControlCore.h"
#include "skin/menus/portable/MenuPlacement.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Application.h"
#include "classlib/Keyboard.h"
#include "classlib/SystemSeams.h"

#include <algorithm>

namespace {

constexpr unsigned MouseInterval = 50;
constexpr unsigned AnimationInterval = 20;
constexpr unsigned ShowDelay = 100;
constexpr int SkinlessGutter = 22;   // the skinless window's image column, frame included

// The first of the skin's menu item object entries named First or Second.
TspDataSkinMenuItem* MenuItemEntry(TspSkinData* Data, const char* First, const char* Second) {
  if (Data == nullptr || Data->Empty()) return nullptr;
  for (const char* name : {First, Second}) {
    const int index = Data->GetIndex(name);
    if (index < 0) continue;
    if (auto* entry = dynamic_cast<TspDataSkinMenuItem*>(Data->ObjectList[static_cast<size_t>(index)].get()))
      return entry;
  }
  return nullptr;
}

void FillRect(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(R);
}

// The width an item's text needs: its caption, and its shortcut two blanks after it.
int ItemTextWidth(TCanvas* Canvas, const TMenuItem& Item) {
  std::string text = Item.Caption();
  const std::string shortCut = ShortCutToText(Item.ShortCut());
  if (!shortCut.empty()) text += "  " + shortCut;
  TRect r;
  Canvas->DrawText(text, r, DT_CALCRECT);
  return RectWidth(r) + 2;
}

}  // namespace

TspSkinPopupWindow::TspSkinPopupWindow(TComponent* AOwner, TspSkinMenu* AMenu, TspDataSkinPopupWindow* APopupSkin)
    : TCustomControl(AOwner),
      FMenu(AMenu),
      FSkinData(AMenu->SkinData()),
      FPopupSkin(APopupSkin),
      FShowTimer(NewStoppedTimer(this, ShowDelay, Event(this, &TspSkinPopupWindow::ShowTimerTick))),
      FMouseTimer(NewStoppedTimer(this, MouseInterval, Event(this, &TspSkinPopupWindow::MouseTimerTick))),
      FAnimationTimer(NewStoppedTimer(this, AnimationInterval, Event(this, &TspSkinPopupWindow::AnimationTimerTick))),
      FAlphaBlend(AMenu->AlphaBlend),
      FAlphaBlendValue(AMenu->AlphaBlendValue),
      FAlphaBlendAnimation(AMenu->AlphaBlendAnimation) {
  // The level never captures the mouse: the control that opened the menu keeps it.
  SetControlStyle(ControlStyle() - TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
  SetVisible(false);
  if (FSkinData != nullptr) FSkinGeneration = FSkinData->SkinGeneration();
  if (FPopupSkin != nullptr) {
    FPicture = SkinActiveBitmap(FSkinData, FPopupSkin->WindowPictureIndex);
    FMaskPicture = SkinActiveBitmap(FSkinData, FPopupSkin->MaskPictureIndex);
  }
}

// The window keeps the region it was given (the system frees it with the window).
TspSkinPopupWindow::~TspSkinPopupWindow() = default;

void TspSkinPopupWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  SetSkinPopupParams(Params);
}

void TspSkinPopupWindow::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  for (int i = 0; i < ItemCount(); ++i) {
    if (Items(i)->MenuItem != AComponent) continue;
    Items(i)->MenuItem = nullptr;  // the item stays, blank, and is passed over
    if (static_cast<size_t>(i) < FLayout.Slots.size()) FLayout.Slots[static_cast<size_t>(i)].Selectable = false;
    Invalidate();
  }
}

void TspSkinPopupWindow::Abandon(bool Orphaned) {
  FAbandoned = true;
  FOrphaned = FOrphaned || Orphaned;
  for (TTimer* timer : {FShowTimer, FMouseTimer, FAnimationTimer}) timer->SetEnabled(false);
  SetVisible(false);
}

bool TspSkinPopupWindow::BlendsWithScreen() const { return FAlphaBlend && !IsWindows2000OrLater(); }

TSize TspSkinPopupWindow::PictureSize() const {
  const TBitmap* picture = FPicture.Get();
  return picture != nullptr ? TSize{picture->Width(), picture->Height()} : TSize{};
}

TspSkinMenuItem* TspSkinPopupWindow::HotItem() const {
  return FItemIndex >= 0 && FItemIndex < ItemCount() ? Items(FItemIndex) : nullptr;
}

void TspSkinPopupWindow::DropStaleSkin() {
  if (FSkinData == FMenu->SkinData() && (FSkinData == nullptr || FSkinData->SkinGeneration() == FSkinGeneration))
    return;
  FSkinData = nullptr;
  FPopupSkin = nullptr;
  FMenuItemSkin = nullptr;
  for (const auto& item : FItems) item->ItemSkin = nullptr;
}

// Showing

void TspSkinPopupWindow::Show(const TRect& R, TMenuItem* AItem, int StartIndex, bool IsSubmenu, bool PopupUp) {
  ShowLevel(R, {AItem}, StartIndex, IsSubmenu, PopupUp);
}

void TspSkinPopupWindow::ShowMerged(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex,
                                    bool IsSubmenu, bool PopupUp) {
  ShowLevel(R, {AItem, AItem2}, StartIndex, IsSubmenu, PopupUp);
}

void TspSkinPopupWindow::ShowLevel(const TRect& R, std::initializer_list<TMenuItem*> Parents, int StartIndex,
                                   bool IsSubmenu, bool PopupUp) {
  const TspShowScope scope(*this, FShowDepth, FOrphaned);
  const bool fadesIn = IsWindows2000OrLater() && FAlphaBlend && FAlphaBlendAnimation && FMenu->FirstOpen();
  if (fadesIn) {
    Application->ProcessMessages();  // let what waits paint before the fade holds the thread
    if (FAbandoned) return;
  }
  BuildItems(Parents, StartIndex);
  const TPoint at = LevelPosition({R, FMenu->WorkArea(), {Width(), Height()}, FLayout.ItemsRect.Top, IsSubmenu,
                                   PopupUp, FLayout.ScrollMode, FLayout.ScrollByCount});
  FPopupLeft = at.X;
  FPopupTop = at.Y;
  SetBounds(at.X, at.Y, Width(), Height());
  if (BlendsWithScreen()) {
    FShowTimer->SetEnabled(true);  // shown once the screen under it is captured
    return;
  }
  ShowWindowAt();
  if (fadesIn) FadeIn();
  FMouseTimer->SetEnabled(true);
  FItemIndex = -1;
  SelectFirstItem();
}

void TspSkinPopupWindow::ShowWindowAt() {
  if (FPopupSkin != nullptr && FPopupSkin->CursorIndex != -1)
    SetCursor(TspSkinData::ScreenCursorOf(FPopupSkin->CursorIndex));
  if (FAlphaBlend && IsWindows2000OrLater()) {
    SetLayered(Handle(), true);
    const bool fadesIn = FAlphaBlendAnimation && FMenu->FirstOpen();
    SetLayeredAlpha(Handle(), fadesIn ? 0 : FAlphaBlendValue);
  }
  SetWindowPos(Handle(), HWND_TOPMOST, FPopupLeft, FPopupTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
}

void TspSkinPopupWindow::FadeIn() {
  HWND window = Handle();
  RunFadeIn(
      FAlphaBlendValue, TspFade{}, [] { return static_cast<uint32_t>(Seams::TickCount()); },
      [window](uint8_t alpha) { SetLayeredAlpha(window, alpha); });
}

void TspSkinPopupWindow::SelectFirstItem() {
  for (int i = 0; i < ItemCount(); ++i) {
    TspSkinMenuItem* item = Items(i);
    if (!item->Selectable()) continue;
    item->KeySelected = true;
    FItemIndex = i;
    item->Select(true);
    return;
  }
}

void TspSkinPopupWindow::ShowTimerTick(TObject*) {
  FShowTimer->SetEnabled(false);
  FScreenImage.SetSize(Width(), Height());
  GetScreenImage(FPopupLeft, FPopupTop, &FScreenImage);
  FScreenEffectImage = TspEffectBmp::CreateFromHBitmap(FScreenImage.Handle());
  ShowWindowAt();
  FMouseTimer->SetEnabled(true);
  FItemIndex = -1;
  SelectFirstItem();
}

// Building and laying out

void TspSkinPopupWindow::BuildItems(std::initializer_list<TMenuItem*> Parents, int StartIndex) {
  FMenuItemSkin = FSkinData != nullptr ? MenuItemEntry(FSkinData, "MENUITEM", "menuitem") : nullptr;
  // Measured in the font the items are drawn in.
  AssignItemFont(*Canvas()->Font());
  TMenuItem* first = *Parents.begin();
  TMenu* menu = first != nullptr ? first->GetParentMenu() : nullptr;
  if (menu != nullptr && menu->AutoLineReduction() == maAutomatic)
    for (TMenuItem* parent : Parents)
      if (parent != nullptr) parent->RethinkLines();
  SetReference(FImages, menu != nullptr ? menu->Images() : nullptr);
  FImageColumnWidth = FImages != nullptr ? FImages->Width() + ImageColumnGap : PlainImageColumnWidth;
  int from = StartIndex;
  for (TMenuItem* parent : Parents) {
    if (parent == nullptr) continue;
    for (int i = std::max(from, 0); i < parent->Count(); ++i) {
      TMenuItem* child = parent->Items(i);
      if (!child->Visible()) continue;
      if (TCustomAction* action = child->Action()) action->Update();
      child->FreeNotification(this);
      FItems.push_back(std::make_unique<TspSkinMenuItem>(this, child, FMenuItemSkin));
    }
    from = std::max(0, from - parent->Count());
  }
  LayOut();
}

void TspSkinPopupWindow::AssignItemFont(TFont& Font) const {
  const bool skinFont = FMenuItemSkin != nullptr && FMenu->UseSkinFont;
  const TspSkinFontData font = skinFont ? SkinFontOf(*FMenuItemSkin) : TspSkinFontData{};
  AssignSkinTextFont(Font, *FMenu->DefaultMenuItemFont(), skinFont ? &font : nullptr, FSkinData);
}

void TspSkinPopupWindow::LayOut() {
  int textWidth = 0;
  FLayout.Slots.clear();
  for (const auto& item : FItems) {
    TspMenuSlot slot;
    slot.Height = MenuItemHeight(FMenuItemSkin, item->IsSeparator(), FMenu->DefaultMenuItemHeight);
    slot.Selectable = item->Selectable();
    FLayout.Slots.push_back(slot);
    textWidth = std::max(textWidth, ItemTextWidth(Canvas(), *item->MenuItem));
  }
  const TSize picture = PictureSize();
  const TSize size = FLayout.Measure({textWidth, FImageColumnWidth, LevelAllowance(FPopupSkin, picture, FMenuItemSkin),
                                      MenuItemHeight(FMenuItemSkin, false, FMenu->DefaultMenuItemHeight),
                                      FMenu->MaxMenuItemsInWindow, RectHeight(FMenu->WorkArea())});
  SetBounds(Left(), Top(), size.cx, size.cy);
  FGeometry = LevelGeometry(FPopupSkin, picture, size);
  FLayout.ItemsRect = FGeometry.ItemsRect;
  FLayout.Arrange();
  SyncItems();
  SetLevelRegion(FGeometry);
}

void TspSkinPopupWindow::SyncItems() {
  for (int i = 0; i < ItemCount(); ++i) {
    Items(i)->ItemRect = FLayout.Slots[static_cast<size_t>(i)].Rect;
    Items(i)->InView = FLayout.Slots[static_cast<size_t>(i)].InView;
  }
}

void TspSkinPopupWindow::SetLevelRegion(const TspLevelGeometry& G) {
  SetPopupLevelRegion(Handle(), FPopupSkin, G, FMaskPicture.Get(), {Width(), Height()});
}

// Painting

void TspSkinPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case WM_ERASEBKGND:
      PaintLevel(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_TIMER:
      TCustomControl::Dispatch(Message);
      if (Message.WParam == ScrollTimerId) ScrollTick();
      return;
    default: TCustomControl::Dispatch(Message);
  }
}

void TspSkinPopupWindow::PaintLevel(HDC DC) {
  DropStaleSkin();
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  TBitmap image(w, h);
  const bool keepBackground = FPopupSkin != nullptr && FMenuItemSkin != nullptr && FMenuItemSkin->InActiveTransparent;
  // The skin's client part is drawn only where the items leave it to show.
  DrawBackground(image, FLayout.ScrollMode || keepBackground);
  BlendWithScreen(image, {0, 0});
  if (keepBackground) {
    FBackgroundImage = std::make_unique<TBitmap>();
    FBackgroundImage->Assign(&image);
  } else {
    FBackgroundImage.reset();
  }
  for (const auto& item : FItems) item->Draw(image.Canvas());
  if (FLayout.ScrollMode) {
    DrawMarkers(image.Canvas());
    DrawItemBackground(image.Canvas(), FLayout.GapBelowItems());
  }
  BitBlt(DC, 0, 0, w, h, image.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinPopupWindow::DrawBackground(TBitmap& Image, bool DrawClient) {
  const int w = Image.Width(), h = Image.Height();
  TBitmap* picture = FPicture.Get();
  if (FPopupSkin != nullptr && picture != nullptr && !picture->Empty()) {
    const TspDataSkinPopupWindow& s = *FPopupSkin;
    TspLevelGeometry built;
    CreateSkinImage2(s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ItemsRect, built.LT, built.RT, built.LB, built.RB,
                     built.ItemsRect, &Image, picture, TRect{0, 0, picture->Width(), picture->Height()}, w, h,
                     DrawClient, s.LeftStretch, s.TopStretch, s.RightStretch, s.BottomStretch, s.StretchEffect,
                     s.StretchType);
    return;
  }
  TCanvas* canvas = Image.Canvas();
  const int gutter = FImages != nullptr ? FImageColumnWidth + 3 : SkinlessGutter;
  FillRect(canvas, {0, 0, gutter, h}, clBtnFace);
  FillRect(canvas, {gutter, 0, w, h}, clWindow);
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect({0, 0, w, h});
  canvas->Brush()->SetColor(clWindow);
  canvas->FrameRect({1, 1, w - 1, h - 1});
}

void TspSkinPopupWindow::BlendWithScreen(TBitmap& Image, TPoint At) const {
  if (!BlendsWithScreen() || !FScreenEffectImage || Image.Empty()) return;
  const auto effect = TspEffectBmp::CreateFromHBitmap(Image.Handle());
  effect->MorphRect(*FScreenEffectImage, {0, 0, effect->Width(), effect->Height()}, AlphaMorphKf(FAlphaBlendValue),
                    At.X, At.Y);
  effect->Draw(Image.Canvas()->Handle(), 0, 0);
}

void TspSkinPopupWindow::DrawItemBackground(TCanvas* Canvas, const TRect& R) {
  if (IsRectEmpty(R)) return;
  if (FPopupSkin != nullptr) {
    if (FMenuItemSkin != nullptr && FMenuItemSkin->InActiveTransparent && FBackgroundImage) {
      Canvas->CopyRect(R, FBackgroundImage->Canvas(), R);
      return;
    }
    const TspDataSkinMenuItem* entry = MenuItemEntry(FSkinData, "menuitem", "MENUITEM");
    TBitmap* picture = entry != nullptr ? SkinActiveBitmap(FSkinData, entry->ActivePictureIndex).Get() : nullptr;
    if (picture != nullptr && !IsNullRect(entry->SkinRect)) {
      TBitmap part;
      CreateHSkinImage(entry->ItemLeftOffset, entry->ItemRightOffset, &part, picture, entry->SkinRect, RectWidth(R),
                       RectHeight(R), entry->InActiveStretchEffect);
      Canvas->CopyRect(R, part.Canvas(), {0, 0, part.Width(), part.Height()});
      return;
    }
  }
  // The skinless background: the image column, then the window's colour.
  const int gutter = FImages != nullptr ? FImageColumnWidth + 3 : SkinlessGutter;
  FillRect(Canvas, R, clWindow);
  FillRect(Canvas, IntersectRect(R, {R.Left, R.Top, gutter, R.Bottom}), clBtnFace);
}

void TspSkinPopupWindow::DrawMarkers(TCanvas* Canvas) {
  if (!FLayout.ScrollMode) return;
  const std::pair<TRect, int> markers[] = {{FLayout.UpMarker(), ScrollingUp}, {FLayout.DownMarker(), ScrollingDown}};
  for (auto [rect, direction] : markers) {
    DrawItemBackground(Canvas, rect);
    const bool active = FScrollState == direction;
    TColor colour = active ? clBtnText : clBtnShadow;
    if (FPopupSkin != nullptr) colour = active ? FPopupSkin->ScrollMarkerActiveColor : FPopupSkin->ScrollMarkerColor;
    DrawArrowImage(Canvas, rect, colour, direction == ScrollingUp ? ArrowCode::Up : ArrowCode::Down);
  }
}

void TspSkinPopupWindow::RedrawItem(TspSkinMenuItem* Item) {
  if (!HandleAllocated() || !Visible()) return;
  DropStaleSkin();
  Item->Draw(Canvas());
}

void TspSkinPopupWindow::ClearOpenedMarks(const TspSkinMenuItem* Except) {
  for (const auto& item : FItems) {
    if (item.get() == Except || !item->Opened) continue;
    item->Opened = false;
    item->Update();
  }
}
