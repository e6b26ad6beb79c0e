// The skinned scroll bar under Wine: each part's state pictures from the flat-colour
// skin, the sparse skin's fall-backs and the default look; held arrows and pages driven
// by WM_TIMER; dragging; which changes tell OnChange; what a new position draws again;
// and a bar its own handler frees.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinBarData.h"

#include "classlib/DeviceContexts.h"

#include <gtest/gtest.h>

namespace {

using TColors = std::vector<TColor>;

// Lets WM_TIMER reach a control only when the test sends it, so that the real timer's
// ticks never add steps.
class TTimerGate {
public:
  explicit TTimerGate(TWinControl* Control) : FControl(Control), FOld(Control->WindowProc) {
    Control->WindowProc = Event(this, &TTimerGate::Proc);
  }
  ~TTimerGate() { FControl->WindowProc = FOld; }
  TTimerGate(const TTimerGate&) = delete;
  TTimerGate& operator=(const TTimerGate&) = delete;
  void Tick() {
    FOpen = true;
    SendMessageA(FControl->Handle(), WM_TIMER, 1, 0);
    FOpen = false;
  }

private:
  void Proc(TMessage& Message) {
    if (Message.Msg != WM_TIMER || FOpen) FOld(Message);
  }
  TWinControl* FControl;
  TWndMethod FOld;
  bool FOpen = false;
};

TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

void Mouse(TControl* Control, UINT Msg, TPoint P, WPARAM Keys = 0) {
  PostMouse(Control, Msg, P.X, P.Y, Keys);
  Application->ProcessMessages();
}
void Press(TControl* Control, TPoint P) { Mouse(Control, WM_LBUTTONDOWN, P, MK_LBUTTON); }
void Drag(TControl* Control, TPoint P) { Mouse(Control, WM_MOUSEMOVE, P, MK_LBUTTON); }
void Release(TControl* Control, TPoint P) { Mouse(Control, WM_LBUTTONUP, P); }

class SkinScrollBarTest : public ::testing::Test {
protected:
  SkinScrollBarTest() {
    ParkPointer();
    bar = window.Add<TspSkinScrollBar>({10, 10, 210, 29});
    bar->SetSkinData(window.Data());
    bar->OnChange = [this](TObject*) { ++changes; };
    window.Show();
  }
  TspDataSkinScrollBarControl& Entry() {
    return dynamic_cast<TspDataSkinScrollBarControl&>(
        *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("hscrollbar"))));
  }
  TColor Colour(const TRect& R) { return EntryColour(*window.Data(), "hscrollbar", R); }
  TRect Part(int Index) { return bar->PartRects().Buttons[static_cast<size_t>(Index)]; }
  TColor PixelAt(TPoint P) { return Painted(bar)->Pixel(P.X, P.Y); }

  TSkinTestWindow window{320, 80};
  TspSkinScrollBar* bar;
  int changes = 0;
};

TEST_F(SkinScrollBarTest, EachPartShowsItsStatePictureOrTheOneTheSkinHasAndADisabledBarNoThumb) {
  window.Load("flatcolour");
  TTimerGate gate(bar);
  const TspDataSkinScrollBarControl& e = Entry();
  const TPoint up = Centre(Part(ScrollUpButton));
  const TRect thumb = Part(ScrollThumb);
  const TPoint thumbEdge{thumb.Left + 2, thumb.Top + 2};
  EXPECT_EQ(bar->Height(), 16);  // the entry's height
  EXPECT_EQ((TColors{PixelAt(up), PixelAt(thumbEdge), PixelAt(Centre(thumb))}),
            (TColors{Colour(e.SkinRect), Colour(e.ThumbRect), Colour(e.GlyphRect)}));
  Mouse(bar, WM_MOUSEMOVE, up);
  EXPECT_EQ(PixelAt(up), Colour(e.ActiveUpButtonRect));
  Press(bar, up);
  EXPECT_EQ(PixelAt(up), Colour(e.DownUpButtonRect));
  Release(bar, up);
  EXPECT_EQ(PixelAt(up), Colour(e.ActiveUpButtonRect));

  const TRect moved = Part(ScrollThumb);  // one step on
  Mouse(bar, WM_MOUSEMOVE, Centre(moved));
  EXPECT_EQ(PixelAt({moved.Left + 2, moved.Top + 2}), Colour(e.ActiveThumbRect));
  EXPECT_EQ(PixelAt(Centre(moved)), Colour(e.ActiveGlyphRect));
  Press(bar, Centre(moved));
  EXPECT_EQ(PixelAt({moved.Left + 2, moved.Top + 2}), Colour(e.DownThumbRect));
  Release(bar, Centre(moved));
  ParkPointer();
  bar->SetEnabled(false);
  EXPECT_EQ(PixelAt(Centre(moved)), Colour(e.SkinRect));

  window.Load("sparse");  // no pressed buttons, no hot thumb, no glyph
  bar->SetEnabled(true);
  Press(bar, up);
  EXPECT_EQ(PixelAt(up), Colour(Entry().ActiveUpButtonRect));
  Release(bar, up);
  const TRect thumb2 = Part(ScrollThumb);
  Mouse(bar, WM_MOUSEMOVE, Centre(thumb2));
  EXPECT_EQ(PixelAt(Centre(thumb2)), Colour(Entry().ThumbRect));
}


