// Skinned MDI forms under Wine: a main form with a menu bar and a tabs bar and skinned
// children that open, tab, maximize into the main form (their buttons on the bar, their
// caption after the main form's), restore, minimize and close; the tabs bar's clicks,
// drags and close buttons; and a frame that goes leaving the MDI client as it was.
#include "FrameTestKit.h"

#include "skin/form/SkinMDITabsBar.h"
#include "skin/form/SkinMainMenuBar.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuSpeedButton.h"
#include "skin/menus/SkinPopupMenu.h"

#include "skin/controls/WindowProcHook.h"

#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/SkinViewData.h"

#include "Screenshot.h"

#include "classlib/Memo.h"

#include <gtest/gtest.h>

namespace {

// An MDI main form (the application's main form) with a main menu whose "Window" item
// lists the children, on a skinned menu bar, and a tabs bar below it.
class TMDIWindow {
public:
  explicit TMDIWindow(const std::string& SkinName) {
    Application->CreateForm(FMain);
    FMain->SetFormStyle(fsMDIForm);
    FMain->SetBounds(40, 40, 560, 400);
    FMain->SetCaption("Main");
    LoadTestSkin(FStored, SkinName);
    FData = new TspSkinData(FMain);
    FData->LoadCompressedStoredSkin(&FStored);
    FFrame = new TspDynamicSkinForm(FMain);
    FMenu = new TMainMenu(FMain);
    FFile = NewItem("File");
    FWindow = NewItem("Window");
    FMain->SetWindowMenu(FWindow);
    FBar = new TspSkinMainMenuBar(FMain);
    FBar->SetDynamicSkinForm(FFrame);
    FBar->SetMainMenu(FMenu);
    FBar->SetSkinData(FData);
    FBar->SetParent(FMain);
    FFrame->SetMainMenuBar(FBar);
    FTabs = new TspSkinMDITabsBar(FMain);
    FTabs->SetDynamicSkinForm(FFrame);
    FTabs->SetSkinData(FData);
    FTabs->SetAlign(alTop);
    FTabs->SetTop(FBar->Height());
    FTabs->SetParent(FMain);
    FFrame->SetMDITabsBar(FTabs);
    FFrame->SetSkinData(FData);
    FMain->Show();
    PumpFor(20);
  }
  ~TMDIWindow() {
    FMain->Free();
    PumpFor(10);
  }
  TMDIWindow(const TMDIWindow&) = delete;
  TMDIWindow& operator=(const TMDIWindow&) = delete;

