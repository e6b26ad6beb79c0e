#pragma once
// TMemo: text of several lines over the system's EDIT control, also seen as Lines.

#include "Edit.h"

#include "portable/ControlEnums.h"

#include "base/Strings.h"
#include "base/TextStyles.h"

#include <memory>

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemoStrings;

class TMemo : public TCustomEdit {
public:
  explicit TMemo(TComponent* AOwner);
  ~TMemo() override;

  // The text's lines (as the control breaks them); a final empty line after a line
  // break is not one of them.
  TStrings* Lines();
  void SetLines(TStrings* Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  // Lines break at the control's width (and it scrolls only vertically).
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The outer edge of a bevel, kept as the form gives it: the library draws no bevels
  // around windowed controls, so it shows only where a descendant draws one itself.
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value) { FBevelOuter = Value; }

protected:
  void CreateParams(TCreateParams& Params) override;

private:
  std::unique_ptr<TMemoStrings> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  TAlignment FAlignment = taLeftJustify;
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
};
