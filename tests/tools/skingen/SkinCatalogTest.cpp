// The catalog of a skin: rectangles moved into their picture's coordinates with the
// rectangle they must stay in, corner points, strips and groups of state images.
#include "SkinCatalog.h"

#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinObjectData.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const TSkinRectRef* FindRect(const TSkinCatalog& C, const std::string& Entry,
                             const std::string& Key) {
  auto it = std::find_if(C.Rects.begin(), C.Rects.end(),
                         [&](const TSkinRectRef& r) { return r.Entry == Entry && r.Key == Key; });
  return it == C.Rects.end() ? nullptr : &*it;
}

int32_t StripLength(const TSkinCatalog& C, const std::string& Entry, const std::string& Part) {
  for (const TSkinStrip& s : C.Strips)
    if (s.Entry == Entry && s.Part == Part) return s.Length;
  ADD_FAILURE() << "no strip " << Part << " of " << Entry;
  return -1;
}

class SkinCatalogTest : public ::testing::Test {
protected:
  SkinCatalogTest() {
    auto button = std::make_unique<TspDataSkinButtonControl>("button");
    button->PictureIndex = 1;
    button->SkinRect = {10, 20, 50, 45};
    button->LTPoint = {4, 4};
    button->RTPoint = {36, 4};
    button->LBPoint = {4, 21};
    button->RBPoint = {36, 21};
    button->ClRect = {4, 4, 36, 21};
    button->ActiveSkinRect = {60, 20, 100, 45};
    button->DownSkinRect = {60, 50, 100, 74};  // one row short
    skin.CtrlList.push_back(std::move(button));

    auto edit = std::make_unique<TspDataSkinEditControl>("edit");
    edit->PictureIndex = 0;
    edit->SkinRect = {0, 0, 40, 21};
    edit->LTPoint = {4, 0};
    edit->RTPoint = {4, 0};  // no middle to stretch
    edit->ButtonRect = {21, 2, 38, 19};
    skin.CtrlList.push_back(std::move(edit));

    auto caption = std::make_unique<TspDataSkinCaption>("caption");
    caption->SkinRect = {8, 1, 88, 28};
    caption->ActivePictureIndex = 2;
    caption->ActiveSkinRect = {0, 0, 80, 27};
    caption->TextRect = {6, 0, 76, 26};
    skin.ObjectList.push_back(std::move(caption));
  }

  TspSkinData skin{nullptr};
};

TEST_F(SkinCatalogTest, RelativeRectanglesMoveIntoTheirPictureAndKeepTheirOwner) {
  const TSkinCatalog c = CatalogSkin(skin);
  const TSkinRectRef* client = FindRect(c, "button", "clientrect");
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(client->Picture, 1);
  EXPECT_EQ(client->Rect, (TRect{14, 24, 46, 41}));
  EXPECT_EQ(client->Within, (TRect{10, 20, 50, 45}));
  const TSkinRectRef* button = FindRect(c, "edit", "buttonrect");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Rect, (TRect{21, 2, 38, 19}));
  EXPECT_EQ(button->Picture, 0);
  // The caption's normal look lies in the frame, its active look in an active picture.
  EXPECT_EQ(FindRect(c, "caption", "skinrect")->Picture, MainPicture);
  EXPECT_EQ(FindRect(c, "caption", "activeskinrect")->Picture, 2);
  EXPECT_EQ(FindRect(c, "caption", "textrect")->Rect, (TRect{14, 1, 84, 27}));
  EXPECT_EQ(FindRect(c, "button", "focusedskinrect"), nullptr);  // not given
}

