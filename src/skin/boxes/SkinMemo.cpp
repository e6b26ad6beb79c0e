#include "SkinMemo.h"

#include "BoxPainting.h"
#include "EditFilters.h"

#include "skin/controls/SkinControlCore.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/ResourceStrData.h"

namespace {

bool IsEditingMessage(UINT Msg) {
  switch (Msg) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO: return true;
    default: return false;
  }
}

}  // namespace

TspSkinMemo::TspSkinMemo(TComponent* AOwner) : TMemo(AOwner) {
  SetEditDefaultFont(*Font());
  FDefaultFont.Assign(Font());
  FDefaultFont.OnChange = Event(this, &TspSkinMemo::DefaultFontChanged);
  SetScrollBars(ssBoth);
}

TspSkinMemo::~TspSkinMemo() {
  // The bars outlive the memo: they must not call it any more.
  SetVScrollBar(nullptr);
  SetHScrollBar(nullptr);
}

void TspSkinMemo::BeforeDestruction() {
  FContextMenu.Release();
  TMemo::BeforeDestruction();
}

// Properties

void TspSkinMemo::DefaultFontChanged(TObject*) {
  if (!Skinned()) Font()->Assign(&FDefaultFont);
}

void TspSkinMemo::SetSkinData(TspSkinData* Value) {
  SetReference(FSkinData, Value);
  if (Value != nullptr && !Value->Empty() && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TspSkinMemo::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Invalidate();
}

void TspSkinMemo::SetAlphaBlendValue(uint8_t Value) {
  if (Value == FAlphaBlendValue) return;
  FAlphaBlendValue = Value;
  if (FTransparent) Invalidate();
}

void TspSkinMemo::SetBar(TspSkinScrollBar*& Field, TspSkinScrollBar* Value) {
  if (Field == Value) return;
  if (Field != nullptr) Field->OnChange = {};
  SetReference(Field, Value);
  if (Value == nullptr) return;
  Value->SetMin(0);
  Value->SetMax(0);
  Value->SetPosition(0);
  Value->OnChange = &Field == &FVScrollBar ? Event(this, &TspSkinMemo::VScrollBarChange)
                                           : Event(this, &TspSkinMemo::HScrollBarChange);
}

void TspSkinMemo::Notification(TComponent* AComponent, TOperation Operation) {
  TMemo::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
}

// The skin

void TspSkinMemo::ChangeSkinData() {
  GetSkinData();
  AssignEditFont(*Font(), FDefaultFont, Skin(), FUseSkinFont, FSkinData);
  if (Skinned()) SetColor(Skin()->BGColor);
  UpdateScrollBars();
  // A bar sized by the new skin takes its place again.
  if (FVScrollBar != nullptr && FVScrollBar->Align() != alNone && FVScrollBar->Parent() != nullptr)
    FVScrollBar->Parent()->Realign();
  UpdateFontColor();
  SetFormattingRect();
}

void TspSkinMemo::UpdateFontColor() {
  if (!Enabled())
    Font()->SetColor(clGrayText);
  else
    Font()->SetColor(Skinned() && FUseSkinFontColor ? Skin()->FontColor : FDefaultFont.Color());
}

void TspSkinMemo::ShowState(bool Hot) {
  if (!Skinned()) return;
  if (FUseSkinFontColor) Font()->SetColor(Hot ? Skin()->ActiveFontColor : Skin()->FontColor);
  if (!FBitMapBG) SetColor(Hot ? Skin()->ActiveBGColor : Skin()->BGColor);
  Invalidate();
}

// Window

void TspSkinMemo::CreateParams(TCreateParams& Params) {
  TMemo::CreateParams(Params);
  Params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT);
  Params.Style &= ~static_cast<DWORD>(WS_BORDER);
  Params.Style |= ES_MULTILINE;
  Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinMemo::CreateWnd() {
  FFormattingRectSet = false;
  TMemo::CreateWnd();
  SetFormattingRect();
}

void TspSkinMemo::Invalidate() {
  if (!FBitMapBG) {
    TMemo::Invalidate();
    return;
  }
  if (Parent() != nullptr && Showing()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void TspSkinMemo::SetFormattingRect() {
  if (!Bordered() || !HandleAllocated()) return;
  GetSkinData();
  const TRect rect = MemoFormattingRect(ClientRect(), Skin(), FBitMapBG);
  // Only a change: setting the rectangle redraws the text, and it is set while painting.
  // (The control keeps it lowered to whole lines, so what it answers is not compared.)
  if (FFormattingRectSet && rect == FFormattingRect) return;
  FFormattingRect = rect;
  FFormattingRectSet = true;
  const RECT r = ToRECT(rect);
  SendMessageA(Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&r));
}

// The external bars

void TspSkinMemo::UpdateScrollBars() {
  const struct {
    TspSkinScrollBar* Bar;
    int Kind;
  } bars[] = {{FVScrollBar, SB_VERT}, {FHScrollBar, SB_HORZ}};
  for (const auto& [bar, kind] : bars) {
    if (bar == nullptr) continue;
    if (!Enabled() || !HandleAllocated()) {
      bar->SetEnabled(false);
      continue;
    }
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), kind, &info);
    const TspExternalBar shown =
        MemoExternalBar({info.nMin, info.nMax, static_cast<int32_t>(info.nPage), info.nPos}, kind == SB_VERT);
    bar->SetRange(0, shown.Max, shown.PageSize, shown.Position);
    bar->SetEnabled(shown.Enabled);
  }
}

