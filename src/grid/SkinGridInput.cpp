// The skinned grid's messages: the mouse, keys and wheel, the held-button timer, the
// sizing cursors, scroll messages, focus, size and paint, and what the in-place editor
// tells it.
#include "SkinGrid.h"

#include "grid/portable/InplaceEditRules.h"

#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

void TDynSkinCustomGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DialogCode(); return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ModifyScrollBar(Message.Msg == WM_HSCROLL ? gbHorizontal : gbVertical, Message.WParamLo(),
                      Message.WParamHi(), true);
      return;
    case WM_SIZE:
      TspSkinControl::Dispatch(Message);
      // Mirrored cells and rows drawn without pictures depend on the width as a whole.
      if (GridRightToLeft() || (!Skinned() && Options().Contains(goRowSelect))) Invalidate();
      UpdateScrollRange();
      return;
    case WM_PAINT:
      // A paint of the window itself leaves nothing due: its paint message, or its first
      // paint, which comes in the system's first erase with a DC of the window. A copy
      // into another DC does not count.
      if (Message.WParam == 0 || WindowFromDC(reinterpret_cast<HDC>(Message.WParam)) == GridWindow())
        FPaintDue = false;
      TspSkinControl::Dispatch(Message);
      UpdateScrollRange();
      return;
    case WM_NCHITTEST:
      TspSkinControl::Dispatch(Message);
      FHitTest = ScreenToClient(PointFromLParam(Message.LParam));
      return;
    case WM_SETCURSOR: HandleSetCursor(Message); return;
    case WM_CANCELMODE:
      TspSkinControl::Dispatch(Message);
      CancelMode();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: HandleFocus(Message); return;
    case WM_CHAR:
      if (!TypesIntoEditor(static_cast<uint8_t>(Message.WParam), Options())) break;
      ShowEditorChar(static_cast<char>(Message.WParam));
      return;
    case WM_LBUTTONDOWN:
      TspSkinControl::Dispatch(Message);
      // A press on the editor that appears now may complete a double click.
      if (TDynSkinInplaceEdit* editor = InplaceEdit()) editor->SetClickTime(static_cast<uint32_t>(GetMessageTime()));
      return;
    case WM_COMMAND:
      TspSkinControl::Dispatch(Message);
      // What the user changed in the editor reaches the cell at once.
      if (TDynSkinInplaceEdit* editor = InplaceEdit();
          editor != nullptr && HIWORD(Message.WParam) == EN_CHANGE && editor->HandleAllocated() &&
          reinterpret_cast<HWND>(Message.LParam) == editor->Handle())
        UpdateText();
      return;
    case CM_FONTCHANGED:
      TspSkinControl::Dispatch(Message);
      if (TDynSkinInplaceEdit* editor = InplaceEdit()) editor->Font()->Assign(Font());
      return;
    case WM_TIMER:
      if (!FMouseTimer.Is(Message)) break;
      HandleTimer();
      return;
    case CM_VISIBLECHANGED:
      TspSkinControl::Dispatch(Message);
      FScrollBars.FollowGrid(Visible());
      return;
    case CM_WANTSPECIALKEY:
      if (Options().Contains(goEditing) && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TspSkinControl::Dispatch(Message);
}

UINT TDynSkinCustomGrid::DialogCode() const {
  UINT code = DLGC_WANTARROWS;
  const TGridOptions options = Options();
  if (options.Contains(goRowSelect)) return code;
  if (options.Contains(goTabs)) code |= DLGC_WANTTAB;
  if (options.Contains(goEditing)) code |= DLGC_WANTCHARS;
  return code;
}

void TDynSkinCustomGrid::HandleFocus(TMessage& Message) {
  const bool gained = Message.Msg == WM_SETFOCUS;
  FFocused = gained;
  TspSkinControl::Dispatch(Message);
  // The current row shows whether the grid has the focus.
  const RECT row = ToRECT(BoxRect(RowRepaintRect(Row())));
  if (HandleAllocated()) InvalidateRect(Handle(), &row, FALSE);
  // The focus moving between the grid and its editor changes nothing of the editing.
  TDynSkinInplaceEdit* editor = InplaceEdit();
  const bool fromOrToEditor = editor != nullptr && editor->HandleAllocated() &&
                              reinterpret_cast<HWND>(Message.WParam) == editor->Handle();
  if (fromOrToEditor) return;
  if (gained && Visible())
    UpdateEdit();
  else if (!gained)
    HideEdit();
}

void TDynSkinCustomGrid::HandleSetCursor(TMessage& Message) {
  if (Message.LParamLo() == HTCLIENT) {
    TGridState state = GridState();
    if (state == gsNormal) {
      TGridDrawInfo drawInfo;
      CalcDrawInfo(drawInfo);
      state = CalcSizingState(FHitTest, drawInfo).State;
    }
    if (state == gsRowSizing || state == gsColSizing) {
      ::SetCursor(Screen->Cursors(state == gsRowSizing ? crVSplit : crHSplit));
      Message.Result = 1;
      return;
    }
  }
  TspSkinControl::Dispatch(Message);
}

void TDynSkinCustomGrid::HandleTimer() {
  if (!HandleAllocated()) return;
  TimerTick(ScreenToClient(Seams::CursorPos()));
}

void TDynSkinCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HideEdit();
  if (CanFocus() || GetParentForm(this) == nullptr) SetFocus();
  if (!Focused()) {
    SetMouseCapture(false);
    return;
  }
  if (Button == mbLeft && Shift.Contains(ssDouble)) {
    DblClick();
    return;
  }
  if (Button == mbLeft && PressAt({X, Y}, Shift.Contains(ssShift))) return;  // sizing began
  TspSkinControl::MouseDown(Button, Shift, X, Y);
}

void TDynSkinCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (GridState() != gsNormal) DragTo({X, Y});
  TspSkinControl::MouseMove(Shift, X, Y);
}

void TDynSkinCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // Whichever button comes up ends what the held left button began.
  if (GridState() != gsNormal)
    ReleaseAt({X, Y}, [&] { TspSkinControl::MouseUp(Button, Shift, X, Y); });
  else
    TspSkinControl::MouseUp(Button, Shift, X, Y);
}

bool TDynSkinCustomGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TspSkinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  return MoveByWheel(WheelDelta < 0);
}

void TDynSkinCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  const TGridKeyShift shift{Shift.Contains(ssShift), Shift.Contains(ssCtrl), Shift.Contains(ssAlt)};
  if (!CanGridAcceptKey(Key, shift)) Key = 0;
  TspSkinControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  MoveByKey(Key, shift);
}

void TDynSkinCustomGrid::KeyPress(char& Key) {
  TspSkinControl::KeyPress(Key);
  if (Key != '\r' || Options().Contains(goAlwaysShowEditor)) return;
  if (EditorMode())
    HideEditor();
  else
    ShowEditor();
  Key = '\0';
}

void TDynSkinCustomGrid::DoExit() {
  TspSkinControl::DoExit();
  if (!Options().Contains(goAlwaysShowEditor)) HideEditor();
}
