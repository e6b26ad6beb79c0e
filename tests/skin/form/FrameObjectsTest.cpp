// The frame test skin's value and display objects on a window of its frame picture's size:
// what each paints (gauge fill, switch, frames of the frame gauge, regulator and
// animation, labels, the user object), the events that posted mouse input fires once per
// change, and skins with hostile entries that must neither divide by zero nor crash.
#include "FrameTestKit.h"

#include "skin/form/SkinDisplayObjects.h"
#include "skin/form/SkinValueObjects.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace {

constexpr int32_t IntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t IntMax = std::numeric_limits<int32_t>::max();

// What the frame's object events report, in order.
struct TEventLog {
  void Value(const std::string& IDName, int Value) { Values.push_back(IDName + " " + std::to_string(Value)); }
  void Switch(const std::string& IDName, TSwitchState State) {
    Values.push_back(IDName + (State == swsOn ? " on" : " off"));
  }
  void MouseDown(const std::string& IDName, int, int, TRect, TMouseButton) { Presses.push_back(IDName); }
  void CustomObject(const std::string& IDName, bool& Visible) {
    Asked.push_back(IDName);
    Visible = false;
  }
  void Paint(const std::string& IDName, TCanvas* Canvas, TRect ObjectRect) {
    Canvas->Brush()->SetColor(UserColour);
    Canvas->FillRect(ObjectRect);
    Painted.push_back(IDName);
  }
  static constexpr TColor UserColour = RGBColor(1, 200, 3);
  std::vector<std::string> Values, Presses, Painted, Asked;
};

// The frame test skin on a window of its frame picture's size: the objects keep their
// skin places in the bottom band.
class FrameObjects : public ::testing::Test {
 protected:
  FrameObjects() {
    window.Load("flatframe");
    window.Data()->SetEnableSkinEffects(false);
    window.Frame()->SetForceActive(true);
    TspDynamicSkinForm* frame = window.Frame();
    frame->OnTrackBarChangeValueEvent = Event(&log, &TEventLog::Value);
    frame->OnFrameRegulatorChangeValueEvent = Event(&log, &TEventLog::Value);
    frame->OnSwitchChangeStateEvent = Event(&log, &TEventLog::Switch);
    frame->OnMouseDownEvent = Event(&log, &TEventLog::MouseDown);
    frame->OnPaintEvent = Event(&log, &TEventLog::Paint);
    window.Show();
  }
  template <class O = TspActiveSkinObject>
  O* Object(const std::string& IDName) {
    return FrameObject<O>(window.Frame(), IDName);
  }
  const TspSkinData& Data() const { return *window.Data(); }
  TColor Look(const std::string& IDName, const TRect& R) { return ObjectColour(Data(), IDName, R); }
  TColor Pixel(TPoint P) { return window.PaintedFrame()->Pixel(P.X, P.Y); }
  void Tick(TTimer* Timer) { SendMessageA(Timer->Handle(), WM_TIMER, 1, 0); }

  TFrameWindow window{{100, 100, 500, 240}};
  TEventLog log;
};

TEST_F(FrameObjects, AGaugeFillsFromTheLeftWithItsValue) {
  auto* gauge = Object<TspSkinGaugeObject>("gaugeobject");
  ASSERT_EQ(gauge->ObjectRect, Rect(144, 116, 192, 128));
  const TColor empty = FramePixel(Data(), 150, 122);
  const TColor full = Look("gaugeobject", gauge->ActiveSkinRect);
  EXPECT_EQ(Pixel({145, 122}), empty);
  gauge->Value = 25;  // a quarter of 48 columns
  const auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(144, 122), full);
  EXPECT_EQ(dc->Pixel(155, 122), full);
  EXPECT_EQ(dc->Pixel(156, 122), empty);
  gauge->Value = 100;
  EXPECT_EQ(Pixel({191, 122}), full);
}

