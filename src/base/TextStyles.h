#pragma once
// Font styles and text alignment, shared by the skin description model and the class
// library's fonts and controls.

#include "Set.h"

#include <cstdint>

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
