#pragma once
// What a skin from outside may take. Skins are not trusted, so a load is bounded: its
// payload, its pictures' pixels and count here, and what it reads of its INI text in
// SkinIniBudget.h. A skin over any bound is refused with ESkinTooLarge; a malformed one
// raises the error of what could not be read.

#include "base/Exceptions.h"
#include "base/PixelImage.h"

#include <cstdint>

VQ_DECLARE_EXCEPTION(ESkinTooLarge, Exception);

// The most bytes a stored skin may inflate to.
inline constexpr int64_t MaxSkinPayloadSize = int64_t{64} << 20;
// All pictures of one skin together hold at most this many pixels (32 MiB of 32-bit
// pixels): the project's skins take up to 870,000. A picture is refused by the size its
// headers give, before it is decoded.
inline constexpr int64_t MaxSkinPixels = int64_t{1} << 23;
// The widest and highest a picture may be: as wide or high as a bitmap may be made.
inline constexpr int32_t MaxSkinPictureSide = TPixelImage::MaxDimension;
// The most active pictures a skin may have: the project's skins have up to 11. Were
// every one made a bitmap, a skin would still hold fewer GDI objects than the 10,000 a
// Windows process may.
inline constexpr int32_t MaxSkinActivePictures = 4096;
