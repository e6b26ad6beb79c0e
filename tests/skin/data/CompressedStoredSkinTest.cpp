#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/ZlibStreams.h"

#include "DefinedProperties.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include "base/BmpCodec.h"
#include "base/Exceptions.h"
#include "base/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TMemoryStream Container(int32_t Version, int32_t Count, const std::string& Data) {
  TMemoryStream stream;
  WriteStoredSkinInt32(stream, Version);
  WriteStoredSkinInt32(stream, Count);
  stream.WriteBuffer(Data.data(), static_cast<int32_t>(Data.size()));
  stream.SetPosition(0);
  return stream;
}

void GiveData(TspCompressedStoredSkin& Skin, const std::string& Data) {
  TMemoryStream data;
  data.WriteBuffer(Data.data(), static_cast<int32_t>(Data.size()));
  Skin.ReadData(data);
}

TEST(CompressedStoredSkin, TheContainerOfAnEmptySkinIsVersion2AndCount0) {
  TspCompressedStoredSkin skin(nullptr);
  EXPECT_TRUE(skin.IsEmpty());
  TMemoryStream stream;
  skin.SaveToCompressStream(stream);
  EXPECT_EQ(stream.Bytes(), (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0}));

  TspCompressedStoredSkin loaded(nullptr);
  GiveData(loaded, "old");
  loaded.LoadFromCompressStream(stream);
  EXPECT_TRUE(loaded.IsEmpty());
}

TEST(CompressedStoredSkin, TheContainerRoundTripsFromPositionZeroOfTheStream) {
  TspCompressedStoredSkin skin(nullptr);
  GiveData(skin, "zlib bytes");
  TMemoryStream stream;
  stream.WriteBuffer("????", 4);  // the container is read from position 0 whatever comes
  stream.SetPosition(0);
  skin.SaveToCompressStream(stream);
  EXPECT_EQ(stream.Size(), 8 + 10);

  TspCompressedStoredSkin loaded(nullptr);
  stream.SetPosition(13);
  loaded.LoadFromCompressStream(stream);
  EXPECT_EQ(loaded.CompressedStream().Bytes(), skin.CompressedStream().Bytes());
}

TEST(CompressedStoredSkin, UnreadableContainersLeaveTheSkinEmpty) {
  struct Case {
    int32_t Version, Count;
    const char* Data;
    bool Loads;
  } cases[] = {{2, 4, "data", true},
               {3, 4, "data", true},
               {-1, 4, "data", true},
               {4, 4, "data", false},
               {2, 0, "data", false},
               {2, -1, "data", false},
               {2, -2147483647 - 1, "", false},
               {2, 2, "data", true}};
  for (const Case& c : cases) {
    TspCompressedStoredSkin skin(nullptr);
    GiveData(skin, "previous");
    TMemoryStream stream = Container(c.Version, c.Count, c.Data);
    skin.LoadFromCompressStream(stream);
    const std::string expected = c.Loads ? std::string(c.Data, c.Count) : "";
    EXPECT_EQ(skin.CompressedStream().Bytes(),
              std::vector<uint8_t>(expected.begin(), expected.end()))
        << c.Version << " " << c.Count;
  }
}

TEST(CompressedStoredSkin, ACountPastTheEndRaisesAndKeepsNothing) {
  TspCompressedStoredSkin skin(nullptr);
  GiveData(skin, "previous");
  TMemoryStream stream = Container(2, 100, "only these bytes");
  EXPECT_THROW(skin.LoadFromCompressStream(stream), EReadError);
  EXPECT_TRUE(skin.IsEmpty());
  TMemoryStream stub = Container(2, 1, "");
  stub.SetSize(6);  // cut inside the count
  EXPECT_THROW(skin.LoadFromCompressStream(stub), EReadError);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(CompressedStoredSkin, CompressedFilesHoldTheContainer) {
  TempFolder folder;
  TspCompressedStoredSkin skin(nullptr);
  GiveData(skin, "zlib bytes");
  TMemoryStream container;
  skin.SaveToCompressStream(container);
  container.SaveToFile(folder / "skin.spz");

  TspCompressedStoredSkin loaded(nullptr);
  loaded.LoadFromCompressedFile(folder / "skin.spz");
  EXPECT_EQ(loaded.CompressedStream().Bytes(), skin.CompressedStream().Bytes());
  EXPECT_THROW(loaded.LoadFromCompressedFile(folder / "missing.spz"), EFOpenError);
  EXPECT_TRUE(loaded.IsEmpty());
}

// The stored binary property is the zlib data alone, read whole from its start.
TEST(CompressedStoredSkin, CompressedDataIsItsStoredBinaryPropertyAlwaysWritten) {
  TspCompressedStoredSkin skin(nullptr);
  auto defined = DefinedBinaryProperties(skin);
  ASSERT_EQ(defined.size(), 1u);
  const TDefinedBinaryProperty& data = defined["CompressedData"];
  EXPECT_TRUE(data.HasData);  // also while empty, when it writes nothing
  TMemoryStream none;
  data.WriteData(none);
  EXPECT_EQ(none.Size(), 0);
  TMemoryStream property;
  property.WriteBuffer("\x78\x00\xFF", 3);
  data.ReadData(property);
  TMemoryStream written;
  data.WriteData(written);
  EXPECT_EQ(written.Bytes(), property.Bytes());
}

TEST(CompressedStoredSkin, DecompressingWritesFromTheStreamsPosition) {
  TspCompressedStoredSkin skin(nullptr);
  TMemoryStream payload, packed;
  payload.WriteBuffer("payload", 7);
  CompressStream(payload, packed);
  skin.ReadData(packed);
  TMemoryStream out;
  out.WriteBuffer("head:", 5);
  skin.DeCompressToStream(out);
  EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "head:payload");
}

