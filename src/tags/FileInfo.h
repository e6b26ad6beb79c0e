#pragma once
// The record of one listed MP3 file, made by the folder scan. Tag objects keep the
// addresses of its handle and name, so a handle reopened after a rewrite is seen by all
// of them; the record therefore never moves or copies.

#include "base/FileUtils.h"
#include "base/Object.h"

#include <cstdint>
#include <string>

class TCustomFileInfo : public TObject {
public:
  TCustomFileInfo() = default;
  TCustomFileInfo(const TCustomFileInfo&) = delete;
  TCustomFileInfo& operator=(const TCustomFileInfo&) = delete;

  THandle* GetHandleRef() { return &Handle; }

  THandle Handle = InvalidHandle;  // FileOpen handle, or -1 when not open
  // 0 (fmOpenRead) for a read-only file, else fmOpenReadWrite | fmShareDenyWrite (34).
  uint32_t OpenMode = 0;
  bool Opened = false;    // the file was opened (Handle is what the open gave)
  bool ReadOnly = false;  // the file's read-only attribute
  std::string Name;       // without the dot and extension
  bool LargerThan128 = false;
};

class TCustomFileInfoEx : public TCustomFileInfo {
public:
  std::string NewName;      // the name a rename would give; the scan sets it to Name
  bool NewNameSet = false;  // a name builder set NewName
};

class TFileInfo : public TCustomFileInfoEx {
public:
  TFileInfo() = default;
  TFileInfo* GetSelfPointer() { return this; }
};
