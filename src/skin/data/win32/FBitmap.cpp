#include "FBitmap.h"

TFBitmap::TFBitmap(HBITMAP Bitmap) : FSection(Bitmap) { InitScanLines(); }

void TFBitmap::InitScanLines() {
  if (Bits() == nullptr) return;
  FScanLines.resize(static_cast<size_t>(Height()));
  for (size_t i = 0; i < FScanLines.size(); ++i) FScanLines[i] = Bits() + i * static_cast<size_t>(RowInc());
  FDC.emplace(nullptr);
  FSelection.emplace(FDC->DC(), Handle());
}
