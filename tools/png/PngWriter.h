#pragma once
// Writes a TPixelImage as an 8-bit RGB PNG file: one IDAT chunk of zlib data (best
// compression, no row filters) and no ancillary chunks, so the same image always gives
// the same bytes.

#include "base/PixelImage.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> EncodePng(const TPixelImage& Image);
// Raises EFCreateError or EWriteError when the file cannot be written.
void WritePngFile(const TPixelImage& Image, const std::string& FileName);
