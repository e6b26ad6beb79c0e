#include "SkinPageControl.h"

#include "SkinTabSheet.h"
#include "SkinUpDown.h"

#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinCustomControlCore.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/SystemSeams.h"

#include <commctrl.h>

namespace {

constexpr int DefaultCloseSize = 14;

}  // namespace

TspSkinPageControl::TspSkinPageControl(TComponent* AOwner)
    : TPageControl(AOwner), FTabSpace(new TCustomImageList(this)) {
  SetCtl3D(false);
  FTabSpace->SetSize(1, 1);
  TCustomTabControl::SetImages(FTabSpace);
  for (TFont* font : {&FDefaultFont, Font()}) {
    SetDefaultSkinFont(*font);
    font->SetStyle({});
    font->SetColor(clBtnText);
  }
}

// Properties

void TspSkinPageControl::SetShowCloseButtons(bool Value) {
  if (Value != FShowCloseButtons) {
    FShowCloseButtons = Value;
    ApplyTabSpace();
  }
  Invalidate();
}

void TspSkinPageControl::SetImages(TCustomImageList* Value) {
  SetReference(FImages, Value);
  ApplyTabSpace();
  Invalidate();
}

void TspSkinPageControl::SetTabsBGTransparent(bool Value) {
  if (Value == FTabsBGTransparent) return;
  FTabsBGTransparent = Value;
  Invalidate();
}

void TspSkinPageControl::SetDefaultItemHeight(int Value) {
  FDefaultItemHeight = Value;
  if (Skinned()) return;
  ApplyItemSize();
  UpdateScrollerPosition();
  Realign();
}

void TspSkinPageControl::SetSkinData(TspSkinData* Value) {
  SetReference(FSkinData, Value);
  if (Value != nullptr && !Value->Empty()) ChangeSkinData();
}

void TspSkinPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TPageControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FUpDown) FUpDown = nullptr;
  // The tabs keep the images' room until a change of images, close buttons or skin, or
  // a new window, sizes it again.
  if (AComponent == FImages) FImages = nullptr;
}

// The skin

void TspSkinPageControl::GetSkinData() {
  FIndex = FSkinData == nullptr || FSkinData->Empty() ? -1 : FSkinData->GetControlIndex(FSkinDataName);
  auto* entry = !Skinned()
                    ? nullptr
                    : dynamic_cast<TspDataSkinTabControl*>(FSkinData->CtrlList[static_cast<size_t>(FIndex)].get());
  if (entry == nullptr) {
    // An entry of another kind is no skin for a page control.
    FIndex = -1;
    FPicture = {};
    return;
  }
  FPicture = SkinActiveBitmap(FSkinData, entry->PictureIndex);
  FSkin = CopyTabSkin(*entry);
}

void TspSkinPageControl::ChangeSkinData() {
  GetSkinData();
  FCloseSize = GetCloseSize();
  ApplyTabSpace();
  ApplyFonts();
  ApplyItemSize();
  UpdateScrollerPosition();
  Realign();
  if (FUpDown != nullptr) {
    // Built anew with the new skin's scroller entry.
    FUpDown->Free();
    CheckScroll();
  }
  if (ActivePage() != nullptr) ActivePage()->Repaint();
}

void TspSkinPageControl::ApplyFonts() {
  const TspSkinFontData skinFont = SkinFontOf(FSkin);
  AssignSkinTextFont(*Font(), FDefaultFont, Skinned() && FUseSkinFont ? &skinFont : nullptr, FSkinData);
  if (Skinned()) Font()->SetColor(FSkin.FontColor);
}

int TspSkinPageControl::GetCloseSize() const {
  if (!Skinned() || IsRectEmpty(FSkin.CloseButtonRect)) return DefaultCloseSize;
  return FSkin.CloseButtonRect.Width();
}

bool TspSkinPageControl::BodyStretched() {
  GetSkinData();
  return Skinned() && FSkin.StretchEffect;
}

// Native geometry

void TspSkinPageControl::SetItemSize(int W, int H) {
  if (HandleAllocated()) SendMessageA(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(W, H));
}

int TspSkinPageControl::DefaultTabHeight() const {
  if (TabHeight() > 0) return TabHeight();
  if (Skinned() && FSkin.TabRect.Height() >= 1) return FSkin.TabRect.Height();
  return FDefaultItemHeight;
}

void TspSkinPageControl::ApplyItemSize() { SetItemSize(TabWidth(), DefaultTabHeight()); }

void TspSkinPageControl::ApplyTabSpace() {
  const TSize images{FImages != nullptr ? FImages->Width() : 0, FImages != nullptr ? FImages->Height() : 0};
  const TSize size =
      TabSpaceImageSize(TabPosition(), FImages != nullptr ? &images : nullptr, FShowCloseButtons ? FCloseSize : 0);
  if (size == TSize{FTabSpace->Width(), FTabSpace->Height()}) return;
  FTabSpace->SetSize(size.cx, size.cy);
  // A new size is a new system list: the native control must be given it again.
  TCustomTabControl::SetImages(nullptr);
  TCustomTabControl::SetImages(FTabSpace);
}

