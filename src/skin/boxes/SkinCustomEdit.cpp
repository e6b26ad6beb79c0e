#include "SkinCustomEdit.h"

#include "BoxPainting.h"

#include "skin/controls/SkinControlCore.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinRects.h"

#include "classlib/DeviceContexts.h"

#include "base/DispatchScope.h"

namespace {

bool IsNonClientMouseMessage(UINT Msg) {
  return (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMBUTTONDBLCLK) || Msg == WM_NCXBUTTONDOWN ||
         Msg == WM_NCXBUTTONUP || Msg == WM_NCXBUTTONDBLCLK;
}

}  // namespace

TspSkinCustomEdit::TspSkinCustomEdit(TComponent* AOwner) : TspCustomEdit(AOwner) {
  SetEditDefaultFont(FDefaultFont);
  SetEditDefaultFont(*Font());
  FDefaultFont.OnChange = Event(this, &TspSkinCustomEdit::DefaultFontChanged);
  SetBorderStyle(bsNone);
  SetTransparent(true);
  SetHeight(20);
}

// Properties

void TspSkinCustomEdit::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (!Skinned()) Invalidate();
}

void TspSkinCustomEdit::DefaultFontChanged(TObject*) {
  if (!Skinned()) Font()->Assign(&FDefaultFont);
}

void TspSkinCustomEdit::SetDefaultWidth(int32_t Value) {
  FDefaultWidth = Value;
  if (!Skinned() && Value > 0) SetWidth(Value);
}

void TspSkinCustomEdit::SetDefaultHeight(int32_t Value) {
  FDefaultHeight = Value;
  SetHeight(!Skinned() && Value > 0 && FUseSkinFont ? Value : FontFitHeight());
}

void TspSkinCustomEdit::SetButtonMode(bool Value) { SetRecreating(FButtonMode, Value); }

void TspSkinCustomEdit::SetSkinData(TspSkinData* Value) {
  SetReference(FSkinData, Value);
  if (Value != nullptr && !Value->Empty() && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TspSkinCustomEdit::SetAlphaBlend(bool Value) {
  if (Value == FAlphaBlend) return;
  FAlphaBlend = Value;
  RepaintFrame();
  Invalidate();
}

void TspSkinCustomEdit::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  if (!FAlphaBlend) return;
  RepaintFrame();
  Invalidate();
}

void TspSkinCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TspCustomEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSkinData) FSkinData = nullptr;
}

// The skin

TspEditLayout TspSkinCustomEdit::Layout() {
  GetSkinData();
  return EditLayout(Skin(), Width(), Height(), FButtonMode, FUseSkinFont);
}

void TspSkinCustomEdit::ChangeSkinData() {
  GetSkinData();
  AssignEditFont(*Font(), FDefaultFont, Skin(), FUseSkinFont, FSkinData);
  if (!Skinned()) {
    if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
  } else {
    if (FUseSkinFont) SetHeight(RectHeight(Skin()->SkinRect));
    Font()->SetColor(Focused() ? Skin()->ActiveFontColor : Skin()->FontColor);
  }
  RecreateWnd();  // the new frame's margins
  UpdateFontColor();
  if (!FUseSkinFont) SetHeight(FontFitHeight());
}

void TspSkinCustomEdit::Loaded() {
  TspCustomEdit::Loaded();
  if (FSkinData != nullptr && FSkinData->ResourceStrData() != nullptr)
    Font()->SetCharset(FSkinData->ResourceStrData()->CharSet());
}

void TspSkinCustomEdit::UpdateFontColor() {
  if (!Enabled())
    Font()->SetColor(Skinned() ? Skin()->DisabledFontColor : clGrayText);
  else if (!Skinned())
    Font()->SetColor(FDefaultFont.Color());
  else
    Font()->SetColor(Focused() ? Skin()->ActiveFontColor : Skin()->FontColor);
}

int32_t TspSkinCustomEdit::FontFitHeight() {
  const HDC measuring = ScreenCompatibleDC();
  TSelectedObject font(measuring, Font()->Handle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(measuring, &metrics);
  return EditFontHeight(metrics.tmHeight, Skin());
}

// Window

void TspSkinCustomEdit::CreateParams(TCreateParams& Params) {
  TspCustomEdit::CreateParams(Params);
  Params.ExStyle &= ~static_cast<DWORD>(WS_EX_TRANSPARENT);
  Params.Style &= ~static_cast<DWORD>(WS_BORDER);
  Params.Style |= EditAlignmentStyle(FAlignment);
}

void TspSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  GetSkinData();
  if ((AWidth != Width() || AHeight != Height()) && (Skinned() || !FUseSkinFont))
    AHeight = EditHeight(Skin(), FUseSkinFont, AHeight, FUseSkinFont ? AHeight : FontFitHeight());
  TspCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  Invalidate();
  RepaintFrame();
}

