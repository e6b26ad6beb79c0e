#pragma once
// What a skin from outside may take. Skins are not trusted, so a load is bounded: its
// payload and its pictures' pixels here, and what it reads of its INI text in
// SkinIniBudget.h. A skin over any bound is refused with ESkinTooLarge; a malformed one
// raises the error of what could not be read.

#include "base/Exceptions.h"

#include <cstdint>

VQ_DECLARE_EXCEPTION(ESkinTooLarge, Exception);

// The most bytes a stored skin may inflate to.
inline constexpr int64_t MaxSkinPayloadSize = int64_t{64} << 20;
// All pictures of one skin together hold at most this many pixels (about 100 MB of
// 24-bit pixels), however small the payload that describes them.
inline constexpr int64_t MaxSkinPixels = int64_t{1} << 25;
