// The skinned combo box's pixels: face, button and item in each state from the
// flat-colour skin's entries at the skin's size and stretched to any size, the sparse
// skin's fall-backs, and without a skin in the system's colours and the shared default
// button look; the disabled edit part's colour, and its erase, which shows the box
// under it and leaves nothing to paint again.
#include "SkinControlTestKit.h"

#include "skin/boxes/CustomEdit.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/SkinButtonData.h"

#include <gtest/gtest.h>

namespace {

const TColor Navy = RGBColor(0, 0, 128);

class SkinComboBoxPaint : public ::testing::Test {
 protected:
  SkinComboBoxPaint() {
    ParkPointer();
    Combo = Window.Add<TspSkinComboBox>({10, 10, 170, 30});
    Combo->SetTabStop(false);  // the focused look is the input test's
    Combo->SetSkinData(Window.Data());
    Window.Show();
  }
  const TspDataSkinComboBox& Entry() {
    TspSkinData& data = *Window.Data();
    return dynamic_cast<const TspDataSkinComboBox&>(*data.CtrlList.at(data.GetControlIndex("combobox")));
  }
  TColor Colour(const TRect& R, const char* Name = "combobox") { return EntryColour(*Window.Data(), Name, R); }
  TColor At(TPoint P) { return Painted(Combo)->Pixel(P.X, P.Y); }
  // Inside the button, clear of its arrow; and its top-left corner.
  TPoint InButton() const { return {Combo->ButtonRect().Left + 2, Combo->ButtonRect().Top + 2}; }
  TPoint ButtonCorner() const { return Combo->ButtonRect().TopLeft(); }
  TPoint InItem() const { return {Combo->ItemRect().Right - 2, Combo->ItemRect().Top + 1}; }
  void Hover() {
    Combo->Perform(CM_MOUSEENTER, 0, 0);
    Combo->Perform(WM_MOUSEMOVE, 0, PointToLParam(InButton()));
  }
  void Leave() { Combo->Perform(CM_MOUSELEAVE, 0, 0); }
  // The button held down: an empty list does not drop, so nothing else happens.
  void Press() { Combo->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(InButton())); }
  void Release() { Combo->Perform(WM_LBUTTONUP, 0, PointToLParam(InButton())); }

  TSkinTestWindow Window;
  TspSkinComboBox* Combo = nullptr;
};

TEST_F(SkinComboBoxPaint, WithoutASkinButtonItemAndArrowTakeTheDefaultLookAndTheSystemsColours) {
  Combo->Items()->Add("WWWWWWWW");
  Combo->SetItemIndex(0);
  Combo->DefaultFont()->SetColor(RGBColor(200, 0, 0));
  const std::unique_ptr<TPixelDC> painted = Painted(Combo);
  int red = 0;
  for (int x = 4; x < 60; ++x)
    for (int y = 3; y < 17; ++y) red += painted->Pixel(x, y) == RGBColor(200, 0, 0);
  EXPECT_GT(red, 20);
  EXPECT_EQ(At({0, 10}), SysColor(clBtnShadow));
  EXPECT_EQ(At({1, 10}), SysColor(clWindow));  // DefaultColor inside the frame
  EXPECT_EQ(At(ButtonCorner()), SysColor(clBtnShadow));
  EXPECT_EQ(At(InButton()), SysColor(clBtnFace));
  const TPoint arrow{(Combo->ButtonRect().Left + Combo->ButtonRect().Right) / 2,
                     (Combo->ButtonRect().Top + Combo->ButtonRect().Bottom) / 2};
  EXPECT_EQ(At(arrow), clBlack);
  Combo->Items()->Clear();  // so that a press drops nothing
  Hover();
  EXPECT_EQ(At(ButtonCorner()), Navy);
  EXPECT_EQ(At(InButton()), DefaultHotFill);
  Press();
  EXPECT_EQ(At(InButton()), DefaultCellDownFill);
  Release();
  Leave();
  Combo->SetEnabled(false);
  EXPECT_EQ(At(arrow), SysColor(clBtnShadow));
}

TEST_F(SkinComboBoxPaint, AtTheSkinsSizeFaceButtonAndItemCopyEachStatesPicture) {
  Window.Load("flatcolour");
  const TspDataSkinComboBox& entry = Entry();
  EXPECT_EQ(Combo->Height(), entry.SkinRect.Height());
  // The button moved with the width; the face shows the normal one.
  EXPECT_EQ(Combo->ButtonRect(), OffsetRect(entry.ButtonRect, Combo->Width() - entry.SkinRect.Width(), 0));
  EXPECT_EQ(At({1, 1}), Colour(entry.SkinRect));
  EXPECT_EQ(At(InButton()), Colour(entry.SkinRect));
  Hover();
  EXPECT_EQ(At({1, 1}), Colour(entry.ActiveSkinRect));
  EXPECT_EQ(At(InButton()), Colour(entry.ActiveButtonRect));
  Press();
  EXPECT_EQ(At(InButton()), Colour(entry.DownButtonRect));
  Release();
  Leave();
  Combo->SetEnabled(false);
  EXPECT_EQ(At({1, 1}), Colour(entry.DisabledSkinRect));
  EXPECT_EQ(At(InButton()), Colour(entry.UnenabledButtonRect));
  Combo->SetEnabled(true);
  Combo->Items()->Add("x");
  Combo->SetItemIndex(0);
  EXPECT_EQ(At(InItem()), Colour(entry.ItemRect));
  Combo->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(At(InItem()), Colour(entry.ActiveItemRect));
  Leave();
}

