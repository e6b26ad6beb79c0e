#include "SkinDrawing.h"

#include "SkinSystem.h"

#include "skin/data/SkinRects.h"

#include "base/Locale.h"

namespace {

// Shortens Text to its first Length characters; a wide text never ends in half a pair.
void CutTo(std::string& Text, size_t Length) { Text.resize(Length); }
void CutTo(std::wstring& Text, size_t Length) {
  Text.resize(Length);
  if (!Text.empty() && IsHighSurrogate(Text.back())) Text.pop_back();
}

// The ellipsis cut: characters go from the end until Text + Ellipsis fits. A prefix is
// never narrower than a shorter one, so the search starts at the longest prefix that
// fits on its own (found by halving) instead of removing one character at a time from a
// long text.
template <class TText, class TMeasure>
void FitToWidth(TText& Text, int MaxWidth, const TText& Ellipsis, TMeasure Width) {
  if (Width(Text) <= MaxWidth) return;
  size_t fits = 0, tooWide = Text.size();
  while (tooWide - fits > 1) {
    const size_t middle = fits + (tooWide - fits) / 2;
    if (Width(Text.substr(0, middle)) <= MaxWidth)
      fits = middle;
    else
      tooWide = middle;
  }
  CutTo(Text, fits);
  while (!Text.empty() && Width(Text + Ellipsis) > MaxWidth) CutTo(Text, Text.size() - 1);
  Text += Ellipsis;
}

std::string ToAnsi(const std::wstring& WS) {
  if (WS.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_ACP, 0, WS.data(), static_cast<int>(WS.size()), nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, WS.data(), static_cast<int>(WS.size()), ansi.data(), length, nullptr,
                      nullptr);
  return ansi;
}

TRect MeasureWide(TCanvas* Canvas, const std::wstring& WS) {
  TRect r{};
  DrawWideText(Canvas, WS, r, DT_CALCRECT);
  return r;
}

void Line(TCanvas* Canvas, int X0, int Y0, int X1, int Y1) {
  Canvas->MoveTo(X0, Y0);
  Canvas->LineTo(X1, Y1);
}

// Hollow rectangles in the pen's colour: the brush is clear while they are drawn.
void HollowRectangles(TCanvas* Canvas, std::initializer_list<TRect> Rects) {
  TBrush* brush = Canvas->Brush();
  const TBrushStyle style = brush->Style();
  brush->SetStyle(bsClear);
  for (const TRect& r : Rects) Canvas->Rectangle(r);
  brush->SetStyle(style);
}

// A rectangle filled with Color and framed in it.
void FilledRectangle(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Rectangle(R);
}

}  // namespace

void FitTextToWidth(TCanvas* Canvas, std::string& S, int MaxWidth) {
  FitToWidth(S, MaxWidth, std::string("..."),
             [Canvas](const std::string& text) { return Canvas->TextWidth(text); });
}

void FitWideTextToWidth(TCanvas* Canvas, std::wstring& WS, int MaxWidth) {
  FitToWidth(WS, MaxWidth, std::wstring(L"..."),
             [Canvas](const std::wstring& text) { return GetWideTextWidth(Canvas, text); });
}

int DrawWideText(TCanvas* Canvas, const std::wstring& WS, TRect& R, UINT Flags) {
  HDC dc = Canvas->Handle();
  RECT r = ToRECT(R);
  int result;
  if (IsNTPlatform()) {
    result = DrawTextW(dc, WS.data(), static_cast<int>(WS.size()), &r, Flags);
  } else {
    const std::string ansi = ToAnsi(WS);
    result = DrawTextA(dc, ansi.data(), static_cast<int>(ansi.size()), &r, Flags);
  }
  R = FromRECT(r);
  return result;
}

int GetWideTextWidth(TCanvas* Canvas, const std::wstring& WS) { return RectWidth(MeasureWide(Canvas, WS)); }

int GetWideTextHeight(TCanvas* Canvas, const std::wstring& WS) { return RectHeight(MeasureWide(Canvas, WS)); }

