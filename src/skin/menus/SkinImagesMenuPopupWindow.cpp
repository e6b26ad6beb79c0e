#include "SkinImagesMenuPopupWindow.h"

#include "PopupWindowCommon.h"
#include "SkinHint.h"
#include "SkinImagesMenu.h"
#include "SkinMenu.h"

#include "skin/controls/SkinCustomControlCore.h"
#include "skin/controls/SkinPartPainter.h"
#include "skin/menus/portable/MenuItemState.h"
#include "skin/menus/portable/SkinMenuSpeedButtonLook.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinImages.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/ImageList.h"
#include "classlib/SystemSeams.h"

#include <initializer_list>

namespace {

constexpr int32_t ImageInset = 5;  // an image lies this far inside its cell
constexpr UINT CentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT LeftLine = DT_VCENTER | DT_SINGLELINE;

// The first of the control entries Names of a loaded skin, as an E; nullptr for none.
template <class E>
const E* ControlEntry(TspSkinData* Data, std::initializer_list<const char*> Names) {
  return dynamic_cast<const E*>(FirstControlEntry(Data, Names));
}

const TspDataSkinMenuItem* MenuItemEntry(TspSkinData* Data) {
  if (Data == nullptr || Data->Empty()) return nullptr;
  for (const char* name : {"menuitem", "MENUITEM"}) {
    const int index = Data->GetIndex(name);
    if (index >= 0) return dynamic_cast<const TspDataSkinMenuItem*>(Data->ObjectList[static_cast<size_t>(index)].get());
  }
  return nullptr;
}

// The cells' frame: a menu item button of the skin.
const TspDataSkinButtonControl* CellEntry(TspSkinData* Data) {
  return ControlEntry<TspDataSkinButtonControl>(Data, {"menuitembutton", "resizebutton"});
}

// The messages that end an open images menu: those that end a skin menu, but for the
// popup's own left clicks (its capture brings them, and it decides), and besides them the
// system keys.
bool ClosesMenu(UINT Msg) {
  if (Msg == WM_SYSKEYDOWN || Msg == WM_SYSCHAR) return true;
  return IsSkinMenuCloseMessage(Msg) && Msg != WM_LBUTTONDOWN;
}

TspImagesItemKind KindOf(const TspImagesMenuItem& Item) {
  if (Item.Header()) return TspImagesItemKind::Header;
  return Item.Button() ? TspImagesItemKind::Button : TspImagesItemKind::Image;
}

}  // namespace

TspSkinImagesMenuPopupWindow::TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* AMenu)
    : TCustomControl(nullptr), FMenu(AMenu) {
  // The window takes the capture itself, for as long as it is open.
  SetControlStyle(ControlStyle() - TControlStyle{csCaptureMouse, csClickEvents});
  SetVisible(false);
}

TspSkinImagesMenuPopupWindow::~TspSkinImagesMenuPopupWindow() { Uninstall(); }

void TspSkinImagesMenuPopupWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  SetSkinPopupParams(Params);
}

void TspSkinImagesMenuPopupWindow::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSkinData) FSkinData = nullptr;
}

TspImagesMenuItem* TspSkinImagesMenuPopupWindow::Item(int32_t Index) const {
  if (FMenu == nullptr || Index < 0 || Index >= FMenu->ImagesItems()->Count()) return nullptr;
  return FMenu->ImagesItems()->Items(Index);
}

// Showing and closing

