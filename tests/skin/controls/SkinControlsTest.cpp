// The foundation of the skinned controls under Wine. The one paint path pixel by pixel:
// each state from the flat-colour skin, the fall-backs of the sparse skin, the default
// look against the system's colours. The interfaces: a control finds its window's host
// through its form, and a window living through skin changes tells its participants and
// draws only from the skin it has.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinChangeParticipant.h"
#include "skin/controls/SkinFormHost.h"
#include "skin/controls/SkinPartPainter.h"

#include "classlib/Application.h"
#include "classlib/Canvas.h"
#include "classlib/CustomControls.h"
#include "classlib/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using S = TspPartState;
using TColors = std::vector<TColor>;
constexpr TColor Background = RGBColor(1, 2, 3);  // what a target showed before
const TColor Face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));

const TspDataSkinButtonControl& Button(const TspSkinData& Data) {
  return dynamic_cast<const TspDataSkinButtonControl&>(*Data.CtrlList.at(Data.GetControlIndex("button")));
}
// The one colour of rectangle R of the "button" entry's picture.
TColor ButtonColour(const TspSkinData& Data, const TRect& R) {
  return Data.ActivePictures.at(Button(Data).PictureIndex).Pixel((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
}

TPixelImage Drawn(const TspSkinPart& Part, S State, const TRect& Dest = {0, 0, 60, 30}, bool Framed = true) {
  TBitmap target(60, 30);
  target.Canvas()->Brush()->SetColor(Background);
  target.Canvas()->FillRect(TRect{0, 0, 60, 30});
  DrawPart(*target.Canvas(), Dest, Part, State, Framed);
  return target.ToPixelImage();
}
// The top-left and bottom-right pixels of D and its middle.
TColors Samples(const TPixelImage& I, const TRect& D = {0, 0, 60, 30}) {
  return {I.Pixel(D.Left, D.Top), I.Pixel(D.Right - 1, D.Bottom - 1),
          I.Pixel((D.Left + D.Right) / 2, (D.Top + D.Bottom) / 2)};
}

class PartPainterTest : public ::testing::Test {
protected:
  ~PartPainterTest() override { data->Free(); }
  void Load(const char* Skin) {
    LoadTestSkin(stored, Skin);
    data->LoadCompressedStoredSkin(&stored);
  }
  TspSkinPart Part() const { return ControlSkinPart(data, "button"); }

  TspCompressedStoredSkin stored{nullptr};
  TspSkinData* data = new TspSkinData(nullptr);
};

TEST_F(PartPainterTest, EachStateShowsItsRectangleOrTheNormalOneWhereTheSkinLacksIt) {
  for (const char* skin : {"flatcolour", "sparse"}) {
    Load(skin);
    const TspDataSkinButtonControl& b = Button(*data);
    const std::pair<S, TRect> looks[] = {{S::Normal, b.SkinRect},       {S::Hot, b.ActiveSkinRect},
                                         {S::Down, b.DownSkinRect},     {S::Focused, b.FocusedSkinRect},
                                         {S::Disabled, b.DisabledSkinRect}};
    for (auto [state, rect] : looks) {
      const TColor colour = ButtonColour(*data, IsRectEmpty(rect) ? b.SkinRect : rect);
      EXPECT_EQ(Samples(Drawn(Part(), state)), TColors(3, colour)) << skin;
    }
  }
}

TEST_F(PartPainterTest, ACopyIsCutAtThePartsEdgesAndAClientLeftUndrawnKeepsTheTarget) {
  Load("flatcolour");
  const TColor hot = ButtonColour(*data, Button(*data).ActiveSkinRect);  // 40 x 25
  TspSkinPart part = Part();
  part.Geometry.Fit = TspPartFit::Copy;
  TPixelImage image = Drawn(part, S::Hot, {25, 3, 60, 30});
  EXPECT_EQ((TColors{image.Pixel(25, 3), image.Pixel(59, 27), image.Pixel(59, 28), image.Pixel(24, 10)}),
            (TColors{hot, hot, Background, Background}));
  const TRect dest{10, 5, 50, 25};
  part.Geometry = ClientRectGeometry({4, 4, 36, 21});
  part.Geometry.DrawClient = false;
  image = Drawn(part, S::Hot, dest);
  EXPECT_EQ((TColors{image.Pixel(10, 5), image.Pixel(30, 15), image.Pixel(9, 4)}),
            (TColors{hot, Background, Background}));
  part.Geometry.Fit = TspPartFit::Horizontal;  // 40 x 25 built, stretched to 40 x 20
  EXPECT_EQ(Samples(Drawn(part, S::Hot, dest), dest), TColors(3, hot));
}

TEST_F(PartPainterTest, APartTheSkinLacksOrCannotDrawHasTheDefaultLook) {
  const TColor navy = RGBColor(0, 0, 128), shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
  const TColor hot = RGBColor(182, 189, 210), down = RGBColor(133, 147, 181);
  const std::pair<S, TColors> looks[] = {  // the frame, just inside it, the middle
      {S::Normal, {shadow, Face, Face}}, {S::Disabled, {shadow, Face, Face}}, {S::Hot, {navy, hot, hot}},
      {S::Focused, {navy, hot, hot}},    {S::Down, {navy, down, down}}};
  const auto expectDefault = [&](const TspSkinPart& part) {
    for (auto& [state, colours] : looks) {
      const TPixelImage image = Drawn(part, state);
      EXPECT_EQ((TColors{image.Pixel(0, 0), image.Pixel(1, 1), image.Pixel(30, 15)}), colours);
    }
    EXPECT_EQ(Drawn(part, S::Normal, {0, 0, 60, 30}, false).Pixel(0, 0), Face);  // a flat normal look
  };
  expectDefault(ControlSkinPart(nullptr, "button"));
  expectDefault(Part());  // nothing loaded
  Load("sparse");
  expectDefault(ControlSkinPart(data, "editbutton"));  // an entry the skin lacks
  Load("flatcolour");
  TspSkinPart bad = Part();
  bad.Picture = SkinActiveBitmap(data, static_cast<int32_t>(data->ActivePictures.size()));
  expectDefault(bad);
  bad = Part();
  bad.Geometry.Cut.RB.X = bad.Geometry.Cut.LT.X;  // corner points that meet
  expectDefault(bad);
}

class TFakeHost : public TComponent, public TspSkinFormHost {
public:
  using TComponent::TComponent;
  TspSkinData* SkinData() const override { return nullptr; }
  TspSkinData* MenusSkinData() const override { return nullptr; }
  TspSkinMenu* SkinMenu() const override { return nullptr; }
  void SkinMenuOpen() override {}
  void SkinMenuClose() override {}
};

// A windowed control inside Parent.
TWinControl* Box(TWinControl* Parent) {
  auto* box = new TCustomControl(Parent);
  box->SetParent(Parent);
  return box;
}

TEST(SkinFormHost, IsTheFirstHostComponentOfTheFormAControlSitsOn) {
  auto* form = new TForm(Application);
  new TComponent(form);
  auto* host = new TFakeHost(form);
  new TFakeHost(form);
  auto* control = new TGraphicControl(form);
  EXPECT_EQ(GetControlSkinForm(control), nullptr);  // on no form yet
  control->SetParent(Box(Box(form)));
  EXPECT_EQ(GetControlSkinForm(control), static_cast<TspSkinFormHost*>(host));
  auto* plain = new TForm(Application);
  EXPECT_EQ(GetSkinForm(plain), nullptr);
  plain->Free();
  form->Free();
}

// Counts what a skin change tells it, and draws the button part it took at the last one.
class TPart : public TGraphicControl, public TspSkinChangeParticipant {
public:
  TPart(TWinControl* Parent, TspSkinData* Data) : TGraphicControl(Parent), FData(Data) { SetParent(Parent); }
  TspSkinData* SkinData() const override { return FData; }
  void PrepareSkinDataChange() override {
    ++Prepared;
    FPart = {};
  }
  void ChangeSkinData() override {
    ++Changed;
    FPart = ControlSkinPart(FData, "button");
  }
  TColor DrawnColour() const { return Drawn(FPart, S::Normal).Pixel(30, 15); }
  int Prepared = 0, Changed = 0;

private:
  TspSkinData* FData;
  TspSkinPart FPart;
};

TEST(SkinChangeParticipant, AWindowLivingThroughSkinChangesDrawsOnlyFromTheSkinItHas) {
  TspCompressedStoredSkin flat(nullptr), sparse(nullptr);
  LoadTestSkin(flat, "flatcolour");
  LoadTestSkin(sparse, "sparse");
  auto* form = new TSkinnedForm;
  auto* data = new TspSkinData(form);
  TspSkinData otherData(nullptr);
  auto* control = new TPart(Box(Box(form)), data);
  const auto* other = new TPart(form, &otherData);
  for (int round = 1; round <= 10; ++round) {
    for (TspCompressedStoredSkin* stored : {&flat, &sparse}) {
      data->LoadCompressedStoredSkin(stored);
      EXPECT_EQ(control->DrawnColour(), ButtonColour(*data, Button(*data).SkinRect));
    }
    EXPECT_EQ(std::pair(control->Prepared, control->Changed), std::pair(2 * round, 2 * round));
    data->ClearSkin();  // tells no window: the part the control kept is out of reach
    EXPECT_EQ(control->DrawnColour(), Face);
  }
  EXPECT_EQ(other->Prepared + other->Changed, 0);  // it draws with another skin data
  data->LoadCompressedStoredSkin(&flat);
  data->Free();  // the control outlives its skin data
  EXPECT_EQ(control->DrawnColour(), Face);
  form->Free();
}

}  // namespace
