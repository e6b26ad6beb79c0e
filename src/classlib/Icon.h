#pragma once
// TIcon: one icon handle, owned and destroyed by the object.

#include "Bitmap.h"

class TIcon : public TGraphic {
public:
  TIcon() = default;
  ~TIcon() override;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Empty() const override { return FHandle == nullptr; }
  void Draw(TCanvas& Canvas, const TRect& Rect) override;

  HICON Handle() const { return FHandle; }
  // Takes ownership of Value (nullptr clears); the old icon is destroyed.
  void SetHandle(HICON Value);
  // Gives the handle away: the caller destroys it.
  // Loads an icon resource at its default size; false when the module has none.
  bool LoadFromResourceName(HINSTANCE Instance, const char* Name);
  void Assign(const TPersistent* Source) override;  // a copy of the icon

private:
  HICON FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
};