  // A skinned child with its own skin data over the main form's stored skin.
  TForm* NewChild(const std::string& Caption, const TRect& Bounds) {
    auto* child = new TForm(Application);
    child->SetName("Child" + std::to_string(++FChildren));
    child->SetFormStyle(fsMDIChild);
    auto* data = new TspSkinData(child);
    data->LoadCompressedStoredSkin(&FStored);
    auto* frame = new TspDynamicSkinForm(child);
    frame->SetSkinData(data);
    child->SetBoundsRect(Bounds);
    child->SetCaption(Caption);
    child->Show();
    PumpFor(10);
    return child;
  }
  static TspDynamicSkinForm* FrameOf(TCustomForm* Child) { return GetDynamicSkinForm(Child); }
  // The MDI client's client rectangle.
  TRect ClientArea() const {
    RECT r{};
    GetClientRect(FMain->ClientHandle(), &r);
    return FromRECT(r);
  }
  // The captions of the window menu's items, in order.
  std::vector<std::string> WindowMenuCaptions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < FWindow->Count(); ++i) captions.push_back(FWindow->Items(i)->Caption());
    return captions;
  }
  std::vector<TCustomForm*> TabChildren() const {
    std::vector<TCustomForm*> children;
    for (int i = 0; i < FTabs->TabCount(); ++i) children.push_back(FTabs->Tabs(i)->Child);
    return children;
  }
  TCustomForm* ActiveTabChild() const {
    for (int i = 0; i < FTabs->TabCount(); ++i)
      if (FTabs->Tabs(i)->Active) return FTabs->Tabs(i)->Child;
    return nullptr;
  }
  // Paints the tabs bar, which lays its tabs out.
  void PaintTabs() const {
    TPixelDC dc(FTabs->Width(), FTabs->Height());
    SendMessageA(FTabs->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  }
  TPoint TabCentre(int Index) const {
    const TRect& r = FTabs->Tabs(Index)->TabRect;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  TspSkinMainMenuBarButton* BarButton(TspStdButtonCommand Command) const {
    for (int i = 0; i < FBar->MDIButtonCount(); ++i)
      if (auto* button = static_cast<TspSkinMainMenuBarButton*>(FBar->Objects(i)); button->Command == Command)
        return button;
    return nullptr;
  }
  // Clicks the bar's button with Command.
  void ClickBarButton(TspStdButtonCommand Command) const {
    FBar->Update();  // the buttons take their places as the bar paints
    TspSkinMainMenuBarButton* button = BarButton(Command);
    ASSERT_NE(button, nullptr);
    const TRect& r = button->ObjectRect;
    PostClick(FBar, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }

  TForm* Main() const { return FMain; }
  TspDynamicSkinForm* Frame() const { return FFrame; }
  TspSkinData* Data() const { return FData; }
  TspSkinMainMenuBar* Bar() const { return FBar; }
  TspSkinMDITabsBar* Tabs() const { return FTabs; }
  TMenuItem* WindowItem() const { return FWindow; }

private:
  TMenuItem* NewItem(const std::string& Caption) {
    auto* item = new TMenuItem(FMenu);
    item->SetCaption(Caption);
    FMenu->Items()->Add(item);
    return item;
  }

  TForm* FMain = nullptr;
  TspCompressedStoredSkin FStored{nullptr};
  TspSkinData* FData;
  TspDynamicSkinForm* FFrame;
  TMainMenu* FMenu;
  TMenuItem* FFile;
  TMenuItem* FWindow;
  TspSkinMainMenuBar* FBar;
  TspSkinMDITabsBar* FTabs;
  int FChildren = 0;
};

class MDIFrame : public ::testing::Test {
protected:
  void SetUp() override {
    ParkPointer();
    ASSERT_EQ(Application->MainForm(), nullptr);
  }
};

// Sees a form freed: a closed MDI child goes once its close has returned.
class TFreedWatch {
public:
  explicit TFreedWatch(TCustomForm* Form) {
    Form->OnDestroy = [this](TObject*) { FFreed = true; };
  }
  bool Wait() { return PumpUntil([this] { return FFreed; }); }

private:
  bool FFreed = false;
};

TEST_F(MDIFrame, TabsAndWindowMenuItemsFollowTheChildren) {
  TMDIWindow window("flatcolour");
  TForm* first = window.NewChild("First", {10, 10, 210, 150});
  TForm* second = window.NewChild("Second", {40, 40, 240, 180});
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{first, second}));
  EXPECT_EQ(window.WindowMenuCaptions(), (std::vector<std::string>{"First", "Second"}));
  EXPECT_EQ(window.ActiveTabChild(), second);
  ASSERT_NE(window.Tabs()->WindowListButton(), nullptr);  // made with the first tab
  EXPECT_EQ(window.WindowItem()->Items(1)->Name(), "Child2_DSFCHILDITEM");
  EXPECT_TRUE(window.WindowItem()->Items(1)->Checked());

  window.Main()->Next();  // activation moves: the tab and the check mark follow
  PumpFor(10);
  EXPECT_EQ(window.ActiveTabChild(), first);
  EXPECT_TRUE(window.WindowItem()->Items(0)->Checked());
  EXPECT_FALSE(window.WindowItem()->Items(1)->Checked());

  first->SetCaption("Renamed");
  EXPECT_EQ(window.WindowMenuCaptions(), (std::vector<std::string>{"Renamed", "Second"}));

  window.WindowItem()->Items(1)->Click();  // the window menu brings its child forward
  PumpFor(10);
  EXPECT_EQ(window.Main()->ActiveMDIChild(), second);

  TFreedWatch secondFreed(second);
  second->Close();
  EXPECT_TRUE(secondFreed.Wait());
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{first}));
  EXPECT_EQ(window.WindowMenuCaptions(), (std::vector<std::string>{"Renamed"}));
  TFreedWatch firstFreed(first);
  first->Close();
  EXPECT_TRUE(firstFreed.Wait());
  EXPECT_EQ(window.Tabs()->TabCount(), 0);
  EXPECT_EQ(window.Tabs()->WindowListButton(), nullptr);
  EXPECT_EQ(window.WindowItem()->Count(), 0);
}

TEST_F(MDIFrame, TheLastChildThatGoesTakesAChildItemLeftInTheWindowMenuAlong) {
  TMDIWindow window("flatcolour");
  // An item a child's frame left behind, and one of the application's own.
  for (const char* name : {"Gone_DSFCHILDITEM", "Arrange"}) {
    auto* item = new TMenuItem(window.Main());
    item->SetName(name);
    window.WindowItem()->Add(item);
  }
  TForm* first = window.NewChild("First", {10, 10, 210, 150});
  TForm* second = window.NewChild("Second", {40, 40, 240, 180});
  ASSERT_EQ(window.WindowItem()->Count(), 4);
  TFreedWatch secondFreed(second);
  second->Close();
  ASSERT_TRUE(secondFreed.Wait());
  EXPECT_EQ(window.WindowItem()->Count(), 3);  // a child is left: the stray item stays
  TFreedWatch firstFreed(first);
  first->Close();
  ASSERT_TRUE(firstFreed.Wait());
  ASSERT_EQ(window.WindowItem()->Count(), 1);
  EXPECT_EQ(window.WindowItem()->Items(0)->Name(), "Arrange");
}

TEST_F(MDIFrame, AfterASkinChangeTheMaximizedChildFillsTheClientAgain) {
  TMDIWindow window("flatcolour");
  TForm* child = window.NewChild("Doc", {20, 20, 220, 160});
  TMDIWindow::FrameOf(child)->SetWindowState(TspWindowState::Maximized);
  ASSERT_EQ(child->BoundsRect(), window.ClientArea());
  child->SetBounds(0, 0, 100, 80);  // as a new skin's frame may leave it
  SendMessageA(window.Main()->Handle(), SP_AFTER_CHANGE_SKIN_DATA, reinterpret_cast<WPARAM>(window.Data()), 1000);
  EXPECT_EQ(child->BoundsRect(), window.ClientArea());
  // Another skin data component's change leaves it alone.
  child->SetBounds(0, 0, 100, 80);
  TspSkinData other(nullptr);
  SendMessageA(window.Main()->Handle(), SP_AFTER_CHANGE_SKIN_DATA, reinterpret_cast<WPARAM>(&other), 1000);
  EXPECT_EQ(child->BoundsRect(), Rect(0, 0, 100, 80));
}

