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
  // The pixel just inside item Index's top-left corner as the list's own paint draws it.
  TColor ItemFill(int Index) {
    const TRect r = List->ListBox()->ItemRect(Index);
    return Painted(List->ListBox())->Pixel(r.Left + 1, r.Top + 1);
  }
  // Item 0 as the system asks for it with State (ODS_* flags): whether its top edge is
  // marked (a focus rectangle) against the fill, and the fill just inside.
  std::pair<bool, TColor> DrawnItem(UINT State) {
    TspListBox* list = List->ListBox();
    TPixelDC dc(list->Width(), list->Height());
    DRAWITEMSTRUCT item{ODT_LISTBOX, 0, 0, 0, State, list->Handle(), dc.DC(), ToRECT(list->ItemRect(0)), 0};
    list->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    const TColor fill = dc.Pixel(1, 1);
    return {dc.Pixel(0, 0) != fill || dc.Pixel(1, 0) != fill, fill};
  }
  TColor ButtonPixel(int Button, TPoint Offset = {2, 2}) {
    const TRect r = List->CaptionButtons().Button(Button).R;
    return Painted(List)->Pixel(r.Left + Offset.X, r.Top + Offset.Y);
  }
  void Mouse(UINT Msg, int Button) {
    const TRect r = List->CaptionButtons().Button(Button).R;
    List->Perform(Msg, Msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, PointToLParam({r.Left + 2, r.Top + 2}));
  }

  TSkinTestWindow Window;
  TspSkinListBox* List = nullptr;
};

TEST_F(SkinListBoxPaint, WithoutASkinItemsTakeTheSystemsWindowAndHighlightColours) {
  List->SetItemIndex(1);
  EXPECT_EQ(ItemFill(0), SysColor(clWindow));
  EXPECT_EQ(ItemFill(1), SysColor(clHighlight));
  EXPECT_EQ(Painted(List->ListBox())->Pixel(5, 3 * 20 + 5), SysColor(clWindow));  // below the last item
  EXPECT_EQ(Painted(List)->Pixel(0, 50), SysColor(clBtnShadow));
  EXPECT_EQ(Painted(List)->Pixel(1, 50), SysColor(clBtnFace));
  EXPECT_EQ(DrawnItem(ODS_SELECTED | ODS_FOCUS), std::make_pair(true, SysColor(clHighlight)));
  EXPECT_EQ(DrawnItem(0), std::make_pair(false, SysColor(clWindow)));
}

TEST_F(SkinListBoxPaint, TheSkinPaintersShowEachStatesItemPictureAtAnyHeightOrAtItsOwn) {
  List->SetUseSkinItemHeight(false);
  Window.Load("flatcolour");
  const TspDataSkinListBox& entry = Entry();
  EXPECT_EQ(List->ListBox()->ItemHeight(), 20);
  List->SetItemIndex(1);
  EXPECT_EQ(ItemFill(0), Colour(entry.ItemRect));
  EXPECT_EQ(ItemFill(1), Colour(entry.ActiveItemRect));
  EXPECT_EQ(DrawnItem(ODS_FOCUS).second, Colour(entry.FocusItemRect));
  EXPECT_EQ(Painted(List->ListBox())->Pixel(5, 3 * 20 + 5), Colour(PictureRect(entry.ClRect, entry.SkinRect)));
  // At the pictures' own height a focused item that is not selected is marked instead.
  List->SetUseSkinItemHeight(true);
  List->ChangeSkinData();
  EXPECT_EQ(List->ListBox()->ItemHeight(), entry.ItemRect.Height());
  EXPECT_EQ(ItemFill(1), Colour(entry.ActiveItemRect));
  EXPECT_EQ(DrawnItem(ODS_SELECTED | ODS_FOCUS), std::make_pair(false, Colour(entry.FocusItemRect)));
  EXPECT_EQ(DrawnItem(ODS_FOCUS), std::make_pair(true, Colour(entry.ItemRect)));
  // An application's drawing replaces the picture, in the item's own coordinates.
  TRect text;
  List->OnDrawItem = [&](TCanvas* Canvas, int, int Width, int Height, const TRect& TxtRect, TOwnerDrawState) {
    text = TxtRect;
    Canvas->Brush()->SetColor(RGBColor(200, 10, 10));
    Canvas->FillRect({0, 0, Width, Height});
  };
  EXPECT_EQ(ItemFill(1), RGBColor(200, 10, 10));
  EXPECT_EQ(text.Right, entry.ItemTextRect.Right + List->ListBox()->Width() - entry.ItemRect.Width());
}

TEST_F(SkinListBoxPaint, TheSparseSkinsMissingSelectedAndFocusedPicturesFallBackToThePlainOne) {
  Window.Load("sparse");
  List->SetItemIndex(0);
  EXPECT_EQ(ItemFill(0), Colour(Entry().ItemRect));
  EXPECT_EQ(DrawnItem(ODS_SELECTED | ODS_FOCUS).second, Colour(Entry().ItemRect));
}

