// The skinned grid's window: its properties, its skin, the model's window side and the
// scroll bars.
#include "SkinGrid.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinData.h"

#include "classlib/Canvas.h"
#include "classlib/DeviceContexts.h"

TDynSkinCustomGrid::TDynSkinCustomGrid(TComponent* AOwner)
    : TspSkinControl(AOwner), TGridModel(static_cast<TGridWindow&>(*this)), FScrollBars(*this, *this) {
  // The grid fires its clicks itself (a click selects on release, a double press only
  // fires OnDblClick), and covers its whole client area.
  SetControlStyle((ControlStyle() - TControlStyle{csClickEvents}) + TControlStyle{csOpaque});
  SetSkinDataName("grid");
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(Left(), Top(), ColCount() * DefaultColWidth(), RowCount() * DefaultRowHeight());
}

HWND TDynSkinCustomGrid::GridWindow() const {
  // Handle() only makes a window that does not exist yet.
  return HandleAllocated() ? const_cast<TDynSkinCustomGrid*>(this)->Handle() : nullptr;
}

void TDynSkinCustomGrid::CreateParams(TCreateParams& Params) {
  TspSkinControl::CreateParams(Params);
  // Drawing the cells at once leaves the editor's window alone.
  Params.Style = (Params.Style | WS_TABSTOP | WS_CLIPCHILDREN) & ~(WS_HSCROLL | WS_VSCROLL);
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TDynSkinCustomGrid::SetFocusedColor(TColor Value) {
  if (Value == FFocusedColor) return;
  FFocusedColor = Value;
  FCellImages.Clear();  // highlighted images carry the frame
  Invalidate();
}

namespace {

// Whether all of Area shows through DC: then one copy moves its pixels as ScrollDC
// would, without ScrollDC working out which parts show.
bool ShowsWhole(HDC DC, const TRect& Area) {
  RECT box{};
  return GetClipBox(DC, &box) == SIMPLEREGION && IntersectRect(FromRECT(box), Area) == Area;
}

// Moves Area's pixels on DC; what the move uncovered.
TRect CopyWithin(HDC DC, const TGridScrollArea& Area) {
  const TScrollCopy copy = ScrollCopy(Area);
  const TRect& to = copy.Target;
  if (!IsRectEmpty(to))
    BitBlt(DC, to.Left, to.Top, to.Width(), to.Height(), DC, copy.Source.X, copy.Source.Y, SRCCOPY);
  return copy.Uncovered;
}

}  // namespace

// --- Skin

void TDynSkinCustomGrid::GetSkinData() {
  TspSkinControl::GetSkinData();
  TspSkinData* data = SkinData();
  const TSkinSource source{data, data != nullptr ? data->SkinGeneration() : 0, FIndex};
  if (source == FSkinSource) return;
  FSkinSource = source;
  FCellImages.Clear();
  const auto* entry = dynamic_cast<const TspDataSkinGridControl*>(SkinEntry());
  FSkin = entry != nullptr ? TGridSkin(data, *entry) : TGridSkin();
  FCursorIndex = entry != nullptr ? entry->CursorIndex : -1;
  if (entry != nullptr) FMarkerColor = entry->FontColor;
}

void TDynSkinCustomGrid::PrepareSkinDataChange() {
  TspSkinControl::PrepareSkinDataChange();
  FSkin = TGridSkin();
  FSkinSource = {};
  FCellImages.Clear();
}

void TDynSkinCustomGrid::ChangeSkinData() {
  GetSkinData();
  SetCursor(TspSkinData::ScreenCursorOf(FCursorIndex));
  if (FSkin.Skinned() && FUseSkinCellHeight)
    SetDefaultRowHeight(FSkin.CellRect(TGridCellKind::Normal).Height());
  else
    Invalidate();
}

TRect TDynSkinCustomGrid::CellTextRect(const TRect& ARect, TGridDrawState AState) const {
  if (!FSkin.Skinned()) return ARect;
  const TGridCellKind kind = GridCellKind(AState);
  return GridTextRect(ARect, FSkin.CellRect(kind), FSkin.TextRect(kind), FSkin.Cells().Fixed.Height(),
                      !FUseSkinCellHeight);
}

// --- Components and stored properties

void TDynSkinCustomGrid::SetHScrollBar(TspSkinScrollBar* Value) {
  FScrollBars.Bind(gbHorizontal, Value);
  UpdateScrollRange();
}

void TDynSkinCustomGrid::SetVScrollBar(TspSkinScrollBar* Value) {
  FScrollBars.Bind(gbVertical, Value);
  UpdateScrollRange();
}

void TDynSkinCustomGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove) FScrollBars.Forget(AComponent);
}

void TDynSkinCustomGrid::DefineProperties(TFiler& Filer) {
  TspSkinControl::DefineProperties(Filer);
  DefineCellExtents(Filer);
}

// --- The model's window

TSize TDynSkinCustomGrid::GridClientSize() const {
  const TRect client = ClientArea();
  return {client.Width(), client.Height()};
}

TRect TDynSkinCustomGrid::ClientArea() const {
  RECT r{0, 0, Width(), Height()};
  if (HWND window = GridWindow()) GetClientRect(window, &r);
  return FromRECT(r);
}

void TDynSkinCustomGrid::Invalidate() {
  TspSkinControl::Invalidate();
  FPaintDue = HandleAllocated();
}

bool TDynSkinCustomGrid::GridShowing() const {
  HWND window = GridWindow();
  return window != nullptr && IsWindowVisible(window);
}

void TDynSkinCustomGrid::ScrollGridArea(const TGridScrollArea& Area) {
  HWND window = GridWindow();
  if (window == nullptr) return;
  const RECT area = ToRECT(Area.Area);
  // The strip the move uncovers is drawn at once when the window shows, else left to
  // the next paint.
  if (!IsWindowVisible(window) || InPaint()) {
    ScrollWindowEx(window, Area.DX, Area.DY, &area, &area, nullptr, nullptr,
                   SW_INVALIDATE | (FDefaultDrawing ? 0 : SW_ERASE));
    return;
  }
  // The pixels move on the DC the strip is then drawn with. A region that awaits a paint
  // must move along with them, which only the window's own scroll does.
  RECT uncovered{};
  const TWindowDC dc(window);
  if (AwaitsPaint(window))
    ScrollWindowEx(window, Area.DX, Area.DY, &area, &area, nullptr, &uncovered, 0);
  else if (ShowsWhole(dc.DC(), Area.Area))
    uncovered = ToRECT(CopyWithin(dc.DC(), Area));
  else
    ScrollDC(dc.DC(), Area.DX, Area.DY, &area, &area, nullptr, &uncovered);
  PaintArea(dc.DC(), FromRECT(uncovered));
}

void TDynSkinCustomGrid::FocusGridForScroll() {
  if (Visible() && TabStop() && CanFocus() && !FFocused) SetFocus();
}

int32_t TDynSkinCustomGrid::LineScrollStep() const {
  return const_cast<TDynSkinCustomGrid*>(this)->Canvas()->TextWidth("0");
}

void TDynSkinCustomGrid::ScrollBarsUpdated() {
  if (!FScrollBars.ApplyVisibility() || Align() == alNone) return;
  // A bar that came or went beside an aligned grid takes or gives its room.
  if (Parent() != nullptr) Parent()->Realign();
  Invalidate();
}

void TDynSkinCustomGrid::SelectionChanged() {
  if (OnSelectionChange) OnSelectionChange(this);
}
