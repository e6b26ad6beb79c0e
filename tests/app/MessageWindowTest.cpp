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

// The message windows that exist, and the one on screen.
std::vector<TFormMessageDialog*> MessageWindows() {
  std::vector<TFormMessageDialog*> windows;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (auto* window = dynamic_cast<TFormMessageDialog*>(Screen->Forms(i))) windows.push_back(window);
  return windows;
}
TFormMessageDialog* OpenMessageWindow() {
  for (TFormMessageDialog* window : MessageWindows())
    if (window->HandleAllocated() && IsWindowVisible(window->Handle())) return window;
  return nullptr;
}

void Click(TWinControl* button) {
  PostMouse(button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(button, WM_LBUTTONUP, 5, 5);
}

// The window's buttons by TDialogButton: Ok, Yes, No, Cancel.
std::array<TWinControl*, 4> Buttons(const TFormMessageDialog& window) {
  return {window.ButtonOk, window.ButtonYes, window.ButtonNo, window.ButtonCancel};
}

// Every message of a test is shown in the message window. Each window runs the test's
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
  std::vector<std::string> Shown;  // "name caption", in the order Ok, Yes, No, Cancel
  std::string Focused;
  std::vector<std::pair<int, uint8_t>> Answers;  // by button; -1 closes the window
};

const TKindCase kKinds[] = {
    {mtOk, {"ButtonOk Ok"}, "ButtonOk", {{dbOk, 0}, {-1, 0}}},
    {mtYesNo, {"ButtonYes Yes", "ButtonNo No"}, "ButtonNo", {{dbYes, 1}, {dbNo, 2}, {-1, 0}}},
    {mtYesCancel, {"ButtonYes Yes", "ButtonCancel Cancel"}, "ButtonCancel", {{dbYes, 1}, {dbCancel, 3}}},
    {mtYesNoAll,
     {"ButtonOk All yes", "ButtonYes Yes", "ButtonNo No", "ButtonCancel All no"},
     "ButtonCancel",
     {{dbYes, 1}, {dbNo, 2}, {dbOk, 4}, {dbCancel, 5}}},
    {mtFileExists,
     {"ButtonOk Skip", "ButtonYes Add number", "ButtonNo Overwrite", "ButtonCancel Cancel"},
     "ButtonCancel",
     {{dbYes, 6}, {dbNo, 7}, {dbOk, 8}, {dbCancel, 3}, {-1, 0}}},
    {mtList, {"ButtonOk Ok"}, "ButtonOk", {{dbOk, 0}}},
};

TEST_F(MessageWindow, EachKindShowsItsButtonsAndAnswersWithTheOneClicked) {
  int shownCount = 0;
  for (const TKindCase& c : kKinds) {
    for (const auto& [button, answer] : c.Answers) {
      SCOPED_TRACE(std::to_string(c.Kind) + " " + std::to_string(button));
      std::vector<std::string> shown;
      std::string focused, caption, text;
      OnWindow = [&, button = button](TFormMessageDialog& window) {
        for (TWinControl* b : Buttons(window))
          if (b->Visible() && IsWindowVisible(b->Handle())) shown.push_back(b->Name() + " " + b->Caption());
        focused = window.ActiveControl() != nullptr ? window.ActiveControl()->Name() : "";
        caption = window.Caption();
        text = window.Memo->Text();
        if (button < 0)
          PostMessageA(window.Handle(), WM_CLOSE, 0, 0);
        else
          Click(Buttons(window)[button]);
      };
      EXPECT_EQ(ShowMessageDialog(c.Kind, "Question", "Text", nullptr), answer);
      EXPECT_EQ(shown, c.Shown);
      EXPECT_EQ(focused, c.Focused);
      EXPECT_EQ(caption + " / " + text, "Question / Text");
      EXPECT_TRUE(MessageWindows().empty());  // freed on return
      ++shownCount;
    }
  }
  EXPECT_EQ(WindowsSeen, shownCount);
}

TEST_F(MessageWindow, TheTextSetsTheSizeAndKindsThreeAndFourTheirOwnWidth) {
  struct TSeen {
    TRect Bounds, Memo;
    std::vector<TRect> Buttons;  // Ok, Yes, No, Cancel
  };
  std::vector<TSeen> seen;
  OnWindow = [&](TFormMessageDialog& window) {
    seen.push_back({window.BoundsRect(), window.Memo->BoundsRect(), {}});
    for (TWinControl* button : Buttons(window)) seen.back().Buttons.push_back(button->BoundsRect());
    Click(window.ActiveControl());
  };
  ShowMessageOk("c", "short", nullptr);
  ShowMessageOk("c", std::string(60, 'x') + "\r\nsecond line", nullptr);
  ShowMessageOk("c", std::string(25, 'a') + " " + std::string(25, 'b'), nullptr);  // 51: wrapped
  ShowMessageDialog(mtYesNoAll, "c", std::string(100, 'x') + "\r\ny", nullptr);
  ShowMessageFileExists("c", "short", nullptr);
  ASSERT_EQ(seen.size(), 5u);
  const TSeen& designed = seen[0];
  EXPECT_EQ(designed.Memo, Bounds(8, 21, 330, 14));
  EXPECT_EQ(designed.Buttons[dbOk], Bounds(141, 77, 60, 23));
  EXPECT_EQ(seen[1].Bounds.Width(), 430);
  EXPECT_EQ(seen[1].Bounds.Height(), designed.Bounds.Height() + 15);
  EXPECT_EQ(seen[1].Memo, Bounds(8, 21, 330 + 430 - designed.Bounds.Width(), 14 + 15));
  EXPECT_EQ(seen[1].Buttons[dbOk].Top, 77 + 15);  // the buttons stay at the bottom
  EXPECT_EQ(seen[2].Bounds, Bounds(seen[2].Bounds.Left, seen[2].Bounds.Top, designed.Bounds.Width(),
                                   designed.Bounds.Height() + 15));
  EXPECT_EQ(seen[3].Bounds.Width(), 440);
  EXPECT_EQ(seen[3].Buttons[dbOk], Bounds(193, 77 + 15, 90, 23));
  EXPECT_EQ(seen[4].Bounds.Width(), 550);
  EXPECT_EQ(seen[4].Buttons[dbYes], Bounds(26, 77, 130, 23));
  EXPECT_EQ(seen[4].Buttons[dbCancel], Bounds(426, 77, 90, 23));
}

