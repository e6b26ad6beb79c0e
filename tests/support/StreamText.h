#pragma once
// Text written to a stream as its bytes, for tests.

#include "base/Streams.h"

#include <cstdint>
#include <string>

inline void WriteText(TStream& Stream, const std::string& Text) {
  Stream.WriteBuffer(Text.data(), static_cast<int32_t>(Text.size()));
}
