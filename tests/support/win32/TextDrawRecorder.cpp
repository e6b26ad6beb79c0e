#include "TextDrawRecorder.h"

#include "ImportPatch.h"
#include "UiTest.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <stdexcept>

namespace {

TTextDrawRecorder* Recorder = nullptr;
std::map<std::string, std::vector<std::string>> StandIns;

using TDrawTextA = int(WINAPI*)(HDC, LPCSTR, int, LPRECT, UINT);
using TTextOutA = BOOL(WINAPI*)(HDC, int, int, LPCSTR, int);
using TExtTextOutA = BOOL(WINAPI*)(HDC, int, int, UINT, const RECT*, LPCSTR, UINT, const INT*);
using TTabbedTextOutA = LONG(WINAPI*)(HDC, int, int, LPCSTR, int, int, const INT*, int);

TDrawTextA SystemDrawTextA = nullptr;
TTextOutA SystemTextOutA = nullptr;
TExtTextOutA SystemExtTextOutA = nullptr;
TTabbedTextOutA SystemTabbedTextOutA = nullptr;

constexpr int32_t kUnbounded = 1 << 20;

TRect ClipBox(HDC dc) {
  RECT clip{};
  if (GetClipBox(dc, &clip) == ERROR) return {-kUnbounded, -kUnbounded, kUnbounded, kUnbounded};
  return {clip.left, clip.top, clip.right, clip.bottom};
}

std::string TextOf(LPCSTR text, int count) {
  if (text == nullptr) return {};
  return count < 0 ? std::string(text) : std::string(text, static_cast<size_t>(count));
}

// The texts to measure for one drawn text: itself, then its stand-ins.
std::vector<std::string> Measured(const std::string& drawn) {
  std::vector<std::string> texts{drawn};
  if (const auto found = StandIns.find(drawn); found != StandIns.end())
    texts.insert(texts.end(), found->second.begin(), found->second.end());
  return texts;
}

// How far the glyphs of a text reach left of its measured box and past its right edge.
struct TInkReach {
  int32_t Before = 0;
  int32_t After = 0;
};

// The text drawn by Draw (at Left, 0) in dc's font into a picture of its own, and where its
// pixels lie against the measured box of Size: a font's glyphs may reach past the width
// it measures (the positions of a long text's glyphs drift from the sum of their measured
// widths), so the measure alone does not tell whether the text shows whole.
TInkReach InkReach(HDC dc, TSize size, const std::function<void(HDC, int32_t Left)>& Draw) {
  const int32_t margin = 8 + size.cy;  // room for glyphs reaching out, italics included
  TPixelDC picture(size.cx + 2 * margin, std::max<int32_t>(size.cy, 1));
  picture.Fill(clWhite);
  const HGDIOBJ font = SelectObject(picture.DC(), GetCurrentObject(dc, OBJ_FONT));
  SetTextColor(picture.DC(), RGB(0, 0, 0));
  SetBkMode(picture.DC(), TRANSPARENT);
  Draw(picture.DC(), margin);
  SelectObject(picture.DC(), font);
  int32_t first = -1, last = -1;
  for (int32_t x = 0; x < size.cx + 2 * margin; ++x)
    for (int32_t y = 0; y < size.cy; ++y)
      if (picture.Pixel(x, y) != clWhite) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  if (first < 0) return {};
  return {std::max(margin - first, 0), std::max(last + 1 - (margin + size.cx), 0)};
}

void RecordDrawText(HDC dc, const std::string& drawn, const RECT& given, UINT format) {
  constexpr UINT kShortening = DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS | DT_MODIFYSTRING;
  constexpr UINT kPlacing = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM;
  const TRect rect{given.left, given.top, given.right, given.bottom};
  const TRect room = (format & DT_NOCLIP) != 0 ? ClipBox(dc) : IntersectRect(rect, ClipBox(dc));
  for (const std::string& text : Measured(drawn)) {
    RECT calc = given;
    SystemDrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &calc, (format | DT_CALCRECT) & ~kShortening);
    const int32_t width = calc.right - calc.left, height = calc.bottom - calc.top;
    int32_t left = rect.Left;
    if ((format & DT_CENTER) != 0) left = rect.Left + (rect.Width() - width) / 2;
    if ((format & DT_RIGHT) != 0) left = rect.Right - width;
    const TInkReach ink = InkReach(dc, {width, height}, [&](HDC picture, int32_t at) {
      RECT box{at, 0, at + width, height};
      SystemDrawTextA(picture, text.c_str(), static_cast<int>(text.size()), &box,
                      (format & ~(kShortening | kPlacing)) | DT_NOCLIP);
    });
    Recorder->Drawn.push_back({text, Bounds(left - ink.Before, rect.Top, ink.Before + width + ink.After, height),
                               room, (format & DT_WORDBREAK) != 0});
  }
}

