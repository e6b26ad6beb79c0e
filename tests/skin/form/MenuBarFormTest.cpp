// A window read from its form resource with a main menu on a skinned menu bar and the
// program's own skin, as the main window declares them: the bar opens, follows and closes
// its submenus by the mouse and by the keys, the form's shortcuts reach the menu, every
// command runs once, and a screenshot shows the bar with a submenu open.
#include "FrameTestKit.h"

#include "skin/form/SkinMainMenuBar.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

// The form class its resource names.
class TMenuBarTestForm : public TForm {
public:
  TMenuBarTestForm() : TForm(Application) {}
  void Menu_CommandClick(TObject* Sender) { Commands.push_back(static_cast<TComponent*>(Sender)->Name()); }
  void Form_MenuBarMainMenuItemClick(const std::string& IDName) { ItemClicks.push_back(IDName); }
  std::vector<std::string> Commands;
  std::vector<std::string> ItemClicks;
};

namespace {

TMenuBarTestForm* ReadMenuBarTestForm() {
  RegisterSkinFormTestClasses();
  auto* form = new TMenuBarTestForm;
  ReadForm(*form, FormResourceText("TMenuBarTestForm"),
           TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
               .Handler("Menu_CommandClick", &TMenuBarTestForm::Menu_CommandClick)
               .Handler("Form_MenuBarMainMenuItemClick", &TMenuBarTestForm::Form_MenuBarMainMenuItemClick),
           "The menu bar test form");
  return form;
}

class MenuBarForm : public ::testing::Test {
protected:
  MenuBarForm() {
    ParkPointer();
    form->Show();
    SetActiveWindow(form->Handle());
    PumpFor(50);
  }
  TspSkinMenu* Engine() const { return frame->SkinMenu(); }
  bool Hooked() const { return !(Application->OnMessage == before); }
  TPoint Centre(int Index) const {
    const TRect& r = bar->Items().at(static_cast<size_t>(Index))->ObjectRect;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  TSeamOverride<TRect()> workArea{Seams::WorkArea, TestWorkArea};
  const TApplication::TMessageEvent before = Application->OnMessage;
  TOwned<TMenuBarTestForm> form{ReadMenuBarTestForm()};
  TspDynamicSkinForm* frame = dynamic_cast<TspDynamicSkinForm*>(form->FindComponent("DynSkinForm"));
  TspSkinMainMenuBar* bar = dynamic_cast<TspSkinMainMenuBar*>(form->FindComponent("Form_MenuBar"));
};

TEST_F(MenuBarForm, TheResourceBindsTheBarTheMenuAndTheFrameTogether) {
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(frame->MainMenuBar(), bar);
  EXPECT_EQ(bar->DynamicSkinForm(), frame);
  EXPECT_EQ(bar->MainMenu(), form->FindComponent("Form_MainMenu"));
  EXPECT_TRUE(bar->Skinned());
  EXPECT_FALSE(bar->UseSkinFont());
  EXPECT_EQ(bar->DefItemFont()->Name(), "Tahoma");
  EXPECT_EQ(bar->DefItemFont()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(bar->Align(), alTop);
  EXPECT_EQ(bar->Width(), form->ClientWidth());
  EXPECT_EQ(bar->Items().size(), 4u);
  // The frame leaves the main menu to the bar.
  EXPECT_TRUE(frame->MainMenuItems().empty());
}

TEST_F(MenuBarForm, TheMouseOpensFollowsAndClosesSubmenusAndEachCommandRunsOnce) {
  PostClick(bar, Centre(0));
  ASSERT_TRUE(Engine()->Active());
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Open folder...", "&Refresh", "-", "E&xit"}));
  // The pointer moves on to Edit.
  Seams::SetCursorPos(bar->ClientToScreen(Centre(1)));
  SendMessageA(bar->Handle(), WM_TIMER, TspSkinMainMenuBar::MouseTimerId, 0);
  ASSERT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"Select &all", "&Tags..."}));
  const HWND windows[] = {form->Handle(), Engine()->PopupWindows().front()->Handle()};
  SaveWindowsScreenshot(windows, "menubar-slate");
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_EQ(form->Commands, (std::vector<std::string>{"Menu_EditTags"}));
  EXPECT_EQ(form->ItemClicks, (std::vector<std::string>{"Menu_File"}));
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(frame->MainMenuMode());
  EXPECT_FALSE(Hooked());

  // Open again, then a click elsewhere on the window closes it without a command.
  PostClick(bar, Centre(3));
  ASSERT_TRUE(Engine()->Active());
  SendMessageA(form->Handle(), WM_LBUTTONDOWN, 0, PointToLParam({100, 150}));
  EXPECT_FALSE(Engine()->Active());
  EXPECT_FALSE(Hooked());
  EXPECT_EQ(form->Commands, (std::vector<std::string>{"Menu_EditTags"}));
}

TEST_F(MenuBarForm, TheKeysOpenFollowAndCloseSubmenusAndReachTheShortcuts) {
  PressKey(VK_MENU, {ssAlt});
  ASSERT_TRUE(frame->MainMenuMode());
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  PressKey(VK_RETURN);
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Settings..."}));
  PressKey(VK_RETURN);
  EXPECT_EQ(form->Commands, (std::vector<std::string>{"Menu_OptionsSettings"}));
  EXPECT_FALSE(Hooked());

  PressKey('H', {ssAlt});
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&About..."}));
  PressKey(VK_LEFT);
  EXPECT_EQ(OpenMenuCaptions(*Engine()), (std::vector<std::string>{"&Settings..."}));
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(frame->MainMenuMode());
  EXPECT_FALSE(Hooked());

  PressKey('O', {ssCtrl});
  PressKey(VK_F5);
  EXPECT_EQ(form->Commands,
            (std::vector<std::string>{"Menu_OptionsSettings", "Menu_FileOpen", "Menu_FileRefresh"}));
}

}  // namespace
