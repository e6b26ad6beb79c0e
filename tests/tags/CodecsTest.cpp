// The ID3 byte codecs: syncsafe numbers, unsynchronisation and text decoding.
#include "FrameFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3TextCodec.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(Numbers, SyncsafeWithItsFallback) {
  EXPECT_EQ(ReadSyncsafe({0x00, 0x00, 0x02, 0x01}), 257u);
  // A byte with bit 7 set cannot be syncsafe: the plain big-endian value.
  EXPECT_EQ(ReadSyncsafe({0x00, 0x00, 0x00, 0xFF}), 255u);
  EXPECT_EQ(WriteSyncsafe(257), (T4Bytes{0x00, 0x00, 0x02, 0x01}));
  EXPECT_EQ(WriteSyncsafe(0x10000001), (T4Bytes{0x00, 0x00, 0x00, 0x01}));  // bits 28+ dropped
  for (uint32_t v : {0u, 127u, 128u, 16384u, 0x0FFFFFFFu})
    EXPECT_EQ(ReadSyncsafe(WriteSyncsafe(v)), v);
  EXPECT_THROW(FourBytesAt(Hex("01 02 03 04 05"), 2), ERangeError);
}

TEST(Unsynchronisation, ApplyAndRemove) {
  for (auto [plain, unsynchronised] : {std::pair{"FF E0", "FF 00 E0"}, {"FF 00", "FF 00 00"}}) {
    TBytes data = Hex(plain);
    EXPECT_TRUE(ApplyUnsynchronisation(data));
    EXPECT_EQ(data, Hex(unsynchronised));
    EXPECT_TRUE(RemoveUnsynchronisation(data));
    EXPECT_EQ(data, Hex(plain));
  }
  for (const char* unchanged : {"FF 10", "FF", "41 FF"}) {
    TBytes data = Hex(unchanged);
    EXPECT_FALSE(ApplyUnsynchronisation(data)) << unchanged;
  }
}

TEST(Unsynchronisation, GrowsAsFarAsNeeded) {
  // Every byte but the last needs an inserted zero: far more than a quarter.
  TBytes data(1000, 0xFF);
  EXPECT_TRUE(ApplyUnsynchronisation(data));
  ASSERT_EQ(data.size(), 1999u);
  for (size_t i = 0; i < data.size(); ++i) ASSERT_EQ(data[i], i % 2 ? 0x00 : 0xFF);
  EXPECT_TRUE(RemoveUnsynchronisation(data));
  EXPECT_EQ(data, TBytes(1000, 0xFF));
}

TEST(TextDecoding, EveryEncodingGivesEightBitText) {
  TShownErrors errors;
  struct TCase {
    uint8_t Encoding;
    const char* Text;
    std::string Expected;
  } cases[] = {
      {1, "FFFE 4100 4200", "AB"},    {1, "FEFF 0041 0042", "AB"},  // either byte order
      {1, "FFFE 4100 42", "A"},       {1, "FFFE", ""},              // an odd byte, a mark only
      {1, "4100 4200", "AB"},         {2, "0041 00E9", "A\xE9"},    // without a mark
      // An encoding ID3v2.4 does not define: UTF-16 whose mark tells the byte order.
      {4, "FEFF 0041 0042", "AB"},    {0xFF, "FFFE 4100", "A"},
      // Through the ANSI code page (1252 here): U+0101 has no byte, U+20AC is 0x80,
      // U+1F600 as a surrogate pair is one '?', a lone surrogate another.
      {1, "FFFE 0101 AC20 3DD8 00DE 7800 00DC", "?\x80?x?"},
      {2, "2026 201C 0160", "\x85\x93\x8A"},
      {3, "636166 C3A9", "caf\xE9"},  {3, "E282AC 20 F09F9880", "\x80 ?"},
      {3, "EFBBBF 6D", "m"},          // a UTF-8 mark is dropped
      // 8-bit text mislabelled as UTF-8, a cut sequence, an overlong form, a surrogate.
      {3, "636166 E9", "caf\xE9"},    {3, "61 E4B8", "a\xE4\xB8"}, {3, "C080", "\xC0\x80"},
      {3, "EDA080", "\xED\xA0\x80"},
  };
  for (const TCase& c : cases) {
    TBytes text = Hex(c.Text);
    DecodeFrameText(text, c.Encoding);
    EXPECT_EQ(text, Bytes(c.Expected)) << c.Text;
  }
  EXPECT_TRUE(errors.Texts.empty());
  // Too short text is refused with a message; the range lies inside the array.
  TBytes data = Hex("41");
  Utf16ToAnsi(data, 0, 1, 1);
  Utf16ToAnsi(data, 1, 0, 3);
  EXPECT_EQ(data, Hex("41"));
  EXPECT_EQ(errors.Texts, std::vector<std::string>(2, "Negative length not allowed!"));
  EXPECT_EQ(errors.Captions, std::vector<TTagErrorCaption>(2, TTagErrorCaption::Translated));
  TBytes frame = Hex("01 FFFE 6800 6900 0000");  // an encoding byte, then the text
  Utf16ToAnsi(frame, 1, 7, 1);
  EXPECT_EQ(frame, Bytes("hi"));
  EXPECT_THROW(Utf16ToAnsi(frame, 0, 6, 1), ERangeError);
}

TEST(TextEncoding, EightBitTextIsWrittenThroughTheAnsiCodePage) {
  // The euro sign, curly quotes and the ellipsis of code page 1252 as the characters
  // they are, not as the C1 controls of the same number.
  const TBytes text = Bytes("\x80 \x93x\x94\x85\xE9");
  EXPECT_EQ(EncodeFrameText(text, 0), text);
  EXPECT_EQ(EncodeFrameText(text, 1), Hex("FFFE AC20 2000 1C20 7800 1D20 2620 E900"));
  EXPECT_EQ(EncodeFrameText(text, 2), Hex("20AC 0020 201C 0078 201D 2026 00E9"));
  EXPECT_EQ(EncodeFrameText(text, 3), Hex("E282AC 20 E2809C 78 E2809D E280A6 C3A9"));
  for (uint8_t encoding : {1, 2, 3}) {  // and read back as they were
    TBytes encoded = EncodeFrameText(text, encoding);
    DecodeFrameText(encoded, encoding);
    EXPECT_EQ(encoded, text) << int{encoding};
  }
}

}  // namespace
