#pragma once
// The message service: every question and report goes through one modal message
// dialog at a time. This is its logic — kinds, answers, the layout of text and
// buttons, the single-open rule — behind a presenter that shows the real window.

#include "app/language/Translation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TspCompressedStoredSkin;

enum TMessageKind : uint8_t {
  mtOk = 0,
  mtYesNo = 1,
  mtYesCancel = 2,
  mtYesNoAll = 3,    // Yes, No, "All yes", "All no"
  mtFileExists = 4,  // "Add number", "Overwrite", "Skip", Cancel
  mtList = 5,        // the text as a list in a bordered memo, with Ok
};

enum TMessageAnswer : uint8_t {
  maOk = 0,  // also the answer of a dialog closed without a button
  maYes = 1,
  maNo = 2,
  maCancel = 3,
  maAllYes = 4,
  maAllNo = 5,
  maAddNumber = 6,
  maOverwrite = 7,
  maSkip = 8,
};

enum TDialogButton : uint8_t { dbOk = 0, dbYes = 1, dbNo = 2, dbCancel = 3 };

// The text layout: line height 15 px, base width 50 characters. Reports may run to
// thousands of lines: the counts are 32-bit and the sizes stop at the largest 32-bit
// value (the window then fits itself to the screen and its memo scrolls).
struct TMessageLayout {
  std::string Text;  // a single line longer than 50 characters comes back wrapped
  int32_t Lines = 1;
  int32_t Longest = 0;      // longest line in characters, when it sets the width
  int32_t Width = 0;        // the window width, 0 to keep the designed one
  int32_t ExtraHeight = 0;  // added to the designed window height
};

TMessageLayout LayoutMessageText(const std::string& text);

// A button of a kind: shown or not, its caption, and its place where the kind moves it
// (empty: as designed). Hidden buttons keep their designed captions.
struct TMessageButtonPlace {
  bool Visible = false;
  TLangText Caption = TLangText::OkButton;
  std::optional<int32_t> Left;
  std::optional<int32_t> Width;
};

struct TMessageButtons {
  std::array<TMessageButtonPlace, 4> Buttons;  // by TDialogButton
  TDialogButton Focused = dbOk;
  // The button Escape presses, as in the system's own message boxes: Ok where it is the
  // only button, Cancel where a Cancel shows; none where every button is a choice (Yes
  // and No, the "All" answers).
  std::optional<TDialogButton> EscapeButton;
  int32_t WindowWidth = 0;  // replaces the text layout's width when not 0
};

TMessageButtons LayoutMessageButtons(uint8_t kind);
// The answer a button gives in a kind.
uint8_t AnswerOf(uint8_t kind, TDialogButton button);

// One open message: what the presenter shows and the answer it collects.
class TMessageDialog {
public:
  explicit TMessageDialog(TspCompressedStoredSkin* skin) : FSkin(skin) {}
  TMessageDialog(const TMessageDialog&) = delete;
  TMessageDialog& operator=(const TMessageDialog&) = delete;

  // Stores caption and kind and lays the text out. The list kind shows the text in a
  // bordered, left-aligned memo and from then on counts as Ok, as do unknown kinds.
  void PrepareLayout(const std::string& caption, const std::string& text, uint8_t kind);
  // Sets the answer of a button by the kind; the presenter then closes the window.
  void ButtonClick(TDialogButton button) { FAnswer = AnswerOf(FKind, button); }

  TspCompressedStoredSkin* Skin() const { return FSkin; }
  bool AsList() const { return FAsList; }
  uint8_t Kind() const { return FKind; }
  const std::string& Caption() const { return FCaption; }
  const TMessageLayout& Layout() const { return FLayout; }
  TMessageButtons Buttons() const { return LayoutMessageButtons(FKind); }
  // A button's caption from the language table (built-in English while there is none).
  const std::string& ButtonCaption(TDialogButton button) const;
  // The window width after text and buttons, 0 to keep the designed one.
  int32_t WindowWidth() const;
  uint8_t Answer() const { return FAnswer; }

private:
  TspCompressedStoredSkin* FSkin;
  bool FAsList = false;
  uint8_t FKind = mtOk;
  std::string FCaption;
  TMessageLayout FLayout;
  uint8_t FAnswer = maOk;
};

// Shows a message modally. Centring on the main window (or the screen), skinning and
// the buttons' placing and focus are the presenter's; a press calls ButtonClick.
class TMessagePresenter {
public:
  virtual ~TMessagePresenter() = default;
  virtual void ShowModal(TMessageDialog& dialog) = 0;
};

// Installs the presenter; returns the one it replaces. Without one nothing is shown
// and every message answers 0.
TMessagePresenter* SetMessagePresenter(TMessagePresenter* presenter);

// The message open now, nil when none is.
extern TMessageDialog* MessageDialogForm;

// Shows a message of a kind and returns the answer; 0 at once, showing nothing, while
// another message is open.
uint8_t ShowMessageDialog(uint8_t kind, const std::string& caption, const std::string& text,
                          TspCompressedStoredSkin* skin);
void ShowMessageOk(const std::string& caption, const std::string& text,
                   TspCompressedStoredSkin* skin);
// An Ok message of the language table's text under its "Error" caption.
void ShowErrorMessage(TLangText text, TspCompressedStoredSkin* skin);
uint8_t ShowMessageYesNo(const std::string& caption, const std::string& text,
                         TspCompressedStoredSkin* skin);
uint8_t ShowMessageFileExists(const std::string& caption, const std::string& text,
                              TspCompressedStoredSkin* skin);
void ShowMessageList(const std::string& caption, const std::string& text,
                     TspCompressedStoredSkin* skin);