TEST_F(SkinComboBoxPaint, AtAnySizeTheFaceStretchesAndTheButtonComesFromTheComboButtonEntry) {
  Combo->SetUseSkinSize(false);
  Window.Load("flatcolour");
  Combo->SetHeight(32);
  EXPECT_EQ(Combo->Height(), 32);
  const TspSkinData& data = *Window.Data();
  const auto& button = dynamic_cast<const TspDataSkinButtonControl&>(*data.CtrlList.at(data.GetControlIndex("combobutton")));
  EXPECT_EQ(Combo->ButtonRect().Bottom, Entry().ButtonRect.Bottom + 32 - Entry().SkinRect.Height());
  EXPECT_EQ(At({1, 1}), Colour(Entry().SkinRect));
  EXPECT_EQ(At(InButton()), Colour(button.SkinRect, "combobutton"));
  Hover();
  EXPECT_EQ(At(InButton()), Colour(button.ActiveSkinRect, "combobutton"));
  Press();
  EXPECT_EQ(At(InButton()), Colour(button.DownSkinRect, "combobutton"));
  Release();
  Leave();
}

TEST_F(SkinComboBoxPaint, TheSparseSkinFallsBackToTheHotButtonThePlainFaceAndTheResizeButton) {
  Window.Load("sparse");
  Hover();
  EXPECT_EQ(At({1, 1}), Colour(Entry().SkinRect));  // no active face
  Press();
  EXPECT_EQ(At(InButton()), Colour(Entry().ActiveButtonRect));  // no pressed picture
  Release();
  Leave();
  EXPECT_EQ(Combo->ListBox()->SkinDataName(), "");  // no list entry named: the list is plain
  Combo->SetUseSkinSize(false);
  const TspSkinData& data = *Window.Data();
  const auto& resize = dynamic_cast<const TspDataSkinButtonControl&>(*data.CtrlList.at(data.GetControlIndex("resizebutton")));
  EXPECT_EQ(At(InButton()), Colour(resize.SkinRect, "resizebutton"));
}

TEST_F(SkinComboBoxPaint, ADisabledEditPartWritesInTheSkinsDisabledEditColourOrInGrey) {
  Combo->SetStyle(spcbEditStyle);
  Combo->SetEnabled(false);
  EXPECT_EQ(Combo->EditPart()->Font()->Color(), clGrayText);
  Window.Load("flatcolour");
  const TspSkinData& data = *Window.Data();
  const auto& edit = dynamic_cast<const TspDataSkinEditControl&>(*data.CtrlList.at(data.GetControlIndex("edit")));
  EXPECT_EQ(Combo->EditPart()->Font()->Color(), edit.DisabledFontColor);
  EXPECT_TRUE(Combo->EditPart()->Transparent());
  Combo->SetEnabled(true);
  EXPECT_EQ(Combo->EditPart()->Font()->Color(), Entry().FontColor);
}

TEST_F(SkinComboBoxPaint, TheEditPartsEraseShowsTheBoxUnderItAndAsksForNoFurtherPainting) {
  Window.Load("flatcolour");
  Combo->SetStyle(spcbEditStyle);
  TspCustomEdit* edit = Combo->EditPart();
  ASSERT_TRUE(edit->Transparent());
  UpdateWindow(Combo->Handle());  // whatever waits to be painted is painted now
  UpdateWindow(edit->Handle());
  TPixelDC erased(edit->ClientWidth(), edit->ClientHeight());
  erased.Fill(RGBColor(1, 2, 3));
  edit->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC()), 0);
  const TPoint middle{edit->ClientWidth() / 2, edit->ClientHeight() / 2};
  EXPECT_EQ(erased.Pixel(middle.X, middle.Y), At({edit->Left() + middle.X, edit->Top() + middle.Y}));
  EXPECT_NE(erased.Pixel(middle.X, middle.Y), RGBColor(1, 2, 3));
  // Invalidating the box instead, which draws over its edit part, would erase the edit
  // part again, and so on without end.
  EXPECT_FALSE(GetUpdateRect(edit->Handle(), nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(Combo->Handle(), nullptr, FALSE));
}

}  // namespace
