#include "ZlibStreams.h"

#include "base/ScopeExit.h"

#include <limits>

namespace {

const char InvalidOperation[] = "Invalid stream operation";
constexpr int ZlibLevels[] = {Z_NO_COMPRESSION, Z_BEST_SPEED, Z_DEFAULT_COMPRESSION, Z_BEST_COMPRESSION};

int32_t Position32(TStream& stream) {
  int64_t position = stream.Position();
  if (position < 0 || position > std::numeric_limits<int32_t>::max())
    throw ERangeError("Range check error");
  return static_cast<int32_t>(position);
}

}  // namespace

int CheckCompressResult(int code) {
  if (code < 0) throw ECompressionError("error");
  return code;
}

int CheckDecompressResult(int code) {
  if (code < 0) throw EDecompressionError("compression error");
  return code;
}

// --- TCustomZlibStream ---------------------------------------------------------------

TCustomZlibStream::TCustomZlibStream(TStream& strm) : FStrm(strm), FStrmPos(Position32(strm)) {}

void TCustomZlibStream::Progress(TObject* Sender) {
  if (OnProgress) OnProgress(Sender);
}

void TCustomZlibStream::RestorePosition() {
  if (Position32(FStrm) != FStrmPos) FStrm.SetPosition(FStrmPos);
}

void TCustomZlibStream::KeepPosition() { FStrmPos = Position32(FStrm); }

// --- TCompressionStream --------------------------------------------------------------

TCompressionStream::TCompressionStream(TCompressionLevel compressionLevel, TStream& dest)
    : TCustomZlibStream(dest) {
  FZRec.next_out = FBuffer;
  FZRec.avail_out = BufferSize;
  CheckCompressResult(deflateInit(&FZRec, ZlibLevels[static_cast<int>(compressionLevel)]));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (const Exception&) {
    // The wrapped stream keeps what was written before the failure.
  }
}

void TCompressionStream::Finish() {
  if (FFinished) return;
  FFinished = true;
  FZRec.next_in = nullptr;
  FZRec.avail_in = 0;
  TScopeExit end([&] { deflateEnd(&FZRec); });
  RestorePosition();
  while (CheckCompressResult(deflate(&FZRec, Z_FINISH)) != Z_STREAM_END && FZRec.avail_out == 0)
    FlushBuffer(BufferSize);
  if (FZRec.avail_out < static_cast<uInt>(BufferSize)) FlushBuffer(BufferSize - FZRec.avail_out);
}

void TCompressionStream::FlushBuffer(uInt count) {
  FStrm.WriteBuffer(FBuffer, static_cast<int32_t>(count));
  FZRec.next_out = FBuffer;
  FZRec.avail_out = BufferSize;
}

int32_t TCompressionStream::Read(void*, int32_t) { throw ECompressionError(InvalidOperation); }

int32_t TCompressionStream::Write(const void* buffer, int32_t count) {
  if (FFinished) throw ECompressionError(InvalidOperation);
  if (count <= 0) return 0;
  FZRec.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
  FZRec.avail_in = static_cast<uInt>(count);
  RestorePosition();
  while (FZRec.avail_in > 0) {
    CheckCompressResult(deflate(&FZRec, Z_NO_FLUSH));
    if (FZRec.avail_out == 0) {
      FlushBuffer(BufferSize);
      KeepPosition();
      Progress(this);
    }
  }
  return count;
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == soCurrent) return static_cast<int64_t>(FZRec.total_in);
  throw ECompressionError(InvalidOperation);
}

// --- TDecompressionStream ------------------------------------------------------------

TDecompressionStream::TDecompressionStream(TStream& source) : TCustomZlibStream(source) {
  FZRec.next_in = FBuffer;
  FZRec.avail_in = 0;
  CheckDecompressResult(inflateInit(&FZRec));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&FZRec); }

int32_t TDecompressionStream::Read(void* buffer, int32_t count) {
  if (count <= 0) return 0;
  FZRec.next_out = static_cast<Bytef*>(buffer);
  FZRec.avail_out = static_cast<uInt>(count);
  RestorePosition();
  while (FZRec.avail_out > 0) {
    if (FZRec.avail_in == 0) {
      int32_t n = FStrm.Read(FBuffer, BufferSize);
      if (n <= 0) break;  // the source ran dry: what was produced so far
      FZRec.next_in = FBuffer;
      FZRec.avail_in = static_cast<uInt>(n);
      KeepPosition();
      Progress(this);
    }
    int result = CheckDecompressResult(inflate(&FZRec, Z_NO_FLUSH));
    if (result == Z_STREAM_END) break;  // nothing more comes after the end mark
    // A preset dictionary is never used by stored skins; inflate would stall on it.
    if (result == Z_NEED_DICT) CheckDecompressResult(Z_DATA_ERROR);
  }
  return count - static_cast<int32_t>(FZRec.avail_out);
}

int32_t TDecompressionStream::Write(const void*, int32_t) {
  throw EDecompressionError(InvalidOperation);
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t produced = static_cast<int64_t>(FZRec.total_out);
  if (offset == 0 && origin == soBeginning) {
    CheckDecompressResult(inflateReset(&FZRec));
    FZRec.next_in = FBuffer;
    FZRec.avail_in = 0;
    FStrm.SetPosition(0);
    FStrmPos = 0;
    return 0;
  }
  int64_t distance;
  if (origin == soCurrent && offset >= 0)
    distance = offset;
  else if (origin == soBeginning && offset > produced)
    distance = offset - produced;
  else
    throw EDecompressionError(InvalidOperation);
  uint8_t discard[BufferSize];
  for (int64_t i = 0; i < distance / BufferSize; ++i) ReadBuffer(discard, BufferSize);
  if (distance % BufferSize > 0) ReadBuffer(discard, static_cast<int32_t>(distance % BufferSize));
  return static_cast<int64_t>(FZRec.total_out);
}

// --- whole streams -------------------------------------------------------------------

void CompressStream(TStream& inStream, TStream& outStream) {
  TCompressionStream compressor(TCompressionLevel::clMax, outStream);
  inStream.SetPosition(0);
  compressor.CopyFrom(inStream, inStream.Size());
  compressor.Finish();
}

void DecompressStream(TStream& outStream, TStream& inStream, int64_t maxSize) {
  inStream.SetPosition(0);
  TDecompressionStream decompressor(inStream);
  uint8_t buffer[4096];
  int64_t total = 0;
  for (int32_t n; (n = decompressor.Read(buffer, sizeof buffer)) > 0;) {
    total += n;
    if (total > maxSize) throw EDecompressedTooLarge("Decompressed data too large");
    outStream.WriteBuffer(buffer, n);
  }
}
