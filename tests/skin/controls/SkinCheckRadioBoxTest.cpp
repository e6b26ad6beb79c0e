// The skinned check and radio box under Wine: groups (a disabled checked sibling too),
// the grayed cycle, which changes tell OnClick, the accelerator of a box on screen, and
// the check images of each state from the flat-colour skin, the sparse skin's
// fall-backs and the default look.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/data/SkinButtonData.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using TColors = std::vector<TColor>;
constexpr TColor FormColour = RGBColor(10, 20, 30);  // the test window's

class SkinCheckRadioBoxTest : public ::testing::Test {
protected:
  SkinCheckRadioBoxTest() { ParkPointer(); }
  TspSkinCheckRadioBox* Add(const TRect& Bounds, bool Radio = false, int32_t Group = 0) {
    auto* box = window.Add<TspSkinCheckRadioBox>(Bounds);
    box->SetSkinData(window.Data());
    box->SetRadio(Radio);
    box->SetGroupIndex(Group);
    box->OnClick = [this](TObject* Sender) { ++clicks[Sender]; };
    return box;
  }
  const TspDataSkinCheckRadioControl& Entry() {
    return dynamic_cast<const TspDataSkinCheckRadioControl&>(
        *window.Data()->CtrlList.at(static_cast<size_t>(window.Data()->GetControlIndex("checkbox"))));
  }
  TColor Colour(const TRect& R) { return EntryColour(*window.Data(), "checkbox", R); }

  TSkinTestWindow window{320, 200};
  std::map<TObject*, int> clicks;
};

TEST_F(SkinCheckRadioBoxTest, CheckingAGroupedBoxUnchecksEveryCheckedSiblingEvenADisabledOne) {
  auto* a = Add({0, 0, 100, 25}, true, 1);
  auto* b = Add({0, 30, 100, 55}, true, 1);
  auto* other = Add({0, 60, 100, 85}, true, 2);
  auto* first = Add({0, 90, 100, 115}, false, 3);
  auto* second = Add({0, 120, 100, 145}, false, 3);
  b->SetChecked(true);
  other->SetChecked(true);
  first->SetChecked(true);
  b->SetEnabled(false);
  clicks.clear();
  a->SetChecked(true);
  second->SetChecked(true);
  EXPECT_EQ((std::vector<bool>{a->Checked(), b->Checked(), other->Checked(), first->Checked(), second->Checked()}),
            (std::vector<bool>{true, false, true, false, true}));
  // An unchecked radio box tells nothing, an unchecked check box does.
  EXPECT_EQ((std::vector<int>{clicks[a], clicks[b], clicks[first], clicks[second]}), (std::vector<int>{1, 0, 1, 1}));
  b->SetChecked(true);  // disabled: nothing
  a->SetChecked(false);
  EXPECT_EQ((std::vector<bool>{a->Checked(), b->Checked()}), (std::vector<bool>{false, false}));
  EXPECT_EQ((std::vector<int>{clicks[a], clicks[b]}), (std::vector<int>{1, 0}));
}

TEST_F(SkinCheckRadioBoxTest, ClicksCycleThroughGrayedAndAClickOnACheckedRadioBoxDoesNothing) {
  auto* box = Add({10, 10, 160, 35});
  auto* radio = Add({10, 40, 160, 65}, true, 1);
  box->SetAllowGrayed(true);
  window.Show();
  std::vector<TCheckBoxState> states;
  for (int i = 0; i < 4; ++i) {
    PostClick(box);
    states.push_back(box->State());
  }
  EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
  EXPECT_EQ(clicks[box], 4);
  box->SetChecked(false);  // grayed is not checked: nothing changes
  EXPECT_EQ(std::pair(box->State(), clicks[box]), std::pair(cbGrayed, 4));
  PostClick(radio);
  PostClick(radio);
  EXPECT_EQ(std::pair(radio->Checked(), clicks[radio]), std::pair(true, 1));
}

TEST_F(SkinCheckRadioBoxTest, TheAcceleratorTogglesOnlyABoxThatShows) {
  auto* box = Add({10, 10, 160, 35});
  box->SetCaption("&Go");
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'g'), 0);  // its window is not shown yet
  window.Show();
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'g'), 1);
  EXPECT_TRUE(box->Checked());
  box->SetVisible(false);
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'g'), 0);
  EXPECT_TRUE(box->Checked());
}