void RecordTextOut(HDC dc, int x, int y, const std::string& drawn, const TRect& room) {
  for (const std::string& text : Measured(drawn)) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    const UINT align = GetTextAlign(dc);
    int32_t left = x;
    if ((align & TA_CENTER) == TA_CENTER)
      left = x - size.cx / 2;
    else if ((align & TA_RIGHT) != 0)
      left = x - size.cx;
    const TInkReach ink = InkReach(dc, {size.cx, size.cy}, [&](HDC picture, int32_t at) {
      SetTextAlign(picture, TA_LEFT | TA_TOP | TA_NOUPDATECP);
      SystemTextOutA(picture, at, 0, text.c_str(), static_cast<int>(text.size()));
    });
    // The baseline or bottom alignments move the text up; only its width is judged.
    Recorder->Drawn.push_back({text, Bounds(left - ink.Before, y, ink.Before + size.cx + ink.After, size.cy),
                               {room.Left, y, room.Right, y + size.cy}});
  }
}

int WINAPI RecordingDrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
  if (Recorder != nullptr && rect != nullptr && (format & DT_CALCRECT) == 0)
    RecordDrawText(dc, TextOf(text, count), *rect, format);
  return SystemDrawTextA(dc, text, count, rect, format);
}

BOOL WINAPI RecordingTextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
  if (Recorder != nullptr) RecordTextOut(dc, x, y, TextOf(text, count), ClipBox(dc));
  return SystemTextOutA(dc, x, y, text, count);
}

BOOL WINAPI RecordingExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                                 const INT* dx) {
  if (Recorder != nullptr && text != nullptr && count > 0) {
    TRect room = ClipBox(dc);
    if ((options & ETO_CLIPPED) != 0 && rect != nullptr)
      room = IntersectRect(room, {rect->left, rect->top, rect->right, rect->bottom});
    RecordTextOut(dc, x, y, std::string(text, count), room);
  }
  return SystemExtTextOutA(dc, x, y, options, rect, text, count, dx);
}

LONG WINAPI RecordingTabbedTextOutA(HDC dc, int x, int y, LPCSTR text, int count, int tabs, const INT* stops,
                                    int origin) {
  if (Recorder != nullptr) RecordTextOut(dc, x, y, TextOf(text, count), ClipBox(dc));
  return SystemTabbedTextOutA(dc, x, y, text, count, tabs, stops, origin);
}

void* Address(auto Function) { return reinterpret_cast<void*>(Function); }

}  // namespace

bool TDrawnText::Fits() const {
  return Needed.Left >= Room.Left && Needed.Right <= Room.Right && (!Wraps || Needed.Bottom <= Room.Bottom);
}

TTextDrawRecorder::TTextDrawRecorder() {
  if (Recorder != nullptr) throw std::logic_error("one text recorder at a time");
  SystemDrawTextA = SystemFunction<TDrawTextA>("user32.dll", "DrawTextA");
  SystemTextOutA = SystemFunction<TTextOutA>("gdi32.dll", "TextOutA");
  SystemExtTextOutA = SystemFunction<TExtTextOutA>("gdi32.dll", "ExtTextOutA");
  SystemTabbedTextOutA = SystemFunction<TTabbedTextOutA>("user32.dll", "TabbedTextOutA");
  PatchImports(Address(SystemDrawTextA), Address(RecordingDrawTextA));
  PatchImports(Address(SystemTextOutA), Address(RecordingTextOutA));
  PatchImports(Address(SystemExtTextOutA), Address(RecordingExtTextOutA));
  PatchImports(Address(SystemTabbedTextOutA), Address(RecordingTabbedTextOutA));
  Recorder = this;
}

TTextDrawRecorder::~TTextDrawRecorder() {
  PatchImports(Address(RecordingDrawTextA), Address(SystemDrawTextA));
  PatchImports(Address(RecordingTextOutA), Address(SystemTextOutA));
  PatchImports(Address(RecordingExtTextOutA), Address(SystemExtTextOutA));
  PatchImports(Address(RecordingTabbedTextOutA), Address(SystemTabbedTextOutA));
  StandIns.clear();
  Recorder = nullptr;
}

void TTextDrawRecorder::SetStandIns(const std::string& For, const std::vector<std::string>& Texts) {
  StandIns[For] = Texts;
}
