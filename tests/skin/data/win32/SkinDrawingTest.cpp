#include "SystemSeamScope.h"
#include "Win32Pictures.h"

#include "skin/data/win32/SkinDrawing.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using TRows = std::vector<std::string>;

// Draws on a white bitmap and gives the rows of ink.
TRows Drawn(int Width, int Height, const std::function<void(TCanvas*)>& draw) {
  auto bitmap = FilledBitmap(Width, Height, clWhite);
  draw(bitmap->Canvas());
  return InkRows(*bitmap, clRed);
}

// A mark, drawn in red on white, and the rows of red pixels it must give.
struct TMarkCase {
  const char* Name;
  int Width, Height;
  std::function<void(TCanvas*)> Draw;
  TRows Expected;
};

const TRect Cell{0, 0, 9, 9};

// clang-format off: one pixel row per line
const TMarkCase MarkCases[] = {
    {"left arrow", 9, 9, [](TCanvas* c) { DrawArrowImage(c, Cell, clRed, 1); },
     {
         ".........",
         ".....#...",
         "....##...",
         "...###...",
         "..####...",
         "...###...",
         "....##...",
         ".....#...",
         ".........",
     }},
    {"right arrow", 9, 9, [](TCanvas* c) { DrawArrowImage(c, Cell, clRed, 2); },
     {
         ".........",
         "...#.....",
         "...##....",
         "...###...",
         "...####..",
         "...###...",
         "...##....",
         "...#.....",
         ".........",
     }},
    {"up arrow", 9, 9, [](TCanvas* c) { DrawArrowImage(c, Cell, clRed, 3); },
     {
         ".........",
         ".........",
         "....#....",
         "...###...",
         "..#####..",
         ".#######.",
         ".........",
         ".........",
         ".........",
     }},
    {"down arrow", 9, 9, [](TCanvas* c) { DrawArrowImage(c, Cell, clRed, 4); },
     {
         ".........",
         ".........",
         ".........",
         ".#######.",
         "..#####..",
         "...###...",
         "....#....",
         ".........",
         ".........",
     }},
    {"no arrow for code 0", 9, 9, [](TCanvas* c) { DrawArrowImage(c, Cell, clRed, 0); },
     TRows(9, ".........")},
    {"no arrow for code 5", 9, 9, [](TCanvas* c) { DrawArrowImage(c, Cell, clRed, 5); },
     TRows(9, ".........")},
    {"small down arrow", 9, 9, [](TCanvas* c) { DrawSmallDownArrow(c, Cell, clRed); },
     {
         ".........",
         ".........",
         ".........",
         ".........",
         "..#####..",
         "...###...",
         "....#....",
         ".........",
         ".........",
     }},
    {"check mark", 10, 10, [](TCanvas* c) { DrawCheckImage(c, 1, 1, clRed); },
     {
         "..........",
         "..........",
         ".......#..",
         "......##..",
         ".#...###..",
         ".##.###...",
         ".#####....",
         "..###.....",
         "...#......",
         "..........",
     }},
    // Filled even when the caller's brush is clear.
    {"radio mark", 8, 8, [](TCanvas* c) { c->Brush()->SetStyle(bsClear); DrawRadioImage(c, 1, 1, clRed); },
     {
         "........",
         ".######.",
         ".######.",
         ".######.",
         ".######.",
         ".######.",
         ".######.",
         "........",
     }},
    {"close", 11, 10, [](TCanvas* c) { DrawCloseImage(c, 0, 0, clRed); },
     {
         "...........",
         ".##.....##.",
         "..##...##..",
         "...##.##...",
         "....###....",
         "....###....",
         "...##.##...",
         "..##...##..",
         ".##.....##.",
         "...........",
     }},
    {"minimize", 12, 11, [](TCanvas* c) { DrawMinimizeImage(c, 1, 0, clRed); },
     {
         "............",
         "............",
         "............",
         "............",
         "............",
         "............",
         "............",
         "............",
         "..########..",
         "..########..",
         "............",
     }},
    {"system menu", 10, 7, [](TCanvas* c) { DrawSysMenuImage(c, 0, 0, clRed); },
     {
         "..........",
         "..........",
         "..........",
         ".########.",
         ".#......#.",
         ".########.",
         "..........",
     }},
    {"maximize", 12, 12, [](TCanvas* c) { DrawMaximizeImage(c, 0, 0, clRed); },
     {
         "###########.",
         "###########.",
         "#.........#.",
         "#.........#.",
         "#.........#.",
         "#.........#.",
         "#.........#.",
         "#.........#.",
         "#.........#.",
         "###########.",
         "............",
         "............",
     }},
    {"restore", 11, 11, [](TCanvas* c) { DrawRestoreImage(c, 0, 0, clRed); },
     {
         "..########.",
         "..########.",
         "..#......#.",
         "..#......#.",
         "#######..#.",
         "##########.",
         "#.....#....",
         "#.....#....",
         "#.....#....",
         "#######....",
         "...........",
     }},
    // The first line of each roll glyph starts and ends at one point: no pixel.
    {"roll down", 11, 8, [](TCanvas* c) { DrawRollDownImage(c, 0, 0, clRed); },
     {
         "...........",
         "...........",
         ".########..",
         "..######...",
         "...####....",
         "....##.....",
         "...........",
         "...........",
     }},
    {"roll up", 11, 8, [](TCanvas* c) { DrawRollUpImage(c, 0, 0, clRed); },
     {
         "...........",
         "...........",
         "...........",
         "....##.....",
         "...####....",
         "..######...",
         ".########..",
         "...........",
     }},
    {"minimize to tray", 9, 9, [](TCanvas* c) { DrawMinimizeToTrayImage(c, 0, 0, clRed); },
     {
         ".........",
         ".........",
         "..#####..",
         "..#####..",
         "..#####..",
         "..#####..",
         "..#####..",
         ".........",
         ".........",
     }},
};
// clang-format on

