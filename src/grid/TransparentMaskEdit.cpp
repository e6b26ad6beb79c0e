#include "TransparentMaskEdit.h"

#include "skin/boxes/BoxPainting.h"

namespace {

// Messages after which the text, the caret, the selection or the scroll position may
// show differently.
bool MayChangeLook(const TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return true;
    // Only a held button drags the selection along.
    case WM_MOUSEMOVE: return (Message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    case CN_COMMAND: return HIWORD(Message.WParam) == EN_HSCROLL || HIWORD(Message.WParam) == EN_VSCROLL;
    default: return false;
  }
}

}  // namespace

void TDynSkinTransparentMaskEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  if (FTransparent) Params.ExStyle |= WS_EX_TRANSPARENT;
}

void TDynSkinTransparentMaskEdit::Invalidate() {
  if (!FTransparent) {
    TCustomMaskEdit::Invalidate();
    return;
  }
  if (!HandleAllocated() || Parent() == nullptr || !Parent()->HandleAllocated()) return;
  const RECT area = ToRECT(BoundsRect());
  InvalidateRect(Parent()->Handle(), &area, TRUE);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TDynSkinTransparentMaskEdit::Change() {
  TCustomMaskEdit::Change();
  LookChanged();
}

void TDynSkinTransparentMaskEdit::Dispatch(TMessage& Message) {
  if (FTransparent) {
    switch (Message.Msg) {
      case CN_CTLCOLOREDIT:
      case CN_CTLCOLORSTATIC: AnswerTransparentColor(Message, Font()->Color()); return;
      case WM_ERASEBKGND:
        // The parent paints what shows under the text.
        Invalidate();
        Message.Result = 1;
        return;
      default: break;
    }
  }
  TCustomMaskEdit::Dispatch(Message);
  if (MayChangeLook(Message)) LookChanged();
}
