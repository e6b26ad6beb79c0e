#include "SkinListBox.h"

#include "SkinAreaFill.h"

#include "skin/controls/SkinScrollBar.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRects.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/ImageList.h"

#include "base/DispatchScope.h"
#include "base/ScopeExit.h"

#include <algorithm>

namespace {

// A new bar's size until the list's layout places it.
constexpr TSize NewBarSize{20, 100};

TspScrollState NativeScrollState(HWND Window, int Bar) {
  TspScrollState state;
  GetScrollRange(Window, Bar, &state.Min, &state.Max);
  state.Position = GetScrollPos(Window, Bar);
  return state;
}

}  // namespace

TspSkinCustomListBox::TspSkinCustomListBox(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable});
  SetBounds(Left(), Top(), 120, 120);
  SetSkinDataName("listbox");
  SetDefaultSkinFont(*Font());
  Font()->SetColor(clWindowText);
  // The borders are painted straight onto the window; the inner list covers the rest.
  PaintBordersDirect = true;
  PaintClientPart = false;
  SetDefaultSkinFont(FDefaultCaptionFont);
  FDefaultCaptionFont.OnChange = Event(this, &TspSkinCustomListBox::CaptionFontChange);
  FListBox = new TspListBox(this);
  FListBox->SetListOwner(this);
  FListBox->SetStyle(lbOwnerDrawFixed);
  FListBox->SetItemHeight(FDefaultItemHeight);
  FListBox->SetParent(this);
  FListBox->SetVisible(true);
  UpdateLayout();
}

TspSkinCustomListBox::~TspSkinCustomListBox() {
  if (FListBox != nullptr) FListBox->SetListOwner(nullptr);
}

void TspSkinCustomListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FListBox) FListBox = nullptr;
}

// Properties

void TspSkinCustomListBox::SetTabWidths(TStrings* Value) {
  FTabWidths.Assign(Value);
  if (FTabWidths.Count() > 0) FListBox->Invalidate();
}

void TspSkinCustomListBox::SetHorizontalExtent(bool Value) {
  FHorizontalExtent = Value;
  UpdateScrollBars();
}

int32_t TspSkinCustomListBox::Columns() { return FListBox->Columns(); }

void TspSkinCustomListBox::SetColumns(int32_t Value) {
  // The bar of one column stands upright, the bar of several lies across: a new one.
  if ((Value >= 1) != (Columns() >= 1)) FreeVerticalBar();
  FListBox->SetColumns(Value);
  UpdateScrollBars();
}

void TspSkinCustomListBox::SetRowCount(int32_t Value) {
  FRowCount = Value;
  if (Value != 0) SetHeight(HeightForRows(Value));
  UpdateScrollBars();
}

void TspSkinCustomListBox::SetImages(TCustomImageList* Value) {
  SetReference(FImages, Value);
  FListBox->Repaint();
}

void TspSkinCustomListBox::SetImageIndex(int32_t Value) {
  FImageIndex = Value;
  FListBox->Repaint();
}

void TspSkinCustomListBox::SetGlyph(TBitmap* Value) {
  FGlyph.Assign(Value);
  Repaint();
}

void TspSkinCustomListBox::SetNumGlyphs(int32_t Value) {
  FNumGlyphs = Value;
  Repaint();
}

void TspSkinCustomListBox::SetSpacing(int32_t Value) {
  FSpacing = Value;
  Repaint();
}

void TspSkinCustomListBox::SetCaptionMode(bool Value) {
  FCaptionMode = Value;
  if (!Skinned()) UpdateLayout();
  Repaint();
}

void TspSkinCustomListBox::SetDefaultCaptionHeight(int32_t Value) {
  FDefaultCaptionHeight = Value;
  if (Skinned() || !FCaptionMode) return;
  UpdateLayout();
  Repaint();
}

void TspSkinCustomListBox::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  if (FCaptionMode) Repaint();
}

void TspSkinCustomListBox::CaptionFontChange(TObject*) {
  if (!Skinned() && FCaptionMode) Repaint();
}

void TspSkinCustomListBox::SetDefaultItemHeight(int32_t Value) {
  FDefaultItemHeight = Value;
  if (!(Skinned() && FUseSkinItemHeight)) FListBox->SetItemHeight(Value);
}

void TspSkinCustomListBox::SetSorted(bool Value) {
  FreeVerticalBar();
  FListBox->SetSorted(Value);
}

void TspSkinCustomListBox::SetTopIndex(int Value) {
  if (FListBox->TopIndex() != Value) FListBox->SetTopIndex(Value);
}

