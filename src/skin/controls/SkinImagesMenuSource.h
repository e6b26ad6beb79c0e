#pragma once
// What a tool button needs of a skinned images menu (a grid of images to choose from)
// without depending on the menus: the selected item as the button shows it, and the
// two hooks through which the menu tells its button of a new choice and of its popup
// closing. The images menu implements it; the speed buttons hold it.

#include "base/Component.h"
#include "base/Delegate.h"

#include <cstdint>
#include <optional>
#include <string>

class TCustomImageList;

// The selected item of an images menu: the menu's image list, the item's image and
// caption.
struct TspImagesMenuItemView {
  TCustomImageList* Images = nullptr;
  int32_t ImageIndex = -1;
  std::string Caption;
};

class TspImagesMenuSource {
public:
  // The component the menu is: a holder frees-notifies on it and clears its reference
  // when it goes.
  virtual TComponent* MenuComponent() = 0;
  // The item at the menu's ItemIndex; nothing when no item is selected.
  virtual std::optional<TspImagesMenuItemView> SelectedItem() const = 0;
  // Fired after an item other than the previous one was chosen, before the menu's
  // OnChange. One hook: the control showing the selection sets it.
  virtual void SetOnInternalChange(const TNotifyEvent& Value) = 0;
  // Fired at every close of the menu's popup, before its OnMenuClose. The control that
  // opens the popup sets it.
  virtual void SetOnInternalMenuClose(const TNotifyEvent& Value) = 0;

protected:
  ~TspImagesMenuSource() = default;
};
