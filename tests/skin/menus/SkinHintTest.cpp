// The skinned hints under Wine: what the component's going leaves behind, hints of skinned
// controls with their titles, timed hints, and the hint window's size, place, region and
// translucence.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinPanel.h"
#include "skin/menus/SkinHint.h"

#include "classlib/ImageList.h"
#include "classlib/SystemSeams.h"
#include "classlib/Timer.h"

#include "Screenshot.h"
#include "TextDrawRecorder.h"

#include <algorithm>

namespace {

class SkinHintTest : public ::testing::Test {
protected:
  SkinHintTest() {
    ParkPointer();
    Application->SetHintPause(60000);  // the tests end the pauses themselves
    panel->SetHint("Body");
    panel->SetShowHint(true);
  }
  ~SkinHintTest() override {
    main->Free();
    Application->CancelHint();
    Application->HintWindowClass = NewHintWindow<THintWindow>;
    Application->OnShowHint = nullptr;
    Application->SetHintPause(500);
  }

  TspSkinData* LoadedSkin(const std::string& Name) {
    LoadTestSkin(stored, Name);
    auto* data = new TspSkinData(main);
    data->LoadCompressedStoredSkin(&stored);
    return data;
  }
  static bool Showing(TWinControl* Window) { return Window->HandleAllocated() && IsWindowVisible(Window->Handle()); }
  // The pointer rests on Control and the pause ends: the hint window the application
  // made for it.
  static TspSkinHintWindow* RestOn(TControl* Control) {
    Application->CancelHint();
    PostMouse(Control, WM_MOUSEMOVE, 5, 5);
    PumpFor(20);
    SendMessageA(Application->Handle(), WM_TIMER, TApplication::HintTimerId, 0);
    for (int i = 0; i < Application->ComponentCount(); ++i)
      if (auto* window = dynamic_cast<TspSkinHintWindow*>(Application->Components(i))) return window;
    return nullptr;
  }
  // Window painted now, and its pixel at P.
  static TColor PixelOf(TWinControl* Window, TPoint P) {
    TPixelDC dc(Window->Width(), Window->Height());
    SendMessageA(Window->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
    return dc.Pixel(P.X, P.Y);
  }
  static void Tick(TTimer* Timer) { SendMessageA(Timer->Handle(), WM_TIMER, 1, 0); }
  static void Activate(TspSkinHintWindow* Window, TPoint At, const std::string& Text) {
    Window->ActivateHint({At.X, At.Y, At.X, At.Y}, Text);
  }
  TShowHintEvent Handler(TspSkinHint* Hint) { return Event(Hint, &TspSkinHint::SkinShowHint); }
  // The main form: the hint windows look for their component on it.
  static TForm* MainForm() {
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetBorderStyle(bsNone);
    form->SetBounds(60, 60, 300, 200);
    form->SetColor(RGBColor(10, 120, 40));
    return form;
  }

  TForm* main = MainForm();
  TspSkinPanel* panel = AddChild<TspSkinPanel>(main, Bounds(10, 10, 100, 60));
  TspCompressedStoredSkin stored{nullptr};
};

TEST_F(SkinHintTest, LeavesTheApplicationsHintsToTheActiveComponentWhenItGoes) {
  auto* first = new TspSkinHint(main);
  auto* second = new TspSkinHint(main);  // takes the event
  EXPECT_EQ(Application->HintShortPause(), 100);
  second->SetActive(true);  // switches the other one off
  EXPECT_FALSE(first->Active());
  first->SetActive(true);
  second->Free();  // not the event's: nothing changes
  EXPECT_EQ(Application->OnShowHint, Handler(first));
  (new TspSkinHint(main))->Free();  // the event's: it passes to the one still active
  EXPECT_EQ(Application->OnShowHint, Handler(first));
  main->Show();
  TspSkinHintWindow* window = RestOn(panel);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(Showing(window));
  EXPECT_EQ(window->HintComponent(), first);

  // The last one going leaves the event unbound; the next hint neither crashes nor shows.
  first->Free();
  EXPECT_FALSE(Application->OnShowHint);
  EXPECT_EQ(window->HintComponent(), nullptr);
  EXPECT_FALSE(Showing(RestOn(panel)));
}

TEST_F(SkinHintTest, SizesItselfToItsLinesAndStaysOnTheScreen) {
  TspSkinHintWindow* window = (new TspSkinHint(main))->HintWindow();
  Activate(window, {100, 100}, "a");
  const int oneLine = window->Height() - 4;
  EXPECT_EQ(window->BoundsRect(), Bounds(100, 100, window->Width(), window->Height()));
  Activate(window, {100, 100}, "a@b");  // the default separator breaks the line
  EXPECT_EQ(window->Caption(), "a\n\rb");
  EXPECT_EQ(window->Height() - 4, 2 * oneLine);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  Activate(window, {screenWidth - 10, 100}, "Near the edge");
  EXPECT_EQ(window->Left(), screenWidth - 10 - window->Width() - 2);
}

TEST_F(SkinHintTest, ShowsTheTitleAndImageOfSkinnedControls) {
  auto* hint = new TspSkinHint(main);
  hint->OnShowHint = [](std::string& text, bool&, THintInfo&) { text += "!"; };
  main->Show();
  TspSkinHintWindow* window = RestOn(panel);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->Titled());
  EXPECT_EQ(window->Caption(), "Body!");  // the component's handler comes after
  const int plain = window->Height();
  panel->SetHintTitle("Title");
  RestOn(panel);
  EXPECT_TRUE(window->Titled());
  EXPECT_EQ(window->Height(), plain + window->Canvas()->TextHeight("Title") + 10);
}

TEST_F(SkinHintTest, ShowsTimedHintsAfterThePauseUntilTheHidePause) {
  TSeamOverride<TPoint()> pointer(Seams::CursorPos, [] { return TPoint{200, 150}; });
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  hint->ActivateHintDelayed("First");
  hint->ActivateHintDelayed("Second");  // replaces the first
  ASSERT_NE(hint->HintTimer(), nullptr);
  EXPECT_EQ(hint->HintTimer()->Interval(), 60000u);
  Tick(hint->HintTimer());
  EXPECT_TRUE(Showing(window));
  EXPECT_EQ(window->Caption(), "Second");
  EXPECT_EQ(window->BoundsRect().TopLeft(), TPoint(200, 150 + CursorBottomMargin()));  // under the cursor's image
  EXPECT_EQ(hint->HintTimer()->Interval(), static_cast<unsigned>(Application->HintHidePause()));
  Tick(hint->HintTimer());
  EXPECT_FALSE(Showing(window));
  EXPECT_EQ(hint->HintTimer(), nullptr);
  hint->ActivateHintDelayed("Never");
  hint->HideHint();  // before the pause ends
  EXPECT_EQ(hint->HintTimer(), nullptr);
  EXPECT_FALSE(Showing(window));
}

TEST_F(SkinHintTest, TakesItsFaceAndShapeFromTheSkin) {
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  hint->SetSkinData(LoadedSkin("flatcolour"));
  Activate(window, {100, 100}, "Masked");
  ASSERT_TRUE(window->Skinned());
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window->Handle(), region.get()), ERROR);  // the mask cuts the corners
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 2, 2));
  EXPECT_FALSE(PtInRegion(region.get(), window->Width() - 1, window->Height() - 1));
  const TspDataSkinHintWindow& entry = hint->SkinData()->HintWindow;
  const TPixelImage& face = hint->SkinData()->ActivePictures.at(static_cast<size_t>(entry.WindowPictureIndex));
  EXPECT_EQ(PixelOf(window, {1, window->Height() / 2}), face.Pixel(1, face.Height() / 2));
  hint->SetSkinData(nullptr);  // plain again, without a region
  Activate(window, {100, 100}, "Plain");
  EXPECT_EQ(GetWindowRgn(window->Handle(), region.get()), ERROR);
  EXPECT_EQ(PixelOf(window, {1, window->Height() / 2}), SysColor(clInfoBk));
}

