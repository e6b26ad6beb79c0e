#pragma once
// The sparse test skin: the flat-colour test skin with every optional part that a
// control can do without taken away, so that tests reach each fall-back.
//
// - No POPUPWINDOW and no HINTWINDOW section: menus and hints draw their skinless looks.
// - The frame has neither mask nor inactive picture.
// - The entries named by SparseMissingEntries() are absent: edits then borrow
//   "resizebutton", a tab's close button finds nothing to borrow, a horizontal bar that
//   meets a vertical one has no skin, section headers and skinned labels draw without
//   one, and the frame and the menu bar lack some of their buttons.
// - The entries that remain lack their optional state pictures: hot, pressed, focused
//   and disabled looks, the selected and focused items of lists and combo boxes, the
//   scroll bars' pressed and hot parts, the page control's active, focused and hot tabs,
//   its strip background and close buttons, the grid's focused cells, the menu items'
//   active marks, divider and animation, the menu bar items' pressed look, the caption's
//   active look and the caption buttons' restore looks.

#include "SkinBuilder.h"

#include <span>

inline constexpr const char* SparseTestSkinName = "Sparse";

// The required entries that the sparse skin leaves out, and the others it lacks that the
// flat-colour skin has.
std::span<const char* const> SparseMissingEntries();

void PaintSparseTestSkin(TSkinBuilder& Skin);