// The skinnable switch moves a maximized MDI main form between its frame's maximized
// state and the system's without hiding it on the way (its MDI client stays put).
TEST_F(MDIFrame, TheSkinnableSwitchKeepsAMaximizedMainFormShownAndPaintedAsBefore) {
  TMDIWindow window("flatcolour");
  HWND main = window.Main()->Handle();
  int hidden = 0;
  TspWindowProcHook after;
  after.Install(window.Main(), [&](TMessage& Message) {
    if (Message.Msg == WM_SHOWWINDOW && Message.WParam == 0) ++hidden;
    after.CallNext(Message);
  });
  const auto shown = [&] {
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(20);
    return CaptureWindow(main);
  };
  window.Frame()->SetWindowState(TspWindowState::Maximized);
  const TPixelImage skinned = shown();

  const HWND mdiClient = window.Main()->ClientHandle();
  const LONG_PTR skinnedClientProc = GetWindowLongPtrA(mdiClient, GWLP_WNDPROC);
  window.Data()->SetSkinnableForm(false);
  EXPECT_FALSE(window.Frame()->Skinnable());
  // The same window, its frame changed; the MDI client has its own procedure back.
  EXPECT_EQ(window.Main()->Handle(), main);
  EXPECT_EQ(window.Frame()->SubclassedMDIClient(), nullptr);
  EXPECT_NE(GetWindowLongPtrA(mdiClient, GWLP_WNDPROC), skinnedClientProc);
  EXPECT_EQ(hidden, 0);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(IsZoomed(main));
  EXPECT_EQ(window.Frame()->WindowState(), TspWindowState::Normal);
  // The MDI client shows the system's workspace colour again.
  RECT client{};
  GetWindowRect(window.Main()->ClientHandle(), &client);
  RECT frame{};
  GetWindowRect(main, &frame);
  const TPixelImage system = shown();
  EXPECT_EQ(system.Pixel(client.right - frame.left - 5, client.bottom - frame.top - 5),
            SysColor(clAppWorkSpace));

  window.Data()->SetSkinnableForm(true);
  EXPECT_EQ(window.Main()->Handle(), main);
  EXPECT_EQ(window.Frame()->SubclassedMDIClient(), mdiClient);
  EXPECT_EQ(GetWindowLongPtrA(mdiClient, GWLP_WNDPROC), skinnedClientProc);
  EXPECT_EQ(hidden, 0);
  EXPECT_FALSE(IsZoomed(main));
  EXPECT_EQ(window.Frame()->WindowState(), TspWindowState::Maximized);
  const TPixelImage again = shown();
  ASSERT_EQ(again.Width(), skinned.Width());
  ASSERT_EQ(again.Height(), skinned.Height());
  // Where the window shows: its surface outside the skin's region is never on the screen.
  TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(main, region.get()), COMPLEXREGION);
  int differ = 0;
  for (int y = 0; y < again.Height(); ++y)
    for (int x = 0; x < again.Width(); ++x)
      differ += PtInRegion(region.get(), x, y) && again.Pixel(x, y) != skinned.Pixel(x, y) ? 1 : 0;
  EXPECT_EQ(differ, 0);
  after.Remove();
}

TEST_F(MDIFrame, AMaximizedChildFillsTheClientAndPutsItsButtonsOnTheBar) {
  TMDIWindow window("flatcolour");
  TForm* child = window.NewChild("Doc", {20, 20, 220, 160});
  TspDynamicSkinForm* frame = TMDIWindow::FrameOf(child);
  const TRect restored = child->BoundsRect();
  EXPECT_EQ(window.Bar()->MDIButtonCount(), 0);

  frame->SetWindowState(TspWindowState::Maximized);
  EXPECT_EQ(child->BoundsRect(), window.ClientArea());
  EXPECT_EQ(child->ClientRect(), window.ClientArea());  // no frame of its own
  EXPECT_EQ(window.Bar()->MDIButtonCount(), 4);
  EXPECT_EQ(window.Frame()->CaptionText(), "Main - [Doc]");
  EXPECT_TRUE(window.Frame()->MDIChildMaximized());
  EXPECT_EQ(GetMaximizeMDIChild(), frame);

  window.Main()->SetBounds(40, 40, 640, 460);  // the child follows the client's new size
  PumpFor(10);
  EXPECT_EQ(child->BoundsRect(), window.ClientArea());

  child->SetCaption("Doc 2");  // the main form's caption follows the child's
  EXPECT_EQ(window.Frame()->CaptionText(), "Main - [Doc 2]");

  window.ClickBarButton(cmmaximize);  // the bar's restore button
  EXPECT_EQ(frame->WindowState(), TspWindowState::Normal);
  EXPECT_EQ(child->BoundsRect(), restored);
  EXPECT_EQ(window.Bar()->MDIButtonCount(), 0);
  EXPECT_EQ(window.Frame()->CaptionText(), "Main");
  EXPECT_EQ(GetMaximizeMDIChild(), nullptr);

  frame->SetWindowState(TspWindowState::Maximized);
  TFreedWatch freed(child);
  window.ClickBarButton(cmclose);
  EXPECT_TRUE(freed.Wait());
  EXPECT_EQ(window.Bar()->MDIButtonCount(), 0);
  EXPECT_EQ(window.Frame()->CaptionText(), "Main");
}

