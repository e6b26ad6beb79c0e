// The skinned page control's pixels in each tab position: with the flat-colour skin every
// tab, the strip, the frame and the close buttons show their own rectangle's colour at
// their flipped or turned places, and the active tab covers the frame; the sparse skin's
// fall-backs; the plain look without a skin.
#include "OutOfTheWay.h"

#include "skin/boxes/SkinPageControl.h"
#include "skin/boxes/SkinTabSheet.h"
#include "skin/data/SkinViewData.h"

#include "classlib/ImageList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const TColor Navy = RGBColor(0, 0, 128);
constexpr TTabPosition Positions[] = {tpTop, tpBottom, tpLeft, tpRight};

class PageControlPaint : public ::testing::TestWithParam<TTabPosition> {
 protected:
  PageControlPaint() {
    MoveOutOfTheWay(Window);
    Control = Window.Add<TspSkinPageControl>({10, 10, 330, 270});
    for (int i = 0; i < 3; ++i) {
      auto* sheet = new TspSkinTabSheet(Window.Form());
      sheet->SetPageControl(Control);
      sheet->SetCaption("Page " + std::to_string(i + 1));
    }
    Control->SetTabPosition(GetParam());
    Control->SetTabStop(false);  // the focused look is another test's (it needs the focus)
    Control->SetSkinData(Window.Data());
    Window.Show();
  }
  // A point of tab Index clear of its caption and close button: near its outer edge, at
  // its start, which the turns put at the bottom of left tabs and at the top of right ones.
  TPoint InTab(int Index) {
    const TRect r = Control->GetTabRect(Index);
    switch (GetParam()) {
      case tpTop: return {r.Left + 3, r.Top + 2};
      case tpBottom: return {r.Left + 3, r.Bottom - 3};
      case tpLeft: return {r.Left + 2, r.Bottom - 4};
      case tpRight: return {r.Right - 3, r.Top + 3};
    }
    return r.TopLeft();
  }
  // The frame's line where tab Index meets it.
  TPoint OnFrameBy(int Index) {
    const TRect f = Frame(), r = Control->GetTabRect(Index);
    const TPoint p = InTab(Index);
    switch (GetParam()) {
      case tpTop: return {p.X, f.Top};
      case tpBottom: return {p.X, f.Bottom - 1};
      case tpLeft: return {f.Left, p.Y};
      case tpRight: return {f.Right - 1, p.Y};
    }
    return {r.Left, r.Top};
  }
  // The frame's line on the side away from the tabs, and a point of the strip past them.
  TPoint FarFrame() {
    const TRect f = Frame();
    switch (GetParam()) {
      case tpTop: return {f.Left + f.Width() / 2, f.Bottom - 1};
      case tpBottom: return {f.Left + f.Width() / 2, f.Top};
      case tpLeft: return {f.Right - 1, f.Top + f.Height() / 2};
      case tpRight: return {f.Left, f.Top + f.Height() / 2};
    }
    return {};
  }
  TPoint PastTheTabs() const {
    const int w = Control->Width(), h = Control->Height();
    switch (GetParam()) {
      case tpTop: return {w - 5, 3};
      case tpBottom: return {w - 5, h - 4};
      case tpLeft: return {3, h - 5};
      case tpRight: return {w - 4, h - 5};
    }
    return {};
  }
  // The skinned frame: one pixel around the display rectangle in the test skins.
  TRect Frame() { return InflateRect(Control->DisplayRect(), 1, 1); }
  TColor At(TPoint P) { return Painted(Control)->Pixel(P.X, P.Y); }
  const TspDataSkinTabControl& Tab() const {
    const TspSkinData& data = *Window.Data();
    return dynamic_cast<const TspDataSkinTabControl&>(*data.CtrlList.at(data.GetControlIndex("tab")));
  }
  TColor Colour(const TRect& R) const { return EntryColour(*Window.Data(), "tab", R); }
  // The middle of page Index's close button on the screen, as last drawn.
  TPoint CloseButton(int Index) {
    Painted(Control);
    const TRect tab = Control->GetTabRect(Index);
    const TRect r = dynamic_cast<TspSkinCustomTabSheet*>(Control->Pages(Index))->CloseButton().Rect;
    return {tab.Left + (r.Left + r.Right) / 2, tab.Top + (r.Top + r.Bottom) / 2};
  }
  void MoveTo(TPoint P) { Control->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(P.X, P.Y)); }

  TSkinTestWindow Window{400, 300};
  TspSkinPageControl* Control;
};

