// The frame's messages: hit tests, the private queries, the order of a skin change for
// the frame and its controls, the message window's frame, and what the component gives
// back when it goes.
#include "FrameTestKit.h"

#include "skin/form/ActiveSkinObject.h"
#include "skin/form/FrameMessages.h"

#include "skin/menus/SkinMenu.h"

#include "skin/menus/SkinPopupMenu.h"

#include "skin/controls/SkinControl.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A skinned control that logs the skin changes it hears, with what the frame held then.
class TLoggingControl : public TspSkinControl {
public:
  TLoggingControl(TForm* Form, TspDynamicSkinForm* AFrame, std::vector<std::string>& ALog)
      : TspSkinControl(Form), Frame(AFrame), Log(ALog) {
    SetParent(Form);
  }
  void PrepareSkinDataChange() override {
    Log.push_back("prepare, frame objects " + std::to_string(Frame->ObjectCount()));
    if (PaintDuringChange) {
      TPixelDC dc(Form()->Width(), Form()->Height());
      dc.Fill(RGBColor(1, 2, 3));
      SendMessageA(Form()->Handle(), SP_PAINT_TO_DC_CHECKED, reinterpret_cast<WPARAM>(dc.DC()), SP_PAINT_TO_DC_CHECK);
      PaintedDuringChange = dc.Pixel(0, 0) != RGBColor(1, 2, 3);
    }
    TspSkinControl::PrepareSkinDataChange();
  }
  void ChangeSkinData() override {
    Log.push_back("change, frame objects " + std::to_string(Frame->ObjectCount()));
    TspSkinControl::ChangeSkinData();
  }
  TForm* Form() const { return static_cast<TForm*>(Owner()); }

  TspDynamicSkinForm* Frame;
  std::vector<std::string>& Log;
  bool PaintDuringChange = false;
  bool PaintedDuringChange = false;
};

TEST(FrameMessages, TheFrameAnswersHitTestsAndItsQueries) {
  TFrameWindow window{{100, 100, 400, 300}};
  window.Show();
  EXPECT_EQ(window.HitTest({150, 10}), HTCAPTION);
  EXPECT_EQ(window.HitTest({150, 100}), HTCLIENT);
  EXPECT_EQ(window.HitTest({298, 100}), HTRIGHT);  // the right edge is 2 pixels wide
  EXPECT_EQ(window.HitTest({2, 100}), HTLEFT);     // the left one 3
  EXPECT_EQ(window.HitTest({288, 12}), HTOBJECT);  // the close button
  HWND form = window.Form()->Handle();
  EXPECT_EQ(SendMessageA(form, SP_QUERY_SKIN_STATE, 0, 0), 12853);
  TPixelDC dc(300, 200);
  EXPECT_EQ(SendMessageA(form, SP_PAINT_TO_DC_CHECKED, reinterpret_cast<WPARAM>(dc.DC()), 1), 0);
  EXPECT_EQ(SendMessageA(form, SP_PAINT_TO_DC, reinterpret_cast<WPARAM>(dc.DC()), 0), 12851);

  window.Load("flatframe");  // wider: the skin's frame is 400 pixels at least
  EXPECT_EQ(window.Form()->Width(), 400);
  EXPECT_EQ(window.HitTest({100, 10}), HTCAPTION);
  EXPECT_EQ(window.HitTest({1, 100}), HTLEFT);
  EXPECT_EQ(window.HitTest({398, 198}), HTBOTTOMRIGHT);
  window.Frame()->RollUp(true);
  for (const TPoint p : {Point(1, 40), Point(100, 10)}) {
    const LRESULT hit = window.HitTest(p);
    EXPECT_TRUE(hit == HTCAPTION || hit == HTOBJECT) << hit;
  }
}

