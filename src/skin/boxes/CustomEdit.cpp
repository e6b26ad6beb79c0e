#include "CustomEdit.h"

#include "BoxPainting.h"
#include "EditFilters.h"

#include "skin/boxes/portable/EditMenuRules.h"
#include "skin/controls/SkinFormHost.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Clipboard.h"
#include "classlib/Form.h"

TspCustomEdit::TspCustomEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
}

void TspCustomEdit::BeforeDestruction() {
  FContextMenu.Release();
  TCustomMaskEdit::BeforeDestruction();
}

void TspCustomEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_BORDER);
  Params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
  if (FTransparent) Params.ExStyle |= WS_EX_TRANSPARENT;
  Params.Style |= PasswordChar() != '\0' ? ES_PASSWORD : ES_MULTILINE;
}

void TspCustomEdit::Invalidate() {
  if (!FTransparent) {
    TCustomMaskEdit::Invalidate();
    return;
  }
  if (Parent() == nullptr || !HandleAllocated() || !Parent()->HandleAllocated()) return;
  const RECT area = ToRECT(BoundsRect());
  InvalidateRect(Parent()->Handle(), &area, TRUE);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TspCustomEdit::Change() {
  TCustomMaskEdit::Change();
  if (FTransparent) Invalidate();
}

void TspCustomEdit::InheritedThenInvalidate(TMessage& Message) {
  TCustomMaskEdit::Dispatch(Message);
  if (FTransparent) Invalidate();
}

void TspCustomEdit::Dispatch(TMessage& Message) {
  if (FContextMenu.HandleMessage(Message) || RouteSelectAllKey(*this, Message))
    return;
  switch (Message.Msg) {
    case WM_CONTEXTMENU:
      if (PopupMenu() != nullptr) {
        TCustomMaskEdit::Dispatch(Message);
      } else {
        // The captions of the window frame's skin, if it has resource strings.
        const TspSkinFormHost* host = GetControlSkinForm(this);
        const TspSkinData* data = host != nullptr ? host->SkinData() : nullptr;
        FContextMenu.Open(Message, data != nullptr ? data->ResourceStrData() : nullptr);
        Message.Result = 1;
      }
      return;
    case WM_SETFONT:
      TCustomMaskEdit::Dispatch(Message);
      SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
      return;
    case WM_CHAR: HandleChar(Message); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: HandleKeyDown(Message); return;
    case WM_PASTE:
      if (!FReadOnly) PasteSingleLine();
      return;
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      if (!FReadOnly) TCustomMaskEdit::Dispatch(Message);
      return;
    case CM_WANTSPECIALKEY:
      // Enter and Escape always come as characters, which go to the form after
      // OnKeyPress (a password edit's native control would not claim them).
      Message.Result = Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE;
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: HandleControlColor(Message); return;
    case WM_ERASEBKGND:
      if (FTransparent)
        EraseTransparent(Message);
      else
        TCustomMaskEdit::Dispatch(Message);
      return;
    case WM_PAINT:
      if (FTransparent) FScrollWatch.BeforePaint(Handle(), Message);
      TCustomMaskEdit::Dispatch(Message);
      return;
    case WM_SETTEXT:
    case WM_MOVE:
    case WM_KILLFOCUS: InheritedThenInvalidate(Message); return;
    case WM_SETFOCUS:
      InheritedThenInvalidate(Message);
      if (AutoSelect()) SelectAll();
      return;
    case WM_LBUTTONDOWN:
      TCustomMaskEdit::Dispatch(Message);
      FMouseDown = true;
      if (FTransparent) Invalidate();
      return;
    case WM_MOUSEMOVE:
      TCustomMaskEdit::Dispatch(Message);
      if (FMouseDown && FTransparent) Invalidate();
      return;
    case WM_LBUTTONUP:
      TCustomMaskEdit::Dispatch(Message);
      FMouseDown = false;
      return;
    case CM_CANCELMODE:
      TCustomMaskEdit::Dispatch(Message);
      if (OnEditCancelMode) OnEditCancelMode(reinterpret_cast<TControl*>(Message.LParam));
      return;
    default: TCustomMaskEdit::Dispatch(Message);
  }
}

void TspCustomEdit::HandleChar(TMessage& Message) {
  switch (Message.WParam) {
    case VK_RETURN:
    case VK_ESCAPE: {
      char key = static_cast<char>(Message.WParam);
      if (OnKeyPress) OnKeyPress(this, key);
      if (TCustomForm* form = GetParentForm(this)) form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam);
      return;
    }
    case '\n':  // Ctrl+Enter
    case '\t': return;
    default:
      if (FReadOnly && ReadOnlyDrops(Message)) return;
      TCustomMaskEdit::Dispatch(Message);
  }
}

void TspCustomEdit::HandleKeyDown(TMessage& Message) {
  if (FReadOnly && ReadOnlyDrops(Message)) return;
  if (RouteClipboardKey(*this, Message)) return;
  TCustomMaskEdit::Dispatch(Message);
}

void TspCustomEdit::PasteSingleLine() {
  if (!Clipboard().HasFormat(CF_TEXT)) return;
  const std::string text = SingleLineText(Clipboard().AsText());
  SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TspCustomEdit::HandleControlColor(TMessage& Message) {
  if (!FTransparent) {
    TCustomMaskEdit::Dispatch(Message);
    return;
  }
  AnswerTransparentColor(Message, Font()->Color());
}

TRect TspCustomEdit::ClientAreaInWindow() {
  RECT window{};
  GetWindowRect(Handle(), &window);
  const TPoint origin = ClientOrigin();
  const TRect client = ClientRect();
  return Bounds(origin.X - window.left, origin.Y - window.top, client.Width(), client.Height());
}

// Painted here, not left to the parent: invalidating a parent that does not clip its
// children (the combo box) would erase this edit again, without end.
void TspCustomEdit::EraseTransparent(TMessage& Message) {
  TDCCanvas canvas(reinterpret_cast<HDC>(Message.WParam));
  DrawParentBackgroundRect(this, ClientAreaInWindow(), &canvas);
  Message.Result = 1;
}
