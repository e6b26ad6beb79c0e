#pragma once
// The combo box's search by typed characters and its completion of typed text, without
// windows. Both read one clock (milliseconds, compared as an unsigned 32-bit difference)
// and share the time of the last key.
//
// Searching is the list's: Find(Prefix, Start) gives the first item after Start (from the
// first item when Start is -1, wrapping at the end) whose text begins with Prefix without
// regard to case, or -1.

#include <cstdint>
#include <functional>
#include <string>

class TspTypeAhead {
public:
  using TFind = std::function<int(const std::string& Prefix, int Start)>;

  // Keys this far apart start a new search string.
  static constexpr uint32_t ResetInterval = 500;
  // Completion waits this long after the last key or completion.
  static constexpr uint32_t CompletionInterval = 200;

  // The item character C selects at time Now, or -1. With AutoComplete the characters
  // typed within ResetInterval of each other are searched together, else C alone. One
  // character is searched after ItemIndex (so repeating it steps through the items it
  // begins), several from the first item.
  int Key(char C, uint32_t Now, bool AutoComplete, int ItemIndex, const TFind& Find);
  // Whether a completion runs at Now (more than CompletionInterval after the last key or
  // completion); when it does, Now becomes the last time.
  bool CompletionDue(uint32_t Now);
  // The item Typed completes to: searched as a typed search string is.
  static int Complete(const std::string& Typed, int ItemIndex, const TFind& Find);

  const std::string& SearchText() const { return FText; }

private:
  std::string FText;
  uint32_t FLastKey = 0;
};
