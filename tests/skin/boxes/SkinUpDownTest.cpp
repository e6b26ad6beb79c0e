// The skinned up-down control driven through the application's loop: the repeat cycle by
// WM_TIMER, the ends of its range, Increment 0, its buttons' places and looks with the
// flat-colour skin's entry, with the "resizebutton" entry and without a skin, and a
// control freed by its own handlers (under a freed-memory guard).
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinUpDown.h"
#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"

#include "FreedMemory.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const TColor Navy = RGBColor(0, 0, 128);

class SkinUpDownTest : public ::testing::Test {
 protected:
  SkinUpDownTest() { ParkPointer(); }

  TspSkinUpDown* Add(const TRect& Bounds) {
    auto* updown = Window.Add<TspSkinUpDown>(Bounds);
    updown->OnChange = [this, updown](TObject*) { Changes.push_back(updown->Position()); };
    updown->OnUpButtonClick = [this](TObject*) { ++UpClicks; };
    updown->OnDownButtonClick = [this](TObject*) { ++DownClicks; };
    return updown;
  }
  static void Mouse(TspSkinUpDown* UpDown, UINT Msg, TPoint At, WPARAM Keys = 0) {
    PostMouse(UpDown, Msg, At.X, At.Y, Keys);
    Application->ProcessMessages();
  }
  static void Tick(TspSkinUpDown* UpDown) { SendMessageA(UpDown->Handle(), WM_TIMER, TspSkinUpDown::RepeatTimerId, 0); }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  static TPoint Middle(TspSkinUpDown* UpDown, int Button) { return Centre(UpDown->Buttons().Button(Button).R); }
  // The pixel just inside a button's top-left corner, and the one at its frame.
  static TColor Fill(TspSkinUpDown* UpDown, int Button) {
    const TRect r = UpDown->Buttons().Button(Button).R;
    return Painted(UpDown)->Pixel(r.Left + 2, r.Top + 2);
  }
  static TColor Frame(TspSkinUpDown* UpDown, int Button) {
    const TRect r = UpDown->Buttons().Button(Button).R;
    return Painted(UpDown)->Pixel(r.Left, r.Top);
  }

  TSkinTestWindow Window;
  std::vector<int> Changes;
  int UpClicks = 0;
  int DownClicks = 0;
};

TEST_F(SkinUpDownTest, AHeldButtonStepsAfterTheFirstDelayPausesOffItAndStepsOnceMoreWhenLetGo) {
  TspSkinUpDown* updown = Add({10, 10, 50, 30});
  updown->SetPosition(5);
  Window.Show();
  Changes.clear();
  const TPoint up = Middle(updown, UpButton);
  Mouse(updown, WM_LBUTTONDOWN, up, MK_LBUTTON);
  EXPECT_TRUE(updown->Buttons().Button(UpButton).Down);
  Tick(updown);  // the first delay
  EXPECT_EQ(updown->Position(), 5);
  Tick(updown);
  Tick(updown);
  EXPECT_EQ(updown->Position(), 7);
  Mouse(updown, WM_MOUSEMOVE, {60, 15}, MK_LBUTTON);  // off the button: paused
  Tick(updown);
  EXPECT_EQ(updown->Position(), 7);
  Mouse(updown, WM_MOUSEMOVE, up, MK_LBUTTON);
  Tick(updown);
  EXPECT_EQ(updown->Position(), 8);
  Mouse(updown, WM_LBUTTONUP, up);
  EXPECT_EQ(updown->Position(), 9);
  EXPECT_EQ(Changes, (std::vector<int>{6, 7, 8, 9}));
  EXPECT_EQ(UpClicks, 1);
  Tick(updown);  // nothing repeats any more
  EXPECT_EQ(updown->Position(), 9);
  const TPoint down = Middle(updown, DownButton);  // the left half
  EXPECT_LT(down.X, up.X);
  Mouse(updown, WM_LBUTTONDOWN, down, MK_LBUTTON);
  Mouse(updown, WM_LBUTTONUP, {300, 300});  // let go far away: still one step and a click
  EXPECT_EQ(updown->Position(), 8);
  EXPECT_EQ(DownClicks, 1);
}

