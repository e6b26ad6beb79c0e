#include "GridTestKit.h"

#include "classlib/DeviceContexts.h"

#include "RuntimePath.h"

TGridTestWindow::TGridTestWindow(int32_t DataRows, const std::string& Skin, int Width, int Height)
    : FWindow(Width + 20, Height + 20) {
  FGrid = FWindow.Add<TDynSkinStringGrid>({10, 10, 10 + Width, 10 + Height});
  FGrid->SetBorderStyle(bsNone);
  FGrid->SetColCount(2);
  FGrid->SetOptions({goRangeSelect, goDrawFocusSelected, goRowSelect});
  FGrid->SetSkinData(FWindow.Data());
  if (!Skin.empty()) Load(Skin);
  FGrid->SetDataRowCount(DataRows);
  FGrid->SetColWidths(0, 30);
  FGrid->SetColWidths(1, Width - 30);
  FWindow.Show();
}

void TGridTestWindow::Load(const std::string& Skin) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromCompressedFile(RuntimePath(VQ_GRID_SKIN_FOLDER + Skin + ".skn"));
  FWindow.Data()->LoadCompressedStoredSkin(&stored);
}

TPoint TGridTestWindow::Centre(int32_t ACol, int32_t ARow) const {
  const TRect r = FGrid->CellRect(ACol, ARow);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void TGridTestWindow::FillTexts() {
  FGrid->BeginUpdate();
  for (int32_t row = 1; row < FGrid->RowCount(); ++row) {
    FGrid->SetCells(0, row, std::to_string(row));
    FGrid->SetCells(1, row, "File " + std::to_string(row));
  }
  FGrid->EndUpdate();
}

bool TGridTestWindow::Focus() {
  FGrid->SetFocus();
  return PumpUntil([this] { return FGrid->Focused(); });
}

void TGridTestWindow::Post(UINT Msg, int32_t ACol, int32_t ARow, WPARAM Keys) {
  const TPoint p = Centre(ACol, ARow);
  PostMouse(FGrid, Msg, p.X, p.Y, Keys);
  Application->ProcessMessages();
}

TPixelImage ShownPixels(TWinControl* Control) {
  Application->ProcessMessages();
  Control->Update();
  const int w = Control->ClientWidth(), h = Control->ClientHeight();
  TBitmap bitmap(w, h, pf32bit);
  {
    const TWindowDC window(Control->Handle());
    BitBlt(bitmap.Canvas()->Handle(), 0, 0, w, h, window.DC(), 0, 0, SRCCOPY);
  }
  return bitmap.ToPixelImage();
}

TPixelImage RepaintedPixels(TWinControl* Control) {
  Control->Invalidate();
  return ShownPixels(Control);
}

int DifferentPixels(const TPixelImage& A, const TPixelImage& B) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) return A.Width() * A.Height();
  int count = 0;
  for (int32_t y = 0; y < A.Height(); ++y)
    for (int32_t x = 0; x < A.Width(); ++x) count += A.Pixel(x, y) != B.Pixel(x, y);
  return count;
}
