#include "HintController.h"

#include "Application.h"
#include "DeviceContexts.h"
#include "MouseTracker.h"
#include "Screen.h"
#include "SystemSeams.h"

#include <algorithm>
#include <vector>

namespace {

// The control whose hint shows for the control under the pointer: the nearest one up
// the parent chain with a hint, if it lets its hint show.
TControl* HintOwner(TControl* control) {
  while (control != nullptr && control->Hint().empty()) control = control->Parent();
  return control != nullptr && control->ShowHint() ? control : nullptr;
}

TRect ScreenBoundsOf(TControl* control) {
  const TPoint origin = control->ClientToScreen({0, 0});
  return Bounds(origin.X, origin.Y, control->Width(), control->Height());
}

}  // namespace

int CursorBottomMargin() {
  int margin = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO info{};
  if (!GetIconInfo(GetCursor(), &info)) return margin;
  const TGdiObject<HBITMAP> maskBitmap(info.hbmMask), colorBitmap(info.hbmColor);
  BITMAP mask{};
  if (GetObjectA(info.hbmMask, sizeof mask, &mask) != 0 && mask.bmBitsPixel == 1 && mask.bmWidthBytes > 0 &&
      mask.bmHeight > 0) {
    std::vector<uint8_t> bits(static_cast<size_t>(mask.bmWidthBytes) * static_cast<size_t>(mask.bmHeight));
    if (GetBitmapBits(info.hbmMask, static_cast<LONG>(bits.size()), bits.data()) == static_cast<LONG>(bits.size())) {
      // A monochrome cursor keeps its AND mask above its XOR mask; a coloured one has
      // the AND mask only. The image ends at the last row that is not blank.
      const int rows = info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2;
      auto rowIs = [&](int row, uint8_t blank) {
        const uint8_t* begin = bits.data() + static_cast<size_t>(row) * static_cast<size_t>(mask.bmWidthBytes);
        for (const uint8_t* p = begin; p != begin + mask.bmWidthBytes; ++p)
          if (*p != blank) return false;
        return true;
      };
      int last = -1;
      for (int row = rows - 1; row >= 0 && last < 0; --row)
        if (!rowIs(row, 0xFF)) last = row;
      if (last < 0 && info.hbmColor == nullptr)
        for (int row = rows - 1; row >= 0 && last < 0; --row)
          if (!rowIs(rows + row, 0x00)) last = row;
      if (last >= 0) margin = last + 1 - static_cast<int>(info.yHotspot);
    }
  }
  return margin;
}

void THintController::PointerMoved() {
  TControl* control = MouseTracking::MouseControl();
  // Leaving the shown hint's area starts over, with the short pause.
  if (FPhase == TPhase::Showing && !PtInRect(FCursorRect, Seams::CursorPos())) FControl = nullptr;
  if (control == FControl) return;
  const bool wasShowing = FPhase == TPhase::Showing;
  StopTimer();
  HideWindow();
  FControl = control;
  FPhase = TPhase::Idle;
  if (!FApplication.ShowHint() || HintOwner(control) == nullptr) return;
  FPhase = TPhase::Waiting;
  StartTimer(wasShowing ? FApplication.HintShortPause() : FApplication.HintPause());
}

void THintController::TimerExpired() {
  StopTimer();
  if (FPhase == TPhase::Waiting) {
    FPhase = TPhase::Done;
    if (Show()) {
      FPhase = TPhase::Showing;
      if (FHideTimeout > 0) StartTimer(FHideTimeout);
    }
  } else if (FPhase == TPhase::Showing) {
    HideWindow();
    FPhase = TPhase::Done;
  }
}

void THintController::Cancel() {
  StopTimer();
  HideWindow();
  FControl = nullptr;
  FPhase = TPhase::Idle;
}

bool THintController::Show() {
  TControl* control = MouseTracking::MouseControl();
  TControl* owner = control == FControl ? HintOwner(control) : nullptr;
  if (owner == nullptr) return false;
  const TPoint cursor = Seams::CursorPos();
  std::string text = owner->Hint();
  THintInfo info;
  info.HintControl = owner;
  info.HintPos = {cursor.X, cursor.Y + CursorBottomMargin()};
  info.HintMaxWidth = Screen->Width();
  info.CursorRect = ScreenBoundsOf(owner);
  info.CursorPos = owner->ScreenToClient(cursor);
  info.HideTimeout = FApplication.HintHidePause();
  bool canShow = true;
  if (FApplication.OnShowHint) {
    TShowHintEvent handler = FApplication.OnShowHint;
    handler(text, canShow, info);
  }
  if (!canShow || text.empty() || FApplication.HintWindowClass == nullptr) return false;
  if (FWindow == nullptr) FWindow = FApplication.HintWindowClass(&FApplication);
  FWindow->SetColor(info.HintColor);
  const TRect size = FWindow->CalcHintRect(info.HintMaxWidth, text);
  FWindow->ActivateHint(OffsetRect(size, info.HintPos.X, info.HintPos.Y), text);
  FCursorRect = info.CursorRect;
  FHideTimeout = info.HideTimeout;
  return true;
}

void THintController::HideWindow() {
  if (FWindow != nullptr && FWindow->Visible()) FWindow->SetVisible(false);
}

void THintController::ReleaseWindow() {
  Cancel();
  THintWindow* window = FWindow;
  FWindow = nullptr;
  if (window != nullptr) window->Free();
}

void THintController::ComponentRemoved(TComponent* Component) {
  if (Component == FWindow) FWindow = nullptr;
}

void THintController::StartTimer(int Milliseconds) {
  SetTimer(FApplication.Handle(), TApplication::HintTimerId, static_cast<UINT>(std::max(Milliseconds, 1)), nullptr);
}

void THintController::StopTimer() {
  if (FApplication.HandleAllocated()) KillTimer(FApplication.Handle(), TApplication::HintTimerId);
}