TEST_F(SkinListBoxPaint, WithoutASkinTheCaptionButtonsShowTheDefaultLookOfTheirState) {
  List->SetCaptionMode(true);
  EXPECT_EQ(List->ListBox()->BoundsRect().Top, 21);  // below the caption band
  EXPECT_EQ(ButtonPixel(CaptionUpButton, {0, 0}), SysColor(clBtnFace));  // flat: no frame
  EXPECT_EQ(Painted(List)->Pixel(50, 19), SysColor(clBtnShadow));          // the band's line
  Mouse(WM_MOUSEMOVE, CaptionUpButton);
  EXPECT_EQ(ButtonPixel(CaptionUpButton, {0, 0}), RGBColor(0, 0, 128));
  EXPECT_EQ(ButtonPixel(CaptionUpButton), DefaultHotFill);
  EXPECT_EQ(ButtonPixel(CaptionDownButton), SysColor(clBtnFace));
  Mouse(WM_LBUTTONDOWN, CaptionUpButton);
  EXPECT_EQ(ButtonPixel(CaptionUpButton), DefaultDownFill);
  Mouse(WM_LBUTTONUP, CaptionUpButton);
}

TEST_F(SkinListBoxPaint, WithASkinTheCaptionButtonsCopyTheirStatesPicturesAndMoveWithTheWidth) {
  List->SetCaptionMode(true);
  List->SetSkinDataName("captionlistbox");
  for (const char* skin : {"flatcolour", "sparse"}) {
    Window.Load(skin);
    const TspDataSkinListBox& entry = Entry("captionlistbox");
    Painted(List);
    const int dw = List->Width() - entry.SkinRect.Width();
    EXPECT_EQ(List->CaptionButtons().Button(CaptionUpButton).R, OffsetRect(entry.UpButtonRect, dw, 0)) << skin;
    EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(PictureRect(entry.UpButtonRect, entry.SkinRect), "captionlistbox"))
        << skin;
    Mouse(WM_MOUSEMOVE, CaptionUpButton);
    EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(entry.ActiveUpButtonRect, "captionlistbox")) << skin;
    Mouse(WM_LBUTTONDOWN, CaptionUpButton);
    // The sparse skin has no pressed pictures: the hot one shows.
    const TRect pressed = IsRectEmpty(entry.DownUpButtonRect) ? entry.ActiveUpButtonRect : entry.DownUpButtonRect;
    EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(pressed, "captionlistbox")) << skin;
    Mouse(WM_LBUTTONUP, CaptionUpButton);
    List->Perform(CM_MOUSELEAVE, 0, 0);
  }
}

TEST_F(SkinListBoxPaint, LeavingTheListTakesTheHotLookFromTheStepButtonsButNotFromTheCheckButton) {
  List->SetCaptionMode(true);
  List->SetSkinDataName("captionlistbox");
  Window.Load("flatcolour");
  const TspDataSkinListBox& entry = Entry("captionlistbox");
  Painted(List);
  Mouse(WM_MOUSEMOVE, CaptionCheckButton);
  List->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ButtonPixel(CaptionCheckButton), Colour(entry.ActiveCheckButtonRect, "captionlistbox"));
  List->Perform(CM_MOUSEENTER, 0, 0);  // back: it goes with the next look at the pointer
  EXPECT_EQ(ButtonPixel(CaptionCheckButton),
            Colour(PictureRect(entry.CheckButtonRect, entry.SkinRect), "captionlistbox"));
  Mouse(WM_MOUSEMOVE, CaptionUpButton);
  List->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ButtonPixel(CaptionUpButton), Colour(PictureRect(entry.UpButtonRect, entry.SkinRect), "captionlistbox"));
}

// A list box a few thousand pixels each way whose client part is a one-pixel tile paints
// within the bounds, the tile's colour filling the list below its items.
TEST_F(SkinListBoxPaint, AOnePixelTileUnderALargeListPaintsWithinTheBounds) {
  const uint64_t rise = RunWithinDeadline("a list box of one-pixel tiles", [&] {
    Window.Load("flatcolour", [](TspSkinPayload& Skin) { CutToOnePixelTiles(Skin, "listbox"); });
    List->SetBoundsRect({0, 0, 3000, 2000});
    PumpFor(20);
    Painted(List);
    Painted(List->ListBox());
  });
  EXPECT_LT(rise, HostilePaintMemory);
  const TspDataSkinListBox& entry = Entry();
  TWinControl* list = List->ListBox();
  EXPECT_EQ(Painted(list)->Pixel(list->Width() - 1, list->Height() - 1), Colour(PictureRect(entry.ClRect, entry.SkinRect)));
}

}  // namespace