void TspSkinCustomEdit::Invalidate() {
  if (Parent() != nullptr && Showing()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

// A window not on screen gets its frame painted by the system when it shows.
void TspSkinCustomEdit::RepaintFrame() {
  if (Parent() != nullptr && Showing()) SendMessageA(Handle(), WM_NCPAINT, 1, 0);
}

// Messages

void TspSkinCustomEdit::Dispatch(TMessage& Message) {
  if (IsNonClientMouseMessage(Message.Msg)) {
    HandleNonClientMouse(Message);
    return;
  }
  if (HandlePaintToDC(Message)) return;
  switch (Message.Msg) {
    case WM_NCCALCSIZE: CalcClientArea(Message); return;
    case WM_NCPAINT:
      PaintFrame(nullptr, true);
      Message.Result = 0;
      return;
    case WM_NCHITTEST: HitTest(Message); return;
    case WM_NCMOUSELEAVE: SetMouseOverButton(false); return;
    case WM_MOUSEMOVE:
      TspCustomEdit::Dispatch(Message);
      SetMouseOverButton(false);
      return;
    case WM_ERASEBKGND:
      PaintClientBackground(reinterpret_cast<HDC>(Message.WParam));
      // Also when the DC is not the window's own paint (a copy of the control): the text.
      if (!FPainting) Perform(WM_PAINT, Message.WParam, 0);
      Message.Result = 1;
      return;
    case WM_PAINT: PaintClient(Message); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspCustomEdit::Dispatch(Message);
      RepaintFrame();
      Invalidate();
      if (Skinned() && !FMouseOver)
        Font()->SetColor(Message.Msg == WM_SETFOCUS ? Skin()->ActiveFontColor : Skin()->FontColor);
      return;
    case WM_SIZE:
      TspCustomEdit::Dispatch(Message);
      RepaintFrame();
      return;
    case CM_FONTCHANGED:
      TspCustomEdit::Dispatch(Message);
      // Only a designer reading the form leaves the height alone: a form read at run time
      // fits it to each font it sets.
      if (FUseSkinFont || (ComponentState().Contains(csDesigning) && ComponentState().Contains(csLoading))) return;
      SetHeight(FontFitHeight());
      if (!Skinned()) RecreateWnd();
      return;
    case CM_ENABLEDCHANGED:
      TspCustomEdit::Dispatch(Message);
      UpdateFontColor();
      RepaintFrame();
      Invalidate();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FMouseOver = Message.Msg == CM_MOUSEENTER;
      TspCustomEdit::Dispatch(Message);
      // The frame shows whether the pointer is over the edit.
      RepaintFrame();
      Invalidate();
      return;
    default: TspCustomEdit::Dispatch(Message);
  }
}

bool TspSkinCustomEdit::HandlePaintToDC(TMessage& Message) {
  auto* dc = reinterpret_cast<HDC>(Message.WParam);
  if (Message.Msg == SP_PAINT_TO_DC) {
    if (dc != nullptr) PaintFrame(dc, false);
    Message.Result = SP_PAINT_TO_DC_ANSWER;
    return true;
  }
  if (Message.Msg == SP_PAINT_TO_DC_CHECKED && Message.LParam == SP_PAINT_TO_DC_CHECK) {
    if (dc != nullptr) PaintFrame(dc, true);
    Message.Result = SP_PAINT_TO_DC_CHECK;
    return true;
  }
  return false;
}

// The non-client area

void TspSkinCustomEdit::CalcClientArea(TMessage& Message) {
  GetSkinData();
  // Both forms of the message start with the window's rectangle.
  auto* window = reinterpret_cast<RECT*>(Message.LParam);
  *window = ToRECT(EditClientArea(FromRECT(*window), Skin(), FButtonMode));
  Message.Result = 0;
}

void TspSkinCustomEdit::HitTest(TMessage& Message) {
  if (!FButtonMode) {
    TspCustomEdit::Dispatch(Message);
    return;
  }
  const TspEditLayout layout = Layout();
  const TPoint client = ScreenToClient(PointFromLParam(Message.LParam));
  const TPoint origin = EditClientOrigin(Skin());
  switch (EditHitTest(layout, {client.X + origin.X, client.Y + origin.Y})) {
    case TspEditHit::Button: Message.Result = HTHSCROLL; return;
    case TspEditHit::Frame: Message.Result = HTVSCROLL; return;
    case TspEditHit::Text: TspCustomEdit::Dispatch(Message); return;
  }
}

void TspSkinCustomEdit::HandleNonClientMouse(TMessage& Message) {
  // The button and the frame answer hit codes of the system's scroll bars, whose own
  // tracking the default procedure would start.
  const bool onButton = Message.WParam == HTHSCROLL;
  const bool ownCode = onButton || Message.WParam == HTVSCROLL;
  switch (Message.Msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (onButton && (!ReadOnly() || Message.Msg == WM_NCLBUTTONDBLCLK)) {
        FButtonPressed = true;
        RepaintFrame();
      }
      break;
    case WM_NCLBUTTONUP:
      if (onButton && !ReadOnly()) ButtonReleased();
      break;
    case WM_NCMOUSEMOVE: SetMouseOverButton(onButton); break;
    default: break;
  }
  if (!ownCode) TspCustomEdit::Dispatch(Message);
}

void TspSkinCustomEdit::ButtonReleased() {
  FButtonPressed = false;
  RepaintFrame();
  if (!Focused() && CanFocus()) SetFocus();
  if (OnButtonClick) OnButtonClick(this);
}

void TspSkinCustomEdit::SetMouseOverButton(bool Value) {
  if (Value == FMouseOverButton) return;
  FMouseOverButton = Value;
  if (Value && HandleAllocated()) {
    // Told when the pointer leaves the frame, so that the button does not stay hot.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, Handle(), 0};
    TrackMouseEvent(&track);
  }
  RepaintFrame();
}
