// The tray icon under Wine, its shell calls seen through the tray-icon seam: the record it
// hands over, clicks resolved on the click timer, icons of its list, the shell's restart,
// and a skinned window that minimizes to it and comes back by its tray menu and by a
// double-click. The window is the application's main form, so the program runs alone.
#include "FrameTestKit.h"

#include "skin/form/TrayIcon.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

#include "classlib/ImageList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TShellCall {
  DWORD Message;
  NOTIFYICONDATAA Data;
  std::string Tip() const { return Data.szTip; }
};
std::vector<TShellCall> ShellCalls;

bool RecordShellCall(DWORD Message, NOTIFYICONDATAA* Data) {
  ShellCalls.push_back({Message, *Data});
  return true;
}

constexpr TPoint Pointer{640, 500};
TPoint PointerAt() { return Pointer; }

// What the tray icon's events report.
struct TTrayLog {
  void Click(TObject*) { Events.push_back("click"); }
  void DblClick(TObject*) { Events.push_back("double-click"); }
  void Press(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    Events.push_back("press " + std::to_string(Button) + (Shift.Contains(ssLeft) ? " left" : "") + " at " +
                     std::to_string(X) + "," + std::to_string(Y));
  }
  void Cycle(TObject*, int NextIndex) { Events.push_back("cycle to " + std::to_string(NextIndex)); }
  void Minimized(TObject*) { Events.push_back("to the tray"); }
  std::vector<std::string> Events;
};

class TrayIcon : public ::testing::Test {
 protected:
  TrayIcon() {
    ShellCalls.clear();
    icon = new TspTrayIcon(window.Form());
  }
  // The shell reports a mouse message on the icon.
  void Notify(UINT MouseMessage) {
    SendMessageA(icon->Handle(), TspTrayIcon::CallbackMessage, TrayIconId, MouseMessage);
  }
  void TimeUp() { SendMessageA(icon->ClickTimer()->Handle(), WM_TIMER, 1, 0); }
  // The colour in the middle of the icon shown.
  TColor IconColour() const {
    TPixelDC dc(16, 16);
    DrawIconEx(dc.DC(), 0, 0, icon->Icon()->Handle(), 16, 16, 0, nullptr, DI_NORMAL);
    return dc.Pixel(8, 8);
  }
  DWORD LastShellCall() const { return ShellCalls.empty() ? DWORD(-1) : ShellCalls.back().Message; }

  static constexpr WPARAM TrayIconId = 1;
  TSeamOverride<bool(DWORD, NOTIFYICONDATAA*)> shell{Seams::NotifyIcon, RecordShellCall};
  TSeamOverride<TPoint()> pointer{Seams::CursorPos, PointerAt};
  TFrameWindow window{{100, 100, 500, 240}, true};
  TspTrayIcon* icon;
  TTrayLog log;
};