TEST_F(FrameObjects, ATrackBarsButtonFollowsADragAlongTheTrackOneEventPerMove) {
  auto* track = Object<TspSkinTrackBarObject>("trackbarobject");
  const TPoint origin = track->ObjectRect.TopLeft();  // (8, 112); the track runs 6..50 at 10
  const auto at = [&](int X) { return Point(origin.X + X, origin.Y + 10); };
  window.PostMouse(WM_NCLBUTTONDOWN, at(6));
  EXPECT_TRUE(track->Down);
  window.PostMouse(WM_MOUSEMOVE, at(17));
  window.PostMouse(WM_MOUSEMOVE, at(28));
  // Past the end the button stays; the drag goes on from where the mouse is.
  window.PostMouse(WM_MOUSEMOVE, at(92));
  window.PostMouse(WM_MOUSEMOVE, at(98));
  window.PostMouse(WM_LBUTTONUP, at(98));
  EXPECT_FALSE(track->Down);
  EXPECT_EQ(log.Values, (std::vector<std::string>{"trackbarobject 25", "trackbarobject 50", "trackbarobject 64"}));
  EXPECT_EQ(track->ButtonPos, Point(34, 10));

  const auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(at(34).X, at(34).Y), Look("trackbarobject", track->ButtonRect));
  EXPECT_EQ(dc->Pixel(at(20).X, at(20).Y), Look("trackbarobject", track->ActiveSkinRect));  // filled
  EXPECT_EQ(dc->Pixel(at(48).X, at(48).Y), FramePixel(Data(), at(48).X, at(48).Y));

  // A press on the track moves the button there at once.
  log.Values.clear();
  window.PostMouse(WM_NCLBUTTONDOWN, at(53));
  window.PostMouse(WM_LBUTTONUP, at(53));
  EXPECT_EQ(log.Values, (std::vector<std::string>{"trackbarobject 100"}));
  EXPECT_EQ(log.Presses, (std::vector<std::string>{"trackbarobject", "trackbarobject"}));
}

TEST_F(FrameObjects, ASwitchTogglesOnEachPressAndShowsItsActiveLookWhileOn) {
  auto* toggle = Object<TspSkinSwitchObject>("switchobject");
  const TPoint at = Centre(toggle->ObjectRect);
  const TColor off = FramePixel(Data(), at.X, at.Y);
  for (int i = 0; i < 2; ++i) {
    window.PostMouse(WM_NCLBUTTONDOWN, at);
    window.PostMouse(WM_LBUTTONUP, at);
    EXPECT_EQ(Pixel(at), i == 0 ? Look("switchobject", toggle->ActiveSkinRect) : off);
  }
  EXPECT_EQ(toggle->State, swsOff);
  EXPECT_EQ(log.Values, (std::vector<std::string>{"switchobject on", "switchobject off"}));
  // Its look follows the state, not the mouse.
  window.Frame()->TestActive(at.X, at.Y, true);
  EXPECT_EQ(Pixel(at), off);
}

TEST_F(FrameObjects, ARoundRegulatorStepsAsItIsTurnedAndAcrossTheBottom) {
  auto* regulator = Object<TspSkinFrameRegulatorObject>("regulatorobject");
  const TPoint c = Centre(regulator->ObjectRect);  // 20 x 20, values 0..3 a step of 120 degrees
  window.PostMouse(WM_NCLBUTTONDOWN, {c.X + 9, c.Y});  // right: 270 degrees
  // On through 336 and across the bottom to 0, then through 90 to 180 at the top.
  for (const TPoint p : {Point(c.X + 4, c.Y + 9), Point(c.X, c.Y + 9), Point(c.X - 9, c.Y), Point(c.X, c.Y - 9)})
    window.PostMouse(WM_MOUSEMOVE, p);
  window.PostMouse(WM_LBUTTONUP, c);
  EXPECT_EQ(log.Values, (std::vector<std::string>{"regulatorobject 1", "regulatorobject 2"}));
  const TRect strip = regulator->ActiveSkinRect;
  EXPECT_EQ(Pixel(c), Look("regulatorobject", Bounds(strip.Left, strip.Top + 40, 20, 20)));  // frame 3
}

