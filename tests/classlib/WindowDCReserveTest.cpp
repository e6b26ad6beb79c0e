#include "classlib/WindowDCReserve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

HWND MakeWindow(HWND Parent) {
  static const ATOM windowClass = [] {
    WNDCLASSA description{};
    description.lpfnWndProc = DefWindowProcA;
    description.lpszClassName = "WindowDCReserveTest";
    return RegisterClassA(&description);
  }();
  return CreateWindowExA(0, MAKEINTATOM(windowClass), "", (Parent != nullptr ? WS_CHILD : WS_POPUP) | WS_VISIBLE, 0,
                         0, 50, 50, Parent, nullptr, nullptr, nullptr);
}

// A program of its own: no window before it gave back a DC the cache could hand out.
TEST(WindowDCReserve, TheReservedDCsServeTheFirstPaintsOfNewWindows) {
  constexpr int kReserved = 10;
  constexpr int kControls = 6;  // the form's own frame and client area take some of them too
  const std::vector<HDC> reserved = ReserveWindowDCs(kReserved);
  ASSERT_EQ(reserved.size(), static_cast<size_t>(kReserved));
  EXPECT_EQ(std::set<HDC>(reserved.begin(), reserved.end()).size(), reserved.size()) << "each a DC of its own";

  // As a form shows: its windows are made, then each takes a DC for its first paint.
  HWND form = MakeWindow(nullptr);
  ASSERT_NE(form, nullptr);
  std::vector<HWND> controls;
  for (int i = 0; i < kControls; ++i) controls.push_back(MakeWindow(form));
  std::set<HDC> served;
  for (int i = 0; i < kControls; ++i) {
    HWND control = controls[i];
    HDC dc = GetDC(control);
    EXPECT_NE(std::find(reserved.begin(), reserved.end(), dc), reserved.end()) << "window " << i << " got a new DC";
    served.insert(dc);
    ReleaseDC(control, dc);
  }
  EXPECT_EQ(served.size(), static_cast<size_t>(kControls)) << "each window a DC of its own";
  DestroyWindow(form);
}

}  // namespace
