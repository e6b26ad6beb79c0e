#include "Edit.h"

#include "DeviceContexts.h"

#include "base/ScopeExit.h"

#include <algorithm>

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "EDIT");
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (FBorderStyle == bsSingle) AddBorder(Params);
}

void TCustomEdit::CreateWnd() {
  // The window takes its text at creation: that is no change.
  {
    FCreating = true;
    TScopeExit created([&] { FCreating = false; });
    TWinControl::CreateWnd();
  }
  Send(EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
  if (FPasswordChar != '\0') Send(EM_SETPASSWORDCHAR, static_cast<uint8_t>(FPasswordChar));
  Send(EM_SETSEL, static_cast<WPARAM>(FSavedSelection.Start), FSavedSelection.End);
}

void TCustomEdit::DestroyWnd() {
  FSavedSelection = SelectionRange();
  TWinControl::DestroyWnd();
}

LRESULT TCustomEdit::Send(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return SendMessageA(Handle(), Msg, WParam, LParam);
}

void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT: HandleSetText(Message); return;
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == EN_CHANGE && !FCreating) {
        FChangeNotified = true;
        Change();
      }
      return;
    case CM_ENTER:
      // Not when the focus came with a click (the click places the caret), and not for
      // text of several lines.
      if (FAutoSelect && HandleAllocated() && GetKeyState(VK_LBUTTON) >= 0 &&
          (GetWindowLongA(Handle(), GWL_STYLE) & ES_MULTILINE) == 0)
        SelectAll();
      TWinControl::Dispatch(Message);
      return;
    default: TWinControl::Dispatch(Message);
  }
}

void TCustomEdit::HandleSetText(TMessage& Message) {
  // The system control reports text set by the program through EN_CHANGE only in some
  // cases (single lines, some systems); without a window nothing reports it. Either
  // way the change is announced once.
  FChangeNotified = false;
  TWinControl::Dispatch(Message);
  if (!FChangeNotified && !FCreating && !ComponentState().Contains(csLoading)) Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::SetMaxLength(int Value) {
  FMaxLength = std::max(Value, 0);
  if (HandleAllocated()) Send(EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
}

void TCustomEdit::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (HandleAllocated()) Send(EM_SETREADONLY, Value);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) { SetRecreating(FBorderStyle, Value); }

// The new window converts the text it gets.
void TCustomEdit::SetCharCase(TEditCharCase Value) { SetRecreating(FCharCase, Value); }

void TCustomEdit::SetPasswordChar(char Value) {
  if (Value == FPasswordChar) return;
  FPasswordChar = Value;
  if (!HandleAllocated()) return;
  Send(EM_SETPASSWORDCHAR, static_cast<uint8_t>(Value));
  Invalidate();
}

TCustomEdit::TSelectionRange TCustomEdit::SelectionRange() {
  DWORD start = 0;
  DWORD end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

int TCustomEdit::SelStart() { return SelectionRange().Start; }

void TCustomEdit::SetSelStart(int Value) { Send(EM_SETSEL, Value, Value); }

int TCustomEdit::SelLength() {
  const TSelectionRange selection = SelectionRange();
  return selection.End - selection.Start;
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  Send(EM_SETSEL, start, start + Value);
}

std::string TCustomEdit::SelText() {
  const TSelectionRange selection = SelectionRange();
  const std::string text = Text();
  const int start = std::clamp(selection.Start, 0, static_cast<int>(text.size()));
  const int end = std::clamp(selection.End, start, static_cast<int>(text.size()));
  return text.substr(start, end - start);
}

void TCustomEdit::SetSelText(const std::string& Value) {
  Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll() { Send(EM_SETSEL, 0, -1); }

TRect TCustomEdit::KeyboardMenuAnchor() {
  POINT caret{};
  if (!HandleAllocated() || GetFocus() != Handle() || !GetCaretPos(&caret)) return {};
  // The caret stands as high as a line of the window's font.
  TEXTMETRICA metrics{};
  {
    const TSelectedObject font(ScreenCompatibleDC(), reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
    GetTextMetricsA(ScreenCompatibleDC(), &metrics);
  }
  return Bounds(caret.x, caret.y, 1, metrics.tmHeight);
}

bool TCustomEdit::CanUndo() { return HandleAllocated() && Send(EM_CANUNDO) != 0; }

bool TCustomEdit::Modified() { return HandleAllocated() && Send(EM_GETMODIFY) != 0; }

void TCustomEdit::SetModified(bool Value) {
  if (HandleAllocated()) Send(EM_SETMODIFY, Value);
}

void TCustomEdit::Undo() { Send(WM_UNDO); }
void TCustomEdit::Cut() { Send(WM_CUT); }
void TCustomEdit::Copy() { Send(WM_COPY); }
void TCustomEdit::Paste() { Send(WM_PASTE); }
void TCustomEdit::ClearSelection() { Send(WM_CLEAR); }
void TCustomEdit::Clear() { SetText(""); }
