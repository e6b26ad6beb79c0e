#include "app/win32/FormMessageDialog.h"

#include "UiTest.h"

#include "classlib/Memo.h"
#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

TFormMessageDialog* OpenMessageWindow() {
  for (int i = 0; i < Screen->FormCount(); ++i) {
    auto* window = dynamic_cast<TFormMessageDialog*>(Screen->Forms(i));
    if (window != nullptr && window->HandleAllocated() && IsWindowVisible(window->Handle())) return window;
  }
  return nullptr;
}

int MessageWindowCount() {
  int count = 0;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (dynamic_cast<TFormMessageDialog*>(Screen->Forms(i)) != nullptr) ++count;
  return count;
}

void Click(TWinControl* button) {
  PostMouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(button, WM_LBUTTONUP, 5, 5);
}

// The window's buttons by TDialogButton: Ok, Yes, No, Cancel.
std::array<TWinControl*, 4> Buttons(const TFormMessageDialog& window) {
  return {window.ButtonOk, window.ButtonYes, window.ButtonNo, window.ButtonCancel};
}

// The buttons on screen, as "name caption", in the order Ok, Yes, No, Cancel.
std::vector<std::string> ShownButtons(TFormMessageDialog& window) {
  std::vector<std::string> shown;
  for (TWinControl* button : Buttons(window))
    if (button->Visible() && IsWindowVisible(button->Handle())) shown.push_back(button->Name() + " " + button->Caption());
  return shown;
}

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += (i > 1 ? "\r\n" : "") + std::string("Line ") + std::to_string(i);
  return text;
}

// The message window shows every message of a test. Each window runs the test's
// OnWindow once it is on screen, from inside its modal loop; a window still open after
// five seconds is closed, so that a broken test fails instead of hanging.
class MessageWindow : public ::testing::Test {
protected:
  MessageWindow() : FPrevious(SetMessagePresenter(&FPresenter)) {
    Current = this;
    FTimer = SetTimer(nullptr, 0, 20, Tick);
    ParkPointer();
  }
  ~MessageWindow() override {
    KillTimer(nullptr, FTimer);
    SetMessagePresenter(FPrevious);
    Current = nullptr;
  }

  std::function<void(TFormMessageDialog&)> OnWindow;
  int WindowsSeen = 0;

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TFormMessageDialog* window = OpenMessageWindow();
    if (Current == nullptr || window == nullptr) return;
    if (window->Tag() == 0) {
      window->SetTag(static_cast<int>(GetTickCount()));
      ++Current->WindowsSeen;
      if (Current->OnWindow) Current->OnWindow(*window);
    } else if (GetTickCount() - static_cast<DWORD>(window->Tag()) > 5000) {
      PostMessageA(window->Handle(), WM_CLOSE, 0, 0);
    }
  }

  static inline MessageWindow* Current = nullptr;
  TMessageWindowPresenter FPresenter;
  TMessagePresenter* FPrevious;
  UINT_PTR FTimer;
};

struct TKindCase {
  uint8_t Kind;
  std::vector<std::string> Shown;
  std::string Focused;
  std::vector<std::pair<TDialogButton, uint8_t>> Answers;
};

const TKindCase kKinds[] = {
    {mtOk, {"ButtonOk Ok"}, "ButtonOk", {{dbOk, 0}}},
    {mtYesNo, {"ButtonYes Yes", "ButtonNo No"}, "ButtonNo", {{dbYes, 1}, {dbNo, 2}}},
    {mtYesCancel, {"ButtonYes Yes", "ButtonCancel Cancel"}, "ButtonCancel", {{dbYes, 1}, {dbCancel, 3}}},
    {mtYesNoAll,
     {"ButtonOk All yes", "ButtonYes Yes", "ButtonNo No", "ButtonCancel All no"},
     "ButtonCancel",
     {{dbYes, 1}, {dbNo, 2}, {dbOk, 4}, {dbCancel, 5}}},
    {mtFileExists,
     {"ButtonOk Skip", "ButtonYes Add number", "ButtonNo Overwrite", "ButtonCancel Cancel"},
     "ButtonCancel",
     {{dbYes, 6}, {dbNo, 7}, {dbOk, 8}, {dbCancel, 3}}},
    {mtList, {"ButtonOk Ok"}, "ButtonOk", {{dbOk, 0}}},
};

TEST_F(MessageWindow, EachKindShowsItsButtonsAndAnswersWithTheOneClicked) {
  for (const TKindCase& c : kKinds) {
    for (const auto& [button, answer] : c.Answers) {
      SCOPED_TRACE(std::to_string(c.Kind) + " " + std::to_string(button));
      std::vector<std::string> shown;
      std::string focused;
      OnWindow = [&, button = button](TFormMessageDialog& window) {
        shown = ShownButtons(window);
        focused = window.ActiveControl() != nullptr ? window.ActiveControl()->Name() : "";
        Click(Buttons(window)[button]);
      };
      EXPECT_EQ(ShowMessageDialog(c.Kind, "Question", "Text", nullptr), answer);
      EXPECT_EQ(shown, c.Shown);
      EXPECT_EQ(focused, c.Focused);
      EXPECT_EQ(MessageWindowCount(), 0);  // freed on return
    }
  }
  EXPECT_EQ(WindowsSeen, 14);
}