int32_t TspSkinCustomListBox::HeightForRows(int32_t Rows) {
  const TspRowsHeightRules rules{Skinned(), RectHeight(SkinRect) - RectHeight(ClRect), FCaptionMode,
                                 FDefaultCaptionHeight, FHScrollBar != nullptr ? FHScrollBar->Height() : 0};
  return ::HeightForRows(Rows, FListBox->ItemHeight(), rules);
}

// Hooks of the inner list

int TspSkinCustomListBox::GetItemTextWidth(int Index, TCanvas& Canvas) {
  return Canvas.TextWidth(Items()->Get(Index));
}

void TspSkinCustomListBox::ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseDown) OnListBoxMouseDown(this, Button, Shift, X, Y);
}

void TspSkinCustomListBox::ListBoxMouseMove(TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseMove) OnListBoxMouseMove(this, Shift, X, Y);
}

void TspSkinCustomListBox::ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseUp) OnListBoxMouseUp(this, Button, Shift, X, Y);
}

void TspSkinCustomListBox::ListBoxClick() {
  if (OnListBoxClick) OnListBoxClick(this);
}

void TspSkinCustomListBox::ListBoxDblClick() {
  if (OnListBoxDblClick) OnListBoxDblClick(this);
}

void TspSkinCustomListBox::ListBoxKeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnListBoxKeyDown) OnListBoxKeyDown(this, Key, Shift);
}

void TspSkinCustomListBox::ListBoxKeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnListBoxKeyUp) OnListBoxKeyUp(this, Key, Shift);
}

void TspSkinCustomListBox::ListBoxKeyPress(char& Key) {
  if (OnListBoxKeyPress) OnListBoxKeyPress(this, Key);
}

void TspSkinCustomListBox::ListBoxWProc(TMessage&, bool& Continue) { Continue = true; }

// Skin

void TspSkinCustomListBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  FSkin = TspDataSkinListBox("");
  if (!Skinned()) return;
  const auto* entry = dynamic_cast<const TspDataSkinListBox*>(SkinEntry());
  if (entry == nullptr) {
    FIndex = -1;  // an entry of another kind draws nothing of a list
    return;
  }
  FSkin = *entry;
  const auto fallBack = [](TRect& Look, const TRect& Other) {
    if (IsRectEmpty(Look)) Look = Other;
  };
  fallBack(FSkin.ActiveItemRect, FSkin.ItemRect);
  fallBack(FSkin.FocusItemRect, FSkin.ItemRect);
  fallBack(FSkin.DownUpButtonRect, FSkin.ActiveUpButtonRect);
  fallBack(FSkin.DownDownButtonRect, FSkin.ActiveDownButtonRect);
  fallBack(FSkin.DownCheckButtonRect, FSkin.ActiveCheckButtonRect);
}

void TspSkinCustomListBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  FSkinChanging = true;
  TScopeExit changed([this] { FSkinChanging = false; });
  ApplyItemHeight();
  if (FVScrollBar != nullptr) NameVerticalBar();
  if (FHScrollBar != nullptr) NameHorizontalBar();
  if (FRowCount != 0) SetHeight(HeightForRows(FRowCount));
  UpdateLayout();
  FSkinChanging = false;
  UpdateScrollBars();
  FListBox->Repaint();
}

void TspSkinCustomListBox::ApplyItemHeight() {
  if (!Skinned()) {
    FListBox->SetItemHeight(FDefaultItemHeight);
    FListBox->Font()->Assign(DefaultFont());
  } else if (FUseSkinItemHeight) {
    // A skin without an item picture's height keeps the default one.
    const int32_t height = RectHeight(FSkin.ItemRect);
    FListBox->SetItemHeight(height >= 1 ? height : FDefaultItemHeight);
  }
}

void TspSkinCustomListBox::DefaultFontChanged() {
  if (!Skinned()) Font()->Assign(DefaultFont());
}

void TspSkinCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TDispatchScope running(this);  // an OnResize may free the control: it stays whole
  TspSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Skinned()) Repaint();
}

void TspSkinCustomListBox::BoundsChanged(bool SizeChanged) {
  TspSkinCustomControl::BoundsChanged(SizeChanged);
  if (!SizeChanged || FListBox == nullptr) return;
  UpdateLayout();
  UpdateScrollBars();
  if (FVScrollBar != nullptr) FVScrollBar->Repaint();
}

void TspSkinCustomListBox::CreateParams(TCreateParams& Params) {
  TspSkinCustomControl::CreateParams(Params);
  Params.WindowClass.style &= ~static_cast<UINT>(CS_VREDRAW | CS_HREDRAW);
}

