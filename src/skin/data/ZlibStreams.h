#pragma once
// zlib streams for stored skins: TCompressionStream deflates what is written to it into
// a destination stream, TDecompressionStream inflates a source stream as it is read.
// Both work through one 4096-byte buffer and leave the wrapped stream open.

#include "base/Delegate.h"
#include "base/Exceptions.h"
#include "base/Streams.h"

#include <cstdint>
#include <limits>
#include <zlib.h>

VQ_DECLARE_EXCEPTION(EZlibError, Exception);
VQ_DECLARE_EXCEPTION(ECompressionError, EZlibError);
VQ_DECLARE_EXCEPTION(EDecompressionError, EZlibError);
// Output beyond the bound a whole-stream inflate was given: the data may be sound.
VQ_DECLARE_EXCEPTION(EDecompressedTooLarge, EDecompressionError);

// Raise ECompressionError "error" / EDecompressionError "compression error" for a
// negative zlib result; otherwise return it.
int CheckCompressResult(int code);
int CheckDecompressResult(int code);

// Index into the zlib levels 0 (none), 1 (fastest), -1 (default) and 9 (maximum). Scoped,
// since the colour constants clNone and clDefault share its member names.
enum class TCompressionLevel { clNone = 0, clFastest = 1, clDefault = 2, clMax = 3 };

class TCustomZlibStream : public TStream {
public:
  TNotifyEvent OnProgress;

protected:
  static constexpr int32_t BufferSize = 4096;

  explicit TCustomZlibStream(TStream& strm);
  TCustomZlibStream(const TCustomZlibStream&) = delete;
  TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

  virtual void Progress(TObject* Sender);
  // Puts the wrapped stream back where this stream left it, should another user have
  // moved it in between.
  void RestorePosition();
  void KeepPosition();

  TStream& FStrm;
  int32_t FStrmPos;
  z_stream FZRec{};
  Bytef FBuffer[BufferSize]{};
};

class TCompressionStream : public TCustomZlibStream {
public:
  TCompressionStream(TCompressionLevel compressionLevel, TStream& dest);
  // Finishes the zlib data unless Finish did; a failure there cannot be reported.
  ~TCompressionStream() override;

  // Writes the rest of the zlib data and ends the stream (deflateEnd runs also when
  // this raises). Nothing can be written afterwards.
  void Finish();

  int32_t Read(void* buffer, int32_t count) override;  // refused
  int32_t Write(const void* buffer, int32_t count) override;
  // Only 0 from the current position: the number of bytes written so far.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

private:
  void FlushBuffer(uInt count);
  bool FFinished = false;
};

class TDecompressionStream : public TCustomZlibStream {
public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;  // refused
  // 0 from the beginning restarts at position 0 of the source; forward seeks read and
  // discard. Returns the number of bytes produced so far.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
};

// Compresses all of inStream (from its beginning) into outStream at maximum level.
void CompressStream(TStream& inStream, TStream& outStream);
// Inflates all of inStream (from its beginning) into outStream. Output beyond maxSize
// bytes raises EDecompressedTooLarge, so that a small input cannot claim unbounded memory.
void DecompressStream(TStream& outStream, TStream& inStream,
                      int64_t maxSize = std::numeric_limits<int64_t>::max());