TEST_F(MessageWindow, WrappersAnswerAndAWindowClosedOtherwiseAnswers0) {
  OnWindow = [](TFormMessageDialog& window) { Click(window.ButtonYes); };
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), maYes);
  OnWindow = [](TFormMessageDialog& window) { Click(window.ButtonNo); };
  EXPECT_EQ(ShowMessageFileExists("c", "t", nullptr), maOverwrite);
  OnWindow = [](TFormMessageDialog& window) { PostMessageA(window.Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), 0);
  EXPECT_EQ(ShowMessageFileExists("c", "t", nullptr), 0);
  std::string caption;
  std::string text;
  OnWindow = [&](TFormMessageDialog& window) {
    caption = window.Caption();
    text = window.Memo->Text();
    Click(window.ButtonOk);
  };
  ShowMessageOk("Info", "Done.", nullptr);
  EXPECT_EQ(caption, "Info");
  EXPECT_EQ(text, "Done.");
  EXPECT_EQ(WindowsSeen, 5);
}

TEST_F(MessageWindow, TheTextSetsTheSizeAndKindsThreeAndFourTheirOwnWidth) {
  struct TSeen {
    TRect Bounds;
    TRect Memo;
    int ClientWidth = 0;
    int ClientHeight = 0;
    std::vector<TRect> Buttons;  // Ok, Yes, No, Cancel
  };
  std::vector<TSeen> seen;
  OnWindow = [&](TFormMessageDialog& window) {
    TSeen s{window.BoundsRect(), window.Memo->BoundsRect(), window.ClientWidth(), window.ClientHeight(), {}};
    for (TWinControl* button : Buttons(window)) s.Buttons.push_back(button->BoundsRect());
    seen.push_back(s);
    Click(window.ActiveControl());
  };
  ShowMessageOk("c", "short", nullptr);
  ShowMessageOk("c", std::string(60, 'x') + "\r\nsecond line", nullptr);
  ShowMessageOk("c", std::string(25, 'a') + " " + std::string(25, 'b'), nullptr);  // 51: wrapped
  ShowMessageDialog(mtYesNoAll, "c", std::string(100, 'x') + "\r\ny", nullptr);
  ShowMessageFileExists("c", "short", nullptr);
  ASSERT_EQ(seen.size(), 5u);

  const TSeen& designed = seen[0];
  EXPECT_EQ(designed.ClientWidth, 344);
  EXPECT_EQ(designed.ClientHeight, 110);
  EXPECT_EQ(designed.Memo, Bounds(8, 21, 330, 14));
  EXPECT_EQ(designed.Buttons[dbOk], Bounds(141, 77, 60, 23));

  EXPECT_EQ(seen[1].Bounds.Width(), 430);
  EXPECT_EQ(seen[1].Bounds.Height(), designed.Bounds.Height() + 15);
  EXPECT_EQ(seen[1].Memo.Height(), 14 + 15);  // the memo follows the window
  EXPECT_EQ(seen[1].Memo.Width(), 330 + 430 - designed.Bounds.Width());
  EXPECT_EQ(seen[1].Buttons[dbOk].Top, 77 + 15);  // the buttons stay at the bottom

  EXPECT_EQ(seen[2].Bounds.Width(), designed.Bounds.Width());
  EXPECT_EQ(seen[2].Bounds.Height(), designed.Bounds.Height() + 15);

  const TSeen& all = seen[3];
  EXPECT_EQ(all.Bounds.Width(), 440);
  EXPECT_EQ(all.Bounds.Height(), designed.Bounds.Height() + 15);
  EXPECT_EQ(all.Buttons[dbYes].Left, 44);
  EXPECT_EQ(all.Buttons[dbNo].Left, 118);
  EXPECT_EQ(all.Buttons[dbOk].Left, 193);
  EXPECT_EQ(all.Buttons[dbOk].Width(), 90);
  EXPECT_EQ(all.Buttons[dbCancel].Left, 297);
  EXPECT_EQ(all.Buttons[dbYes].Width(), 60);

  const TSeen& exists = seen[4];
  EXPECT_EQ(exists.Bounds.Width(), 550);
  EXPECT_EQ(exists.Buttons[dbYes], Bounds(26, 77, 130, 23));
  EXPECT_EQ(exists.Buttons[dbNo], Bounds(172, 77, 130, 23));
  EXPECT_EQ(exists.Buttons[dbOk], Bounds(319, 77, 90, 23));
  EXPECT_EQ(exists.Buttons[dbCancel], Bounds(426, 77, 90, 23));
}

