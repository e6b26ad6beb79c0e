#include "Win32Pictures.h"

#include "skin/data/SkinDrawing.h"

#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

namespace {

using TRows = std::vector<std::string>;

// Draws on a white bitmap and gives the rows of ink.
template <class TDraw>
TRows Drawn(int Width, int Height, TDraw draw) {
  auto bitmap = FilledBitmap(Width, Height, clWhite);
  draw(bitmap->Canvas());
  return InkRows(*bitmap, clRed);
}

// Sets the Windows version for a test's lifetime.
class TVersionSeam {
public:
  explicit TVersionSeam(DWORD Version) : FSaved(Seams::WindowsVersion) {
    FVersion = Version;
    Seams::WindowsVersion = [] { return FVersion; };
  }
  ~TVersionSeam() { Seams::WindowsVersion = FSaved; }

private:
  static inline DWORD FVersion = 0;
  DWORD (*FSaved)();
};

TEST(SkinDrawing, ArrowsPointTheWayTheirCodeSays) {
  const TRect r{0, 0, 9, 9};
  const auto arrow = [&](int code) { return Drawn(9, 9, [&](TCanvas* c) { DrawArrowImage(c, r, clRed, code); }); };
  EXPECT_EQ(arrow(1), (TRows{".........", ".....#...", "....##...", "...###...", "..####...", "...###...", "....##...",
                             ".....#...", "........."}));
  EXPECT_EQ(arrow(2), (TRows{".........", "...#.....", "...##....", "...###...", "...####..", "...###...", "...##....",
                             "...#.....", "........."}));
  EXPECT_EQ(arrow(3), (TRows{".........", ".........", "....#....", "...###...", "..#####..", ".#######.", ".........",
                             ".........", "........."}));
  EXPECT_EQ(arrow(4), (TRows{".........", ".........", ".........", ".#######.", "..#####..", "...###...", "....#....",
                             ".........", "........."}));
  const TRows blank(9, ".........");
  EXPECT_EQ(arrow(0), blank);
  EXPECT_EQ(arrow(5), blank);
  EXPECT_EQ(Drawn(9, 9, [&](TCanvas* c) { DrawSmallDownArrow(c, r, clRed); }),
            (TRows{".........", ".........", ".........", ".........", "..#####..", "...###...", "....#....",
                   ".........", "........."}));
}

TEST(SkinDrawing, CheckAndRadioMarks) {
  EXPECT_EQ(Drawn(10, 10, [](TCanvas* c) { DrawCheckImage(c, 1, 1, clRed); }),
            (TRows{"..........", "..........", ".......#..", "......##..", ".#...###..", ".##.###...", ".#####....",
                   "..###.....", "...#......", ".........."}));
  // Filled even when the caller's brush is clear.
  EXPECT_EQ(Drawn(8, 8, [](TCanvas* c) {
              c->Brush()->SetStyle(bsClear);
              DrawRadioImage(c, 1, 1, clRed);
            }),
            (TRows{"........", ".######.", ".######.", ".######.", ".######.", ".######.", ".######.", "........"}));
}

TEST(SkinDrawing, CaptionButtonGlyphs) {
  EXPECT_EQ(Drawn(11, 10, [](TCanvas* c) { DrawCloseImage(c, 0, 0, clRed); }),
            (TRows{"...........", ".##.....##.", "..##...##..", "...##.##...", "....###....", "....###....",
                   "...##.##...", "..##...##..", ".##.....##.", "..........."}));
  EXPECT_EQ(Drawn(12, 11, [](TCanvas* c) { DrawMinimizeImage(c, 1, 0, clRed); }),
            (TRows{"............", "............", "............", "............", "............", "............",
                   "............", "............", "..########..", "..########..", "............"}));
  EXPECT_EQ(Drawn(10, 7, [](TCanvas* c) { DrawSysMenuImage(c, 0, 0, clRed); }),
            (TRows{"..........", "..........", "..........", ".########.", ".#......#.", ".########.", ".........."}));
  EXPECT_EQ(Drawn(12, 12, [](TCanvas* c) { DrawMaximizeImage(c, 0, 0, clRed); }),
            (TRows{"###########.", "###########.", "#.........#.", "#.........#.", "#.........#.", "#.........#.",
                   "#.........#.", "#.........#.", "#.........#.", "###########.", "............", "............"}));
  EXPECT_EQ(Drawn(11, 11, [](TCanvas* c) { DrawRestoreImage(c, 0, 0, clRed); }),
            (TRows{"..########.", "..########.", "..#......#.", "..#......#.", "#######..#.", "##########.",
                   "#.....#....", "#.....#....", "#.....#....", "#######....", "..........."}));
  // The first line of each roll glyph starts and ends at one point: no pixel.
  EXPECT_EQ(Drawn(11, 8, [](TCanvas* c) { DrawRollDownImage(c, 0, 0, clRed); }),
            (TRows{"...........", "...........", ".########..", "..######...", "...####....", "....##.....",
                   "...........", "..........."}));
  EXPECT_EQ(Drawn(11, 8, [](TCanvas* c) { DrawRollUpImage(c, 0, 0, clRed); }),
            (TRows{"...........", "...........", "...........", "....##.....", "...####....", "..######...",
                   ".########..", "..........."}));
  EXPECT_EQ(Drawn(9, 9, [](TCanvas* c) { DrawMinimizeToTrayImage(c, 0, 0, clRed); }),
            (TRows{".........", ".........", "..#####..", "..#####..", "..#####..", "..#####..", "..#####..",
                   ".........", "........."}));

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
    TVersionSeam windows98(0xC0000A04);  // 4.10, top bit set: not NT
    EXPECT_EQ(GetWideTextWidth(canvas, text), width);
    EXPECT_EQ(GetWideTextHeight(canvas, text), height);
  }

  // Cutting a wide text never leaves half a surrogate pair.
  const std::wstring pair = L"ab\xD83D\xDE00\xD83D\xDE00";
  for (int w = 0; w <= GetWideTextWidth(canvas, pair); ++w) {
    std::wstring s = pair;
    FitWideTextToWidth(canvas, s, w);
    const std::wstring kept = s.size() >= 3 && s.substr(s.size() - 3) == L"..." ? s.substr(0, s.size() - 3) : s;
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
  const TPixelImage offset = draw([&](TCanvas* c) { DrawTextInRectOffset(c, "Wide text that is clipped", r, 20); });
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
