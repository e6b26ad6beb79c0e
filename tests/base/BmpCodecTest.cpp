#include "base/BmpCodec.h"
#include "base/Exceptions.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A BMP file built field by field, so tests can break any one of them.
struct BmpFields {
  int32_t Width = 1;
  int32_t Height = 1;  // negative: top-down
  uint16_t BitCount = 24;
  uint32_t Compression = 0;
  uint32_t InfoSize = 40;
  uint16_t Planes = 1;
  std::vector<uint32_t> Palette;  // 0x00RRGGBB entries as stored
  uint32_t ClrUsed = 0;
  Bytes Pixels;                   // rows as stored, padding included
  Bytes BetweenTableAndPixels;    // e.g. bit-field masks
};

Bytes Build(const BmpFields& s) {
  const size_t tableAt = 14 + s.InfoSize;
  const size_t pixelsAt = tableAt + s.BetweenTableAndPixels.size() + 4 * s.Palette.size();
  // Room for all 40-byte header fields even when InfoSize claims a smaller header.
  Bytes b(std::max<size_t>(pixelsAt + s.Pixels.size(), 54), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, static_cast<uint32_t>(pixelsAt));
  Put32(b, 14, s.InfoSize);
  Put32(b, 18, static_cast<uint32_t>(s.Width));
  Put32(b, 22, static_cast<uint32_t>(s.Height));
  Put16(b, 26, s.Planes);
  Put16(b, 28, s.BitCount);
  Put32(b, 30, s.Compression);
  Put32(b, 46, s.ClrUsed);
  std::copy(s.BetweenTableAndPixels.begin(), s.BetweenTableAndPixels.end(), b.begin() + tableAt);
  for (size_t i = 0; i < s.Palette.size(); ++i)
    Put32(b, tableAt + s.BetweenTableAndPixels.size() + 4 * i, s.Palette[i]);
  std::copy(s.Pixels.begin(), s.Pixels.end(), b.begin() + pixelsAt);
  return b;
}

TPixelImage Read(const Bytes& b) { return ReadBmp(b.data(), b.size()); }

TPixelImage Sample(int32_t w, int32_t h, int bits) {
  TPixelImage image(w, h, bits);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      image.SetPixel(x, y, RGBColor(static_cast<uint8_t>(x * 40), static_cast<uint8_t>(y * 70),
                                    static_cast<uint8_t>(x + y + 1)));
  return image;
}

TEST(BmpCodec, TwentyFourBitRoundTripWithOddWidth) {
  for (int bits : {24, 32}) {
    const TPixelImage image = Sample(5, 3, bits);
    TMemoryStream stream;
    WriteBmp(image, stream);
    EXPECT_EQ(stream.Size(), 54 + 16 * 3);  // rows of 15 bytes padded to 16
    const TPixelImage back = Read(stream.Bytes());
    EXPECT_EQ(back.BitsPerPixel(), 24);
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    for (int32_t y = 0; y < 3; ++y)
      for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(back.Pixel(x, y), image.Pixel(x, y)) << x << "," << y;
  }
}

TEST(BmpCodec, ThirtyTwoBitFilesKeepTheFourthByteOrWriteItAsZero) {
  TPixelImage withAlpha = Sample(3, 2, 32);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) withAlpha.ScanLine(y)[4 * x + 3] = static_cast<uint8_t>(0x11 * (1 + x + 3 * y));
  for (const TPixelImage& source : {withAlpha, Sample(3, 2, 24)}) {
    TMemoryStream stream;
    WriteBmp(source, stream, 32);
    EXPECT_EQ(stream.Size(), 54 + 12 * 2);
    const TPixelImage back = Read(stream.Bytes());
    ASSERT_EQ(back.BitsPerPixel(), 32);
    for (int32_t y = 0; y < 2; ++y)
      for (int32_t x = 0; x < 3; ++x) {
        EXPECT_EQ(back.Pixel(x, y), source.Pixel(x, y));
        const uint8_t alpha = source.BitsPerPixel() == 32 ? source.ScanLine(y)[4 * x + 3] : 0;
        EXPECT_EQ(back.ScanLine(y)[4 * x + 3], alpha) << x << "," << y;
      }
  }
  TMemoryStream stream;
  EXPECT_THROW(WriteBmp(withAlpha, stream, 16), EInvalidGraphic);
}

