#include "SkinCustomControlCore.h"

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/Bitmap.h"

void AssignSkinTextFont(TFont& Font, const TFont& Default, const TspSkinFontData* SkinFont, TspSkinData* Data) {
  Font.Assign(&Default);
  if (SkinFont != nullptr) {
    Font.SetName(SkinFont->Name);
    Font.SetHeight(SkinFont->Height);
    Font.SetStyle(SkinFont->Style);
  }
  if (Data != nullptr && Data->ResourceStrData() != nullptr) Font.SetCharset(Data->ResourceStrData()->CharSet());
}

template <class Base>
TspSkinCustomControlCore<Base>::TspSkinCustomControlCore(TComponent* AOwner) : Base(AOwner) {
  SetDefaultSkinFont(FDefaultFont);
  FDefaultFont.OnChange = Event(this, &TspSkinCustomControlCore::DefaultFontChange);
}

template <class Base>
void TspSkinCustomControlCore<Base>::DefaultFontChange(TObject*) {
  DefaultFontChanged();
  if (!this->Skinned()) this->Repaint();
}

template <class Base>
void TspSkinCustomControlCore<Base>::SetDefaultWidth(int32_t Value) {
  FDefaultWidth = Value;
  if (!this->Skinned() && Value > 0) this->SetWidth(Value);
}

template <class Base>
void TspSkinCustomControlCore<Base>::SetDefaultHeight(int32_t Value) {
  FDefaultHeight = Value;
  if (!this->Skinned() && Value > 0) this->SetHeight(Value);
}

template <class Base>
void TspSkinCustomControlCore<Base>::GetSkinData() {
  Base::GetSkinData();
  if (!this->Skinned()) return;
  if (const auto* entry = dynamic_cast<const TspDataSkinCustomControl*>(this->SkinEntry())) {
    TakeGeometry(this->SkinData(), *entry);
    this->FCursorIndex = entry->CursorIndex;
  } else {
    DropGeometry();
  }
}

template <class Base>
void TspSkinCustomControlCore<Base>::CalcSize(int& AWidth, int& AHeight) {
  if (this->Skinned()) FitGeometry(AWidth, AHeight);
}

template <class Base>
TSize TspSkinCustomControlCore<Base>::SkinSize() {
  int width = this->Width();
  int height = this->Height();
  if (this->Skinned()) {
    CalcSize(width, height);
  } else {
    if (FDefaultWidth > 0) width = FDefaultWidth;
    if (FDefaultHeight > 0) height = FDefaultHeight;
  }
  return {width, height};
}

template <class Base>
void TspSkinCustomControlCore<Base>::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* canvas = B->Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(this->ClientRect());
}

template <class Base>
void TspSkinCustomControlCore<Base>::AssignTextFont(TFont& Font, const TspSkinFontData* SkinFont) {
  AssignSkinTextFont(Font, FDefaultFont, FUseSkinFont ? SkinFont : nullptr, this->SkinData());
}

template class TspSkinCustomControlCore<TspSkinControl>;
template class TspSkinCustomControlCore<TspGraphicSkinControl>;