TEST_F(SkinHintTest, IsTranslucentLayeredOrBlendedWithTheScreen) {
  static DWORD clock = 0;
  TSeamOverride<DWORD()> ticks(Seams::TickCount, [] { return ++clock; });
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendAnimation(true);
  hint->SetAlphaBlendValue(150);
  Activate(window, {100, 100}, "Fading");
  BYTE alpha = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window->Handle(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 150);
  hint->SetAlphaBlend(false);
  Activate(window, {100, 100}, "Opaque");
  EXPECT_FALSE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);

  // Without layered windows the hint blends the screen under it into its face.
  TSeamOverride<DWORD()> windowsNT4(Seams::WindowsVersion, [] { return DWORD{4}; });
  hint->SetAlphaBlendSupport(true);
  EXPECT_FALSE(hint->AlphaBlendSupport());
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendValue(128);
  main->Show();
  PumpFor(30);
  Activate(window, main->ClientToScreen({150, 20}), "Over the window");
  EXPECT_FALSE(window->Layered());
  const TColor face = SysColor(clInfoBk), under = main->Color(), seen = PixelOf(window, {1, window->Height() / 2});
  for (int shift : {0, 8, 16}) {
    const int expected = (((face >> shift) & 0xFF) * 128 + ((under >> shift) & 0xFF) * 127 + 127) / 255;
    EXPECT_NEAR(static_cast<int>((seen >> shift) & 0xFF), expected, 1) << shift;
  }
}

