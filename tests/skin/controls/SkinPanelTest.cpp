// The skinned panel, group box and status bar under Wine: their looks with the test
// skins and without one, what a descendant draws over the transparent look, caption
// clicks, rolling up and down, the checked mode, the client rectangle after skin changes,
// and the status bar's size grip.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/data/SkinIniBudget.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/ZlibStreams.h"

#include "base/StrUtils.h"

#include "TestControls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using TColors = std::vector<TColor>;

TspDataSkinPanelControl& PanelEntry(TspSkinData& Data, const char* Name) {
  return dynamic_cast<TspDataSkinPanelControl&>(*Data.CtrlList.at(static_cast<size_t>(Data.GetControlIndex(Name))));
}

class SkinPanels : public ::testing::Test {
protected:
  template <class T>
  T* Add(const TRect& Bounds, TWinControl* Parent = nullptr) {
    auto* control = Window.Add<T>(Bounds, Parent);
    if constexpr (std::is_base_of_v<TspSkinControl, T>) control->SetSkinData(Window.Data());
    return control;
  }
  TSkinTestWindow Window{400, 300};
};

TEST_F(SkinPanels, WithoutASkinTheBorderAndCaptionStripAreDrawnInTheSystemColours) {
  const TColor face = SysColor(clBtnFace), shadow = SysColor(clBtnShadow), light = SysColor(clBtnHighlight);
  auto* panel = Add<TspSkinPanel>({0, 0, 100, 80});
  auto pixels = Painted(panel);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(99, 79), pixels->Pixel(50, 40)}),
            (TColors{shadow, shadow, face}));
  panel->SetBorderStyle(bvRaised);
  pixels = Painted(panel);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(99, 79)}), (TColors{light, shadow}));
  panel->SetBorderStyle(bvLowered);
  panel->SetCaptionMode(true);  // a strip inside the border: sunken, then raised
  pixels = Painted(panel);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(1, 1), pixels->Pixel(2, 2), pixels->Pixel(97, 20)}),
            (TColors{shadow, shadow, light, shadow}));
  panel->SetCheckedMode(true);  // a 14 x 14 box at x = 5, centred in the strip
  EXPECT_EQ(Painted(panel)->Pixel(5, 4), shadow);
  EXPECT_EQ(panel->GetAdjustedClientRect(), (TRect{1, 23, 99, 79}));
  panel->SetBorderStyle(bvNone);
  EXPECT_EQ(panel->GetAdjustedClientRect(), (TRect{0, 22, 100, 80}));
}

TEST_F(SkinPanels, TheSkinFillsThePanelAndItsChildrenGetTheEntrysClientRectangle) {
  auto* panel = Add<TspSkinPanel>({0, 0, 120, 90});
  auto* child = Add<TPanelControl>({0, 0, 10, 10}, panel);
  child->SetAlign(alClient);
  Window.Load("flatcolour");
  const TColor colour = EntryColour(*Window.Data(), "panel", PanelEntry(*Window.Data(), "panel").SkinRect);
  auto pixels = Painted(panel);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(60, 45), pixels->Pixel(119, 89)}), TColors(3, colour));
  EXPECT_EQ(child->BoundsRect(), (TRect{2, 2, 118, 88}));  // the entry's client part, 2 pixels in
  panel->SetBorderStyle(bvNone);  // the client tile alone, over everything
  EXPECT_EQ(child->BoundsRect(), (TRect{0, 0, 120, 90}));
  EXPECT_EQ(Painted(panel)->Pixel(0, 0), colour);
  panel->SetBorderStyle(bvFrame);
  Window.Clear();  // realigned to the default border
  EXPECT_EQ(child->BoundsRect(), (TRect{1, 1, 119, 89}));
}

