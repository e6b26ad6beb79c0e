#pragma once
// The settings dialog: the rename options, what to do with a name that exists, the list
// of names saved before renaming, and the tag defaults. It edits copies of the settings
// (app/SettingsChoices) and writes them back only on Save.

#include "app/windowrules/SettingsChoices.h"

#include "classlib/Form.h"
#include "classlib/FormBindings.h"

class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinComboBox;
class TspSkinData;
class TspSkinEdit;
class TspSkinGroupBox;
class TspSkinStdLabel;

class TFormConfig : public TForm {
public:
  explicit TFormConfig(TComponent* AOwner);
  // The shared stored skin is let go before the components go: the window never changes
  // or frees it.
  void BeforeDestruction() override;

  TspSkinData* SkinData = nullptr;
  TControl* PageControl_TabRename = nullptr;
  TControl* PageControl_TabID3Tags = nullptr;
  TspSkinGroupBox* TabRename_GroupBoxOptions = nullptr;
  TspSkinCheckRadioBox* GroupBoxOptions_CheckBoxAllWordsCaps = nullptr;
  TspSkinGroupBox* TabRename_GroupBoxSaving = nullptr;
  TspSkinCheckRadioBox* GroupBoxSaving_CheckBoxSaveToList = nullptr;
  TspSkinEdit* GroupBoxSaving_EditListName = nullptr;
  TspSkinStdLabel* GroupBoxSaving_LabelListNameNote = nullptr;  // why Save is disabled
  TspSkinStdLabel* GroupBoxSaving_LabelFileExists = nullptr;
  TspSkinComboBox* GroupBoxSaving_ComboBoxFileExists = nullptr;
  TspSkinGroupBox* TabID3Tags_GroupBoxTags = nullptr;
  TspSkinStdLabel* GroupBoxTags_LabelDefaultSaveActionForLog = nullptr;
  TspSkinComboBox* GroupBoxTags_ComboBoxSaveActionForLog = nullptr;
  TspSkinStdLabel* GroupBoxTags_LabelDefaultLanguageForComment = nullptr;
  TspSkinComboBox* GroupBoxTags_ComboBoxLanguage = nullptr;
  TspSkinStdLabel* GroupBoxTags_LabelDefaultChoiceForID3v1 = nullptr;
  TspSkinComboBox* GroupBoxTags_ComboBoxID3v1 = nullptr;
  TspSkinStdLabel* GroupBoxTags_LabelDefaultChoiceForID3v2 = nullptr;
  TspSkinComboBox* GroupBoxTags_ComboBoxID3v2 = nullptr;
  TspSkinButton* Form_ButtonSave = nullptr;
  TspSkinButton* Form_ButtonCancel = nullptr;

  // The program's skin and the copies of the settings.
  void FormCreate(TObject* Sender);
  // Texts, items and values, centred on the main window, the captions' rows laid out
  // by their texts; Cancel has the focus.
  void FormShow(TObject* Sender);
  void GroupBoxOptions_CheckBoxAllWordsCapsClick(TObject* Sender);
  void GroupBoxSaving_CheckBoxSaveToListClick(TObject* Sender);
  void GroupBoxSaving_EditListNameChange(TObject* Sender);
  void GroupBoxSaving_ComboBoxFileExistsChange(TObject* Sender);
  void GroupBoxTags_ComboBoxSaveActionForLogChange(TObject* Sender);
  void GroupBoxTags_ComboBoxLanguageChange(TObject* Sender);
  void GroupBoxTags_ComboBoxID3v1Change(TObject* Sender);
  void GroupBoxTags_ComboBoxID3v2Change(TObject* Sender);
  void Form_ButtonSaveClick(TObject* Sender);
  void Form_ButtonCancelClick(TObject* Sender);

  const TSettingsChoices& Choices() const { return FChoices; }

private:
  static const TFormBindings& Bindings();
  void SetTexts();
  void ShowChoices();
  void LayOutRows();
  // Save takes only a list name a file can have; the note under the name says why not.
  void ShowSaveEnabled();

  TSettingsChoices FChoices;
  bool FShowingState = false;
};

// Shows the settings dialog modally, owned by owner, and frees it (the settings' shower).
void ShowConfigDialog(TComponent* owner);
