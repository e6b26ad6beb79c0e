#include "ItemDrawing.h"

#include "classlib/ImageList.h"

int DrawItemImage(TCanvas& Canvas, TCustomImageList* Images, int Index, const TRect& Text) {
  if (Images == nullptr || Index < 0 || Index >= Images->Count()) return 0;
  Images->Draw(&Canvas, Text.Left, Text.Top + Text.Height() / 2 - Images->Height() / 2, Index, true);
  return Images->Width() + 2;
}

void DrawTabbedItemText(TCanvas& Canvas, const std::string& S, int X, const TRect& Text,
                        const std::vector<int32_t>& Stops) {
  const int y = Text.Top + Text.Height() / 2 - Canvas.TextHeight(S) / 2;
  std::vector<INT> stops(Stops.begin(), Stops.end());
  TabbedTextOutA(Canvas.Handle(), X, y, S.data(), static_cast<int>(S.size()), static_cast<int>(stops.size()),
                 stops.empty() ? nullptr : stops.data(), 0);
}
