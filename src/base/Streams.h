#pragma once
// Byte streams: the abstract TStream, streams over file handles and memory.

#include "FileUtils.h"
#include "Object.h"

#include <cstdint>
#include <string>
#include <vector>

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

class TStream : public TObject {
public:
  // Transfer up to count bytes; return the number transferred.
  virtual int32_t Read(void* buffer, int32_t count) = 0;
  virtual int32_t Write(const void* buffer, int32_t count) = 0;
  // Returns the new position, or -1 when the stream cannot seek there.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t size);

  // Transfer exactly count bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* buffer, int32_t count);
  void WriteBuffer(const void* buffer, int32_t count);
  // Copies count bytes from source's position; count <= 0 copies nothing.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over a file handle it does not own.
class THandleStream : public TStream {
public:
  explicit THandleStream(THandle handle) : FHandle(handle) {}
  THandle Handle() const { return FHandle; }

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;

protected:
  THandle FHandle;
};

// A stream over a file it opens (fmOpenRead/Write/ReadWrite with share flags) or
// creates (fmCreate), and closes when destroyed. Raises EFOpenError / EFCreateError.
class TFileStream : public THandleStream {
public:
  TFileStream(const std::string& fileName, uint32_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  const std::string& FileName() const { return FFileName; }

private:
  std::string FFileName;
};

class TMemoryStream : public TStream {
public:
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t size) override;  // growth is zero-filled

  uint8_t* Memory() { return FData.data(); }
  const uint8_t* Memory() const { return FData.data(); }
  const std::vector<uint8_t>& Bytes() const { return FData; }
  void Clear();
  // Room for size bytes in all, set aside so that writing up to it never moves the data;
  // size and position stay as they are.
  void Reserve(int64_t size);

  // The whole of stream, from its beginning; position 0 afterwards.
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& fileName);
  // The whole of this stream, whatever its position.
  void SaveToStream(TStream& stream) const;
  void SaveToFile(const std::string& fileName) const;

private:
  std::vector<uint8_t> FData;
  int64_t FPosition = 0;
};
