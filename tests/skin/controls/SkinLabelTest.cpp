// The skinned labels, the status panel and the bevel under Wine: fonts and colours
// from the skin, sizes that follow the caption, the disabled look, glyphs, and the
// bevel's lines with the test skins and without one.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinPanelData.h"

#include "classlib/Bitmap.h"

#include "TestControls.h"
#include "UnclippedTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using TColors = std::vector<TColor>;
constexpr TColor Ground = RGBColor(20, 160, 90);

// The colours a painted area shows.
std::set<TColor> ColoursOf(const TPixelDC& Pixels, const TRect& R) {
  std::set<TColor> colours;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) colours.insert(Pixels.Pixel(x, y));
  return colours;
}

// The width of Text in Font.
int TextWidthIn(TFont* Font, const std::string& Text) {
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(Font);
  return measure.Canvas()->TextWidth(Text);
}

// The width a label sizes itself to: its text and a blank's room for the glyphs' ink.
int SizedWidthIn(TFont* Font, const std::string& Text) { return TextWidthIn(Font, Text) + TextWidthIn(Font, " "); }

class SkinLabels : public ::testing::Test {
protected:
  SkinLabels() {
    Ground = Window.Add<TPanelControl>({0, 0, 300, 200});
    Ground->SetColor(::Ground);
  }
  template <class T>
  T* Add(const TRect& Bounds) {
    auto* control = Window.Add<T>(Bounds, Ground);
    control->SetSkinData(Window.Data());
    return control;
  }
  TSkinTestWindow Window;
  TPanelControl* Ground;
};

TEST_F(SkinLabels, AStdLabelTakesTheSkinsFontAndColourAndSizesItselfAgain) {
  auto* label = Add<TspSkinStdLabel>({10, 10, 20, 20});
  label->Font()->SetHeight(-30);
  label->Font()->SetColor(clRed);
  label->SetCaption("Name of the file");
  const int big = label->Width();
  Window.Load("flatcolour");
  const auto& entry = dynamic_cast<const TspDataSkinStdLabelControl&>(
      *Window.Data()->CtrlList.at(static_cast<size_t>(Window.Data()->GetControlIndex("stdlabel"))));
  EXPECT_EQ(label->Font()->Height(), entry.FontHeight);
  EXPECT_EQ(label->Font()->Color(), entry.FontColor);
  EXPECT_LT(label->Width(), big);  // sized again for the smaller skin font
  EXPECT_EQ(label->Width(), SizedWidthIn(label->Font(), "Name of the file"));
  label->SetUseSkinFont(false);
  label->SetUseSkinColor(false);
  label->Font()->SetHeight(-30);
  label->Font()->SetColor(clRed);
  label->ChangeSkinData();
  EXPECT_EQ((std::pair(label->Font()->Height(), label->Font()->Color())), std::pair(-30, clRed));
}

TEST_F(SkinLabels, AStdLabelMeasuresEmptyTextAsASpaceAndShowsAmpersandsWithoutAccelerators) {
  auto* label = Add<TspSkinStdLabel>({10, 10, 20, 20});
  label->SetCaption("&");
  EXPECT_EQ(label->Width(), SizedWidthIn(label->Font(), " "));
  EXPECT_GT(label->Height(), 5);
  label->SetCaption("");
  EXPECT_EQ(label->Width(), SizedWidthIn(label->Font(), " "));
  label->SetCaption("a&&b");
  const int withAccelerators = label->Width();
  label->SetShowAccelChar(false);  // both ampersands show
  EXPECT_GT(label->Width(), withAccelerators);
}

// Tahoma at 13 pixels under Wine draws this caption 4 pixels wider than it measures it.
TEST_F(SkinLabels, AStdLabelSizedToItsCaptionHasRoomForGlyphsReachingPastTheMeasure) {
  auto* label = Add<TspSkinStdLabel>({10, 10, 20, 20});
  label->SetUseSkinFont(false);
  label->Font()->SetName("Tahoma");
  label->Font()->SetHeight(13);
  label->SetCaption("Antes de renombrar, guardar los nombres en la lista :");
  TPixelDC dc(label->Width() + 40, label->Height());  // room beside it, the text unclipped
  dc.Fill(clWhite);
  {
    TUnclippedTexts unclipped;
    label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  }
  int lastInked = -1;
  for (int x = 0; x < label->Width() + 40; ++x)
    for (int y = 0; y < label->Height(); ++y)
      if (dc.Pixel(x, y) != clWhite) lastInked = x;
  EXPECT_GT(lastInked, label->Width() / 2);
  EXPECT_LT(lastInked, label->Width());
}

