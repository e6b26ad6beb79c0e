// The tray icon under Wine, its shell calls seen through the tray-icon seam: the record it
// hands over, clicks resolved on the click timer, icons of its list, the shell's restart,
// and a skinned window that minimizes to it and comes back by its tray menu and by a
// double-click. The window is the application's main form, so the program runs alone.
#include "FrameTestKit.h"

#include "skin/form/FrameMessages.h"
#include "skin/form/TrayIcon.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

#include "classlib/ImageList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::pair<DWORD, NOTIFYICONDATAA>> ShellCalls;

bool RecordShellCall(DWORD Message, NOTIFYICONDATAA* Data) {
  ShellCalls.emplace_back(Message, *Data);
  return true;
}

constexpr TPoint Pointer{640, 500};
TPoint PointerAt() { return Pointer; }

struct TTrayLog {
  void Click(TObject*) { Events.push_back("click"); }
  void DblClick(TObject*) { Events.push_back("double-click"); }
  void Cycle(TObject*, int NextIndex) { Events.push_back("cycle to " + std::to_string(NextIndex)); }
  std::vector<std::string> Events;
};

class TrayIcon : public ::testing::Test {
 protected:
  TrayIcon() {
    ShellCalls.clear();
    icon = new TspTrayIcon(window.Form());
  }
  // The shell reports a mouse message on the icon.
  void Notify(UINT MouseMessage) { SendMessageA(icon->Handle(), TspTrayIcon::CallbackMessage, 1, MouseMessage); }
  static DWORD LastShellCall() { return ShellCalls.empty() ? DWORD(-1) : ShellCalls.back().first; }

  TSeamOverride<bool(DWORD, NOTIFYICONDATAA*)> shell{Seams::NotifyIcon, RecordShellCall};
  TSeamOverride<TPoint()> pointer{Seams::CursorPos, PointerAt};
  TFrameWindow window{{100, 100, 500, 240}, true};
  TspTrayIcon* icon;
  TTrayLog log;
};

