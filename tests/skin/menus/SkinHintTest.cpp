// The skinned hints under Wine: the component's process-wide changes and what its going
// leaves behind, the one active component of the main form, hints of skinned controls
// with their titles, timed hints driven through their timer, and the hint window's size,
// place, region and translucence with the test skins and without one.
#include "SkinControlTestKit.h"

#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/menus/SkinHint.h"

#include "classlib/ImageList.h"
#include "classlib/SystemSeams.h"
#include "classlib/Timer.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

namespace {

// Puts back what hint components change for the whole application.
class TApplicationHints {
public:
  TApplicationHints() : FPause(Application->HintPause()), FShortPause(Application->HintShortPause()) {
    Application->SetHintPause(60000);  // the tests fire the hint timer themselves
  }
  ~TApplicationHints() {
    Application->CancelHint();
    Application->HintWindowClass = NewHintWindow<THintWindow>;
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    Application->OnShowHint = nullptr;
    Application->SetHintPause(FPause);
    Application->SetHintShortPause(FShortPause);
  }
  TApplicationHints(const TApplicationHints&) = delete;
  TApplicationHints& operator=(const TApplicationHints&) = delete;

private:
  int FPause, FShortPause;
};

class SkinHintTest : public ::testing::Test {
protected:
  SkinHintTest() {
    ParkPointer();
    Application->CreateForm(main);  // the hint windows look for their component on it
    main->SetBorderStyle(bsNone);
    main->SetBounds(60, 60, 300, 200);
    main->SetColor(RGBColor(10, 120, 40));
  }
  ~SkinHintTest() override { main->Free(); }

  TspSkinData* LoadedSkin(const std::string& Name) {
    LoadTestSkin(stored, Name);
    auto* data = new TspSkinData(main);
    data->LoadCompressedStoredSkin(&stored);
    return data;
  }
  static bool Showing(TControl* Window) {
    auto* window = dynamic_cast<TWinControl*>(Window);
    return window->HandleAllocated() && IsWindowVisible(window->Handle());
  }
  // The hint window the application made for the hints of controls.
  static TspSkinHintWindow* ApplicationHintWindow() {
    for (int i = 0; i < Application->ComponentCount(); ++i)
      if (auto* window = dynamic_cast<TspSkinHintWindow*>(Application->Components(i))) return window;
    return nullptr;
  }
  // The pointer rests on Control and the pause ends.
  static void RestOn(TControl* Control) {
    PostMouse(Control, WM_MOUSEMOVE, 5, 5);
    PumpFor(20);
    SendMessageA(Application->Handle(), WM_TIMER, TApplication::HintTimerId, 0);
  }
  static void Tick(TTimer* Timer) { SendMessageA(Timer->Handle(), WM_TIMER, 1, 0); }
  static void Activate(TspSkinHintWindow* Window, TPoint At, const std::string& Text) {
    Window->ActivateHint({At.X, At.Y, At.X, At.Y}, Text);
  }

