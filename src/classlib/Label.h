#pragma once
// TCustomLabel: windowless text. It can size itself to its text, and its caption's
// accelerator ("&x") moves the focus to FocusControl.

#include "CustomControls.h"

#include "base/TextStyles.h"

#include <string>

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The size follows the text (not while the form is read); a right-aligned label keeps
  // its right edge.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // "&x" underlines x and makes it the accelerator; off shows ampersands as they are.
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  // Transparent labels leave the parent's background; others fill with Color.
  bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
  void SetTransparent(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

protected:
  // The text shown: the caption by default.
  virtual std::string GetLabelText();
  // Draws (or with DT_CALCRECT measures into Rect) the label's text with Flags.
  virtual void DoDrawText(TRect& Rect, UINT Flags);
  // Sets the size to the text's when AutoSize is on.
  virtual void AdjustBounds();
  void Paint() override;

private:
  void Changed(bool Measure);

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
  using TCustomLabel::TCustomLabel;
};