TEST_F(SkinPanels, ATransparentPanelShowsItsParentInsideAFrameLine) {
  auto* parent = Add<TPanelControl>({0, 0, 300, 200});
  parent->SetColor(RGBColor(20, 160, 90));
  auto* panel = Add<TspSkinPanel>({10, 10, 110, 90}, parent);
  panel->SetTransparentMode(true);
  Window.Load("flatcolour");
  Window.Show();
  const TColor line = EntryColour(*Window.Data(), "panel", PanelEntry(*Window.Data(), "panel").SkinRect);
  auto pixels = Painted(panel);
  EXPECT_EQ((TColors{pixels->Pixel(0, 0), pixels->Pixel(99, 79), pixels->Pixel(50, 40)}),
            (TColors{line, line, RGBColor(20, 160, 90)}));
  EXPECT_EQ(panel->GetAdjustedClientRect(), (TRect{2, 2, 98, 78}));
  panel->SetBorderStyle(bvNone);
  EXPECT_EQ(Painted(panel)->Pixel(0, 0), RGBColor(20, 160, 90));
  auto* child = Add<TspSkinPanel>({20, 20, 60, 60}, panel);
  TMessageLog log(child);
  panel->SetLeft(20);  // what shows through moved: it and its children draw again
  EXPECT_EQ(log.Count(SP_PARENT_BACKGROUND_CHANGED), 1);
  panel->SetCaptionMode(true);  // a line from the caption round the panel, half way down its row
  panel->SetBorderStyle(bvFrame);
  pixels = Painted(panel);
  EXPECT_EQ((TColors{pixels->Pixel(0, 70), pixels->Pixel(99, 70), pixels->Pixel(50, 79)}), TColors(3, line));
}

// A panel that marks its top-left corner where a transparent paint lets descendants draw.
class TMarkingPanel : public TspSkinPanel {
public:
  using TspSkinPanel::TspSkinPanel;
  static constexpr TColor Mark = RGBColor(200, 30, 170);
  int Calls = 0;

protected:
  void PaintTransparentExtras(TCanvas& Canvas) override {
    ++Calls;
    Canvas.Brush()->SetColor(Mark);
    Canvas.FillRect(TRect{0, 0, 4, 4});
  }
};

TEST_F(SkinPanels, ATransparentPaintEndsWithWhatADescendantDrawsOverIt) {
  const TColor ground = RGBColor(20, 160, 90);
  auto* parent = Add<TPanelControl>({0, 0, 300, 200});
  parent->SetColor(ground);
  auto* panel = Add<TMarkingPanel>({10, 10, 110, 90}, parent);
  Window.Load("flatcolour");
  Window.Show();
  const TColor line = EntryColour(*Window.Data(), "panel", PanelEntry(*Window.Data(), "panel").SkinRect);
  // Over the frame line, on the picture that shows.
  const auto marked = [&] {
    panel->Calls = 0;
    auto pixels = Painted(panel);
    return std::pair(panel->Calls > 0, TColors{pixels->Pixel(0, 0), pixels->Pixel(3, 3), pixels->Pixel(99, 79),
                                               pixels->Pixel(50, 40)});
  };
  EXPECT_EQ(marked(), std::pair(false, TColors{line, line, line, line}));  // not transparent
  panel->SetTransparentMode(true);
  EXPECT_EQ(marked(), std::pair(true, TColors{TMarkingPanel::Mark, TMarkingPanel::Mark, line, ground}));
  panel->SetCaptionMode(true);
  EXPECT_EQ(marked().second.front(), TMarkingPanel::Mark);
  Window.Clear();  // without a skin the panel draws its own look
  EXPECT_FALSE(marked().first);
}

TEST_F(SkinPanels, AGroupBoxCaptionWidensWithItAndItsCheckBoxEnablesTheChildren) {
  auto* group = Add<TspSkinGroupBox>({10, 10, 210, 130});
  auto* child = Add<TPanelControl>({20, 40, 60, 60}, group);
  group->SetCaption("Options");
  group->SetCheckedMode(true);
  Window.Load("flatcolour");
  Window.Show();
  Painted(group);
  EXPECT_EQ(group->ButtonRect(), (TRect{8, 1, 192, 20}));  // the caption band follows the width
  PostClick(group, {100, 10});
  EXPECT_TRUE(group->Checked());
  EXPECT_TRUE(child->Enabled());
  PostClick(group, {100, 10});
  EXPECT_FALSE(child->Enabled());
  PostClick(group, {100, 60});  // below the caption: nothing
  PostClick(group, {3, 10});    // beside the caption band
  EXPECT_FALSE(group->Checked());
  group->SetAutoEnabledControls(false);
  group->SetChecked(true);
  EXPECT_FALSE(child->Enabled());
}

