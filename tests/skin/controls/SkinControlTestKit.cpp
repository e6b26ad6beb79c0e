#include "SkinControlTestKit.h"

#include "skin/controls/SkinChangeParticipant.h"
#include "skin/data/SkinMessages.h"

#include "RuntimePath.h"

void LoadTestSkin(TspCompressedStoredSkin& Stored, const std::string& Name) {
  Stored.LoadFromCompressedFile(RuntimePath(VQ_SKIN_FOLDER + Name + ".skn"));
}

void TSkinnedForm::Dispatch(TMessage& Message) {
  auto* data = reinterpret_cast<TspSkinData*>(Message.WParam);
  if (Message.Msg == SP_BEFORE_CHANGE_SKIN_DATA) PrepareChildrenSkinDataChange(data, this);
  if (Message.Msg == SP_CHANGE_SKIN_DATA) ChangeChildrenSkinData(data, this);
  TForm::Dispatch(Message);
}

TSkinTestWindow::TSkinTestWindow(int Width, int Height) : FForm(new TSkinnedForm), FData(new TspSkinData(FForm)) {
  FForm->SetBorderStyle(bsNone);
  FForm->SetBounds(40, 40, Width, Height);
  FForm->SetColor(RGBColor(10, 20, 30));
}

TSkinTestWindow::~TSkinTestWindow() { FForm->Free(); }

void TSkinTestWindow::Load(const std::string& Skin) {
  LoadTestSkin(FStored, Skin);
  FData->LoadCompressedStoredSkin(&FStored);
}

void TSkinTestWindow::Clear() {
  PrepareChildrenSkinDataChange(FData, FForm);
  FData->ClearSkin();
  ChangeChildrenSkinData(FData, FForm);
}

void TSkinTestWindow::Show() {
  FForm->Show();
  PumpFor(20);
}

TColor EntryColour(const TspSkinData& Data, const std::string& Name, const TRect& R) {
  const TspDataSkinControl& entry = *Data.CtrlList.at(static_cast<size_t>(Data.GetControlIndex(Name)));
  return Data.ActivePictures.at(static_cast<size_t>(entry.PictureIndex))
      .Pixel((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
}

std::unique_ptr<TPixelDC> Painted(TWinControl* Control, TColor Background) {
  auto dc = std::make_unique<TPixelDC>(Control->Width(), Control->Height());
  dc->Fill(Background);
  Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc->DC()), 0);
  return dc;
}