// A payload of MaxSkinPayloadSize bytes inflates; one byte more refuses the skin as too
// large (it raised a zlib error, as corrupt data does).
TEST(CompressedStoredSkin, APayloadOverItsBoundIsRefusedAsTooLarge) {
  const auto zlibOfZeros = [](int64_t Bytes) {
    TMemoryStream packed;
    TCompressionStream packing(TCompressionLevel::clFastest, packed);
    const std::vector<uint8_t> zeros(1 << 20, 0);
    for (int64_t left = Bytes; left > 0; left -= static_cast<int64_t>(zeros.size()))
      packing.WriteBuffer(zeros.data(), static_cast<int32_t>(std::min<int64_t>(left, zeros.size())));
    packing.Finish();
    return packed;
  };
  TspCompressedStoredSkin fits(nullptr), over(nullptr);
  TMemoryStream fitting = zlibOfZeros(MaxSkinPayloadSize), tooLarge = zlibOfZeros(MaxSkinPayloadSize + 1);
  fits.ReadData(fitting);
  over.ReadData(tooLarge);
  TMemoryStream out;
  fits.DeCompressToStream(out);
  EXPECT_EQ(out.Size(), MaxSkinPayloadSize);
  out.Clear();
  EXPECT_THROW(over.DeCompressToStream(out), ESkinTooLarge);
  EXPECT_THROW(over.Decoded(), ESkinTooLarge);
}

class SkinBuilderTest : public ::testing::Test {
protected:
  std::string Build(const TSyntheticSkin& options = {}) {
    iniName = WriteSyntheticSkin(folder.Path(), options);
    skin.LoadFromIniFile(iniName);
    return iniName;
  }
  TempFolder folder;
  TspCompressedStoredSkin skin{nullptr};
  std::string iniName;
};

TEST_F(SkinBuilderTest, BuildsAVersion2PayloadOfTheFoldersPicturesAndText) {
  TSyntheticSkin options;
  Build(options);
  ASSERT_FALSE(skin.IsEmpty());
  // zlib format at the maximum level: the header says so.
  const std::vector<uint8_t>& zlib = skin.CompressedStream().Bytes();
  EXPECT_EQ(zlib[0], 0x78);
  EXPECT_EQ(zlib[1], 0xDA);

  TMemoryStream stream;
  skin.DeCompressToStream(stream);
  EXPECT_EQ(stream.Bytes()[0], 2);  // payload version
  stream.SetPosition(0);
  TspSkinPayload payload;
  ASSERT_TRUE(ReadSkinPayload(stream, payload));  // the pictures: see the skin data's load
  EXPECT_EQ(payload.Mask.Width(), options.PictureWidth);
  EXPECT_TRUE(payload.RollUpPicture.Empty());
  EXPECT_EQ(payload.ActivePictures.size(), 3u);
  TStringList lines;
  lines.LoadFromFile(iniName);
  EXPECT_EQ(payload.IniText.Text(), lines.Text());
}

