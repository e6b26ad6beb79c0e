#include "base/Exceptions.h"
#include "base/Streams.h"

#include "StreamText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string ReadText(TStream& stream, int32_t count) {
  std::string text(static_cast<size_t>(count), '\0');
  stream.ReadBuffer(text.data(), count);
  return text;
}

TEST(MemoryStream, ReadWriteSeekAndSize) {
  TMemoryStream stream;
  WriteText(stream, "hello world");
  EXPECT_EQ(stream.Size(), 11);
  EXPECT_EQ(stream.Position(), 11);
  EXPECT_EQ(stream.Seek(-5, soEnd), 6);
  EXPECT_EQ(ReadText(stream, 5), "world");
  EXPECT_EQ(stream.Seek(-11, soCurrent), 0);
  EXPECT_EQ(stream.Seek(-1, soBeginning), -1);
  char buffer[4];
  stream.SetPosition(9);
  EXPECT_EQ(stream.Read(buffer, 4), 2);  // only what is there
}

TEST(MemoryStream, GrowthIsZeroFilled) {
  TMemoryStream stream;
  stream.SetSize(4);
  stream.SetPosition(6);
  WriteText(stream, "x");
  ASSERT_EQ(stream.Size(), 7);
  EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().end()),
            std::string("\0\0\0\0\0\0x", 7));
  stream.SetSize(2);
  EXPECT_EQ(stream.Position(), 2);
}

// Room set aside keeps the data where it is as it grows into it; size and position stay.
TEST(MemoryStream, ReservedRoomKeepsTheDataInPlace) {
  TMemoryStream stream;
  stream.WriteBuffer("ab", 2);
  stream.Reserve(1 << 16);
  EXPECT_EQ(stream.Size(), 2);
  EXPECT_EQ(stream.Position(), 2);
  const uint8_t* memory = stream.Memory();
  const std::vector<uint8_t> block(4096, 7);
  for (int i = 0; i < 15; ++i) stream.WriteBuffer(block.data(), static_cast<int32_t>(block.size()));
  EXPECT_EQ(stream.Memory(), memory);
  EXPECT_EQ(stream.Size(), 2 + 15 * 4096);
  EXPECT_EQ(stream.Memory()[0], 'a');
  EXPECT_THROW(stream.Reserve(-1), EStreamError);
}

TEST(StreamBuffers, ShortTransfersRaise) {
  TMemoryStream stream;
  WriteText(stream, "abc");
  stream.SetPosition(0);
  char buffer[8];
  EXPECT_THROW(stream.ReadBuffer(buffer, 4), EReadError);
  EXPECT_NO_THROW(stream.ReadBuffer(buffer, 0));

  TempFolder folder;
  std::string path = folder.WriteFile("ro.bin", "data");
  TFileStream readOnly(path, fmOpenRead);
  EXPECT_THROW(WriteText(readOnly, "x"), EWriteError);
}

TEST(StreamCopy, CopiesExactlyCountBytesFromTheSourcePosition) {
  TMemoryStream source, target;
  WriteText(source, "0123456789");
  source.SetPosition(2);
  EXPECT_EQ(target.CopyFrom(source, 5), 5);
  EXPECT_EQ(std::string(target.Bytes().begin(), target.Bytes().end()), "23456");
  EXPECT_EQ(source.Position(), 7);
  EXPECT_THROW(target.CopyFrom(source, 4), EReadError);
}

TEST(StreamCopy, ZeroOrNegativeCountCopiesNothing) {
  TMemoryStream source, target;
  WriteText(source, "data");
  source.SetPosition(0);
  EXPECT_EQ(target.CopyFrom(source, 0), 0);
  EXPECT_EQ(target.CopyFrom(source, -1), 0);
  EXPECT_EQ(target.Size(), 0);
  EXPECT_EQ(source.Position(), 0);
}

TEST(FileStream, CreatesOpensAndTruncates) {
  TempFolder folder;
  {
    TFileStream created(folder / "f.bin", fmCreate);
    WriteText(created, "0123456789");
  }
  {
    TFileStream rw(folder / "f.bin", fmOpenReadWrite);
    EXPECT_EQ(rw.Size(), 10);
    rw.Seek(-3, soEnd);
    EXPECT_EQ(ReadText(rw, 3), "789");
    rw.SetSize(4);
    EXPECT_EQ(rw.Size(), 4);
  }
  EXPECT_EQ(folder.ReadFile("f.bin"), "0123");
  EXPECT_THROW(TFileStream(folder / "missing.bin", fmOpenRead), EFOpenError);
  EXPECT_THROW(TFileStream(folder / "no\\such\\dir.bin", fmCreate), EFCreateError);
}

TEST(FileStream, LargeCopyThroughMemory) {
  TempFolder folder;
  std::string big(300000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  folder.WriteFile("big.bin", big);
  TMemoryStream memory;
  memory.LoadFromFile(folder / "big.bin");
  EXPECT_EQ(memory.Position(), 0);
  memory.SaveToFile(folder / "copy.bin");
  EXPECT_EQ(folder.ReadFile("copy.bin"), big);
}

TEST(HandleStream, LeavesItsHandleOpen) {
  TempFolder folder;
  std::string path = folder.WriteFile("h.bin", "abc");
  THandle handle = FileOpen(path, fmOpenRead);
  ASSERT_NE(handle, InvalidHandle);
  {
    THandleStream stream(handle);
    EXPECT_EQ(ReadText(stream, 3), "abc");
  }
  EXPECT_EQ(FileSeek(handle, 0, 0), 0);  // still usable
  FileClose(handle);
}

}  // namespace