TEST_F(MDIFrame, TheActiveChildsMenuJoinsTheBarAndTakesItsShortcuts) {
  TMDIWindow window("flatcolour");
  TForm* plain = window.NewChild("Plain", {20, 20, 220, 160});
  TForm* child = window.NewChild("Editor", {40, 40, 240, 180});
  auto* menu = new TMainMenu(child);
  auto* edit = new TMenuItem(menu);
  edit->SetCaption("Edit");
  edit->SetGroupIndex(1);
  menu->Items()->Add(edit);
  auto* copy = new TMenuItem(menu);
  copy->SetCaption("Copy");
  copy->SetShortCut(ShortCut('K', {ssCtrl}));
  int copies = 0;
  copy->OnClick = [&](TObject*) { ++copies; };
  edit->Add(copy);
  const auto barShows = [&](TMenuItem* Item) {
    for (TspSkinMainMenuBarItem* item : window.Bar()->Items())
      if (item->MenuItem() == Item) return true;
    return false;
  };
  plain->Show();  // the bar follows the active child's menu
  child->Show();
  PumpFor(10);
  EXPECT_EQ(window.Bar()->ChildMenu(), menu);
  EXPECT_TRUE(barShows(edit));
  EXPECT_TRUE(barShows(window.WindowItem()));

  SetActiveWindow(window.Main()->Handle());
  child->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == child->Handle(); }));
  PressKey('K', {ssCtrl});
  EXPECT_EQ(copies, 1);

  plain->Show();
  PumpFor(10);
  EXPECT_EQ(window.Bar()->ChildMenu(), nullptr);
  EXPECT_FALSE(barShows(edit));
}

TEST_F(MDIFrame, AMaximizedChildsMenuOnTheBarTakesItsAcceleratorsAndShortcuts) {
  TMDIWindow window("flatcolour");
  TForm* child = window.NewChild("Editor", {40, 40, 240, 180});
  auto* menu = new TMainMenu(child);
  auto* edit = new TMenuItem(menu);
  edit->SetCaption("&Edit");
  edit->SetGroupIndex(1);
  menu->Items()->Add(edit);
  auto* copy = new TMenuItem(menu);
  copy->SetCaption("&Copy");
  copy->SetShortCut(ShortCut('K', {ssCtrl}));
  int copies = 0;
  copy->OnClick = [&](TObject*) { ++copies; };
  edit->Add(copy);
  // Maximized, the child's menu joins the bar.
  TMDIWindow::FrameOf(child)->SetWindowState(TspWindowState::Maximized);
  PumpFor(10);
  ASSERT_EQ(window.Bar()->ChildMenu(), menu);
  SetActiveWindow(window.Main()->Handle());
  child->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == child->Handle(); }));
  // Alt and the letter of the child's item open it on the bar, from the child's keys.
  TspSkinMenu* engine = window.Frame()->SkinMenu();
  PressKey('E', {ssAlt});
  ASSERT_TRUE(engine->Active());
  EXPECT_EQ(OpenMenuCaptions(*engine), (std::vector<std::string>{"&Copy"}));
  EXPECT_TRUE(window.Frame()->MainMenuMode());
  PressKey('C');
  EXPECT_EQ(copies, 1);
  EXPECT_FALSE(engine->Active());
  EXPECT_FALSE(window.Frame()->MainMenuMode());
  PressKey('K', {ssCtrl});
  EXPECT_EQ(copies, 2);
}

TEST_F(MDIFrame, AChildWithoutAMinimizeIconShowsADisabledMinimizeButton) {
  TMDIWindow window("flatcolour");
  TForm* child = window.NewChild("Doc", {20, 20, 220, 160});
  TspDynamicSkinForm* frame = TMDIWindow::FrameOf(child);
  frame->SetBorderIcons({TspBorderIcon::biSystemMenu, TspBorderIcon::biMaximize});
  frame->SetWindowState(TspWindowState::Maximized);
  ASSERT_NE(window.BarButton(cmminimize), nullptr);
  EXPECT_FALSE(window.BarButton(cmminimize)->Enabled);
  EXPECT_TRUE(window.BarButton(cmclose)->Enabled);
  window.ClickBarButton(cmminimize);
  EXPECT_EQ(frame->WindowState(), TspWindowState::Maximized);  // nothing happened
}

