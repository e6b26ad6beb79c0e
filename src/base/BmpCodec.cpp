#include "BmpCodec.h"

#include "Exceptions.h"
#include "Streams.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCoreHeaderSize = 12;  // the OS/2 BITMAPCOREHEADER
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

[[noreturn]] void Invalid(const std::string& why) {
  throw EInvalidGraphic("Bitmap image is not valid: " + why);
}

uint16_t Word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t DWord(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void PutWord(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutDWord(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// The header fields a decoder needs, validated against the file size.
struct TBmpLayout {
  int32_t Width = 0;
  int32_t Height = 0;  // rows, positive
  bool TopDown = false;
  int BitCount = 0;
  size_t PixelOffset = 0;
  size_t RowBytes = 0;
  std::vector<uint8_t> Palette;  // blue, green and red of each index, as rows hold them
  // For 1-bit pictures: eight pixels of index 0, then eight of index 1.
  std::array<uint8_t, 48> Runs{};
};

uint32_t FileSizeField(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize) Invalid("shorter than its file header");
  if (data[0] != 'B' || data[1] != 'M') Invalid("no BM signature");
  return DWord(data + 2);
}

// The sizes an info header gives: a 12-byte OS/2 core header holds 16-bit ones (its
// rows always bottom-up), every larger header 32-bit ones (negative height: top-down).
struct TBmpDimensions {
  int64_t Width = 0;
  int64_t Height = 0;
};

TBmpDimensions DimensionsOf(const uint8_t* info) {
  if (DWord(info) == kCoreHeaderSize) return {Word(info + 4), Word(info + 6)};
  return {static_cast<int32_t>(DWord(info + 4)), static_cast<int32_t>(DWord(info + 8))};
}

TBmpLayout ReadLayout(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize + kCoreHeaderSize) Invalid("shorter than its headers");
  const uint8_t* info = data + kFileHeaderSize;
  const uint32_t infoSize = DWord(info);
  const bool core = infoSize == kCoreHeaderSize;
  if ((!core && infoSize < kInfoHeaderSize) || infoSize > size - kFileHeaderSize) Invalid("bad info header size");

  TBmpLayout layout;
  const TBmpDimensions dimensions = DimensionsOf(info);
  if (dimensions.Width <= 0 || dimensions.Height == 0 || dimensions.Height == std::numeric_limits<int32_t>::min())
    Invalid("bad dimensions");
  layout.TopDown = dimensions.Height < 0;
  layout.Width = static_cast<int32_t>(dimensions.Width);
  layout.Height = static_cast<int32_t>(layout.TopDown ? -dimensions.Height : dimensions.Height);
  if (layout.Width > TPixelImage::MaxDimension || layout.Height > TPixelImage::MaxDimension ||
      int64_t{layout.Width} * layout.Height > TPixelImage::MaxPixels)
    Invalid("image too large");
  if (Word(info + (core ? 8 : 12)) != 1) Invalid("plane count is not 1");
  layout.BitCount = Word(info + (core ? 10 : 14));
  if (layout.BitCount != 1 && layout.BitCount != 4 && layout.BitCount != 8 &&
      layout.BitCount != 24 && (core || layout.BitCount != 32))
    Invalid("unsupported bit count " + std::to_string(layout.BitCount));

  size_t tableOffset = kFileHeaderSize + infoSize;
  const uint32_t compression = core ? kBiRgb : DWord(info + 16);
  if (compression == kBiBitfields && layout.BitCount == 32) {
    // The masks follow a 40-byte header and sit inside larger ones.
    const size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
    if (size < masksAt + 12) Invalid("bit fields outside the file");
    if (DWord(data + masksAt) != 0x00FF0000 || DWord(data + masksAt + 4) != 0x0000FF00 ||
        DWord(data + masksAt + 8) != 0x000000FF)
      Invalid("unsupported bit fields");
    if (infoSize == kInfoHeaderSize) tableOffset += 12;
  } else if (compression != kBiRgb) {
    Invalid("unsupported compression " + std::to_string(compression));
  }

  layout.PixelOffset = DWord(data + 10);
  if (layout.PixelOffset < kFileHeaderSize + infoSize) Invalid("pixel data inside the headers");
  if (layout.BitCount <= 8) {
    const uint32_t maxColors = 1u << layout.BitCount;
    // A core header's table has three bytes an entry and as many entries as fit before
    // the pixels; an info header's, four bytes and the count it gives (0: every colour).
    const size_t entryBytes = core ? 3 : 4;
    const uint32_t used = core ? static_cast<uint32_t>(std::min<size_t>(
                                     maxColors, (layout.PixelOffset - tableOffset) / entryBytes))
                               : DWord(info + 32);
    if (used > maxColors) Invalid("palette larger than the bit count allows");
    const uint32_t count = used == 0 && !core ? maxColors : used;
    if (tableOffset > size || (size - tableOffset) / entryBytes < count) Invalid("palette outside the file");
    layout.Palette.resize(3 * size_t{maxColors}, 0);  // indexes past the table draw black
    for (uint32_t i = 0; i < count; ++i)
      std::memcpy(&layout.Palette[3 * i], data + tableOffset + entryBytes * i, 3);
    if (layout.BitCount == 1)
      for (size_t pixel = 0; pixel < 16; ++pixel)
        std::memcpy(&layout.Runs[3 * pixel], &layout.Palette[3 * (pixel / 8)], 3);
  }

  layout.RowBytes = static_cast<size_t>(TPixelImage::StrideFor(layout.Width, layout.BitCount));
  if (layout.PixelOffset > size ||
      (size - layout.PixelOffset) / layout.RowBytes < static_cast<size_t>(layout.Height))
    Invalid("pixel data outside the file");
  return layout;
}

template <int Bits>
void DecodeIndexes(const TBmpLayout& layout, const uint8_t* source, uint8_t* target) {
  constexpr int perByte = 8 / Bits;
  constexpr unsigned mask = (1u << Bits) - 1;
  const uint8_t* palette = layout.Palette.data();
  const size_t width = static_cast<size_t>(layout.Width);
  for (size_t x = 0; x < width; ++source) {
    const unsigned indexes = *source;
    const size_t count = std::min(static_cast<size_t>(perByte), width - x);
    if constexpr (Bits == 1) {
      // A byte of eight like pixels, as most of a mask is, is copied as one run.
      if (count == 8 && (indexes == 0x00 || indexes == 0xFF)) {
        std::memcpy(target + 3 * x, &layout.Runs[24 * (indexes & 1u)], 24);
        x += 8;
        continue;
      }
    }
    for (size_t i = 0; i < count; ++i, ++x)
      std::memcpy(target + 3 * x, palette + 3 * ((indexes >> (8 - Bits * (i + 1))) & mask), 3);
  }
}

void DecodeRow(const TBmpLayout& layout, const uint8_t* source, uint8_t* target) {
  const int32_t width = layout.Width;
  switch (layout.BitCount) {
    case 24:
      std::memcpy(target, source, static_cast<size_t>(width) * 3);
      return;
    case 32:
      std::memcpy(target, source, static_cast<size_t>(width) * 4);
      return;
    default:
      // Palette indexes, most significant bits first; the shifts are fixed per depth.
      switch (layout.BitCount) {
        case 1:
          DecodeIndexes<1>(layout, source, target);
          return;
        case 4:
          DecodeIndexes<4>(layout, source, target);
          return;
        default:
          DecodeIndexes<8>(layout, source, target);
          return;
      }
  }
}

void WriteHeaders(std::vector<uint8_t>& out, const TPixelImage& image, int bitCount,
                  uint32_t paletteCount) {
  const uint32_t offset = static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * paletteCount);
  const uint32_t imageSize = static_cast<uint32_t>(TPixelImage::StrideFor(image.Width(), bitCount)) *
                             static_cast<uint32_t>(image.Height());
  out.push_back('B');
  out.push_back('M');
  PutDWord(out, offset + imageSize);
  PutDWord(out, 0);
  PutDWord(out, offset);
  PutDWord(out, kInfoHeaderSize);
  PutDWord(out, static_cast<uint32_t>(image.Width()));
  PutDWord(out, static_cast<uint32_t>(image.Height()));  // bottom-up
  PutWord(out, 1);
  PutWord(out, static_cast<uint16_t>(bitCount));
  PutDWord(out, kBiRgb);
  PutDWord(out, imageSize);
  PutDWord(out, 0);
  PutDWord(out, 0);
  PutDWord(out, paletteCount);
  PutDWord(out, 0);
}