// A skin's caption frame is as wide as the caption measures; Tahoma at 13 pixels under
// Wine draws this caption 4 pixels wider, onto the frame's right part.
TEST_F(SkinPanels, AGroupBoxCaptionOnItsFrameShowsGlyphsReachingPastItsMeasure) {
  auto* group = Add<TspSkinGroupBox>({10, 10, 390, 130});
  group->SetCaption("Antes de renombrar, guardar los nombres en la lista :");
  Window.Load("flatcolour");
  TspDataSkinPanelControl& entry = PanelEntry(*Window.Data(), "groupbox");
  entry.FrameRect = Bounds(entry.SkinRect.Left, entry.SkinRect.Top, 20, 17);
  entry.FrameLeftOffset = entry.FrameRightOffset = 4;
  entry.FontName = "Tahoma";
  entry.FontHeight = 13;
  entry.FontStyle = {};
  Window.Show();
  EXPECT_TRUE(PaintsTextsWhole(group));
}

TEST_F(SkinPanels, RollingUpTwiceKeepsTheFirstHeightAndUnrollingGivesEverythingBack) {
  auto* panel = Add<TspSkinPanel>({0, 0, 200, 150});
  auto* child = Add<TPanelControl>({10, 30, 50, 60}, panel);
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  panel->Constraints()->SetMinHeight(100);
  panel->Constraints()->SetMaxHeight(300);
  int changes = 0;
  panel->OnChangeRollUpState = [&](TObject*) { ++changes; };
  panel->SetRollUpState(true);
  EXPECT_EQ(panel->Height(), 23);  // the default caption strip and a pixel
  EXPECT_EQ(panel->RealHeight(), 150);
  EXPECT_FALSE(child->Visible());
  EXPECT_EQ(panel->Constraints()->MinHeight(), 0);
  Window.Load("flatcolour");  // rolled up again for the new skin
  EXPECT_EQ(panel->Height(), 4);  // what lies outside the entry's client part
  panel->SetRollUpState(true);
  EXPECT_EQ(panel->RealHeight(), 150);
  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 150);
  EXPECT_EQ(panel->RealHeight(), -1);
  EXPECT_TRUE(child->Visible());
  EXPECT_EQ(panel->Constraints()->MinHeight(), 100);
  EXPECT_EQ(panel->Constraints()->MaxHeight(), 300);
  EXPECT_EQ(changes, 2);
  panel->SetRollUpMode(false);
  panel->SetRollUpState(true);  // not in roll-up mode
  EXPECT_FALSE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 150);
}

class SkinStatusBarGrip : public SkinPanels {
protected:
  SkinStatusBarGrip() {
    Bar = Add<TspSkinStatusBar>({0, 0, 300, 21});
    Bar->SetSizeGrip(true);
  }
  LRESULT HitAt(TPoint P) {
    return SendMessageA(Bar->Handle(), WM_NCHITTEST, 0, PointToLParam(Bar->ClientToScreen(P)));
  }
  TspSkinStatusBar* Bar;
};

TEST_F(SkinStatusBarGrip, TheGripShowsInTheCornerInEachSkinAndWithout) {
  const auto skinColours = [&] { return Window.Data()->SkinColors; };
  auto pixels = Painted(Bar);  // no skin: lines 3 pixels apart, shadow then light
  TRect grip = Bar->GripperArea();
  EXPECT_EQ(grip, (TRect{381, 0, 400, 19}));  // the bar spans the 400-pixel window
  EXPECT_EQ(Bar->GetAdjustedClientRect().Right, 379);
  EXPECT_EQ((TColors{pixels->Pixel(grip.Left + 8, grip.Bottom - 5), pixels->Pixel(grip.Left + 9, grip.Bottom - 5)}),
            (TColors{SysColor(clBtnShadow), SysColor(clBtnHighlight)}));
  Window.Load("flatcolour");  // the grip picture at the corner
  grip = Bar->GripperArea();
  EXPECT_EQ(grip, (TRect{388, 9, 400, 21}));
  const TRect picture = PanelEntry(*Window.Data(), "statusbar").GripperRect;
  EXPECT_EQ(Painted(Bar)->Pixel(grip.Left + 6, grip.Top + 6), EntryColour(*Window.Data(), "statusbar", picture));
  Window.Load("sparse");  // no grip picture: the lines in the skin's colours
  grip = Bar->GripperArea();
  pixels = Painted(Bar);
  EXPECT_EQ((TColors{pixels->Pixel(grip.Left + 8, grip.Bottom - 5), pixels->Pixel(grip.Left + 9, grip.Bottom - 5)}),
            (TColors{skinColours().cBtnShadow, skinColours().cBtnHighLight}));
  Bar->SetSizeGripActive(false);
  EXPECT_EQ(Bar->GetAdjustedClientRect().Right, 400);
}