TEST_F(SkinUpDownTest, AtMaxAHeldUpButtonChangesNothingButItsReleaseStillClicks) {
  TspSkinUpDown* updown = Add({10, 10, 50, 30});
  updown->SetPosition(100);
  Window.Show();
  Changes.clear();
  Mouse(updown, WM_LBUTTONDOWN, Middle(updown, UpButton), MK_LBUTTON);
  for (int i = 0; i < 4; ++i) Tick(updown);
  Mouse(updown, WM_LBUTTONUP, Middle(updown, UpButton));
  EXPECT_EQ(updown->Position(), 100);
  EXPECT_TRUE(Changes.empty());
  EXPECT_EQ(UpClicks, 1);
  updown->SetPosition(100);  // a value in range fires even unchanged
  EXPECT_EQ(Changes, (std::vector<int>{100}));
  updown->SetMax(60);  // the position follows without an event
  EXPECT_EQ(updown->Position(), 60);
  EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(SkinUpDownTest, IncrementZeroNeitherStepsNorRepeatsButTheButtonsClick) {
  TspSkinUpDown* updown = Add({10, 10, 50, 30});
  updown->SetIncrement(0);
  updown->SetPosition(5);
  Window.Show();
  Changes.clear();
  Mouse(updown, WM_LBUTTONDOWN, Middle(updown, DownButton), MK_LBUTTON);
  EXPECT_EQ(updown->Buttons().Repeating(), -1);
  for (int i = 0; i < 3; ++i) Tick(updown);
  Mouse(updown, WM_LBUTTONUP, Middle(updown, DownButton));
  EXPECT_EQ(updown->Position(), 5);
  EXPECT_TRUE(Changes.empty());
  EXPECT_EQ(DownClicks, 1);
  // The right and the middle button press as the left one does.
  Mouse(updown, WM_RBUTTONDOWN, Middle(updown, UpButton), MK_RBUTTON);
  EXPECT_EQ(updown->Buttons().Captured(), UpButton);
  Mouse(updown, WM_RBUTTONUP, Middle(updown, UpButton));
  Mouse(updown, WM_MBUTTONDOWN, Middle(updown, DownButton), MK_MBUTTON);
  Mouse(updown, WM_MBUTTONUP, Middle(updown, DownButton));
  EXPECT_EQ(std::pair(UpClicks, DownClicks), std::pair(1, 2));
}

TEST_F(SkinUpDownTest, WithoutASkinTheHalvesShowTheDefaultLookOfTheirState) {
  TspSkinUpDown* across = Add({10, 10, 50, 30});
  TspSkinUpDown* upright = Add({60, 10, 80, 50});
  upright->SetOrientation(udVertical);
  Window.Show();
  EXPECT_EQ(upright->Buttons().Button(UpButton).R, (TRect{0, 0, 20, 20}));
  EXPECT_EQ(upright->Buttons().Button(DownButton).R, (TRect{0, 20, 20, 40}));
  EXPECT_EQ(across->Buttons().Button(DownButton).R, (TRect{0, 0, 20, 20}));
  EXPECT_EQ(Frame(across, UpButton), SysColor(clBtnShadow));
  EXPECT_EQ(Fill(across, UpButton), SysColor(clBtnFace));
  EXPECT_EQ(Painted(across)->Pixel(30, 10), clBlack);  // the arrow's middle
  Mouse(across, WM_MOUSEMOVE, Middle(across, UpButton));
  EXPECT_EQ(Frame(across, UpButton), Navy);
  EXPECT_EQ(Fill(across, UpButton), DefaultHotFill);
  EXPECT_EQ(Fill(across, DownButton), SysColor(clBtnFace));
  Mouse(across, WM_LBUTTONDOWN, Middle(across, UpButton), MK_LBUTTON);
  EXPECT_EQ(Fill(across, UpButton), DefaultDownFill);
  Mouse(across, WM_LBUTTONUP, Middle(across, UpButton));
  EXPECT_EQ(Fill(across, UpButton), DefaultHotFill);
}

TEST_F(SkinUpDownTest, TheSkinEntryDecidesSizeAndButtonsAndLendsItsHotAndPressedLooks) {
  TspSkinUpDown* updown = Add({10, 10, 60, 60});
  updown->SetSkinData(Window.Data());
  Window.Show();
  for (const char* skin : {"flatcolour", "sparse"}) {
    Window.Load(skin);
    TspSkinData& data = *Window.Data();
    auto& entry = dynamic_cast<TspDataSkinUpDownControl&>(*data.CtrlList.at(data.GetControlIndex("hupdown")));
    EXPECT_EQ((TSize{updown->Width(), updown->Height()}), (TSize{34, 20})) << skin;
    EXPECT_EQ(updown->Buttons().Button(UpButton).R, entry.UpButtonRect) << skin;
    entry.ClRect = {2, 2, 30, 18};
    Painted(updown);
    EXPECT_EQ(entry.ClRect, TRect{}) << skin;  // an up-down has no client rectangle
    const TRect upInPicture = OffsetRect(entry.UpButtonRect, entry.SkinRect.Left, entry.SkinRect.Top);
    EXPECT_EQ(Fill(updown, UpButton), EntryColour(data, "hupdown", upInPicture)) << skin;
    Mouse(updown, WM_MOUSEMOVE, Middle(updown, UpButton));
    EXPECT_EQ(Fill(updown, UpButton), EntryColour(data, "hupdown", entry.ActiveUpButtonRect)) << skin;
    Mouse(updown, WM_LBUTTONDOWN, Middle(updown, UpButton), MK_LBUTTON);
    const TRect pressed = IsRectEmpty(entry.DownUpButtonRect) ? entry.ActiveUpButtonRect : entry.DownUpButtonRect;
    EXPECT_EQ(Fill(updown, UpButton), EntryColour(data, "hupdown", pressed)) << skin;
    Mouse(updown, WM_LBUTTONUP, Middle(updown, UpButton));
    Mouse(updown, WM_MOUSEMOVE, {200, 200});
  }
  updown->SetSkinDataName("button");  // an entry of another kind is no skin
  EXPECT_EQ(Frame(updown, DownButton), SysColor(clBtnShadow));
  EXPECT_EQ(updown->SkinIndex(), -1);
}

TEST_F(SkinUpDownTest, WithoutTheSkinsSizeTheHalvesAreResizeButtons) {
  TspSkinUpDown* updown = Add({10, 10, 70, 30});
  updown->SetUseSkinSize(false);
  updown->SetSkinData(Window.Data());
  Window.Show();
  Window.Load("flatcolour");
  const TspSkinData& data = *Window.Data();
  const auto& button =
      dynamic_cast<const TspDataSkinButtonControl&>(*data.CtrlList.at(data.GetControlIndex("resizebutton")));
  EXPECT_EQ((TSize{updown->Width(), updown->Height()}), (TSize{60, 20}));
  EXPECT_EQ(updown->Buttons().Button(UpButton).R, (TRect{30, 0, 60, 20}));
  const TPoint middle = Middle(updown, UpButton);
  EXPECT_EQ(Painted(updown)->Pixel(middle.X - 8, middle.Y - 6), EntryColour(data, "resizebutton", button.SkinRect));
  Mouse(updown, WM_MOUSEMOVE, middle);
  EXPECT_EQ(Painted(updown)->Pixel(middle.X - 8, middle.Y - 6),
            EntryColour(data, "resizebutton", button.ActiveSkinRect));
  Mouse(updown, WM_LBUTTONDOWN, middle, MK_LBUTTON);
  EXPECT_EQ(Painted(updown)->Pixel(middle.X - 8, middle.Y - 6), EntryColour(data, "resizebutton", button.DownSkinRect));
  Mouse(updown, WM_LBUTTONUP, middle);
}

TEST_F(SkinUpDownTest, AControlFreedByTheStepOrTheClickOfItsButtonOrByThePointerLeavingIsNotTouchedAgain) {
  Window.Show();
  const TFreedMemoryGuard guard;
  const auto freeing = [](TspSkinUpDown* UpDown) { return [UpDown](TObject*) { UpDown->Free(); }; };
  const auto click = [](TspSkinUpDown* UpDown) {
    const TPoint up = Middle(UpDown, UpButton);
    Mouse(UpDown, WM_LBUTTONDOWN, up, MK_LBUTTON);
    Mouse(UpDown, WM_LBUTTONUP, up);
  };
  TspSkinUpDown* stepped = Add({10, 10, 50, 30});
  stepped->OnChange = freeing(stepped);
  click(stepped);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(stepped));

  TspSkinUpDown* clicked = Add({10, 10, 50, 30});
  clicked->OnUpButtonClick = freeing(clicked);
  click(clicked);
  EXPECT_TRUE(TFreedMemoryGuard::Freed(clicked));

  TspSkinUpDown* left = Add({10, 10, 50, 30});
  left->OnMouseLeave = freeing(left);
  Mouse(left, WM_MOUSEMOVE, Middle(left, UpButton));
  PostMouse(Window.Form(), WM_MOUSEMOVE, 200, 150);
  Application->ProcessMessages();
  EXPECT_TRUE(TFreedMemoryGuard::Freed(left));
}

}  // namespace