TEST_F(MessageWindow, AListShowsInABorderedMemoAndALongOneScrollsWithinTheWorkArea) {
  TRect (*savedWorkArea)() = Seams::WorkArea;
  Seams::WorkArea = [] { return Rect(40, 30, 840, 630); };
  struct TSeen {
    TRect Bounds, Memo, Client, Ok;
    bool Bordered, ScrollBar;
    int Lines, FirstVisibleLine;
  };
  std::vector<TSeen> seen;
  OnWindow = [&](TFormMessageDialog& window) {
    HWND memo = window.Memo->Handle();
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    SendMessageA(memo, WM_VSCROLL, SB_BOTTOM, 0);
    seen.push_back({FromRECT(r), window.Memo->BoundsRect(), window.ClientRect(), window.ButtonOk->BoundsRect(),
                    window.Memo->BorderStyle() == bsSingle && window.Memo->Alignment() == taLeftJustify &&
                        window.Memo->Color() == clWindow,
                    (GetWindowLongA(memo, GWL_STYLE) & WS_VSCROLL) != 0,
                    static_cast<int>(SendMessageA(memo, EM_GETLINECOUNT, 0, 0)),
                    static_cast<int>(SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0))});
    Click(window.ButtonOk);
  };
  ShowMessageList("Report", "a.mp3\r\nb.mp3", nullptr);
  std::string lines;
  for (int i = 1; i <= 300; ++i) lines += "Line " + std::to_string(i) + "\r\n";
  ShowMessageList("Report", lines.substr(0, lines.size() - 2), nullptr);
  Seams::WorkArea = savedWorkArea;
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].Memo, Bounds(6, 8, 330, 45 + 15));
  EXPECT_TRUE(seen[0].Bordered);
  EXPECT_FALSE(seen[0].ScrollBar);  // every line has room
  const TSeen& report = seen[1];
  EXPECT_EQ(report.Bounds.Height(), 600);
  EXPECT_TRUE(report.Bounds.Left >= 40 && report.Bounds.Top >= 30 && report.Bounds.Right <= 840 &&
              report.Bounds.Bottom <= 630);
  EXPECT_LE(report.Ok.Bottom, report.Client.Bottom);  // the buttons stay on screen
  EXPECT_GE(report.Ok.Top, report.Client.Bottom - 40);
  EXPECT_TRUE(report.ScrollBar);
  EXPECT_EQ(report.Lines, 300);
  EXPECT_GT(report.FirstVisibleLine, 250);
}

TEST_F(MessageWindow, IsCentredOnTheMainFormOrElseOnTheVirtualScreen) {
  TRect bounds;
  TComponent* owner = nullptr;
  bool mainFormEnabled = true;
  TForm* mainForm = nullptr;
  OnWindow = [&](TFormMessageDialog& window) {
    bounds = window.BoundsRect();
    owner = window.Owner();
    mainFormEnabled = mainForm != nullptr && IsWindowEnabled(mainForm->Handle());
    Click(window.ButtonOk);
  };
  ShowMessageOk("c", "t", nullptr);
  EXPECT_EQ(bounds.Left, GetSystemMetrics(SM_CXVIRTUALSCREEN) / 2 - bounds.Width() / 2);
  EXPECT_EQ(bounds.Top, GetSystemMetrics(SM_CYVIRTUALSCREEN) / 2 - bounds.Height() / 2);

  Application->CreateForm(mainForm);
  mainForm->SetBounds(101, 80, 601, 401);
  mainForm->Show();
  ShowMessageOk("c", "t", nullptr);
  EXPECT_EQ(owner, mainForm);
  EXPECT_FALSE(mainFormEnabled);  // modal over it
  EXPECT_TRUE(IsWindowEnabled(mainForm->Handle()));
  EXPECT_EQ(bounds.Left, 101 + 601 / 2 - bounds.Width() / 2);
  EXPECT_EQ(bounds.Top, 80 + 401 / 2 - bounds.Height() / 2);
  EXPECT_EQ(mainForm->ComponentCount(), 0);  // the window went
  mainForm->Free();
}

TEST_F(MessageWindow, ARequestWhileAMessageIsOpenShowsNothingAndAnswers0) {
  int nestedAnswer = 99;
  size_t windowsMeanwhile = 0;
  OnWindow = [&](TFormMessageDialog& window) {
    nestedAnswer = ShowMessageYesNo("nested", "t", nullptr);
    windowsMeanwhile = MessageWindows().size();
    Click(window.ButtonYes);
  };
  EXPECT_EQ(ShowMessageYesNo("outer", "t", nullptr), maYes);
  EXPECT_EQ(nestedAnswer, 0);
  EXPECT_EQ(windowsMeanwhile, 1u);
  EXPECT_EQ(WindowsSeen, 1);
  EXPECT_EQ(MessageDialogForm, nullptr);
}

}  // namespace