TEST_F(SkinScrollBarTest, WithoutSkinThePartsHaveTheDefaultLook) {
  TTimerGate gate(bar);
  const TColor shadow = SysColor(clBtnShadow), face = SysColor(clBtnFace), navy = RGBColor(0, 0, 128);
  const TRect up = Part(ScrollUpButton), thumb = Part(ScrollThumb);
  EXPECT_EQ(bar->Height(), 19);
  EXPECT_EQ((TColors{PixelAt(up.TopLeft()), PixelAt({up.Left + 1, up.Top + 1}), PixelAt(thumb.TopLeft())}),
            (TColors{shadow, face, shadow}));
  Mouse(bar, WM_MOUSEMOVE, Centre(up));
  EXPECT_EQ((TColors{PixelAt(up.TopLeft()), PixelAt({up.Left + 1, up.Top + 1})}), (TColors{navy, DefaultHotFill}));
  Press(bar, Centre(Part(ScrollThumb)));
  EXPECT_EQ(PixelAt({thumb.Left + 1, thumb.Top + 1}), DefaultDownFill);
}

TEST_F(SkinScrollBarTest, AHeldArrowStepsAtThePressThenAtEveryTickButTheFirstWhileThePointerIsOnIt) {
  TTimerGate gate(bar);
  const TPoint up = Centre(Part(ScrollUpButton));
  Press(bar, up);
  EXPECT_EQ(bar->Position(), 1);
  gate.Tick();  // 500 ms on: only switches to 50 ms
  EXPECT_EQ(bar->Position(), 1);
  gate.Tick();
  gate.Tick();
  EXPECT_EQ(bar->Position(), 3);
  Drag(bar, Centre(bar->PartRects().TrackRect));
  gate.Tick();
  EXPECT_EQ(bar->Position(), 3);
  Drag(bar, up);
  gate.Tick();
  EXPECT_EQ(bar->Position(), 4);
  Release(bar, up);
  gate.Tick();
  EXPECT_EQ(std::pair(bar->Position(), changes), std::pair(4, 4));

  int instead = 0;  // the down button's own event replaces its step
  bar->OnDownButtonClick = [&](TObject*) { ++instead; };
  const TPoint down = Centre(Part(ScrollDownButton));
  Press(bar, down);
  gate.Tick();
  gate.Tick();
  Release(bar, down);
  EXPECT_EQ(std::pair(bar->Position(), instead), std::pair(4, 2));
}

TEST_F(SkinScrollBarTest, HeldPagingStopsWhenTheThumbReachesThePointer) {
  TTimerGate gate(bar);
  int pages = 0;
  bar->OnPageDown = [&](TObject*) { ++pages; };
  bar->SetRange(0, 100, 10, 0);
  bar->SetLargeChange(10);
  const TPoint point{Part(ScrollUpButton).Left - 12, 8};
  Press(bar, point);
  EXPECT_EQ(bar->Position(), 10);
  for (int i = 0; i < 20; ++i) gate.Tick();
  EXPECT_TRUE(PtInRect(Part(ScrollThumb), point));
  EXPECT_LT(bar->Position(), bar->Max() - bar->PageSize() + 1);
  EXPECT_EQ(pages, bar->Position() / 10);
  EXPECT_EQ(changes, pages);
  Release(bar, point);
}

TEST_F(SkinScrollBarTest, ADraggedThumbPinsAtMinAndAtTheLastPage) {
  TTimerGate gate(bar);
  int lastChanges = 0;
  bar->OnLastChange = [&](TObject*) { ++lastChanges; };
  bar->SetRange(10, 50, 5, 20);
  const TPoint grip = Centre(Part(ScrollThumb));
  Press(bar, grip);
  Drag(bar, {-300, grip.Y});
  EXPECT_EQ(bar->Position(), 10);
  Drag(bar, {600, grip.Y});
  EXPECT_EQ(bar->Position(), 46);
  Release(bar, {600, grip.Y});
  EXPECT_EQ(std::pair(changes, lastChanges), std::pair(2, 1));
}