TEST_P(PageControlPaint, EachPartShowsItsSkinRectangleAndTheActiveTabCoversTheFrame) {
  Window.Load("flatcolour");
  const TspDataSkinTabControl& tab = Tab();
  const TColor body = Colour(tab.SkinRect);
  EXPECT_EQ(At(InTab(1)), Colour(tab.TabRect));
  EXPECT_EQ(At(InTab(0)), Colour(tab.ActiveTabRect));
  EXPECT_EQ(At(OnFrameBy(0)), Colour(tab.ActiveTabRect));  // the taller active tab reaches over it
  EXPECT_EQ(At(OnFrameBy(1)), body);
  EXPECT_EQ(At(FarFrame()), body);
  EXPECT_EQ(At(PastTheTabs()), Colour(tab.TabsBGRect));
  const TRect d = Control->DisplayRect();
  EXPECT_EQ(Control->Pages(0)->BoundsRect(), d);  // the sheets lie inside the skinned frame
  EXPECT_EQ(At({d.Left + d.Width() / 2, d.Top + d.Height() / 2}), body);
  MoveTo(InTab(2));
  EXPECT_EQ(At(InTab(2)), Colour(tab.MouseInTabRect));
  EXPECT_EQ(At(InTab(1)), Colour(tab.TabRect));
  MoveTo(InTab(0));  // the active tab has no hot look
  EXPECT_EQ(At(InTab(0)), Colour(tab.ActiveTabRect));
}

TEST_P(PageControlPaint, CloseButtonsShowTheirStatesAtTheirTurnedPlaces) {
  Window.Load("flatcolour");
  Control->SetShowCloseButtons(true);
  const TspDataSkinTabControl& tab = Tab();
  const TPoint button = CloseButton(1);
  const TRect tabRect = Control->GetTabRect(1);
  EXPECT_TRUE(PtInRect(tabRect, button));
  if (GetParam() == tpLeft) {
    EXPECT_LT(button.Y, (tabRect.Top + tabRect.Bottom) / 2);  // at the top
  } else if (GetParam() == tpRight) {
    EXPECT_GT(button.Y, (tabRect.Top + tabRect.Bottom) / 2);
  }
  EXPECT_EQ(At(button), Colour(tab.CloseButtonRect));
  MoveTo(button);
  EXPECT_EQ(At(button), Colour(tab.CloseButtonActiveRect));
  Control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.X, button.Y));
  const TPoint pressed = CloseButton(Control->ActivePageIndex());
  EXPECT_EQ(At(pressed), Colour(tab.CloseButtonDownRect));
  Control->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));  // away: given up
  Control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(At(pressed), Colour(tab.CloseButtonRect));
  EXPECT_TRUE(Control->Pages(1)->TabVisible());
}

TEST_P(PageControlPaint, TheSelectedTabsCloseButtonHeldOffItsTabIsStillPressedBackOnIt) {
  Window.Load("flatcolour");
  Control->SetShowCloseButtons(true);
  const TPoint button = CloseButton(0);  // of the selected tab
  MoveTo(button);
  Control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.X, button.Y));
  const TRect d = Control->DisplayRect();
  Control->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(d.Left + d.Width() / 2, d.Top + d.Height() / 2));
  Control->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(button.X, button.Y));
  EXPECT_EQ(At(button), Colour(Tab().CloseButtonDownRect));
  Control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(button.X, button.Y));
  EXPECT_FALSE(Control->Pages(0)->TabVisible());
}