  TApplicationHints hints;
  TForm* main = nullptr;
  TspCompressedStoredSkin stored{nullptr};
};

TEST_F(SkinHintTest, TakesOverTheApplicationsHintsAndGivesThemBackWhenItGoes) {
  auto* first = new TspSkinHint(main);
  EXPECT_EQ(Application->HintShortPause(), 100);
  EXPECT_EQ(Application->OnShowHint, TShowHintEvent(Event(first, &TspSkinHint::SkinShowHint)));
  EXPECT_EQ(FindActiveSkinHint(), first);

  // Two active components: switching one on switches the other off.
  auto* second = new TspSkinHint(main);
  EXPECT_TRUE(first->Active() && second->Active());
  second->SetActive(true);
  EXPECT_FALSE(first->Active());
  EXPECT_EQ(FindActiveSkinHint(), second);
  first->SetActive(true);
  EXPECT_FALSE(second->Active());
  EXPECT_EQ(Application->OnShowHint, TShowHintEvent(Event(first, &TspSkinHint::SkinShowHint)));

  // Going, a component that does not serve the hints changes nothing.
  second->Free();
  EXPECT_EQ(Application->OnShowHint, TShowHintEvent(Event(first, &TspSkinHint::SkinShowHint)));

  // A newer one takes the event; going, it hands it to the one still active.
  auto* panel = AddChild<TspSkinPanel>(main, Bounds(10, 10, 100, 60));
  panel->SetHint("Panel");
  panel->SetShowHint(true);
  main->Show();
  auto* third = new TspSkinHint(main);
  EXPECT_EQ(Application->OnShowHint, TShowHintEvent(Event(third, &TspSkinHint::SkinShowHint)));
  third->Free();
  EXPECT_EQ(Application->OnShowHint, TShowHintEvent(Event(first, &TspSkinHint::SkinShowHint)));
  RestOn(panel);
  TspSkinHintWindow* window = ApplicationHintWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(Showing(window));
  EXPECT_EQ(window->HintComponent(), first);

  // The last one going leaves the event unbound, and the window forgets it.
  first->Free();
  EXPECT_FALSE(Application->OnShowHint);
  EXPECT_EQ(window->HintComponent(), nullptr);
  // The next hint neither crashes nor shows without an active component...
  Application->CancelHint();
  RestOn(panel);
  EXPECT_FALSE(Showing(window));
  // ... and shows again with one.
  auto* fourth = new TspSkinHint(main);
  Application->CancelHint();
  RestOn(panel);
  EXPECT_TRUE(Showing(window));
  EXPECT_EQ(window->HintComponent(), fourth);
}

TEST_F(SkinHintTest, ShowsNothingWithoutAnActiveComponent) {
  TOwned<TspSkinHintWindow> window(new TspSkinHintWindow(nullptr));
  Activate(window.get(), {100, 100}, "Nothing");
  EXPECT_FALSE(Showing(window.get()));
  auto* hint = new TspSkinHint(main);
  hint->SetActive(false);
  Activate(window.get(), {100, 100}, "Nothing");
  EXPECT_FALSE(Showing(window.get()));
  hint->SetActive(true);
  Activate(window.get(), {100, 100}, "Something");
  EXPECT_TRUE(Showing(window.get()));
}

TEST_F(SkinHintTest, SizesItselfToItsLinesAndStaysOnTheScreen) {
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  Activate(window, {100, 100}, "a");
  const int oneLine = window->Height() - 4;
  EXPECT_EQ(window->BoundsRect(), Bounds(100, 100, window->Width(), window->Height()));
  Activate(window, {100, 100}, "a@b");  // the default separator breaks the line
  EXPECT_EQ(window->Caption(), "a\n\rb");
  EXPECT_EQ(window->Height() - 4, 2 * oneLine);
  hint->SetLineSeparator("|");
  Activate(window, {100, 100}, "a|b@c");
  EXPECT_EQ(window->Height() - 4, 2 * oneLine);

  // Near the right and bottom edges the hint goes left of and above the point.
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  Activate(window, {screenWidth - 10, 100}, "Near the edge");
  EXPECT_EQ(window->Left(), screenWidth - 10 - window->Width() - 2);
  Activate(window, {100, screenHeight - 5}, "Near the bottom");
  EXPECT_EQ(window->Top(), screenHeight - 5 - window->Height() - 2);
  EXPECT_EQ(window->Left(), 100);
}

TEST_F(SkinHintTest, TakesTheTitleAndImageOfSkinnedControls) {
  auto* hint = new TspSkinHint(main);
  TImageList images(nullptr);
  images.SetSize(24, 24);
  TBitmap picture(24, 24);
  images.Add(&picture, nullptr);
  auto* panel = AddChild<TspSkinPanel>(main, Bounds(10, 10, 100, 60));
  panel->SetHint("Body");
  panel->SetShowHint(true);
  auto* button = AddChild<TspSkinSpeedButton>(main, Bounds(150, 10, 30, 30));  // windowless
  button->SetHint("Body");
  button->SetShowHint(true);
  button->SetHintImageList(&images);
  main->Show();

  RestOn(panel);
  TspSkinHintWindow* window = ApplicationHintWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->Titled());
  const TSize plain{window->Width(), window->Height()};
  const int titleHeight = window->Canvas()->TextHeight("Title");