TEST_F(MDIFrame, AMinimizedChildSitsAtTheClientsBottomLeftAndATabClickRestoresIt) {
  TMDIWindow window("flatcolour");
  TForm* first = window.NewChild("First", {20, 20, 220, 160});
  TForm* second = window.NewChild("Second", {60, 60, 260, 200});
  TspDynamicSkinForm* frame = TMDIWindow::FrameOf(first);
  frame->SetWindowState(TspWindowState::Minimized);
  const TRect area = window.ClientArea();
  EXPECT_EQ(first->Left(), area.Left);
  EXPECT_EQ(first->Top() + first->Height(), area.Bottom);
  TMDIWindow::FrameOf(second)->SetWindowState(TspWindowState::Minimized);
  EXPECT_EQ(second->Left(), first->Width());  // the next free slot
  EXPECT_EQ(second->Top(), first->Top());

  window.Main()->SetBounds(40, 40, 600, 460);  // they keep to the client's corner
  PumpFor(10);
  EXPECT_EQ(first->Top() + first->Height(), window.ClientArea().Bottom);
  EXPECT_EQ(second->Top(), first->Top());

  window.PaintTabs();
  PostClick(window.Tabs(), window.TabCentre(0));
  EXPECT_EQ(frame->WindowState(), TspWindowState::Normal);
  EXPECT_EQ(first->BoundsRect(), Rect(20, 20, 220, 160));
  EXPECT_EQ(window.Main()->ActiveMDIChild(), first);
}

TEST_F(MDIFrame, TabsShowTheirStatesFromTheSkinAsTabsOrButtonsAndWithoutIt) {
  TMDIWindow window("flatcolour");
  window.NewChild("First", {20, 20, 220, 160});
  window.NewChild("Second", {40, 40, 240, 180});  // the active one
  TspSkinMDITabsBar* tabs = window.Tabs();
  // A pixel of each tab clear of its caption, as the bar paints.
  const auto tabPixels = [&] {
    TPixelDC dc(tabs->Width(), tabs->Height());
    SendMessageA(tabs->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
    std::vector<TColor> pixels;
    for (int i = 0; i < tabs->TabCount(); ++i)
      pixels.push_back(dc.Pixel(tabs->Tabs(i)->TabRect.Left + 4, tabs->Tabs(i)->TabRect.Top + 2));
    return pixels;
  };
  const auto& tab = dynamic_cast<const TspDataSkinTabControl&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("tab"))));
  const auto look = [&](const TspDataSkinControl& Entry, const TRect& R) {
    return ActivePixel(*window.Data(), Entry.PictureIndex, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  };
  EXPECT_EQ(tabs->Height(), tab.TabRect.Height());  // the skin's tab height
  EXPECT_EQ(tabPixels(), (std::vector<TColor>{look(tab, tab.TabRect), look(tab, tab.ActiveTabRect)}));
  tabs->Update();
  PostMouse(tabs, WM_MOUSEMOVE, window.TabCentre(0).X, window.TabCentre(0).Y);
  PumpFor(10);
  EXPECT_EQ(tabPixels()[0], look(tab, tab.MouseInTabRect));

  tabs->SetTabKind(sptkButton);
  const auto& button =
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("resizebutton")));
  const auto& buttonLooks = dynamic_cast<const TspDataSkinButtonControl&>(button);
  EXPECT_EQ(tabPixels(), (std::vector<TColor>{look(button, buttonLooks.ActiveSkinRect),
                                               look(button, buttonLooks.DownSkinRect)}));

  tabs->SetSkinData(nullptr);  // the skinless look
  PostMouse(tabs, WM_MOUSEMOVE, 0, 0);
  PumpFor(10);
  EXPECT_EQ(tabPixels(), (std::vector<TColor>{SysColor(clBtnFace), RGBColor(133, 146, 181)}));
}

