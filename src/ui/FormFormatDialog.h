#pragma once
// The format builder: a name format put together from its element boxes, added to the
// stored formats of its mode, and the stored formats' erasing and preferred one. Mode 0
// works on the rename formats of the main window's rebuild page, mode 1 on the formats
// with which the tag editor reads tags from paths. Its rules are app/FormatBuilder's.

#include "app/rename/FormatBuilder.h"

#include "classlib/Form.h"
#include "classlib/FormBindings.h"

#include <array>
#include <memory>

class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinData;
class TspSkinEdit;
class TspSkinListBox;
class TspSkinStdLabel;

class TFormFormatDialog : public TForm {
public:
  // The skin data keeps the program's stored skin until the window goes: the window
  // never changes or frees it.
  TFormFormatDialog(TComponent* AOwner, int Mode);

  TspSkinData* SkinData = nullptr;
  TspSkinStdLabel* PanelSyntax_LabelSyntax = nullptr;
  TspSkinStdLabel* PanelAllFormats_LabelFormats = nullptr;
  TspSkinListBox* PanelAllFormats_ListBoxFormats = nullptr;
  TspSkinButton* PanelAllFormats_ButtonErase = nullptr;
  TspSkinButton* PanelAllFormats_ButtonPreference = nullptr;
  TspSkinStdLabel* PanelCurrentFormat_LabelFormat = nullptr;
  TspSkinEdit* PanelCurrentFormat_EditFormat = nullptr;
  TspSkinButton* PanelCurrentFormat_ButtonAdd = nullptr;
  TspSkinButton* PanelCurrentFormat_ButtonErase = nullptr;
  TspSkinButton* Form_ButtonOk = nullptr;

  // Captions, the program's skin, the element boxes of the mode and the stored formats.
  void FormCreate(TObject* Sender);
  // Centred on the main window.
  void FormShow(TObject* Sender);
  void PanelSyntax_RadioButtonClick(TObject* Sender);
  void PanelCurrentFormat_ButtonAddClick(TObject* Sender);
  void PanelCurrentFormat_ButtonEraseClick(TObject* Sender);
  void PanelAllFormats_ListBoxFormatsClick(TObject* Sender);
  void PanelAllFormats_ButtonEraseClick(TObject* Sender);
  void PanelAllFormats_ButtonPreferenceClick(TObject* Sender);
  void Form_ButtonOkClick(TObject* Sender);

  const TFormatBuilder& Builder() const { return *FBuilder; }

private:
  static const TFormBindings& Bindings();
  TspSkinCheckRadioBox& ElementBox(TFormatElement Element) const;
  // The format being built: its example, which boxes may still add, its buttons.
  void ShowCurrentFormat();
  void ClearCurrentFormat();

  int FMode;
  std::unique_ptr<TFormatBuilder> FBuilder;
  bool FShowingState = false;
};

// Shows the format builder of a mode modally, owned by the application, and frees it.
void ExecuteFormatDialog(int Mode);
