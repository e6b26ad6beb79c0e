#pragma once
// The about box: the product, its version, the translator of the loaded language and
// the maker's addresses, which open with the shell when clicked.

#include "classlib/Form.h"
#include "classlib/FormBindings.h"

class TspSkinButton;
class TspSkinData;
class TspSkinLabel;
class TspSkinStdLabel;

class TFormAbout : public TForm {
public:
  explicit TFormAbout(TComponent* AOwner);
  // The shared stored skin is let go before the components go: the window never changes
  // or frees it.
  void BeforeDestruction() override;

  TspSkinData* SkinData = nullptr;
  TspSkinStdLabel* AboutPanelLabelName = nullptr;
  TspSkinStdLabel* AboutPanelLabelVersion = nullptr;
  TspSkinStdLabel* AboutPanelLabelTranslators = nullptr;
  TspSkinStdLabel* AboutPanelLabelMaker = nullptr;
  TspSkinStdLabel* AboutPanelLabelEmail = nullptr;
  TspSkinStdLabel* AboutPanelLabelWeb = nullptr;
  TspSkinLabel* AboutPanelLabelEmailAddress = nullptr;
  TspSkinLabel* AboutPanelLabelWebAddress = nullptr;
  TspSkinButton* FormAboutButtonOk = nullptr;

  void FormCreate(TObject* Sender);
  // Centred on the main window, with every text.
  void FormShow(TObject* Sender);
  // An address label under the pointer shows a link's colour and the hand.
  void AboutPanelLabelAddressMouseEnter(TObject* Sender);
  void AboutPanelLabelAddressMouseLeave(TObject* Sender);
  // Opens the label's address with the shell.
  void AboutPanelLabelAddressClick(TObject* Sender);
  void FormAboutButtonOkClick(TObject* Sender);

private:
  static const TFormBindings& Bindings();

  TColor FAddressColor = 0;  // the address labels' colour off the pointer
};

// Shows the about box modally, owned by the application, and frees it.
void ShowAbout();
