#pragma once
// TspCustomEdit: the single-line edit every skinned edit builds on (the skinned edit, the
// numeric edit, the combo box's edit field). Over the class library's masked edit it
// adds a skinned context menu, a transparent mode in which the parent shows through, a
// read-only mode enforced by dropping the editing messages, Enter and Escape handed to
// the form (after OnKeyPress) and a two-pixel left text margin.
//
// The native control is created multi-line (without a password character), which lets
// it align its text and take a formatting rectangle; everything that would give it a
// second line is kept out: Ctrl+Enter and Tab are not typed, and a paste takes the
// clipboard's text up to its first line break.

#include "EditContextMenu.h"
#include "TextScrollWatch.h"

#include "classlib/Edit.h"

class TspCustomEdit;
using TspEditCancelModeEvent = TDelegate<void(TControl* Sender)>;

class TspCustomEdit : public TCustomMaskEdit {
public:
  explicit TspCustomEdit(TComponent* AOwner);

  // The skinned edits' own read-only flag: the native control stays writable and the
  // messages that would change the text are dropped. (It hides the masked edit's flag,
  // which makes the native control read-only; the form reader sets this one.)
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // The parent shows through the control's background; setting it makes the window again.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { SetRecreating(FTransparent, Value); }

  // The skinned context menu of the last right click while it lives; nullptr otherwise.
  TspSkinPopupMenu* ContextMenu() const { return FContextMenu.Menu(); }

  // In transparent mode the parent's area under the control is repainted with it.
  void Invalidate() override;
  void Dispatch(TMessage& Message) override;

  // Called on CM_CANCELMODE with the control that caused it.
  TspEditCancelModeEvent OnEditCancelMode;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Change() override;
  void BeforeDestruction() override;
  // The client area in the window's coordinates (inside a non-client frame).
  TRect ClientAreaInWindow();

private:
  void HandleChar(TMessage& Message);
  void HandleKeyDown(TMessage& Message);
  void PasteSingleLine();
  void HandleControlColor(TMessage& Message);
  void EraseTransparent(TMessage& Message);
  // The standard handling, then in transparent mode an invalidation.
  void InheritedThenInvalidate(TMessage& Message);

  bool FReadOnly = false;
  bool FTransparent = false;
  bool FMouseDown = false;
  TspTextScrollWatch FScrollWatch;  // in transparent mode
  TspEditContextMenu FContextMenu{*this, [this] { return FReadOnly; }};
};
