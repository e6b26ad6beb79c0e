// Transparent edits whose text is wider (or longer) than their field, scrolled by keys,
// typing, a paste, Undo and a selection dragged past the end: the native control scrolls
// by moving its pixels and erases nothing, so after each step the screen must show what a
// whole repaint shows. Each kind of edit on the flat-colour skin: the edit, the edit with
// a button, the numeric edit, the combo box's edit part and the memo.
#include "SkinEditInputKit.h"

#include "Screenshot.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinNumEdit.h"

#include "classlib/Clipboard.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string LongLine = "The quick brown fox jumps over the lazy dog and back, twice over";
const std::string LongNumber = "31415926535897932384626433832795028841971693993751";

class SkinEditScroll : public SkinEditInput {
protected:
  SkinEditScroll() { Window.Load("flatcolour"); }

  // Gives Control its text and the focus, with the caret hidden: its blink is no stale
  // paint.
  void Start(TCustomEdit* Control, const std::string& Text) {
    Control->SetText(Text);
    Focus(Control);
    HideCaret(Control->Handle());
    SendMessageA(Control->Handle(), EM_SETSEL, 0, 0);
    PumpFor(100);
  }

  // How many pixels of Shown on the screen differ from what the screen shows after a
  // whole repaint of the window.
  int StalePixels(HWND Shown) {
    PumpFor(100);  // what was painted reaches the screen
    const TPixelImage now = ScreenPixelsAsShown(Shown);
    RedrawWindow(Window.Form()->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);
    const TPixelImage whole = ScreenPixelsAsShown(Shown);
    if (now.Empty() || now.Width() != whole.Width() || now.Height() != whole.Height()) return -1;
    int stale = 0;
    for (int32_t y = 0; y < now.Height(); ++y)
      for (int32_t x = 0; x < now.Width(); ++x) stale += now.Pixel(x, y) != whole.Pixel(x, y);
    return stale;
  }

  // Runs each step, which must scroll Edit's text, then expects the screen to show Shown
  // as a whole repaint does.
  void ExpectWholeAfterEach(TCustomEdit* Edit, HWND Shown,
                            const std::vector<std::pair<std::string, std::function<void()>>>& Steps) {
    for (const auto& [what, step] : Steps) {
      const LRESULT before = SendMessageA(Edit->Handle(), EM_POSFROMCHAR, 0, 0);
      step();
      EXPECT_NE(SendMessageA(Edit->Handle(), EM_POSFROMCHAR, 0, 0), before) << what << " scrolled nothing";
      EXPECT_EQ(StalePixels(Shown), 0) << what;
    }
  }

  // The character at the point of Edit's client area.
  static int CharAt(TCustomEdit* Edit, int X, int Y) {
    return LOWORD(SendMessageA(Edit->Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(X, Y)));
  }
  static void PutCaret(TCustomEdit* Edit, int Index) { SendMessageA(Edit->Handle(), EM_SETSEL, Index, Index); }

  // Scrolls along a line: Home, End and each arrow across an edge of the field, typing at
  // the end, a paste at the start and its Undo, and a selection dragged past the end. The
  // screen after End is saved as Picture (before the whole repaint the check makes).
  void ExpectWholeAfterEveryScrollAlong(TCustomEdit* Edit, HWND Shown, const std::string& Picture) {
    const int middle = Edit->ClientHeight() / 2;
    ExpectWholeAfterEach(Edit, Shown, {
        {"End",
         [&] {
           PressKey(VK_END);
           PumpFor(100);
           SaveScreenPixelsAsShown(Window.Form()->Handle(), Picture);
         }},
        {"Home", [] { PressKey(VK_HOME); }},
        {"Right past the right edge",
         [&] {
           PutCaret(Edit, CharAt(Edit, Edit->ClientWidth() - 3, middle));
           for (int i = 0; i < 3; ++i) PressKey(VK_RIGHT);
         }},
        {"End again", [] { PressKey(VK_END); }},
        {"Left past the left edge",
         [&] {
           PutCaret(Edit, CharAt(Edit, 3, middle));
           for (int i = 0; i < 3; ++i) PressKey(VK_LEFT);
         }},
        {"typing at the end",
         [] {
           PressKey(VK_END);
           for (char c : std::string("0123456789012345")) PostChar(c);
         }},
        {"a paste at the start",
         [] {
           PressKey(VK_HOME);
           Clipboard().SetAsText("9876543210987654321098765432109876543210");
           PressKey('V', {ssCtrl});
         }},
        {"Undo", [] { PressKey('Z', {ssCtrl}); }},
        {"a selection dragged past the end and held there",
         [&] {
           PostMouse(Edit, WM_LBUTTONDOWN, 10, middle, MK_LBUTTON);
           Application->ProcessMessages();
           const TPoint past{Edit->ClientWidth() + 20, middle};
           PostCapturedMouse(Edit, WM_MOUSEMOVE, past);
           // The control steps the selection on while the pointer stays there.
           for (int i = 0; i < 10; ++i) {
             PostMessageA(Edit->Handle(), WM_TIMER, 0, 0);
             Application->ProcessMessages();
           }
           PostCapturedMouse(Edit, WM_LBUTTONUP, past, 0);
         }},
        {"Shift+Home", [] { PressKey(VK_HOME, {ssShift}); }},
    });
  }
};

