#pragma once
// The message window: one message of the service (app/messages/MessageDialog.h), shown modally
// with its text in a memo above a separator and up to four buttons, as the message's
// layout says. It is skinned with the stored skin the message brings (the main
// window's), through a skin data component and a skinned frame of its own; without one
// it keeps the ordinary window frame. TMessageWindowPresenter makes it the way every
// message is shown.

#include "app/messages/MessageDialog.h"

#include "classlib/Form.h"
#include "classlib/FormBindings.h"

class TspSkinButton;
class TspSkinData;
class TspSkinMemo;
class TspSkinScrollBar;

class TFormMessageDialog : public TForm {
public:
  // Reads the form resource; the dialog gets the answer of the button pressed.
  TFormMessageDialog(TComponent* AOwner, TMessageDialog& dialog);
  // The shared stored skin is let go before the components go: the window never changes
  // or frees it.
  void BeforeDestruction() override;

  // The components of the form resource. The resource decides their classes; the fields
  // ask only for what the window does with them.
  TspSkinData* SkinData = nullptr;
  TspSkinMemo* Memo = nullptr;
  // Shown beside the memo when the work area cuts a long message down.
  TspSkinScrollBar* MemoScrollBar = nullptr;
  TControl* Bevel = nullptr;
  TspSkinButton* ButtonOk = nullptr;
  TspSkinButton* ButtonYes = nullptr;
  TspSkinButton* ButtonNo = nullptr;
  TspSkinButton* ButtonCancel = nullptr;

  // Caption, text and size from the dialog's layout; a list goes into a bordered,
  // left-aligned memo. The window never grows beyond the work area: its memo then gets a
  // vertical scroll bar.
  void PrepareLayout();

  // Draws with the message's stored skin: with the owner's skin data when that holds it
  // loaded already (the main form's), else loads it itself; without one the window is not
  // skinned.
  void FormCreate(TObject* Sender);
  // Shows and places the kind's buttons, focuses the kind's button, makes its Escape
  // button the cancel button (the one Escape presses) and centres the window on the main
  // form (or the virtual screen), inside the work area.
  void FormShow(TObject* Sender);
  void ButtonOkClick(TObject* Sender);
  void ButtonYesClick(TObject* Sender);
  void ButtonNoClick(TObject* Sender);
  void ButtonCancelClick(TObject* Sender);

private:
  static const TFormBindings& Bindings();
  TspSkinButton* Button(TDialogButton which) const;
  void ShowAsList();
  void ShowScrollBar();
  void SetSizeWithinWorkArea(int64_t width, int64_t height);
  void KeepOnWorkArea();
  void Answer(TDialogButton pressed);

  TMessageDialog& FDialog;
};

// Shows each message in a TFormMessageDialog owned by the application's main form (none
// before it exists) and frees the window when the message ends, whatever happens.
class TMessageWindowPresenter : public TMessagePresenter {
public:
  void ShowModal(TMessageDialog& dialog) override;
};
