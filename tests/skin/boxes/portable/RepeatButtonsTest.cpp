// The buttons whose step repeats while held: the timer's course through a press, a pause
// and a release, the held button keeping the mouse, and ticks that must not step.
#include "skin/boxes/portable/RepeatButtons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what the machine asks of its control, one word each.
class TRecordingHost : public TspRepeatButtonsHost {
public:
  void RepeatButtonsChanged() override { Events.push_back("paint"); }
  void StartRepeatTimer(unsigned Interval) override { Events.push_back("start " + std::to_string(Interval)); }
  void StopRepeatTimer() override { Events.push_back("stop"); }
  // What was asked since the last call.
  std::vector<std::string> Take() { return std::exchange(Events, {}); }

  std::vector<std::string> Events;
};

using TEvents = std::vector<std::string>;

class RepeatButtonsTest : public ::testing::Test {
protected:
  RepeatButtonsTest() {
    buttons.SetRect(0, {0, 0, 10, 10});
    buttons.SetRect(1, {10, 0, 20, 10});
  }
  // Each button's MouseIn and Down, as "hd" letters ("-" for off).
  std::string Flags() const {
    std::string flags;
    for (int i = 0; i < buttons.Count(); ++i)
      flags += std::string(buttons.Button(i).MouseIn ? "h" : "-") + (buttons.Button(i).Down ? "d" : "-") + " ";
    return flags;
  }

  TRecordingHost host;
  TspRepeatButtons buttons{host, 3};  // the third one has no place: never hit
};

TEST_F(RepeatButtonsTest, AHeldButtonStepsAfterTheDelayPausesOffItResumesOnItAndStopsWhenLetGo) {
  EXPECT_EQ(buttons.MouseDown({15, 5}), 1);
  buttons.StartRepeat();
  EXPECT_EQ(host.Take(), (TEvents{"paint", "paint", "start 500"}));
  EXPECT_EQ(Flags(), "-- hd -- ");
  EXPECT_EQ(buttons.Tick(), -1);  // the first delay only switches to the repeat interval
  EXPECT_EQ(host.Take(), (TEvents{"start 100"}));
  EXPECT_EQ(buttons.Tick(), 1);
  EXPECT_EQ(buttons.Tick(), 1);
  buttons.MouseMove({30, 5});  // off the button: paused
  EXPECT_EQ(host.Take(), (TEvents{"paint", "stop"}));
  EXPECT_EQ(Flags(), "-- -d -- ");
  EXPECT_EQ(buttons.Tick(), -1);  // a tick already queued steps nothing
  buttons.MouseMove({12, 2});
  EXPECT_EQ(host.Take(), (TEvents{"paint", "start 50"}));
  EXPECT_EQ(buttons.Tick(), 1);  // resumed: no first delay again
  EXPECT_EQ(buttons.MouseUp(), 1);
  EXPECT_EQ(host.Take(), (TEvents{"stop", "paint"}));
  EXPECT_EQ(Flags(), "-- h- -- ");  // still under the pointer
  EXPECT_EQ(buttons.Tick(), -1);
  EXPECT_EQ(buttons.MouseUp(), -1);  // nothing held any more
}

TEST_F(RepeatButtonsTest, AHeldButtonKeepsTheMouseAndIsLetGoWhereverThePointerIs) {
  buttons.MouseMove({5, 5});
  EXPECT_EQ(Flags(), "h- -- -- ");
  EXPECT_EQ(buttons.MouseDown({5, 5}), 0);
  host.Take();
  buttons.MouseMove({15, 5});  // the other button does not react while one is held
  EXPECT_EQ(buttons.Active(), -1);
  EXPECT_EQ(Flags(), "-d -- -- ");
  EXPECT_EQ(host.Take(), (TEvents{"paint"}));  // no timer: this press does not repeat
  EXPECT_EQ(buttons.MouseUp(), 0);
  EXPECT_EQ(Flags(), "-- -- -- ");
  buttons.MouseMove({15, 5});  // free again
  EXPECT_EQ(Flags(), "-- h- -- ");
}

TEST_F(RepeatButtonsTest, APressBesideTheButtonsHoldsNothingAndTicksWithoutARepeatStepNothing) {
  EXPECT_EQ(buttons.MouseDown({50, 50}), -1);
  buttons.StartRepeat();
  EXPECT_EQ(buttons.Captured(), -1);
  EXPECT_EQ(buttons.Repeating(), -1);
  EXPECT_TRUE(host.Take().empty());
  EXPECT_EQ(buttons.MouseDown({2, 2}), 0);  // pressed without StartRepeat
  EXPECT_EQ(buttons.Tick(), -1);
  EXPECT_EQ(buttons.MouseUp(), 0);
  EXPECT_EQ(host.Take(), (TEvents{"paint", "paint", "paint"}));
}

TEST_F(RepeatButtonsTest, LeavingTheControlPausesAndComingBackResumesOnTheNextMove) {
  buttons.MouseDown({5, 5});
  buttons.StartRepeat();
  host.Take();
  buttons.MouseLeave();
  EXPECT_EQ(host.Take(), (TEvents{"stop", "paint"}));
  EXPECT_EQ(Flags(), "-d -- -- ");
  buttons.MouseEnter();
  buttons.MouseMove({5, 5});
  EXPECT_EQ(host.Take(), (TEvents{"paint", "start 50"}));
  EXPECT_EQ(buttons.Tick(), -1);  // the first delay had not passed yet
  EXPECT_EQ(buttons.Tick(), 0);
  buttons.MouseLeave();
  buttons.MouseLeave();  // nothing more to take away
  EXPECT_EQ(host.Take(), (TEvents{"start 100", "stop", "paint"}));
}

TEST_F(RepeatButtonsTest, ALeaveMayKeepOneButtonHotUntilThePointerComesBack) {
  buttons.SetRect(2, {20, 0, 30, 10});
  buttons.MouseMove({25, 5});
  host.Take();
  buttons.MouseLeave(2);
  EXPECT_EQ(Flags(), "-- -- h- ");
  EXPECT_TRUE(host.Take().empty());
  buttons.MouseMove({-1, -1});  // back in the control, on no button
  EXPECT_EQ(Flags(), "-- -- -- ");
  EXPECT_EQ(host.Take(), (TEvents{"paint"}));
  buttons.MouseMove({5, 5});
  buttons.MouseLeave(2);  // the others lose it as ever
  EXPECT_EQ(Flags(), "-- -- -- ");
}

}  // namespace
