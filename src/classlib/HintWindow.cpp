#include "HintWindow.h"

#include "DeviceContexts.h"
#include "Screen.h"

#include <algorithm>

namespace {

constexpr UINT kTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
constexpr int kTextMargin = 2;  // between the border and the text, on each side

}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WndParent = nullptr;
  Params.WindowClass.style |= CS_SAVEBITS;
}

void THintWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_NCHITTEST) {
    Message.Result = HTTRANSPARENT;
    return;
  }
  TCustomControl::Dispatch(Message);
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint) {
  RECT r{0, 0, MaxWidth, 0};
  const HDC measuring = ScreenCompatibleDC();
  const TSavedDC saved(measuring);
  SelectObject(measuring, Font()->Handle());
  DrawTextA(measuring, Hint.c_str(), static_cast<int>(Hint.size()), &r, kTextFlags | DT_CALCRECT);
  // The text, its margins and the border.
  const int frame = 2 * (kTextMargin + 1);
  return {0, 0, r.right + frame, r.bottom + frame};
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& Hint) {
  const TRect desktop = Screen->DesktopRect();
  const int left = std::max(desktop.Left, std::min(Rect.Left, desktop.Right - Rect.Width()));
  const int top = std::max(desktop.Top, std::min(Rect.Top, desktop.Bottom - Rect.Height()));
  SetCaption(Hint);
  SetBounds(left, top, Rect.Width(), Rect.Height());
  SetWindowPos(Handle(), HWND_TOPMOST, left, top, Rect.Width(), Rect.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
  Update();
}

void THintWindow::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->Assign(Font());
  TRect text = InflateRect(ClientRect(), -kTextMargin, -kTextMargin);
  canvas->DrawText(Caption(), text, DrawTextBiDiModeFlags(kTextFlags));
}