TEST(BmpCodec, MaskRoundTripKeepsBlackAndMakesTheRestWhite) {
  TPixelImage mask(9, 2);  // a row crosses a byte boundary
  mask.SetPixel(0, 0, clRed);
  mask.SetPixel(8, 0, RGBColor(1, 0, 0));
  mask.SetPixel(3, 1, clWhite);
  TMemoryStream stream;
  WriteMaskBmp(mask, stream);
  EXPECT_EQ(stream.Size(), 62 + 4 * 2);
  const TPixelImage back = Read(stream.Bytes());
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 9; ++x)
      EXPECT_EQ(back.Pixel(x, y), mask.Pixel(x, y) == clBlack ? clBlack : clWhite) << x << "," << y;
}

TEST(BmpCodec, PaletteImagesTopDownAndBottomUp) {
  BmpFields four;
  four.Width = 3;
  four.Height = -2;  // top-down
  four.BitCount = 4;
  four.Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  four.ClrUsed = 4;
  four.Pixels = {0x12, 0x30, 0, 0, 0x21, 0x00, 0, 0};
  TPixelImage image = Read(Build(four));
  EXPECT_EQ(image.Pixel(0, 0), clRed);
  EXPECT_EQ(image.Pixel(1, 0), clLime);
  EXPECT_EQ(image.Pixel(2, 0), clBlue);
  EXPECT_EQ(image.Pixel(0, 1), clLime);
  EXPECT_EQ(image.Pixel(1, 1), clRed);

  BmpFields eight;  // bottom-up; index 7 is past the two-colour table and draws black
  eight.Width = 2;
  eight.Height = 2;
  eight.BitCount = 8;
  eight.Palette = {0xFFFFFF, 0x808080};
  eight.ClrUsed = 2;
  eight.Pixels = {1, 7, 0, 0, 0, 1, 0, 0};
  image = Read(Build(eight));
  EXPECT_EQ(image.Pixel(0, 1), clGray);
  EXPECT_EQ(image.Pixel(1, 1), clBlack);
  EXPECT_EQ(image.Pixel(0, 0), clWhite);
  EXPECT_EQ(image.Pixel(1, 0), clGray);
}

// Whole bytes of one index are decoded as runs, others pixel by pixel: every pixel takes
// its own index's colour, up to a last byte the row uses only in part.
TEST(BmpCodec, OneBitRowsOfRunsAndMixedBytesTakeTheirIndexesColours) {
  BmpFields mono;
  mono.Width = 21;
  mono.Height = 3;
  mono.BitCount = 1;
  mono.Palette = {0x102030, 0xA0B0C0};
  mono.ClrUsed = 2;
  mono.Pixels = {0xFF, 0x00, 0xFF, 0, 0x00, 0xA5, 0x00, 0, 0x5A, 0xFF, 0xF8, 0};  // bottom-up
  const TPixelImage image = Read(Build(mono));
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 21; ++x) {
      const uint8_t byte = mono.Pixels[static_cast<size_t>(4 * (2 - y) + x / 8)];
      const bool one = (byte >> (7 - x % 8) & 1) != 0;
      EXPECT_EQ(image.Pixel(x, y), one ? RGBColor(0xA0, 0xB0, 0xC0) : RGBColor(0x10, 0x20, 0x30))
          << x << "," << y;
    }
}

TEST(BmpCodec, ThirtyTwoBitWithBitFieldsKeepsTheFourthByte) {
  BmpFields s;
  s.Width = 1;
  s.Height = 1;
  s.BitCount = 32;
  s.Compression = 3;
  s.BetweenTableAndPixels = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
  s.Pixels = {0x10, 0x20, 0x30, 0x80};
  const TPixelImage image = Read(Build(s));
  EXPECT_EQ(image.BitsPerPixel(), 32);
  EXPECT_EQ(image.Pixel(0, 0), RGBColor(0x30, 0x20, 0x10));
  EXPECT_EQ(image.ScanLine(0)[3], 0x80);

  s.BetweenTableAndPixels[2] = 0x7F;  // not the standard red mask
  EXPECT_THROW(Read(Build(s)), EInvalidGraphic);
}

