#pragma once
// The widths of a grid's columns or the heights of its rows: every line takes the
// default until one is set, then the lines keep one entry each.

#include <cstddef>
#include <cstdint>
#include <vector>

// The widest cell or line a grid takes, in pixels: far beyond any screen, and small
// enough that a cell and its line never overflow a 32-bit sum.
inline constexpr int32_t MaxGridExtent = 1 << 20;

// Raises ERangeError for a width or height outside 0 .. MaxGridExtent.
void CheckGridExtent(int32_t Value);

class TGridExtents {
public:
  explicit TGridExtents(int32_t Default) : FDefault(Default) {}

  int32_t Default() const { return FDefault; }
  // Takes a new default for every line: the entries are discarded. CheckGridExtent
  // applies.
  void SetDefault(int32_t Value);

  // Whether lines keep entries of their own.
  bool Exists() const { return !FSizes.empty(); }
  const std::vector<int32_t>& Sizes() const { return FSizes; }
  // The entry of line Index; the default without entries or beyond them.
  int32_t Get(int32_t Index) const {
    return Index >= 0 && static_cast<size_t>(Index) < FSizes.size() ? FSizes[static_cast<size_t>(Index)]
                                                                     : FDefault;
  }
  // Sets line Index of Count lines, making the entries on first use; false when it
  // already had the value. Raises ERangeError for an index outside 0 .. Count - 1 or a
  // value CheckGridExtent refuses.
  bool Set(int32_t Index, int32_t Value, int32_t Count);
  // Brings existing entries to Count lines; new lines take the default.
  void Resize(int32_t Count);
  // Moves the entry of line From to line To, the lines between shifting by one.
  void Move(int32_t From, int32_t To);

private:
  int32_t FDefault;
  std::vector<int32_t> FSizes;
};

// Moves the element at From of a vector to To, the elements between shifting by one.
template <class T>
void MoveElement(std::vector<T>& Items, int32_t From, int32_t To) {
  if (From == To) return;
  T item = Items[static_cast<size_t>(From)];
  Items.erase(Items.begin() + From);
  Items.insert(Items.begin() + To, item);
}
