#include "WindowParts.h"

#include "skin/controls/SkinCheckRadioBox.h"

#include "classlib/Screen.h"

#include "base/Strings.h"

int NameDigit(const TComponent& Component) {
  const std::string& name = Component.Name();
  return !name.empty() && name.back() >= '0' && name.back() <= '9' ? name.back() - '0' : 0;
}

THourglass::THourglass() : FSaved(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }

THourglass::~THourglass() { Screen->SetCursor(FSaved); }

void ShowCheckBox(TspSkinCheckRadioBox& Box, bool Checked, bool Enabled) {
  // A grayed box is not Checked, yet not unchecked either.
  if (Box.State() != (Checked ? cbChecked : cbUnchecked)) {
    Box.SetEnabled(true);  // a disabled box keeps its value
    if (Box.State() == cbGrayed)
      Box.SetState(Checked ? cbChecked : cbUnchecked);
    else
      Box.SetChecked(Checked);
  }
  Box.SetEnabled(Enabled);
}

void SetLines(TStrings& Lines, const std::vector<std::string>& Texts) {
  Lines.BeginUpdate();
  Lines.Clear();
  for (const std::string& text : Texts) Lines.Add(text);
  Lines.EndUpdate();
}
