#pragma once
// Windows only. The text and mark routines every skinned control uses: the font a part
// starts with, text cut with "..." to fit a width, ANSI and wide text, the small arrows and the check and radio
// marks drawn when a skin has no picture for them, and the default glyphs of the caption
// buttons of a skinned window. All draw on the canvas with its current font, pen and
// brush unless a routine says otherwise.

#include "skin/data/ArrowCodes.h"

#include "classlib/Canvas.h"

#include <string>

// Gives Font the name and height a skinned part draws with until its form or skin gives
// others: Arial, 14 pixels.
void SetDefaultSkinFont(TFont& Font);

// Cuts S from the end until S + "..." is no wider than MaxWidth (or S is empty), then
// appends "..."; a text that fits stays as it is.
void FitTextToWidth(TCanvas* Canvas, std::string& S, int MaxWidth);
// The same for a wide text measured by GetWideTextWidth; a surrogate pair is cut whole.
void FitWideTextToWidth(TCanvas* Canvas, std::wstring& WS, int MaxWidth);

// DrawTextW of WS on Windows NT, otherwise DrawTextA of WS in the ANSI code page; the
// result is DrawText's (the text's height). With DT_CALCRECT R receives the size.
int DrawWideText(TCanvas* Canvas, const std::wstring& WS, TRect& R, UINT Flags);
// The size DrawWideText measures with DT_CALCRECT from (0, 0, 0, 0).
int GetWideTextWidth(TCanvas* Canvas, const std::wstring& WS);
int GetWideTextHeight(TCanvas* Canvas, const std::wstring& WS);

// One left-aligned line centred vertically in R; nothing for an empty S.
void DrawSingleLineText(TCanvas* Canvas, const std::string& S, const TRect& R);
// S at x = R.Left + 2, centred vertically, clipped to R (which the brush fills unless it
// is bsClear); nothing for an empty S. The Offset form starts Offset pixels further right.
void DrawTextInRect(TCanvas* Canvas, const std::string& S, const TRect& R);
void DrawTextInRectOffset(TCanvas* Canvas, const std::string& S, const TRect& R, int Offset);

// Marks and arrows in Color (the pen takes it; lines leave out their end points).
// Rows of 5, 3 and 1 pixels, the widest at R's vertical centre.
void DrawSmallDownArrow(TCanvas* Canvas, const TRect& R, TColor Color);
// A triangle of 4 lines (1 to 7 pixels) centred in R, pointing as the ArrowCode Code
// says; any other code draws nothing.
void DrawArrowImage(TCanvas* Canvas, const TRect& R, TColor Color, int Code);
// A filled 6 x 6 square at (X, Y).
void DrawRadioImage(TCanvas* Canvas, int X, int Y, TColor Color);
// A check mark three pixels thick in the 8 x 8 cell at (X, Y).
void DrawCheckImage(TCanvas* Canvas, int X, int Y, TColor Color);

// The default caption-button glyphs in a cell of about 10 x 10 pixels at (X, Y). Hollow
// rectangles leave the inside as it is (the brush style is restored afterwards).
void DrawCloseImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawSysMenuImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinimizeImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMaximizeImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRestoreImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollDownImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollUpImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinimizeToTrayImage(TCanvas* Canvas, int X, int Y, TColor Color);