TEST_F(MDIFrame, ABarAtTheBottomShowsItsTabsUpsideDown) {
  TMDIWindow window("slate");
  window.NewChild("Doc", {20, 20, 220, 160});
  TspSkinMDITabsBar* tabs = window.Tabs();
  // A column of the tab's left end, clear of its caption, as the bar paints.
  const auto column = [&] {
    TPixelDC dc(tabs->Width(), tabs->Height());
    SendMessageA(tabs->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
    std::vector<TColor> pixels;
    for (int y = 0; y < tabs->Height(); ++y) pixels.push_back(dc.Pixel(tabs->Tabs(0)->TabRect.Left + 1, y));
    return pixels;
  };
  const std::vector<TColor> top = column();
  ASSERT_NE(top.front(), top.back());  // the slate tab is not one flat colour
  tabs->SetAlign(alBottom);
  const std::vector<TColor> bottom = column();
  EXPECT_EQ(bottom, std::vector<TColor>(top.rbegin(), top.rend()));
}

TEST_F(MDIFrame, TheBarsSystemMenuButtonOpensTheChildsMenuOnThePress) {
  TMDIWindow window("flatcolour");
  TForm* child = window.NewChild("Doc", {20, 20, 220, 160});
  TMDIWindow::FrameOf(child)->SetWindowState(TspWindowState::Maximized);
  window.Bar()->Update();
  TspSkinMainMenuBarButton* button = window.BarButton(cmsysmenu);
  ASSERT_NE(button, nullptr);
  const TPoint at = Centre(button->ObjectRect);
  PostMouse(window.Bar(), WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
  PumpFor(10);
  EXPECT_TRUE(window.Frame()->SkinMenu()->Active());
  EXPECT_TRUE(button->Down);
  PostMouse(window.Bar(), WM_LBUTTONUP, at.X, at.Y);
  PumpFor(10);
  EXPECT_TRUE(button->Down);  // held while its menu shows
  window.Frame()->SkinMenu()->CloseMenu();
  PumpFor(10);
  EXPECT_FALSE(button->Down);  // the bar heard that the menu closed
  EXPECT_EQ(TMDIWindow::FrameOf(child)->WindowState(), TspWindowState::Maximized);
}

TEST_F(MDIFrame, AMovedChildSticksToTheClientsEdges) {
  // The system moves a child by screen rectangles: the client's edges are where the
  // client shows on the screen.
  TMDIWindow window("flatcolour");
  const TRect area = window.ClientArea();
  const auto dragged = [](TForm* Child, int Travel) {
    TMDIWindow::FrameOf(Child)->SetMagnetic(true);
    RECT r{};
    GetWindowRect(Child->Handle(), &r);
    TPoint caption{(r.left + r.right) / 2, r.top};
    while (caption.Y < r.bottom &&
           SendMessageA(Child->Handle(), WM_NCHITTEST, 0, PointToLParam(caption)) != HTCAPTION)
      ++caption.Y;
    DragByFrame(Child->Handle(), caption, HTCAPTION, {Travel, 0});
    return Child->BoundsRect();
  };
  EXPECT_EQ(dragged(window.NewChild("Left", {40, 40, 240, 180}), -35), Rect(0, 40, 200, 180));
  EXPECT_EQ(dragged(window.NewChild("Right", {40, 40, 240, 180}), area.Right - 244),
            Rect(area.Right - 200, 40, area.Right, 180));
  EXPECT_EQ(dragged(window.NewChild("Free", {40, 40, 240, 180}), 20), Rect(60, 40, 260, 180));
}

TEST_F(MDIFrame, AChildWithItsFrameInItsClientAreaIsDraggedToTheClientsEdge) {
  static TPoint cursor;
  TSeamOverride<TPoint()> pointer{Seams::CursorPos, [] { return cursor; }};
  TMDIWindow window("flatcolour");
  TForm* child = window.NewChild("Drawn", {40, 40, 240, 180});
  TspDynamicSkinForm* frame = TMDIWindow::FrameOf(child);
  frame->SetSupportNCArea(false);
  frame->SetDraggAble(true);
  frame->SetMagnetic(true);
  const TRect start = child->BoundsRect();
  HWND form = child->Handle();
  const TPoint at{100, 100};  // no object lies there
  cursor = child->ClientToScreen(at);
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(at));
  ASSERT_TRUE(frame->Dragging());
  cursor.X -= start.Left - 5;  // 5 pixels off the client's left edge
  SendMessageA(form, WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(at));
  SendMessageA(form, WM_LBUTTONUP, 0, PointToLParam(at));
  EXPECT_EQ(child->BoundsRect(), OffsetRect(start, -start.Left, 0));
}

TEST_F(MDIFrame, TabsAreDraggedToNewPlacesAndClosedByTheirButtons) {
  TMDIWindow window("flatcolour");
  TForm* first = window.NewChild("First", {20, 20, 220, 160});
  TForm* second = window.NewChild("Second", {40, 40, 240, 180});
  TForm* third = window.NewChild("Third", {60, 60, 260, 200});
  TspSkinMDITabsBar* tabs = window.Tabs();
  tabs->SetShowCloseButtons(true);
  window.PaintTabs();
  const TRect firstTab = tabs->Tabs(0)->TabRect;
  const int y = window.TabCentre(0).Y;

  // A few pixels do not pass the neighbour's centre.
  PostMouse(tabs, WM_LBUTTONDOWN, firstTab.Left + 10, y, MK_LBUTTON);
  PostMouse(tabs, WM_MOUSEMOVE, firstTab.Left + 20, y, MK_LBUTTON);
  PumpFor(10);
  EXPECT_TRUE(tabs->Moving());
  PostMouse(tabs, WM_LBUTTONUP, firstTab.Left + 20, y);
  PumpFor(10);
  EXPECT_FALSE(tabs->Moving());
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{first, second, third}));

  // Past the centres of both others: the first tab goes last.
  PostMouse(tabs, WM_LBUTTONDOWN, firstTab.Left + 10, y, MK_LBUTTON);
  PostMouse(tabs, WM_MOUSEMOVE, firstTab.Left + 10 + 2 * firstTab.Width(), y, MK_LBUTTON);
  PumpFor(10);
  window.PaintTabs();  // with the drop marker
  PostMouse(tabs, WM_LBUTTONUP, firstTab.Left + 10 + 2 * firstTab.Width(), y);
  PumpFor(10);
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{second, third, first}));

  // A press that went down on one tab's close button closes nothing where it is
  // released, not even on another close button.
  window.PaintTabs();
  const TRect otherClose = tabs->Tabs(1)->CloseRect;
  PostMouse(tabs, WM_LBUTTONDOWN, otherClose.Left + 2, otherClose.Top + 2, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, tabs->Tabs(0)->CloseRect.Left + 2, tabs->Tabs(0)->CloseRect.Top + 2);
  PumpFor(10);
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{second, third, first}));

  // A close button closes its child and starts no drag.
  window.PaintTabs();
  const TRect close = tabs->Tabs(0)->CloseRect;
  ASSERT_FALSE(IsRectEmpty(close));
  const TPoint at{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};
  TFreedWatch freed(second);
  PostMouse(tabs, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
  PostMouse(tabs, WM_MOUSEMOVE, at.X + 1, at.Y, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, at.X + 1, at.Y);
  EXPECT_TRUE(freed.Wait());
  EXPECT_FALSE(tabs->Moving());
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{third, first}));
}