TEST_F(FrameObjects, AFrameGaugeShowsTheFrameOfItsValue) {
  auto* gauge = Object<TspSkinFrameGaugeObject>("framegaugeobject");  // 4 frames for 0..30
  const TPoint at = Centre(gauge->ObjectRect);
  const TRect strip = gauge->ActiveSkinRect;
  EXPECT_EQ(Pixel(at), Look("framegaugeobject", Bounds(strip.Left, strip.Top, 16, 16)));
  gauge->Value = 30;
  EXPECT_EQ(Pixel(at), Look("framegaugeobject", Bounds(strip.Left + 48, strip.Top, 16, 16)));
  // Under the mouse nothing changes.
  window.Frame()->TestActive(at.X, at.Y, true);
  EXPECT_TRUE(gauge->Active);
  EXPECT_EQ(Pixel(at), Look("framegaugeobject", Bounds(strip.Left + 48, strip.Top, 16, 16)));
}

TEST_F(FrameObjects, AnAnimatedButtonPlaysToItsLastFrameUnderTheMouseAndBackAfter) {
  auto* animate = Object<TspSkinAnimateObject>("animateobject");
  TTimer* timer = window.Frame()->AnimationTimer();
  const TPoint at = Centre(animate->ObjectRect);
  const TRect strip = animate->ActiveSkinRect;
  const auto frame = [&](int Index) {
    return Look("animateobject", Bounds(strip.Left + (Index - 1) * 20, strip.Top, 20, 20));
  };
  EXPECT_EQ(Pixel(at), frame(1));
  window.Frame()->TestActive(at.X, at.Y, true);
  ASSERT_TRUE(timer->Enabled());
  // 50 milliseconds a frame: every other tick of 25.
  Tick(timer);
  EXPECT_EQ(Pixel(at), frame(1));
  Tick(timer);
  EXPECT_EQ(Pixel(at), frame(2));
  Tick(timer);
  Tick(timer);
  EXPECT_EQ(Pixel(at), frame(3));
  EXPECT_FALSE(animate->Active);  // no cycle: it rests on its last frame
  Tick(timer);
  EXPECT_FALSE(timer->Enabled());

  window.Frame()->TestActive(-1, -1, true);
  for (int i = 0; i < 4; ++i) Tick(timer);
  EXPECT_EQ(Pixel(at), frame(1));

  // Pressed under the mouse it shows its pressed look, in an inactive window its own.
  window.PostMouse(WM_NCLBUTTONDOWN, at);
  EXPECT_EQ(Pixel(at), Look("animateobject", animate->DownSkinRect));
  window.PostMouse(WM_LBUTTONUP, at);
  window.Frame()->SetForceActive(false);
  window.SetActive(false);
  EXPECT_EQ(Pixel(at), Inverted(Look("animateobject", animate->InActiveSkinRect)));  // the skin's effect
}

TEST_F(FrameObjects, AnAnimatedCaptionButtonHidesWithTheCaptionButtons) {
  auto* animate = Object<TspSkinAnimateObject>("animateobject");
  window.Frame()->OnActivateCustomObject = Event(&log, &TEventLog::CustomObject);
  window.Frame()->UpdateButtonStates();
  EXPECT_EQ(log.Asked, std::vector<std::string>{"animateobject"});  // its command is the custom one
  EXPECT_FALSE(animate->Visible);
  window.Frame()->OnActivateCustomObject = nullptr;
  window.Frame()->UpdateButtonStates();
  EXPECT_TRUE(animate->Visible);
  window.Frame()->SetHideCaptionButtons(true);
  window.Frame()->UpdateButtonStates();
  EXPECT_FALSE(animate->Visible);
}

