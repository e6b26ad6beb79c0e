#pragma once
// A live view of the rows selected in a window's grid: the grid owns and updates the
// array, the manager reads its current content and copies nothing.

#include "base/Object.h"

#include <cstdint>
#include <vector>

class TSelectionManager : public TObject {
public:
  // Binds the view to the grid's selected-rows array, which must outlive the binding.
  void SetItems(const std::vector<int32_t>& rows) { FRows = &rows; }
  void SetItems(const std::vector<int32_t>&& rows) = delete;  // a temporary dies at once
  // Lets go of the grid, which is about to go; the view reads as empty until bound again.
  void Unbind() { FRows = nullptr; }

  // The number of selected rows; 0 while unbound.
  int32_t GetCount() const;
  // The index-th selected data row (0-based); ERangeError outside 0 .. GetCount() - 1.
  int32_t GetItem(int32_t index) const;

private:
  const std::vector<int32_t>* FRows = nullptr;
};
