#include "Streams.h"

#include "Exceptions.h"

#include <algorithm>
#include <cstring>
#include <limits>

// --- TStream -------------------------------------------------------------------------

int64_t TStream::Size() {
  int64_t position = Seek(0, soCurrent);
  int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream cannot change its size"); }

void TStream::ReadBuffer(void* buffer, int32_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  constexpr int32_t kBufferSize = 64 * 1024;
  if (count <= 0) return 0;
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, kBufferSize)));
  int64_t copied = 0;
  while (copied < count) {
    int32_t n = static_cast<int32_t>(std::min<int64_t>(count - copied, kBufferSize));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    copied += n;
  }
  return copied;
}

// --- THandleStream -------------------------------------------------------------------

int32_t THandleStream::Read(void* buffer, int32_t count) {
  int32_t n = FileRead(FHandle, buffer, count);
  return n < 0 ? 0 : n;
}

int32_t THandleStream::Write(const void* buffer, int32_t count) {
  int32_t n = FileWrite(FHandle, buffer, count);
  return n < 0 ? 0 : n;
}

int64_t THandleStream::Seek(int64_t offset, TSeekOrigin origin) {
  return FileSeek64(FHandle, offset, origin);
}

void THandleStream::SetSize(int64_t size) {
  if (Seek(size, soBeginning) != size || !FileTruncate(FHandle)) RaiseLastOSError();
}

// --- TFileStream ---------------------------------------------------------------------

TFileStream::TFileStream(const std::string& fileName, uint32_t mode)
    : THandleStream(InvalidHandle), FFileName(fileName) {
  if (mode == fmCreate) {
    FHandle = FileCreate(fileName);
    if (FHandle == InvalidHandle)
      throw EFCreateError("Cannot create file \"" + fileName + "\". " +
                          SysErrorMessage(GetLastOSError()));
  } else {
    FHandle = FileOpen(fileName, mode);
    if (FHandle == InvalidHandle)
      throw EFOpenError("Cannot open file \"" + fileName + "\". " +
                        SysErrorMessage(GetLastOSError()));
  }
}

TFileStream::~TFileStream() {
  if (FHandle != InvalidHandle) FileClose(FHandle);
}

// --- TMemoryStream -------------------------------------------------------------------

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || FPosition >= Size()) return 0;
  int32_t n = static_cast<int32_t>(std::min<int64_t>(count, Size() - FPosition));
  std::memcpy(buffer, FData.data() + FPosition, n);
  FPosition += n;
  return n;
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  int64_t end = FPosition + count;
  if (end > Size()) FData.resize(static_cast<size_t>(end));
  std::memcpy(FData.data() + FPosition, buffer, count);
  FPosition = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : Size();
  int64_t target = base + offset;
  if (target < 0) return -1;
  FPosition = target;  // beyond the end is allowed; a write there zero-fills the gap
  return FPosition;
}

namespace {

// A memory stream's size, which its 32-bit positions bound.
size_t MemoryStreamSize(int64_t size) {
  if (size < 0 || size > std::numeric_limits<int32_t>::max()) throw EStreamError("Invalid stream size");
  return static_cast<size_t>(size);
}

}  // namespace

void TMemoryStream::SetSize(int64_t size) {
  FData.resize(MemoryStreamSize(size));
  FPosition = std::min(FPosition, size);
}

void TMemoryStream::Reserve(int64_t size) { FData.reserve(MemoryStreamSize(size)); }

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  int64_t size = stream.Size();
  SetSize(size);
  if (size > 0) stream.ReadBuffer(FData.data(), static_cast<int32_t>(size));
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TMemoryStream::SaveToStream(TStream& stream) const {
  if (!FData.empty()) stream.WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}