void TspSkinCustomListBox::AssignItemFont(TFont& Font, bool SkinFont, bool Charset) {
  Font.Assign(this->Font());
  if (SkinFont) {
    Font.SetName(FSkin.FontName);
    Font.SetStyle(FSkin.FontStyle);
    Font.SetHeight(FSkin.FontHeight);
  }
  if (!Charset) return;
  TspSkinData* data = SkinData();
  Font.SetCharset(data != nullptr && data->ResourceStrData() != nullptr ? data->ResourceStrData()->CharSet()
                                                                         : DefaultFont()->Charset());
}

void TspSkinCustomListBox::FillWithClientTiles(TCanvas& Canvas, const TRect& Area) {
  if (Area.Width() < 1 || Area.Height() < 1) return;
  TBitmap tiles(Area.Width(), Area.Height());
  const TRect whole{0, 0, Area.Width(), Area.Height()};
  // A tile without area (a broken skin) cannot fill anything: the plain colour does.
  if (!Skinned() || !FillAreaFromPicture(*tiles.Canvas(), Picture.Get(), PictureRect(ClRect, SkinRect),
                                         whole.Right, whole.Bottom, {}))
    FillAreaWithColor(*tiles.Canvas(), whole, clWindow);
  Canvas.Draw(Area.Left, Area.Top, &tiles);
}

// Layout and bars

TspListBoxFrame TspSkinCustomListBox::Frame() const {
  if (Skinned())
    return {true, SkinListRect(ClRect, SkinRect, Width(), Height()), Width(), Height(), 1, FListBox->Columns()};
  return {false, {}, Width(), Height(), FCaptionMode ? FDefaultCaptionHeight : 1, FListBox->Columns()};
}

void TspSkinCustomListBox::UpdateLayout() {
  if (FListBox == nullptr) return;
  TspListBoxBars bars;
  if (FVScrollBar != nullptr) bars.Vertical = TSize{FVScrollBar->Width(), FVScrollBar->Height()};
  if (FHScrollBar != nullptr) bars.Horizontal = TSize{FHScrollBar->Width(), FHScrollBar->Height()};
  const TspListBoxPlaces places = ListBoxPlaces(Frame(), bars);
  if (places.HorizontalBar) FHScrollBar->SetBoundsRect(*places.HorizontalBar);
  if (places.VerticalBar) FVScrollBar->SetBoundsRect(*places.VerticalBar);
  FListBox->SetBoundsRect(places.Inner);
}

void TspSkinCustomListBox::UpdateScrollBars() {
  if (FUpdatingBars || FListBox == nullptr || !FListBox->HandleAllocated() ||
      ComponentState().Contains(csDestroying))
    return;
  FUpdatingBars = true;
  TScopeExit done([this] { FUpdatingBars = false; });
  if (FListBox->Columns() >= 1) {
    UpdateColumnsBar();
    return;
  }
  UpdateHorizontalBar();
  UpdateVerticalBar();
}

void TspSkinCustomListBox::UpdateColumnsBar() {
  const std::optional<TspBarRange> range =
      ColumnsBarRange(NativeScrollState(FListBox->Handle(), SB_HORZ), FListBox->Columns(), FListBox->Count(),
                      FListBox->Height(), FListBox->ItemHeight());
  if (range)
    ShowVerticalBar(*range);
  else
    FreeVerticalBar();
}

void TspSkinCustomListBox::UpdateVerticalBar() {
  const std::optional<TspBarRange> range =
      RowsBarRange(NativeScrollState(FListBox->Handle(), SB_VERT), FRowCount, FListBox->Count(),
                   FListBox->Height(), FListBox->ItemHeight());
  if (!range) {
    FreeVerticalBar();
    return;
  }
  ShowVerticalBar(*range);
  FVScrollBar->SetLargeChange(range->PageSize);
}

void TspSkinCustomListBox::UpdateHorizontalBar() {
  if (!FHorizontalExtent || FSkinChanging) {
    FreeHorizontalBar();
    return;
  }
  TCanvas& canvas = *FListBox->Canvas();
  canvas.Font()->Assign(FListBox->Font());
  if (Skinned() && UseSkinFont()) {
    canvas.Font()->SetName(FSkin.FontName);
    canvas.Font()->SetStyle(FSkin.FontStyle);
    canvas.Font()->SetHeight(FSkin.FontHeight);
  }
  int32_t widest = 0;
  for (int i = 0; i < FListBox->Count(); ++i) widest = std::max(widest, GetItemTextWidth(i, canvas));
  const std::optional<int32_t> image = FImages != nullptr ? std::optional(FImages->Width()) : std::nullopt;
  const int32_t room = AvailableTextWidth(Skinned(), FListBox->Width(), FSkin.ItemTextRect, FSkin.ItemRect, image);
  const std::optional<TspBarRange> range =
      TextBarRange(widest, room, FHScrollBar != nullptr ? FHScrollBar->Position() : 0);
  if (!range) {
    FreeHorizontalBar();
    return;
  }
  ShowHorizontalBar(*range);
  const int32_t step = canvas.TextWidth("0");
  FHScrollBar->SetSmallChange(step);
  FHScrollBar->SetLargeChange(step);
}