bool TspSkinPageControl::MultiRow() const { return MultiLine() || TabPosition() == tpLeft || TabPosition() == tpRight; }

TRect TspSkinPageControl::GetTabRect(int Index) {
  if (!HandleAllocated() || Index < 0 || Index >= TabItemCount()) return {};
  RECT r{};
  Perform(TCM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
  TRect rect = FromRECT(r);
  if (Index == 0 && !MultiRow()) rect.Left += 1;
  return rect;
}

std::vector<TRect> TspSkinPageControl::VisibleTabRects() {
  std::vector<TRect> rects;
  for (int i = 0; i < TabItemCount(); ++i) rects.push_back(GetTabRect(i));
  return rects;
}

void TspSkinPageControl::CreateWnd() {
  TPageControl::CreateWnd();
  GetSkinData();
  ApplyTabSpace();
  ApplyItemSize();
  if (!MultiRow()) CheckScroll();
}

void TspSkinPageControl::Loaded() {
  TPageControl::Loaded();
  GetSkinData();
  if (Skinned()) return;
  ApplyItemSize();
  UpdateScrollerPosition();
  Realign();
}

// The strip scroller

void TspSkinPageControl::CheckScroll() {
  if (!HandleAllocated()) return;
  if (HWND native = FindWindowExA(Handle(), nullptr, UPDOWN_CLASSA, nullptr)) DestroyWindow(native);
  const TspHiddenTabs tabs = HiddenTabs();
  if (tabs.Hidden == 0 || MultiRow()) {
    if (FUpDown != nullptr) FUpDown->Free();
    return;
  }
  if (FUpDown == nullptr) CreateScroller(tabs);
  FUpDown->SetMax(tabs.Hidden);
  // The native control scrolls by itself too, to show a tab selected from code.
  FollowStrip();
  FUpDown->SetLeft(Width() - FUpDown->Width());
  FUpDown->SetTop(TabPosition() == tpTop ? 0 : Height() - FUpDown->Height());
}

void TspSkinPageControl::CreateScroller(const TspHiddenTabs& Tabs) {
  FUpDown = new TspSkinUpDown(this);
  FUpDown->SetParent(this);
  FUpDown->SetBounds(Width() - 2 * FDefaultItemHeight, 0, 2 * FDefaultItemHeight, FDefaultItemHeight);
  FUpDown->SetMin(0);
  FUpDown->SetMax(Tabs.Hidden);
  FUpDown->SetPosition(Tabs.ScrolledOut);
  FUpDown->SetIncrement(1);
  FUpDown->OnChange = Event(this, &TspSkinPageControl::ScrollerChange);
  if (TabPosition() != tpTop) FUpDown->SetTop(Height() - FUpDown->Height());
  if (Skinned()) FUpDown->SetSkinDataName(FSkin.UpDown);
  FUpDown->SetSkinData(FSkinData);
  FUpDown->SetVisible(true);
}

TspHiddenTabs TspSkinPageControl::HiddenTabs() {
  return CountHiddenTabs(VisibleTabRects(), Width(), FUpDown != nullptr ? FUpDown->Width() : 0);
}

void TspSkinPageControl::FollowStrip() {
  if (FUpDown == nullptr) return;
  const int scrolledOut = HiddenTabs().ScrolledOut;
  if (FUpDown->Position() != scrolledOut) FUpDown->SetPosition(scrolledOut);
}

void TspSkinPageControl::ScrollerChange(TObject*) {
  FUpDown->SetMax(HiddenTabs().Hidden);
  // The native strip scrolls to that tab.
  SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, FUpDown->Position()), 0);
}

void TspSkinPageControl::UpdateScrollerPosition() {
  FollowStrip();
  Invalidate();
}

void TspSkinPageControl::Change() {
  FollowStrip();
  TPageControl::Change();
  Invalidate();
  if (ActivePage() != nullptr) ActivePage()->Invalidate();
}

// The mouse

TspCloseButtonState* TspSkinPageControl::CloseButtonOf(int PageIndex) const {
  if (PageIndex < 0 || PageIndex >= PageCount()) return nullptr;
  auto* sheet = dynamic_cast<TspSkinCustomTabSheet*>(Pages(PageIndex));
  return sheet != nullptr ? &sheet->CloseButton() : nullptr;
}

std::vector<TspTrackedPage> TspSkinPageControl::TrackedPages() {
  std::vector<TspTrackedPage> pages;
  const int active = TabIndex();
  int tab = 0;
  for (int i = 0; i < PageCount(); ++i) {
    TspTrackedPage page{Pages(i)->TabVisible(), {}, {}, CloseButtonOf(i)};
    if (page.TabVisible) {
      page.TabRect = GetTabRect(tab);
      const int overlap = tab == active && Skinned() ? ActiveTabOverlap(FSkin) : 0;
      page.DrawnAt = ActiveTabDrawRect(TabPosition(), page.TabRect, overlap).TopLeft();
      ++tab;
    }
    pages.push_back(page);
  }
  return pages;
}