void CheckWritable(const TPixelImage& image) {
  if (image.Empty()) throw EInvalidGraphic("Cannot save an empty image");
}

}  // namespace

TPixelImage ReadBmp(const uint8_t* Data, size_t Size, size_t* Used) {
  const uint32_t fileSize = FileSizeField(Data, Size);
  if (fileSize > Size) Invalid("file size field past the end of the data");
  const TBmpLayout layout = ReadLayout(Data, fileSize);

  TPixelImage image(layout.Width, layout.Height, layout.BitCount == 32 ? 32 : 24);
  for (int32_t row = 0; row < layout.Height; ++row) {
    const uint8_t* source = Data + layout.PixelOffset + static_cast<size_t>(row) * layout.RowBytes;
    const int32_t y = layout.TopDown ? row : layout.Height - 1 - row;
    DecodeRow(layout, source, image.ScanLine(y));
  }
  if (Used != nullptr) *Used = fileSize;
  return image;
}

TPixelImage ReadBmp(TStream& Stream) {
  uint8_t header[kFileHeaderSize];
  if (Stream.Read(header, sizeof header) != static_cast<int32_t>(sizeof header))
    Invalid("shorter than its file header");
  const uint32_t fileSize = FileSizeField(header, sizeof header);
  if (fileSize < kFileHeaderSize + kCoreHeaderSize ||
      fileSize > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
    Invalid("bad file size field");
  // The size field is checked against what the stream holds before anything is allocated.
  const int64_t remaining = Stream.Size() - Stream.Position();
  if (remaining < static_cast<int64_t>(fileSize - kFileHeaderSize))
    Invalid("file size field past the end of the stream");
  // A file in memory is decoded where it lies.
  if (auto* memory = dynamic_cast<TMemoryStream*>(&Stream)) {
    const int64_t start = memory->Position() - static_cast<int64_t>(kFileHeaderSize);
    TPixelImage image = ReadBmp(memory->Memory() + start, fileSize);
    memory->SetPosition(start + fileSize);
    return image;
  }
  std::vector<uint8_t> file(fileSize);
  std::memcpy(file.data(), header, sizeof header);
  Stream.ReadBuffer(file.data() + kFileHeaderSize, static_cast<int32_t>(fileSize - kFileHeaderSize));
  return ReadBmp(file.data(), file.size());
}

TBmpSides BmpHeaderSides(TStream& Stream) {
  uint8_t headers[kFileHeaderSize + 12];  // to the info header's height, or past the core header's sizes
  const int64_t at = Stream.Position();
  const int32_t read = Stream.Read(headers, sizeof headers);
  Stream.SetPosition(at);
  if (read != static_cast<int32_t>(sizeof headers)) return {};
  const TBmpDimensions dimensions = DimensionsOf(headers + kFileHeaderSize);
  return {std::abs(dimensions.Width), std::abs(dimensions.Height)};
}

void WriteBmp(const TPixelImage& Image, TStream& Stream, int BitsPerPixel) {
  CheckWritable(Image);
  if (BitsPerPixel != 24 && BitsPerPixel != 32) throw EInvalidGraphic("BMP files are written with 24 or 32 bits");
  std::vector<uint8_t> out;
  WriteHeaders(out, Image, BitsPerPixel, 0);
  const size_t rowBytes = static_cast<size_t>(TPixelImage::StrideFor(Image.Width(), BitsPerPixel));
  const size_t targetBytes = static_cast<size_t>(BitsPerPixel / 8);
  const size_t sourceBytes = static_cast<size_t>(Image.BytesPerPixel());
  const size_t copied = std::min(targetBytes, sourceBytes);
  for (int32_t y = Image.Height() - 1; y >= 0; --y) {
    const uint8_t* source = Image.ScanLine(y);
    const size_t start = out.size();
    out.resize(start + rowBytes, 0);
    for (size_t x = 0; x < static_cast<size_t>(Image.Width()); ++x)
      std::memcpy(&out[start + targetBytes * x], source + sourceBytes * x, copied);
  }
  Stream.WriteBuffer(out.data(), static_cast<int32_t>(out.size()));
}

void WriteMaskBmp(const TPixelImage& Image, TStream& Stream) {
  CheckWritable(Image);
  std::vector<uint8_t> out;
  WriteHeaders(out, Image, 1, 2);
  PutDWord(out, 0x00000000);  // index 0: black
  PutDWord(out, 0x00FFFFFF);  // index 1: white
  const size_t rowBytes = static_cast<size_t>(TPixelImage::StrideFor(Image.Width(), 1));
  for (int32_t y = Image.Height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    out.resize(start + rowBytes, 0);
    for (int32_t x = 0; x < Image.Width(); ++x)
      if (Image.Pixel(x, y) != clBlack) out[start + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  }
  Stream.WriteBuffer(out.data(), static_cast<int32_t>(out.size()));
}
