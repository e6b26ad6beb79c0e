// The named areas of a skin: entries split into names and rectangles, and lists bounded.
#include "skin/data/SkinWindowData.h"

#include "SkinIniText.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinWindowData, AreaEntriesSplitAtTheFirstColon) {
  struct Case {
    const char* Entry;
    const char* Name;
    TRect Rect;
  } cases[] = {
      {"frame:1,2,30,40", "frame", {1, 2, 30, 40}},
      {"frame:-1,2,30,-40", "frame", {1, 2, 30, 40}},
      {"a:b:1,2,3,4", "a", {1, 2, 3, 4}},
      {":5,6,7,8", "", {5, 6, 7, 8}},
      {"nocolon", "", {0, 0, 0, 0}},
      {"", "", {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    std::string name = "?";
    TRect rect{9, 9, 9, 9};
    GetAreaNameAndRect(c.Entry, name, rect);
    EXPECT_EQ(name, c.Name) << c.Entry;
    EXPECT_EQ(rect, c.Rect) << c.Entry;
  }
  std::string name;
  TRect rect;
  EXPECT_THROW(GetAreaNameAndRect("frame:1,2", name, rect), EConvertError);
}

TEST(SkinWindowData, LoadAreasAppendsOneAreaPerEntry) {
  TSkinIniText ini("[skinareas]\r\nCount=3\r\n0=frame:1,2,30,40\r\n2=caption:0,0,10,5\r\n"
                   "3=beyond:1,1,1,1\r\n");
  std::vector<TspDataSkinArea> areas;
  areas.emplace_back("kept", TRect{});
  LoadAreas(ini, areas);
  ASSERT_EQ(areas.size(), 4u);
  EXPECT_EQ(areas[1].IDName, "frame");
  EXPECT_EQ(areas[1].AreaRect, (TRect{1, 2, 30, 40}));
  EXPECT_EQ(areas[2].IDName, "");  // entry 1 is absent
  EXPECT_EQ(areas[3].IDName, "caption");
  EXPECT_EQ(areas[3].AreaRect, (TRect{0, 0, 10, 5}));

  std::vector<TspDataSkinArea> none;
  TSkinIniText empty;
  LoadAreas(empty, none);
  EXPECT_TRUE(none.empty());
}

TEST(SkinWindowData, AHugeAreaCountIsCapped) {
  TSkinIniText ini("[SKINAREAS]\r\ncount=2147483647\r\n");
  std::vector<TspDataSkinArea> areas;
  LoadAreas(ini, areas);
  EXPECT_EQ(areas.size(), static_cast<size_t>(MaxSkinListCount));
}

}  // namespace
