#pragma once
// Windows BMP files to and from TPixelImage.
//
// Reading accepts uncompressed 1-, 4-, 8-, 24- and 32-bit images (32-bit also with the
// standard BGR bit fields), bottom-up or top-down, with an info header of 40 bytes or
// more, and 1-, 4-, 8- and 24-bit ones with the 12-byte OS/2 core header. Palette
// images become 24-bit, 32-bit images keep their fourth byte. Every size in the file is
// checked before it is used; anything else raises EInvalidGraphic.

#include "PixelImage.h"

#include <cstddef>
#include <cstdint>

class TStream;

// Parses one BMP file held in data[0..size). The file's own size field must fit in
// size; Used (when given) receives that size.
TPixelImage ReadBmp(const uint8_t* Data, size_t Size, size_t* Used = nullptr);
// Reads exactly one BMP file, of the size its header gives, from the stream's position.
TPixelImage ReadBmp(TStream& Stream);
// The width and height that the headers of the BMP file at the stream's position give
// (a top-down height as its rows), read without moving on, so that a caller can refuse a
// picture before it is decoded; 0 by 0 when the headers are cut short (reading it then
// raises).
struct TBmpSides {
  int64_t Width = 0;
  int64_t Height = 0;
  int64_t Pixels() const { return Width * Height; }
};
TBmpSides BmpHeaderSides(TStream& Stream);

// Writes a bottom-up BMP of 24 or 32 bits per pixel: at 24 bits a 32-bit image loses its
// fourth byte, at 32 bits a 24-bit image gets fourth bytes of 0.
void WriteBmp(const TPixelImage& Image, TStream& Stream, int BitsPerPixel = 24);
// Writes a 1-bit BMP with a black and white palette: black pixels 0, all others 1.
void WriteMaskBmp(const TPixelImage& Image, TStream& Stream);