void DrawSingleLineText(TCanvas* Canvas, const std::string& S, const TRect& R) {
  if (S.empty()) return;
  RECT r = ToRECT(R);
  DrawTextA(Canvas->Handle(), S.data(), static_cast<int>(S.size()), &r, DT_SINGLELINE | DT_VCENTER);
}

void DrawTextInRect(TCanvas* Canvas, const std::string& S, const TRect& R) {
  DrawTextInRectOffset(Canvas, S, R, 0);
}

void DrawTextInRectOffset(TCanvas* Canvas, const std::string& S, const TRect& R, int Offset) {
  if (S.empty()) return;
  Canvas->TextRect(R, R.Left + 2 + Offset, R.Top + RectHeight(R) / 2 - Canvas->TextHeight(S) / 2, S);
}

void DrawSmallDownArrow(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  const int cx = R.Left + RectWidth(R) / 2;
  const int y0 = R.Top + RectHeight(R) / 2 + 2;
  for (int i = 2; i >= 0; --i) Line(Canvas, cx - i, y0 - i, cx + i + 1, y0 - i);
}

void DrawArrowImage(TCanvas* Canvas, const TRect& R, TColor Color, int Code) {
  if (Code < ArrowCode::Left || Code > ArrowCode::Down) return;
  Canvas->Pen()->SetColor(Color);
  const int cx = R.Left + RectWidth(R) / 2;
  const int cy = R.Top + RectHeight(R) / 2;
  for (int i = 0; i <= 3; ++i) {
    switch (Code) {
      case ArrowCode::Left:
        Line(Canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
        break;
      case ArrowCode::Right:
        Line(Canvas, cx + 2 - i, cy + i, cx + 2 - i, cy - i - 1);
        break;
      case ArrowCode::Up:
        Line(Canvas, cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
        break;
      default:  // ArrowCode::Down
        Line(Canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
        break;
    }
  }
}

void DrawRadioImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  FilledRectangle(Canvas, {X, Y, X + 6, Y + 6}, Color);
}

void DrawCheckImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i <= 2; ++i) {
    Canvas->MoveTo(X, Y + 5 - i);
    Canvas->LineTo(X + 2, Y + 7 - i);
    Canvas->LineTo(X + 7, Y + 2 - i);
  }
}

void DrawCloseImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Line(Canvas, X + 1, Y + 1, X + 9, Y + 9);
  Line(Canvas, X + 9, Y + 1, X + 1, Y + 9);
  Line(Canvas, X + 2, Y + 1, X + 10, Y + 9);
  Line(Canvas, X + 8, Y + 1, X, Y + 9);
}

void DrawSysMenuImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  HollowRectangles(Canvas, {{X + 1, Y + 3, X + 9, Y + 6}});
}

void DrawMinimizeImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Line(Canvas, X + 1, Y + 8, X + 9, Y + 8);
  Line(Canvas, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  HollowRectangles(Canvas, {{X, Y, X + 11, Y + 10}, {X, Y, X + 11, Y + 2}});
}

void DrawRestoreImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  HollowRectangles(Canvas, {{X + 2, Y, X + 10, Y + 6},
                            {X + 2, Y, X + 10, Y + 2},
                            {X, Y + 4, X + 7, Y + 10},
                            {X, Y + 4, X + 7, Y + 6}});
}

void DrawRollDownImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i <= 4; ++i) Line(Canvas, X + 5 - i, Y + 6 - i, X + 5 + i, Y + 6 - i);
}

void DrawRollUpImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i <= 4; ++i) Line(Canvas, X + 5 - i, Y + 2 + i, X + 5 + i, Y + 2 + i);
}

void DrawMinimizeToTrayImage(TCanvas* Canvas, int X, int Y, TColor Color) {
  FilledRectangle(Canvas, {X + 2, Y + 2, X + 7, Y + 7}, Color);
}

void SetDefaultSkinFont(TFont& Font) {
  Font.SetName("Arial");
  Font.SetHeight(14);
}
