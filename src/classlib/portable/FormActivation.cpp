#include "FormActivation.h"

namespace {

using TWanted = bool (*)(const TFormActivationFacts&);

// The newest form that can take the keyboard and is wanted.
std::optional<size_t> NewestTakingKeys(std::span<const TFormActivationFacts> forms, TWanted wanted) {
  for (size_t i = forms.size(); i-- > 0;)
    if (forms[i].Shown && forms[i].Enabled && wanted(forms[i])) return i;
  return std::nullopt;
}

}  // namespace

std::optional<size_t> FormToActivate(std::span<const TFormActivationFacts> Forms) {
  if (auto last = NewestTakingKeys(Forms, [](const TFormActivationFacts& f) { return f.LastActive; })) return last;
  if (auto main = NewestTakingKeys(Forms, [](const TFormActivationFacts& f) { return f.MainForm; })) return main;
  return NewestTakingKeys(Forms, [](const TFormActivationFacts&) { return true; });
}