TEST_F(SkinEditScroll, TheSkinnedEditWithAndWithoutItsButtonShowsEveryScrollWhole) {
  for (bool button : {false, true}) {
    SCOPED_TRACE(button ? "with its button" : "without a button");
    auto* edit = Add<TspSkinEdit>(Bounds(10, 10 + (button ? 40 : 0), 150, 21));
    edit->SetButtonMode(button);
    Start(edit, LongLine);
    ExpectWholeAfterEveryScrollAlong(edit, edit->Handle(),
                                          button ? "boxes-button-edit-scrolled" : "boxes-edit-scrolled");
  }
}

TEST_F(SkinEditScroll, TheTransparentNumericEditShowsEveryScrollWhole) {
  auto* number = Add<TspSkinNumEdit>(Bounds(10, 10, 150, 21));
  number->SetTransparent(true);
  Start(number, LongNumber);
  ExpectWholeAfterEveryScrollAlong(number, number->Handle(), "boxes-num-edit-scrolled");
}

TEST_F(SkinEditScroll, TheComboBoxsEditPartShowsEveryScrollWhole) {
  auto* combo = Add<TspSkinComboBox>(Bounds(10, 10, 150, 21));
  combo->SetStyle(spcbEditStyle);
  combo->SetAutoComplete(false);
  TspCustomEdit* edit = combo->EditPart();
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(edit->Transparent());
  Start(edit, LongLine);
  ExpectWholeAfterEveryScrollAlong(edit, combo->Handle(), "boxes-combo-edit-scrolled");
}

TEST_F(SkinEditScroll, TheMemoShowsEveryScrollUpAndDownWhole) {
  auto* memo = Add<TspSkinMemo>(Bounds(10, 10, 150, 80));
  std::string lines;
  for (int i = 1; i <= 30; ++i) lines += "Line " + std::to_string(i) + " of the memo\r\n";
  Start(memo, lines);
  const auto lineStart = [&](int Line) { return static_cast<int>(SendMessageA(memo->Handle(), EM_LINEINDEX, Line, 0)); };
  const auto firstShown = [&] { return static_cast<int>(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); };
  const auto lastShown = [&] {
    const int at = CharAt(memo, 10, memo->ClientHeight() - 6);
    return static_cast<int>(SendMessageA(memo->Handle(), EM_LINEFROMCHAR, at, 0));
  };
  ExpectWholeAfterEach(memo, memo->Handle(), {
      {"Down past the last line shown",
       [&] {
         PutCaret(memo, lineStart(lastShown()));
         for (int i = 0; i < 3; ++i) PressKey(VK_DOWN);
         PumpFor(100);
         SaveScreenPixelsAsShown(Window.Form()->Handle(), "boxes-memo-scrolled");
       }},
      {"Ctrl+End", [] { PressKey(VK_END, {ssCtrl}); }},
      {"Up past the first line shown",
       [&] {
         PutCaret(memo, lineStart(firstShown()));
         for (int i = 0; i < 3; ++i) PressKey(VK_UP);
       }},
      {"Page Up", [] { PressKey(VK_PRIOR); }},
      {"Ctrl+Home", [] { PressKey(VK_HOME, {ssCtrl}); }},
      {"new lines typed past the last line shown",
       [&] {
         PutCaret(memo, lineStart(lastShown()));
         for (int i = 0; i < 3; ++i) PostChar('\r');
       }},
      {"a paste of lines at the start",
       [&] {
         PressKey(VK_HOME, {ssCtrl});
         Clipboard().SetAsText(lines.substr(0, lineStart(12)));
         PressKey('V', {ssCtrl});
       }},
      {"Undo", [] { PressKey('Z', {ssCtrl}); }},
  });
}

TEST_F(SkinEditScroll, AMemoWithoutWordWrapShowsEveryScrollAlongWhole) {
  auto* memo = Add<TspSkinMemo>(Bounds(10, 10, 150, 80));
  memo->SetWordWrap(false);
  Start(memo, LongLine + "\r\n" + LongLine + "\r\n" + LongLine);
  ExpectWholeAfterEveryScrollAlong(memo, memo->Handle(), "boxes-memo-unwrapped-scrolled");
}

}  // namespace
