// The skinned grid's painting: the background, every cell from the skin picture of its
// draw state (or in the grid's colours without a skin), the empty area, the cells drawn
// at once outside a paint, the sizing line and the drop marker.
#include "SkinGrid.h"


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

void FillArea(TCanvas& Canvas, const TRect& Area, TColor Color) {
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(Color);
  Canvas.FillRect(Area);
}

}  // namespace

void TDynSkinCustomGrid::Paint() {
  if (GridLoading()) return;
  GetSkinData();
  RECT box{};
  HDC target = Canvas()->Handle();
  if (GetClipBox(target, &box) == ERROR) return;
  const TRect clip = Intersection(FromRECT(box), ClientArea());
  if (IsRectEmpty(clip)) return;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  DrawOffScreen(target, clip, [&] {
    DrawBackground(clip);
    DrawGridRect({0, 0, drawInfo.Horz.LastFullVisibleCell + 1, drawInfo.Vert.LastFullVisibleCell + 1}, drawInfo, clip);
    FillEmptyAreas(drawInfo, clip);
  });
}

void TDynSkinCustomGrid::RepaintGridRect(const TGridRect& Rect) {
  if (!HandleAllocated() || InPaint()) return;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const TRect area = GridRectToScreenRect(Rect, drawInfo, true, GridRightToLeft());
  if (IsRectEmpty(area)) return;  // nothing of it is on screen
  GetSkinData();
  const TRect clip = Intersection(area, ClientArea());
  const TWindowDC window(Handle());
  DrawOffScreen(window.DC(), clip, [&] {
    DrawBackground(clip);
    DrawGridRect(Rect, drawInfo, clip);
  });
}

void TDynSkinCustomGrid::DrawOffScreen(HDC Target, const TRect& Area, const TDelegate<void()>& Draw) {
  const TRect client = ClientArea();
  FImage.SetSize(client.Width(), client.Height());
  HDC image = FImage.Canvas()->Handle();
  TCanvas& canvas = *Canvas();
  // In a paint the canvas goes back to the paint's DC; otherwise it lets its DC go and
  // takes one again when it next draws.
  HDC previous = InPaint() ? Target : nullptr;
  canvas.Lock();
  canvas.SetHandle(image);
  {
    TScopeExit back([&] {
      canvas.SetHandle(previous);
      canvas.Unlock();
    });
    Draw();
  }
  if (AlphaBlend())
    DrawControlImage(FImage);
  else
    BitBlt(Target, Area.Left, Area.Top, Area.Width(), Area.Height(), image, Area.Left, Area.Top, SRCCOPY);
}

void TDynSkinCustomGrid::DrawBackground(const TRect& Area) {
  TCanvas& canvas = *Canvas();
  if (FTransparent) {
    DrawParentBackground(this, &canvas);
    return;
  }
  TBitmap* picture = FSkin.Skinned() ? FSkin.Background() : nullptr;
  if (picture == nullptr) return FillArea(canvas, Area, FGridLineColor);
  // Tiles from the client's corner, only those that reach into Area.
  const int32_t w = picture->Width(), h = picture->Height();
  HDC source = picture->Canvas()->Handle();
  HDC dc = canvas.Handle();
  for (int32_t y = Area.Top / h * h; y < Area.Bottom; y += h)
    for (int32_t x = Area.Left / w * w; x < Area.Right; x += w) BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
}

void TDynSkinCustomGrid::FillEmptyAreas(const TGridDrawInfo& DrawInfo, const TRect& Clip) {
  if (FTransparent || (FSkin.Skinned() && FSkin.Background() != nullptr)) return;
  const TColor color = FSkin.Skinned() ? FSkin.BGColor() : Color();
  for (const TRect& area : EmptyGridAreas(DrawInfo)) {
    const TRect part = Intersection(area, Clip);
    if (!IsRectEmpty(part)) FillArea(*Canvas(), part, color);
  }
}

void TDynSkinCustomGrid::DrawGridRect(const TGridRect& Rect, const TGridDrawInfo& DrawInfo, const TRect& Clip) {
  for (const TGridPart& part : SplitGridRect(Rect, FixedCols(), FixedRows(), TopLeft()))
    DrawPart(part, DrawInfo, Clip);
}

