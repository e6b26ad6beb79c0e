#include "tags/ID3Codecs.h"
#include "tags/ID3TextCodec.h"
#include "tags/TagEnvironment.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TBytes Bytes(std::initializer_list<int> values) {
  TBytes bytes;
  for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}

TBytes BytesOf(const std::string& text) { return TBytes(text.begin(), text.end()); }

TEST(Numbers, BigEndianBothWays) {
  EXPECT_EQ(ReadBigEndian32({0x12, 0x34, 0x56, 0x78}), 0x12345678u);
  EXPECT_EQ(ReadBigEndian32({0xFF, 0xFF, 0xFF, 0xFF}), 0xFFFFFFFFu);
  EXPECT_EQ(WriteBigEndian32(0x12345678), (T4Bytes{0x12, 0x34, 0x56, 0x78}));
}

TEST(Numbers, SyncsafeWithItsFallback) {
  EXPECT_EQ(ReadSyncsafe({0x00, 0x00, 0x02, 0x01}), 257u);
  EXPECT_EQ(ReadSyncsafe({0x7F, 0x7F, 0x7F, 0x7F}), 0x0FFFFFFFu);
  // A byte with bit 7 set cannot be syncsafe: the plain big-endian value.
  EXPECT_EQ(ReadSyncsafe({0x00, 0x00, 0x00, 0xFF}), 255u);
  EXPECT_EQ(ReadSyncsafe({0x80, 0x00, 0x00, 0x00}), 0x80000000u);
  EXPECT_EQ(WriteSyncsafe(257), (T4Bytes{0x00, 0x00, 0x02, 0x01}));
  EXPECT_EQ(WriteSyncsafe(0x0FFFFFFF), (T4Bytes{0x7F, 0x7F, 0x7F, 0x7F}));
  EXPECT_EQ(WriteSyncsafe(0x10000001), (T4Bytes{0x00, 0x00, 0x00, 0x01}));  // bits 28+ dropped
  for (uint32_t v : {0u, 127u, 128u, 16383u, 16384u, 2097152u, 123456789u})
    EXPECT_EQ(ReadSyncsafe(WriteSyncsafe(v)), v);
}

TEST(Numbers, FourBytesAtStaysInsideTheBuffer) {
  TBytes buffer = Bytes({1, 2, 3, 4, 5});
  EXPECT_EQ(FourBytesAt(buffer, 1), (T4Bytes{2, 3, 4, 5}));
  EXPECT_THROW(FourBytesAt(buffer, 2), ERangeError);
  EXPECT_THROW(FourBytesAt(buffer, SIZE_MAX), ERangeError);
}

struct TUnsyncCase {
  TBytes Plain, Unsynchronised;
};

TEST(Unsynchronisation, ApplyAndRemove) {
  const std::vector<TUnsyncCase> cases = {
      {Bytes({0xFF, 0xE0}), Bytes({0xFF, 0x00, 0xE0})},
      {Bytes({0xFF, 0x00}), Bytes({0xFF, 0x00, 0x00})},
      {Bytes({0xFF, 0xFF, 0xFB}), Bytes({0xFF, 0x00, 0xFF, 0x00, 0xFB})},
      {Bytes({0x41, 0xFF, 0xF3, 0x42}), Bytes({0x41, 0xFF, 0x00, 0xF3, 0x42})},
  };
  for (const auto& c : cases) {
    TBytes data = c.Plain;
    EXPECT_TRUE(ApplyUnsynchronisation(data));
    EXPECT_EQ(data, c.Unsynchronised);
    EXPECT_TRUE(RemoveUnsynchronisation(data));
    EXPECT_EQ(data, c.Plain);
  }
}

TEST(Unsynchronisation, BytesThatNeedNoChange) {
  for (TBytes data : {Bytes({0xFF, 0x10}), Bytes({0xFF}), Bytes({0x41, 0xFF}), Bytes({0x00})}) {
    TBytes before = data;
    EXPECT_FALSE(ApplyUnsynchronisation(data));
    EXPECT_EQ(data, before);
  }
  TBytes data = Bytes({0xFF, 0xE0, 0x00});
  EXPECT_FALSE(RemoveUnsynchronisation(data));
  TBytes empty;
  EXPECT_FALSE(ApplyUnsynchronisation(empty));
  EXPECT_FALSE(RemoveUnsynchronisation(empty));
}

