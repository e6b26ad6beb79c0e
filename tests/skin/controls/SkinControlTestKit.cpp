#include "SkinControlTestKit.h"

#include "skin/controls/SkinChangeParticipant.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "base/StrUtils.h"

#include "RuntimePath.h"
#include "UnclippedTexts.h"

#include <mutex>

void LoadTestSkin(TspCompressedStoredSkin& Stored, const std::string& Name) {
  Stored.LoadFromCompressedFile(RuntimePath(VQ_SKIN_FOLDER + Name + ".skn"));
}

TspSkinPayload TestSkinPayload(const std::string& Name) {
  TspCompressedStoredSkin stored(nullptr);
  LoadTestSkin(stored, Name);
  return StoredSkinPayload(stored);
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

void TSkinTestWindow::Load(const std::string& Skin, const TSkinEdit& Edit) {
  LoadTestSkin(FStored, Skin);
  EditStoredSkin(FStored, Edit);
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

TOwned<TForm> ReadSkinnedTestForm(const std::string& FormClass) {
  static std::once_flag registration;
  std::call_once(registration, [] {
    RegisterSkinDataClasses(TClassRegistry::Instance());
    RegisterSkinControlClasses(TClassRegistry::Instance());
  });
  const std::string text =
      StringReplace(FormResourceText(FormClass), ": " + FormClass, ": TForm", rfReplaceAll);
  TOwned<TForm> form(new TForm(Application));
  ReadForm(*form, text, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()), FormClass);
  if (auto* data = dynamic_cast<TspSkinData*>(form->FindComponent("SkinData")); data != nullptr && !data->Empty())
    ChangeChildrenSkinData(data, form.get());
  return form;
}

std::unique_ptr<TPixelDC> Painted(TWinControl* Control, TColor Background) {
  auto dc = std::make_unique<TPixelDC>(Control->Width(), Control->Height());
  dc->Fill(Background);
  Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc->DC()), 0);
  return dc;
}

bool PaintsTextsWhole(TWinControl* Control) {
  const auto asked = Painted(Control);
  std::unique_ptr<TPixelDC> unclipped;
  {
    TUnclippedTexts texts;
    unclipped = Painted(Control);
  }
  for (int y = 0; y < Control->Height(); ++y)
    for (int x = 0; x < Control->Width(); ++x)
      if (asked->Pixel(x, y) != unclipped->Pixel(x, y)) return false;
  return true;
}