TEST_F(SkinLabels, AStdLabelCutsItsTextWithAnEllipsisAndDrawsDisabledInTheShadowColour) {
  auto* label = Add<TspSkinStdLabel>({10, 10, 60, 30});
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 60, 20);
  label->SetCaption("C:\\Music\\Some folder\\Another folder\\Song.mp3");
  label->Font()->SetColor(clRed);
  const auto drawn = [&] { return ColoursOf(*Painted(Ground), label->BoundsRect()); };
  const std::set<TColor> plain = drawn();
  EXPECT_TRUE(plain.count(clRed));
  label->SetEllipsType(spetEndEllips);
  const auto cutAtTheEnd = Painted(Ground);
  label->SetEllipsType(spetPathEllips);
  const auto cutInside = Painted(Ground);
  bool differ = false;  // the two ellipses keep different parts of the text
  for (int x = 10; x < 70 && !differ; ++x)
    for (int y = 10; y < 30 && !differ; ++y) differ = cutAtTheEnd->Pixel(x, y) != cutInside->Pixel(x, y);
  EXPECT_TRUE(differ);
  label->SetEnabled(false);
  EXPECT_EQ(drawn(), (std::set<TColor>{::Ground, SysColor(clBtnShadow)}));
  Window.Load("flatcolour");
  label->SetUseSkinColor(false);
  label->ChangeSkinData();
  EXPECT_EQ(drawn(), (std::set<TColor>{::Ground, Window.Data()->SkinColors.cBtnShadow}));
}

TEST_F(SkinLabels, AStdLabelsAcceleratorGoesToOnFocusControl) {
  auto* label = Add<TspSkinStdLabel>({10, 10, 60, 30});
  label->SetCaption("&Name");
  int calls = 0;
  label->OnFocusControl = [&](TObject*) { ++calls; };
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n'), 1);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'x'), 0);
  label->SetEnabled(false);
  label->Perform(CM_DIALOGCHAR, 'n');
  EXPECT_EQ(calls, 1);
}

TEST_F(SkinLabels, ASkinLabelsWidthFollowsItsCaptionWhereItMay) {
  auto* label = Add<TspSkinLabel>({10, 10, 80, 31});
  label->SetCaption("Version");
  label->SetAutoSize(true);
  EXPECT_EQ(label->Width(), TextWidthIn(label->DefaultFont(), "Version") + 4);
  label->SetCaption("Version 0.4.8");  // fitted again
  EXPECT_EQ(label->Width(), TextWidthIn(label->DefaultFont(), "Version 0.4.8") + 4);
  Window.Load("flatcolour");  // the caption fits the entry's client part, in the skin's font
  label->SetCaption("Version");
  const auto& entry = dynamic_cast<const TspDataSkinLabelControl&>(
      *Window.Data()->CtrlList.at(static_cast<size_t>(Window.Data()->GetControlIndex("label"))));
  TFont skinFont;
  skinFont.SetName(entry.FontName);
  skinFont.SetHeight(entry.FontHeight);
  EXPECT_EQ(label->CurrentClientRect().Width(), TextWidthIn(&skinFont, "Version"));
  EXPECT_EQ(label->Width(), TextWidthIn(&skinFont, "Version") + 4);
  label->SetAlign(alClient);
  const int width = label->Width();
  label->SetCaption("A much longer caption than before");
  EXPECT_EQ(label->Width(), width);
  label->SetAlign(alNone);
  label->SetSkinDataName("buttondelete");  // a fixed-size entry ends the auto-sizing
  label->ChangeSkinData();
  EXPECT_FALSE(label->AutoSize());
}

TEST_F(SkinLabels, ASkinLabelWithoutTheSkinSizeStretchesItsEntryToItsOwnSize) {
  auto* label = Add<TspSkinLabel>({10, 10, 90, 40});
  EXPECT_EQ(Painted(label)->Pixel(0, 0), SysColor(clBtnShadow));  // the default frame
  Window.Load("flatcolour");
  label->SetSkinDataName("buttondelete");
  label->ChangeSkinData();
  EXPECT_EQ(label->Width(), 21);
  label->SetUseSkinSize(false);
  label->SetBounds(10, 10, 80, 30);
  EXPECT_EQ(label->BoundsRect(), (TRect{10, 10, 90, 40}));
  const TColor face = EntryColour(*Window.Data(), "buttondelete",
                                  Window.Data()->CtrlList.at(static_cast<size_t>(
                                      Window.Data()->GetControlIndex("buttondelete")))->SkinRect);
  auto pixels = Painted(label);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(79, 29)}), TColors(2, face));
}

