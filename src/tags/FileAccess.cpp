#include "FileAccess.h"

#include <algorithm>
#include <cstring>

int32_t ReadAt(THandle handle, int64_t offset, TSeekOrigin origin, void* buffer, int32_t count) {
  if (handle == InvalidHandle) return 0;
  // Only a position from the end or the current one needs the system to find it.
  const int64_t position = origin == soBeginning ? offset : FileSeek64(handle, offset, origin);
  if (position < 0) return 0;
  int32_t n = FileReadAt(handle, position, buffer, count);
  return n < 0 ? 0 : n;
}

int32_t ReadAtUsingHead(THandle handle, const TBytes& head, int64_t offset, void* buffer,
                        int32_t count) {
  int32_t held = 0;
  if (offset >= 0 && offset < static_cast<int64_t>(head.size()))
    held = static_cast<int32_t>(std::min<int64_t>(count, static_cast<int64_t>(head.size()) - offset));
  if (held > 0) std::memcpy(buffer, head.data() + offset, static_cast<size_t>(held));
  if (held == count) return held;
  return held + ReadAt(handle, offset + held, soBeginning, static_cast<uint8_t*>(buffer) + held,
                       count - held);
}

int32_t WriteAt(THandle handle, int64_t offset, TSeekOrigin origin, const void* buffer,
                int32_t count) {
  if (handle == InvalidHandle || FileSeek64(handle, offset, origin) < 0) return 0;
  int32_t n = FileWrite(handle, buffer, count);
  return n < 0 ? 0 : n;
}

int64_t FileSizeOf(THandle handle) {
  return handle == InvalidHandle ? -1 : FileSeek64(handle, 0, soEnd);
}
