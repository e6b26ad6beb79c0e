#include "PixelGlyph.h"

#include <algorithm>
#include <array>
#include <cstring>

int32_t TPixelGlyph::Width() const {
  int32_t width = 0;
  for (const char* row : Rows) width = std::max(width, static_cast<int32_t>(std::strlen(row)));
  return width;
}

int TPixelGlyph::Weight(int32_t X, int32_t Y) const {
  if (Y < 0 || Y >= Height() || X < 0) return 0;
  const char* row = Rows[static_cast<size_t>(Y)];
  if (X >= static_cast<int32_t>(std::strlen(row))) return 0;
  switch (row[X]) {
    case '#':
      return 256;
    case '+':
      return 128;
    case '-':
      return 64;
    default:
      return 0;
  }
}

namespace {

constexpr const char* CloseRows[] = {"#+......+#", "+#+....+#+", ".+#+..+#+.", "..+#++#+..",
                                     "...+##+...", "...+##+...", "..+#++#+..", ".+#+..+#+.",
                                     "+#+....+#+", "#+......+#"};
constexpr const char* MaximizeRows[] = {"##########", "##########", "#........#", "#........#",
                                        "#........#", "#........#", "#........#", "#........#",
                                        "#........#", "##########"};
constexpr const char* RestoreRows[] = {"..########", "..#......#", "########.#", "########.#",
                                       "#......#.#", "#......#.#", "#......###", "#......#..",
                                       "#......#..", "########.."};
constexpr const char* MinimizeRows[] = {"..........", "..........", "..........", "..........",
                                        "..........", "..........", "##########", "..........",
                                        "..........", ".........."};
constexpr const char* RollUpRows[] = {"..........", "..........", "..........", "....++....",
                                      "...+##+...", "..+#++#+..", ".+#+..+#+.", "+#+....+#+",
                                      "#+......+#", ".........."};
constexpr const char* RollDownRows[] = {"..........", "#+......+#", "+#+....+#+", ".+#+..+#+.",
                                        "..+#++#+..", "...+##+...", "....++....", "..........",
                                        "..........", ".........."};
constexpr const char* ToTrayRows[] = {"....##....", "....##....", "....##....", "..+####+..",
                                      "...+##+...", "....++....", "..........", "#........#",
                                      "#........#", "##########"};
constexpr const char* NoteRows[] = {"....########", "....########", "....#......#", "....#......#",
                                    "....#......#", "....#......#", "....#......#", "..++#....++#",
                                    ".####...####", "#####..#####", "####...####.", ".++....++..."};
constexpr const char* SmallCloseRows[] = {"#+....+#", "+#+..+#+", ".+#++#+.", "..+##+..",
                                          "..+##+..", ".+#++#+.", "+#+..+#+", "#+....+#"};
constexpr const char* CheckMarkRows[] = {".......+#", "......+##", "#+...+##+", "##+.+##+.",
                                         "+##+##+..", ".+###+...", "..+#+...."};
constexpr const char* MenuCheckRows[] = {"........#", ".......#+", "#.....#+.", "+#...#+..",
                                         ".+#.#+...", "..+#+....", "...+....."};
constexpr const char* GrayedMarkRows[] = {"#######", "#######"};
constexpr const char* RadioDotRows[] = {"+####+", "######", "######", "######", "######", "+####+"};
constexpr const char* ChevronUpRows[] = {"..+#+..", ".+#+#+.", "+#+.+#+", "#+...+#"};
constexpr const char* ChevronDownRows[] = {"#+...+#", "+#+.+#+", ".+#+#+.", "..+#+.."};
constexpr const char* ChevronLeftRows[] = {"...#", "..#+", ".#+.", "#+..", ".#+.", "..#+", "...#"};
constexpr const char* ChevronRightRows[] = {"#...", "+#..", ".+#.", "..+#", ".+#.", "+#..", "#..."};
constexpr const char* SmallUpRows[] = {"..#..", ".###.", "#####"};
constexpr const char* SmallDownRows[] = {"#####", ".###.", "..#.."};
constexpr const char* GripRows[] = {"...........", ".........##", ".........##", "...........",
                                    "...........", ".....##..##", ".....##..##", "...........",
                                    "...........", ".##..##..##", ".##..##..##"};
constexpr const char* GripDotsHRows[] = {"##..##..##..##", "##..##..##..##"};
constexpr const char* GripDotsVRows[] = {"##", "##", "..", "..", "##", "##", "..",
                                         "..", "##", "##", "..", "..", "##", "##"};

// Each character of the label font: five rows of three cells, written row after row.
struct TLabelChar {
  char C;
  const char* Cells;
};
constexpr TLabelChar LabelChars[] = {
    {'0', "####.##.##.####"}, {'1', ".#.##..#..#.###"}, {'2', "###..#####..###"},
    {'3', "###..####..####"}, {'4', "#.##.####..#..#"}, {'5', "####..###..####"},
    {'6', "####..####.####"}, {'7', "###..#..#..#..#"}, {'8', "####.#####.####"},
    {'9', "####.####..####"}, {'a', ".#.#.####.##.##"}, {'b', "##.#.###.#.###."},
    {'c', ".###..#..#...##"}, {'d', "##.#.##.##.###."}, {'e', "####..##.#..###"},
    {'f', "####..##.#..#.."}, {'g', ".###..#.##.#.##"}, {'h', "#.##.####.##.##"},
    {'i', "###.#..#..#.###"}, {'j', "..#..#..##.#.#."}, {'k', "#.##.###.#.##.#"},
    {'l', "#..#..#..#..###"}, {'m', "#.#####.##.##.#"}, {'n', "##.#.##.##.##.#"},
    {'o', ".#.#.##.##.#.#."}, {'p', "##.#.###.#..#.."}, {'q', ".#.#.##.##.#.##"},
    {'r', "##.#.###.#.##.#"}, {'s', ".###...#...###."}, {'t', "###.#..#..#..#."},
    {'u', "#.##.##.##.####"}, {'v', "#.##.##.##.#.#."}, {'w', "#.##.##.#####.#"},
    {'x', "#.##.#.#.#.##.#"}, {'y', "#.##.#.#..#..#."}, {'z', "###..#.#.#..###"},
    {'.', "............#.."}, {'-', "......###......"}, {'_', "............###"},
    {':', "....#.....#...."}};

// The rows of every label character, built once: five strings of three cells each.
struct TLabelFont {
  std::array<std::array<std::array<char, 4>, 5>, std::size(LabelChars) + 1> Rows{};
  std::array<std::array<const char*, 5>, std::size(LabelChars) + 1> Pointers{};

