#include "skin/data/SkinPayload.h"

#include "PixelPictures.h"
#include "StreamedSkin.h"

#include "base/BmpCodec.h"
#include "base/Exceptions.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

namespace {

TPixelImage Image(int32_t Width, int32_t Height, TColor Seed) {
  TPixelImage image(Width, Height);
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x)
      image.SetPixel(x, y, (x + y) % 3 == 0 ? clBlack : Seed + static_cast<TColor>(x * 3 + y));
  return image;
}

// A black and white image: what a 1-bit mask holds.
TPixelImage MaskImage(int32_t Width, int32_t Height) {
  TPixelImage image(Width, Height);
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x)
      image.SetPixel(x, y, (x * 7 + y) % 5 < 2 ? clBlack : RGBColor(255, 255, 255));
  return image;
}

// Builds payload bytes record by record.
class TPayloadBytes {
public:
  TPayloadBytes& Int32(int32_t Value) {
    WriteStoredSkinInt32(FStream, Value);
    return *this;
  }
  TPayloadBytes& Flag(uint8_t Value) {
    FStream.WriteBuffer(&Value, 1);
    return *this;
  }
  TPayloadBytes& Bmp(const TPixelImage& Picture) {
    WriteBmp(Picture, FStream);
    return *this;
  }
  TPayloadBytes& MaskBmp(const TPixelImage& Picture) {
    WriteMaskBmp(Picture, FStream);
    return *this;
  }
  TPayloadBytes& Text(const std::string& Text) {
    FStream.WriteBuffer(Text.data(), static_cast<int32_t>(Text.size()));
    return *this;
  }
  TMemoryStream& Stream() {
    FStream.SetPosition(0);
    return FStream;
  }

private:
  TMemoryStream FStream;
};

const char IniText[] = "[VERSION]\r\nskinname=Test\r\n";

TEST(SkinPayload, EachVersionCarriesItsPictureRecords) {
  struct Case {
    int32_t Version;
    bool InActive, RollUp;
  } cases[] = {
      {-7, false, false}, {0, false, false}, {1, false, true}, {2, true, true}, {3, true, false}};
  for (const Case& c : cases) {
    // Every record present gets a picture of its own width, in payload order.
    TPayloadBytes bytes;
    bytes.Int32(c.Version).Flag(0).Bmp(Image(11, 3, 0x100));
    if (c.InActive) bytes.Flag(0).Bmp(Image(12, 3, 0x200));
    bytes.Flag(0).MaskBmp(MaskImage(13, 3));
    if (c.RollUp) bytes.Flag(0).Bmp(Image(14, 3, 0x300)).Flag(0).MaskBmp(MaskImage(15, 3));
    bytes.Int32(1).Bmp(Image(16, 3, 0x400)).Text(IniText);

    TspSkinPayload payload;
    ASSERT_TRUE(ReadSkinPayload(bytes.Stream(), payload)) << c.Version;
    EXPECT_EQ(payload.Picture.Width(), 11) << c.Version;
    EXPECT_EQ(payload.InActivePicture.Width(), c.InActive ? 12 : 0) << c.Version;
    EXPECT_TRUE(SamePixels(payload.Mask, MaskImage(13, 3))) << c.Version;
    EXPECT_EQ(payload.RollUpPicture.Width(), c.RollUp ? 14 : 0) << c.Version;
    EXPECT_EQ(payload.RollUpMask.Width(), c.RollUp ? 15 : 0) << c.Version;
    ASSERT_EQ(payload.ActivePictures.size(), 1u) << c.Version;
    EXPECT_TRUE(SamePixels(payload.ActivePictures[0], Image(16, 3, 0x400))) << c.Version;
    EXPECT_EQ(payload.IniText.Text(), IniText) << c.Version;
  }
}

TEST(SkinPayload, AVersionAbove3IsRefusedAfterItsFourBytes) {
  TPayloadBytes bytes;
  bytes.Int32(4).Flag(0).Bmp(Image(5, 5, 0));
  TspSkinPayload payload;
  TMemoryStream& stream = bytes.Stream();
  EXPECT_FALSE(ReadSkinPayload(stream, payload));
  EXPECT_EQ(stream.Position(), 4);
  EXPECT_TRUE(payload.Picture.Empty());
}