TEST_P(PageControlPaint, ACloseButtonLosesItsHotAndPressedLookWhenThePointerLeaves) {
  Window.Load("flatcolour");
  Control->SetShowCloseButtons(true);
  const TPoint button = CloseButton(1);  // of a tab that is not selected
  MoveTo(button);
  EXPECT_EQ(At(button), Colour(Tab().CloseButtonActiveRect));
  Control->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(At(button), Colour(Tab().CloseButtonRect));
  // The right button presses it without selecting its tab (whose button would keep its flags).
  MoveTo(button);
  Control->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(button.X, button.Y));
  EXPECT_EQ(At(button), Colour(Tab().CloseButtonDownRect));
  Control->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(At(button), Colour(Tab().CloseButtonRect));
  MoveTo(button);
  Control->Perform(WM_RBUTTONUP, 0, MAKELPARAM(button.X, button.Y));  // that press is over
  EXPECT_TRUE(Control->Pages(1)->TabVisible());
}

TEST_P(PageControlPaint, TheSparseSkinsMissingLooksFallBack) {
  Window.Load("sparse");
  Control->SetShowCloseButtons(true);
  const TspDataSkinTabControl& tab = Tab();
  const TColor body = Colour(tab.SkinRect);
  EXPECT_EQ(At(InTab(0)), Colour(tab.TabRect));  // no active picture: the normal one
  MoveTo(InTab(2));
  EXPECT_EQ(At(InTab(2)), Colour(tab.TabRect));
  EXPECT_EQ(At(PastTheTabs()), body);  // no strip picture: the client part
  // Neither close picture nor "resizetoolbutton": no close button, drawn or to be hit.
  Control->Pages(1)->SetCaption("");  // no caption pixels to tell apart from a glyph
  const auto dc = Painted(Control);
  EXPECT_TRUE(IsRectEmpty(dynamic_cast<TspSkinCustomTabSheet*>(Control->Pages(1))->CloseButton().Rect));
  const TRect r = Control->GetTabRect(1);
  int glyph = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) glyph += dc->Pixel(x, y) == clBlack;
  EXPECT_EQ(glyph, 0);
}

TEST_P(PageControlPaint, WithoutASkinTheTabsAndFrameArePlain) {
  const TColor face = SysColor(clBtnFace);
  const TRect active = Control->GetTabRect(0);
  EXPECT_EQ(At(active.TopLeft()), Navy);
  EXPECT_EQ(At(InTab(0)), DefaultHotFill);
  EXPECT_EQ(At(InTab(1)), face);
  MoveTo(InTab(1));
  EXPECT_EQ(At(InTab(1)), DefaultHotFill);
  EXPECT_EQ(At(FarFrame()), SysColor(clBtnShadow));
  const TRect d = Control->DisplayRect();
  EXPECT_EQ(At({d.Left + 1, d.Top + 1}), face);
  Control->SetShowCloseButtons(true);
  EXPECT_EQ(At(CloseButton(1)), clBlack);
  MoveTo(CloseButton(1));
  EXPECT_EQ(At(CloseButton(1)), RGBColor(255, 255, 255));
}

