#include "NinePartPicture.h"

#include <sstream>

namespace {

enum class TAxisRule { Copied, Tiled, Stretched };

// A piece: its number, its place in R and in the new image, and how each axis is drawn.
struct TPieceRule {
  int Piece;
  TRect Source;
  TRect Dest;
  TAxisRule X, Y;
};

TAxisRule Side(bool Stretch) { return Stretch ? TAxisRule::Stretched : TAxisRule::Tiled; }

// The destination table in drawing order: strips, copied pieces, client part.
std::vector<TPieceRule> Rules(const TNinePartCase& c) {
  const TSkinCut& o = c.Cut;
  const TSkinCut n = CutForSize(o, c.R, c.Width, c.Height);
  const TRect& cl = o.ClRect;
  const TRect& ncl = n.ClRect;
  const int32_t rw = c.R.Width(), rh = c.R.Height(), w = c.Width, h = c.Height;
  constexpr TAxisRule copied = TAxisRule::Copied;
  std::vector<TPieceRule> rules = {
      {2, {o.LT.X, 0, o.RT.X, cl.Top}, {n.LT.X, 0, n.RT.X, ncl.Top}, Side(c.Sides.Top), copied},
      {11, {o.LB.X, cl.Bottom, o.RB.X, rh}, {n.LB.X, ncl.Bottom, n.RB.X, h}, Side(c.Sides.Bottom), copied},
      {5, {0, o.LT.Y, cl.Left, o.LB.Y}, {0, n.LT.Y, ncl.Left, n.LB.Y}, copied, Side(c.Sides.Left)},
      {8, {cl.Right, o.RT.Y, rw, o.RB.Y}, {ncl.Right, n.RT.Y, w, n.RB.Y}, copied, Side(c.Sides.Right)},
      {1, {0, 0, o.LT.X, cl.Top}, {0, 0, n.LT.X, ncl.Top}, copied, copied},
      {4, {0, cl.Top, cl.Left, o.LT.Y}, {0, ncl.Top, ncl.Left, n.LT.Y}, copied, copied},
      {3, {o.RT.X, 0, rw, cl.Top}, {n.RT.X, 0, w, ncl.Top}, copied, copied},
      {7, {cl.Right, cl.Top, rw, o.RT.Y}, {ncl.Right, ncl.Top, w, n.RT.Y}, copied, copied},
      {6, {0, o.LB.Y, cl.Left, rh}, {0, n.LB.Y, ncl.Left, h}, copied, copied},
      {10, {cl.Left, cl.Bottom, o.LB.X, rh}, {ncl.Left, ncl.Bottom, n.LB.X, h}, copied, copied},
      {12, {o.RB.X, cl.Bottom, rw, rh}, {n.RB.X, ncl.Bottom, w, h}, copied, copied},
      {9, {cl.Right, o.RB.Y, rw, cl.Bottom}, {ncl.Right, n.RB.Y, w, ncl.Bottom}, copied, copied},
  };
  TAxisRule clientX = TAxisRule::Tiled, clientY = TAxisRule::Tiled;
  if (c.Fill.StretchEffect) {
    clientX = c.Fill.StretchType == sthorz ? TAxisRule::Tiled : TAxisRule::Stretched;
    clientY = c.Fill.StretchType == stvert ? TAxisRule::Tiled : TAxisRule::Stretched;
  }
  rules.push_back({13, cl, ncl, clientX, clientY});
  return rules;
}

// The source offset an axis must show for destination offset D, or -1 when any offset
// inside the piece will do (stretched).
int32_t ExpectedOffset(TAxisRule Rule, int32_t D, int32_t Length) {
  switch (Rule) {
    case TAxisRule::Copied:
      return D;
    case TAxisRule::Tiled:
      return D % Length;
    case TAxisRule::Stretched:
      return -1;
  }
  return -1;
}

}  // namespace

std::vector<TNinePartCase> NinePartCases() {
  const TRect r{3, 2, 23, 18};
  // Client (4, 3, 15, 12) in 20 x 16; strips: top 5..13, bottom 6..12, left 6..10, right 5..9.
  const TSkinCut cut{{5, 6}, {13, 5}, {6, 10}, {12, 9}, {4, 3, 15, 12}};
  TSkinCut zeroStrips = cut;  // no top strip, no left strip
  zeroStrips.RT.X = zeroStrips.LT.X;
  zeroStrips.LB.Y = zeroStrips.LT.Y;
  const TSkinSides tiled{};
  const TSkinSides stretched{true, true, true, true};
  const TSkinClientFill tiledClient{};
  return {
      {"tiled", r, cut, 45, 37, tiled, true, tiledClient},
      // Strips of 32, 30, 12 and 12: whole tiles of 8, 6, 4 and 4.
      {"strip tiles end at the edge", r, cut, 44, 24, tiled, true, tiledClient},
      // A client part of 33 x 18: whole tiles of 11 x 9.
      {"client tiles end at the edge", r, cut, 42, 27, tiled, true, tiledClient},
      {"stretched", r, cut, 37, 29, stretched, true, {true, stfull}},
      {"sthorz with mixed sides", r, cut, 50, 40, {true, false, false, true}, true, {true, sthorz}},
      {"stvert with mixed sides", r, cut, 31, 45, {false, true, true, false}, true, {true, stvert}},
      {"smaller than the element", r, cut, 14, 11, tiled, true, tiledClient},
      {"zero-length strips tiled", r, zeroStrips, 40, 33, tiled, true, tiledClient},
      {"zero-length strips stretched", r, zeroStrips, 40, 33, stretched, true, tiledClient},
      {"no client part", r, cut, 33, 30, tiled, false, tiledClient},
      {"its own size", r, cut, 20, 16, stretched, true, {true, stfull}},
  };
}