TEST(SkinPayload, AnyNonZeroFlagIsAnEmptyPictureFollowedByTheNextRecord) {
  TPayloadBytes bytes;
  bytes.Int32(2)
      .Flag(1)
      .Flag(2)
      .Flag(0)
      .MaskBmp(MaskImage(9, 2))
      .Flag(255)
      .Flag(0)
      .MaskBmp(MaskImage(3, 7));
  bytes.Int32(0).Text(IniText);
  TspSkinPayload payload;
  ASSERT_TRUE(ReadSkinPayload(bytes.Stream(), payload));
  EXPECT_TRUE(payload.Picture.Empty());
  EXPECT_TRUE(payload.InActivePicture.Empty());
  EXPECT_TRUE(SamePixels(payload.Mask, MaskImage(9, 2)));
  EXPECT_TRUE(payload.RollUpPicture.Empty());
  EXPECT_TRUE(SamePixels(payload.RollUpMask, MaskImage(3, 7)));
  EXPECT_EQ(payload.IniText.Text(), IniText);
}

TEST(SkinPayload, ActivePictureCountsOfZeroOrLessMeanNone) {
  for (int32_t count : {0, -1, -2147483647 - 1}) {
    TPayloadBytes bytes;
    bytes.Int32(0).Flag(1).Flag(1).Int32(count).Text(IniText);
    TspSkinPayload payload;
    ASSERT_TRUE(ReadSkinPayload(bytes.Stream(), payload)) << count;
    EXPECT_TRUE(payload.ActivePictures.empty()) << count;
    EXPECT_EQ(payload.IniText.Text(), IniText) << count;
  }
}

TEST(SkinPayload, OddWidth1BitPicturesAreReadWholeBeforeTheNextRecord) {
  // Rows of 1, 9, 31 and 33 pixels each end in padding to four bytes.
  for (int32_t width : {1, 9, 31, 33}) {
    TPayloadBytes bytes;
    bytes.Int32(1).Flag(0).MaskBmp(MaskImage(width, 5)).Flag(0).MaskBmp(MaskImage(width + 2, 3));
    bytes.Flag(0).Bmp(Image(width, 2, 0x10)).Flag(0).MaskBmp(MaskImage(width, 1));
    bytes.Int32(2).MaskBmp(MaskImage(width, 4)).Bmp(Image(3, 3, 0x20)).Text(IniText);
    TspSkinPayload payload;
    ASSERT_TRUE(ReadSkinPayload(bytes.Stream(), payload)) << width;
    EXPECT_TRUE(SamePixels(payload.Picture, MaskImage(width, 5))) << width;
    EXPECT_TRUE(SamePixels(payload.Mask, MaskImage(width + 2, 3))) << width;
    EXPECT_TRUE(SamePixels(payload.RollUpPicture, Image(width, 2, 0x10))) << width;
    EXPECT_TRUE(SamePixels(payload.RollUpMask, MaskImage(width, 1))) << width;
    ASSERT_EQ(payload.ActivePictures.size(), 2u);
    EXPECT_TRUE(SamePixels(payload.ActivePictures[0], MaskImage(width, 4))) << width;
    EXPECT_TRUE(SamePixels(payload.ActivePictures[1], Image(3, 3, 0x20))) << width;
    EXPECT_EQ(payload.IniText.Text(), IniText);
  }
}

TEST(SkinPayload, ACutOrMalformedPayloadRaises) {
  TPayloadBytes whole;
  whole.Int32(0).Flag(0).Bmp(Image(6, 6, 0)).Flag(1).Int32(1).Bmp(Image(4, 4, 0));
  const std::vector<uint8_t> bytes = whole.Stream().Bytes();
  // Cut inside the version, a picture, the count and the last picture.
  ASSERT_EQ(bytes.size(), 286u);
  for (size_t length : {2, 40, 182, 226, 285}) {
    TMemoryStream cut;
    cut.WriteBuffer(bytes.data(), static_cast<int32_t>(length));
    cut.SetPosition(0);
    TspSkinPayload payload;
    EXPECT_THROW(ReadSkinPayload(cut, payload), Exception) << length;
  }
  // An active picture count far beyond the pictures present.
  TPayloadBytes greedy;
  greedy.Int32(0).Flag(1).Flag(1).Int32(MaxSkinActivePictures).Bmp(Image(2, 2, 0));
  TspSkinPayload payload;
  EXPECT_THROW(ReadSkinPayload(greedy.Stream(), payload), EInvalidGraphic);
  // A picture whose size field claims more than the payload holds.
  TPayloadBytes lying;
  lying.Int32(0).Flag(0).Bmp(Image(6, 6, 0)).Flag(1).Int32(0);
  TMemoryStream& stream = lying.Stream();
  stream.Memory()[4 + 1 + 2] = 0xFF;  // bfSize's low byte
  stream.Memory()[4 + 1 + 4] = 0x7F;
  EXPECT_THROW(ReadSkinPayload(stream, payload), EInvalidGraphic);
}

