#include "ListBox.h"

#include "BoxPainting.h"
#include "SkinListBox.h"

#include "skin/controls/SkinScrollBar.h"

#include "classlib/DeviceContexts.h"

#include "base/DispatchScope.h"

#include <algorithm>

TspListBox::TspListBox(TComponent* AOwner) : TListBox(AOwner) {
  SetCtl3D(false);
  SetBorderStyle(bsNone);
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
}

void TspListBox::CreateParams(TCreateParams& Params) {
  TListBox::CreateParams(Params);
  Params.Style = (Params.Style & ~static_cast<DWORD>(WS_BORDER)) | WS_TABSTOP;
  Params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
  Params.WindowClass.style = CS_DBLCLKS;
}

void TspListBox::CreateWnd() {
  TListBox::CreateWnd();
  if (FListOwner != nullptr) FListOwner->ListBoxCreateWnd();
}

void TspListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  const int oldWidth = Width();
  TListBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (Width() == oldWidth || FHorizontalOffset < 1) return;
  // The text keeps its right end where it was.
  FHorizontalOffset = std::max(FHorizontalOffset + oldWidth - Width(), 0);
  Repaint();
}

void TspListBox::WndProc(TMessage& Message) {
  bool proceed = true;
  if (FListOwner != nullptr) FListOwner->ListBoxWProc(Message, proceed);
  if (!proceed) return;
  TListBox::WndProc(Message);
  if (FListOwner != nullptr) AfterMessage(Message);
}

void TspListBox::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDBLCLK: FListOwner->ListBoxDblClick(); return;
    case WM_ERASEBKGND:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING: FListOwner->UpdateScrollBars(); return;
    case WM_MOUSEWHEEL: Wheel(Message); return;
    case SP_PAINT_BACKGROUND_CHECKED:
      if (Count() > 0 || Message.LParam != SP_PAINT_TO_DC_CHECK) return;
      if (Message.WParam != 0) PaintBackground(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = SP_PAINT_TO_DC_CHECK;
      return;
    default: return;
  }
}

void TspListBox::Wheel(const TMessage& Message) {
  // A positive WParam: the wheel turned away from the user.
  const bool away = static_cast<int32_t>(Message.WParam) >= 1;
  if (FListOwner->VScrollBar() != nullptr) {
    SendMessageA(Handle(), WM_VSCROLL, away ? SB_LINEUP : SB_LINEDOWN, 0);
    FListOwner->UpdateScrollBars();
  } else if (TspSkinScrollBar* bar = FListOwner->HScrollBar()) {
    bar->SetPosition(bar->Position() + (away ? -bar->SmallChange() : bar->SmallChange()));
  }
}

void TspListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      if (Width() > 0 && Height() > 0) PaintBackground(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_NCCALCSIZE: return;  // no border and no visible bars: all client area
    case CN_DRAWITEM: HandleDrawItem(Message); return;
    case SP_PAINT_TO_DC: Message.Result = SP_PAINT_TO_DC_ANSWER; return;
    default: TListBox::Dispatch(Message);
  }
}

void TspListBox::PaintWindow(HDC DC) {
  if (Width() < 1 || Height() < 1) return;
  const TSavedDC saved(DC);
  PaintOnCanvas(*Canvas(), DC, [this] { PaintItems(*Canvas()); });
}

void TspListBox::PaintItems(TCanvas& Canvas) {
  const TspItemSpan span = VisibleItems(TopIndex(), Count(), Height(), ItemHeight(), Columns());
  int bottom = 0;
  for (int i = span.First; i <= span.Last; ++i) {
    const TRect r = ItemRect(i);
    DrawItemBy(Canvas, i, r, ItemState(i));
    bottom = r.Bottom;
  }
  if (Columns() >= 1 || bottom >= Height() || FListOwner == nullptr) return;
  FListOwner->GetSkinData();
  FListOwner->FillWithClientTiles(Canvas, {0, bottom, Width(), Height()});
}

void TspListBox::PaintBackground(HDC DC) {
  if (FListOwner == nullptr) return;
  TDCCanvas canvas(DC);
  FListOwner->FillWithClientTiles(canvas, ClientRect());
}

TOwnerDrawState TspListBox::ItemState(int Index) {
  const int current = ItemIndex();
  TOwnerDrawState state;
  if (Index == current || (MultiSelect() && Selected(Index))) state.Include(odSelected);
  if (Index == current && Focused()) state.Include(odFocused);
  return state;
}

void TspListBox::HandleDrawItem(TMessage& Message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  const TOwnerDrawState state = TOwnerDrawState::FromBits(item->itemState & (ODS_SELECTED | ODS_FOCUS));
  TCanvas* canvas = Canvas();
  PaintOnCanvas(*canvas, item->hDC, [&] {
    canvas->Font()->Assign(Font());
    canvas->Brush()->Assign(Brush());
    DrawItemBy(*canvas, static_cast<int>(item->itemID), FromRECT(item->rcItem), state);
  });
  Message.Result = TRUE;
}

template <class... Args, class... Given>
void TspListBox::TellOwner(void (TspSkinCustomListBox::*Hook)(Args...), Given&&... Values) {
  if (FListOwner != nullptr) (FListOwner->*Hook)(std::forward<Given>(Values)...);
}

void TspListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TellOwner(&TspSkinCustomListBox::ListBoxMouseDown, Button, Shift, X, Y);
  TListBox::MouseDown(Button, Shift, X, Y);
}

void TspListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TellOwner(&TspSkinCustomListBox::ListBoxMouseMove, Shift, X, Y);
  TListBox::MouseMove(Shift, X, Y);
}

void TspListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TellOwner(&TspSkinCustomListBox::ListBoxMouseUp, Button, Shift, X, Y);
  TListBox::MouseUp(Button, Shift, X, Y);
}

void TspListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TellOwner(&TspSkinCustomListBox::ListBoxKeyDown, Key, Shift);
  if (FListOwner != nullptr) {
    // Left and right scroll the text sideways when there is a bar for it.
    TspSkinScrollBar* bar = FListOwner->HScrollBar();
    if (bar != nullptr && (Key == VK_LEFT || Key == VK_RIGHT)) {
      bar->SetPosition(bar->Position() + (Key == VK_LEFT ? -bar->SmallChange() : bar->SmallChange()));
      Key = 0;
    }
  }
  TListBox::KeyDown(Key, Shift);
}

void TspListBox::KeyUp(uint16_t& Key, TShiftState Shift) {
  TellOwner(&TspSkinCustomListBox::ListBoxKeyUp, Key, Shift);
  TListBox::KeyUp(Key, Shift);
}

void TspListBox::KeyPress(char& Key) {
  TellOwner(&TspSkinCustomListBox::ListBoxKeyPress, Key);
  TListBox::KeyPress(Key);
}

void TspListBox::Click() {
  TellOwner(&TspSkinCustomListBox::ListBoxClick);
  TListBox::Click();
}

void TspListBox::DoEnter() {
  if (FListOwner != nullptr) FListOwner->ListBoxEnter();
  TListBox::DoEnter();
}

void TspListBox::DoExit() {
  if (FListOwner != nullptr) FListOwner->ListBoxExit();
  TListBox::DoExit();
}
