// The main window's menus (program, selection, configuration with the run-time language
// menu, info) and its ID3 tags panel.
#include "FormFileEditor.h"

#include "FormAbout.h"
#include "TagEditorWindow.h"

#include "app/language/Translation.h"
#include "app/settings/Session.h"
#include "app/windowrules/AboutBox.h"
#include "app/windowrules/Core.h"
#include "app/windowrules/MainMenuCommands.h"

#include "grid/SkinStringGrid.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinMainMenuBar.h"

#include "classlib/Application.h"
#include "classlib/Menus.h"
#include "classlib/SystemSeams.h"

#include <utility>

void TFormFileEditor::SetMenuTexts() {
  using enum TLangText;
  const std::pair<TMenuItem*, TLangText> texts[] = {
      {Menu_Program, ProgramMenu},         {Menu_Rename, RenameMenu},
      {Menu_ID3Tags, ID3TagsMenu},         {Menu_Exit, ExitMenu},
      {Menu_Selection, SelectionMenu},     {Menu_SelectAll, SelectAllMenu},
      {Menu_SelectNone, SelectNoneMenu},   {Menu_Configuration, ConfigurationMenu},
      {Menu_ShellExtension, ShellExtensionMenu}, {Menu_AddedToRegistry, ShellVerbMenu},
      {Menu_Settings, SettingsMenu},       {Menu_Language, LanguageMenu},
      {Menu_Info, InfoMenu},               {Menu_Help, HelpMenu},
      {Menu_About, AboutMenu}};
  for (const auto& [item, text] : texts) item->SetCaption(LangText(text));
  // The bar's items measured and drawn anew.
  Form_MenuBar->UpdateItems();
  Form_MenuBar->ArrangeObjects();
  Form_MenuBar->Invalidate();
}

void TFormFileEditor::BuildLanguageMenu() {
  Menu_Language->Clear();
  for (const TLanguageMenuItem& language : LanguageMenuItems(*Settings, *Lang)) {
    auto* item = new TMenuItem(Form_MainMenu);
    item->SetCaption(language.Caption);
    if (language.RadioItem) {
      item->SetRadioItem(true);
      item->SetGroupIndex(1);
      item->OnClick = Event(this, &TFormFileEditor::Menu_LanguageClick);
    }
    Menu_Language->Add(item);
    item->SetChecked(language.Checked);
  }
}

void TFormFileEditor::Menu_LanguageClick(TObject* Sender) {
  auto& item = dynamic_cast<TMenuItem&>(*static_cast<TComponent*>(Sender));
  if (!SelectLanguage(*Settings, *Lang, item.MenuIndex())) return;
  item.SetChecked(true);
  InitialiseLanguage();
}

void TFormFileEditor::Menu_RenameClick(TObject*) {
  PanelSpeedButtons_SpeedButtonRenameClick(PanelSpeedButtons_SpeedButtonRename);
}

void TFormFileEditor::Menu_ID3TagsClick(TObject*) {
  PanelSpeedButtons_SpeedButtonTagsClick(PanelSpeedButtons_SpeedButtonTags);
}

void TFormFileEditor::Menu_ExitClick(TObject*) { Close(); }

void TFormFileEditor::Form_ButtonCloseClick(TObject*) { Close(); }

void TFormFileEditor::Menu_SelectAllClick(TObject*) { PanelGrid_GridFileNames->SelectRows(TGridModel::SelectAllRows); }

void TFormFileEditor::Menu_SelectNoneClick(TObject*) { PanelGrid_GridFileNames->SelectRows(TGridModel::SelectFocusedRow); }

void TFormFileEditor::Menu_SelectInvertClick(TObject*) { PanelGrid_GridFileNames->SelectRows(TGridModel::InvertRows); }

void TFormFileEditor::Menu_AddedToRegistryClick(TObject*) {
  if (CoreReady()) Menu_AddedToRegistry->SetChecked(ToggleShellVerb(*Settings, *Session, *FRegistry));
}

void TFormFileEditor::Menu_SettingsClick(TObject*) { ShowConfigForm(this); }

void TFormFileEditor::Menu_HelpClick(TObject*) {
  Seams::ShellExecute(nullptr, "open", AddressTarget(MakerWebAddress).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TFormFileEditor::Menu_AboutClick(TObject*) { ShowAbout(); }

void TFormFileEditor::PanelID3Tags_ButtonReadTagsClick(TObject*) {
  if (!CoreReady()) return;
  PanelGrid_GridFileNames->UpdateSelectedRows();
  if (!CanOpenTagEditor(*Settings)) return;
  ShowTagEditor(Application);
  FRenamePanel->RefreshFileNames();
}
