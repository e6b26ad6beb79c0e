// The skinned context menu of the edits and the memo, shown through the window's
// skinned frame: Shift+F10 opens it at the edit's centre with the built-in or the skin's
// texts, the items follow the edit's state, a command runs and the menu goes only after
// it, a second menu closes the first, and a right click left of the primary monitor
// opens at its own point.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"
#include "skin/data/ResourceStrData.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include "classlib/Clipboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Counts how often a component it watches goes.
class TFreeCounter : public TComponent {
public:
  TFreeCounter() : TComponent(nullptr) {}
  void Watch(TComponent* Component) { Component->FreeNotification(this); }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) ++Freed;
  }
  int Freed = 0;
};

class SkinEditMenu : public ::testing::Test {
protected:
  SkinEditMenu() : Frame(new TspDynamicSkinForm(Window.Form())) {
    ParkPointer();
    Frame->SetSkinData(Window.Data());
  }
  ~SkinEditMenu() override { Engine()->CloseMenu(); }

  template <class T>
  T* Add(const TRect& Bounds) {
    auto* control = Window.Add<T>(Bounds);
    control->SetSkinData(Window.Data());
    return control;
  }
  void Focus(TWinControl* Control) {
    Window.Show();
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Control->Focused(); }));
  }
  TspSkinMenu* Engine() const { return Frame->SkinMenu(); }
  // The captions of the open menu's items, "(x)" around the disabled ones.
  std::vector<std::string> Shown() const {
    std::vector<std::string> shown;
    if (Engine()->PopupWindows().empty()) return shown;
    TspSkinPopupWindow* level = Engine()->PopupWindows().front();
    for (int i = 0; i < level->ItemCount(); ++i) {
      const TMenuItem* item = level->Items(i)->MenuItem;
      shown.push_back(item->Enabled() ? item->Caption() : "(" + item->Caption() + ")");
    }
    return shown;
  }
  // Clicks the open menu's item Index.
  void Choose(int Index) {
    TspSkinPopupWindow* level = Engine()->PopupWindows().front();
    const TRect r = level->Items(Index)->ItemRect;
    PostClick(level, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    Application->ProcessMessages();
  }
  // Shift+F10 as the keyboard gives it: a system key with Shift held.
  static void PressShiftF10() {
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE held[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(held));
    held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
    SetKeyboardState(held);
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(VK_F10, MAPVK_VK_TO_VSC) << 16);
    PostMessageA(GetFocus(), WM_SYSKEYDOWN, VK_F10, down);
    PostMessageA(GetFocus(), WM_SYSKEYUP, VK_F10, down | static_cast<LPARAM>(0xC0000000));
    Application->ProcessMessages();
    SetKeyboardState(saved);
  }
  static TPoint WindowCentre(TWinControl* Control) {
    RECT r{};
    GetWindowRect(Control->Handle(), &r);
    return {r.left + Control->Width() / 2, r.top + Control->Height() / 2};
  }

  TSkinTestWindow Window{400, 300};
  TspDynamicSkinForm* Frame;
};

TEST_F(SkinEditMenu, ShiftF10OpensTheMenuAtTheCentreWithTheBuiltInTextsAndTheEditsState) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetText("abcdef");
  Focus(edit);
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  Clipboard().SetAsText("XY");
  PressShiftF10();
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(Engine()->PopupControl(), edit);
  ASSERT_NE(edit->ContextMenu(), nullptr);
  EXPECT_EQ(edit->ContextMenu()->PopupPoint(), WindowCentre(edit));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"(Undo)", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}));
  EXPECT_TRUE(edit->Focused());  // the menu never takes the focus

  Engine()->CloseMenu();
  edit->SetReadOnly(true);
  PressKey(VK_APPS);  // the menu key
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(Shown(), (std::vector<std::string>{"(Undo)", "-", "(Cut)", "Copy", "(Paste)", "(Delete)", "-",
                                               "Select All"}));
}

TEST_F(SkinEditMenu, ACommandRunsAndTheMenuGoesOnlyOnceItsMessageReturned) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetText("abcdef");
  Focus(edit);
  edit->SelectAll();
  Clipboard().SetAsText("");
  TFreeCounter counter;
  edit->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), -1);
  ASSERT_NE(edit->ContextMenu(), nullptr);
  counter.Watch(edit->ContextMenu());
  // SP_MENU_ITEM_EXECUTED comes while the engine still runs the command: the menu lives on.
  edit->Perform(SP_MENU_ITEM_EXECUTED);
  EXPECT_EQ(counter.Freed, 0);
  Application->ProcessMessages();
  EXPECT_EQ(counter.Freed, 1);
  EXPECT_EQ(edit->ContextMenu(), nullptr);

  edit->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), -1);
  counter.Watch(edit->ContextMenu());
  Choose(3);  // Copy
  EXPECT_FALSE(Engine()->Active());
  EXPECT_EQ(Clipboard().AsText(), "abcdef");
  EXPECT_TRUE(PumpUntil([&] { return edit->ContextMenu() == nullptr; }));
  EXPECT_EQ(counter.Freed, 2);
}

TEST_F(SkinEditMenu, ASecondMenuClosesTheFirstBeforeItGoesAndANegativePointIsARightClick) {
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  Focus(edit);
  TFreeCounter counter;
  edit->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), PointToLParam({60, 70}));
  ASSERT_TRUE(Engine()->Active());
  TspSkinPopupMenu* first = edit->ContextMenu();
  counter.Watch(first);
  // A monitor left of and above the primary one: a click there, not the keyboard.
  edit->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), PointToLParam({-50, -20}));
  EXPECT_EQ(counter.Freed, 1);
  ASSERT_NE(edit->ContextMenu(), nullptr);
  EXPECT_EQ(edit->ContextMenu()->PopupPoint(), Point(-50, -20));
  EXPECT_TRUE(Engine()->Active());
  EXPECT_EQ(Shown().size(), 8u);
  edit->Free();  // an open menu goes with its edit
  EXPECT_FALSE(Engine()->Active());
}

TEST_F(SkinEditMenu, TheFramesSkinGivesTheEditItsTextsAndTheMemoItsOwnSkinsTexts) {
  auto* strings = new TspResourceStrData(Window.Form());
  TStringList lines;
  lines.SetText("EDIT_UNDO=Zurueck\r\nEDIT_CUT=Schneiden\r\nEDIT_COPY=Kopieren\r\nEDIT_PASTE=Einfuegen\r\n"
                "EDIT_DELETE=Loeschen\r\nEDIT_SELECTALL=Alles");
  strings->SetResStrings(lines);
  Window.Data()->SetResourceStrData(strings);
  const std::vector<std::string> skinTexts{"(Zurueck)", "-", "(Schneiden)", "(Kopieren)", "(Einfuegen)",
                                           "(Loeschen)", "-", "Alles"};
  auto* edit = Add<TspSkinEdit>(Bounds(10, 10, 150, 21));
  edit->SetText("x");
  Focus(edit);
  edit->SetSelStart(0);
  Clipboard().SetAsText("");
  edit->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), -1);
  EXPECT_EQ(Shown(), skinTexts);

  auto* memo = Add<TspSkinMemo>(Bounds(10, 40, 150, 80));
  memo->SetText("x");
  memo->SetSelStart(0);
  memo->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(memo->Handle()), -1);
  EXPECT_EQ(Shown(), skinTexts);
  memo->SetSkinData(nullptr);  // the memo's own skin, not the frame's
  memo->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(memo->Handle()), -1);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"(Undo)", "-", "(Cut)", "(Copy)", "(Paste)", "(Delete)", "-",
                                               "Select All"}));
}

}  // namespace
