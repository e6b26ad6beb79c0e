#include "Screen.h"

#include "SystemSeams.h"
#include "WindowClasses.h"

#include "portable/CursorArt.h"

#include "base/Exceptions.h"

#include <algorithm>

namespace {

const char* SystemCursorName(TCursor index) {
  switch (index) {
    case crDefault:
    case crArrow: return IDC_ARROW;
    case crIBeam: return IDC_IBEAM;
    case crHourGlass: return IDC_WAIT;
    case crHSplit: return IDC_SIZEWE;
    case crVSplit: return IDC_SIZENS;
    case crHandPoint: return IDC_HAND;
    case crNoDrop: return IDC_NO;
    default: return nullptr;
  }
}

HCURSOR CreateDragCursor() {
  const TCursorMasks masks = CursorMasksFromArt(DragCursorArt());
  return CreateCursor(GetModuleHandleA(nullptr), 0, 0, kCursorSize, kCursorSize, masks.And.data(),
                      masks.Xor.data());
}

}  // namespace

HCURSOR SharedSystemCursor(LPCSTR Name) {
  static std::map<LPCSTR, HCURSOR> loaded;
  auto found = loaded.find(Name);
  if (found != loaded.end()) return found->second;
  HCURSOR cursor = LoadCursorA(nullptr, Name);
  if (cursor != nullptr) loaded.emplace(Name, cursor);
  return cursor;
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  if (HCURSOR drag = CreateDragCursor()) FOwnedCursors[crDrag] = drag;
}

TScreen::~TScreen() {
  for (const auto& entry : FOwnedCursors) DestroyCursor(entry.second);
}

TCustomForm* TScreen::Forms(int Index) const {
  CheckRange(Index, FormCount());
  return FForms[Index];
}

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FActiveForm == Form) FActiveForm = nullptr;
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  if (const char* name = SystemCursorName(Index)) return SharedSystemCursor(name);
  auto found = FOwnedCursors.find(Index);
  return found != FOwnedCursors.end() ? found->second : SharedSystemCursor(IDC_ARROW);
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
  if (SystemCursorName(Index) != nullptr) throw EInvalidOperation("A system cursor cannot be replaced");
  auto found = FOwnedCursors.find(Index);
  if (found != FOwnedCursors.end()) {
    if (found->second == Handle) return;
    DestroyCursor(found->second);
    FOwnedCursors.erase(found);
  }
  if (Handle != nullptr) FOwnedCursors[Index] = Handle;
}

void TScreen::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  RestoreCursor();
}

void TScreen::RestoreCursor() {
  if (FCursor != crDefault) {
    ::SetCursor(Cursors(FCursor));
    return;
  }
  // Back to the controls' own cursors: let the window under the pointer choose again.
  const TPoint cursor = Seams::CursorPos();
  const POINT p{cursor.X, cursor.Y};
  HWND window = WindowFromPoint(p);
  if (FindControl(window) == nullptr) return;
  const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(hit, WM_MOUSEMOVE));
}

TRect TScreen::WorkAreaRect() const { return Seams::WorkArea(); }

TRect TScreen::DesktopRect() const {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return Bounds(left, top, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}
