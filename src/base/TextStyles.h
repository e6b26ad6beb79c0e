#pragma once
// Font styles and text alignment, shared by the skin description model and the class
// library's fonts and controls.

#include "Set.h"

#include <cstdint>
#include <iterator>

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
// The alignments as form resources write them.
inline constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
static_assert(std::size(kAlignmentNames) == taCenter + 1);