TEST(FrameMessages, TheMessageWindowsFrameHasNoCaptionButtonsAndNoSizingBorder) {
  TFrameWindow window{{100, 100, 600, 400}};
  TspDynamicSkinForm* frame = window.Frame();
  frame->SetHideCaptionButtons(true);
  frame->SetSizeable(false);
  frame->SetDraggAble(false);
  frame->SetBorderIcons({});
  window.Load("flatframe");
  window.Show();
  for (int i = 0; i < frame->ObjectCount(); ++i)
    EXPECT_FALSE(frame->Objects(i)->Kind == TspFrameObjectKind::StdButton && frame->Objects(i)->Visible);
  for (const TPoint p : {Point(1, 1), Point(1, 100), Point(498, 298), Point(150, 1), Point(499, 100)}) {
    const LRESULT hit = window.HitTest(p);
    EXPECT_FALSE(hit >= HTLEFT && hit <= HTBOTTOMRIGHT) << p.X << "," << p.Y << ": " << hit;
  }
  EXPECT_EQ(window.Form()->BorderIcons(), TBorderIcons{});
}

TEST(FrameMessages, WithSkinnableFormOffTheWindowKeepsItsOrdinaryFrame) {
  TOwned<TForm> plain(new TForm(Application));
  plain->SetBounds(100, 100, 500, 300);
  plain->HandleNeeded();
  TFrameWindow window{{100, 100, 600, 400}};
  window.Data()->SetSkinnableForm(false);
  window.Load("flatframe");
  window.Show();
  EXPECT_FALSE(window.Frame()->Skinnable());
  EXPECT_EQ(window.Form()->ClientWidth(), plain->ClientWidth());  // the system's frame
  EXPECT_EQ(SendMessageA(window.Form()->Handle(), SP_QUERY_SKIN_STATE, 0, 0), 12852);  // Wine says 6.1
  EXPECT_TRUE(window.Form()->BorderIcons().Contains(biSystemMenu));
  TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window.Form()->Handle(), region.get()), ERROR);

  window.Data()->SetSkinnableForm(true);  // the skin data tells every window
  EXPECT_TRUE(window.Frame()->Skinnable());
  EXPECT_EQ(window.Form()->ClientWidth(), 500 - 12);
}

// A procedure that hooked the form after the frame (a tray icon's) keeps its messages when
// the skinnable switch flips the frame between the skin's and the ordinary frame.
TEST(FrameMessages, AProcedureHookedAfterTheFrameStaysInTheChainWhenSkinnableFormFlips) {
  TFrameWindow window{{100, 100, 500, 300}};
  window.Load("flatframe");
  window.Show();
  int seen = 0;
  TspWindowProcHook after;
  after.Install(window.Form(), [&](TMessage& Message) {
    if (Message.Msg == WM_USER) ++seen;
    after.CallNext(Message);
  });
  window.Data()->SetSkinnableForm(false);
  window.Form()->Perform(WM_USER);
  window.Data()->SetSkinnableForm(true);
  window.Form()->Perform(WM_USER);
  EXPECT_EQ(seen, 2);
  // The frame still has its messages below it.
  EXPECT_EQ(window.Form()->Perform(SP_QUERY_SKIN_STATE), 12853);
}

TEST(FrameMessages, ASkinChangeReachesTheFrameFirstAndNothingIsPaintedMeanwhile) {
  std::vector<std::string> log;
  TFrameWindow window{{100, 100, 500, 300}};
  window.Frame()->OnChangeSkinData = [&](TObject*) { log.push_back("frame changed"); };
  auto* control = new TLoggingControl(window.Form(), window.Frame(), log);
  control->SetSkinData(window.Data());
  window.Load("flatframe");
  window.Show();
  log.clear();
  control->PaintDuringChange = true;
  window.Load("flatcolour");
  const int objects = window.Frame()->ObjectCount();
  EXPECT_EQ(log, (std::vector<std::string>{"prepare, frame objects 0", "frame changed",
                                           "change, frame objects " + std::to_string(objects)}));
  EXPECT_FALSE(control->PaintedDuringChange);
  EXPECT_GT(objects, 0);
}

