#pragma once
// The bytes the tag probe read of a listed file, handed on to the readers that follow it.

#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <cstdint>

// ProbeTags reads a file's size, its first bytes and its last 128 once; the MPEG scan
// and the tag objects made right after it take what they need from here instead of
// reading the same bytes again. They stand for the file only while it stays open
// through the same handle and unchanged: every write through the tag objects drops them.
struct TProbedBytes {
  THandle Handle = InvalidHandle;  // the handle they were read through
  int64_t FileSize = -1;
  TBytes Head;  // the file's first bytes, as many as the probe's read gave
  TBytes Tail;  // the file's last 128 bytes; empty for a shorter file, or once taken

  bool HoldFor(THandle handle) const { return handle != InvalidHandle && handle == Handle; }
};
