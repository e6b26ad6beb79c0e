// A window read from its form resource with the skinned-window component and the
// program's own skin: the frame takes the skin, the window's size and placement follow
// it, and screenshots of the skinned frame (active and inactive) and of the default
// frame show them to a person.
#include "FrameTestKit.h"

#include "skin/form/SkinFormClasses.h"
#include "skin/form/TrayIcon.h"

#include "skin/menus/SkinHint.h"
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
  // The hint component that shows the frame objects' hints; the frame forgets it when it goes.
  auto* hint = dynamic_cast<TspSkinHint*>(form->FindComponent("SkinHint"));
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(frame->SkinHint(), hint);
  EXPECT_TRUE(frame->ShowObjectHint());
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

  hint->Free();
  EXPECT_EQ(frame->SkinHint(), nullptr);
}

TEST(FrameForm, AWindowWithoutSkinShowsTheDefaultFrame) {
  TFrameWindow window{{80, 80, 480, 320}};
  window.Form()->SetCaption("Default frame");
  window.Show();
  SaveWindowScreenshot(window.Form()->Handle(), "frame-default");
  // What the picture shows: 3-pixel raised borders, a 19-pixel striped caption and the
  // client area below it.
  const int w = window.Form()->Width(), h = window.Form()->Height();
  EXPECT_EQ(window.Form()->ClientWidth(), w - 6);
  EXPECT_EQ(window.Form()->ClientHeight(), h - 6 - 19);
  const auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(0, h / 2), SysColor(cl3DLight));
  EXPECT_EQ(dc->Pixel(1, h / 2), SysColor(clBtnHighlight));
  EXPECT_EQ(dc->Pixel(2, h / 2), SysColor(clBtnFace));
  EXPECT_EQ(dc->Pixel(w - 1, h / 2), SysColor(cl3DDkShadow));
  EXPECT_EQ(dc->Pixel(w - 2, h / 2), SysColor(clBtnShadow));
  EXPECT_EQ(dc->Pixel(w / 2, h - 1), SysColor(cl3DDkShadow));
  // The stripes left of the title: highlight and shadow lines by turns.
  EXPECT_EQ(dc->Pixel(40, 3 + 2), SysColor(clBtnHighlight));
  EXPECT_EQ(dc->Pixel(40, 3 + 3), SysColor(clBtnShadow));
  EXPECT_EQ(dc->Pixel(w / 2, 3 + 19 + 2), RGBColor(1, 2, 3));  // the client area is not the frame's
  // The 17-pixel close button ends at the right border: its cross in the button text
  // colour on the button face.
  const TRect close = FrameObject(window.Frame(), "closebutton")->ObjectRect;
  EXPECT_EQ(close, Rect(w - 3 - 17, 4, w - 3, 21));
  const TPoint middle = Centre(close);
  EXPECT_EQ(dc->Pixel(middle.X, middle.Y), SysColor(clBtnText));
  EXPECT_EQ(dc->Pixel(close.Left + 1, close.Top + 1), SysColor(clBtnFace));
}

}  // namespace