void TspSkinImagesMenuPopupWindow::Show(const TRect& R) {
  const TspShowScope scope(*this, FShowDepth, FAbandoned);
  TakeSkin();
  LayOut();
  SetBounds(R.Left, R.Bottom, Width(), Height());
  TRect workArea = Seams::WorkArea();
  GetMonitorArea(Handle(), true, workArea);
  const TPoint at = ImagesMenuPosition(R, {Width(), Height()}, workArea);
  SetBounds(at.X, at.Y, Width(), Height());
  const bool layered = IsWindows2000OrLater() && FMenu->AlphaBlend();
  const bool fades = layered && FMenu->AlphaBlendAnimation();
  if (layered) {
    SetLayered(Handle(), true);
    SetLayeredAlpha(Handle(), fades ? 0 : FMenu->AlphaBlendValue());
  }
  SetWindowPos(Handle(), HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (fades) {
    Application->ProcessMessages();  // let what waits paint before the fade holds the thread
    if (FAbandoned) return;          // closed, opened anew or freed meanwhile
    FadeIn();
  }
  Install();
}

void TspSkinImagesMenuPopupWindow::FadeIn() {
  HWND window = Handle();
  RunFadeIn(
      FMenu->AlphaBlendValue(), TspFade{}, [] { return static_cast<uint32_t>(Seams::TickCount()); },
      [window](uint8_t alpha) { SetLayeredAlpha(window, alpha); });
}

void TspSkinImagesMenuPopupWindow::Install() {
  FOldOnMessage = Application->OnMessage;
  Application->OnMessage = Event(this, &TspSkinImagesMenuPopupWindow::ApplicationMessage);
  FInstalled = true;
  SetCapture(Handle());
}

void TspSkinImagesMenuPopupWindow::Uninstall() {
  if (!FInstalled) return;
  FInstalled = false;
  Application->OnMessage = FOldOnMessage;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TspSkinImagesMenuPopupWindow::Close(bool Click) {
  TspSkinImagesMenu* menu = FMenu;
  HideItemHint();
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  SetVisible(false);
  Uninstall();
  if (menu != nullptr && menu->PopupWindow() == this) menu->CloseUp(Click);  // frees the window
}

void TspSkinImagesMenuPopupWindow::Abandon() {
  FAbandoned = true;
  HideItemHint();
  SetVisible(false);
  Uninstall();
  FMenu = nullptr;
}

// Building

void TspSkinImagesMenuPopupWindow::TakeSkin() {
  TspSkinData* data = FMenu->SkinData();
  const bool loaded = data != nullptr && !data->Empty();
  const TspSkinBitmap picture = loaded ? SkinActiveBitmap(data, data->PopupWindow.WindowPictureIndex) : TspSkinBitmap{};
  const bool usable = picture.Get() != nullptr && !picture.Get()->Empty();
  SetReference(FSkinData, usable ? data : nullptr);
  FPicture = usable ? picture : TspSkinBitmap{};
  FMaskPicture = usable ? SkinActiveBitmap(data, data->PopupWindow.MaskPictureIndex) : TspSkinBitmap{};
}

void TspSkinImagesMenuPopupWindow::LayOut() {
  TspImagesMenuItems& items = *FMenu->ImagesItems();
  FLayout.Kinds.clear();
  for (int i = 0; i < items.Count(); ++i) FLayout.Kinds.push_back(KindOf(*items.Items(i)));
  const TCustomImageList* images = FMenu->Images();
  const auto* label = ControlEntry<TspDataSkinControl>(FMenu->SkinData(), {"label"});
  const TSize picture = UseSkin() ? TSize{FPicture.Get()->Width(), FPicture.Get()->Height()} : TSize{};
  const TspImagesMenuFrame frame{UseSkin(), picture, UseSkin() ? FSkinData->PopupWindow.ItemsRect : TRect{}};
  FLayout.Arrange({images != nullptr ? TSize{images->Width(), images->Height()} : TSize{}, FMenu->ColumnsCount(),
                   frame.Origin(), label != nullptr ? RectHeight(label->SkinRect) : 0});
  for (int i = 0; i < items.Count(); ++i) items.Items(i)->ItemRect = FLayout.Rects[static_cast<size_t>(i)];
  const TSize size = frame.WindowSize(FLayout.ContentSize());
  SetBounds(Left(), Top(), size.cx, size.cy);
  FGeometry = LevelGeometry(UseSkin() ? &FSkinData->PopupWindow : nullptr, picture, size);
  SetWindowRegion();
}

void TspSkinImagesMenuPopupWindow::SetWindowRegion() {
  SetPopupLevelRegion(Handle(), UseSkin() ? &FSkinData->PopupWindow : nullptr, FGeometry, FMaskPicture.Get(),
                      {Width(), Height()});
}

void TspSkinImagesMenuPopupWindow::ItemsChanged() {
  if (FAbandoned || !HandleAllocated()) return;
  LayOut();
  if (FHotIndex >= FLayout.Count()) FHotIndex = -1;
  Invalidate();
}

// Keys and the mouse

void TspSkinImagesMenuPopupWindow::ApplicationMessage(MSG& Msg, bool& Handled) {
  if (Msg.message == WM_KEYDOWN) {
    Handled = true;
    Msg.message = 0;
    ProcessKey(static_cast<uint16_t>(Msg.wParam));
    return;
  }
  if (ClosesMenu(Msg.message)) Close(false);
}

void TspSkinImagesMenuPopupWindow::ProcessKey(uint16_t Key) {
  switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
      // The keys may make a header hot; a header is never chosen.
      if (FLayout.Choosable(FHotIndex)) FMenu->SetItemIndex(FHotIndex);
      Close(true);
      return;
    case VK_ESCAPE: Close(false); return;
    default: SetHotIndex(FLayout.ArrowTarget(FHotIndex, Key));
  }
}

void TspSkinImagesMenuPopupWindow::SetHotIndex(int32_t Value) {
  if (Value == FHotIndex) return;
  FHotIndex = Value;
  Invalidate();
}

void TspSkinImagesMenuPopupWindow::HideItemHint() {
  if (FMenu != nullptr && FMenu->SkinHint() != nullptr) FMenu->SkinHint()->HideHint();
}

void TspSkinImagesMenuPopupWindow::ItemHintChanged() {
  TspSkinHint* hint = FMenu->SkinHint();
  if (!FMenu->ShowHints() || hint == nullptr) return;
  hint->HideHint();
  const TspImagesMenuItem* item = Item(FHotIndex);
  if (item != nullptr && !item->Hint().empty()) hint->ActivateHintDelayed(item->Hint());
}

void TspSkinImagesMenuPopupWindow::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!PtInRect(ClientRect(), {X, Y})) {  // the pointer left the window
    if (FHotIndex != -1) HideItemHint();
    SetHotIndex(-1);
    return;
  }
  const int32_t hot = FLayout.ItemAt({X, Y});
  if (hot == FHotIndex) return;
  SetHotIndex(hot);
  ItemHintChanged();
}

void TspSkinImagesMenuPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (!PtInRect(ClientRect(), {X, Y})) {  // the capture brings clicks outside here
    Close(false);
    return;
  }
  FMouseDown = true;
  FDownOnItem = FLayout.ItemAt({X, Y}) != -1;
  HideItemHint();
  Invalidate();
}

void TspSkinImagesMenuPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const bool pressed = FMouseDown;
  FMouseDown = false;
  FDownOnItem = false;
  const int32_t at = PtInRect(ClientRect(), {X, Y}) ? FLayout.ItemAt({X, Y}) : -1;
  if (pressed && at != -1) {
    FMenu->SetItemIndex(at);
    Close(true);
    return;
  }
  Invalidate();
  if (FInstalled) SetCapture(Handle());  // the release that opened the menu, or one beside the items
}

void TspSkinImagesMenuPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    default: TCustomControl::Dispatch(Message);
  }
}

// Painting

void TspSkinImagesMenuPopupWindow::Paint() {
  if (FMenu == nullptr || Width() <= 0 || Height() <= 0) return;
  TBitmap image(Width(), Height());
  TCanvas& canvas = *image.Canvas();
  if (UseSkin()) {
    TBitmap* picture = FPicture.Get();
    const TspDataSkinPopupWindow& s = FSkinData->PopupWindow;
    TspLevelGeometry built;
    CreateSkinImage2(s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ItemsRect, built.LT, built.RT, built.LB, built.RB,
                     built.ItemsRect, &image, picture, TRect{0, 0, picture->Width(), picture->Height()}, Width(),
                     Height(), true, s.LeftStretch, s.TopStretch, s.RightStretch, s.BottomStretch, s.StretchEffect,
                     s.StretchType);
  } else {
    canvas.Brush()->SetColor(clWindow);
    canvas.FillRect({0, 0, Width(), Height()});
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect({0, 0, Width(), Height()});
  }
  for (int32_t i = 0; i < FLayout.Count(); ++i) PaintItem(canvas, i);
  Canvas()->Draw(0, 0, &image);
}

void TspSkinImagesMenuPopupWindow::PaintItem(TCanvas& Canvas, int32_t Index) {
  const TspImagesMenuItem* item = Item(Index);
  if (item == nullptr || static_cast<size_t>(Index) >= FLayout.Rects.size()) return;
  const TRect& r = FLayout.Rects[static_cast<size_t>(Index)];
  const TspImagesItemKind kind = FLayout.Kinds[static_cast<size_t>(Index)];
  if (kind == TspImagesItemKind::Header) {
    PaintHeader(Canvas, *item, r);
    return;
  }
  const bool selected = FMenu->ShowSelectedItem() && Index == FMenu->ItemIndex();
  const TspImagesCellLook look = ImagesCellLook(selected, Index == FHotIndex, FMouseDown && FDownOnItem);
  PaintCellFrame(Canvas, r, look);
  DrawImage(Canvas, item->ImageIndex(), {r.Left + ImageInset, r.Top + ImageInset});
  if (kind == TspImagesItemKind::Button && !item->Caption().empty()) PaintButtonCaption(Canvas, *item, r, look);
}

