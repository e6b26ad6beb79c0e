// Fuzz target: the first-frame scanner. The input is the file, once as it is (a short
// file, scanned to its end) and once repeated past the scan's window; whatever it holds,
// the scan stays in bounds and what it accepts is a valid header inside the file.
#include "FuzzFile.h"

#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void Scan(const std::vector<uint8_t>& bytes) {
  TFuzzFile file(bytes.data(), bytes.size());
  int64_t offset = ProbeTags(file.Info);
  if (!FindMpegHeader(file.Info, offset)) return;
  const TMpegHeader& header = file.Info.MpegHeader;
  if (header.Invalid || header.FrameSize == 0) __builtin_trap();
  // Xing data gives an average frame size from the file's own counts; a header's own
  // frame is never larger than 2881 bytes.
  if (header.BitrateKind == "CBR" && header.FrameSize > 2881) __builtin_trap();
  if (offset < 0 || offset >= static_cast<int64_t>(bytes.size()) || bytes[offset] != 0xFF)
    __builtin_trap();
  header.GetVersionText();
  header.GetChannelModeText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kBeyondTheWindow = 49001;
  if (size == 0) return 0;
  std::vector<uint8_t> bytes(data, data + size);
  Scan(bytes);
  while (bytes.size() < kBeyondTheWindow) bytes.insert(bytes.end(), data, data + size);
  Scan(bytes);
  return 0;
}