TEST_F(SkinBuilderTest, ThirtyTwoBitPicturesStayThirtyTwoBitWithTheirAlpha) {
  WriteSyntheticSkin(folder.Path());
  // The frame and the second active picture get an alpha channel; the rest stay 24-bit.
  std::vector<TPixelImage> written;
  for (const char* name : {"frame.bmp", "active1.bmp"}) {
    TPixelImage image(7, 5, 32);
    for (int32_t y = 0; y < image.Height(); ++y)
      for (int32_t x = 0; x < image.Width(); ++x) {
        image.SetPixel(x, y, RGBColor(static_cast<uint8_t>(30 * x), static_cast<uint8_t>(40 * y), 99));
        image.ScanLine(y)[4 * x + 3] = static_cast<uint8_t>(written.size() * 100 + 7 * x + y);
      }
    TFileStream file(folder / name, fmCreate);
    WriteBmp(image, file, 32);
    written.push_back(std::move(image));
  }
  skin.LoadFromIniFile(folder / "skin.ini");

  TMemoryStream stream;
  skin.DeCompressToStream(stream);
  stream.SetPosition(0);
  TspSkinPayload payload;
  ASSERT_TRUE(ReadSkinPayload(stream, payload));
  ASSERT_EQ(payload.ActivePictures.size(), 3u);
  const TPixelImage* kept[] = {&payload.Picture, &payload.ActivePictures[1]};
  for (size_t i = 0; i < 2; ++i) {
    ASSERT_EQ(kept[i]->BitsPerPixel(), 32) << i;
    ASSERT_EQ(kept[i]->ByteSize(), written[i].ByteSize()) << i;
    EXPECT_TRUE(std::equal(written[i].Bits(), written[i].Bits() + written[i].ByteSize(), kept[i]->Bits())) << i;
  }
  EXPECT_EQ(payload.ActivePictures[0].BitsPerPixel(), 24);
  EXPECT_EQ(payload.ActivePictures[0].Pixel(5, 6), SyntheticPixel(0, 5, 6));
  EXPECT_EQ(payload.Mask.Pixel(2, 2), clBlack);
}

TEST_F(SkinBuilderTest, AFolderLackingARequiredSectionChangesNothing) {
  GiveData(skin, "kept");
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    const std::string name = folder.WriteFile(
        "partial.ini",
        "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n");
    TStringList lines;
    lines.LoadFromFile(name);
    lines.Delete(lines.IndexOf(std::string("[") + section + "]"));
    lines.SaveToFile(name);
    EXPECT_NO_THROW(skin.LoadFromIniFile(name)) << section;
    EXPECT_EQ(skin.CompressedStream().Bytes(), (std::vector<uint8_t>{'k', 'e', 'p', 't'}))
        << section;
  }
  EXPECT_THROW(skin.LoadFromIniFile(folder / "none.ini"), EFOpenError);
}

TEST_F(SkinBuilderTest, AMissingOrMalformedPictureRaisesAndLeavesTheSkinEmpty) {
  WriteSyntheticSkin(folder.Path());
  DeleteFile(folder / "active1.bmp");
  GiveData(skin, "old");
  EXPECT_THROW(skin.LoadFromIniFile(folder / "skin.ini"), EFOpenError);
  EXPECT_TRUE(skin.IsEmpty());

  WriteSyntheticSkin(folder.Path());
  folder.WriteFile("mask.bmp", "BM not really a bitmap at all, but long enough to have headers");
  GiveData(skin, "old");
  EXPECT_THROW(skin.LoadFromIniFile(folder / "skin.ini"), EInvalidGraphic);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST_F(SkinBuilderTest, TheFileNameSettersBuildOnlyWhileDesigning) {
  const std::string ini = WriteSyntheticSkin(folder.Path());
  skin.SetFileName(ini);  // at run time the name is only kept
  EXPECT_EQ(skin.FileName(), ini);
  EXPECT_TRUE(skin.IsEmpty());

  skin.SetDesigning(true);
  skin.Loading();  // a form being read restores names, not data
  skin.SetFileName(ini);
  EXPECT_EQ(skin.FileName(), ini);
  EXPECT_TRUE(skin.IsEmpty());
  skin.Loaded();

  skin.SetFileName(ini);
  EXPECT_EQ(skin.FileName(), "skin.ini");
  ASSERT_FALSE(skin.IsEmpty());

  TMemoryStream container;
  skin.SaveToCompressStream(container);
  container.SaveToFile(folder / "skin.spz");
  TComponent form(nullptr);
  auto* other = new TspCompressedStoredSkin(&form);
  other->SetCompressedFileName(folder / "skin.spz");
  EXPECT_TRUE(other->IsEmpty());
  form.SetDesigning(true);  // a designed form's components are designed too
  other->SetCompressedFileName(folder / "skin.spz");
  EXPECT_EQ(other->CompressedFileName(), "skin.spz");
  EXPECT_EQ(other->CompressedStream().Bytes(), skin.CompressedStream().Bytes());
}

}  // namespace
