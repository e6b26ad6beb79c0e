// The frame test skin's value and display objects on a window of its frame picture's size
// (the objects keep their skin places): what they paint, the events that posted mouse
// input fires once per change, and hostile entries that must neither divide by zero nor
// crash.
#include "FrameTestKit.h"

#include "skin/form/SkinDisplayObjects.h"
#include "skin/form/SkinValueObjects.h"
#include "skin/form/portable/FramePainting.h"

#include "skin/data/SkinIniBudget.h"

#include "HostileBounds.h"
#include "Screenshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// What the frame's object events report, in order.
struct TEventLog {
  void Value(const std::string& IDName, int Value) { Values.push_back(IDName + " " + std::to_string(Value)); }
  void Switch(const std::string& IDName, TSwitchState State) {
    Values.push_back(IDName + (State == swsOn ? " on" : " off"));
  }
  void Paint(const std::string&, TCanvas* Canvas, TRect ObjectRect) {
    Canvas->Brush()->SetColor(UserColour);
    Canvas->FillRect(ObjectRect);
  }
  static constexpr TColor UserColour = RGBColor(1, 200, 3);
  std::vector<std::string> Values;
};

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
    frame->OnPaintEvent = Event(&log, &TEventLog::Paint);
    window.Show();
  }
  template <class O>
  O* Object(const std::string& IDName) {
    return FrameObject<O>(window.Frame(), IDName);
  }
  TColor Look(const std::string& IDName, const TRect& R) { return ObjectColour(*window.Data(), IDName, R); }
  TColor FrameLook(TPoint P) { return FramePixel(*window.Data(), P.X, P.Y); }
  TColor Pixel(TPoint P) { return window.PaintedFrame()->Pixel(P.X, P.Y); }

  TFrameWindow window{{100, 100, 500, 240}};
  TEventLog log;
};

TEST_F(FrameObjects, AGaugeFillsFromTheLeftWithItsValue) {
  auto* gauge = Object<TspSkinGaugeObject>("gaugeobject");  // 48 columns from 144
  const TColor empty = FrameLook({150, 122}), full = Look("gaugeobject", gauge->ActiveSkinRect);
  EXPECT_EQ(Pixel({145, 122}), empty);
  gauge->Value = 25;
  const auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(155, 122), full);
  EXPECT_EQ(dc->Pixel(156, 122), empty);
}

TEST_F(FrameObjects, ATrackBarsButtonFollowsADragOneEventPerMove) {
  auto* track = Object<TspSkinTrackBarObject>("trackbarobject");
  const TPoint origin = track->ObjectRect.TopLeft();  // the track runs from 6 to 50 at 10
  const auto at = [&](int X) { return Point(origin.X + X, origin.Y + 10); };
  window.PostMouse(WM_NCLBUTTONDOWN, at(6));
  // Past the end the button stays; the drag goes on from where the mouse is.
  for (int x : {17, 28, 92, 98}) window.PostMouse(WM_MOUSEMOVE, at(x));
  window.PostMouse(WM_LBUTTONUP, at(98));
  EXPECT_EQ(log.Values, (std::vector<std::string>{"trackbarobject 25", "trackbarobject 50", "trackbarobject 64"}));
  const auto dc = window.PaintedFrame();
  EXPECT_EQ(dc->Pixel(at(34).X, at(34).Y), Look("trackbarobject", track->ButtonRect));
  EXPECT_EQ(dc->Pixel(at(20).X, at(20).Y), Look("trackbarobject", track->ActiveSkinRect));  // filled
  EXPECT_EQ(dc->Pixel(at(48).X, at(48).Y), FrameLook(at(48)));
  // A press on the track moves the button there at once.
  window.PostMouse(WM_NCLBUTTONDOWN, at(53));
  window.PostMouse(WM_LBUTTONUP, at(53));
  EXPECT_EQ(log.Values.back(), "trackbarobject 100");
  EXPECT_EQ(log.Values.size(), 4U);
}