TEST_F(MDIFrame, EveryReleaseEndsTheClosePressWhereverItIsLetGo) {
  TMDIWindow window("flatcolour");
  TForm* first = window.NewChild("First", {20, 20, 220, 160});
  TForm* second = window.NewChild("Second", {40, 40, 240, 180});
  TspSkinMDITabsBar* tabs = window.Tabs();
  tabs->SetShowCloseButtons(true);
  tabs->SetMoveTabs(false);  // a press on a tab starts no drag
  window.PaintTabs();
  const TRect close = tabs->Tabs(1)->CloseRect;
  const TPoint on{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};
  const auto& tab = dynamic_cast<const TspDataSkinTabControl&>(
      *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("tab"))));
  const auto look = [&](const TRect& R) {
    return ActivePixel(*window.Data(), tab.PictureIndex, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  };
  const auto closeLook = [&] {
    TPixelDC dc(tabs->Width(), tabs->Height());
    SendMessageA(tabs->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
    return dc.Pixel(on.X, on.Y);
  };

  // Pressed, taken below the bar and let go there: back on it, it is hot, not pressed.
  PostMouse(tabs, WM_LBUTTONDOWN, on.X, on.Y, MK_LBUTTON);
  PostMouse(tabs, WM_MOUSEMOVE, on.X, tabs->Height() + 40, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, on.X, tabs->Height() + 40);
  PostMouse(tabs, WM_MOUSEMOVE, on.X, on.Y);
  PumpFor(10);
  EXPECT_FALSE(tabs->Tabs(1)->CloseDown);
  EXPECT_EQ(closeLook(), look(tab.CloseButtonActiveRect));
  // A press on the other tab let go on that button closes nothing.
  PostMouse(tabs, WM_LBUTTONDOWN, tabs->Tabs(0)->TabRect.Left + 5, on.Y, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, on.X, on.Y);
  PumpFor(10);
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{first, second}));
  // Nor does its own press once another button's release ended it.
  PostMouse(tabs, WM_LBUTTONDOWN, on.X, on.Y, MK_LBUTTON);
  PostMouse(tabs, WM_RBUTTONUP, on.X, on.Y, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, on.X, on.Y);
  PumpFor(10);
  EXPECT_EQ(window.TabChildren(), (std::vector<TCustomForm*>{first, second}));
}

TEST_F(MDIFrame, HiddenTabsAreListedByTheirButtonAndTheWindowListByItsOwn) {
  TMDIWindow window("flatcolour");
  std::vector<TForm*> children;
  for (int i = 0; i < 6; ++i) children.push_back(window.NewChild("Doc " + std::to_string(i), {10, 10, 200, 120}));
  TspSkinMDITabsBar* tabs = window.Tabs();
  tabs->SetMinTabWidth(150);
  window.PaintTabs();
  const int shown = (tabs->Width() - 30) / 150;
  ASSERT_LT(shown, 6);
  EXPECT_EQ(tabs->HiddenCount(), 6 - shown);
  ASSERT_NE(tabs->HiddenTabsButton(), nullptr);

  PostClick(tabs->HiddenTabsButton());  // the menu is filled as it opens
  EXPECT_TRUE(window.Frame()->SkinMenu()->Active());
  window.Frame()->SkinMenu()->CloseMenu();
  PumpFor(10);
  TMenuItem* hidden = tabs->HiddenTabsMenu()->Items();
  ASSERT_EQ(hidden->Count(), 6 - shown);
  EXPECT_EQ(hidden->Items(0)->Caption(), "Doc " + std::to_string(shown));
  hidden->Items(0)->Click();
  PumpFor(10);
  EXPECT_EQ(window.Main()->ActiveMDIChild(), children[static_cast<size_t>(shown)]);

  PostClick(tabs->WindowListButton());
  EXPECT_TRUE(window.Frame()->SkinMenu()->Active());
  window.Frame()->SkinMenu()->CloseMenu();
  PumpFor(10);
  TMenuItem* all = tabs->WindowListMenu()->Items();
  ASSERT_EQ(all->Count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(all->Items(i)->Checked(), i == shown) << i;

  tabs->SetMinTabWidth(0);
  window.PaintTabs();
  EXPECT_EQ(tabs->HiddenCount(), 0);
  EXPECT_EQ(tabs->HiddenTabsButton(), nullptr);
}

TEST_F(MDIFrame, AnItemOfTheWindowListStillShowsItsOwnChildAfterAnEarlierChildWasFreed) {
  TMDIWindow window("flatcolour");
  std::vector<TForm*> children;
  for (int i = 0; i < 4; ++i) children.push_back(window.NewChild("Doc " + std::to_string(i), {10, 10, 200, 120}));
  // Children without a name have items of their own as well.
  children[2]->SetName("");
  children[3]->SetName("");
  TspSkinMDITabsBar* tabs = window.Tabs();
  window.PaintTabs();
  PostClick(tabs->WindowListButton());  // the menu is filled as it opens
  window.Frame()->SkinMenu()->CloseMenu();
  PumpFor(10);
  TMenuItem* all = tabs->WindowListMenu()->Items();
  ASSERT_EQ(all->Count(), 4);
  children[0]->Free();
  PumpFor(10);
  ASSERT_EQ(all->Items(2)->Caption(), "Doc 2");
  all->Items(2)->Click();
  PumpFor(10);
  EXPECT_EQ(window.Main()->ActiveMDIChild(), children[2]);
  all->Items(0)->Click();  // its child is gone: nothing happens
  PumpFor(10);
  EXPECT_EQ(window.Main()->ActiveMDIChild(), children[2]);
  all->Items(3)->Click();
  PumpFor(10);
  EXPECT_EQ(window.Main()->ActiveMDIChild(), children[3]);
}

TEST_F(MDIFrame, ARightClickOnATabOpensTheChildsSystemMenuThroughTheMainFrame) {
  TMDIWindow window("flatcolour");
  window.NewChild("Doc", {20, 20, 220, 160});
  window.PaintTabs();
  PostClick(window.Tabs(), window.TabCentre(0), mbRight);
  EXPECT_TRUE(window.Frame()->SkinMenu()->Active());
  window.Frame()->SkinMenu()->CloseMenu();
  PumpFor(10);
  EXPECT_FALSE(window.Frame()->SkinMenu()->Active());
}

TEST_F(MDIFrame, AFrameThatGoesGivesTheClientItsProcedureBack) {
  TMDIWindow window("flatcolour");
  HWND client = window.Main()->ClientHandle();
  ASSERT_EQ(window.Frame()->SubclassedMDIClient(), client);
  const auto own = reinterpret_cast<LONG_PTR>(GetPropA(client, TspWindowProcHook::OwnProcProperty));
  ASSERT_NE(own, 0);
  EXPECT_NE(GetWindowLongPtrA(client, GWLP_WNDPROC), own);
  const TApplication::TMessageEvent before = Application->OnMessage;

  window.Frame()->Free();
  EXPECT_EQ(GetWindowLongPtrA(client, GWLP_WNDPROC), own);
  EXPECT_EQ(GetPropA(client, "VqMDIFrame"), nullptr);
  EXPECT_EQ(GetPropA(client, TspWindowProcHook::OwnProcProperty), nullptr);
  EXPECT_TRUE(Application->OnMessage == before);
  // The client still works: a child opens in it.
  TForm* child = new TForm(Application);
  child->SetFormStyle(fsMDIChild);
  child->Show();
  EXPECT_EQ(window.Main()->MDIChildCount(), 1);
}

namespace {

// Someone else's subclass of the MDI client, put over the frame's.
WNDPROC ClientProcBeforeOurs = nullptr;
int MessagesSeenByOurs = 0;
LRESULT CALLBACK OurClientProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  ++MessagesSeenByOurs;
  return CallWindowProcA(ClientProcBeforeOurs, Window, Msg, WParam, LParam);
}

// The colour the client erases its background with, into a DC of its size.
TColor ErasedClientColour(HWND Client) {
  TPixelDC dc(40, 40);
  dc.Fill(RGBColor(1, 2, 3));
  SendMessageA(Client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.DC()), 0);
  return dc.Pixel(20, 20);
}

}  // namespace

