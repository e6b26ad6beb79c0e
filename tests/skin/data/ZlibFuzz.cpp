// Fuzz target: arbitrary bytes through the decompression stream and its seeks.
#include "skin/data/ZlibStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream in, out;
  if (size > 0) in.WriteBuffer(data, static_cast<int32_t>(size));
  try {
    DecompressStream(out, in);
    TDecompressionStream stream(in);
    stream.Seek(size % 97, soCurrent);
    stream.Seek(0, soBeginning);
    uint8_t buffer[512];
    while (stream.Read(buffer, sizeof buffer) > 0) {
    }
  } catch (const Exception&) {
    // corrupt or short data ends in a stream error, never a crash
  }
  return 0;
}