TEST(SkinDrawing, ArrowsMarksAndCaptionGlyphs) {
  for (const TMarkCase& c : MarkCases) EXPECT_EQ(Drawn(c.Width, c.Height, c.Draw), c.Expected) << c.Name;

  // Hollow glyphs give the caller its brush style back.
  auto bitmap = FilledBitmap(12, 12, clWhite);
  DrawMaximizeImage(bitmap->Canvas(), 0, 0, clRed);
  EXPECT_EQ(bitmap->Canvas()->Brush()->Style(), bsSolid);
}

TEST(SkinDrawing, FitTextToWidthCutsWithAnEllipsis) {
  TBitmap bitmap(10, 10);
  TCanvas* canvas = bitmap.Canvas();
  const std::string text = "Velorandquistmar renames files";
  std::string s = text;
  FitTextToWidth(canvas, s, canvas->TextWidth(text));
  EXPECT_EQ(s, text);

  s = text;
  FitTextToWidth(canvas, s, canvas->TextWidth("Velorand..."));
  EXPECT_EQ(s, "Velorand...");

  for (int width : {1, 0, -20}) {
    s = text;
    FitTextToWidth(canvas, s, width);
    EXPECT_EQ(s, "...");
  }
  s.clear();
  FitTextToWidth(canvas, s, 0);
  EXPECT_EQ(s, "");

  // A long text: the longest prefix that fits with the ellipsis.
  const std::string longText(20000, 'm');
  const int maxWidth = canvas->TextWidth(std::string(37, 'm') + "...");
  s = longText;
  FitTextToWidth(canvas, s, maxWidth);
  EXPECT_EQ(s, std::string(37, 'm') + "...");
}