TEST_F(MessageWindow, AListShowsInABorderedMemo) {
  TRect memo;
  bool bordered = false;
  bool scrollBar = true;
  TColor color = clNone;
  std::string text;
  OnWindow = [&](TFormMessageDialog& window) {
    memo = window.Memo->BoundsRect();
    bordered = window.Memo->BorderStyle() == bsSingle && window.Memo->Alignment() == taLeftJustify;
    scrollBar = (GetWindowLongA(window.Memo->Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
    color = window.Memo->Color();
    text = window.Memo->Text();
    Click(window.ButtonOk);
  };
  ShowMessageList("Report", "a.mp3\r\nb.mp3", nullptr);
  EXPECT_EQ(memo, Bounds(6, 8, 330, 45 + 15));
  EXPECT_TRUE(bordered);
  EXPECT_FALSE(scrollBar);  // every line has room
  EXPECT_EQ(color, clWindow);
  EXPECT_EQ(text, "a.mp3\r\nb.mp3");
}

TEST_F(MessageWindow, ALongReportFitsTheWorkAreaAndItsMemoScrolls) {
  const TSeamOverride workArea(Seams::WorkArea, [] { return Rect(40, 30, 840, 630); });
  TRect bounds;
  TRect client;
  TRect okButton;
  int lineCount = 0;
  int firstVisibleLine = 0;
  bool scrollBar = false;
  OnWindow = [&](TFormMessageDialog& window) {
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    bounds = FromRECT(r);
    client = window.ClientRect();
    okButton = window.ButtonOk->BoundsRect();
    HWND memo = window.Memo->Handle();
    scrollBar = (GetWindowLongA(memo, GWL_STYLE) & WS_VSCROLL) != 0;
    lineCount = static_cast<int>(SendMessageA(memo, EM_GETLINECOUNT, 0, 0));
    SendMessageA(memo, WM_VSCROLL, SB_BOTTOM, 0);
    firstVisibleLine = static_cast<int>(SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0));
    Click(window.ButtonOk);
  };
  ShowMessageList("Report", Lines(300), nullptr);
  EXPECT_EQ(WindowsSeen, 1);
  EXPECT_EQ(bounds.Height(), 600);
  EXPECT_GE(bounds.Left, 40);
  EXPECT_GE(bounds.Top, 30);
  EXPECT_LE(bounds.Right, 840);
  EXPECT_LE(bounds.Bottom, 630);
  EXPECT_LE(okButton.Bottom, client.Bottom);  // the buttons stay on screen
  EXPECT_GE(okButton.Top, client.Bottom - 40);
  EXPECT_TRUE(scrollBar);
  EXPECT_EQ(lineCount, 300);
  EXPECT_GT(firstVisibleLine, 250);
}

TEST_F(MessageWindow, IsCentredOnTheMainFormOrElseOnTheVirtualScreen) {
  TRect alone;
  OnWindow = [&](TFormMessageDialog& window) {
    alone = window.BoundsRect();
    Click(window.ButtonOk);
  };
  ShowMessageOk("c", "t", nullptr);
  EXPECT_EQ(alone.Left, GetSystemMetrics(SM_CXVIRTUALSCREEN) / 2 - alone.Width() / 2);
  EXPECT_EQ(alone.Top, GetSystemMetrics(SM_CYVIRTUALSCREEN) / 2 - alone.Height() / 2);

  TForm* mainForm = nullptr;
  Application->CreateForm(mainForm);
  ASSERT_EQ(Application->MainForm(), mainForm);
  mainForm->SetBounds(101, 80, 601, 401);
  mainForm->Show();
  TRect owned;
  TComponent* owner = nullptr;
  bool mainFormEnabled = true;
  OnWindow = [&](TFormMessageDialog& window) {
    owned = window.BoundsRect();
    owner = window.Owner();
    mainFormEnabled = IsWindowEnabled(mainForm->Handle());
    Click(window.ButtonOk);
  };
  ShowMessageOk("c", "t", nullptr);
  EXPECT_EQ(owner, mainForm);
  EXPECT_FALSE(mainFormEnabled);
  EXPECT_TRUE(IsWindowEnabled(mainForm->Handle()));
  EXPECT_EQ(owned.Left, 101 + 601 / 2 - owned.Width() / 2);
  EXPECT_EQ(owned.Top, 80 + 401 / 2 - owned.Height() / 2);
  EXPECT_EQ(mainForm->ComponentCount(), 0);  // the window went
  mainForm->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(MessageWindow, ARequestWhileAMessageIsOpenShowsNothingAndAnswers0) {
  int nestedAnswer = 99;
  int windowsMeanwhile = 0;
  OnWindow = [&](TFormMessageDialog& window) {
    if (window.Caption() != "outer") return;
    nestedAnswer = ShowMessageYesNo("nested", "t", nullptr);
    windowsMeanwhile = MessageWindowCount();
    Click(window.ButtonYes);
  };
  EXPECT_EQ(ShowMessageYesNo("outer", "t", nullptr), maYes);
  EXPECT_EQ(nestedAnswer, 0);
  EXPECT_EQ(windowsMeanwhile, 1);
  EXPECT_EQ(WindowsSeen, 1);
  EXPECT_EQ(MessageDialogForm, nullptr);
}

}  // namespace
