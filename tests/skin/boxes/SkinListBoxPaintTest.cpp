// The skinned list box's pixels: items normal, selected and focused by each of the three
// painters (also as the system asks for one item), the rest below the last item, the
// frame and the caption buttons in each state, with the flat-colour skin, the sparse
// skin's fall-backs, and without a skin in the system's colours.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinListBox.h"
#include "skin/controls/portable/SkinPartLook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const TColor Navy = RGBColor(0, 0, 128);

class SkinListBoxPaint : public ::testing::Test {
 protected:
  SkinListBoxPaint() {
    List = Window.Add<TspSkinListBox>({10, 10, 130, 110});
    for (int i = 0; i < 3; ++i) List->Items()->Add("Item " + std::to_string(i));
    List->SetListBoxTabStop(false);  // the focused look is asked for explicitly
    List->SetSkinData(Window.Data());
    Window.Show();
  }
  const TspDataSkinListBox& Entry(const char* Name = "listbox") {
    TspSkinData& data = *Window.Data();
    return dynamic_cast<const TspDataSkinListBox&>(*data.CtrlList.at(data.GetControlIndex(Name)));
  }
  TColor Colour(const TRect& R, const char* Name = "listbox") { return EntryColour(*Window.Data(), Name, R); }
  // Item Index as the list's own paint draws it: the pixel just inside its top-left corner.
  TColor ItemFill(int Index) {
    const TRect r = List->ListBox()->ItemRect(Index);
    return Painted(List->ListBox())->Pixel(r.Left + 1, r.Top + 1);
  }
  // Item 0 as the system asks for it with State (ODS_* flags): whether its top edge is
  // marked (a focus rectangle) against the fill, and the fill just inside.
  std::pair<bool, TColor> DrawnItem(UINT State) {
    TspListBox* list = List->ListBox();
    TPixelDC dc(list->Width(), list->Height());
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.itemID = 0;
    item.itemState = State;
    item.hwndItem = list->Handle();
    item.hDC = dc.DC();
    item.rcItem = ToRECT(list->ItemRect(0));
    list->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    const TColor fill = dc.Pixel(1, 1);
    return {dc.Pixel(0, 0) != fill || dc.Pixel(1, 0) != fill, fill};
  }
  void Hover(TPoint At) { List->Perform(WM_MOUSEMOVE, 0, PointToLParam(At)); }
  static TPoint Inside(const TRect& R) { return {R.Left + 2, R.Top + 2}; }
  TColor ButtonPixel(int Button, TPoint Offset = {2, 2}) {
    const TRect r = List->CaptionButtons().Button(Button).R;
    return Painted(List)->Pixel(r.Left + Offset.X, r.Top + Offset.Y);
  }

  TSkinTestWindow Window;
  TspSkinListBox* List = nullptr;
};

TEST_F(SkinListBoxPaint, WithoutASkinItemsTakeTheSystemsWindowAndHighlightColours) {
  List->SetItemIndex(1);
  EXPECT_EQ(ItemFill(0), SysColor(clWindow));
  EXPECT_EQ(ItemFill(1), SysColor(clHighlight));
  // Below the last item the window colour; the frame a shadow line round the face.
  const TRect last = List->ListBox()->ItemRect(2);
  EXPECT_EQ(Painted(List->ListBox())->Pixel(5, last.Bottom + 5), SysColor(clWindow));
  EXPECT_EQ(Painted(List)->Pixel(0, 50), SysColor(clBtnShadow));
  EXPECT_EQ(Painted(List)->Pixel(1, 50), SysColor(clBtnFace));
  // Focused: the focus rectangle marks the corner, the fill stays.
  const auto [marked, fill] = DrawnItem(ODS_SELECTED | ODS_FOCUS);
  EXPECT_EQ(fill, SysColor(clHighlight));
  EXPECT_TRUE(marked);
  EXPECT_EQ(DrawnItem(0), std::make_pair(false, SysColor(clWindow)));
}

TEST_F(SkinListBoxPaint, TheSkinPainterFitsEachStatesItemPictureToTheDefaultItemHeight) {
  List->SetUseSkinItemHeight(false);
  Window.Load("flatcolour");
  EXPECT_EQ(List->ListBox()->ItemHeight(), 20);
  List->SetItemIndex(1);
  EXPECT_EQ(ItemFill(0), Colour(Entry().ItemRect));
  EXPECT_EQ(ItemFill(1), Colour(Entry().ActiveItemRect));
  EXPECT_EQ(DrawnItem(ODS_SELECTED | ODS_FOCUS).second, Colour(Entry().FocusItemRect));
  EXPECT_EQ(DrawnItem(ODS_FOCUS).second, Colour(Entry().FocusItemRect));
  EXPECT_EQ(DrawnItem(ODS_SELECTED).second, Colour(Entry().ActiveItemRect));
  // The rest is tiled with the entry's client picture.
  const TRect client = PictureRect(Entry().ClRect, Entry().SkinRect);
  EXPECT_EQ(Painted(List->ListBox())->Pixel(5, 3 * 20 + 5), Colour(client));
}