void TspSkinImagesMenuPopupWindow::DrawImage(TCanvas& Canvas, int32_t ImageIndex, TPoint At) {
  TCustomImageList* images = FMenu->Images();
  if (images != nullptr && ImageIndex >= 0 && ImageIndex < images->Count()) images->Draw(&Canvas, At.X, At.Y, ImageIndex);
}

void TspSkinImagesMenuPopupWindow::PaintCellFrame(TCanvas& Canvas, const TRect& R, TspImagesCellLook Look) {
  if (Look == TspImagesCellLook::None) return;
  const TspPartState state = Look == TspImagesCellLook::Pressed ? TspPartState::Down : TspPartState::Hot;
  if (const TspDataSkinButtonControl* entry = CellEntry(FMenu->SkinData())) {
    TspSkinPart part;
    part.Picture = SkinActiveBitmap(FMenu->SkinData(), entry->PictureIndex);
    part.Rects = ButtonPartRects(*entry);
    part.Geometry = NinePartGeometry(*entry);
    if (DrawSkinPart(Canvas, R, part, state)) return;
  }
  DrawDefaultPart(Canvas, R, state, true, DefaultCellDownFill);
}

void TspSkinImagesMenuPopupWindow::PaintHeader(TCanvas& Canvas, const TspImagesMenuItem& Item, const TRect& R) {
  TspSkinData* data = FMenu->SkinData();
  const auto* label = ControlEntry<TspDataSkinLabelControl>(data, {"label"});
  TFont& font = *Canvas.Font();
  TRect text = R;
  if (label != nullptr) {
    TspSkinPart strip;
    strip.Picture = SkinActiveBitmap(data, label->PictureIndex);
    strip.Rects.Normal = label->SkinRect;
    strip.Geometry.Fit = TspPartFit::Horizontal;
    strip.Geometry.StartOffset = label->LTPoint.X;
    strip.Geometry.EndOffset = RectWidth(label->SkinRect) - label->RTPoint.X;
    strip.Geometry.Fill.StretchEffect = label->StretchEffect;
    DrawSkinPart(Canvas, R, strip, TspPartState::Normal);
    const TspSkinFontData skinFont = SkinFontOf(*label);
    AssignSkinTextFont(font, *FMenu->DefaultFont(), &skinFont, data);
    font.SetColor(label->FontColor);
    text = OffsetRect(label->ClRect, R.Left, R.Top);
    text.Right += RectWidth(R) - RectWidth(label->SkinRect);
  } else {
    AssignSkinTextFont(font, *FMenu->DefaultFont(), nullptr, data);
  }
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.DrawText(Item.Caption(), text, CentredLine);
}

void TspSkinImagesMenuPopupWindow::PaintButtonCaption(TCanvas& Canvas, const TspImagesMenuItem& Item, const TRect& R,
                                                      TspImagesCellLook Look) {
  TspSkinData* data = FMenu->SkinData();
  const TspDataSkinMenuItem* itemEntry = UseSkin() ? MenuItemEntry(data) : nullptr;
  const TspDataSkinButtonControl* button = UseSkin() ? CellEntry(data) : nullptr;
  TFont& font = *Canvas.Font();
  if (itemEntry != nullptr && button != nullptr) {
    const TspSkinFontData skinFont = SkinFontOf(*button);
    AssignSkinTextFont(font, *FMenu->DefaultFont(), FMenu->UseSkinFont() ? &skinFont : nullptr, data);
    font.SetColor(Look == TspImagesCellLook::Pressed ? button->DownFontColor
                  : Look == TspImagesCellLook::Hot   ? button->ActiveFontColor
                                                     : itemEntry->FontColor);
  } else {
    AssignSkinTextFont(font, *FMenu->DefaultFont(), nullptr, nullptr);
    font.SetColor(clWindowText);
  }
  TRect text = R;
  if (FMenu->Images() != nullptr) text.Left += FMenu->Images()->Width() + ImageInset;
  Canvas.Brush()->SetStyle(bsClear);
  const bool fits = RectWidth(text) >= Canvas.TextWidth(Item.Caption());
  Canvas.DrawText(Item.Caption(), text, fits ? CentredLine : LeftLine);
}