TEST_P(PageControlPaint, TheDrawEventReplacesTheContentAndTheStripMayShowTheParent) {
  Window.Load("flatcolour");
  Control->SetShowCloseButtons(true);
  const TColor drawn = RGBColor(250, 200, 10);
  Control->OnDrawSkinTab = [&](int, const TRect& R, bool, bool, TCanvas* Cnvs) {
    Cnvs->Brush()->SetColor(drawn);
    Cnvs->FillRect(InflateRect(R, -6, -6));
  };
  const TRect r = Control->GetTabRect(1);
  const TPoint middle{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  EXPECT_EQ(At(middle), drawn);
  EXPECT_EQ(At(InTab(1)), Colour(Tab().TabRect));                // the background stays
  EXPECT_EQ(At(CloseButton(1)), Colour(Tab().CloseButtonRect));  // and so does the close button
  Control->SetTabsBGTransparent(true);
  EXPECT_EQ(At(PastTheTabs()), Window.Form()->Color());
}

TEST_P(PageControlPaint, ATabShowsItsPagesImageBesideTheCaption) {
  Window.Load("flatcolour");
  const TColor red = RGBColor(230, 20, 20);
  auto* images = new TImageList(Window.Form());
  images->SetSize(8, 8);
  TBitmap image(8, 8);
  image.Canvas()->Brush()->SetColor(red);
  image.Canvas()->FillRect(TRect{0, 0, 8, 8});
  images->Add(&image, nullptr);
  Control->SetImages(images);
  const auto painted = Painted(Control);
  const auto shows = [&](int Index) {
    const TRect r = Control->GetTabRect(Index);
    int found = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) found += painted->Pixel(x, y) == red ? 1 : 0;
    return found;
  };
  EXPECT_EQ(shows(1), 64);              // the whole image
  Control->Pages(1)->SetImageIndex(1);  // no such image
  EXPECT_EQ(shows(2), 64);
  const auto again = Painted(Control);
  const TRect r = Control->GetTabRect(1);
  EXPECT_NE(again->Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), red);
}

TEST_P(PageControlPaint, OnGetImageIndexChoosesTheImageEachTabShows) {
  Window.Load("flatcolour");
  const TColor red = RGBColor(230, 20, 20), blue = RGBColor(20, 20, 230);
  auto* images = new TImageList(Window.Form());
  images->SetSize(8, 8);
  for (TColor color : {red, blue}) {
    TBitmap image(8, 8);
    image.Canvas()->Brush()->SetColor(color);
    image.Canvas()->FillRect(TRect{0, 0, 8, 8});
    images->Add(&image, nullptr);
  }
  Control->SetImages(images);
  std::vector<int> asked;
  Control->OnGetImageIndex = [&](TObject*, int Tab, int& Image) {
    asked.push_back(Tab);
    if (Tab == 1) Image = 1;
    if (Tab == 2) Image = -1;
  };
  const auto painted = Painted(Control);
  const auto count = [&](int Index, TColor Color) {
    const TRect r = Control->GetTabRect(Index);
    int found = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) found += painted->Pixel(x, y) == Color ? 1 : 0;
    return found;
  };
  EXPECT_EQ(count(0, red), 64) << "the page's own image";
  EXPECT_EQ(count(1, blue), 64);
  EXPECT_EQ(count(1, red), 0);
  EXPECT_EQ(count(2, red) + count(2, blue), 0);
  for (int tab : {0, 1, 2}) EXPECT_NE(std::find(asked.begin(), asked.end(), tab), asked.end()) << tab;
}

INSTANTIATE_TEST_SUITE_P(EveryTabPosition, PageControlPaint, ::testing::ValuesIn(Positions),
                         [](const ::testing::TestParamInfo<TTabPosition>& Info) {
                           return std::string(kTabPositionNames[Info.param]);
                         });

}  // namespace

namespace {

TEST(PageControlWithoutPages, IsStillPaintedAndErasedByItself) {
  TSkinTestWindow window;
  MoveOutOfTheWay(window);
  auto* control = window.Add<TspSkinPageControl>({10, 10, 210, 110});
  control->SetSkinData(window.Data());
  window.Show();
  TPixelDC erased(control->Width(), control->Height());
  erased.Fill(RGBColor(1, 2, 3));
  control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC()), 0);
  EXPECT_EQ(erased.Pixel(100, 50), ColorToRGB(control->Color()));  // the inherited erasing
  window.Load("flatcolour");
  const TspSkinData& data = *window.Data();
  const TColor body = EntryColour(data, "tab", data.CtrlList.at(data.GetControlIndex("tab"))->SkinRect);
  control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC()), 0);
  EXPECT_EQ(erased.Pixel(0, 0), body);
  EXPECT_EQ(Painted(control)->Pixel(100, 50), body);
}

}  // namespace