TEST_F(MDIFrame, AFrameThatGoesUnderAnotherSubclassLeavesTheClientForwardingWithoutIt) {
  TMDIWindow window("flatcolour");
  HWND client = window.Main()->ClientHandle();
  ASSERT_EQ(window.Frame()->SubclassedMDIClient(), client);
  const TColor skinned = ErasedClientColour(client);
  MessagesSeenByOurs = 0;
  ClientProcBeforeOurs = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OurClientProc)));

  window.Frame()->Free();
  EXPECT_EQ(GetWindowLongPtrA(client, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OurClientProc));
  // The client's own procedure erases now, not the frame that went.
  const TColor erased = ErasedClientColour(client);
  EXPECT_NE(erased, skinned);
  EXPECT_EQ(erased, SysColor(clAppWorkSpace));
  TForm* child = new TForm(Application);
  child->SetFormStyle(fsMDIChild);
  child->Show();
  EXPECT_EQ(window.Main()->MDIChildCount(), 1);
  EXPECT_GT(MessagesSeenByOurs, 0);

  // Ours leaves as well: the client has its own procedure back once a frame takes it over
  // and gives it back again.
  SetWindowLongPtrA(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClientProcBeforeOurs));
  child->Free();
}

TEST_F(MDIFrame, ScreenshotsOfChildrenAndOfAMaximizedChildWithTabs) {
  TMDIWindow window("slate");
  window.Tabs()->SetShowCloseButtons(true);
  window.NewChild("Readme.txt", {10, 10, 260, 180});
  window.NewChild("Notes.txt", {40, 40, 290, 210});
  TForm* child = window.NewChild("Playlist.m3u", {70, 70, 320, 240});
  auto* text = new TMemo(child);  // so that the maximized child shows where it lies
  text->SetAlign(alClient);
  text->SetParent(child);
  text->Lines()->SetText("01 - Opening.mp3\r\n02 - Interlude.mp3\r\n03 - Finale.mp3\r\n");
  SetActiveWindow(window.Main()->Handle());
  RedrawWindow(window.Main()->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(50);
  SaveWindowScreenshot(window.Main()->Handle(), "mdi-slate-children");
  TMDIWindow::FrameOf(child)->SetWindowState(TspWindowState::Maximized);
  RedrawWindow(window.Main()->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(50);
  EXPECT_EQ(window.Bar()->MDIButtonCount(), 4);
  SaveWindowScreenshot(window.Main()->Handle(), "mdi-slate");
}

}  // namespace
