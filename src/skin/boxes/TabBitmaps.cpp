#include "TabBitmaps.h"

#include "skin/data/win32/EffectBmp.h"

#include "classlib/Bitmap.h"

namespace {

enum class TTurn { Left, Right, Flip };

std::unique_ptr<TspEffectBmp> Turned(TBitmap* B, TTurn Turn) {
  if (B == nullptr || B->Empty()) return nullptr;
  const auto source = TspEffectBmp::CreateFromHBitmap(B->Handle());
  const bool quarter = Turn != TTurn::Flip;
  auto turned = TspEffectBmp::CreateSize(quarter ? B->Height() : B->Width(), quarter ? B->Width() : B->Height());
  if (source == nullptr || turned == nullptr) return nullptr;
  if (Turn == TTurn::Left)
    source->RotateLeftTo(*turned);
  else if (Turn == TTurn::Right)
    source->RotateRightTo(*turned);
  else
    source->FlipVertTo(*turned);
  return turned;
}

}  // namespace

void DrawRotatedLeft(TCanvas* Cnvs, TBitmap* B, int X, int Y) {
  if (const auto turned = Turned(B, TTurn::Left)) turned->Draw(Cnvs->Handle(), X, Y);
}

void DrawRotatedRight(TCanvas* Cnvs, TBitmap* B, int X, int Y) {
  if (const auto turned = Turned(B, TTurn::Right)) turned->Draw(Cnvs->Handle(), X, Y);
}

void FlipBitmapVertically(TBitmap* B) {
  if (const auto turned = Turned(B, TTurn::Flip)) turned->Draw(B->Canvas()->Handle(), 0, 0);
}
