#pragma once
// Positioned reads and writes on a file handle.

#include "base/FileUtils.h"
#include "base/Streams.h"
#include "base/StrUtils.h"

#include <cstdint>

// Reads up to count bytes at offset from origin. Returns the number read: 0 when the
// position cannot be reached; the bytes not read keep their values. The handle's
// position is left undefined (see FileReadAt): every routine here sets its own.
int32_t ReadAt(THandle handle, int64_t offset, TSeekOrigin origin, void* buffer, int32_t count);
// Reads up to count bytes at offset from the file's start, taking those that head (the
// file's first bytes, read before) holds from there and reading only the rest. Returns
// the number obtained, as ReadAt does.
int32_t ReadAtUsingHead(THandle handle, const TBytes& head, int64_t offset, void* buffer,
                        int32_t count);
// Writes count bytes at offset from origin; the number written, 0 when the position
// cannot be reached.
int32_t WriteAt(THandle handle, int64_t offset, TSeekOrigin origin, const void* buffer,
                int32_t count);
// The file's size through its handle, -1 when it cannot be found.
int64_t FileSizeOf(THandle handle);