TEST(Unsynchronisation, RemoveTakesOneZeroPerPair) {
  TBytes data = Bytes({0xFF, 0x00, 0xE0});
  EXPECT_TRUE(RemoveUnsynchronisation(data));
  EXPECT_EQ(data, Bytes({0xFF, 0xE0}));
  data = Bytes({0xFF, 0x00, 0x00});
  EXPECT_TRUE(RemoveUnsynchronisation(data));
  EXPECT_EQ(data, Bytes({0xFF, 0x00}));
}

TEST(Unsynchronisation, GrowsAsFarAsNeeded) {
  // Every byte but the last needs an inserted zero: far more than a quarter.
  for (size_t n : {2u, 5u, 1000u}) {
    TBytes data(n, 0xFF);
    EXPECT_TRUE(ApplyUnsynchronisation(data));
    ASSERT_EQ(data.size(), 2 * n - 1);
    for (size_t i = 0; i < data.size(); ++i) EXPECT_EQ(data[i], i % 2 ? 0x00 : 0xFF);
    EXPECT_TRUE(RemoveUnsynchronisation(data));
    EXPECT_EQ(data, TBytes(n, 0xFF));
  }
}

TEST(ByteFields, BytesToStringStopsAtTheFirstZero) {
  TBytes buffer = BytesOf(std::string("xxAB\0CDyy", 9));
  EXPECT_EQ(BytesToString(buffer, 3, 5), "AB");
  EXPECT_EQ(BytesToString(buffer, 1, 4), "xxAB");
  EXPECT_EQ(BytesToString(buffer, 5, 1), "");
  EXPECT_EQ(BytesToString(buffer, 6, 0), "");
  EXPECT_THROW(BytesToString(buffer, 0, 2), ERangeError);
  EXPECT_THROW(BytesToString(buffer, 8, 3), ERangeError);
  TBytes big(300, 'a');
  EXPECT_EQ(BytesToString(big, 1, 255).size(), 255u);
  EXPECT_THROW(BytesToString(big, 1, 256), ERangeError);
}

TEST(ByteFields, StringToBytesKeepsTheRestOfTheField) {
  TBytes buffer = BytesOf("..........");
  StringToBytes(buffer, 2, 4, "ab");
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), ".ab.......");
  StringToBytes(buffer, 7, 3, "wxyz");
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), ".ab...wxy.");
  EXPECT_THROW(StringToBytes(buffer, 9, 3, "a"), ERangeError);
}

class TextDecoding : public ::testing::Test {
protected:
  void SetUp() override {
    FPrevious = SetTagErrorHandler([this](const std::string& text) { Errors.push_back(text); });
  }
  void TearDown() override { SetTagErrorHandler(FPrevious); }

  TBytes Decoded(TBytes data, uint8_t encoding) {
    Utf16ToAnsi(data, 0, static_cast<int32_t>(data.size()), encoding);
    return data;
  }

  std::vector<std::string> Errors;

private:
  TTagErrorHandler FPrevious;
};

TEST_F(TextDecoding, Utf16WithEitherByteOrderMark) {
  EXPECT_EQ(Decoded(Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00}), 1), BytesOf("AB"));
  EXPECT_EQ(Decoded(Bytes({0xFE, 0xFF, 0x00, 0x41, 0x00, 0x42}), 1), BytesOf("AB"));
  EXPECT_EQ(Decoded(Bytes({0xFF, 0xFE, 0xE9, 0x00}), 1), Bytes({0xE9}));
  EXPECT_EQ(Decoded(Bytes({0xFF, 0xFE}), 1), TBytes());
  EXPECT_EQ(Decoded(Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42}), 1), BytesOf("A"));  // odd byte
  EXPECT_TRUE(Errors.empty());
}