TEST_F(SkinScrollBarTest, OnlySetPositionAndTheUserTellOnChange) {
  bar->SetPosition(30);
  bar->SetPosition(30);
  bar->SetPositionWithoutEvent(40);
  bar->SetRange(0, 20, 5, 18);
  EXPECT_EQ(std::pair(bar->Position(), changes), std::pair(16, 1));
  // With Min above 0 a page fits counted from Min, and a new Max keeps a position that
  // still fits.
  bar->SetRange(10, 50, 5, 40);
  bar->SetMax(48);
  EXPECT_EQ(bar->Position(), 40);
  bar->SetRange(10, 30, 0, 10);
  bar->SetPageSize(15);
  bar->SetPageSize(22);
  EXPECT_EQ(bar->PageSize(), 15);
  bar->SetPosition(20);
  EXPECT_EQ(bar->Position(), 16);
  bar->SetMin(40);  // Min wins over a page larger than the range
  EXPECT_EQ(std::pair(bar->Position(), changes), std::pair(40, 2));

  bar->SetCanFocused(true);
  bar->SetRange(0, 100, 0, 50);
  bar->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return bar->Focused(); }));
  PostKey(bar, VK_RIGHT);
  SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  for (int turn = 0; turn < 2; ++turn)
    SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(std::pair(bar->Position(), changes), std::pair(52, 6));
}

TEST_F(SkinScrollBarTest, ANewPositionDrawsAtOnceOnlyWhereTheThumbWasAndIsNow) {
  for (const char* skin : {"flatcolour", ""}) {
    SCOPED_TRACE(skin);
    if (*skin != 0)
      window.Load(skin);
    else
      window.Clear();
    bar->SetRange(0, 999, 0, 0);  // 999 positions over some 150 pixels
    Application->ProcessMessages();
    bar->Update();
    int paintMessages = 0;
    const TWndMethod proc = bar->WindowProc;
    bar->WindowProc = [&](TMessage& Message) {
      paintMessages += Message.Msg == WM_PAINT;
      proc(Message);
    };
    // The window blacked out behind the system's back: what the bar draws shows up.
    const RECT all{0, 0, bar->Width(), bar->Height()};
    {
      const TWindowDC dc(bar->Handle());
      FillRect(dc.DC(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    const TRect first = Part(ScrollThumb);
    bar->SetPositionWithoutEvent(1);  // the thumb stays: nothing to draw
    ASSERT_EQ(Part(ScrollThumb), first);
    bar->SetSmallChange(5);  // shows nowhere
    bar->SetPositionWithoutEvent(500);
    const TRect moved = Part(ScrollThumb);
    ASSERT_NE(moved, first);
    TPixelDC screen(bar->Width(), bar->Height());
    {
      const TWindowDC dc(bar->Handle());
      BitBlt(screen.DC(), 0, 0, bar->Width(), bar->Height(), dc.DC(), 0, 0, SRCCOPY);
    }
    bar->WindowProc = proc;
    EXPECT_EQ(paintMessages, 0);
    // The span from the old thumb to the new one as a whole paint shows it, the rest
    // (arrow buttons, the track beyond) untouched.
    const TRect span{first.Left, first.Top, moved.Right, moved.Bottom};
    const std::unique_ptr<TPixelDC> whole = Painted(bar);
    int wrong = 0, drawn = 0;
    for (int y = 0; y < bar->Height(); ++y)
      for (int x = 0; x < bar->Width(); ++x) {
        const bool inSpan = PtInRect(span, {x, y});
        drawn += inSpan;
        wrong += screen.Pixel(x, y) != (inSpan ? whole->Pixel(x, y) : TColor{clBlack});
      }
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(SkinScrollBarTest, ABarItsOwnHandlerFreesIsNotTouchedAgain) {
  bool freed = false;
  bar->OnChange = [&](TObject* Sender) {
    static_cast<TspSkinScrollBar*>(Sender)->Free();
    freed = true;
  };
  bar->OnPageDown = [](TObject*) { ADD_FAILURE() << "an event after the bar was freed"; };
  Press(bar, {Part(ScrollUpButton).Left - 5, 8});
  EXPECT_TRUE(freed);
  Mouse(window.Form(), WM_LBUTTONUP, {100, 40});
}

// A thumb picture larger than any bitmap (a broken or hostile skin) is not drawn: the bar
// paints the rest, where making the thumb's bitmap once threw out of every paint.
TEST_F(SkinScrollBarTest, AThumbLargerThanAnyBitmapIsLeftOutOfThePaint) {
  const uint64_t rise = RunWithinDeadline("a scroll bar with a huge thumb", [&] {
    window.Load("flatcolour", [](TspSkinPayload& Skin) {
      SetSkinValue(Skin, "hscrollbar", "thumbrect", "320,958,344,100000000");  // its height: across the bar
    });
    Painted(bar);
    bar->SetPageSize(10);  // the thumb built from its ends and middle
    Painted(bar);
  });
  EXPECT_LT(rise, HostilePaintMemory);
}

}  // namespace