// A skin's pictures hold MaxSkinPixels pixels together at most; a picture that would go
// past them is refused by the size its headers give, before it is decoded, as a skin over
// any bound is (it raised EInvalidGraphic, as a malformed picture does).
TEST(SkinPayload, PicturesBeyondThePixelBudgetAreRefused) {
  // Two 1-bit pictures of 2^22 pixels (512 KiB each) fill the budget; one more pixel
  // breaks it.
  const TPixelImage half(2048, 2048);
  ASSERT_EQ(2 * int64_t{half.Width()} * half.Height(), MaxSkinPixels);
  TPayloadBytes full;
  full.Int32(0).Flag(0).MaskBmp(half).Flag(0).MaskBmp(half).Int32(0);
  TspSkinPayload payload;
  ASSERT_TRUE(ReadSkinPayload(full.Stream(), payload));
  EXPECT_EQ(payload.Mask.Width(), 2048);

  TPayloadBytes over;
  over.Int32(0).Flag(0).MaskBmp(half).Flag(0).MaskBmp(half).Int32(1).Bmp(TPixelImage(1, 1));
  EXPECT_THROW(ReadSkinPayload(over.Stream(), payload), ESkinTooLarge);
  // Only the headers of a picture of 2048 more pixels, its rows cut away: refused all the
  // same.
  TPayloadBytes headers;
  headers.Int32(0).Flag(0).MaskBmp(TPixelImage(4097, 2048));
  TMemoryStream& cut = headers.Stream();
  cut.SetSize(4 + 1 + 14 + 40);
  EXPECT_THROW(ReadSkinPayload(cut, payload), ESkinTooLarge);
}

// Pictures with no more than MaxSkinPictureSide pixels a side, as wide or high as a
// bitmap may be: one a pixel wider or higher is refused by its headers as over a bound
// (it raised EInvalidGraphic, "image too large", as a malformed picture does).
TEST(SkinPayload, PicturesWiderOrHigherThanASkinsMayBeAreRefused) {
  const auto oneMask = [](int32_t Width, int32_t Height) {
    TMemoryStream payload;
    WriteStoredSkinInt32(payload, 0);
    const uint8_t follows = 0;
    payload.WriteBuffer(&follows, 1);
    WriteMaskBmp(payload, Width, Height, [](int32_t X, int32_t) { return X % 2 == 0; });
    payload.WriteBuffer("\1", 1);  // no mask
    WriteStoredSkinInt32(payload, 0);
    payload.SetPosition(0);
    TspSkinPayload read;
    ReadSkinPayload(payload, read);
    return read.Picture;
  };
  EXPECT_EQ(oneMask(MaxSkinPictureSide, 1).Width(), MaxSkinPictureSide);
  EXPECT_EQ(oneMask(1, MaxSkinPictureSide).Height(), MaxSkinPictureSide);
  EXPECT_THROW(oneMask(MaxSkinPictureSide + 1, 1), ESkinTooLarge);
  EXPECT_THROW(oneMask(1, MaxSkinPictureSide + 1), ESkinTooLarge);
}

