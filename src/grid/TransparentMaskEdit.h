#pragma once
// Windows only. TDynSkinTransparentMaskEdit: a masked edit that can let what lies under
// it show through. A transparent one writes its text without a background over what
// its parent paints there, so every change of its look repaints that part of the
// parent first and then the edit.

#include "classlib/Edit.h"

class TDynSkinTransparentMaskEdit : public TCustomMaskEdit {
public:
  using TCustomMaskEdit::TCustomMaskEdit;

  // Changing it makes the window anew (the system takes the transparent style only
  // when a window is created).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { SetRecreating(FTransparent, Value); }

  // Transparent: the parent's area under the edit, then the edit with its frame.
  void Invalidate() override;
  void Dispatch(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Change() override;
  // After a message that may change how the edit looks.
  void LookChanged() {
    if (FTransparent) Invalidate();
  }

private:
  bool FTransparent = false;
};