TEST_F(FrameObjects, LabelsAndTheUserObjectDrawTheirOwnLooks) {
  auto* label = Object<TspSkinLabelObject>("labelobject");
  const TPoint corner{label->ObjectRect.Left + 1, label->ObjectRect.Top + 1};  // clear of the text
  EXPECT_EQ(Pixel(corner), FramePixel(Data(), corner.X, corner.Y));
  window.Frame()->TestActive(corner.X, corner.Y, true);
  EXPECT_EQ(Pixel(corner), Look("labelobject", label->ActiveSkinRect));

  // "12:34" from a font of 6-pixel symbols in two rows: "0123456789" and "ABCDEF:-./".
  auto* bits = Object<TspSkinBitLabelObject>("bitlabelobject");
  const TRect cells = bits->ActiveSkinRect;
  const auto dc = window.PaintedFrame();
  const struct {
    int Column, Row;
  } symbols[] = {{1, 0}, {2, 0}, {6, 1}, {3, 0}, {4, 0}};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(dc->Pixel(bits->ObjectRect.Left + i * 6 + 3, bits->ObjectRect.Top + 4),
              Look("bitlabelobject", Bounds(cells.Left + symbols[i].Column * 6, cells.Top + symbols[i].Row * 8, 6, 8)))
        << i;

  const TPoint user = Centre(Object("userobject")->ObjectRect);
  EXPECT_EQ(dc->Pixel(user.X, user.Y), TEventLog::UserColour);
  EXPECT_NE(std::ranges::find(log.Painted, "userobject"), log.Painted.end());
}

