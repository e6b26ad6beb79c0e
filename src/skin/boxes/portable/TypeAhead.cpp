#include "TypeAhead.h"

int TspTypeAhead::Complete(const std::string& Typed, int ItemIndex, const TFind& Find) {
  return Find(Typed, Typed.size() == 1 ? ItemIndex : -1);
}

int TspTypeAhead::Key(char C, uint32_t Now, bool AutoComplete, int ItemIndex, const TFind& Find) {
  if (!AutoComplete) return Complete(std::string(1, C), ItemIndex, Find);
  if (Now - FLastKey >= ResetInterval) FText.clear();
  FLastKey = Now;
  FText += C;
  return Complete(FText, ItemIndex, Find);
}

bool TspTypeAhead::CompletionDue(uint32_t Now) {
  if (Now - FLastKey <= CompletionInterval) return false;
  FLastKey = Now;
  return true;
}