TEST_F(TrayIcon, TheShellGetsThe488ByteRecordWithTheHintCutTo127Characters) {
  icon->SetHint(std::string(127, 'h') + std::string(73, 'x'));
  ASSERT_EQ(LastShellCall(), DWORD(NIM_MODIFY));
  const NOTIFYICONDATAA& data = ShellCalls.back().Data;
  EXPECT_EQ(data.cbSize, 488U);
  EXPECT_EQ(data.hWnd, icon->Handle());
  EXPECT_EQ(data.uID, 1U);
  EXPECT_EQ(data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(data.uCallbackMessage, 0x800U);
  EXPECT_EQ(ShellCalls.back().Tip(), std::string(127, 'h'));
  icon->SetShowHint(false);
  EXPECT_EQ(ShellCalls.back().Tip(), "");

  icon->SetIconVisible(true);
  EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
  icon->SetIconVisible(false);
  EXPECT_EQ(LastShellCall(), DWORD(NIM_DELETE));
  EXPECT_FALSE(icon->IconVisible());
}

TEST_F(TrayIcon, AClickFiresOnceTheDoubleClickTimeIsOverAndADoubleClickOnlyAsOne) {
  icon->OnClick = Event(&log, &TTrayLog::Click);
  icon->OnDblClick = Event(&log, &TTrayLog::DblClick);
  icon->OnMouseDown = Event(&log, &TTrayLog::Press);
  EXPECT_EQ(icon->ClickTimer()->Interval(), GetDoubleClickTime());
  Notify(WM_LBUTTONDOWN);
  Notify(WM_LBUTTONUP);
  EXPECT_EQ(log.Events, std::vector<std::string>{"press 0 left at 640,500"});
  EXPECT_TRUE(icon->ClickTimer()->Enabled());
  TimeUp();
  EXPECT_EQ(log.Events, (std::vector<std::string>{"press 0 left at 640,500", "click"}));
  EXPECT_FALSE(icon->ClickTimer()->Enabled());

  log.Events.clear();
  icon->OnMouseDown = nullptr;
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Notify(message);
  TimeUp();
  EXPECT_EQ(log.Events, std::vector<std::string>{"double-click"});

  // Disabled, the shell's notifications go unheard.
  log.Events.clear();
  icon->SetEnabled(false);
  Notify(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(log.Events.empty());
}

TEST_F(TrayIcon, AVisibleIconComesBackWhenTheShellStartsAgain) {
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  icon->SetIconVisible(true);
  ShellCalls.clear();
  SendMessageA(Application->Handle(), taskbarCreated, 0, 0);
  EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
  icon->SetIconVisible(false);
  ShellCalls.clear();
  SendMessageA(Application->Handle(), taskbarCreated, 0, 0);
  EXPECT_TRUE(ShellCalls.empty());
}

TEST_F(TrayIcon, TheIconIndexStaysInItsListAndCyclesThroughIt) {
  // Without a list there is nothing to choose: the index is 0 and the icon stays.
  const HICON own = icon->Icon()->Handle();
  icon->SetIconIndex(3);
  EXPECT_EQ(icon->IconIndex(), 0);
  EXPECT_EQ(icon->Icon()->Handle(), own);

  auto* list = new TImageList(window.Form());
  for (TColor colour : {clRed, clLime, clBlue}) {
    TBitmap image;
    image.SetSize(16, 16);
    image.Canvas()->Brush()->SetColor(colour);
    image.Canvas()->FillRect(Rect(0, 0, 16, 16));
    list->Add(&image, nullptr);
  }
  icon->SetIconList(list);
  icon->SetIconIndex(7);
  EXPECT_EQ(icon->IconIndex(), 2);
  EXPECT_EQ(IconColour(), RGBColor(0, 0, 255));  // the last one
  EXPECT_EQ(ShellCalls.back().Data.hIcon, icon->Icon()->Handle());

  icon->OnCycle = Event(&log, &TTrayLog::Cycle);
  icon->SetCycleIcons(true);
  EXPECT_EQ(icon->IconIndex(), 0);
  EXPECT_TRUE(icon->CycleTimer()->Enabled());
  for (int i = 0; i < 3; ++i) SendMessageA(icon->CycleTimer()->Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(log.Events, (std::vector<std::string>{"cycle to 1", "cycle to 2", "cycle to 0"}));
  EXPECT_EQ(icon->IconIndex(), 0);
  EXPECT_EQ(LastShellCall(), DWORD(NIM_MODIFY));

  // The list going takes the reference with it.
  list->Free();
  EXPECT_EQ(icon->IconList(), nullptr);
  SendMessageA(icon->CycleTimer()->Handle(), WM_TIMER, 1, 0);
}

TEST_F(TrayIcon, GoingGivesTheApplicationAndOwnerWindowsTheirProceduresBack) {
  icon->Free();
  const LONG_PTR applicationProc = GetWindowLongPtrA(Application->Handle(), GWLP_WNDPROC);
  const TWndMethod ownerProc = window.Form()->WindowProc;
  EXPECT_EQ(ownerProc, Event(window.Frame(), &TspDynamicSkinForm::NewWndProc));
  icon = new TspTrayIcon(window.Form());
  EXPECT_NE(GetWindowLongPtrA(Application->Handle(), GWLP_WNDPROC), applicationProc);
  icon->SetIconVisible(true);
  ShellCalls.clear();
  icon->Free();
  icon = nullptr;
  EXPECT_EQ(LastShellCall(), DWORD(NIM_DELETE));
  EXPECT_EQ(GetWindowLongPtrA(Application->Handle(), GWLP_WNDPROC), applicationProc);
  EXPECT_EQ(window.Form()->WindowProc, ownerProc);
}

TEST_F(TrayIcon, StartingMinimizedKeepsTheApplicationInTheTray) {
  icon->SetMinimizedOnStart(true);
  icon->SetIconVisible(false);
  icon->Loaded();  // as the form reader calls it
  EXPECT_TRUE(icon->IconVisible());
  EXPECT_TRUE(icon->MinimizeToTray());
  EXPECT_FALSE(Application->ShowMainForm);
  EXPECT_FALSE(IsWindowVisible(Application->Handle()));
  EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
  Application->ShowMainForm = true;
}

TEST_F(TrayIcon, ALeftPressCanOpenTheMenuAndADoubleClickRunsItsDefaultItem) {
  auto* menu = new TspSkinPopupMenu(window.Form());
  auto* item = new TMenuItem(menu);
  item->SetCaption("&Open");
  menu->Items()->Add(item);
  icon->SetPopupMenu(menu);
  int opened = 0, clicked = 0;
  struct TCount {
    int& Count;
    void Add(TObject*) { ++Count; }
  } opens{opened}, clicks{clicked};
  menu->OnPopup = Event(&opens, &TCount::Add);
  item->OnClick = Event(&clicks, &TCount::Add);
  Notify(WM_LBUTTONDOWN);
  Notify(WM_LBUTTONDBLCLK);
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(clicked, 0);  // no default item
  item->SetDefault(true);
  Notify(WM_LBUTTONDBLCLK);
  EXPECT_EQ(clicked, 1);
  icon->SetPopupByLeftButton(true);
  Notify(WM_LBUTTONDOWN);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(menu->PopupComponent(), icon);
  Notify(WM_LBUTTONDBLCLK);
  EXPECT_EQ(clicked, 1);  // a menu of the left button has no default action
}

TEST_F(TrayIcon, ShowingTheMainFormBringsAMinimizedOneBackNormal) {
  TForm* form = window.Form();
  form->Show();
  icon->HideMainForm();
  EXPECT_FALSE(form->Visible());
  form->SetWindowState(wsMinimized);
  icon->ShowMainForm();
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->WindowState(), wsNormal);
}

class TrayWindow : public TrayIcon {
 protected:
  TrayWindow() {
    window.Load("flatframe");
    window.Show();
    window.Frame()->SetTrayIcon(icon);
    window.Frame()->OnMinimizeToTray = Event(&log, &TTrayLog::Minimized);
  }
  bool WindowShown() const { return IsWindowVisible(window.Form()->Handle()) != FALSE; }
  void MinimizeToTray() {
    ShellCalls.clear();
    window.Frame()->MinimizeToTray();
    PumpFor(20);
  }
  // A key as the system would queue it while the tray menu is open.
  void Key(uint16_t Key) {
    PostMessageA(icon->Handle(), WM_KEYDOWN, Key, 0);
    PumpFor(10);
  }
};

TEST_F(TrayWindow, TheWindowGoesToTheTrayAndComesBackFromItsTrayMenu) {
  EXPECT_EQ(LastShellCall(), DWORD(NIM_DELETE));  // hidden until the window goes there
  EXPECT_EQ(icon->PopupMenu(), window.Frame()->TrayMenu());
  MinimizeToTray();
  EXPECT_FALSE(WindowShown());
  EXPECT_TRUE(icon->IconVisible());
  EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
  EXPECT_EQ(log.Events, std::vector<std::string>{"to the tray"});

  // A right click on the icon opens the skinned tray menu at the pointer; "&Restore"
  // brings the window back.
  Notify(WM_RBUTTONDOWN);
  ASSERT_TRUE(window.Frame()->SkinMenu()->Active());
  EXPECT_EQ(window.Frame()->TrayMenu()->PopupPoint(), Pointer);
  Key('R');
  EXPECT_FALSE(window.Frame()->SkinMenu()->Active());
  EXPECT_TRUE(WindowShown());
  EXPECT_FALSE(icon->IconVisible());
  EXPECT_EQ(LastShellCall(), DWORD(NIM_DELETE));
}

TEST_F(TrayWindow, ADoubleClickOnTheIconBringsTheWindowBack) {
  window.Frame()->SetAlwaysShowInTray(true);
  MinimizeToTray();
  ASSERT_FALSE(WindowShown());
  Notify(WM_LBUTTONDOWN);
  Notify(WM_LBUTTONUP);
  Notify(WM_LBUTTONDBLCLK);
  PumpFor(20);
  EXPECT_TRUE(WindowShown());
  EXPECT_TRUE(icon->IconVisible());  // AlwaysShowInTray keeps it
  EXPECT_FALSE(icon->MinimizeToTray());
}

TEST_F(TrayWindow, TheTrayCaptionButtonMinimizesToTheTray) {
  window.Frame()->SetBorderIcons({TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimizeToTray});
  TspActiveSkinObject* button = window.Frame()->StdButtonObject(cmminimizetotray);
  ASSERT_NE(button, nullptr);
  ShellCalls.clear();
  const TPoint at = Centre(button->ObjectRect);
  window.Frame()->SetForceActive(true);
  window.PostMouse(WM_NCLBUTTONDOWN, at);
  window.PostMouse(WM_LBUTTONUP, at);
  PumpFor(20);
  EXPECT_FALSE(WindowShown());
  EXPECT_EQ(LastShellCall(), DWORD(NIM_ADD));
}

}  // namespace