TEST_F(SkinCheckRadioBoxTest, AFlatBoxShowsTheCheckImageOfItsStateOverItsParent) {
  window.Load("flatcolour");
  auto* box = Add({10, 10, 160, 35});
  window.Show();
  const TspDataSkinCheckRadioControl& e = Entry();
  const auto imageColour = [&] { return Painted(box)->Pixel(10, 12); };  // the image at (3, 5), 15 x 15
  EXPECT_EQ((TColors{imageColour(), Painted(box)->Pixel(1, 1), Painted(box)->Pixel(3, 19)}),
            (TColors{Colour(e.UncheckImageRect), FormColour, FormColour}));  // its key pixel left out
  box->SetChecked(true);
  EXPECT_EQ(imageColour(), Colour(e.CheckImageRect));
  box->SetState(cbGrayed);
  EXPECT_EQ(imageColour(), Colour(e.GrayedCheckImageRect));
  box->Perform(CM_MOUSEENTER);
  EXPECT_EQ(imageColour(), Colour(e.ActiveGrayedCheckImageRect));
  box->SetChecked(true);
  EXPECT_EQ(imageColour(), Colour(e.ActiveCheckImageRect));
  box->SetEnabled(false);
  EXPECT_EQ(imageColour(), Colour(e.UnenabledCheckImageRect));

  window.Load("sparse");  // no hot and no disabled images: the normal one
  EXPECT_EQ(imageColour(), Colour(Entry().CheckImageRect));
  box->SetEnabled(true);
  box->Perform(CM_MOUSEENTER);
  EXPECT_EQ(imageColour(), Colour(Entry().CheckImageRect));
}

// A group box that counts how often it draws its top border with the caption.
class TCaptionCountingGroupBox : public TspSkinGroupBox {
public:
  using TspSkinGroupBox::TspSkinGroupBox;
  int Captions = 0;

protected:
  void CreateControlSkinImage(TBitmap* B) override {
    ++Captions;
    TspSkinGroupBox::CreateControlSkinImage(B);
  }
};

// A flat box inside a group box shows the group box's client area behind it; drawing that
// background makes none of the group box's frame bands the box does not reach.
TEST_F(SkinCheckRadioBoxTest, AFlatBoxInAGroupBoxTakesItsBackgroundWithoutTheFrameItDoesNotReach) {
  window.Load("flatcolour");
  auto* group = window.Add<TCaptionCountingGroupBox>({10, 10, 300, 150});
  group->SetSkinData(window.Data());
  group->SetCaption("Group");
  auto* box = window.Add<TspSkinCheckRadioBox>({40, 60, 190, 85}, group);
  box->SetSkinData(window.Data());
  window.Show();
  group->Update();
  box->Update();
  const auto groupPixels = Painted(group);
  group->Captions = 0;
  const auto boxPixels = Painted(box);
  EXPECT_EQ(group->Captions, 0);
  for (const TPoint at : {TPoint{1, 1}, TPoint{140, 2}, TPoint{140, 22}})
    EXPECT_EQ(boxPixels->Pixel(at.X, at.Y), groupPixels->Pixel(box->Left() + at.X, box->Top() + at.Y)) << at.X << "," << at.Y;
}

TEST_F(SkinCheckRadioBoxTest, ABoxThatIsNotFlatDrawsItsEntrysNormalOrActivePicture) {
  window.Load("flatcolour");
  auto* box = Add({10, 10, 160, 35});
  box->SetFlat(false);
  box->ChangeSkinData();
  window.Show();
  EXPECT_EQ(box->Height(), 20);  // the entry's
  const TPoint free{box->Width() - 3, 1};
  EXPECT_EQ((TColors{Painted(box)->Pixel(free.X, free.Y), Painted(box)->Pixel(10, 10)}),
            (TColors{Colour(Entry().SkinRect), Colour(Entry().UncheckImageRect)}));
  box->Perform(CM_MOUSEENTER);
  EXPECT_EQ((TColors{Painted(box)->Pixel(free.X, free.Y), Painted(box)->Pixel(10, 10)}),
            (TColors{Colour(Entry().ActiveSkinRect), Colour(Entry().ActiveUncheckImageRect)}));
  window.Load("sparse");
  EXPECT_EQ(Painted(box)->Pixel(free.X, free.Y), Colour(Entry().SkinRect));
}

TEST_F(SkinCheckRadioBoxTest, WithoutSkinTheBoxIsFramedAndHotWhenThePointerIsOnIt) {
  auto* box = Add({10, 10, 160, 35});
  window.Show();
  const TColor shadow = SysColor(clBtnShadow), face = SysColor(clBtnFace), navy = RGBColor(0, 0, 128);
  EXPECT_EQ((TColors{Painted(box)->Pixel(3, 5), Painted(box)->Pixel(5, 7)}), (TColors{shadow, FormColour}));
  box->SetFlat(false);
  EXPECT_EQ((TColors{Painted(box)->Pixel(3, 5), Painted(box)->Pixel(5, 7)}), (TColors{shadow, face}));
  box->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Painted(box)->Pixel(3, 5), navy);
  box->SetChecked(true);  // a black check mark inside the box
  const auto painted = Painted(box);
  bool marked = false;
  for (int x = 7; x < 15; ++x)
    for (int y = 8; y < 16; ++y) marked = marked || painted->Pixel(x, y) == clBlack;
  EXPECT_TRUE(marked);
}

}  // namespace
