#include "skin/data/ZlibStreams.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::vector<uint8_t> Pattern(size_t size) {
  std::mt19937 random(static_cast<unsigned>(size));
  std::vector<uint8_t> data(size);
  // Half random, half repetitive: both stored and compressed deflate blocks.
  for (size_t i = 0; i < size; ++i)
    data[i] = i % 2048 < 1024 ? static_cast<uint8_t>(random()) : static_cast<uint8_t>(i % 7);
  return data;
}

std::vector<uint8_t> Bytes(TMemoryStream& stream) { return stream.Bytes(); }

void Fill(TMemoryStream& stream, const std::vector<uint8_t>& data) {
  stream.Clear();
  if (!data.empty()) stream.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
  stream.SetPosition(0);
}

// zlib's own one-shot decoder, as an independent check of what the stream wrote.
std::vector<uint8_t> Uncompress(const std::vector<uint8_t>& packed, size_t expected) {
  std::vector<uint8_t> out(expected + 1);
  uLongf length = static_cast<uLongf>(out.size());
  EXPECT_EQ(uncompress(out.data(), &length, packed.data(), static_cast<uLong>(packed.size())), Z_OK);
  out.resize(length);
  return out;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data) {
  TMemoryStream in, out;
  Fill(in, data);
  CompressStream(in, out);
  return Bytes(out);
}

// Inflating packed fails with the one error message, whatever went wrong.
void ExpectCompressionError(const std::vector<uint8_t>& packed) {
  TMemoryStream in, out;
  Fill(in, packed);
  try {
    DecompressStream(out, in);
    FAIL() << "no error raised";
  } catch (const EDecompressionError& e) {
    EXPECT_EQ(e.Message(), "compression error");
  }
}

TEST(ZlibStreams, RoundTripsAcrossBufferBoundaries) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{4095}, size_t{4096}, size_t{4097},
                      size_t{100000}, size_t{1} << 20}) {
    std::vector<uint8_t> data = Pattern(size);
    std::vector<uint8_t> packed = Compress(data);
    EXPECT_EQ(Uncompress(packed, size), data) << size;
    TMemoryStream in, out;
    Fill(in, packed);
    DecompressStream(out, in);
    EXPECT_EQ(Bytes(out), data) << size;
  }
}

TEST(ZlibStreams, AnEmptyInputGivesACompleteStream) {
  std::vector<uint8_t> packed = Compress({});
  ASSERT_GE(packed.size(), 8u);  // header, empty final block, Adler-32
  EXPECT_EQ(Uncompress(packed, 0).size(), 0u);
}

TEST(CompressionStream, SeekReportsBytesWrittenAndRefusesTheRest) {
  TMemoryStream out;
  TCompressionStream stream(TCompressionLevel::clDefault, out);
  std::vector<uint8_t> data = Pattern(5000);
  stream.WriteBuffer(data.data(), 5000);
  EXPECT_EQ(stream.Seek(0, soCurrent), 5000);
  EXPECT_THROW(stream.Seek(1, soCurrent), ECompressionError);
  EXPECT_THROW(stream.Size(), ECompressionError);
  uint8_t b;
  try {
    stream.Read(&b, 1);
    FAIL();
  } catch (const ECompressionError& e) {
    EXPECT_EQ(e.Message(), "Invalid stream operation");
  }
}

TEST(CompressionStream, PutsTheWrappedStreamBackWhenSomeoneMovedIt) {
  TMemoryStream out;
  out.WriteBuffer("HEAD", 4);
  std::vector<uint8_t> data = Pattern(30000);
  {
    TCompressionStream stream(TCompressionLevel::clMax, out);
    stream.WriteBuffer(data.data(), 15000);
    out.SetPosition(0);  // another user of the stream
    stream.WriteBuffer(data.data() + 15000, 15000);
    out.SetPosition(1);
    stream.Finish();
  }
  std::vector<uint8_t> all = Bytes(out);
  ASSERT_EQ(std::string(all.begin(), all.begin() + 4), "HEAD");
  EXPECT_EQ(Uncompress({all.begin() + 4, all.end()}, data.size()), data);
}

class DecompressionStreamTest : public ::testing::Test {
protected:
  void SetUp() override { Fill(source, Compress(data)); }
  std::vector<uint8_t> data = Pattern(20000);
  TMemoryStream source;
};