TEST_F(TrayIcon, TheShellGetsThe488ByteRecordWithTheHintCutTo127Characters) {
  icon->SetHint(std::string(127, 'h') + std::string(73, 'x'));
  ASSERT_EQ(LastShellCall(), DWORD(NIM_MODIFY));
  const NOTIFYICONDATAA& data = ShellCalls.back().second;
  EXPECT_EQ(data.cbSize, 488U);
  EXPECT_EQ(data.hWnd, icon->Handle());
  EXPECT_EQ(data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(data.uCallbackMessage, 0x800U);
  EXPECT_EQ(std::string(data.szTip), std::string(127, 'h'));
  icon->SetIconVisible(true);
  EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
  // The shell started again: a visible icon is added anew.
  ShellCalls.clear();
  SendMessageA(Application->Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
  // Freed, it takes its icon away and gives the application window its procedure back.
  icon->Free();
  EXPECT_EQ(LastShellCall(), DWORD(NIM_DELETE));
  EXPECT_EQ(window.Form()->WindowProc, Event(window.Frame(), &TspDynamicSkinForm::NewWndProc));
  ShellCalls.clear();
  SendMessageA(Application->Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(ShellCalls.empty());
}

TEST_F(TrayIcon, AClickFiresOnceTheDoubleClickTimeIsOverAndADoubleClickOnlyAsOne) {
  icon->OnClick = Event(&log, &TTrayLog::Click);
  icon->OnDblClick = Event(&log, &TTrayLog::DblClick);
  const auto timeUp = [this] { SendMessageA(icon->ClickTimer()->Handle(), WM_TIMER, 1, 0); };
  EXPECT_EQ(icon->ClickTimer()->Interval(), GetDoubleClickTime());
  Notify(WM_LBUTTONDOWN);
  Notify(WM_LBUTTONUP);
  EXPECT_TRUE(log.Events.empty());
  timeUp();
  EXPECT_EQ(log.Events, std::vector<std::string>{"click"});
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Notify(message);
  timeUp();
  EXPECT_EQ(log.Events, (std::vector<std::string>{"click", "double-click"}));
}

TEST_F(TrayIcon, TheIconIndexStaysInItsListAndCyclesThroughIt) {
  // Without a list there is nothing to choose: the index is 0 and the icon stays.
  const HICON own = icon->Icon()->Handle();
  icon->SetIconIndex(3);
  EXPECT_EQ(icon->IconIndex(), 0);
  EXPECT_EQ(icon->Icon()->Handle(), own);
  // Cycling without a list still tells OnCycle (of index 0) and hands the icon over again.
  icon->OnCycle = Event(&log, &TTrayLog::Cycle);
  icon->SetCycleIcons(true);
  ShellCalls.clear();
  SendMessageA(icon->CycleTimer()->Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(log.Events, std::vector<std::string>{"cycle to 0"});
  EXPECT_EQ(LastShellCall(), DWORD(NIM_MODIFY));
  EXPECT_EQ(icon->IconIndex(), 0);
  EXPECT_EQ(icon->Icon()->Handle(), own);
  icon->SetCycleIcons(false);
  log.Events.clear();
  auto* list = new TImageList(window.Form());
  TBitmap image;
  image.SetSize(48, 16);
  list->Add(&image, nullptr);  // three icons
  icon->SetIconList(list);
  icon->SetIconIndex(7);
  EXPECT_EQ(icon->IconIndex(), 2);
  icon->SetCycleIcons(true);
  for (int i = 0; i < 3; ++i) SendMessageA(icon->CycleTimer()->Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"cycle to 1", "cycle to 2", "cycle to 0"}));
  EXPECT_EQ(ShellCalls.back().second.hIcon, icon->Icon()->Handle());
}

class TrayWindow : public TrayIcon {
 protected:
  TrayWindow() {
    window.Load("flatframe");
    window.Show();
    window.Frame()->SetTrayIcon(icon);
  }
  bool WindowShown() const { return IsWindowVisible(window.Form()->Handle()) != FALSE; }
  void ExpectInTray() {
    PumpFor(20);
    EXPECT_FALSE(WindowShown());
    EXPECT_TRUE(icon->IconVisible());
    EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
  }
};

TEST_F(TrayWindow, TheWindowGoesToTheTrayAndComesBackFromItsTrayMenu) {
  EXPECT_FALSE(icon->IconVisible());  // hidden until the window goes there
  EXPECT_EQ(icon->PopupMenu(), window.Frame()->TrayMenu());
  window.Frame()->MinimizeToTray();
  ExpectInTray();
  // A right click on the icon opens the skinned tray menu at the pointer; "&Restore"
  // brings the window back, as a key while the menu is open.
  Notify(WM_RBUTTONDOWN);
  ASSERT_TRUE(window.Frame()->SkinMenu()->Active());
  EXPECT_EQ(window.Frame()->TrayMenu()->PopupPoint(), Pointer);
  PostMessageA(icon->Handle(), WM_KEYDOWN, 'R', 0);
  PumpFor(10);
  EXPECT_FALSE(window.Frame()->SkinMenu()->Active());
  EXPECT_TRUE(WindowShown());
  EXPECT_FALSE(icon->IconVisible());
  EXPECT_EQ(LastShellCall(), DWORD(NIM_DELETE));
}

TEST_F(TrayWindow, TheTrayButtonSendsTheWindowThereAndADoubleClickBringsItBack) {
  window.Frame()->SetAlwaysShowInTray(true);
  window.Frame()->SetBorderIcons({TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimizeToTray});
  window.Frame()->SetForceActive(true);
  const TPoint button = Centre(window.Frame()->StdButtonObject(cmminimizetotray)->ObjectRect);
  window.PostMouse(WM_NCLBUTTONDOWN, button);
  window.PostMouse(WM_LBUTTONUP, button);
  ExpectInTray();
  Notify(WM_LBUTTONDBLCLK);
  PumpFor(20);
  EXPECT_TRUE(WindowShown());
  EXPECT_TRUE(icon->IconVisible());  // AlwaysShowInTray keeps it
}

}  // namespace

// The frame takes the form's procedure over first, the tray icon after it. Whichever goes
// first, what stays calls nothing of what went, and the form ends with its own procedure.
TEST(TrayIconHook, TheFormsProcedureChainOutlivesTheFrameAndTheIconInEitherOrder) {
  TSeamOverride<bool(DWORD, NOTIFYICONDATAA*)> shell{Seams::NotifyIcon, RecordShellCall};
  for (const bool frameFirst : {true, false}) {
    SCOPED_TRACE(frameFirst ? "frame first" : "icon first");
    auto* form = new TForm(Application);
    const TWndMethod own = form->WindowProc;
    auto* frame = new TspDynamicSkinForm(form);
    auto* icon = new TspTrayIcon(form);
    if (frameFirst)
      frame->Free();
    else
      icon->Free();
    // A message still goes through whatever is left, down to the form's own handling.
    EXPECT_EQ(form->Perform(SP_QUERY_SKIN_STATE, 0, 0), frameFirst ? 0 : 12853);
    EXPECT_EQ(form->Perform(WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(form->Caption().size()));
    if (frameFirst)
      icon->Free();
    else
      frame->Free();
    EXPECT_TRUE(form->WindowProc == own);
    form->Free();
  }
}