TEST(BmpCodec, EveryBrokenSizeOrFieldIsRefused) {
  BmpFields good;
  good.Width = 2;
  good.Height = 2;
  good.Pixels = Bytes(16, 0x55);
  ASSERT_NO_THROW(Read(Build(good)));

  auto expectInvalid = [](const Bytes& b, const char* what) {
    EXPECT_THROW(Read(b), EInvalidGraphic) << what;
  };
  Bytes b = Build(good);
  b.resize(b.size() - 1);
  expectInvalid(b, "size field past the data");
  b = Build(good);
  Put32(b, 2, static_cast<uint32_t>(b.size() - 1));
  expectInvalid(b, "last row outside the file size");
  b = Build(good);
  b[0] = 'X';
  expectInvalid(b, "signature");
  expectInvalid(Bytes(10, 0), "shorter than the file header");
  b = Build(good);
  Put32(b, 10, 20);
  expectInvalid(b, "pixels inside the headers");
  b = Build(good);
  Put32(b, 10, 0xFFFFFFF0u);
  expectInvalid(b, "pixel offset far past the end");
  b = Build(good);
  Put32(b, 14, 4000);
  expectInvalid(b, "info header past the end");

  auto variant = [&](auto change) {
    BmpFields s = good;
    change(s);
    return Build(s);
  };
  expectInvalid(variant([](BmpFields& s) { s.Width = 0; }), "zero width");
  expectInvalid(variant([](BmpFields& s) { s.Width = -2; }), "negative width");
  expectInvalid(variant([](BmpFields& s) { s.Height = 0; }), "zero height");
  expectInvalid(variant([](BmpFields& s) { s.Height = INT_MIN; }), "height that cannot be negated");
  expectInvalid(variant([](BmpFields& s) { s.Width = 100000; }), "too wide");
  expectInvalid(variant([](BmpFields& s) { s.Width = 30000; s.Height = 30000; }), "too many pixels");
  expectInvalid(variant([](BmpFields& s) { s.BitCount = 16; }), "16-bit");
  expectInvalid(variant([](BmpFields& s) { s.Compression = 1; }), "RLE");
  expectInvalid(variant([](BmpFields& s) { s.Planes = 2; }), "planes");
  expectInvalid(variant([](BmpFields& s) { s.InfoSize = 12; }), "a core header whose height is 0");
  expectInvalid(variant([](BmpFields& s) {
                  s.BitCount = 8;
                  s.ClrUsed = 257;
                }),
                "palette larger than 256");
  expectInvalid(variant([](BmpFields& s) {
                  s.BitCount = 8;
                  s.ClrUsed = 0;  // means 256 entries, which are not there
                  s.Pixels.clear();
                }),
                "palette outside the file");
}

TEST(BmpCodec, StreamReadingTakesExactlyTheFileSize) {
  BmpFields mono;  // odd width, 1 bit, followed by another record
  mono.Width = 3;
  mono.Height = 1;
  mono.BitCount = 1;
  mono.Palette = {0x000000, 0xFFFFFF};
  mono.Pixels = {0xA0, 0, 0, 0};
  Bytes first = Build(mono);
  first.insert(first.end(), {9, 9});  // trailing bytes counted in the size field
  Put32(first, 2, static_cast<uint32_t>(first.size()));
  const TPixelImage second = Sample(2, 2, 24);

  TMemoryStream stream;
  stream.WriteBuffer(first.data(), static_cast<int32_t>(first.size()));
  WriteBmp(second, stream);
  stream.WriteBuffer("end", 3);
  stream.SetPosition(0);

  const TPixelImage a = ReadBmp(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(first.size()));
  EXPECT_EQ(a.Pixel(0, 0), clWhite);
  EXPECT_EQ(a.Pixel(1, 0), clBlack);
  EXPECT_EQ(a.Pixel(2, 0), clWhite);
  const TPixelImage b = ReadBmp(stream);
  EXPECT_EQ(b.Pixel(1, 1), second.Pixel(1, 1));
  EXPECT_EQ(stream.Size() - stream.Position(), 3);

  TMemoryStream lying;  // a size field beyond the stream is refused before allocating
  Bytes header = Build(mono);
  Put32(header, 2, 0x7FFFFFF0u);
  lying.WriteBuffer(header.data(), static_cast<int32_t>(header.size()));
  lying.SetPosition(0);
  EXPECT_THROW(ReadBmp(lying), EInvalidGraphic);
}