  TLabelFont() {
    for (size_t c = 0; c <= std::size(LabelChars); ++c)
      for (size_t y = 0; y < 5; ++y) {
        for (size_t x = 0; x < 3; ++x)
          Rows[c][y][x] = c < std::size(LabelChars) ? LabelChars[c].Cells[y * 3 + x] : '.';
        Rows[c][y][3] = '\0';
        Pointers[c][y] = Rows[c][y].data();
      }
  }
};

}  // namespace

namespace Glyphs {
const TPixelGlyph Close{CloseRows};
const TPixelGlyph Maximize{MaximizeRows};
const TPixelGlyph Restore{RestoreRows};
const TPixelGlyph Minimize{MinimizeRows};
const TPixelGlyph RollUp{RollUpRows};
const TPixelGlyph RollDown{RollDownRows};
const TPixelGlyph ToTray{ToTrayRows};
const TPixelGlyph Note{NoteRows};
const TPixelGlyph SmallClose{SmallCloseRows};
const TPixelGlyph CheckMark{CheckMarkRows};
const TPixelGlyph MenuCheck{MenuCheckRows};
const TPixelGlyph GrayedMark{GrayedMarkRows};
const TPixelGlyph RadioDot{RadioDotRows};
const TPixelGlyph ChevronUp{ChevronUpRows};
const TPixelGlyph ChevronDown{ChevronDownRows};
const TPixelGlyph ChevronLeft{ChevronLeftRows};
const TPixelGlyph ChevronRight{ChevronRightRows};
const TPixelGlyph SmallUp{SmallUpRows};
const TPixelGlyph SmallDown{SmallDownRows};
const TPixelGlyph Grip{GripRows};
const TPixelGlyph GripDotsH{GripDotsHRows};
const TPixelGlyph GripDotsV{GripDotsVRows};
}  // namespace Glyphs

TPixelGlyph LabelFontGlyph(char C) {
  static const TLabelFont font;
  size_t index = std::size(LabelChars);  // the blank
  for (size_t i = 0; i < std::size(LabelChars); ++i)
    if (LabelChars[i].C == C) index = i;
  return TPixelGlyph{font.Pointers[index]};
}
