// Fuzz target: an ID3v2 frame body split into the fields of a category object and built
// again. The first byte chooses the category code, the second the frame kind; the rest
// is the body. Reading what was built and building it again must give the same bytes.
#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2Frame.h"
#include "tags/ID3v2FrameBody.h"

#include <cstddef>
#include <cstdint>

namespace {

TBytes ReadAndEncode(uint8_t category, uint8_t frameKind, TBytes body) {
  bool ok = false;
  auto frame = CreateFrameCategory(category, frameKind, ok);
  ReadFrameBody(*frame, std::move(body));
  frame->Encode();
  return frame->GetData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  uint8_t category = data[0] % (fcPopularimeter + 2);
  uint8_t frameKind = data[1] % FrameIDCount;
  TBytes first = ReadAndEncode(category, frameKind, TBytes(data + 2, data + size));
  TBytes second = ReadAndEncode(category, frameKind, first);
  if (second != first) __builtin_trap();
  return 0;
}