TEST_F(SkinListBoxPaint, TheSkinHeightPainterShowsEachPictureAndMarksAFocusedPlainItem) {
  Window.Load("flatcolour");
  EXPECT_EQ(List->ListBox()->ItemHeight(), Entry().ItemRect.Height());
  List->SetItemIndex(2);
  EXPECT_EQ(ItemFill(0), Colour(Entry().ItemRect));
  EXPECT_EQ(ItemFill(2), Colour(Entry().ActiveItemRect));
  EXPECT_EQ(DrawnItem(ODS_SELECTED | ODS_FOCUS).second, Colour(Entry().FocusItemRect));
  EXPECT_EQ(DrawnItem(ODS_FOCUS), std::make_pair(true, Colour(Entry().ItemRect)));  // focused, not selected
  EXPECT_EQ(DrawnItem(0), std::make_pair(false, Colour(Entry().ItemRect)));
  EXPECT_FALSE(DrawnItem(ODS_SELECTED | ODS_FOCUS).first);  // the skin shows no focus
}

TEST_F(SkinListBoxPaint, TheSparseSkinsMissingSelectedAndFocusedPicturesFallBackToThePlainOne) {
  Window.Load("sparse");
  List->SetItemIndex(0);
  EXPECT_EQ(ItemFill(0), Colour(Entry().ItemRect));
  EXPECT_EQ(DrawnItem(ODS_SELECTED | ODS_FOCUS).second, Colour(Entry().ItemRect));
  EXPECT_EQ(List->VScrollBar(), nullptr);
}

TEST_F(SkinListBoxPaint, AnApplicationDrawnItemGetsItsOwnCanvasSizeAndTextRectangle) {
  Window.Load("flatcolour");
  struct TCall {
    int Index;
    TSize Size;
    TRect Text;
    TOwnerDrawState State;
  };
  std::vector<TCall> calls;
  List->OnDrawItem = [&](TCanvas* Canvas, int Index, int Width, int Height, const TRect& Text, TOwnerDrawState State) {
    calls.push_back({Index, {Width, Height}, Text, State});
    Canvas->Brush()->SetColor(RGBColor(200, 10, 10));
    Canvas->FillRect({0, 0, Width, Height});
  };
  List->SetItemIndex(1);
  calls.clear();
  EXPECT_EQ(ItemFill(1), RGBColor(200, 10, 10));
  ASSERT_EQ(calls.size(), 3u);
  const TCall& selected = calls[1];
  EXPECT_EQ(selected.Index, 1);
  EXPECT_EQ(selected.Size, (TSize{List->ListBox()->Width(), Entry().ItemRect.Height()}));
  // The entry's text rectangle, widened with the item.
  EXPECT_EQ(selected.Text.Right, Entry().ItemTextRect.Right + List->ListBox()->Width() - Entry().ItemRect.Width());
  EXPECT_TRUE(selected.State.Contains(odSelected));
}

TEST_F(SkinListBoxPaint, WithoutASkinTheCaptionButtonsShowTheDefaultLookOfTheirState) {
  List->SetCaptionMode(true);
  EXPECT_EQ(List->ListBox()->BoundsRect().Top, 21);  // below the caption band
  const TRect up = List->CaptionButtons().Button(CaptionUpButton).R;
  EXPECT_EQ(up, (TRect{101, 2, 118, 18}));
  EXPECT_EQ(ButtonPixel(CaptionUpButton, {0, 0}), SysColor(clBtnFace));  // flat: no frame
  EXPECT_EQ(Painted(List)->Pixel(50, 19), SysColor(clBtnShadow));          // the band's line
  Hover(Inside(up));
  EXPECT_EQ(ButtonPixel(CaptionUpButton, {0, 0}), Navy);
  EXPECT_EQ(ButtonPixel(CaptionUpButton), DefaultHotFill);
  EXPECT_EQ(ButtonPixel(CaptionDownButton), SysColor(clBtnFace));
  List->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(Inside(up)));
  EXPECT_EQ(ButtonPixel(CaptionUpButton), DefaultDownFill);
  List->Perform(WM_LBUTTONUP, 0, PointToLParam(Inside(up)));
  EXPECT_EQ(ButtonPixel(CaptionUpButton), DefaultHotFill);
  List->SetDefaultCaptionHeight(10);
  Painted(List);
  EXPECT_EQ(List->CaptionButtons().Button(CaptionCheckButton).R.Width(), 7);
}

TEST_F(SkinListBoxPaint, WithASkinTheCaptionButtonsCopyTheirStatesPicturesAndMoveWithTheWidth) {
  List->SetCaptionMode(true);
  List->SetSkinDataName("captionlistbox");
  Window.Load("flatcolour");
  const TspDataSkinListBox& entry = Entry("captionlistbox");
  const int dw = List->Width() - entry.SkinRect.Width();
  Painted(List);
  EXPECT_EQ(List->CaptionButtons().Button(CaptionUpButton).R, OffsetRect(entry.UpButtonRect, dw, 0));
  const TRect up = List->CaptionButtons().Button(CaptionUpButton).R;
  EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(PictureRect(entry.UpButtonRect, entry.SkinRect), "captionlistbox"));
  Hover(Inside(up));
  EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(entry.ActiveUpButtonRect, "captionlistbox"));
  List->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(Inside(up)));
  EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(entry.DownUpButtonRect, "captionlistbox"));
  List->Perform(WM_LBUTTONUP, 0, PointToLParam(Inside(up)));
  // The sparse skin has no pressed pictures: the hot one shows.
  Window.Load("sparse");
  const TspDataSkinListBox& sparse = Entry("captionlistbox");
  Painted(List);
  List->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(Inside(up)));
  EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(sparse.ActiveUpButtonRect, "captionlistbox"));
  List->Perform(WM_LBUTTONUP, 0, PointToLParam(Inside(up)));
}

}  // namespace
