#include "InplaceEdit.h"

#include "SkinGrid.h"

#include "grid/portable/InplaceEditRules.h"

#include "skin/controls/SkinFormHost.h"
#include "skin/data/SkinData.h"

#include "classlib/Form.h"
#include "classlib/SystemSeams.h"

namespace {

TGridKeyShift GridShift(TShiftState Shift) {
  return {Shift.Contains(ssShift), Shift.Contains(ssCtrl), Shift.Contains(ssAlt)};
}

}  // namespace

TDynSkinInplaceEdit::TDynSkinInplaceEdit(TComponent* AOwner) : TDynSkinTransparentMaskEdit(AOwner) {
  SetBorderStyle(bsNone);
  SetTabStop(false);
  // Placing the window shows it; a window made while Visible would show where it was.
  SetVisible(false);
}

void TDynSkinInplaceEdit::CreateParams(TCreateParams& Params) {
  TDynSkinTransparentMaskEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
}

void TDynSkinInplaceEdit::BeforeDestruction() {
  FContextMenu.Release();
  // Before the window goes: the focus it hands on must find the grid without an editor.
  if (FGrid != nullptr) FGrid->EditorDestroyed();
  FGrid = nullptr;
  TDynSkinTransparentMaskEdit::BeforeDestruction();
}

// --- Contents and placement

void TDynSkinInplaceEdit::UpdateContents() {
  SetText("");
  const int32_t col = FGrid->Col(), row = FGrid->Row();
  SetEditMask(FGrid->GetEditMask(col, row));
  SetText(FGrid->GetEditText(col, row));
  SetMaxLength(FGrid->GetEditLimit());
}

bool TDynSkinInplaceEdit::EditorShowing() { return Showing(); }

void TDynSkinInplaceEdit::Deselect() { SendMessageA(Handle(), EM_SETSEL, 0x7FFFFFFF, -1); }

void TDynSkinInplaceEdit::PostChar(char Ch) { PostMessageA(Handle(), WM_CHAR, static_cast<uint8_t>(Ch), 0); }

void TDynSkinInplaceEdit::InternalMove(const TRect& Rect, bool Redraw) {
  if (IsRectEmpty(Rect)) {
    HideEditorWindow();
    return;
  }
  HWND window = Handle();
  Redraw = Redraw || !IsWindowVisible(window);
  InvalidateEditorArea();
  SetWindowPos(window, HWND_TOP, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), SWP_SHOWWINDOW | SWP_NOREDRAW);
  BoundsChanged();
  if (Redraw) InvalidateEditorArea();
  if (FGrid->Focused()) ::SetFocus(window);
}

void TDynSkinInplaceEdit::BoundsChanged() {
  const RECT format{2, 2, Width() - 2, Height()};
  SendMessageA(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
  SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

void TDynSkinInplaceEdit::HideEditorWindow() {
  if (!EditorShowing()) return;
  const bool hadFocus = Focused();
  InvalidateEditorArea();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOREDRAW);
  if (hadFocus) ::SetFocus(FGrid->Handle());
}

void TDynSkinInplaceEdit::InvalidateEditorArea() {
  if (Transparent()) {
    Invalidate();
    return;
  }
  HWND window = Handle();
  ValidateRect(window, nullptr);
  InvalidateRect(window, nullptr, TRUE);
  RECT area{};
  GetClientRect(window, &area);
  HWND grid = FGrid->Handle();
  MapWindowPoints(window, grid, reinterpret_cast<POINT*>(&area), 2);
  // The grid paints the area anew, without first erasing what the editor covers.
  ValidateRect(grid, &area);
  InvalidateRect(grid, &area, FALSE);
}

// --- Keys

bool TDynSkinInplaceEdit::EditCanModify() const { return FGrid->CanEditModify(); }

void TDynSkinInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TEditorKeyState state;
  state.Shift = GridShift(Shift);
  state.AlwaysShowEditor = FGrid->Options().Contains(goAlwaysShowEditor);
  state.CanModify = EditCanModify();
  const int start = SelStart();
  state.Selection = {start, start + SelLength(), static_cast<int32_t>(Text().size())};
  switch (EditorKeyAction(Key, state)) {
    case TEditorKeyAction::HandToGrid:
      FGrid->KeyDown(Key, Shift);
      Key = 0;
      return;
    case TEditorKeyAction::Drop: Key = 0; return;
    case TEditorKeyAction::Deselect:
      if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
      if (Key == GridKey::F2) {
        Deselect();
        Key = 0;
        return;
      }
      break;
    case TEditorKeyAction::Keep:
      if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
      break;
  }
  if (Key != 0) TDynSkinTransparentMaskEdit::KeyDown(Key, Shift);
}

void TDynSkinInplaceEdit::KeyPress(char& Key) {
  FGrid->KeyPress(Key);
  if (Key == '\0') return;
  const auto ch = static_cast<uint8_t>(Key);
  switch (EditorCharAction(ch, FGrid->CanEditAcceptKey(Key), EditCanModify())) {
    case TEditorCharAction::Refuse:
      Seams::Beep(0);
      Key = '\0';
      return;
    case TEditorCharAction::Drop: Key = '\0'; return;
    case TEditorCharAction::ToggleSelection: {
      const int start = SelStart();
      if (start == 0 && SelLength() == static_cast<int>(Text().size()))
        Deselect();
      else
        SelectAll();
      Key = '\0';
      return;
    }
    case TEditorCharAction::Keep: TDynSkinTransparentMaskEdit::KeyPress(Key); return;
  }
}

void TDynSkinInplaceEdit::KeyUp(uint16_t& Key, TShiftState Shift) { FGrid->KeyUp(Key, Shift); }

void TDynSkinInplaceEdit::DblClick() { FGrid->DblClick(); }

// --- Messages

void TDynSkinInplaceEdit::Dispatch(TMessage& Message) {
  if (FContextMenu.HandleMessage(Message)) return;
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      TDynSkinTransparentMaskEdit::Dispatch(Message);
      if (FGrid != nullptr && FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
      return;
    case WM_SETFOCUS: HandleSetFocus(Message); return;
    case WM_LBUTTONDOWN: HandleButtonDown(Message); return;
    case WM_CONTEXTMENU: HandleContextMenu(Message); return;
    default: TDynSkinTransparentMaskEdit::Dispatch(Message);
  }
}

void TDynSkinInplaceEdit::HandleSetFocus(TMessage& Message) {
  // The form keeps the grid as its focused control: the editor is a part of it.
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && !form->SetFocusedControl(FGrid)) return;
  DefaultHandler(Message);
  LookChanged();
}

void TDynSkinInplaceEdit::HandleButtonDown(TMessage& Message) {
  if (IsEditorDoubleClick(static_cast<uint32_t>(GetMessageTime()), FClickTime, GetDoubleClickTime()))
    Message.Msg = WM_LBUTTONDBLCLK;
  FClickTime = 0;
  TDynSkinTransparentMaskEdit::Dispatch(Message);
}

void TDynSkinInplaceEdit::HandleContextMenu(TMessage& Message) {
  if (PopupMenu() != nullptr) {
    TDynSkinTransparentMaskEdit::Dispatch(Message);
    return;
  }
  // The captions of the window frame's skin, if it has resource strings.
  const TspSkinFormHost* host = GetControlSkinForm(this);
  const TspSkinData* data = host != nullptr ? host->SkinData() : nullptr;
  FContextMenu.Open(Message, data != nullptr ? data->ResourceStrData() : nullptr);
  Message.Result = 1;
}
