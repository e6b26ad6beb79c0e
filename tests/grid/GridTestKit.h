#pragma once
// What the grid tests share: a shown window holding a string grid set up like the
// program's file list, posted presses over its cells, and its pixels as they show.

#include "grid/SkinStringGrid.h"

#include "SkinControlTestKit.h"

#include <string>

class TGridTestWindow {
public:
  // Makes the grid, owned by Owner (a string grid when none is given).
  using TMakeGrid = TDynSkinStringGrid* (*)(TComponent* Owner);
  // Two columns (30 and the rest of Width) and DataRows rows of texts below a heading
  // row, rows selected as ranges, in test skin Skin ("" for none).
  TGridTestWindow(int32_t DataRows, const std::string& Skin, int Width = 400, int Height = 300,
                  TMakeGrid Make = nullptr);

  TSkinTestWindow& Window() { return FWindow; }
  TDynSkinStringGrid* Grid() const { return FGrid; }
  void Load(const std::string& Skin);
  void Load(const std::string& Skin, const TSkinEdit& Edit);  // the skin edited
  // Takes the keyboard focus; whether it came.
  bool Focus();
  // The client point in the middle of a cell.
  TPoint Centre(int32_t ACol, int32_t ARow) const;
  // The left button pressed, moved with and released over cells, through the queue.
  void Press(int32_t ARow, WPARAM Keys = 0, int32_t ACol = 1) { Post(WM_LBUTTONDOWN, ACol, ARow, Keys | MK_LBUTTON); }
  void MoveTo(int32_t ARow, int32_t ACol = 1) { Post(WM_MOUSEMOVE, ACol, ARow, MK_LBUTTON); }
  void Release(int32_t ARow, int32_t ACol = 1) { Post(WM_LBUTTONUP, ACol, ARow, 0); }
  void Click(int32_t ARow, WPARAM Keys = 0) {
    Press(ARow, Keys);
    Release(ARow);
  }
  // How many pixels of the window differ from a whole paint of it (after what is due
  // has been painted).
  int DifferFromAWholePaint();

private:
  void Post(UINT Msg, int32_t ACol, int32_t ARow, WPARAM Keys);

  TSkinTestWindow FWindow;
  TDynSkinStringGrid* FGrid;
};

// Control's client area as its window shows it, after what is due has been painted.
TPixelImage ShownPixels(TWinControl* Control);
