#pragma once
// TCustomImageList: images of one size kept in a system image list (HIMAGELIST), with
// a mask for transparency, drawn normally or greyed for a disabled look.

#include "Icon.h"

#include "base/Component.h"
#include "base/win32/WinApi.h"

#include <commctrl.h>

class TCustomImageList : public TComponent {
public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the size empties the list.
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }
  void SetSize(int NewWidth, int NewHeight);
  int Count() const;

  // The system image list, made on demand; owned by this object.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Adds an image (cut into Width-wide pieces when wider); Mask may be nullptr.
  // Returns the index of the first image added, -1 on failure.
  int Add(TBitmap* Image, TBitmap* Mask);
  // Adds an image whose MaskColor pixels are transparent; Image itself is not changed.
  int AddMasked(TBitmap* Image, TColor MaskColor);
  void Delete(int Index);
  void Clear();

  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  // Copies image Index (over black) into Image, sized Width x Height.
  void GetBitmap(int Index, TBitmap* Image);
  void GetIcon(int Index, TIcon* Icon);

  TNotifyEvent OnChange;

private:
  void Changed();
  void DrawDisabled(HDC DC, int X, int Y, int Index);

  HIMAGELIST FHandle = nullptr;
  int FWidth = 16;
  int FHeight = 16;
};

class TImageList : public TCustomImageList {
public:
  using TCustomImageList::TCustomImageList;
};