// A skin change of a hidden window gives it no region it has already: nothing shows its
// shape yet, and the redraw would only paint the frame and its controls before the first
// paint does. A shown window is given it again, with the redraw that repaints it.
TEST(FrameMessages, AHiddenWindowIsNotGivenTheSameRegionAgainAShownOneIs) {
  TFrameWindow window{{100, 100, 500, 300}};
  window.Form()->HandleNeeded();
  window.Load("flatframe");
  HWND handle = window.Form()->Handle();
  TSentMessages sent({WM_WINDOWPOSCHANGED});
  window.Frame()->UpdateSkin();
  EXPECT_EQ(sent.Count(handle, WM_WINDOWPOSCHANGED), 1);  // the frame change alone
  window.Show();
  sent.Clear();
  window.Frame()->UpdateSkin();
  EXPECT_EQ(sent.Count(handle, WM_WINDOWPOSCHANGED), 2);  // and the region
}

TEST(FrameMessages, AForeignSkinDataReachesItsControlsButDoesNotReloadTheFrame) {
  std::vector<std::string> log;
  TFrameWindow window{{100, 100, 500, 300}};
  window.Load("flatframe");
  window.Show();
  bool reloaded = false;
  window.Frame()->OnChangeSkinData = [&](TObject*) { reloaded = true; };
  auto* foreign = new TspSkinData(window.Form());
  auto* control = new TLoggingControl(window.Form(), window.Frame(), log);
  control->SetSkinData(foreign);
  TspCompressedStoredSkin stored(nullptr);
  LoadTestSkin(stored, "sparse");
  const int objects = window.Frame()->ObjectCount();
  foreign->LoadCompressedStoredSkin(&stored);
  EXPECT_FALSE(reloaded);
  EXPECT_EQ(window.Frame()->ObjectCount(), objects);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].rfind("change", 0), 0u);
}

TEST(FrameMessages, TheSkinsStringsRecaptionTheTrayMenuAndTheButtonHints) {
  TFrameWindow window{{100, 100, 600, 400}};
  window.Load("flatframe");
  window.Show();
  TspDynamicSkinForm* frame = window.Frame();
  EXPECT_EQ(frame->TrayMenu()->Items()->Items(0)->Caption(), "&Restore");
  EXPECT_EQ(frame->StdButtonObject(cmclose)->Hint, "Close");
  auto* strings = new TspResourceStrData(window.Form());
  TStringList lines;
  lines.Add("MI_RESTORECAPTION=&Back");
  lines.Add("CLOSEBUTTON_HINT=Shut");
  strings->SetResStrings(lines);
  window.Data()->SetResourceStrData(strings);  // tells every window
  EXPECT_EQ(frame->TrayMenu()->Items()->Items(0)->Caption(), "&Back");
  EXPECT_EQ(frame->StdButtonObject(cmclose)->Hint, "Shut");
  EXPECT_EQ(frame->StdButtonObject(cmmaximize)->Hint, "");  // the skin's table has no entry
}

TEST(FrameMessages, GoingAwayGivesBackEveryHandlerStillItsOwn) {
  TOwned<TForm> form(new TForm(Application));
  form->SetBounds(100, 100, 300, 200);
  const TShortCutEvent shortCut = [](TWMKey&, bool&) {};
  form->OnShortCut = shortCut;
  const TWndMethod windowProc = form->WindowProc;
  const TApplication::TMessageEvent applicationMessage = Application->OnMessage;
  auto* frame = new TspDynamicSkinForm(form.get());
  EXPECT_FALSE(form->OnShortCut == shortCut);
  form->Show();
  PumpFor(10);
  auto* menu = new TPopupMenu(form.get());
  for (const char* caption : {"One", "Two"}) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  frame->SkinMenuOpen();
  ASSERT_TRUE(frame->SkinMenu()->Popup(nullptr, nullptr, 0, Rect(200, 200, 200, 200), menu->Items(), false));
  EXPECT_FALSE(Application->OnMessage == applicationMessage);
  frame->Free();
  EXPECT_TRUE(Application->OnMessage == applicationMessage);
  EXPECT_TRUE(form->OnShortCut == shortCut);
  EXPECT_TRUE(form->WindowProc == windowProc);
  PumpFor(10);
}

}  // namespace
