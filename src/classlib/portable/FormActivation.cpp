#include "FormActivation.h"

namespace {

bool TakesKeys(const TFormActivationFacts& form) { return form.Shown && form.Enabled; }

std::optional<size_t> Find(std::span<const TFormActivationFacts> forms, bool (*wanted)(const TFormActivationFacts&)) {
  for (size_t i = forms.size(); i-- > 0;)
    if (TakesKeys(forms[i]) && wanted(forms[i])) return i;
  return std::nullopt;
}

}  // namespace

std::optional<size_t> FormToActivate(std::span<const TFormActivationFacts> Forms) {
  if (auto last = Find(Forms, [](const TFormActivationFacts& f) { return f.LastActive; })) return last;
  if (auto main = Find(Forms, [](const TFormActivationFacts& f) { return f.MainForm; })) return main;
  return Find(Forms, [](const TFormActivationFacts&) { return true; });
}
