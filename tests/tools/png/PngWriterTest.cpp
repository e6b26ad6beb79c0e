// PNG files as a reader sees them: the signature, well-formed chunks with right CRCs, the
// header's fields and rows that inflate back to the image's pixels; and the file that
// holds exactly those bytes, or an error when it cannot be made.
#include "PngWriter.h"

#include "TempFolder.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

namespace {

struct TChunk {
  std::string Type;
  std::vector<uint8_t> Data;
};

uint32_t UInt32At(const std::vector<uint8_t>& Bytes, size_t At) {
  return uint32_t{Bytes.at(At)} << 24 | uint32_t{Bytes.at(At + 1)} << 16 |
         uint32_t{Bytes.at(At + 2)} << 8 | Bytes.at(At + 3);
}

// Splits a PNG file into its chunks, checking each chunk's CRC.
std::vector<TChunk> Chunks(const std::vector<uint8_t>& Png) {
  const std::vector<uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), Png.begin()));
  std::vector<TChunk> chunks;
  size_t at = 8;
  while (at < Png.size()) {
    const uint32_t length = UInt32At(Png, at);
    const uint8_t* typeAndData = Png.data() + at + 4;
    const uLong crc = crc32(crc32(0, Z_NULL, 0), typeAndData, 4 + length);
    EXPECT_EQ(UInt32At(Png, at + 8 + length), crc);
    chunks.push_back({std::string(typeAndData, typeAndData + 4),
                      std::vector<uint8_t>(typeAndData + 4, typeAndData + 4 + length)});
    at += 12 + length;
  }
  EXPECT_EQ(at, Png.size());
  return chunks;
}

TPixelImage Sample() {
  TPixelImage image(3, 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x)
      image.SetPixel(x, y,
                     RGBColor(static_cast<uint8_t>(x * 80), static_cast<uint8_t>(y * 200), 7));
  return image;
}

TEST(PngWriterTest, AnImageBecomesHeaderRowsAndEnd) {
  const std::vector<TChunk> chunks = Chunks(EncodePng(Sample()));
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].Type, "IHDR");
  EXPECT_EQ(chunks[1].Type, "IDAT");
  EXPECT_EQ(chunks[2].Type, "IEND");
  EXPECT_TRUE(chunks[2].Data.empty());

  const std::vector<uint8_t>& header = chunks[0].Data;
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(UInt32At(header, 0), 3u);
  EXPECT_EQ(UInt32At(header, 4), 2u);
  EXPECT_EQ(std::vector<uint8_t>(header.begin() + 8, header.end()),
            (std::vector<uint8_t>{8, 2, 0, 0, 0}));

  std::vector<uint8_t> rows(2 * (1 + 3 * 3));
  uLongf size = static_cast<uLongf>(rows.size());
  ASSERT_EQ(uncompress(rows.data(), &size, chunks[1].Data.data(),
                       static_cast<uLong>(chunks[1].Data.size())),
            Z_OK);
  EXPECT_EQ(size, rows.size());
  EXPECT_EQ(rows, (std::vector<uint8_t>{0, 0, 0,   7, 80, 0,   7, 160, 0,   7,
                                        0, 0, 200, 7, 80, 200, 7, 160, 200, 7}));
}

TEST(PngWriterTest, TheSameImageGivesTheSameBytesAndAnEmptyOneNone) {
  EXPECT_EQ(EncodePng(Sample()), EncodePng(Sample()));
  EXPECT_THROW(EncodePng(TPixelImage{}), Exception);
}

TEST(PngWriterTest, TheFileHoldsTheEncodedBytesOrCannotBeMade) {
  TempFolder folder;
  WritePngFile(Sample(), folder / "sample.png");
  const std::vector<uint8_t> png = EncodePng(Sample());
  EXPECT_EQ(folder.ReadFile("sample.png"), std::string(png.begin(), png.end()));
  EXPECT_THROW(WritePngFile(Sample(), folder / "missing\\sample.png"), EFCreateError);
}

}  // namespace