void TspSkinMemo::ScrollTo(UINT Msg, TspSkinScrollBar* Bar) {
  if (Bar == nullptr || !HandleAllocated()) return;
  SendMessageA(Handle(), Msg, MAKEWPARAM(SB_THUMBPOSITION, static_cast<uint16_t>(Bar->Position())), 0);
  Invalidate();
}

void TspSkinMemo::VScrollBarChange(TObject*) { ScrollTo(WM_VSCROLL, FVScrollBar); }
void TspSkinMemo::HScrollBarChange(TObject*) { ScrollTo(WM_HSCROLL, FHScrollBar); }

void TspSkinMemo::TextMayHaveMoved() {
  UpdateScrollBars();
  if (FBitMapBG) Invalidate();
}

void TspSkinMemo::Change() {
  TMemo::Change();
  TextMayHaveMoved();
}

// Messages

void TspSkinMemo::Dispatch(TMessage& Message) {
  if (RouteSelectAllKey(*this, Message)) return;
  if (IsEditingMessage(Message.Msg)) {
    HandleEditing(Message);
    return;
  }
  if (FContextMenu.HandleMessage(Message)) return;
  switch (Message.Msg) {
    case WM_CONTEXTMENU:
      if (PopupMenu() != nullptr) {
        TMemo::Dispatch(Message);
      } else {
        // The captions of the memo's own skin, if it has resource strings.
        FContextMenu.Open(Message, FSkinData != nullptr ? FSkinData->ResourceStrData() : nullptr);
        Message.Result = 1;
      }
      return;
    case WM_NCCALCSIZE:  // no non-client area: the native bars never show
    case WM_NCPAINT: Message.Result = 0; return;
    case WM_SETFONT:
    case WM_SIZE:
      // The control formats its text in its whole client area again.
      TMemo::Dispatch(Message);
      FFormattingRectSet = false;
      SetFormattingRect();
      if (Message.Msg == WM_SIZE) TextMayHaveMoved();
      return;
    case WM_SETTEXT:
    case WM_VSCROLL:
    case WM_HSCROLL:
      TMemo::Dispatch(Message);
      TextMayHaveMoved();
      return;
    case WM_MOUSEWHEEL: HandleWheel(Message); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TMemo::Dispatch(Message);
      ShowState(Message.Msg == WM_SETFOCUS);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FMouseOver = Message.Msg == CM_MOUSEENTER;
      TMemo::Dispatch(Message);
      ShowState(FMouseOver);
      return;
    case CM_ENABLEDCHANGED:
      if (HandleAllocated()) SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
      TMemo::Dispatch(Message);
      UpdateScrollBars();
      // A memo whose skin came while it was disabled has the grey text colour still.
      UpdateFontColor();
      Invalidate();
      return;
    case WM_LBUTTONDOWN:
      TMemo::Dispatch(Message);
      FMouseDown = true;
      return;
    case WM_MOUSEMOVE:
      TMemo::Dispatch(Message);
      if (FMouseDown) TextMayHaveMoved();
      return;
    case WM_LBUTTONUP:
      TMemo::Dispatch(Message);
      if (!FMouseDown) return;
      FMouseDown = false;
      TextMayHaveMoved();
      return;
    case WM_MOVE:
      TMemo::Dispatch(Message);
      if (FTransparent && Skinned()) Invalidate();
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: HandleControlColor(Message); return;
    case WM_ERASEBKGND:
      if (!FBitMapBG && !Bordered()) {
        TMemo::Dispatch(Message);
        return;
      }
      PaintBackgroundAndFrame(reinterpret_cast<HDC>(Message.WParam));
      // Also when the DC is not the window's own paint (a copy of the control): the text.
      if (!FPainting) Perform(WM_PAINT, Message.WParam, 0);
      Message.Result = 1;
      return;
    case WM_PAINT: PaintClient(Message); return;
    case SP_PAINT_TO_DC:
      if (Message.WParam != 0) PaintBackgroundAndFrame(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = SP_PAINT_TO_DC_ANSWER;
      return;
    default: TMemo::Dispatch(Message);
  }
}

void TspSkinMemo::HandleEditing(TMessage& Message) {
  if (FReadOnly && ReadOnlyDrops(Message)) return;
  if (!RouteClipboardKey(*this, Message)) TMemo::Dispatch(Message);
  TextMayHaveMoved();
}

void TspSkinMemo::HandleWheel(TMessage& Message) {
  // One line per turn; the native wheel handling never sees it.
  const bool down = GET_WHEEL_DELTA_WPARAM(Message.WParam) < 1;
  SendMessageA(Handle(), WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
  if (FBitMapBG) Invalidate();
  Message.Result = 0;
}

void TspSkinMemo::HandleControlColor(TMessage& Message) {
  if (!FBitMapBG) {
    TMemo::Dispatch(Message);
    return;
  }
  AnswerTransparentColor(Message, Font()->Color());
}