// A picture with the 12-byte OS/2 core header counts the pixels its 16-bit sizes give (its
// planes and bit count were taken for its height, a 300 x 2 picture for 300 x 1,572,865,
// and refused as over the pixel bound); its sides are bounded as every picture's.
TEST(SkinPayload, CoreHeaderPicturesAreBoundedByTheirOwnSizes) {
  const auto onePicture = [](int32_t Width, int32_t Height) {
    TMemoryStream payload;
    WriteStoredSkinInt32(payload, 0);
    payload.WriteBuffer("\0", 1);
    WriteOneColourBmp(payload, Width, Height, RGBColor(10, 20, 30), 24, true);
    payload.WriteBuffer("\1", 1);
    WriteStoredSkinInt32(payload, 0);
    payload.SetPosition(0);
    TspSkinPayload read;
    ReadSkinPayload(payload, read);
    return read.Picture;
  };
  const TPixelImage picture = onePicture(300, 2);
  EXPECT_EQ(picture.Width(), 300);
  EXPECT_EQ(picture.Height(), 2);
  EXPECT_EQ(picture.Pixel(299, 1), RGBColor(10, 20, 30));
  EXPECT_EQ(onePicture(MaxSkinPictureSide, 1).Width(), MaxSkinPictureSide);
  EXPECT_THROW(onePicture(MaxSkinPictureSide + 1, 1), ESkinTooLarge);
}

// At most MaxSkinActivePictures active pictures: one more is refused by the count, before
// any picture is read (none follows here).
TEST(SkinPayload, UpToTheMostActivePicturesAreReadAndACountOfMoreRefused) {
  TPayloadBytes most;
  most.Int32(0).Flag(1).Flag(1).Int32(MaxSkinActivePictures);
  for (int32_t i = 0; i < MaxSkinActivePictures; ++i) most.Bmp(TPixelImage(1, 1));
  TspSkinPayload payload;
  ASSERT_TRUE(ReadSkinPayload(most.Stream(), payload));
  EXPECT_EQ(payload.ActivePictures.size(), static_cast<size_t>(MaxSkinActivePictures));
  for (const int32_t count : {MaxSkinActivePictures + 1, 2147483647}) {
    TPayloadBytes tooMany;
    tooMany.Int32(0).Flag(1).Flag(1).Int32(count);
    EXPECT_THROW(ReadSkinPayload(tooMany.Stream(), payload), ESkinTooLarge) << count;
  }
}

TEST(SkinPayload, TheWriterWritesVersion2WithEmptyRecordsAsOneByte) {
  TspSkinPayload payload;
  payload.Picture = Image(7, 5, 0x30);
  payload.Mask = MaskImage(7, 5);
  payload.ActivePictures = {Image(3, 2, 0x40), Image(5, 1, 0x50)};
  payload.IniText.SetText("[VERSION]\r\nver=2\nlast");
  TMemoryStream stream;
  WriteSkinPayload(stream, payload);

  const std::vector<uint8_t>& bytes = stream.Bytes();
  ASSERT_GT(bytes.size(), 5u);
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[4], 0);  // the picture follows
  const size_t pictureSize = bytes[7] | (bytes[8] << 8);
  const size_t maskAt = 5 + pictureSize;
  EXPECT_EQ(bytes[maskAt], 1);      // no inactive picture
  EXPECT_EQ(bytes[maskAt + 1], 0);  // the mask follows, as a 1-bit BMP
  EXPECT_EQ(bytes[maskAt + 2 + 28], 1);
  const size_t maskSize = bytes[maskAt + 4] | (bytes[maskAt + 5] << 8);
  EXPECT_EQ(bytes[maskAt + 2 + maskSize], 1);      // no roll-up picture
  EXPECT_EQ(bytes[maskAt + 2 + maskSize + 1], 1);  // no roll-up mask
  const std::string text = "[VERSION]\r\nver=2\r\nlast\r\n";
  EXPECT_EQ(std::string(bytes.end() - static_cast<std::ptrdiff_t>(text.size()), bytes.end()), text);

  stream.SetPosition(0);
  TspSkinPayload read;
  ASSERT_TRUE(ReadSkinPayload(stream, read));
  EXPECT_TRUE(SamePixels(read.Picture, payload.Picture));
  EXPECT_TRUE(SamePixels(read.Mask, payload.Mask));
  EXPECT_TRUE(read.InActivePicture.Empty());
  ASSERT_EQ(read.ActivePictures.size(), 2u);
  EXPECT_TRUE(SamePixels(read.ActivePictures[1], payload.ActivePictures[1]));
  EXPECT_EQ(read.IniText.Text(), payload.IniText.Text());
}

}  // namespace