TEST_F(FrameObjects, EveryObjectKindShowsOnTheFrame) {
  Object<TspSkinGaugeObject>("gaugeobject")->Value = 60;
  Object<TspSkinFrameGaugeObject>("framegaugeobject")->Value = 20;
  Object<TspSkinFrameRegulatorObject>("regulatorobject")->SetValue(2);
  Object<TspSkinSwitchObject>("switchobject")->SetState(swsOn);
  auto* track = Object<TspSkinTrackBarObject>("trackbarobject");
  track->SetButtonPos(TrackButtonPos(track->Track, 40));
  auto* animate = Object<TspSkinAnimateObject>("animateobject");
  animate->Play.FrameIndex = 2;
  window.Form()->SetCaption("Frame objects");
  RedrawWindow(window.Form()->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(20);
  SaveWindowScreenshot(window.Form()->Handle(), "frame-objects");
  EXPECT_EQ(log.Values.size(), 3U);  // the regulator, the switch and the track bar
}

// One hostile change to the frame test skin's entries.
struct THostileEntry {
  const char* Name;
  std::function<void(TspSkinData&)> Change;
};

template <class D>
D& EntryOf(TspSkinData& Data, const std::string& Name) {
  return dynamic_cast<D&>(*Data.ObjectList.at(static_cast<size_t>(Data.GetIndex(Name))));
}

const TRect Huge{IntMin, IntMin, IntMax, IntMax};

const THostileEntry HostileEntries[] = {
    {"a track bar without range or track",
     [](TspSkinData& D) {
       auto& e = EntryOf<TspDataSkinTrackBar>(D, "trackbarobject");
       e.MinValue = e.MaxValue = 5;
       e.EndPoint = e.BeginPoint;
     }},
    {"a track bar of the widest range and a huge button",
     [](TspSkinData& D) {
       auto& e = EntryOf<TspDataSkinTrackBar>(D, "trackbarobject");
       e.MinValue = IntMin;
       e.MaxValue = IntMax;
       e.BeginPoint = {IntMin, IntMax};
       e.ButtonRect = e.ActiveButtonRect = Huge;
     }},
    {"gauges without range",
     [](TspSkinData& D) {
       auto& g = EntryOf<TspDataSkinGauge>(D, "gaugeobject");
       g.MinValue = g.MaxValue = 7;
       g.Kind = gkvertical;
       auto& f = EntryOf<TspDataSkinFrameGaugeObject>(D, "framegaugeobject");
       f.MinValue = f.MaxValue = 3;
     }},
    {"strips without frames",
     [](TspSkinData& D) {
       EntryOf<TspDataSkinFrameGaugeObject>(D, "framegaugeobject").CountFrames = 0;
       EntryOf<TspDataSkinFrameRegulatorObject>(D, "regulatorobject").CountFrames = 1;
       auto& a = EntryOf<TspDataSkinAnimate>(D, "animateobject");
       a.CountFrames = 0;
       a.TimerInterval = -5;
     }},
    {"a sliding regulator over the widest range with negative frames",
     [](TspSkinData& D) {
       auto& r = EntryOf<TspDataSkinFrameRegulatorObject>(D, "regulatorobject");
       r.Kind = rkvertical;
       r.CountFrames = -4;
       r.MinValue = IntMin;
       r.MaxValue = IntMax;
     }},
    {"huge and empty looks",
     [](TspSkinData& D) {
       for (const char* name : {"gaugeobject", "labelobject", "switchobject", "animateobject"})
         EntryOf<TspDataSkinObject>(D, name).ActiveSkinRect = Huge;
       EntryOf<TspDataSkinObject>(D, "bitlabelobject").SkinRect = Huge;
       EntryOf<TspDataSkinObject>(D, "trackbarobject").SkinRect = {10, 10, 10, 10};
     }},
    {"a bitmap font without symbol size",
     [](TspSkinData& D) {
       auto& b = EntryOf<TspDataSkinBitLabel>(D, "bitlabelobject");
       b.SymbolWidth = 0;
       b.SymbolHeight = -3;
       b.TextValue = std::string(5000, '1');
     }},
};

class HostileObjects : public ::testing::TestWithParam<THostileEntry> {};

TEST_P(HostileObjects, PaintAndTakeInputWithoutDividingByZero) {
  TReportedErrors errors;
  TFrameWindow window{{100, 100, 500, 240}};
  window.Load("flatframe");
  GetParam().Change(*window.Data());
  window.Frame()->SetForceActive(true);
  window.Frame()->UpdateSkin();
  window.Show();
  window.PaintedFrame();
  TspDynamicSkinForm* frame = window.Frame();
  for (int i = 0; i < frame->ObjectCount(); ++i) {
    const TRect r = frame->Objects(i)->ObjectRect;
    if (frame->Objects(i)->Kind != TspFrameObjectKind::Other || IsNullRect(r) || r.Top < 100) continue;
    const TPoint c = Centre(r);
    window.PostMouse(WM_NCLBUTTONDOWN, c);
    for (const TPoint p :
         {Point(r.Left, r.Top), Point(r.Right - 1, r.Bottom - 1), Point(c.X, r.Bottom - 1), Point(-50, c.Y)})
      window.PostMouse(WM_MOUSEMOVE, p);
    window.PostMouse(WM_LBUTTONUP, c);
  }
  for (int i = 0; i < 10; ++i) SendMessageA(frame->AnimationTimer()->Handle(), WM_TIMER, 1, 0);
  window.PaintedFrame();
  auto* track = FrameObject<TspSkinTrackBarObject>(frame, "trackbarobject");
  EXPECT_GE(track->Value, std::min(track->Track.MinValue, track->Track.MaxValue));
  EXPECT_LE(track->Value, std::max(track->Track.MinValue, track->Track.MaxValue));
  auto* regulator = FrameObject<TspSkinFrameRegulatorObject>(frame, "regulatorobject");
  EXPECT_GE(regulator->Value, regulator->MinValue);
  EXPECT_LE(regulator->Value, regulator->MaxValue);
  EXPECT_TRUE(errors.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, HostileObjects, ::testing::ValuesIn(HostileEntries),
                         [](const ::testing::TestParamInfo<THostileEntry>& Info) {
                           return "Entry" + std::to_string(Info.index);
                         });

}  // namespace