TEST_F(FrameObjects, ASwitchAndARegulatorChangeOncePerPressOrStep) {
  auto* toggle = Object<TspSkinSwitchObject>("switchobject");
  const TPoint at = Centre(toggle->ObjectRect);
  for (int i = 0; i < 2; ++i) {
    window.PostMouse(WM_NCLBUTTONDOWN, at);
    window.PostMouse(WM_LBUTTONUP, at);
    EXPECT_EQ(Pixel(at), i == 0 ? Look("switchobject", toggle->ActiveSkinRect) : FrameLook(at));
  }
  // A round regulator of values 0..3, 120 degrees a step, turned from the right across the
  // bottom (one step), then through the left to the top (another).
  auto* regulator = Object<TspSkinFrameRegulatorObject>("regulatorobject");
  const TPoint c = Centre(regulator->ObjectRect);
  window.PostMouse(WM_NCLBUTTONDOWN, {c.X + 9, c.Y});
  for (const TPoint p : {Point(c.X + 4, c.Y + 9), Point(c.X, c.Y + 9), Point(c.X - 9, c.Y), Point(c.X, c.Y - 9)})
    window.PostMouse(WM_MOUSEMOVE, p);
  window.PostMouse(WM_LBUTTONUP, c);
  EXPECT_EQ(log.Values, (std::vector<std::string>{"switchobject on", "switchobject off", "regulatorobject 1",
                                                  "regulatorobject 2"}));
  const TRect strip = regulator->ActiveSkinRect;
  EXPECT_EQ(Pixel(c), Look("regulatorobject", Bounds(strip.Left, strip.Top + 40, 20, 20)));  // frame 3
}

TEST_F(FrameObjects, AnErrorOfALeftReleaseOnTheFrameIsDroppedAndTheObjectsGoOn) {
  TReportedErrors errors;
  std::vector<std::string> releases;
  window.Frame()->OnMouseUpEvent = [&](const std::string& IDName, int, int, TRect, TMouseButton Button) {
    releases.push_back(IDName + (Button == mbLeft ? " left" : " right"));
    throw Exception("release failed");
  };
  const TPoint at = Centre(Object<TspSkinSwitchObject>("switchobject")->ObjectRect);
  window.PostMouse(WM_NCLBUTTONDOWN, at);
  window.PostMouse(WM_NCLBUTTONUP, at);
  EXPECT_EQ(releases, (std::vector<std::string>{"switchobject left"}));
  EXPECT_TRUE(errors.Messages().empty());
  // The right button's release is not one of them: its error reaches the application.
  window.PostMouse(WM_NCRBUTTONDOWN, at);
  window.PostMouse(WM_NCRBUTTONUP, at);
  EXPECT_EQ(errors.Messages(), (std::vector<std::string>{"release failed"}));
  // Nothing stays held: the next click switches back and is released again.
  window.PostMouse(WM_NCLBUTTONDOWN, at);
  window.PostMouse(WM_NCLBUTTONUP, at);
  EXPECT_EQ(log.Values, (std::vector<std::string>{"switchobject on", "switchobject off"}));
  EXPECT_EQ(releases, (std::vector<std::string>{"switchobject left", "switchobject right", "switchobject left"}));
  EXPECT_EQ(errors.Messages().size(), 1U);
}

TEST_F(FrameObjects, AnAnimatedButtonPlaysToItsLastFrameUnderTheMouseAndBackAfter) {
  auto* animate = Object<TspSkinAnimateObject>("animateobject");
  TTimer* timer = window.Frame()->AnimationTimer();
  const TPoint at = Centre(animate->ObjectRect);
  const TRect strip = animate->ActiveSkinRect;
  const auto frameAfter = [&](int Ticks) {
    for (int i = 0; i < Ticks; ++i) SendMessageA(timer->Handle(), WM_TIMER, 1, 0);
    for (int frame = 1; frame <= 3; ++frame)
      if (Pixel(at) == Look("animateobject", Bounds(strip.Left + (frame - 1) * 20, strip.Top, 20, 20))) return frame;
    return 0;
  };
  window.Frame()->TestActive(at.X, at.Y, true);
  // 50 milliseconds a frame: every other tick of 25.
  EXPECT_EQ(frameAfter(1), 1);
  EXPECT_EQ(frameAfter(1), 2);
  EXPECT_EQ(frameAfter(2), 3);
  EXPECT_EQ(frameAfter(1), 3);  // no cycle: it rests on its last frame and the timer stops
  EXPECT_FALSE(timer->Enabled());
  window.Frame()->TestActive(-1, -1, true);
  EXPECT_EQ(frameAfter(4), 1);
  // Pressed it shows its pressed look, in an inactive window its own (and the skin's effect).
  window.PostMouse(WM_NCLBUTTONDOWN, at);
  EXPECT_EQ(Pixel(at), Look("animateobject", animate->DownSkinRect));
  window.PostMouse(WM_LBUTTONUP, at);
  window.Frame()->SetForceActive(false);
  window.SetActive(false);
  EXPECT_EQ(Pixel(at), Inverted(Look("animateobject", animate->InActiveSkinRect)));
}

