#include "Screenshot.h"

#include "PngWriter.h"
#include "RuntimePath.h"
#include "UiTest.h"

#include "classlib/Bitmap.h"
#include "classlib/DeviceContexts.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"

#include <algorithm>

namespace {

// The part of the window on the screen, in the window's own coordinates.
TRect VisiblePart(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const TRect screen = Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                              GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  return OffsetRect(IntersectRect(FromRECT(r), screen), -r.left, -r.top);
}

// Raises the window above the others for the capture, then puts it back among them.
class TRaisedWindow {
public:
  explicit TRaisedWindow(HWND window)
      : FWindow(window), FWasTopmost((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
  }
  ~TRaisedWindow() {
    if (!FWasTopmost) SetWindowPos(FWindow, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
  }
  TRaisedWindow(const TRaisedWindow&) = delete;
  TRaisedWindow& operator=(const TRaisedWindow&) = delete;

private:
  static constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  HWND FWindow;
  bool FWasTopmost;
};

// Copies Part (screen coordinates) from the screen's DC.
TPixelImage CopyScreenPixels(const TRect& Part) {
  TBitmap bitmap(Part.Width(), Part.Height());
  const TWindowDC screen(nullptr);
  BitBlt(bitmap.Canvas()->Handle(), 0, 0, Part.Width(), Part.Height(), screen.DC(), Part.Left, Part.Top, SRCCOPY);
  return bitmap.ToPixelImage();
}

// Copies the window's own pixels, frame included: other programs' windows on the shared
// test display, and the display's lag behind what the window drew, cannot spoil them.
TPixelImage CopyWindowPixels(HWND window, const TRect& part) {
  TBitmap bitmap(part.Width(), part.Height());
  const TWindowDC source(window, TWindowDC::WholeWindow);
  BitBlt(bitmap.Canvas()->Handle(), 0, 0, part.Width(), part.Height(), source.DC(), part.Left, part.Top, SRCCOPY);
  return bitmap.ToPixelImage();
}

bool IsFlat(const TPixelImage& image) {
  const TColor first = image.Pixel(0, 0);
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) != first) return false;
  return true;
}

}  // namespace

std::string ScreenshotFolder() { return IncludeTrailingBackslash(RuntimePath(VQ_SCREENSHOT_FOLDER)); }

TPixelImage CaptureWindow(HWND Window) {
  if (!IsWindow(Window) || !IsWindowVisible(Window)) return {};
  const TRaisedWindow raised(Window);
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Application->ProcessMessages();
  const TRect part = VisiblePart(Window);
  if (IsRectEmpty(part)) return {};
  return CopyWindowPixels(Window, part);
}

TPixelImage ScreenPictureOf(HWND Window) {
  if (!IsWindow(Window) || !IsWindowVisible(Window)) return {};
  const TRaisedWindow raised(Window);
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // What a window painted reaches the screen while its thread waits for messages.
  PumpFor(100);
  return ScreenPixelsAsShown(Window);
}

TPixelImage ScreenPixelsAsShown(HWND Window) {
  if (!IsWindow(Window) || !IsWindowVisible(Window)) return {};
  const TRect part = VisiblePart(Window);
  if (IsRectEmpty(part)) return {};
  RECT place{};
  GetWindowRect(Window, &place);
  return CopyScreenPixels(OffsetRect(part, place.left, place.top));
}

TScreenBackdrop::TScreenBackdrop(const TRect& Area, TColor Colour)
    : FForm(MakeForm(Area.Left, Area.Top, Area.Width(), Area.Height())), FColour(Colour) {
  FForm->SetColor(Colour);
  SetWindowPos(FForm->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(FForm->Handle());
}

int TScreenBackdrop::ShowingThrough(HWND Window, const std::function<bool(int32_t X, int32_t Y)>& Counted) const {
  RECT place{};
  GetWindowRect(Window, &place);
  const TPixelImage shown = ScreenPictureOf(Window);
  if (shown.Width() != place.right - place.left || shown.Height() != place.bottom - place.top) return -1;
  int through = 0;
  for (int32_t y = 0; y < shown.Height(); ++y)
    for (int32_t x = 0; x < shown.Width(); ++x)
      if (Counted(x, y) && shown.Pixel(x, y) == FColour) ++through;
  return through;
}

std::string ShapeFault(HWND Window, const TScreenBackdrop& Behind, const TMayCut& MayCut) {
  RECT bounds{};
  GetWindowRect(Window, &bounds);
  const int32_t width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  std::string fault;
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(Window, region.get()) != ERROR) {
    RECT box{};
    GetRgnBox(region.get(), &box);
    if (FromRECT(box) != Rect(0, 0, width, height))
      fault = "the region covers " + std::to_string(box.right) + " x " + std::to_string(box.bottom) + "; ";
  }
  const int hidden = Behind.ShowingThrough(Window, [&](int32_t X, int32_t Y) { return !MayCut(X, Y); });
  if (hidden < 0) return fault + "the window is not wholly on the screen";
  if (hidden > 0) fault += std::to_string(hidden) + " pixels of the window do not show";
  return fault;
}