  Application->CancelHint();
  panel->SetHintTitle("Title");
  RestOn(panel);
  EXPECT_TRUE(window->Titled());
  EXPECT_TRUE(Showing(window));
  EXPECT_EQ(window->Height(), plain.cy + titleHeight + 10);

  Application->CancelHint();
  RestOn(button);
  EXPECT_TRUE(window->Titled());  // an image list alone gives the titled form
  EXPECT_EQ(window->Width(), plain.cx + 24 + 10);
  EXPECT_EQ(window->Height(), 24 + 5 + 4);

  // Whatever the component's own handler does comes after.
  hint->OnShowHint = [](std::string& text, bool&, THintInfo&) { text = "Changed"; };
  Application->CancelHint();
  RestOn(panel);
  EXPECT_EQ(window->Caption(), "Changed");
  EXPECT_EQ(hint->HintTitle(), "Title");
}

TEST_F(SkinHintTest, ShowsTimedHintsAfterThePauseUntilTheHidePause) {
  TSeamOverride<TPoint()> pointer(Seams::CursorPos, [] { return TPoint{200, 150}; });
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  hint->ActivateHintDelayed("First");
  hint->ActivateHintDelayed("Second");  // replaces the first
  ASSERT_NE(hint->HintTimer(), nullptr);
  EXPECT_EQ(hint->HintTimer()->Interval(), 60000u);
  EXPECT_FALSE(Showing(window));
  Tick(hint->HintTimer());
  EXPECT_TRUE(Showing(window));
  EXPECT_EQ(window->Caption(), "Second");
  EXPECT_EQ(window->Left(), 200);  // under the cursor's image
  EXPECT_EQ(window->Top(), 150 + CursorBottomMargin());
  ASSERT_NE(hint->HintTimer(), nullptr);
  EXPECT_EQ(hint->HintTimer()->Interval(), static_cast<unsigned>(Application->HintHidePause()));
  Tick(hint->HintTimer());
  EXPECT_FALSE(Showing(window));
  EXPECT_EQ(hint->HintTimer(), nullptr);

  // Hidden before the pause ends, it never shows.
  hint->ActivateHintDelayed("Never");
  hint->HideHint();
  EXPECT_EQ(hint->HintTimer(), nullptr);
  PumpFor(30);
  EXPECT_FALSE(Showing(window));
}

TEST_F(SkinHintTest, TakesItsShapeFromTheSkinsMask) {
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  hint->SetSkinData(LoadedSkin("flatcolour"));
  Activate(window, {100, 100}, "Masked");
  ASSERT_TRUE(window->Skinned());
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window->Handle(), region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 2, 2));
  EXPECT_TRUE(PtInRegion(region.get(), window->Width() - 3, window->Height() - 3));
  EXPECT_FALSE(PtInRegion(region.get(), window->Width() - 1, window->Height() - 1));
  Activate(window, {100, 100}, "A longer text on the same window");  // a new region for the new size
  ASSERT_NE(GetWindowRgn(window->Handle(), region.get()), ERROR);
  EXPECT_TRUE(PtInRegion(region.get(), window->Width() - 3, window->Height() - 3));

  // The skin's text area is in the middle of its picture: the text sits inside it.
  const TspDataSkinHintWindow& entry = hint->SkinData()->HintWindow;
  TPixelDC dc(window->Width(), window->Height());
  SendMessageA(window->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  const TPixelImage& picture = hint->SkinData()->ActivePictures.at(static_cast<size_t>(entry.WindowPictureIndex));
  EXPECT_EQ(dc.Pixel(1, window->Height() / 2), picture.Pixel(1, picture.Height() / 2));

  // Without the skin's picture the window is plain again, without a region.
  hint->SetSkinData(nullptr);
  Activate(window, {100, 100}, "Plain");
  EXPECT_FALSE(window->Skinned());
  EXPECT_EQ(GetWindowRgn(window->Handle(), region.get()), ERROR);
  TPixelDC plain(window->Width(), window->Height());
  SendMessageA(window->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(plain.DC()), 0);
  EXPECT_EQ(plain.Pixel(0, 0), SysColor(clBtnShadow));
  EXPECT_EQ(plain.Pixel(1, window->Height() / 2), SysColor(clInfoBk));
}