void TspSkinPageControl::RedrawTabs() {
  if (HandleAllocated()) DrawTabs(Canvas());
}

void TspSkinPageControl::ApplyMouseResult(const TspTabTracker::TResult& Result) {
  if (Result.Redraw) RedrawTabs();
  if (Result.ClosePage != -1) ClosePage(Result.ClosePage);
}

void TspSkinPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPageControl::MouseDown(Button, Shift, X, Y);
  ApplyMouseResult(FTracker.ButtonDown(TrackedPages(), {X, Y}, TabIndex(), FShowCloseButtons, Button == mbLeft));
}

void TspSkinPageControl::MouseMove(TShiftState Shift, int X, int Y) {
  TPageControl::MouseMove(Shift, X, Y);
  ApplyMouseResult(FTracker.MouseMove(TrackedPages(), {X, Y}, TabIndex(), FShowCloseButtons));
}

void TspSkinPageControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPageControl::MouseUp(Button, Shift, X, Y);
  ApplyMouseResult(FTracker.ButtonUp(TrackedPages(), {X, Y}, TabIndex(), FShowCloseButtons, Button == mbLeft));
}

void TspSkinPageControl::ClosePage(int PageIndex) {
  TTabSheet* page = Pages(PageIndex);
  bool canClose = true;
  // OnClose may free the page it is given, or the whole control, and so may an OnExit as
  // the focus leaves the page that hides: both stay whole, and a page freed already is
  // not freed again.
  if (OnClose) OnClose(page, canClose);
  if (canClose) {
    page->SetTabVisible(false);
    if (FFreeOnClose) page->Free();
    return;
  }
  // Refused: the button stays hot only while the pointer is still over the control.
  POINT cursor{Seams::CursorPos().X, Seams::CursorPos().Y};
  if (WindowFromPoint(cursor) == Handle()) return;
  if (auto* sheet = dynamic_cast<TspSkinCustomTabSheet*>(page)) sheet->CloseButton() = {sheet->CloseButton().Rect};
  RedrawTabs();
}

// Messages

void TspSkinPageControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case TCM_ADJUSTRECT: {
      TPageControl::Dispatch(Message);
      if (Message.WParam != FALSE) return;  // only the display rectangle of a window rectangle
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      const TspTabMargins margins = TabMargins(FSkin.SkinRect, FSkin.ClRect);
      const TRect client = ClientRect();
      *r = ToRECT(CorrectDisplayRect(TabPosition(), Skinned() ? &margins : nullptr, FromRECT(*r), client.Width(),
                                     client.Height()));
      return;
    }
    case TCM_GETITEMRECT: {
      // Some tab controls answer FALSE for a tab scrolled out of sight, whose rectangle
      // they give all the same: every tab of the control is corrected.
      TPageControl::Dispatch(Message);
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      if (static_cast<int>(Message.WParam) < TabItemCount())
        *r = ToRECT(CorrectTabRect(TabPosition(), Style(), MultiRow(), FromRECT(*r)));
      return;
    }
    case TCM_SETITEMSIZE:
      // A height of 0 means the skinned tabs' own height, not the font's.
      if (HIWORD(Message.LParam) == 0) Message.LParam = MAKELPARAM(LOWORD(Message.LParam), DefaultTabHeight());
      TPageControl::Dispatch(Message);
      if (!MultiRow()) CheckScroll();
      return;
    case TCM_INSERTITEMA:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETITEMA:
    case TCM_SETIMAGELIST:
    case TCM_SETCURSEL:
    case WM_SETFONT:
      // The tabs changed or scrolled: the native control may have made its own scroller again.
      TPageControl::Dispatch(Message);
      if (!MultiRow() && !ComponentState().Contains(csDestroying)) CheckScroll();
      return;
    case WM_SIZE:
      GetSkinData();
      TPageControl::Dispatch(Message);
      Invalidate();
      if (!MultiRow()) CheckScroll();
      return;
    case WM_ERASEBKGND: EraseBackground(Message); return;
    case WM_HSCROLL:
      TPageControl::Dispatch(Message);
      Repaint();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The active tab shows whether the control has the focus.
      TPageControl::Dispatch(Message);
      Invalidate();
      return;
    case SP_PARENT_BACKGROUND_CHANGED:
      if (FTabsBGTransparent) Repaint();
      return;
    case SP_PAINT_TO_DC: Message.Result = SP_PAINT_TO_DC_ANSWER; return;
    case CM_MOUSELEAVE:
      TPageControl::Dispatch(Message);
      ApplyMouseResult(FTracker.MouseLeave(TrackedPages(), TabIndex()));
      return;
    default: TPageControl::Dispatch(Message);
  }
}

void TspSkinPageControl::EraseBackground(TMessage& Message) {
  if (TabItemCount() > 0) {
    Message.Result = 1;  // the paint covers the whole control
    return;
  }
  GetSkinData();
  if (!Skinned()) {
    TPageControl::Dispatch(Message);
    return;
  }
  DrawBodyBackground(reinterpret_cast<HDC>(Message.WParam));
  Message.Result = 1;
}
