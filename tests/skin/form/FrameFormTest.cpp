// A window read from its form resource with the skinned-window component and the
// program's own skin: the frame takes the skin, the window's size and placement follow
// it, and screenshots of the skinned frame (active and inactive) and of the default
// frame show them to a person.
#include "FrameTestKit.h"

#include "skin/form/SkinFormClasses.h"
#include "skin/form/TrayIcon.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

#include "skin/controls/SkinStatusBar.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

// The form class its resource names.
class TFrameTestForm : public TForm {
public:
  TFrameTestForm() : TForm(Application) {}
  void DynSkinFormChangeSkinData(TObject*) { ++SkinChanges; }
  int SkinChanges = 0;
};

namespace {

TFrameTestForm* ReadFrameTestForm() {
  RegisterSkinFormTestClasses();
  auto* form = new TFrameTestForm;
  ReadForm(*form, FormResourceText("TFrameTestForm"),
           TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
               .Handler("DynSkinFormChangeSkinData", &TFrameTestForm::DynSkinFormChangeSkinData),
           "The frame test form");
  return form;
}

bool NoShell(DWORD, NOTIFYICONDATAA*) { return true; }

TEST(FrameForm, TheWindowTakesItsSkinnedFrameFromItsFormResource) {
  TSeamOverride<TRect()> workArea{Seams::WorkArea, TestWorkArea};
  TSeamOverride<bool(DWORD, NOTIFYICONDATAA*)> shell{Seams::NotifyIcon, NoShell};
  TOwned<TFrameTestForm> form(ReadFrameTestForm());
  auto* frame = dynamic_cast<TspDynamicSkinForm*>(form->FindComponent("DynSkinForm"));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(GetDynamicSkinForm(form.get()), frame);
  EXPECT_TRUE(frame->SkinInUse());
  EXPECT_GE(form->SkinChanges, 1);
  EXPECT_EQ(frame->StatusBar(), form->FindComponent("StatusBar"));
  EXPECT_EQ(frame->MinWidth(), 320);
  EXPECT_EQ(frame->DefCaptionFont()->Name(), "Tahoma");
  EXPECT_EQ(frame->BorderIcons(), (TspBorderIcons{TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimize,
                                                  TspBorderIcon::biMaximize, TspBorderIcon::biRollUp}));
  // The tray icon waits hidden for the window, with the window's tray menu.
  auto* tray = dynamic_cast<TspTrayIcon*>(form->FindComponent("TrayIcon"));
  ASSERT_EQ(frame->TrayIcon(), tray);
  EXPECT_FALSE(tray->IconVisible());
  EXPECT_EQ(tray->PopupMenu(), frame->TrayMenu());
  EXPECT_EQ(tray->Hint(), "Skinned frame");
  EXPECT_EQ(tray->AnimateTimerInterval(), 400U);
  EXPECT_TRUE(tray->PopupByLeftButton());
  form->Show();
  SetActiveWindow(form->Handle());
  PumpFor(50);
  // Centred in the work area on its first show.
  EXPECT_EQ(form->BoundsRect(), Rect(260, 190, 740, 510));
  EXPECT_GT(frame->ObjectCount(), 0);
  SaveWindowScreenshot(form->Handle(), "frame-slate");

  // The status bar's grip sizes the window through the frame; maximized it has none.
  auto* bar = dynamic_cast<TspSkinStatusBar*>(form->FindComponent("StatusBar"));
  frame->SetWindowState(TspWindowState::Maximized);
  EXPECT_FALSE(bar->SizeGripActive());
  frame->SetWindowState(TspWindowState::Normal);
  EXPECT_TRUE(bar->SizeGripActive());

  auto* menu = dynamic_cast<TspSkinPopupMenu*>(form->FindComponent("Panel_Menu"));
  ASSERT_NE(menu, nullptr);
  menu->Popup(300, 300);
  EXPECT_TRUE(frame->SkinMenu()->Active());
  EXPECT_EQ(menu->SkinData(), frame->SkinData());
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(frame->SkinMenu()->Active());

  SendMessageA(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  SendMessageA(form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  SaveWindowScreenshot(form->Handle(), "frame-slate-inactive");
}

TEST(FrameForm, AWindowWithoutSkinShowsTheDefaultFrame) {
  TFrameWindow window{{80, 80, 480, 320}};
  window.Form()->SetCaption("Default frame");
  window.Show();
  SaveWindowScreenshot(window.Form()->Handle(), "frame-default");
}

}  // namespace
