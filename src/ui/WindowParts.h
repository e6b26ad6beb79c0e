#pragma once
// What the program's windows share: components of a form resource found by name, the
// hourglass while a long step runs, and boxes and lists shown as a rule says.

#include "classlib/Control.h"
#include "classlib/FormReader.h"

#include "base/Component.h"

#include <string>
#include <vector>

class TspSkinCheckRadioBox;
class TStrings;

// The component of that name and class that the form resource made; EFormReadError
// names it when the resource has none.
template <class T>
T& NamedComponent(const TComponent& Owner, const std::string& Name) {
  auto* component = dynamic_cast<T*>(Owner.FindComponent(Name));
  if (component == nullptr) throw EFormReadError("The form " + Owner.Name() + " has no component " + Name);
  return *component;
}

// The last character of a component's name as a number: "GroupBoxRemove_CheckBox3"
// gives 3; 0 when it is no digit.
int NameDigit(const TComponent& Component);

// The hourglass over every window while it lives, the cursor before it afterwards,
// also when the step raises.
class THourglass {
public:
  THourglass();
  ~THourglass();
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;

private:
  TCursor FSaved;
};

// Checked or unchecked (never left grayed) and enabled as given, in an order a disabled
// box cannot refuse.
void ShowCheckBox(TspSkinCheckRadioBox& Box, bool Checked, bool Enabled);

// Replaces a list's lines in one update.
void SetLines(TStrings& Lines, const std::vector<std::string>& Texts);
