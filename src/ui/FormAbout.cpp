#include "FormAbout.h"

#include "ProgramClasses.h"

#include "app/language/Translation.h"
#include "app/settings/Config.h"
#include "app/win32/FormPlacement.h"
#include "app/windowrules/AboutBox.h"

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinData.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"
#include "classlib/SystemSeams.h"

#include "base/ScopeExit.h"

namespace {

constexpr TColor kAddressHotColor = 10526303;

TspSkinLabel& AddressLabel(TObject* Sender) { return dynamic_cast<TspSkinLabel&>(*static_cast<TComponent*>(Sender)); }

void ShowAddressLook(TspSkinLabel& label, TColor color, TCursor cursor) {
  label.DefaultFont()->SetColor(color);
  label.DefaultFont()->SetStyle({fsBold});
  label.Repaint();
  label.SetCursor(cursor);
}

}  // namespace

TFormAbout::TFormAbout(TComponent* AOwner) : TForm(AOwner) {
  RegisterProgramClasses();
  ReadFormResource(*this, Bindings());
}

void TFormAbout::BeforeDestruction() {
  if (SkinData != nullptr) SkinData->SetCompressedStoredSkin(nullptr);
  TForm::BeforeDestruction();
}

const TFormBindings& TFormAbout::Bindings() {
  using F = TFormAbout;
  static const TFormBindings bindings =
      TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
          .Handler("FormCreate", &F::FormCreate)
          .Handler("FormShow", &F::FormShow)
          .Handler("AboutPanelLabelAddressMouseEnter", &F::AboutPanelLabelAddressMouseEnter)
          .Handler("AboutPanelLabelAddressMouseLeave", &F::AboutPanelLabelAddressMouseLeave)
          .Handler("AboutPanelLabelAddressClick", &F::AboutPanelLabelAddressClick)
          .Handler("FormAboutButtonOkClick", &F::FormAboutButtonOkClick)
          .Field("SkinData", &F::SkinData)
          .Field("AboutPanelLabelName", &F::AboutPanelLabelName)
          .Field("AboutPanelLabelVersion", &F::AboutPanelLabelVersion)
          .Field("AboutPanelLabelTranslators", &F::AboutPanelLabelTranslators)
          .Field("AboutPanelLabelMaker", &F::AboutPanelLabelMaker)
          .Field("AboutPanelLabelEmail", &F::AboutPanelLabelEmail)
          .Field("AboutPanelLabelWeb", &F::AboutPanelLabelWeb)
          .Field("AboutPanelLabelEmailAddress", &F::AboutPanelLabelEmailAddress)
          .Field("AboutPanelLabelWebAddress", &F::AboutPanelLabelWebAddress)
          .Field("FormAboutButtonOk", &F::FormAboutButtonOk);
  return bindings;
}

void TFormAbout::FormCreate(TObject*) {
  SkinData->SetSkinnableForm(true);
  SkinData->SetCompressedStoredSkin(Settings->StoredSkin);
  FAddressColor = AboutPanelLabelEmailAddress->DefaultFont()->Color();
}

void TFormAbout::FormShow(TObject*) {
  CenterFormOnForm(Application->MainForm(), this);
  SetCaption(LangText(TLangText::AboutWindowCaption));
  AboutPanelLabelName->SetCaption(Settings->ProductName);
  AboutPanelLabelVersion->SetCaption(AboutVersionText(*Settings));
  AboutPanelLabelTranslators->SetCaption(AboutTranslationText());
  AboutPanelLabelMaker->SetCaption(MakerLine);
  AboutPanelLabelEmail->SetCaption(LangText(TLangText::EmailLabel));
  AboutPanelLabelWeb->SetCaption(LangText(TLangText::WebLabel));
  AboutPanelLabelEmailAddress->SetCaption(MakerEmailAddress);
  AboutPanelLabelWebAddress->SetCaption(MakerWebAddress);
  FormAboutButtonOk->SetCaption(LangText(TLangText::OkButton));
}

void TFormAbout::AboutPanelLabelAddressMouseEnter(TObject* Sender) {
  ShowAddressLook(AddressLabel(Sender), kAddressHotColor, crHandPoint);
}

void TFormAbout::AboutPanelLabelAddressMouseLeave(TObject* Sender) {
  ShowAddressLook(AddressLabel(Sender), FAddressColor, crDefault);
}

void TFormAbout::AboutPanelLabelAddressClick(TObject* Sender) {
  const std::string target = AddressTarget(AddressLabel(Sender).Caption());
  Seams::ShellExecute(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TFormAbout::FormAboutButtonOkClick(TObject*) { SetModalResult(mrOk); }

void ShowAbout() {
  auto* about = new TFormAbout(Application);
  TScopeExit free([about] { about->Free(); });
  about->ShowModal();
}
