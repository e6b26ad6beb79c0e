#pragma once
// Windows only. TFBitmap: a 24-bit top-down copy of a bitmap that mask scans read row by
// row: a DIB section with a table of its row addresses and a memory DC of its own that
// holds it. Rows are RowInc = Width * 3 + Gap bytes (Gap = Width mod 4 padding bytes),
// pixels blue, green, red.

#include "DibSection.h"

#include "classlib/DeviceContexts.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class TFBitmap {
public:
  // A copy of Bitmap's size and pixels (see TDibSection), then its row table and DC. A
  // handle that is not a bitmap gives no section, no rows and no DC.
  explicit TFBitmap(HBITMAP Bitmap);
  TFBitmap(const TFBitmap&) = delete;
  TFBitmap& operator=(const TFBitmap&) = delete;

  HBITMAP Handle() const { return FSection.Handle(); }
  uint8_t* Bits() const { return FSection.Bits(); }
  int32_t Width() const { return FSection.Width(); }
  int32_t Height() const { return FSection.Height(); }
  int32_t Gap() const { return Width() % 4; }
  int32_t RowInc() const { return Width() * 3 + Gap(); }
  // The address of each row, top row first.
  std::span<uint8_t* const> ScanLines() const { return FScanLines; }
  // A memory DC compatible with the screen with the section selected; nullptr without one.
  HDC DC() const { return FDC ? FDC->DC() : nullptr; }

private:
  // Fills the row table and selects the section into a new memory DC.
  void InitScanLines();

  // Freed in reverse order: the section is selected out, the DC deleted, and the section
  // deleted last, once no DC holds it.
  TDibSection FSection;
  std::vector<uint8_t*> FScanLines;
  std::optional<TMemoryDC> FDC;
  std::optional<TSelectedObject> FSelection;
};