TEST_F(DecompressionStreamTest, ForwardSeeksSkipAndBackwardSeeksAreRefused) {
  TDecompressionStream stream(source);
  uint8_t b = 0;
  EXPECT_EQ(stream.Seek(9000, soCurrent), 9000);
  stream.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[9000]);
  EXPECT_EQ(stream.Seek(12000, soBeginning), 12000);
  stream.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[12000]);
  EXPECT_EQ(stream.Seek(0, soCurrent), 12001);
  EXPECT_THROW(stream.Seek(-1, soCurrent), EDecompressionError);
  EXPECT_THROW(stream.Seek(5, soBeginning), EDecompressionError);
  EXPECT_THROW(stream.Size(), EDecompressionError);
  EXPECT_THROW(stream.Seek(100000, soCurrent), EReadError);  // past the end
}

TEST_F(DecompressionStreamTest, SeekToZeroRestartsAtTheStartOfTheSource) {
  TDecompressionStream stream(source);
  std::vector<uint8_t> first(100);
  stream.ReadBuffer(first.data(), 100);
  EXPECT_EQ(stream.Seek(0, soBeginning), 0);
  std::vector<uint8_t> again(100);
  stream.ReadBuffer(again.data(), 100);
  EXPECT_EQ(again, first);
  EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 100), first);
}

TEST_F(DecompressionStreamTest, WritingIsRefusedAndChangesNothing) {
  TDecompressionStream stream(source);
  EXPECT_THROW(stream.Write("x", 1), EDecompressionError);
  std::vector<uint8_t> all(data.size());
  stream.ReadBuffer(all.data(), static_cast<int32_t>(all.size()));
  EXPECT_EQ(all, data);
}

TEST_F(DecompressionStreamTest, AnExhaustedOrTruncatedSourceEndsTheRead) {
  std::vector<uint8_t> packed = Bytes(source);
  {
    TDecompressionStream stream(source);
    std::vector<uint8_t> buffer(data.size() + 10);
    EXPECT_EQ(stream.Read(buffer.data(), static_cast<int32_t>(buffer.size())),
              static_cast<int32_t>(data.size()));
    EXPECT_EQ(stream.Read(buffer.data(), 10), 0);
  }
  TMemoryStream cut, out;
  Fill(cut, std::vector<uint8_t>(packed.begin(), packed.begin() + packed.size() / 2));
  EXPECT_NO_THROW(DecompressStream(out, cut));
  EXPECT_GT(out.Size(), 0);
  EXPECT_LT(out.Size(), static_cast<int64_t>(data.size()));
}

TEST_F(DecompressionStreamTest, BytesAfterTheEndMarkDoNotStopTheReadFromEnding) {
  std::vector<uint8_t> packed = Bytes(source);
  packed.insert(packed.end(), 10000, 0x55);
  TMemoryStream padded, out;
  Fill(padded, packed);
  DecompressStream(out, padded);
  EXPECT_EQ(Bytes(out), data);
}

TEST(DecompressionStream, CorruptDataRaisesCompressionError) {
  std::vector<uint8_t> packed = Compress(Pattern(5000));
  for (size_t i = 2; i < 40; ++i) packed[i] ^= 0xA5;
  ExpectCompressionError(packed);
}

TEST(DecompressionStream, APresetDictionaryIsACompressionErrorNotAStall) {
  z_stream z{};
  ASSERT_EQ(deflateInit(&z, Z_BEST_COMPRESSION), Z_OK);
  const Bytef dictionary[] = "skin picture mask";
  ASSERT_EQ(deflateSetDictionary(&z, dictionary, sizeof dictionary), Z_OK);
  std::vector<uint8_t> input = Pattern(3000), packed(4000);
  z.next_in = input.data();
  z.avail_in = static_cast<uInt>(input.size());
  z.next_out = packed.data();
  z.avail_out = static_cast<uInt>(packed.size());
  ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  packed.resize(z.total_out);
  deflateEnd(&z);
  ASSERT_TRUE(packed[1] & 0x20);  // the header's dictionary flag

  ExpectCompressionError(packed);
}

TEST(DecompressStream, OutputBeyondTheBoundIsRefused) {
  std::vector<uint8_t> data(50000, 'x');
  TMemoryStream in, out, exact;
  Fill(in, Compress(data));
  EXPECT_THROW(DecompressStream(out, in, 49999), EDecompressionError);
  DecompressStream(exact, in, 50000);
  EXPECT_EQ(Bytes(exact), data);
}

// A stream parked beyond 2 GB.
class TFarStream : public TStream {
public:
  int32_t Read(void*, int32_t) override { return 0; }
  int32_t Write(const void*, int32_t count) override { return count; }
  int64_t Seek(int64_t, TSeekOrigin) override { return int64_t{3} << 30; }
};

TEST(ZlibStreams, AWrappedStreamPositionBeyond32BitsIsARangeError) {
  TFarStream far;
  EXPECT_THROW(TDecompressionStream{far}, ERangeError);
  EXPECT_THROW((TCompressionStream{TCompressionLevel::clMax, far}), ERangeError);
}

}  // namespace
