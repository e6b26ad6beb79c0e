#include "FormFormatDialog.h"

#include "ProgramClasses.h"
#include "WindowParts.h"

#include "app/language/Translation.h"
#include "app/settings/Config.h"
#include "app/win32/FormPlacement.h"

#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinListBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinData.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "base/ScopeExit.h"

#include <utility>

namespace {

// Each element box by the end of its name.
constexpr std::pair<TFormatElement, const char*> kElementBoxes[] = {
    {TFormatElement::Folder, "Dir"},     {TFormatElement::Unused, "Unused"}, {TFormatElement::Artist, "Artist"},
    {TFormatElement::Title, "Title"},    {TFormatElement::Album, "Album"},   {TFormatElement::Year, "Year"},
    {TFormatElement::Track, "TrackNr"},  {TFormatElement::Genre, "Genre"}};

const std::string kElementBoxPrefix = "PanelSyntax_RadioButton";

TLangText ElementCaption(TFormatElement element) {
  using enum TLangText;
  switch (element) {
    case TFormatElement::Folder: return FolderLabel;
    case TFormatElement::Unused: return UnusedLabel;
    case TFormatElement::Artist: return ArtistLabel;
    case TFormatElement::Title: return TitleLabel;
    case TFormatElement::Album: return AlbumLabel;
    case TFormatElement::Year: return YearLabel;
    case TFormatElement::Track: return TrackLabel;
    case TFormatElement::Genre: return GenreLabel;
  }
  return TitleLabel;
}

}  // namespace

TFormFormatDialog::TFormFormatDialog(TComponent* AOwner, int Mode) : TForm(AOwner), FMode(Mode) {
  RegisterProgramClasses();
  ReadFormResource(*this, Bindings());
}

const TFormBindings& TFormFormatDialog::Bindings() {
  using F = TFormFormatDialog;
  static const TFormBindings bindings =
      TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
          .Handler("FormCreate", &F::FormCreate)
          .Handler("FormShow", &F::FormShow)
          .Handler("PanelSyntax_RadioButtonClick", &F::PanelSyntax_RadioButtonClick)
          .Handler("PanelCurrentFormat_ButtonAddClick", &F::PanelCurrentFormat_ButtonAddClick)
          .Handler("PanelCurrentFormat_ButtonEraseClick", &F::PanelCurrentFormat_ButtonEraseClick)
          .Handler("PanelAllFormats_ListBoxFormatsClick", &F::PanelAllFormats_ListBoxFormatsClick)
          .Handler("PanelAllFormats_ButtonEraseClick", &F::PanelAllFormats_ButtonEraseClick)
          .Handler("PanelAllFormats_ButtonPreferenceClick", &F::PanelAllFormats_ButtonPreferenceClick)
          .Handler("Form_ButtonOkClick", &F::Form_ButtonOkClick)
          .Field("SkinData", &F::SkinData)
          .Field("PanelSyntax_LabelSyntax", &F::PanelSyntax_LabelSyntax)
          .Field("PanelAllFormats_LabelFormats", &F::PanelAllFormats_LabelFormats)
          .Field("PanelAllFormats_ListBoxFormats", &F::PanelAllFormats_ListBoxFormats)
          .Field("PanelAllFormats_ButtonErase", &F::PanelAllFormats_ButtonErase)
          .Field("PanelAllFormats_ButtonPreference", &F::PanelAllFormats_ButtonPreference)
          .Field("PanelCurrentFormat_LabelFormat", &F::PanelCurrentFormat_LabelFormat)
          .Field("PanelCurrentFormat_EditFormat", &F::PanelCurrentFormat_EditFormat)
          .Field("PanelCurrentFormat_ButtonAdd", &F::PanelCurrentFormat_ButtonAdd)
          .Field("PanelCurrentFormat_ButtonErase", &F::PanelCurrentFormat_ButtonErase)
          .Field("Form_ButtonOk", &F::Form_ButtonOk);
  return bindings;
}

TspSkinCheckRadioBox& TFormFormatDialog::ElementBox(TFormatElement Element) const {
  for (const auto& [element, suffix] : kElementBoxes)
    if (element == Element) return NamedComponent<TspSkinCheckRadioBox>(*this, kElementBoxPrefix + suffix);
  throw EFormReadError("The format builder has no box for an element");
}