// A grip picture larger than any bitmap (a broken or hostile skin) is no grip picture:
// the bar paints, draws the grip lines in their square and answers the hit test there,
// where making its bitmap once threw out of every paint.
TEST_F(SkinStatusBarGrip, AGripPictureLargerThanAnyBitmapGivesWayToTheGripLines) {
  std::unique_ptr<TPixelDC> pixels;
  RunWithinDeadline("a status bar with a huge grip picture", [&] {
    Window.Load("flatcolour",
                [](TspSkinPayload& Skin) { SetSkinValue(Skin, "statusbar", "gripperrect", "0,0,100000,100000"); });
    Window.Show();
    pixels = Painted(Bar);
  });
  const TRect grip = Bar->GripperArea();
  EXPECT_EQ(grip, (TRect{381, 0, 400, 19}));  // the square of the lines, as without a picture
  const TspSkinColors& colours = Window.Data()->SkinColors;
  EXPECT_EQ((TColors{pixels->Pixel(grip.Left + 8, grip.Bottom - 5), pixels->Pixel(grip.Left + 9, grip.Bottom - 5)}),
            (TColors{colours.cBtnShadow, colours.cBtnHighLight}));
  EXPECT_EQ(HitAt({grip.Right, grip.Bottom}), HTBOTTOMRIGHT);
}

// A panel that a form may tell to paint straight onto the DC, as a window's frame does.
class TDirectPanel : public TspSkinPanel {
public:
  using TspSkinPanel::TspSkinPanel;
  void SetPaintBordersDirect(bool Value) { PaintBordersDirect = Value; }
};

// A panel a few thousand pixels each way whose strips and client part are one-pixel
// tiles paints within the bounds: its plan lists a copy per piece, not per pixel.
TEST_F(SkinPanels, OnePixelTilesOverALargePanelPaintWithinTheBounds) {
  TDirectPanel* panel = nullptr;
  const uint64_t rise = RunWithinDeadline("a panel of one-pixel tiles", [&] {
    Window.Load("flatcolour", [](TspSkinPayload& Skin) { CutToOnePixelTiles(Skin, "panel"); });
    panel = Add<TDirectPanel>({0, 0, 3000, 2000});
    Window.Show();
    for (const bool direct : {false, true}) {  // through its image, and straight onto the DC
      panel->SetPaintBordersDirect(direct);
      Painted(panel);
    }
  });
  EXPECT_LT(rise, HostilePaintMemory);
  const TspDataSkinPanelControl& entry = PanelEntry(*Window.Data(), "panel");
  const TRect tile = OffsetRect(entry.ClRect, entry.SkinRect.Left, entry.SkinRect.Top);
  EXPECT_EQ(Painted(panel)->Pixel(1500, 1000), EntryColour(*Window.Data(), "panel", tile));
}

TEST_F(SkinStatusBarGrip, TheGripAnswersTheHitTestAndAPressSizesTheForm) {
  Window.Show();
  const TRect grip = Bar->GripperArea();
  EXPECT_EQ(HitAt({grip.Right, grip.Bottom}), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt({10, 10}), HTCLIENT);
  std::vector<WPARAM> commands;
  const TWndMethod formProc = Window.Form()->WindowProc;
  Window.Form()->WindowProc = [&](TMessage& Message) {
    if (Message.Msg == WM_SYSCOMMAND)
      commands.push_back(Message.WParam);  // kept from the system's sizing loop
    else
      formProc(Message);
  };
  const TRect before = Bar->BoundsRect();
  PostMessageA(Bar->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, PointToLParam(Bar->ClientToScreen({grip.Left + 2, 10})));
  Application->ProcessMessages();
  Window.Form()->WindowProc = formProc;
  EXPECT_EQ(commands, (std::vector<WPARAM>{0xF008}));
  EXPECT_EQ(Bar->BoundsRect(), before);
  Bar->SetSizeGripActive(false);  // maximized: the bar answers as any control
  EXPECT_EQ(HitAt({grip.Right - 1, grip.Bottom - 1}), HTCLIENT);
}

TEST_F(SkinStatusBarGrip, ItsSkinDataReachesTheSkinnedControlsOnIt) {
  auto* panel = Window.Add<TspSkinPanel>({0, 0, 50, 20}, Bar);
  auto* box = Window.Add<TColorBox>({60, 0, 20, 20}, Bar);
  TspSkinData other(nullptr);
  Bar->SetSkinData(&other);
  EXPECT_EQ(panel->SkinData(), &other);
  (void)box;  // a windowless control, no skinned one: left alone
  Bar->SetSkinData(nullptr);
  EXPECT_EQ(panel->SkinData(), nullptr);
}

