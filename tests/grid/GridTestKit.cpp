#include "GridTestKit.h"

#include "classlib/DeviceContexts.h"

#include "RuntimePath.h"

TGridTestWindow::TGridTestWindow(int32_t DataRows, const std::string& Skin, int Width, int Height, TMakeGrid Make)
    : FWindow(Width + 20, Height + 20) {
  FGrid = Make != nullptr ? Make(FWindow.Form()) : new TDynSkinStringGrid(FWindow.Form());
  FGrid->SetParent(FWindow.Form());
  FGrid->SetBoundsRect({10, 10, 10 + Width, 10 + Height});
  FGrid->SetBorderStyle(bsNone);
  FGrid->SetColCount(2);
  FGrid->SetOptions({goRangeSelect, goDrawFocusSelected, goRowSelect});
  FGrid->SetSkinData(FWindow.Data());
  if (!Skin.empty()) Load(Skin);
  FGrid->SetDataRowCount(DataRows);
  FGrid->SetColWidths(0, 30);
  FGrid->SetColWidths(1, Width - 30);
  for (int32_t row = 1; row <= DataRows; ++row) {
    FGrid->SetCells(0, row, std::to_string(row));
    FGrid->SetCells(1, row, "File " + std::to_string(row));
  }
  FWindow.Show();
}

void TGridTestWindow::Load(const std::string& Skin) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromCompressedFile(RuntimePath(VQ_GRID_SKIN_FOLDER + Skin + ".skn"));
  FWindow.Data()->LoadCompressedStoredSkin(&stored);
}

void TGridTestWindow::Load(const std::string& Skin, const TSkinEdit& Edit) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromCompressedFile(RuntimePath(VQ_GRID_SKIN_FOLDER + Skin + ".skn"));
  EditStoredSkin(stored, Edit);
  FWindow.Data()->LoadCompressedStoredSkin(&stored);
}

bool TGridTestWindow::Focus() {
  FGrid->SetFocus();
  return PumpUntil([this] { return FGrid->Focused(); });
}

TPoint TGridTestWindow::Centre(int32_t ACol, int32_t ARow) const {
  const TRect r = FGrid->CellRect(ACol, ARow);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void TGridTestWindow::Post(UINT Msg, int32_t ACol, int32_t ARow, WPARAM Keys) {
  const TPoint p = Centre(ACol, ARow);
  PostMouse(FGrid, Msg, p.X, p.Y, Keys);
  Application->ProcessMessages();
}

int TGridTestWindow::DifferFromAWholePaint() {
  const TPixelImage shown = ShownPixels(FGrid);
  FGrid->Invalidate();
  const TPixelImage whole = ShownPixels(FGrid);
  int count = 0;
  for (int32_t y = 0; y < shown.Height(); ++y)
    for (int32_t x = 0; x < shown.Width(); ++x) count += shown.Pixel(x, y) != whole.Pixel(x, y);
  return count;
}

TPixelImage ShownPixels(TWinControl* Control) {
  Application->ProcessMessages();
  Control->Update();
  const int w = Control->ClientWidth(), h = Control->ClientHeight();
  TBitmap bitmap(w, h, pf32bit);
  const TWindowDC window(Control->Handle());
  BitBlt(bitmap.Canvas()->Handle(), 0, 0, w, h, window.DC(), 0, 0, SRCCOPY);
  return bitmap.ToPixelImage();
}