// A strip of two 8 x 8 glyphs, red and blue, each with a see-through bottom-left pixel.
void TwoGlyphs(TBitmap& Strip) {
  Strip.SetSize(16, 8);
  Strip.Canvas()->Brush()->SetColor(clRed);
  Strip.Canvas()->FillRect(TRect{0, 0, 8, 8});
  Strip.Canvas()->Brush()->SetColor(clBlue);
  Strip.Canvas()->FillRect(TRect{8, 0, 16, 8});
  Strip.Canvas()->SetPixels(0, 7, clWhite);
  Strip.Canvas()->SetPixels(8, 7, clWhite);
}

TEST_F(SkinLabels, AStatusPanelShowsItsGlyphBeforeTheCaptionAndTheSecondWhenDisabled) {
  auto* panel = Add<TspSkinStatusPanel>({10, 10, 130, 31});
  panel->SetNumGlyphs(0);
  EXPECT_EQ(panel->NumGlyphs(), 1);
  TBitmap strip;
  TwoGlyphs(strip);
  panel->SetGlyph(&strip);
  panel->SetNumGlyphs(2);
  panel->SetImageIndex(3);  // no image list: the glyph
  auto pixels = Painted(panel);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(6, 10)}), (TColors{SysColor(clBtnShadow), clRed}));
  panel->SetEnabled(false);
  EXPECT_EQ(Painted(panel)->Pixel(6, 10), clBlue);
  panel->SetEnabled(true);
  panel->SetCaption("Ready");
  panel->SetAutoSize(true);
  EXPECT_EQ(panel->Width(), TextWidthIn(panel->DefaultFont(), "Ready") + 8 + 3 + 4);
  TBitmap none;
  panel->SetGlyph(&none);  // no glyph, no room
  EXPECT_EQ(panel->Width(), TextWidthIn(panel->DefaultFont(), "Ready") + 4);
  Window.Load("flatcolour");
  const TRect skin = Window.Data()->CtrlList.at(static_cast<size_t>(Window.Data()->GetControlIndex("statuspanel")))->SkinRect;
  EXPECT_EQ(Painted(panel)->Pixel(1, 1), EntryColour(*Window.Data(), "statuspanel", skin));
}

TEST_F(SkinLabels, TheBevelDrawsInTheSkinsColoursOrTheSystemsAndAsADivider) {
  auto* bevel = Add<TspSkinBevel>({10, 10, 60, 40});  // 50 x 30, a lowered box
  const auto corners = [&] {
    auto pixels = Painted(Ground);
    return TColors{pixels->Pixel(10, 10), pixels->Pixel(59, 39)};
  };
  EXPECT_EQ(corners(), (TColors{SysColor(clBtnShadow), SysColor(clBtnHighlight)}));
  Window.Load("flatcolour");
  const auto& entry = dynamic_cast<const TspDataSkinBevel&>(
      *Window.Data()->CtrlList.at(static_cast<size_t>(Window.Data()->GetControlIndex("bevel"))));
  EXPECT_EQ(corners(), (TColors{entry.DarkColor, entry.LightColor}));
  bevel->SetStyle(bsRaised);
  EXPECT_EQ(corners(), (TColors{entry.LightColor, entry.DarkColor}));
  bevel->SetShape(bsFrame);  // raised: the outer right edge in the first colour too
  auto pixels = Painted(Ground);
  EXPECT_EQ((TColors{pixels->Pixel(10, 25), pixels->Pixel(11, 25), pixels->Pixel(58, 25), pixels->Pixel(59, 25)}),
            (TColors{entry.LightColor, entry.DarkColor, entry.LightColor, entry.LightColor}));
  bevel->SetDividerMode(true);  // one vertical groove, no frame
  pixels = Painted(Ground);
  EXPECT_EQ((TColors{pixels->Pixel(10, 10), pixels->Pixel(34, 25), pixels->Pixel(35, 25)}),
            (TColors{::Ground, entry.LightColor, entry.DarkColor}));
  bevel->SetShape(bsTopLine);  // a horizontal one
  pixels = Painted(Ground);
  EXPECT_EQ((TColors{pixels->Pixel(30, 24), pixels->Pixel(30, 25), pixels->Pixel(30, 10)}),
            (TColors{entry.LightColor, entry.DarkColor, ::Ground}));
  bevel->SetSkinDataName("nosuchentry");  // back to the system's colours
  bevel->ChangeSkinData();
  EXPECT_EQ((std::pair(bevel->LightColor(), bevel->DarkColor())), std::pair(clBtnHighlight, clBtnShadow));
}

}  // namespace
