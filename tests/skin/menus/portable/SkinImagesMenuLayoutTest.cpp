// The images menu's grid: cells, button and header rows, the window around them, where it
// goes under its button, the arrow keys' walks and the cells' looks.
#include "skin/menus/portable/SkinImagesMenuLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using K = TspImagesItemKind;
constexpr K I = K::Image, B = K::Button, H = K::Header;
constexpr uint16_t Left = 37, Up = 38, Right = 39, Down = 40;

// Images of 16 x 16 (cells 26 x 26) in Columns columns from (5, 5).
TspImagesMenuLayout Grid(std::vector<K> Kinds, int32_t Columns, int32_t HeaderHeight = 0) {
  TspImagesMenuLayout layout;
  layout.Kinds = std::move(Kinds);
  layout.Arrange({{16, 16}, Columns, {5, 5}, HeaderHeight});
  return layout;
}

TEST(ImagesMenuLayout, FillsRowsOfCellsAPixelApart) {
  const TspImagesMenuLayout grid = Grid({I, I, I, I, I, I, I}, 3);
  const std::vector<TRect> expected{{5, 5, 31, 31},   {31, 5, 57, 31},   {57, 5, 83, 31},  {5, 32, 31, 58},
                                    {31, 32, 57, 58}, {57, 32, 83, 58}, {5, 59, 31, 85}};
  EXPECT_EQ(grid.Rects, expected);
  EXPECT_EQ(grid.ContentSize(), (TSize{3 * 26, 85 - 5}));
  EXPECT_EQ(Grid({}, 3).ContentSize(), (TSize{78, 0}));
}

TEST(ImagesMenuLayout, PutsButtonAndHeaderRowsOnRowsOfTheirOwn) {
  // A button after two cells starts a new row; the cells after it start one below it.
  const TspImagesMenuLayout grid = Grid({I, I, B, I, H, I}, 3, 20);
  const std::vector<TRect> expected{{5, 5, 31, 31},  {31, 5, 57, 31},  {5, 32, 83, 58},
                                    {5, 59, 31, 85}, {5, 86, 83, 106}, {5, 107, 31, 133}};
  EXPECT_EQ(grid.Rects, expected);
  // A header without a skin height is as high as a cell; a row already ended adds no gap.
  EXPECT_EQ(Grid({I, I, I, H}, 3).Rects[3], (TRect{5, 32, 83, 58}));
  EXPECT_EQ(Grid({B, H}, 1).Rects[1], (TRect{5, 32, 31, 58}));
}

TEST(ImagesMenuLayout, WalksTheArrowKeys) {
  // Row 0: header; row 1: cells 1 2 3; row 2: cells 4 5; row 3: button 6; row 4: cell 7.
  const TspImagesMenuLayout grid = Grid({H, I, I, I, I, I, B, I}, 3);
  const struct {
    int32_t Hot;
    uint16_t Key;
    int32_t Expected;
  } cases[] = {
      {-1, Down, 1},  {-1, Right, 1}, {-1, Up, 7},    {-1, Left, 7},  // none hot: first after the header, last
      {1, Right, 2},  {3, Right, 4},  {7, Right, 1},                  // in order, wrapping past the header
      {2, Left, 1},   {1, Left, 7},                                   // ... and back
      {2, Down, 5},   {1, Down, 4},   {3, Down, 6},   {6, Down, 7},   // same column, or the button row
      {5, Up, 2},     {7, Up, 6},     {6, Up, 4},     {1, Up, 1},     // up; nothing above keeps the item
      {7, Down, 7},   {2, 13, 2},                                     // nothing below; not an arrow
  };
  for (const auto& c : cases) EXPECT_EQ(grid.ArrowTarget(c.Hot, c.Key), c.Expected) << c.Hot << " key " << c.Key;
}

TEST(ImagesMenuLayout, ReachesHeadersOnlyAtTheEndsOfTheWalk) {
  // Row 0: cells 0 1; row 1: header 2.
  const TspImagesMenuLayout grid = Grid({I, I, H}, 3);
  const std::pair<int32_t, int32_t> ups[] = {{-1, 2}, {2, 0}}, lefts[] = {{-1, 2}, {0, 2}, {2, 1}},
                                    rights[] = {{2, 0}, {1, 0}};  // the last item, or only headers after
  for (auto [hot, expected] : ups) EXPECT_EQ(grid.ArrowTarget(hot, Up), expected) << hot;
  for (auto [hot, expected] : lefts) EXPECT_EQ(grid.ArrowTarget(hot, Left), expected) << hot;
  for (auto [hot, expected] : rights) EXPECT_EQ(grid.ArrowTarget(hot, Right), expected) << hot;
  EXPECT_EQ(grid.ArrowTarget(2, Down), 2);
  EXPECT_FALSE(grid.Choosable(2));
  // Headers only: the ends are all there is; a lone header has no second item.
  for (uint16_t key : {Left, Up, Right, Down}) {
    EXPECT_EQ(Grid({}, 3).ArrowTarget(-1, key), -1);
    EXPECT_EQ(Grid({H, H}, 3).ArrowTarget(-1, key), 1);
  }
  EXPECT_EQ(std::pair(Grid({H}, 3).ArrowTarget(-1, Up), Grid({H}, 3).ArrowTarget(-1, Down)), std::pair(0, -1));
  EXPECT_EQ(std::pair(Grid({H}, 3).ArrowTarget(0, Left), Grid({H}, 3).ArrowTarget(0, Right)), std::pair(0, 0));
  // Items not laid out yet move nothing.
  TspImagesMenuLayout unarranged;
  unarranged.Kinds = {I, I};
  EXPECT_EQ(unarranged.ArrowTarget(0, Right), 0);
}

TEST(ImagesMenuFrame, FramesTheGridAndPlacesItInsideTheWorkArea) {
  EXPECT_EQ(TspImagesMenuFrame{}.WindowSize({78, 80}), (TSize{88, 90}));
  const TspImagesMenuFrame skinned{true, {40, 40}, {3, 4, 37, 36}};
  EXPECT_EQ(skinned.Origin(), (TPoint{3, 4}));
  EXPECT_EQ(skinned.WindowSize({78, 80}), (TSize{78 + 40 - 34, 80 + 40 - 32}));
  constexpr TRect WorkArea{0, 30, 800, 600};
  EXPECT_EQ(ImagesMenuPosition({750, 100, 780, 125}, {100, 200}, WorkArea), (TPoint{700, 125}));  // pushed left
  EXPECT_EQ(ImagesMenuPosition({-40, 100, -10, 125}, {100, 200}, WorkArea), (TPoint{0, 125}));
  EXPECT_EQ(ImagesMenuPosition({50, 80, 80, 400}, {100, 550}, WorkArea), (TPoint{50, 30}));  // never above it
}

}  // namespace
