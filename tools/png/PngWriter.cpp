#include "PngWriter.h"

#include "base/Exceptions.h"
#include "base/Streams.h"

#include <zlib.h>

namespace {

void PutUInt32(std::vector<uint8_t>& Out, uint32_t Value) {
  for (int shift = 24; shift >= 0; shift -= 8) Out.push_back(static_cast<uint8_t>(Value >> shift));
}

// A chunk: length, type, data and the CRC of type and data.
void PutChunk(std::vector<uint8_t>& Out, const char (&Type)[5], const std::vector<uint8_t>& Data) {
  PutUInt32(Out, static_cast<uint32_t>(Data.size()));
  const size_t typeAt = Out.size();
  Out.insert(Out.end(), Type, Type + 4);
  Out.insert(Out.end(), Data.begin(), Data.end());
  const uLong crc =
      crc32(crc32(0, Z_NULL, 0), Out.data() + typeAt, static_cast<uInt>(4 + Data.size()));
  PutUInt32(Out, static_cast<uint32_t>(crc));
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& Raw) {
  uLongf size = compressBound(static_cast<uLong>(Raw.size()));
  std::vector<uint8_t> packed(size);
  if (compress2(packed.data(), &size, Raw.data(), static_cast<uLong>(Raw.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    throw Exception("compression error");
  packed.resize(size);
  return packed;
}

}  // namespace

std::vector<uint8_t> EncodePng(const TPixelImage& Image) {
  if (Image.Empty()) throw Exception("An empty image has no PNG form");
  std::vector<uint8_t> header;
  PutUInt32(header, static_cast<uint32_t>(Image.Width()));
  PutUInt32(header, static_cast<uint32_t>(Image.Height()));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, no filter, no interlace

  std::vector<uint8_t> rows;
  rows.reserve(static_cast<size_t>(Image.Height()) * (1 + 3 * static_cast<size_t>(Image.Width())));
  for (int32_t y = 0; y < Image.Height(); ++y) {
    rows.push_back(0);  // filter type None
    for (int32_t x = 0; x < Image.Width(); ++x) {
      const TColor c = Image.Pixel(x, y);
      rows.insert(rows.end(), {RedOf(c), GreenOf(c), BlueOf(c)});
    }
  }

  std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", Deflate(rows));
  PutChunk(png, "IEND", {});
  return png;
}

void WritePngFile(const TPixelImage& Image, const std::string& FileName) {
  const std::vector<uint8_t> png = EncodePng(Image);
  TFileStream file(FileName, fmCreate);
  file.WriteBuffer(png.data(), static_cast<int32_t>(png.size()));
}