TEST(SkinDrawing, WideTextIsDrawnWideOnNTAndInTheCodePageElsewhere) {
  TBitmap bitmap(10, 10);
  TCanvas* canvas = bitmap.Canvas();
  const std::wstring text = L"Velorandquistmar";
  const int width = GetWideTextWidth(canvas, text);
  const int height = GetWideTextHeight(canvas, text);
  EXPECT_EQ(width, canvas->TextWidth("Velorandquistmar"));
  EXPECT_EQ(height, canvas->TextHeight("Velorandquistmar"));
  TRect r{};
  EXPECT_EQ(DrawWideText(canvas, text, r, DT_CALCRECT), height);
  EXPECT_EQ(r, (TRect{0, 0, width, height}));
  {
    TSystemSeams seams;
    TSystemSeams::SetVersion(4, 10, false);  // not NT
    EXPECT_EQ(GetWideTextWidth(canvas, text), width);
    EXPECT_EQ(GetWideTextHeight(canvas, text), height);
  }

  // Cutting a wide text never leaves half a surrogate pair.
  const std::wstring pair = L"ab\xD83D\xDE00\xD83D\xDE00";
  for (int w = 0; w <= GetWideTextWidth(canvas, pair); ++w) {
    std::wstring s = pair;
    FitWideTextToWidth(canvas, s, w);
    const std::wstring kept =
        s.size() >= 3 && s.substr(s.size() - 3) == L"..." ? s.substr(0, s.size() - 3) : s;
    EXPECT_TRUE(kept.empty() || kept.back() < 0xD800 || kept.back() > 0xDBFF) << w;
    EXPECT_EQ(pair.compare(0, kept.size(), kept), 0);
  }
}

TEST(SkinDrawing, TextRoutinesDrawOnlyInsideTheirRectangle) {
  const TRect r{10, 10, 60, 30};
  const auto draw = [&](auto routine) {
    auto bitmap = FilledBitmap(80, 40, clWhite);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clYellow);
    canvas->Font()->SetColor(clBlack);
    routine(canvas);
    return bitmap->ToPixelImage();
  };
  const auto changedOutside = [&](const TPixelImage& image) {
    int changed = 0;
    for (int32_t y = 0; y < image.Height(); ++y)
      for (int32_t x = 0; x < image.Width(); ++x)
        if (!PtInRect(r, {x, y}) && image.Pixel(x, y) != clWhite) ++changed;
    return changed;
  };
  const auto changedInside = [&](const TPixelImage& image) {
    int changed = 0;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x) changed += image.Pixel(x, y) != clWhite;
    return changed;
  };

  const TPixelImage inRect = draw([&](TCanvas* c) { DrawTextInRect(c, "Wide text that is clipped", r); });
  EXPECT_EQ(changedOutside(inRect), 0);
  EXPECT_EQ(inRect.Pixel(r.Left, r.Top), clYellow);  // the brush fills R; the text starts 2 further right
  EXPECT_EQ(inRect.Pixel(r.Left + 1, r.Bottom - 1), clYellow);
  const TPixelImage offset =
      draw([&](TCanvas* c) { DrawTextInRectOffset(c, "Wide text that is clipped", r, 20); });
  EXPECT_EQ(changedOutside(offset), 0);
  for (int32_t y = r.Top; y < r.Bottom; ++y) EXPECT_EQ(offset.Pixel(r.Left + 20, y), clYellow);
  const TPixelImage single = draw([&](TCanvas* c) { DrawSingleLineText(c, "Wide text that is clipped", r); });
  EXPECT_EQ(changedOutside(single), 0);
  EXPECT_GT(changedInside(single), 0);

  for (const TPixelImage& image : {draw([&](TCanvas* c) { DrawTextInRect(c, "", r); }),
                                   draw([&](TCanvas* c) { DrawTextInRectOffset(c, "", r, 3); }),
                                   draw([&](TCanvas* c) { DrawSingleLineText(c, "", r); })}) {
    EXPECT_EQ(changedInside(image), 0);
    EXPECT_EQ(changedOutside(image), 0);
  }
}

}  // namespace
