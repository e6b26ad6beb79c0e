#include "FileAccess.h"

int32_t ReadAt(THandle handle, int64_t offset, TSeekOrigin origin, void* buffer, int32_t count) {
  if (handle == InvalidHandle) return 0;
  // Only a position from the end or the current one needs the system to find it.
  const int64_t position = origin == soBeginning ? offset : FileSeek64(handle, offset, origin);
  if (position < 0) return 0;
  int32_t n = FileReadAt(handle, position, buffer, count);
  return n < 0 ? 0 : n;
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
