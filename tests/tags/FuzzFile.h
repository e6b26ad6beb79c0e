#pragma once
// The fuzz input as an in-memory file, with a listed-file entry and a tag record open on
// it (Linux memfd; fuzz targets are built natively only).

#include "tags/TagInfo.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

class TFuzzFile {
public:
  TFuzzFile(const uint8_t* data, size_t size) {
    int fd = memfd_create("fuzz-input", MFD_CLOEXEC);
    if (fd < 0) __builtin_trap();
    for (size_t done = 0; done < size;) {
      ssize_t n = write(fd, data + done, size - done);
      if (n <= 0) __builtin_trap();
      done += static_cast<size_t>(n);
    }
    Entry.Handle = fd;
    Entry.OpenMode = fmOpenReadWrite | fmShareDenyWrite;
    Entry.Name = "fuzz-input";
    Entry.LargerThan128 = size > 128;
    Info.SetFileInfo(&Entry);
  }
  ~TFuzzFile() { close(static_cast<int>(Entry.Handle)); }
  TFuzzFile(const TFuzzFile&) = delete;
  TFuzzFile& operator=(const TFuzzFile&) = delete;

  TFileInfo Entry;
  TTagInfo Info;
};
