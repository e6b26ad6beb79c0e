#pragma once
// Single-line text boxes over the system's EDIT control: TCustomEdit with the editing
// operations, TCustomMaskEdit (which keeps an edit mask for its descendants) and TEdit.

#include "WinControl.h"

#include "portable/FormGeometry.h"

#include <iterator>
#include <string>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
// The letter cases as form resources write them.
inline constexpr const char* kCharCaseNames[] = {"ecNormal", "ecUpperCase", "ecLowerCase"};
static_assert(std::size(kCharCaseNames) == ecLowerCase + 1);

// The edit control's window style that aligns its text as Alignment says.
inline DWORD EditAlignmentStyle(TAlignment Alignment) {
  static constexpr DWORD Styles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  return Styles[Alignment];
}

class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* AOwner);

  // 0: as much as the system allows.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  // '\0': the text shows as it is.
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char Value);
  // Selects the whole text when the focus comes in from the keyboard.
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }

  // The selection, in bytes from the text's start (these make the window).
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  std::string SelText();
  void SetSelText(const std::string& Value);
  void SelectAll();

  bool CanUndo();
  bool Modified();
  void SetModified(bool Value);
  // The editing commands go to the control's own window (WM_UNDO, WM_CUT, WM_COPY,
  // WM_PASTE, WM_CLEAR), where a replaced window procedure sees them.
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void ClearSelection();
  // Empties the text.
  void Clear();

  // Fires after every change of the text, typed or set by the program.
  TNotifyEvent OnChange;

protected:
  virtual void Change();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;
  // The caret's line while the edit has the focus (and with it the caret): a menu opened
  // from the keyboard goes below it.
  TRect KeyboardMenuAnchor() override;

private:
  void HandleSetText(TMessage& Message);
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  struct TSelectionRange {
    int Start = 0;
    int End = 0;
  };
  TSelectionRange SelectionRange();

  int FMaxLength = 0;
  bool FReadOnly = false;
  TBorderStyle FBorderStyle = bsSingle;
  TEditCharCase FCharCase = ecNormal;
  char FPasswordChar = '\0';
  bool FAutoSelect = true;
  bool FCreating = false;
  bool FChangeNotified = false;
  TSelectionRange FSavedSelection;  // while there is no window
};

class TCustomMaskEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
  // Kept for descendants and the form reader; the edit does not apply it.
  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& Value) { FEditMask = Value; }

private:
  std::string FEditMask;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
};