TPixelImage WindowPixelsAsShown(HWND Window) {
  if (!IsWindow(Window) || !IsWindowVisible(Window)) return {};
  const TRect part = VisiblePart(Window);
  if (IsRectEmpty(part)) return {};
  return CopyWindowPixels(Window, part);
}

TPixelImage CaptureWindows(std::span<const HWND> Windows) {
  TRect span;
  for (HWND window : Windows) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return {};
    RECT r{};
    GetWindowRect(window, &r);
    const TRect place = FromRECT(r);
    span = IsRectEmpty(span) ? place
                             : TRect{std::min(span.Left, place.Left), std::min(span.Top, place.Top),
                                     std::max(span.Right, place.Right), std::max(span.Bottom, place.Bottom)};
  }
  if (IsRectEmpty(span)) return {};
  TPixelImage picture(span.Width(), span.Height());
  for (HWND window : Windows) {
    const TPixelImage part = CaptureWindow(window);
    RECT r{};
    GetWindowRect(window, &r);
    // The capture holds the part on the screen, which starts at the screen's edge.
    const int32_t left = std::max<int32_t>(r.left, GetSystemMetrics(SM_XVIRTUALSCREEN)) - span.Left;
    const int32_t top = std::max<int32_t>(r.top, GetSystemMetrics(SM_YVIRTUALSCREEN)) - span.Top;
    for (int32_t y = 0; y < part.Height() && top + y < picture.Height(); ++y)
      for (int32_t x = 0; x < part.Width() && left + x < picture.Width(); ++x)
        picture.SetPixel(left + x, top + y, part.Pixel(x, y));
  }
  return picture;
}

namespace {

::testing::AssertionResult SavePicture(const TPixelImage& picture, const std::string& Name) {
  if (picture.Empty())
    return ::testing::AssertionFailure() << "Screenshot " << Name << ": the window is not on the screen";
  if (IsFlat(picture))
    return ::testing::AssertionFailure() << "Screenshot " << Name << ": the picture is one flat colour "
                                         << std::hex << picture.Pixel(0, 0) << ", nothing was drawn";
  const std::string folder = ExcludeTrailingBackslash(ScreenshotFolder());
  if (!DirectoryExists(folder)) CreateDir(folder);
  const std::string path = ScreenshotFolder() + Name + ".png";
  try {
    WritePngFile(picture, path);
  } catch (const Exception& e) {
    return ::testing::AssertionFailure() << "Screenshot " << Name << ": " << e.Message();
  }
  return ::testing::AssertionSuccess() << path;
}

}  // namespace

::testing::AssertionResult TryWindowScreenshot(HWND Window, const std::string& Name) {
  return SavePicture(CaptureWindow(Window), Name);
}

void SaveWindowScreenshot(HWND Window, const std::string& Name) { EXPECT_TRUE(TryWindowScreenshot(Window, Name)); }

void SaveScreenPictureOf(HWND Window, const std::string& Name) {
  EXPECT_TRUE(SavePicture(ScreenPictureOf(Window), Name));
}

void SaveScreenPixelsAsShown(HWND Window, const std::string& Name) {
  EXPECT_TRUE(SavePicture(ScreenPixelsAsShown(Window), Name));
}

void SaveWindowsScreenshot(std::span<const HWND> Windows, const std::string& Name) {
  EXPECT_TRUE(SavePicture(CaptureWindows(Windows), Name));
}
