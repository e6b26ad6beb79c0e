#pragma once
// What the grid tests share: a shown window holding a string grid set up like the
// program's file list, the client point of a cell, and the window's pixels as they show.

#include "grid/SkinStringGrid.h"

#include "SkinControlTestKit.h"

#include <string>

class TGridTestWindow {
public:
  // A grid of DataRows rows below one heading row, with two columns (30 and the rest
  // of Width), rows selected as ranges; the window is shown with Skin ("" for none).
  TGridTestWindow(int32_t DataRows, const std::string& Skin, int Width = 400, int Height = 300);

  TSkinTestWindow& Window() { return FWindow; }
  // Gives the window test skin Name.
  void Load(const std::string& Skin);
  TDynSkinStringGrid* Grid() const { return FGrid; }
  // The client point in the middle of a cell.
  TPoint Centre(int32_t ACol, int32_t ARow) const;
  // Each data row's texts: its number and "File <number>".
  void FillTexts();

  // The left button pressed, moved with and released over cells, as posted messages.
  void Press(int32_t ARow, WPARAM Keys = 0, int32_t ACol = 1) { Post(WM_LBUTTONDOWN, ACol, ARow, Keys | MK_LBUTTON); }
  void MoveTo(int32_t ARow, int32_t ACol = 1) { Post(WM_MOUSEMOVE, ACol, ARow, MK_LBUTTON); }
  void Release(int32_t ARow, int32_t ACol = 1) { Post(WM_LBUTTONUP, ACol, ARow, 0); }
  void Click(int32_t ARow, WPARAM Keys = 0) {
    Press(ARow, Keys);
    Release(ARow);
  }
  // Takes the keyboard focus; whether it came.
  bool Focus();

private:
  void Post(UINT Msg, int32_t ACol, int32_t ARow, WPARAM Keys);

  TSkinTestWindow FWindow;
  TDynSkinStringGrid* FGrid;
};

// The grid's client area as its window shows it now, after what is pending has painted.
TPixelImage ShownPixels(TWinControl* Control);
// The same after the whole control is painted anew.
TPixelImage RepaintedPixels(TWinControl* Control);
// How many pixels two images of one size show in other colours.
int DifferentPixels(const TPixelImage& A, const TPixelImage& B);
