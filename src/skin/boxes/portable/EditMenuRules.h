#pragma once
// The skinned edits' context menu without windows: its eight items with their skin
// string keys, which of them can be chosen for the edit's state, and the text a
// single-line edit takes from a paste.

#include "skin/data/ResourceStrData.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

enum class TspEditMenuItem { Undo, Separator1, Cut, Copy, Paste, Delete, Separator2, SelectAll };
inline constexpr int EditMenuItemCount = 8;

// The string role of an item's caption; none for a separator.
std::optional<TspSkinStringRole> EditMenuItemRole(TspEditMenuItem Item);

// What decides which items can be chosen. The selection runs from SelStart to SelEnd.
struct TspEditMenuInput {
  bool CanUndo = false;
  int32_t SelStart = 0;
  int32_t SelEnd = 0;
  int32_t TextLength = 0;
  bool ClipboardHasText = false;
  bool ReadOnly = false;
};

// By item, in menu order: Undo when the edit can undo; Cut and Delete with a selection
// in an editable edit; Copy with a selection; Paste with text on the clipboard in an
// editable edit; Select All unless all is selected; the separators always.
std::array<bool, EditMenuItemCount> EditMenuEnabled(const TspEditMenuInput& Input);

// The part of Text a single-line edit takes: up to its first line break (CR or LF).
std::string SingleLineText(const std::string& Text);
