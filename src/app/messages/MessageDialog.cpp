#include "MessageDialog.h"

#include "app/language/Translation.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"

#include <algorithm>
#include <limits>
#include <set>
#include <utility>

TMessageDialog* MessageDialogForm = nullptr;

namespace {

TMessagePresenter* Presenter = nullptr;

constexpr int kLineHeight = 15;
constexpr int kBaseWidth = 50;  // characters
constexpr int kCharWidth = 7;
constexpr int kWidthMargin = 10;

int32_t SaturatedSize(int64_t size) {
  return static_cast<int32_t>(std::min<int64_t>(size, std::numeric_limits<int32_t>::max()));
}

int LineCount(const std::string& text) { return CountChar(text, '\r') + 1; }

// The longest piece between carriage returns; a line feed after a carriage return
// counts in the next piece.
int LongestLine(const std::string& text) {
  int longest = 0;
  int start = 1;
  for (int end; (end = NthCharOfSetPos(text, "\r", start, 1)) != 0; start = end + 1)
    longest = std::max(longest, end - start);
  return std::max(longest, static_cast<int>(text.size()) - start + 1);
}

}  // namespace

TMessageLayout LayoutMessageText(const std::string& text) {
  TMessageLayout layout;
  layout.Text = text;
  int lines = LineCount(text);
  int longest = 0;
  if (lines > 1) {
    longest = LongestLine(text);
  } else if (static_cast<int>(text.size()) > kBaseWidth) {
    layout.Text = WrapText(text, CRLF, {' ', '-', '\t'}, kBaseWidth);
    lines = LineCount(layout.Text);
    longest = kBaseWidth;
  }
  layout.Lines = lines;
  layout.Longest = longest;
  if (longest > kBaseWidth)
    layout.Width = SaturatedSize(int64_t{longest} * kCharWidth + kWidthMargin);
  layout.ExtraHeight = SaturatedSize(int64_t{kLineHeight} * (lines - 1));
  return layout;
}

TMessageButtons LayoutMessageButtons(uint8_t kind) {
  TMessageButtons layout;
  auto& ok = layout.Buttons[dbOk];
  auto& yes = layout.Buttons[dbYes];
  auto& no = layout.Buttons[dbNo];
  auto& cancel = layout.Buttons[dbCancel];
  ok.Caption = TLangText::OkButton;
  yes.Caption = TLangText::YesButton;
  no.Caption = TLangText::NoButton;
  cancel.Caption = TLangText::CancelButton;
  switch (kind) {
    case mtYesNo:
      yes.Visible = no.Visible = true;
      layout.Focused = dbNo;
      break;
    case mtYesCancel:
      yes.Visible = cancel.Visible = true;
      layout.Focused = dbCancel;
      layout.EscapeButton = dbCancel;
      break;
    case mtYesNoAll:
    case mtFileExists:
      for (auto& button : layout.Buttons) button.Visible = true;
      ok.Width = 90;  // as wide as Cancel
      layout.Focused = dbCancel;
      if (kind == mtYesNoAll) {
        ok.Caption = TLangText::AllYesButton;
        cancel.Caption = TLangText::AllNoButton;
        layout.WindowWidth = 440;
        yes.Left = 44;
        no.Left = 118;
        ok.Left = 193;
        cancel.Left = 297;
      } else {
        layout.EscapeButton = dbCancel;
        yes.Caption = TLangText::AddNumberButton;
        no.Caption = TLangText::OverwriteButton;
        ok.Caption = TLangText::SkipButton;
        layout.WindowWidth = 550;
        yes.Left = 26;
        yes.Width = 130;
        no.Left = 172;
        no.Width = 130;
        ok.Left = 319;
        cancel.Left = 426;
      }
      break;
    default:  // Ok, the list, and kinds nobody defined
      ok.Visible = true;
      layout.Focused = dbOk;
      layout.EscapeButton = dbOk;
  }
  return layout;
}

uint8_t AnswerOf(uint8_t kind, TDialogButton button) {
  switch (button) {
    case dbOk: return kind == mtYesNoAll ? maAllYes : kind == mtFileExists ? maSkip : maOk;
    case dbYes: return kind == mtFileExists ? maAddNumber : maYes;
    case dbNo: return kind == mtFileExists ? maOverwrite : maNo;
    case dbCancel: return kind == mtYesNoAll ? maAllNo : maCancel;
  }
  return maOk;
}

// --- TMessageDialog ----------------------------------------------------------------------

void TMessageDialog::PrepareLayout(const std::string& caption, const std::string& text,
                                   uint8_t kind) {
  if (kind == mtList) FAsList = true;
  FKind = kind <= mtFileExists ? kind : static_cast<uint8_t>(mtOk);
  FCaption = caption;
  FLayout = LayoutMessageText(text);
}

const std::string& TMessageDialog::ButtonCaption(TDialogButton button) const {
  return LangText(Buttons().Buttons[button].Caption);
}

int32_t TMessageDialog::WindowWidth() const {
  int32_t buttonsWidth = Buttons().WindowWidth;
  return buttonsWidth != 0 ? buttonsWidth : FLayout.Width;
}

// --- The service -------------------------------------------------------------------------

TMessagePresenter* SetMessagePresenter(TMessagePresenter* presenter) {
  return std::exchange(Presenter, presenter);
}

uint8_t ShowMessageDialog(uint8_t kind, const std::string& caption, const std::string& text,
                          TspCompressedStoredSkin* skin) {
  if (MessageDialogForm || !Presenter) return maOk;
  TMessageDialog dialog(skin);
  MessageDialogForm = &dialog;
  struct TCloseOnExit {
    ~TCloseOnExit() { MessageDialogForm = nullptr; }
  } closeOnExit;
  dialog.PrepareLayout(caption, text, kind);
  Presenter->ShowModal(dialog);
  return dialog.Answer();
}

void ShowMessageOk(const std::string& caption, const std::string& text,
                   TspCompressedStoredSkin* skin) {
  ShowMessageDialog(mtOk, caption, text, skin);
}

void ShowErrorMessage(TLangText text, TspCompressedStoredSkin* skin) {
  ShowMessageOk(LangText(TLangText::ErrorCaption), LangText(text), skin);
}

uint8_t ShowMessageYesNo(const std::string& caption, const std::string& text,
                         TspCompressedStoredSkin* skin) {
  return ShowMessageDialog(mtYesNo, caption, text, skin);
}

uint8_t ShowMessageFileExists(const std::string& caption, const std::string& text,
                              TspCompressedStoredSkin* skin) {
  return ShowMessageDialog(mtFileExists, caption, text, skin);
}

void ShowMessageList(const std::string& caption, const std::string& text,
                     TspCompressedStoredSkin* skin) {
  ShowMessageDialog(mtList, caption, text, skin);
}