TEST_F(FrameObjects, TheUserObjectAndTheBitmapFontLabelDrawTheirOwnLooks) {
  const auto dc = window.PaintedFrame();
  const TPoint user = Centre(Object<TspUserObject>("userobject")->ObjectRect);
  EXPECT_EQ(dc->Pixel(user.X, user.Y), TEventLog::UserColour);
  // ":" of "12:34", from the second row of 6 x 8 symbols "ABCDEF:-./".
  auto* bits = Object<TspSkinBitLabelObject>("bitlabelobject");
  const TRect cells = bits->ActiveSkinRect;
  EXPECT_EQ(dc->Pixel(bits->ObjectRect.Left + 15, bits->ObjectRect.Top + 4),
            Look("bitlabelobject", Bounds(cells.Left + 36, cells.Top + 8, 6, 8)));
}

// A label whose look does not change under the mouse keeps showing its text there.
TEST_F(FrameObjects, ALabelWithoutAHotLookShowsItsTextUnderTheMouse) {
  auto* label = Object<TspSkinLabelObject>("labelobject");
  label->ActiveSkinRect = TRect{};
  label->ActiveFontColor = label->FontColor;
  const TRect r = label->ObjectRect;
  const auto textPixels = [&] {
    const auto dc = window.PaintedFrame();
    int differ = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) differ += dc->Pixel(x, y) != FrameLook({x, y}) ? 1 : 0;
    return differ;
  };
  const int resting = textPixels();
  ASSERT_GT(resting, 0);
  window.Frame()->TestActive(Centre(r).X, Centre(r).Y, true);
  ASSERT_TRUE(label->Active);
  EXPECT_EQ(textPixels(), resting);
}