TEST_F(SkinCatalogTest, CornerPointsStripsAndStateGroupsAreListed) {
  const TSkinCatalog c = CatalogSkin(skin);
  const auto point = std::find_if(c.Points.begin(), c.Points.end(), [](const TSkinPointRef& p) {
    return p.Entry == "button" && p.Key == "rightbottompoint";
  });
  ASSERT_NE(point, c.Points.end());
  EXPECT_EQ(point->Point, (TPoint{46, 41}));
  EXPECT_EQ(StripLength(c, "button", "top strip"), 32);
  EXPECT_EQ(StripLength(c, "button", "left strip"), 17);
  EXPECT_EQ(StripLength(c, "button", "client height"), 17);
  EXPECT_EQ(StripLength(c, "edit", "skinrect middle"), 0);
  const auto group = std::find_if(c.StateGroups.begin(), c.StateGroups.end(),
                                  [](const TSkinStateGroup& g) { return g.Entry == "button"; });
  ASSERT_NE(group, c.StateGroups.end());
  ASSERT_EQ(group->States.size(), 3u);
  EXPECT_EQ(group->States[2].first, "downskinrect");
  const auto index = std::find_if(c.PictureIndexes.begin(), c.PictureIndexes.end(),
                                  [](const TSkinPictureIndex& i) { return i.Entry == "caption"; });
  ASSERT_NE(index, c.PictureIndexes.end());
  EXPECT_EQ(index->Index, 2);
}

// The frames of a strip, the symbols of a bitmap font and the places a track bar's button
// takes are looks of their own; an object of the rolled-up window lies in its picture.
TEST(SkinCatalogObjectsTest, FramesSymbolsAndButtonPlacesAreListedEachByItself) {
  TspSkinData skin{nullptr};
  const auto add = [&](auto object, const TRect& SkinRect, const TRect& Strip) {
    object->SkinRect = SkinRect;
    object->ActiveSkinRect = Strip;
    object->ActivePictureIndex = 0;
    auto& entry = *object;
    skin.ObjectList.push_back(std::move(object));
    return &entry;
  };
  auto* gauge =
      add(std::make_unique<TspDataSkinFrameGaugeObject>("gauge"), {0, 0, 10, 8}, {0, 0, 40, 8});
  gauge->CountFrames = 4;
  auto* regulator =
      add(std::make_unique<TspDataSkinFrameRegulatorObject>("knob"), {0, 0, 9, 9}, {50, 0, 59, 27});
  regulator->CountFrames = 3;
  regulator->FramesPlacement = fpvertical;
  auto* animate = add(std::make_unique<TspDataSkinAnimate>("spin"), {0, 0, 6, 5}, {60, 0, 61, 1});
  animate->CountFrames = 2;  // frames have the skin rectangle's size, whatever the strip's
  auto* bits = add(std::make_unique<TspDataSkinBitLabel>("digits"), {0, 0, 12, 4}, {70, 10, 0, 0});
  bits->Symbols.Add("01");
  bits->Symbols.Add("2");
  bits->SymbolWidth = 3;
  bits->SymbolHeight = 4;
  auto* track = add(std::make_unique<TspDataSkinTrackBar>("track"), {100, 50, 140, 60}, {});
  track->ButtonRect = {0, 0, 5, 7};
  track->EndPoint = {38, 5};
  add(std::make_unique<TspDataSkinSwitch>("rolled"), {3, 4, 5, 6}, {})->RollUp = true;

  const TSkinCatalog c = CatalogSkin(skin);
  EXPECT_EQ(FindRect(c, "gauge", "frame 4")->Rect, (TRect{30, 0, 40, 8}));
  EXPECT_EQ(FindRect(c, "gauge", "activeskinrect"), nullptr);  // the strip is no look
  EXPECT_EQ(FindRect(c, "knob", "frame 3")->Rect, (TRect{50, 18, 59, 27}));
  EXPECT_EQ(FindRect(c, "spin", "frame 2")->Rect, (TRect{66, 0, 72, 5}));
  EXPECT_EQ(FindRect(c, "digits", "symbol 1")->Rect, (TRect{73, 10, 76, 14}));
  EXPECT_EQ(FindRect(c, "digits", "symbol 2")->Rect, (TRect{70, 14, 73, 18}));
  const TSkinRectRef* end = FindRect(c, "track", "buttonrect at endpoint");
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(end->Rect, (TRect{136, 52, 141, 59}));  // past the object's right edge
  EXPECT_EQ(end->Within, (TRect{100, 50, 140, 60}));
  EXPECT_EQ(FindRect(c, "rolled", "skinrect")->Picture, RollUpPicture);
  const auto group = std::find_if(c.StateGroups.begin(), c.StateGroups.end(),
                                  [](const TSkinStateGroup& g) { return g.Entry == "knob"; });
  ASSERT_NE(group, c.StateGroups.end());
  EXPECT_EQ(group->States.size(), 4u);  // the skin rectangle and three frames
}

}  // namespace