// Test skin Name with Count pieces of text after its INI text (which ends its payload),
// piece i being PieceAt(i). They are compressed as they are made, so that the test never
// holds a large text whole and what the load takes stands out from what it took before.
void StoreWithTextAfter(TspCompressedStoredSkin& Stored, const std::string& Name, int Count,
                        const std::function<std::string(int)>& PieceAt) {
  LoadTestSkin(Stored, Name);
  TMemoryStream payload, packed;
  Stored.DeCompressToStream(payload);
  {
    TCompressionStream compress(TCompressionLevel::clDefault, packed);
    compress.WriteBuffer(payload.Memory(), static_cast<int32_t>(payload.Size()));
    for (int i = 0; i < Count; ++i) {
      const std::string piece = PieceAt(i);
      compress.WriteBuffer(piece.data(), static_cast<int32_t>(piece.size()));
    }
  }
  Stored.ReadData(packed);
}

// The panel painted with its skin entry's client colour in the middle.
void ExpectTheSkinsPanel(TspSkinData& Data, const TPixelDC& Pixels) {
  const TspDataSkinPanelControl& entry = PanelEntry(Data, "panel");
  const TRect client = OffsetRect(entry.ClRect, entry.SkinRect.Left, entry.SkinRect.Top);
  EXPECT_EQ(Pixels.Pixel(60, 45), EntryColour(Data, "panel", client));
}

// The window shown, TooMany refused and Fitting loaded, Panel painted after each, within
// the bounds; Panel then shows Fitting's panel.
void ExpectRefusedThenLoadedWithinTheBounds(TSkinTestWindow& Window, TspSkinPanel* Panel, const std::string& What,
                                            TspCompressedStoredSkin& TooMany, TspCompressedStoredSkin& Fitting) {
  std::unique_ptr<TPixelDC> pixels;
  const uint64_t rise = RunWithinDeadline(What, [&] {
    Window.Show();
    EXPECT_THROW(Window.Data()->LoadCompressedStoredSkin(&TooMany), ESkinTooLarge);
    Painted(Panel);
    Window.Data()->LoadCompressedStoredSkin(&Fitting);
    pixels = Painted(Panel);
  });
  EXPECT_LT(rise, HostilePaintMemory);
  ExpectTheSkinsPanel(*Window.Data(), *pixels);
}

// A skin keeps a record of each line of its text, blank ones too: 4 MiB of line ends (a
// 4 KB skin) once loaded in 0.3 s with 390 MB more under Wine; now so many lines refuse
// the skin at once, and as many as a load may keep load and paint within the bounds.
TEST_F(SkinPanels, SkinsOfBlankLinesLoadOrAreRefusedAndPaintWithinTheBounds) {
  TspCompressedStoredSkin fitting(nullptr), tooMany(nullptr);
  StoreWithTextAfter(fitting, "flatcolour", 100, [](int) { return std::string(1000, '\n'); });
  StoreWithTextAfter(tooMany, "flatcolour", 4096, [](int) { return std::string(1024, '\n'); });
  ExpectRefusedThenLoadedWithinTheBounds(Window, Add<TspSkinPanel>({0, 0, 120, 90}), "skins of blank lines",
                                         tooMany, fitting);
}

// Keys that are one name many times over: 950,000 lines of one 64-letter key (a 228 KB
// skin) once loaded in 2.5 s with 217 MB more under Wine, sorting them compared the
// names whole at every step; now so many lines refuse the skin at once. As many lines as
// a load may keep, of one 512-letter key in two spellings, load and paint within the
// bounds.
TEST_F(SkinPanels, SkinsOfOneLongKeyManyTimesOverLoadOrAreRefusedAndPaintWithinTheBounds) {
  const auto linesOf = [](const std::string& Key) {
    return [Key](int i) { return (i % 2 == 0 ? Key : UpperCase(Key)) + "=1\r\n"; };
  };
  TspCompressedStoredSkin fitting(nullptr), tooMany(nullptr);
  StoreWithTextAfter(fitting, "flatcolour", 80000, linesOf(std::string(512, 'k')));
  StoreWithTextAfter(tooMany, "flatcolour", 950000, linesOf(std::string(64, 'k')));
  ExpectRefusedThenLoadedWithinTheBounds(Window, Add<TspSkinPanel>({0, 0, 120, 90}),
                                         "skins of one long key many times over", tooMany, fitting);
}

}  // namespace