// Tahoma at 13 pixels under Wine draws these texts a pixel or two wider than it measures
// them; hints, plain and titled, with and without a skin, show them whole.
TEST_F(SkinHintTest, ShowsTextsWhoseGlyphsReachPastTheirMeasuredWidthWhole) {
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  hint->DefaultFont()->SetName("Tahoma");  // the flat-colour skin's hint font
  hint->DefaultFont()->SetHeight(13);
  for (const char* skin : {"", "flatcolour"}) {
    hint->SetSkinData(*skin != 0 ? LoadedSkin(skin) : nullptr);
    for (const char* text : {"Bestandsnaam -> Tag", "Tag -> Bestandsnaam", "Rename the files"}) {
      Activate(window, {100, 100}, text);
      EXPECT_TRUE(PaintsTextsWhole(window)) << skin << ": " << text;
      window->ActivateHintWithTitle({100, 100, 100, 100}, text, "T", nullptr, 0);
      EXPECT_TRUE(PaintsTextsWhole(window)) << skin << ", titled: " << text;
    }
  }
}

// A hint with a title, two lines and a 32 x 32 image (a yellow disc on blue), in Skin.
class TitledHintShowcase : public SkinHintTest {
protected:
  // Skin "" for none.
  TspSkinHintWindow* Show(const std::string& Skin) {
    hint = new TspSkinHint(main);
    if (!Skin.empty()) hint->SetSkinData(LoadedSkin(Skin));
    images.SetSize(32, 32);
    TBitmap picture(32, 32);
    picture.Canvas()->Brush()->SetColor(Blue);
    picture.Canvas()->FillRect({0, 0, 32, 32});
    picture.Canvas()->Brush()->SetColor(RGBColor(250, 200, 60));
    picture.Canvas()->Ellipse({4, 4, 28, 28});
    images.Add(&picture, nullptr);
    TspSkinHintWindow* window = hint->HintWindow();
    window->ActivateHintWithTitle({120, 120, 120, 120}, "Renames the selected files@by the chosen rules", "Rename",
                                  &images, 0);
    return window;
  }
  static constexpr TColor Blue = RGBColor(40, 90, 160);
  TspSkinHint* hint = nullptr;
  TImageList images{nullptr};
};

TEST_F(TitledHintShowcase, TheImageSitsLeftUnderTheTitleOnTheSkinsFace) {
  TspSkinHintWindow* window = Show("flatcolour");
  ASSERT_TRUE(window->Titled() && window->Skinned());
  TPixelDC dc(window->Width(), window->Height());
  SendMessageA(window->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  TRect image{window->Width(), window->Height(), 0, 0};  // where the image's blue lies
  for (int y = 0; y < window->Height(); ++y)
    for (int x = 0; x < window->Width(); ++x)
      if (dc.Pixel(x, y) == Blue)
        image = {std::min(image.Left, x), std::min(image.Top, y), std::max(image.Right, x + 1),
                 std::max(image.Bottom, y + 1)};
  EXPECT_EQ(std::pair(image.Width(), image.Height()), std::pair(32, 32));
  EXPECT_LT(image.Left, window->Width() / 4);
  EXPECT_GE(image.Top, window->Canvas()->TextHeight("Rename"));  // under the title
  const TspDataSkinHintWindow& entry = hint->SkinData()->HintWindow;
  const TPixelImage& face = hint->SkinData()->ActivePictures.at(static_cast<size_t>(entry.WindowPictureIndex));
  EXPECT_EQ(dc.Pixel(1, window->Height() / 2), face.Pixel(1, face.Height() / 2));
}

TEST_F(TitledHintShowcase, WithoutASkinTheTextStartsPastTheImageItsPlaceAndTheGap) {
  TspSkinHintWindow* window = Show("");
  ASSERT_TRUE(window->Titled() && !window->Skinned());
  TTextDrawRecorder texts;
  PixelOf(window, {0, 0});
  const auto body = std::find_if(texts.Drawn.begin(), texts.Drawn.end(), [](const TDrawnText& Text) {
    return Text.Text == "Renames the selected files\n\rby the chosen rules";
  });
  ASSERT_NE(body, texts.Drawn.end());
  // The text area 2 pixels inside the window, its left edge moved right by the image's
  // left (2), its width (32) and the gap (5).
  EXPECT_EQ(body->Needed.Left, 2 + 2 + 32 + 5);
  EXPECT_EQ(body->Needed.Top, 2 + window->Canvas()->TextHeight("Rename") + 5);
}

TEST_F(TitledHintShowcase, ScreenshotOfATitledHintWithAnImage) {
  TspSkinHintWindow* window = Show("slate");
  ASSERT_TRUE(window->Titled() && window->Skinned());
  SaveWindowScreenshot(window->Handle(), "hint-slate");
}

}  // namespace