TEST_F(FrameObjects, EveryObjectKindShowsOnTheFrame) {
  Object<TspSkinGaugeObject>("gaugeobject")->Value = 60;
  Object<TspSkinFrameGaugeObject>("framegaugeobject")->Value = 20;
  Object<TspSkinFrameRegulatorObject>("regulatorobject")->SetValue(2);
  Object<TspSkinSwitchObject>("switchobject")->SetState(swsOn);
  auto* track = Object<TspSkinTrackBarObject>("trackbarobject");
  track->SetButtonPos(TrackButtonPos(track->Track, 40));
  Object<TspSkinAnimateObject>("animateobject")->Play.FrameIndex = 2;
  window.Form()->SetCaption("Frame objects");
  RedrawWindow(window.Form()->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(20);
  SaveWindowScreenshot(window.Form()->Handle(), "frame-objects");
}

// A label's text comes whole from one line of the skin: as long as a line may be, the frame
// is loaded, shown and painted within the hostile bounds (a text of 7 MB took 0.6 to 1 s
// at every paint); a letter more refuses the skin.
TEST(FrameLabelText, AsLongAsALineMayHoldIsPaintedWithinTheBoundsAndALetterMoreIsRefused) {
  const auto textOf = [](size_t Letters) {
    return [Letters](TspSkinPayload& Skin) {
      SetSkinValue(Skin, "labelobject", "textvalue", std::string(Letters, 'W'));
      SetSkinValue(Skin, "labelobject", "activeskinrect", "0,0,0,0");
    };
  };
  const size_t most = MaxSkinLineLength - std::string("textvalue=").size();
  TFrameWindow window{{100, 100, 500, 240}};
  const uint64_t rise = RunWithinDeadline("a frame label's text as long as a line may hold", [&] {
    window.Load("flatframe", textOf(most));
    window.Show();
    window.PaintedFrame();
  });
  EXPECT_LT(rise, HostilePaintMemory);
  const auto* label = FrameObject<TspSkinLabelObject>(window.Frame(), "labelobject");
  ASSERT_EQ(label->Text.size(), most);
  const auto painted = window.PaintedFrame();
  const TPoint middle = Centre(label->ObjectRect);
  int inked = 0;
  for (int x = label->ObjectRect.Left; x < label->ObjectRect.Right; ++x)
    inked += painted->Pixel(x, middle.Y) != FramePixel(*window.Data(), x, middle.Y) ? 1 : 0;
  EXPECT_GT(inked, 0);

  TFrameWindow refused{{100, 100, 500, 240}};
  EXPECT_THROW(refused.Load("flatframe", textOf(most + 1)), ESkinTooLarge);
}

// The user objects a paint draws, by name.
struct TPaintedObjects {
  void Paint(const std::string& IDName, TCanvas*, TRect) { Names.push_back(IDName); }
  std::vector<std::string> Names;
};

// The frame's objects in place of the test skin's: user objects named and placed by Places.
TSkinEdit UserObjectsOnly(std::vector<std::pair<std::string, std::string>> Places) {
  return [Places](TspSkinPayload& Skin) {
    SetSkinValue(Skin, "SKINOBJECTS", "count", std::to_string(Places.size()));
    for (size_t i = 0; i < Places.size(); ++i) {
      SetSkinValue(Skin, "SKINOBJECTS", std::to_string(i), Places[i].first + ":userobject");
      SetSkinValue(Skin, Places[i].first, "skinrect", Places[i].second);
    }
  };
}

// The objects one paint draws hold no more pixels together than MaxFramePaintObjectPixels,
// taken in list order: a large one on the bottom band and one of 1,024 pixels on the top
// band fill it, and both are painted; a row of pixels more and the second is left out.
TEST(FrameObjectPixels, APaintDrawsObjectsWhilePixelsOfTheirsAreLeftAndLeavesOutTheRest) {
  static_assert(1024 * 8191 + 64 * 16 == MaxFramePaintObjectPixels);
  for (const auto& [small, drawn] : {std::pair{"200,0,264,16", true}, std::pair{"200,0,265,16", false}}) {
    TFrameWindow window{{100, 100, 500, 240}};
    TPaintedObjects painted;
    window.Frame()->OnPaintEvent = Event(&painted, &TPaintedObjects::Paint);
    window.Load("flatframe", UserObjectsOnly({{"large", "0,0,1024,8191"}, {"small", small}}));
    window.Show();
    painted.Names.clear();
    window.PaintedFrame();
    const std::vector<std::string> expected = drawn ? std::vector<std::string>{"large", "small"}
                                                    : std::vector<std::string>{"large"};
    EXPECT_EQ(painted.Names, expected) << small;
  }
}

// 300 labels of 5000 x 5000 pixels, a few kilobytes of skin, each drawn whole: 12 s at
// every paint of the frame.
TEST(FrameObjectPixels, AFrameOfManyLargeLabelsIsPaintedWithinTheBounds) {
  TFrameWindow window{{100, 100, 500, 240}};
  window.Load("flatframe", [](TspSkinPayload& Skin) {
    TStringList lines;
    lines.Assign(&Skin.IniText);
    for (int i = 0; i < 300; ++i) {
      const std::string name = "large" + std::to_string(i);
      lines.Add("[" + name + "]");
      lines.Add("skinrect=0,0,5000,5000");
      lines.Add("textvalue=" + name);
    }
    Skin.IniText.Assign(&lines);
    for (int i = 0; i < 300; ++i) AddSkinEntry(Skin, "SKINOBJECTS", "large" + std::to_string(i) + ":label");
  });
  window.Show();
  const uint64_t rise = RunWithinDeadline("a frame of 300 labels of 5000 x 5000", [&] {
    window.PaintedFrame();
    RedrawWindow(window.Form()->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  });
  EXPECT_LT(rise, HostilePaintMemory);
  SaveScreenPictureOf(window.Form()->Handle(), "frame-objects-many-large-labels");
}

constexpr int32_t IntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t IntMax = std::numeric_limits<int32_t>::max();
constexpr TRect Huge{IntMin, IntMin, IntMax, IntMax};

template <class D>
D& EntryOf(TspSkinData& Data, const std::string& Name) {
  return dynamic_cast<D&>(*Data.ObjectList.at(static_cast<size_t>(Data.GetIndex(Name))));
}

// Hostile changes to the frame test skin's entries.
const std::function<void(TspSkinData&)> HostileEntries[] = {
    [](TspSkinData& D) {  // ranges and a track without length, strips without frames
      auto& t = EntryOf<TspDataSkinTrackBar>(D, "trackbarobject");
      t.MinValue = t.MaxValue = 5;
      t.EndPoint = t.BeginPoint;
      auto& g = EntryOf<TspDataSkinGauge>(D, "gaugeobject");
      g.MinValue = g.MaxValue = 7;
      g.Kind = gkvertical;
      EntryOf<TspDataSkinFrameGaugeObject>(D, "framegaugeobject").CountFrames = 0;
      EntryOf<TspDataSkinFrameRegulatorObject>(D, "regulatorobject").CountFrames = 1;
      auto& a = EntryOf<TspDataSkinAnimate>(D, "animateobject");
      a.CountFrames = 0;
      a.TimerInterval = -5;
      EntryOf<TspDataSkinBitLabel>(D, "bitlabelobject").SymbolWidth = 0;
      EntryOf<TspDataSkinLabel>(D, "labelobject").FontHeight = IntMin;  // the glyphs' cells, as high as that
    },
    [](TspSkinData& D) {  // the widest ranges, negative counts, huge looks
      auto& t = EntryOf<TspDataSkinTrackBar>(D, "trackbarobject");
      t.MinValue = IntMin;
      t.MaxValue = IntMax;
      t.BeginPoint = {IntMin, IntMax};
      t.ButtonRect = t.ActiveButtonRect = Huge;
      auto& r = EntryOf<TspDataSkinFrameRegulatorObject>(D, "regulatorobject");
      r.Kind = rkvertical;
      r.CountFrames = -4;
      r.MinValue = IntMin;
      r.MaxValue = IntMax;
      for (const char* name : {"gaugeobject", "labelobject", "switchobject", "animateobject"})
        EntryOf<TspDataSkinObject>(D, name).ActiveSkinRect = Huge;
      auto& b = EntryOf<TspDataSkinBitLabel>(D, "bitlabelobject");
      b.SymbolHeight = -3;
      b.TextValue = std::string(5000, '1');
      auto& label = EntryOf<TspDataSkinLabel>(D, "labelobject");
      label.FontHeight = IntMax;
      label.TextValue = std::string(MaxSkinLineLength, 'W');
    },
    [](TspSkinData& D) {  // a font of many lines, and a text of one-pixel symbols as wide as a picture may be
      auto& b = EntryOf<TspDataSkinBitLabel>(D, "bitlabelobject");
      b.Symbols.Clear();
      for (int line = 0; line < 20000; ++line) b.Symbols.Add(std::string(128, 'x'));
      b.Symbols.Add("z");
      b.TextValue = std::string(4000, 'z');
      b.SymbolWidth = b.SymbolHeight = 1;
      b.SkinRect.Right = b.SkinRect.Left + 4000;
    },
};

class HostileObjects : public ::testing::TestWithParam<std::function<void(TspSkinData&)>> {};

TEST_P(HostileObjects, PaintAndTakeInputWithoutDividingByZero) {
  TReportedErrors errors;
  TFrameWindow window{{100, 100, 500, 240}};
  window.Load("flatframe");
  GetParam()(*window.Data());
  TspDynamicSkinForm* frame = window.Frame();
  frame->SetForceActive(true);
  frame->UpdateSkin();
  window.Show();
  for (int i = 0; i < frame->ObjectCount(); ++i) {
    const TRect r = frame->Objects(i)->ObjectRect;
    if (r.Top < 100) continue;  // the objects of the bottom band
    window.PostMouse(WM_NCLBUTTONDOWN, Centre(r));
    for (const TPoint p : {Point(r.Left, r.Top), Point(r.Right - 1, r.Bottom - 1), Point(-50, r.Top)})
      window.PostMouse(WM_MOUSEMOVE, p);
    window.PostMouse(WM_LBUTTONUP, Centre(r));
  }
  for (int i = 0; i < 10; ++i) SendMessageA(frame->AnimationTimer()->Handle(), WM_TIMER, 1, 0);
  RunWithinDeadline("a frame of hostile objects", [&] { window.PaintedFrame(); });
  const auto* track = FrameObject<TspSkinTrackBarObject>(frame, "trackbarobject");
  EXPECT_GE(track->Value, track->Track.MinValue);
  EXPECT_LE(track->Value, track->Track.MaxValue);
  EXPECT_TRUE(errors.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, HostileObjects, ::testing::ValuesIn(HostileEntries));

}  // namespace