void TspSkinCustomListBox::ShowVerticalBar(const TspBarRange& Range) {
  if (FVScrollBar == nullptr) {
    auto* bar = new TspSkinScrollBar(this);
    const bool upright = FListBox->Columns() < 1;
    bar->SetVisible(false);
    bar->SetKind(upright ? sbVertical : sbHorizontal);
    if (upright) {
      // Without an entry the bar takes its default size at each skin change.
      bar->SetDefaultHeight(0);
      bar->SetDefaultWidth(DefaultScrollBarThickness);
    }
    bar->SetBounds(bar->Left(), bar->Top(), NewBarSize.cx, NewBarSize.cy);
    bar->OnChange = Event(this, &TspSkinCustomListBox::VerticalBarChange);
    FVScrollBar = bar;
    NameVerticalBar();
    bar->SetParent(this);
    if (FHScrollBar != nullptr) NameHorizontalBar();
    UpdateLayout();
    bar->SetVisible(true);
    Repaint();
  }
  FVScrollBar->SetRange(Range.Min, Range.Max, Range.PageSize, Range.Position);
}

void TspSkinCustomListBox::ShowHorizontalBar(const TspBarRange& Range) {
  if (FHScrollBar == nullptr) {
    auto* bar = new TspSkinScrollBar(this);
    bar->SetVisible(false);
    bar->SetKind(sbHorizontal);
    bar->SetBounds(bar->Left(), bar->Top(), NewBarSize.cx, NewBarSize.cy);
    bar->OnChange = Event(this, &TspSkinCustomListBox::HorizontalBarChange);
    FHScrollBar = bar;
    NameHorizontalBar();
    bar->SetParent(this);
    bar->SetVisible(true);
    UpdateLayout();
    Repaint();
  }
  FHScrollBar->SetRange(Range.Min, Range.Max, Range.PageSize, Range.Position);
}

void TspSkinCustomListBox::NameVerticalBar() {
  std::string name;
  if (Skinned()) name = FListBox->Columns() < 1 ? FSkin.VScrollBarName : FSkin.HScrollBarName;
  FVScrollBar->SetSkinDataName(name);
  FVScrollBar->SetSkinData(SkinData());
}

void TspSkinCustomListBox::NameHorizontalBar() {
  // Beside a vertical bar it also covers the corner where the two meet.
  const bool corner = FVScrollBar != nullptr;
  FHScrollBar->SetBoth(corner);
  std::string name;
  if (Skinned())
    name = corner ? FSkin.BothHScrollBarName : FSkin.HScrollBarName;
  else if (corner)
    FHScrollBar->SetBothMarkerWidth(DefaultScrollBarThickness);
  FHScrollBar->SetBothSkinDataName(name);
  FHScrollBar->SetSkinDataName(name);
  FHScrollBar->SetSkinData(SkinData());
}

void TspSkinCustomListBox::FreeVerticalBar() {
  if (FVScrollBar == nullptr) return;
  TspSkinScrollBar* bar = FVScrollBar;
  FVScrollBar = nullptr;
  bar->Hide();
  bar->Free();
  if (FHScrollBar != nullptr) NameHorizontalBar();
  UpdateLayout();
}

void TspSkinCustomListBox::FreeHorizontalBar() {
  if (FHScrollBar == nullptr) return;
  FListBox->SetHorizontalOffset(0);
  TspSkinScrollBar* bar = FHScrollBar;
  FHScrollBar = nullptr;
  bar->Hide();
  bar->Free();
  UpdateLayout();
  FListBox->Repaint();
}

void TspSkinCustomListBox::VerticalBarChange(TObject* Sender) {
  const auto* bar = static_cast<TspSkinScrollBar*>(Sender);
  SendMessageA(FListBox->Handle(), FListBox->Columns() >= 1 ? WM_HSCROLL : WM_VSCROLL,
               MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(bar->Position())), 0);
}

void TspSkinCustomListBox::HorizontalBarChange(TObject* Sender) {
  FListBox->SetHorizontalOffset(static_cast<TspSkinScrollBar*>(Sender)->Position());
  FListBox->Repaint();
}