TEST_F(TextDecoding, TheRangeIsTakenFromInsideTheArray) {
  // Encoding byte, then the text: the result replaces the whole array.
  TBytes frame = Bytes({0x01, 0xFF, 0xFE, 0x68, 0x00, 0x69, 0x00, 0x00, 0x00});
  Utf16ToAnsi(frame, 1, 7, 1);
  EXPECT_EQ(frame, BytesOf("hi"));
  TBytes data = Bytes({0xFF, 0xFE, 0x41, 0x00});
  EXPECT_THROW(Utf16ToAnsi(data, 0, 6, 1), ERangeError);
  EXPECT_THROW(Utf16ToAnsi(data, -2, 4, 1), ERangeError);
}

TEST_F(TextDecoding, CharactersBeyondEightBitsBecomeOneQuestionMark) {
  // U+0101, U+20AC, then U+1F600 as a surrogate pair, then 'x'.
  EXPECT_EQ(Decoded(Bytes({0xFF, 0xFE, 0x01, 0x01, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE, 0x78, 0x00}), 1),
            BytesOf("??" "?x"));
  EXPECT_EQ(Decoded(Bytes({0xFE, 0xFF, 0xD8, 0x3D, 0xDE, 0x00}), 1), BytesOf("?"));
  // Lone surrogates each stand for one character.
  EXPECT_EQ(Decoded(Bytes({0xFF, 0xFE, 0x00, 0xDC, 0x3D, 0xD8}), 1), BytesOf("??"));
}

TEST_F(TextDecoding, Utf16WithoutMarkKeepsItsFirstCharacter) {
  EXPECT_EQ(Decoded(Bytes({0x41, 0x00, 0x42, 0x00}), 1), BytesOf("AB"));
  // Encoding 2 is big-endian without a mark; a mark is dropped all the same.
  EXPECT_EQ(Decoded(Bytes({0x00, 0x41, 0x00, 0xE9}), 2), Bytes({0x41, 0xE9}));
  EXPECT_EQ(Decoded(Bytes({0xFE, 0xFF, 0x00, 0x41}), 2), BytesOf("A"));
}

TEST_F(TextDecoding, Utf8DecodesLikeUtf16) {
  EXPECT_EQ(Decoded(BytesOf("plain"), 3), BytesOf("plain"));
  EXPECT_EQ(Decoded(BytesOf("caf\xC3\xA9"), 3), BytesOf("caf\xE9"));
  EXPECT_EQ(Decoded(BytesOf("\xE2\x82\xAC 5"), 3), BytesOf("? 5"));
  EXPECT_EQ(Decoded(BytesOf("\xF0\x9F\x98\x80!"), 3), BytesOf("?!"));
  EXPECT_EQ(Decoded(BytesOf("\xEF\xBB\xBFmark"), 3), BytesOf("mark"));
  EXPECT_EQ(Decoded(BytesOf("a"), 3), BytesOf("a"));
  EXPECT_EQ(Decoded(TBytes(), 3), TBytes());
  EXPECT_TRUE(Errors.empty());
}

TEST_F(TextDecoding, InvalidUtf8IsKeptByteForByte) {
  // 8-bit text mislabelled as UTF-8, a truncated sequence, an overlong form, an encoded
  // surrogate and a stray continuation byte.
  for (std::string text : {"caf\xE9", "ab\xE4\xB8", "\xC0\x80", "\xED\xA0\x80", "\x80x", "\xF5\x80\x80\x80"})
    EXPECT_EQ(Decoded(BytesOf(text), 3), BytesOf(text)) << text;
  EXPECT_EQ(Decoded(BytesOf("\xE9\xC3\xA9"), 3), Bytes({0xE9, 0xE9}));
}

TEST_F(TextDecoding, TooShortTextIsRefusedWithAMessage) {
  TBytes data = Bytes({0x41});
  Utf16ToAnsi(data, 0, 1, 1);
  EXPECT_EQ(data, Bytes({0x41}));
  Utf16ToAnsi(data, 1, 0, 3);
  EXPECT_EQ(data, Bytes({0x41}));
  Utf16ToAnsi(data, 0, 0, 2);
  EXPECT_EQ(Errors, std::vector<std::string>(3, "Negative length not allowed!"));
}

}  // namespace