// A file with the 12-byte OS/2 core header: 16-bit sizes, rows bottom-up, a palette of
// Palette's three-byte entries (blue, green, red) before the pixel rows.
Bytes CoreFile(uint16_t Width, uint16_t Height, uint16_t BitCount, const Bytes& Palette, const Bytes& Pixels) {
  const size_t pixelsAt = 14 + 12 + Palette.size();
  Bytes b(pixelsAt + Pixels.size(), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, static_cast<uint32_t>(pixelsAt));
  Put32(b, 14, 12);
  Put16(b, 18, Width);
  Put16(b, 20, Height);
  Put16(b, 22, 1);
  Put16(b, 24, BitCount);
  std::copy(Palette.begin(), Palette.end(), b.begin() + 26);
  std::copy(Pixels.begin(), Pixels.end(), b.begin() + static_cast<std::ptrdiff_t>(pixelsAt));
  return b;
}

TEST(BmpCodec, CoreHeaderFilesAreReadWithTheirSizesAndThreeBytePalettes) {
  // 24 bits, 2 x 2, bottom row first: blue, green over red, white.
  const TPixelImage colour = Read(CoreFile(2, 2, 24, {}, {0xFF, 0, 0, 0, 0xFF, 0, 0, 0,  //
                                                           0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
  EXPECT_EQ(colour.Width(), 2);
  EXPECT_EQ(colour.Height(), 2);
  EXPECT_EQ(colour.Pixel(0, 1), RGBColor(0, 0, 255));
  EXPECT_EQ(colour.Pixel(1, 1), RGBColor(0, 255, 0));
  EXPECT_EQ(colour.Pixel(0, 0), RGBColor(255, 0, 0));
  EXPECT_EQ(colour.Pixel(1, 0), clWhite);
  // 8 bits with a table of two entries only, as many as stand before the pixels: index 1
  // takes the second, an index past them draws black.
  const TPixelImage indexed = Read(CoreFile(3, 1, 8, {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}, {1, 0, 7, 0}));
  EXPECT_EQ(indexed.Pixel(0, 0), RGBColor(0x60, 0x50, 0x40));
  EXPECT_EQ(indexed.Pixel(1, 0), RGBColor(0x30, 0x20, 0x10));
  EXPECT_EQ(indexed.Pixel(2, 0), clBlack);
  // 1 bit, a row of eight like pixels then one more.
  const TPixelImage mask = Read(CoreFile(9, 1, 1, {0, 0, 0, 0xFF, 0xFF, 0xFF}, {0xFF, 0x00, 0, 0}));
  EXPECT_EQ(mask.Pixel(7, 0), clWhite);
  EXPECT_EQ(mask.Pixel(8, 0), clBlack);

  EXPECT_THROW(Read(CoreFile(0, 1, 24, {}, {0, 0, 0, 0})), EInvalidGraphic) << "no width";
  EXPECT_THROW(Read(CoreFile(1, 0, 24, {}, {})), EInvalidGraphic) << "no height";
  EXPECT_THROW(Read(CoreFile(1, 1, 32, {}, {0, 0, 0, 0})), EInvalidGraphic) << "32 bits";
  EXPECT_THROW(Read(CoreFile(1, 2, 24, {}, {0, 0, 0, 0})), EInvalidGraphic) << "a row outside the file";
  EXPECT_THROW(Read(CoreFile(40000, 1, 24, {}, Bytes(120000, 0))), EInvalidGraphic) << "too wide";
}

// The sides a file's headers give, read in place: a top-down height counts as its rows,
// a core header's 16-bit sizes as they are, and headers cut short give none.
TEST(BmpCodec, HeaderSidesAreReadWithoutMovingOn) {
  BmpFields topDown;
  topDown.Width = 3;
  topDown.Height = -5;
  topDown.Pixels = Bytes(5 * 12, 0);
  const Bytes file = Build(topDown);
  TMemoryStream stream;
  stream.WriteBuffer("xy", 2);
  stream.WriteBuffer(file.data(), static_cast<int32_t>(file.size()));
  stream.SetPosition(2);
  const TBmpSides sides = BmpHeaderSides(stream);
  EXPECT_EQ(sides.Width, 3);
  EXPECT_EQ(sides.Height, 5);
  EXPECT_EQ(sides.Pixels(), 15);
  EXPECT_EQ(stream.Position(), 2);
  EXPECT_EQ(ReadBmp(stream).Height(), 5);

  // Its sizes next to the planes and bit count, which a 40-byte header's height would take in.
  const Bytes core = CoreFile(300, 2, 24, {}, Bytes(2 * 900, 0));
  TMemoryStream coreStream;
  coreStream.WriteBuffer(core.data(), static_cast<int32_t>(core.size()));
  coreStream.SetPosition(0);
  EXPECT_EQ(BmpHeaderSides(coreStream).Width, 300);
  EXPECT_EQ(BmpHeaderSides(coreStream).Height, 2);
  EXPECT_EQ(ReadBmp(coreStream).Width(), 300);

  TMemoryStream cut;
  cut.WriteBuffer(file.data(), 25);
  cut.SetPosition(0);
  EXPECT_EQ(BmpHeaderSides(cut).Pixels(), 0);
  EXPECT_EQ(cut.Position(), 0);
}

TEST(BmpCodec, EmptyImagesAreNotWritten) {
  TMemoryStream stream;
  EXPECT_THROW(WriteBmp(TPixelImage(), stream), EInvalidGraphic);
  EXPECT_THROW(WriteMaskBmp(TPixelImage(0, 5), stream), EInvalidGraphic);
  EXPECT_EQ(stream.Size(), 0);
}

TEST(PixelImage, SizesAndBounds) {
  TPixelImage image(3, 2, 32);
  EXPECT_EQ(image.Stride(), 12);
  EXPECT_EQ(TPixelImage(3, 2, 24).Stride(), 12);
  EXPECT_EQ(TPixelImage(5, 1, 24).Stride(), 16);
  image.SetPixel(2, 1, RGBColor(1, 2, 3));
  EXPECT_EQ(image.ScanLine(1)[8], 3);  // blue first
  EXPECT_EQ(image.Pixel(2, 1), RGBColor(1, 2, 3));
  EXPECT_THROW(image.Pixel(3, 0), ERangeError);
  EXPECT_THROW(image.ScanLine(2), ERangeError);
  EXPECT_THROW(TPixelImage(-1, 1), EInvalidGraphic);
  EXPECT_THROW(TPixelImage(1, 1, 8), EInvalidGraphic);
  EXPECT_TRUE(TPixelImage(0, 3).Empty());
}

// Copies share their pixels until one is written to, and then each changes alone,
// whichever way it is written (a pixel, a row, the whole buffer).
TEST(PixelImage, ACopyChangesAloneWhicheverWayEitherIsWritten) {
  TPixelImage original(4, 3, 24);
  original.SetPixel(1, 1, RGBColor(10, 20, 30));
  TPixelImage copy = original;
  const TPixelImage& sharing = copy;
  EXPECT_EQ(sharing.Bits(), static_cast<const TPixelImage&>(original).Bits());  // no pixels copied yet
  copy.SetPixel(1, 1, RGBColor(40, 50, 60));
  EXPECT_EQ(original.Pixel(1, 1), RGBColor(10, 20, 30));
  EXPECT_EQ(copy.Pixel(1, 1), RGBColor(40, 50, 60));

  TPixelImage byRow = original;
  byRow.ScanLine(2)[0] = 99;
  EXPECT_EQ(original.ScanLine(2)[0], 0);
  EXPECT_EQ(static_cast<const TPixelImage&>(byRow).ScanLine(2)[0], 99);

  TPixelImage assigned;
  assigned = original;
  original.Bits()[0] = 7;  // the original written now, the copy keeps what it had
  EXPECT_EQ(static_cast<const TPixelImage&>(assigned).Bits()[0], 0);
  EXPECT_EQ(assigned.Pixel(1, 1), RGBColor(10, 20, 30));
  EXPECT_EQ(assigned.ByteSize(), original.ByteSize());

  const TPixelImage empty;
  TPixelImage emptyCopy = empty;
  EXPECT_EQ(emptyCopy.Bits(), nullptr);
  EXPECT_EQ(emptyCopy.ByteSize(), 0u);
}

}  // namespace
