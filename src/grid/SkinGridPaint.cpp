// The skinned grid's painting: the background, every cell from the skin picture of its
// draw state (or in the grid's colours without a skin), the empty area, the cells drawn
// at once outside a paint, the sizing line and the drop marker.
#include "SkinGrid.h"

#include "skin/boxes/SkinAreaFill.h"
#include "skin/data/win32/SkinSystem.h"

#include "classlib/Canvas.h"
#include "classlib/DeviceContexts.h"

#include "base/ScopeExit.h"

#include <algorithm>

namespace {

TRect Intersection(const TRect& A, const TRect& B) {
  const TRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                std::min(A.Bottom, B.Bottom)};
  return IsRectEmpty(r) ? TRect{} : r;
}

bool Intersects(const TRect& A, const TRect& B) { return !IsRectEmpty(Intersection(A, B)); }

// Flat fills with the DC's own brush: the canvas's brush (which a cell-drawing method may
// rely on) stays as it is, and no brush is made per colour.
void FillArea(HDC DC, const TRect& Area, TColor Color) {
  SetDCBrushColor(DC, static_cast<COLORREF>(ColorToRGB(Color)));
  const RECT r = ToRECT(Area);
  FillRect(DC, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FrameArea(HDC DC, const TRect& Area, TColor Color) {
  SetDCBrushColor(DC, static_cast<COLORREF>(ColorToRGB(Color)));
  const RECT r = ToRECT(Area);
  FrameRect(DC, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

void TDynSkinCustomGrid::PaintWindow(HDC DC) {
  if (GridLoading()) return;
  RECT box{};
  if (GetClipBox(DC, &box) != ERROR) PaintArea(DC, FromRECT(box));
}

void TDynSkinCustomGrid::PaintArea(HDC Target, const TRect& Area) {
  GetSkinData();
  const TRect client = ClientArea();
  // A blended grid is put on its parent's background whole.
  const TRect clip = AlphaBlend() ? client : Intersection(Area, client);
  if (IsRectEmpty(clip)) return;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  DrawOffScreen(Target, clip, [&] {
    if (ShowsBackground(drawInfo)) DrawBackground(clip);
    // A right-to-left grid lays its cells out as any other on a mirrored canvas; what
    // lies beneath them is not mirrored.
    const bool mirrored = GridRightToLeft();
    const TRect laidOut = mirrored ? MirrorRect(clip, drawInfo.Horz.GridExtent) : clip;
    if (mirrored) ChangeGridOrientation(true);
    TScopeExit restore([&] {
      if (mirrored) ChangeGridOrientation(false);
    });
    for (const TGridPart& part : SplitGridRect(CellsIn(clip, drawInfo), FixedCols(), FixedRows(), TopLeft()))
      DrawCells(part, drawInfo, laidOut);
    FillEmptyAreas(drawInfo, laidOut);
  });
}

void TDynSkinCustomGrid::ChangeGridOrientation(bool RightToLeft) {
  HDC dc = Canvas()->Handle();
  const TRect client = ClientArea();
  const int w = client.Width(), h = client.Height();
  // The origin on the client's last column maps a cell onto the pixels its mirrored
  // rectangle gives, those the editor and the hit test use.
  SetMapMode(dc, RightToLeft ? MM_ANISOTROPIC : MM_TEXT);
  SetWindowOrgEx(dc, RightToLeft ? w - 1 : 0, 0, nullptr);
  if (!RightToLeft) return;
  SetWindowExtEx(dc, -w, h, nullptr);
  SetViewportExtEx(dc, w, h, nullptr);
}

bool TDynSkinCustomGrid::ShowsBackground(const TGridDrawInfo& DrawInfo) const {
  // Cells cover their rectangles whole; what lies beneath shows between them, under a
  // column scrolled by pixels, under cells left to the cell-drawing method, or through a
  // transparent grid.
  return BackgroundPictured() || !FDefaultDrawing ||
         DrawInfo.Horz.EffectiveLineWidth > 0 || DrawInfo.Vert.EffectiveLineWidth > 0 || ColOffset() > 0;
}

TGridRect TDynSkinCustomGrid::CellsIn(const TRect& Clip, const TGridDrawInfo& DrawInfo) const {
  const TGridAxisDrawInfo& v = DrawInfo.Vert;
  const int32_t lastRow = std::min(v.LastFullVisibleCell + 1, v.GridCellCount - 1);
  const int32_t top = CalcAxisCell(v, Clip.Top);
  const int32_t bottom = CalcAxisCell(v, Clip.Bottom - 1);
  // Columns are taken whole: mirrored or scrolled by pixels they do not map as simply.
  return {0, top < 0 ? lastRow + 1 : top, DrawInfo.Horz.LastFullVisibleCell + 1, bottom < 0 ? lastRow : bottom};
}

void TDynSkinCustomGrid::RepaintGridRect(const TGridRect& Rect) {
  // A grid not on screen paints every cell when it shows.
  if (!GridShowing() || InPaint()) return;
  HWND window = GridWindow();
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const TRect area = GridRectToScreenRect(Rect, drawInfo, true, GridRightToLeft());
  // Nothing of it on screen, or the whole grid is about to be painted anyway.
  if (IsRectEmpty(area) || FPaintDue) return;
  const TWindowDC dc(window);
  PaintArea(dc.DC(), area);
}

void TDynSkinCustomGrid::DrawOffScreen(HDC Target, const TRect& Area, const TDelegate<void()>& Draw) {
  const TRect client = ClientArea();
  TCanvas& canvas = *Canvas();
  canvas.SetHandle(nullptr);  // the image's DC goes when the image changes size
  FImage.SetSize(client.Width(), client.Height());
  HDC image = FImage.Canvas()->Handle();
  canvas.Lock();
  TScopeExit release([&] {
    canvas.SetHandle(nullptr);
    canvas.Unlock();
  });
  canvas.SetHandle(image);
  // Only Area reaches the target: nothing beyond it is drawn.
  IntersectClipRect(image, Area.Left, Area.Top, Area.Right, Area.Bottom);
  TScopeExit unclip([&] { SelectClipRgn(image, nullptr); });
  Draw();
  if (!AlphaBlend()) {
    BitBlt(Target, Area.Left, Area.Top, Area.Width(), Area.Height(), image, Area.Left, Area.Top, SRCCOPY);
    return;
  }
  canvas.SetHandle(Target);
  DrawControlImage(FImage);
}

void TDynSkinCustomGrid::DrawBackground(const TRect& Area) {
  TCanvas& canvas = *Canvas();
  if (FTransparent) return DrawParentBackground(this, &canvas);
  TBitmap* picture = FSkin.Skinned() ? FSkin.Background() : nullptr;
  if (picture == nullptr) return FillArea(canvas.Handle(), Area, BackgroundColor());
  // Tiled from the client's corner; the canvas is clipped to Area.
  FillAreaFromPicture(canvas, picture, {0, 0, picture->Width(), picture->Height()}, Area.Right, Area.Bottom, {});
}

bool TDynSkinCustomGrid::BackgroundPictured() const {
  return FTransparent || (FSkin.Skinned() && FSkin.Background() != nullptr);
}

TColor TDynSkinCustomGrid::BackgroundColor() const { return FSkin.Skinned() ? FSkin.BGColor() : Color(); }

void TDynSkinCustomGrid::FillEmptyAreas(const TGridDrawInfo& DrawInfo, const TRect& Clip) {
  if (BackgroundPictured()) return;
  for (const TRect& area : EmptyGridAreas(DrawInfo)) {
    const TRect part = Intersection(area, Clip);
    if (!IsRectEmpty(part)) FillArea(Canvas()->Handle(), part, BackgroundColor());
  }
}

void TDynSkinCustomGrid::DrawCells(const TGridPart& Part, const TGridDrawInfo& DrawInfo, const TRect& Clip) {
  const std::vector<TGridCellPlace> cells = PlaceGridCells(Part.Cells, DrawInfo);
  if (cells.empty()) return;
  SelectPartFont(Part.Fixed);
  TCellLook look;
  look.GridFocused = FFocused;
  look.FocusOnCell = FocusOnCell();
  look.FocusOnRow = FocusOnRow();
  const TGridCoord current = CurrentCell();
  // A single column scrolls by pixels.
  const int32_t shift = ColCount() == 1 ? -ColOffset() : 0;
  for (const TGridCellPlace& cell : cells) {
    const TRect rect = OffsetRect(cell.Rect, shift, 0);
    if (!Intersects(rect, Clip)) continue;
    TGridDrawState state{gdFixed};
    if (!Part.Fixed) {
      const TCellData& flags = CellData().Cell(cell.Col, cell.Row);
      look.Selectable = flags.Selectable;
      look.Selected = flags.Selected;
      look.InCurrentRow = cell.Row == current.Y;
      look.InCurrentCol = cell.Col == current.X;
      state = CellDrawState({}, look);
    }
    if (FDefaultDrawing) DrawCellFace(rect, state);
    // The editor shows the text of its cell (over the cell's picture when transparent).
    if (!UnderEditor(cell.Col, cell.Row)) DrawCell(cell.Col, cell.Row, rect, state);
  }
}

void TDynSkinCustomGrid::SelectPartFont(bool Fixed) {
  TFont* font = Canvas()->Font();
  if (!FSkin.Skinned() || !FUseSkinFont) return font->Assign(Font());
  AssignSkinFont(*font, Fixed ? FSkin.FixedFont() : FSkin.CellFont(), Font()->Charset());
}

TColor TDynSkinCustomGrid::TextColor(TGridDrawState State) {
  const TGridCellKind kind = GridCellKind(State);
  if (kind == TGridCellKind::Disabled) return clInactiveCaptionText;
  if (FSkin.Skinned()) return kind == TGridCellKind::Fixed ? FSkin.FixedFont().Color : FSkin.FocusFontColor();
  return kind == TGridCellKind::Selected ? clHighlightText : Font()->Color();
}

void TDynSkinCustomGrid::DrawCellFace(const TRect& Rect, TGridDrawState State) {
  TCanvas& canvas = *Canvas();
  canvas.Font()->SetColor(TextColor(State));
  HDC dc = canvas.Handle();
  const TGridCellKind kind = GridCellKind(State);
  const bool highlighted = State.Contains(gdHighlighted);
  if (FSkin.Skinned()) {
    const int32_t height = FUseSkinCellHeight ? FSkin.CellRect(kind).Height() : Rect.Height();
    if (TBitmap* image = FCellImages.Image(FSkin, kind, highlighted, FFocusedColor, Rect.Width(), height)) {
      const int32_t drawn = std::min(height, Rect.Height());
      BitBlt(dc, Rect.Left, Rect.Top, Rect.Width(), drawn, image->Canvas()->Handle(), 0, 0, SRCCOPY);
      // A row taller than the picture shows what lies beneath it below the picture.
      if (drawn < Rect.Height() && !BackgroundPictured())
        FillArea(dc, {Rect.Left, Rect.Top + drawn, Rect.Right, Rect.Bottom}, BackgroundColor());
      return;
    }
  }
  // Without a skin picture: the grid's colours.
  const TColor fill = kind == TGridCellKind::Fixed      ? FFixedColor
                      : kind == TGridCellKind::Selected ? TColor{clHighlight}
                                                        : Color();
  FillArea(dc, Rect, fill);
  if (highlighted) FrameArea(dc, Rect, FFocusedColor);
}

void TDynSkinCustomGrid::DrawSizingLine(const TGridDrawInfo& DrawInfo) {
  const int32_t pos = Sizing().SizingPos;
  const bool rows = GridState() == gsRowSizing;
  // XOR with white inverts: drawn twice, the line is gone.
  DrawWindowLine(rows ? TPoint{0, pos} : TPoint{pos, 0},
                 rows ? TPoint{DrawInfo.Horz.GridBoundary, pos} : TPoint{pos, DrawInfo.Vert.GridBoundary},
                 {psDot, pmXor, 1, clWhite});
}

void TDynSkinCustomGrid::DrawMove() {
  if (!HandleAllocated()) return;
  const bool rows = GridState() == gsRowMoving;
  // The header line without the old marker, and the line taken and the one it would go to.
  RepaintGridRect(rows ? ColumnRepaintRect(0) : RowRepaintRect(0));
  for (int32_t line : {MoveIndex(), MovePos()}) RepaintGridRect(rows ? RowRepaintRect(line) : ColumnRepaintRect(line));
  const TDropMarker marker = DropMarkerLine();
  DrawWindowLine(marker.From, marker.To, {psSolid, pmCopy, 3, FMarkerColor});
}

void TDynSkinCustomGrid::DrawWindowLine(TPoint From, TPoint To, const TLinePen& Look) {
  if (!HandleAllocated()) return;
  TPen* pen = Canvas()->Pen();
  TPen saved;
  saved.Assign(pen);
  TScopeExit restore([&] { pen->Assign(&saved); });
  pen->SetStyle(Look.Style);
  pen->SetMode(Look.Mode);
  pen->SetWidth(Look.Width);
  pen->SetColor(Look.Color);
  Canvas()->MoveTo(From.X, From.Y);
  Canvas()->LineTo(To.X, To.Y);
}