void TDynSkinCustomGrid::DrawPart(const TGridPart& Part, const TGridDrawInfo& DrawInfo, const TRect& Clip) {
  const std::vector<TGridCellPlace> cells = PlaceGridCells(Part.Cells, DrawInfo);
  if (cells.empty()) return;
  SelectPartFont(Part.Fixed);
  TCellLook look;
  look.GridFocused = Focused();
  look.FocusOnCell = FocusOnCell();
  look.FocusOnRow = FocusOnRow();
  const TGridCoord current = CurrentCell();
  const bool rightToLeft = GridRightToLeft();
  // A single column scrolls by pixels.
  const int32_t shift = ColCount() == 1 ? -ColOffset() : 0;
  for (const TGridCellPlace& cell : cells) {
    TRect rect = OffsetRect(cell.Rect, shift, 0);
    if (rightToLeft) rect = MirrorRect(rect, DrawInfo.Horz.GridExtent);
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
    DrawCell(cell.Col, cell.Row, rect, state);
  }
}

void TDynSkinCustomGrid::SelectPartFont(bool Fixed) {
  TFont* font = Canvas()->Font();
  if (!FSkin.Skinned() || !FUseSkinFont) return font->Assign(Font());
  const TGridFontLook& look = Fixed ? FSkin.FixedFont() : FSkin.CellFont();
  TFont skinFont;
  skinFont.SetName(look.Name);
  skinFont.SetHeight(look.Height);
  skinFont.SetStyle(look.Style);
  skinFont.SetCharset(Font()->Charset());
  skinFont.SetColor(font->Color());
  font->Assign(&skinFont);
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
  const TGridCellKind kind = GridCellKind(State);
  const bool highlighted = State.Contains(gdHighlighted);
  if (FSkin.Skinned()) {
    const int32_t height = FUseSkinCellHeight ? FSkin.CellRect(kind).Height() : Rect.Height();
    if (TBitmap* image = FCellImages.Image(FSkin, kind, highlighted, FFocusedColor, Rect.Width(), height)) {
      BitBlt(canvas.Handle(), Rect.Left, Rect.Top, Rect.Width(), std::min(height, Rect.Height()),
             image->Canvas()->Handle(), 0, 0, SRCCOPY);
      return;
    }
  }
  // Without a skin picture: the grid's colours.
  FillArea(canvas, Rect, kind == TGridCellKind::Fixed ? FFixedColor : kind == TGridCellKind::Selected ? clHighlight : Color());
  if (!highlighted) return;
  canvas.Brush()->SetColor(FFocusedColor);
  canvas.FrameRect(Rect);
}

void TDynSkinCustomGrid::DrawSizingLine(const TGridDrawInfo& DrawInfo) {
  if (!HandleAllocated()) return;
  TPen* pen = Canvas()->Pen();
  TPen saved;
  saved.Assign(pen);
  TScopeExit restore([&] { pen->Assign(&saved); });
  pen->SetStyle(psDot);
  pen->SetMode(pmXor);
  pen->SetWidth(1);
  pen->SetColor(clWhite);  // XOR with white inverts: drawn twice, the line is gone
  const int32_t pos = Sizing().SizingPos;
  if (GridState() == gsRowSizing) {
    Canvas()->MoveTo(0, pos);
    Canvas()->LineTo(DrawInfo.Horz.GridBoundary, pos);
  } else {
    Canvas()->MoveTo(pos, 0);
    Canvas()->LineTo(pos, DrawInfo.Vert.GridBoundary);
  }
}

void TDynSkinCustomGrid::DrawMove() {
  if (!HandleAllocated()) return;
  const bool rows = GridState() == gsRowMoving;
  // The header line without the old marker, and the line taken and the one it would go to.
  RepaintGridRect(rows ? ColumnRepaintRect(0) : RowRepaintRect(0));
  for (int32_t line : {MoveIndex(), MovePos()}) RepaintGridRect(rows ? RowRepaintRect(line) : ColumnRepaintRect(line));
  TPen* pen = Canvas()->Pen();
  TPen saved;
  saved.Assign(pen);
  TScopeExit restore([&] { pen->Assign(&saved); });
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  pen->SetWidth(3);
  pen->SetColor(FMarkerColor);
  const TDropMarker marker = DropMarkerLine();
  Canvas()->MoveTo(marker.From.X, marker.From.Y);
  Canvas()->LineTo(marker.To.X, marker.To.Y);
}
