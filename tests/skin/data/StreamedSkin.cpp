#include "StreamedSkin.h"

#include "skin/data/ZlibStreams.h"

#include "base/BmpCodec.h"

#include <algorithm>
#include <array>

namespace {

void PutInt32(TStream& S, int64_t Value) { WriteStoredSkinInt32(S, static_cast<int32_t>(Value)); }

void PutInt16(TStream& S, int Value) {
  const uint8_t bytes[2] = {static_cast<uint8_t>(Value), static_cast<uint8_t>(Value >> 8)};
  S.WriteBuffer(bytes, 2);
}

// A BMP file of Height rows of BitCount bits, with Palette (blue, green, red, 0 each),
// RowAt(y) giving row y's bytes (padded to a multiple of four), y = 0 the bottom row. With
// Core its header is the 12-byte OS/2 one, its palette entries three bytes each.
void WriteBmpFile(TStream& S, int32_t Width, int32_t Height, int BitCount, const std::vector<uint8_t>& Palette,
                  const std::function<const std::vector<uint8_t>&(int32_t)>& RowAt, bool Core = false) {
  const int64_t rowBytes = TPixelImage::StrideFor(Width, BitCount);
  const int64_t entries = static_cast<int64_t>(Palette.size() / 4);
  const int64_t offset = 14 + (Core ? 12 + 3 * entries : 40 + 4 * entries);
  S.WriteBuffer("BM", 2);
  PutInt32(S, offset + rowBytes * Height);
  PutInt32(S, 0);
  PutInt32(S, offset);
  if (Core) {
    PutInt32(S, 12);
    PutInt16(S, Width);
    PutInt16(S, Height);
    PutInt16(S, 1);
    PutInt16(S, BitCount);
    for (size_t entry = 0; entry < Palette.size(); entry += 4) S.WriteBuffer(&Palette[entry], 3);
  } else {
    PutInt32(S, 40);
    PutInt32(S, Width);
    PutInt32(S, Height);
    PutInt16(S, 1);
    PutInt16(S, BitCount);
    PutInt32(S, 0);  // BI_RGB
    PutInt32(S, rowBytes * Height);
    PutInt32(S, 0);
    PutInt32(S, 0);
    PutInt32(S, entries);
    PutInt32(S, 0);
    if (!Palette.empty()) S.WriteBuffer(Palette.data(), static_cast<int32_t>(Palette.size()));
  }
  for (int32_t y = 0; y < Height; ++y) S.WriteBuffer(RowAt(y).data(), static_cast<int32_t>(rowBytes));
}

std::vector<uint8_t> PaletteEntry(TColor Colour) {
  return {BlueOf(Colour), GreenOf(Colour), RedOf(Colour), 0};
}

}  // namespace

int32_t TStreamedSkin::AddPictures(int32_t Count, TStreamWriter Write) {
  int64_t first = static_cast<int64_t>(FBase.ActivePictures.size());
  for (const TPictures& pictures : FPictures) first += pictures.Count;
  FPictures.push_back({Count, std::move(Write)});
  return static_cast<int32_t>(first);
}

int64_t TStreamedSkin::Store(TspCompressedStoredSkin& Stored) const {
  // The window pictures as the payload writer writes them, without its count of active
  // pictures (the last four bytes), which here counts the added ones too.
  TspSkinPayload records = FBase;
  records.ActivePictures.clear();
  records.IniText.Clear();
  TMemoryStream head;
  WriteSkinPayload(head, records);
  int64_t count = static_cast<int64_t>(FBase.ActivePictures.size());
  for (const TPictures& pictures : FPictures) count += pictures.Count;

  TMemoryStream packed;
  TCompressionStream packing(TCompressionLevel::clMax, packed);  // as skins are stored
  packing.WriteBuffer(head.Memory(), static_cast<int32_t>(head.Size() - 4));
  PutInt32(packing, count);
  for (const TPixelImage& picture : FBase.ActivePictures) WriteBmp(picture, packing, picture.BitsPerPixel());
  for (const TPictures& pictures : FPictures)
    for (int32_t i = 0; i < pictures.Count; ++i) pictures.Write(packing);
  FBase.IniText.SaveToStream(packing);
  for (const TStreamWriter& text : FTexts) text(packing);
  packing.Finish();
  const int64_t payload = packing.Position();
  Stored.ReadData(packed);
  return payload;
}

int64_t PixelsOf(const TspSkinPayload& Skin) {
  int64_t pixels = 0;
  for (const TPixelImage* picture : {&Skin.Picture, &Skin.InActivePicture, &Skin.Mask, &Skin.RollUpPicture,
                                     &Skin.RollUpMask})
    pixels += int64_t{picture->Width()} * picture->Height();
  for (const TPixelImage& picture : Skin.ActivePictures) pixels += int64_t{picture.Width()} * picture.Height();
  return pixels;
}

void WriteMaskBmp(TStream& S, int32_t Width, int32_t Height, const std::function<bool(int32_t, int32_t)>& Inside) {
  std::vector<uint8_t> row(static_cast<size_t>(TPixelImage::StrideFor(Width, 1)));
  std::vector<uint8_t> palette = PaletteEntry(clBlack);  // index 0 black, 1 white
  const std::vector<uint8_t> white = PaletteEntry(clWhite);
  palette.insert(palette.end(), white.begin(), white.end());
  WriteBmpFile(S, Width, Height, 1, palette, [&](int32_t Bottom) -> const std::vector<uint8_t>& {
    const int32_t y = Height - 1 - Bottom;
    std::fill(row.begin(), row.end(), uint8_t{0});
    for (int32_t x = 0; x < Width; ++x)
      if (!Inside(x, y)) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80u >> (x % 8));
    return row;
  });
}

void WriteOneColourBmp(TStream& S, int32_t Width, int32_t Height, TColor Colour, int BitCount, bool CoreHeader) {
  std::vector<uint8_t> row(static_cast<size_t>(TPixelImage::StrideFor(Width, BitCount)), 0);
  const std::vector<uint8_t> pixel = PaletteEntry(Colour);  // blue, green, red
  const size_t bytes = static_cast<size_t>(BitCount / 8);
  if (BitCount > 8)
    for (size_t x = 0; x < static_cast<size_t>(Width); ++x) {
      std::copy_n(pixel.begin(), 3, row.begin() + static_cast<ptrdiff_t>(bytes * x));
      if (bytes == 4) row[bytes * x + 3] = 0xFF;
    }
  WriteBmpFile(S, Width, Height, BitCount, BitCount == 8 ? pixel : std::vector<uint8_t>{},
               [&](int32_t) -> const std::vector<uint8_t>& { return row; }, CoreHeader);
}

void WriteMegabytes(TStream& S, int Megabytes, char Letter) {
  const std::string megabyte(size_t{1} << 20, Letter);
  for (int i = 0; i < Megabytes; ++i) S.WriteBuffer(megabyte.data(), static_cast<int32_t>(megabyte.size()));
}

void WriteLine(TStream& S, const std::string& Line) {
  S.WriteBuffer(Line.data(), static_cast<int32_t>(Line.size()));
  S.WriteBuffer("\r\n", 2);
}