TPixelImage NinePartPicture(const TNinePartCase& Case, int32_t PictureWidth, int32_t PictureHeight) {
  TPixelImage picture(PictureWidth, PictureHeight);
  for (int32_t y = 0; y < PictureHeight; ++y)
    for (int32_t x = 0; x < PictureWidth; ++x) picture.SetPixel(x, y, RGBColor(0, 0, 240));
  for (const TPieceRule& rule : Rules(Case))
    for (int32_t y = rule.Source.Top; y < rule.Source.Bottom; ++y)
      for (int32_t x = rule.Source.Left; x < rule.Source.Right; ++x)
        picture.SetPixel(Case.R.Left + x, Case.R.Top + y,
                         RGBColor(static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                  static_cast<uint8_t>(rule.Piece * 16)));
  return picture;
}

std::vector<std::string> NinePartMismatches(const TNinePartCase& Case, const TPixelImage& Image) {
  std::vector<std::string> found;
  if (Image.Width() != Case.Width || Image.Height() != Case.Height) {
    found.push_back("image is " + std::to_string(Image.Width()) + "x" + std::to_string(Image.Height()));
    return found;
  }
  const std::vector<TPieceRule> rules = Rules(Case);
  for (int32_t y = 0; y < Case.Height && found.size() < 5; ++y) {
    for (int32_t x = 0; x < Case.Width && found.size() < 5; ++x) {
      const TPieceRule* drawn = nullptr;
      for (const TPieceRule& rule : rules) {
        if (rule.Piece == 13 && !Case.DrawClient) continue;
        if (rule.Source.Width() < 1 || rule.Source.Height() < 1) continue;  // nothing to copy
        if (PtInRect(rule.Dest, {x, y})) drawn = &rule;
      }
      const TColor pixel = Image.Pixel(x, y);
      std::ostringstream problem;
      if (drawn == nullptr) {
        if (pixel != clBlack) problem << "no piece, got " << std::hex << pixel;
      } else {
        const int piece = BlueOf(pixel) / 16;
        const int32_t column = RedOf(pixel) - drawn->Source.Left;
        const int32_t row = GreenOf(pixel) - drawn->Source.Top;
        const int32_t wantColumn = ExpectedOffset(drawn->X, x - drawn->Dest.Left, drawn->Source.Width());
        const int32_t wantRow = ExpectedOffset(drawn->Y, y - drawn->Dest.Top, drawn->Source.Height());
        if (BlueOf(pixel) % 16 != 0 || piece != drawn->Piece)
          problem << "piece " << piece << " (blue " << +BlueOf(pixel) << "), expected " << drawn->Piece;
        else if (wantColumn >= 0 ? column != wantColumn : column < 0 || column >= drawn->Source.Width())
          problem << "piece " << piece << " column " << column << ", expected " << wantColumn;
        else if (wantRow >= 0 ? row != wantRow : row < 0 || row >= drawn->Source.Height())
          problem << "piece " << piece << " row " << row << ", expected " << wantRow;
      }
      if (!problem.str().empty())
        found.push_back(std::string(Case.Name) + " (" + std::to_string(x) + "," + std::to_string(y) +
                        "): " + problem.str());
    }
  }
  return found;
}

void RenderPlan(const TPiecePlan& Plan, const TPixelImage& Picture, TPixelImage& Target) {
  const TRect target{0, 0, Target.Width(), Target.Height()};
  for (const TPieceCopy& piece : Plan)
    ForEachTile(piece, target, [&](const TPieceCopy& copy) {
      const int64_t sw = copy.Source.Width(), sh = copy.Source.Height();
      const int64_t dw = copy.Dest.Width(), dh = copy.Dest.Height();
      for (int32_t y = std::max(copy.Dest.Top, 0); y < std::min(copy.Dest.Bottom, Target.Height()); ++y) {
        const int64_t sy = copy.Source.Top + (y - copy.Dest.Top) * sh / dh;
        for (int32_t x = std::max(copy.Dest.Left, 0); x < std::min(copy.Dest.Right, Target.Width()); ++x) {
          const int64_t sx = copy.Source.Left + (x - copy.Dest.Left) * sw / dw;
          const bool inside = sx >= 0 && sy >= 0 && sx < Picture.Width() && sy < Picture.Height();
          Target.SetPixel(x, y,
                          inside ? Picture.Pixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy)) : clBlack);
        }
      }
    });
}