TEST_F(SkinHintTest, FadesInThroughLayeredAlpha) {
  auto* hint = new TspSkinHint(main);
  TspSkinHintWindow* window = hint->HintWindow();
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendValue(150);
  Activate(window, {100, 100}, "Translucent");
  BYTE alpha = 0;
  DWORD flags = 0;
  EXPECT_TRUE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_TRUE(GetLayeredWindowAttributes(window->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 150);

  static DWORD clock = 0;
  static int reads = 0;
  reads = 0;
  TSeamOverride<DWORD()> ticks(Seams::TickCount, [] {
    ++reads;
    return ++clock;
  });
  hint->SetAlphaBlendAnimation(true);
  hint->SetAlphaBlendValue(100);
  Activate(window, {100, 100}, "Fading");
  ASSERT_TRUE(GetLayeredWindowAttributes(window->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 100);
  EXPECT_GE(reads, 5 * 4);  // five steps of 20, each at least 4 ms after the last

  hint->SetAlphaBlend(false);
  Activate(window, {100, 100}, "Opaque");
  EXPECT_FALSE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_FALSE(window->Layered());
}

TEST_F(SkinHintTest, BlendsWithTheScreenWithoutLayeredWindows) {
  TSeamOverride<DWORD()> windowsNT4(Seams::WindowsVersion, [] { return DWORD{4}; });
  auto* hint = new TspSkinHint(main);
  EXPECT_FALSE(hint->AlphaBlendSupport());
  hint->SetAlphaBlendSupport(true);
  EXPECT_FALSE(hint->AlphaBlendSupport());
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendValue(128);
  main->Show();
  PumpFor(30);
  TspSkinHintWindow* window = hint->HintWindow();
  Activate(window, main->ClientToScreen({20, 20}), "Over the window");
  EXPECT_FALSE(window->Layered());
  TPixelDC dc(window->Width(), window->Height());
  SendMessageA(window->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.DC()), 0);
  const TColor face = SysColor(clInfoBk), under = main->Color();
  const TColor seen = dc.Pixel(1, window->Height() / 2);
  auto channel = [](TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  for (int shift : {0, 8, 16}) {
    const int expected = (channel(face, shift) * 128 + channel(under, shift) * 127 + 127) / 255;
    EXPECT_NEAR(channel(seen, shift), expected, 1) << shift;
  }
}

TEST_F(SkinHintTest, ScreenshotOfATitledHintWithAnImage) {
  auto* hint = new TspSkinHint(main);
  hint->SetSkinData(LoadedSkin("slate"));
  TImageList images(nullptr);
  images.SetSize(32, 32);
  TBitmap picture(32, 32);
  TCanvas& canvas = *picture.Canvas();
  canvas.Brush()->SetColor(RGBColor(40, 90, 160));
  canvas.FillRect({0, 0, 32, 32});
  canvas.Brush()->SetColor(RGBColor(250, 200, 60));
  canvas.Ellipse({6, 6, 26, 26});
  images.Add(&picture, nullptr);
  TspSkinHintWindow* window = hint->HintWindow();
  window->ActivateHintWithTitle({120, 120, 120, 120}, "Renames the selected files@by the chosen rules", "Rename",
                                &images, 0);
  ASSERT_TRUE(window->Titled() && window->Skinned());
  SaveWindowScreenshot(window->Handle(), "hint-slate");
}

}  // namespace