void TFormFormatDialog::FormCreate(TObject*) {
  FBuilder = std::make_unique<TFormatBuilder>(FMode, *Settings);
  SkinData->SetSkinnableForm(true);
  SkinData->SetCompressedStoredSkin(Settings->StoredSkin);
  using enum TLangText;
  SetCaption(FBuilder->Caption());
  const std::pair<TControl*, TLangText> texts[] = {
      {PanelSyntax_LabelSyntax, FormatSyntaxLabel},          {PanelAllFormats_LabelFormats, AvailableFormatsLabel},
      {PanelAllFormats_ButtonErase, EraseButton},            {PanelAllFormats_ButtonPreference, PreferenceButton},
      {PanelCurrentFormat_LabelFormat, FormatStructureLabel}, {PanelCurrentFormat_ButtonAdd, AddButton},
      {PanelCurrentFormat_ButtonErase, EraseButton},         {Form_ButtonOk, OkButton}};
  for (const auto& [control, text] : texts) control->SetCaption(LangText(text));
  for (const auto& [element, suffix] : kElementBoxes) ElementBox(element).SetCaption(LangText(ElementCaption(element)));
  ElementBox(TFormatElement::Folder).SetVisible(FBuilder->FolderElementsVisible());
  ElementBox(TFormatElement::Unused).SetVisible(FBuilder->FolderElementsVisible());
  SetLines(*PanelAllFormats_ListBoxFormats->Items(), FBuilder->StoredItems());
  PanelAllFormats_ListBoxFormats->SetItemIndex(FBuilder->InitialSelection());
  PanelAllFormats_ListBoxFormatsClick(PanelAllFormats_ListBoxFormats);
  ShowCurrentFormat();
}

void TFormFormatDialog::FormShow(TObject*) { CenterFormOnForm(Application->MainForm(), this); }

void TFormFormatDialog::ShowCurrentFormat() {
  FShowingState = true;
  TScopeExit shown([this] { FShowingState = false; });
  for (const auto& [element, suffix] : kElementBoxes) {
    TspSkinCheckRadioBox& box = ElementBox(element);
    ShowCheckBox(box, false, FBuilder->ElementEnabled(element));
  }
  PanelCurrentFormat_EditFormat->SetText(FBuilder->CurrentExample());
  PanelCurrentFormat_ButtonAdd->SetEnabled(FBuilder->CurrentButtonsEnabled());
  PanelCurrentFormat_ButtonErase->SetEnabled(FBuilder->CurrentButtonsEnabled());
}

void TFormFormatDialog::ClearCurrentFormat() {
  FBuilder->ClearCurrent();
  ShowCurrentFormat();
  Form_ButtonOk->SetFocus();
}

void TFormFormatDialog::PanelSyntax_RadioButtonClick(TObject* Sender) {
  if (FShowingState) return;
  for (const auto& [element, suffix] : kElementBoxes)
    if (&ElementBox(element) == Sender) FBuilder->Append(element);
  ShowCurrentFormat();
}

void TFormFormatDialog::PanelCurrentFormat_ButtonAddClick(TObject*) {
  const std::string example = FBuilder->CurrentExample();
  switch (FBuilder->Add()) {
    case TFormatAddResult::Added:
      PanelAllFormats_ListBoxFormats->Items()->Add(example);
      ClearCurrentFormat();
      break;
    case TFormatAddResult::Refused: ClearCurrentFormat(); break;
    case TFormatAddResult::Duplicate: break;  // kept for a change
  }
}

void TFormFormatDialog::PanelCurrentFormat_ButtonEraseClick(TObject*) { ClearCurrentFormat(); }

void TFormFormatDialog::PanelAllFormats_ListBoxFormatsClick(TObject*) {
  const int32_t selected = PanelAllFormats_ListBoxFormats->ItemIndex();
  PanelAllFormats_ButtonErase->SetEnabled(FBuilder->EraseEnabled(selected));
  PanelAllFormats_ButtonPreference->SetEnabled(FBuilder->PreferenceEnabled(selected));
}

void TFormFormatDialog::PanelAllFormats_ButtonEraseClick(TObject*) {
  const int32_t selected = PanelAllFormats_ListBoxFormats->ItemIndex();
  if (!FBuilder->EraseEnabled(selected)) return;
  const int32_t next = FBuilder->Erase(selected);
  PanelAllFormats_ListBoxFormats->Items()->Delete(selected);
  PanelAllFormats_ListBoxFormats->SetItemIndex(next);
  PanelAllFormats_ListBoxFormatsClick(PanelAllFormats_ListBoxFormats);
}

void TFormFormatDialog::PanelAllFormats_ButtonPreferenceClick(TObject*) {
  FBuilder->Prefer(PanelAllFormats_ListBoxFormats->ItemIndex());
  PanelAllFormats_ListBoxFormats->SetFocus();
  PanelAllFormats_ListBoxFormatsClick(PanelAllFormats_ListBoxFormats);
}

void TFormFormatDialog::Form_ButtonOkClick(TObject*) {
  FBuilder->Accept();
  SetModalResult(mrOk);
}

void ExecuteFormatDialog(int Mode) {
  auto* dialog = new TFormFormatDialog(Application, Mode);
  TScopeExit free([dialog] { dialog->Free(); });
  dialog->ShowModal();
}
