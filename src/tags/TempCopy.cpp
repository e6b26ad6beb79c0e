#include "TempCopy.h"

#include "TagEnvironment.h"

#include "base/StrUtils.h"

#include <exception>

namespace {

constexpr int kMaxCopyNames = 100;
const std::string kCopyExtension = "tmp";

THandle CreateCopyFile(const std::string& name, std::string& copyName) {
  for (int i = 0; i < kMaxCopyNames; ++i) {
    copyName = ListedFilePath(i == 0 ? name : name + "." + IntToStr(i), kCopyExtension);
    THandle copy = CreateNewFile(copyName);
    if (copy != InvalidHandle) return copy;
    if (!FileExists(copyName) && !DirectoryExists(copyName)) break;  // not a name clash
  }
  return InvalidHandle;
}

bool FillCopy(THandle source, THandle copy, const TFillCopy& fill) {
  try {
    THandleStream sourceStream(source), copyStream(copy);
    if (sourceStream.Seek(0, soBeginning) != 0) return false;
    fill(sourceStream, copyStream);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

bool RewriteThroughTempCopy(TFileInfo& entry, const TFillCopy& fill) {
  if (entry.Handle == InvalidHandle || (entry.OpenMode & 3) == fmOpenRead) return false;
  std::string copyName;
  THandle copy = CreateCopyFile(entry.Name, copyName);
  if (copy == InvalidHandle) return false;
  bool complete = FillCopy(entry.Handle, copy, fill);
  FileClose(copy);
  if (!complete) {
    DeleteFile(copyName);
    return false;
  }
  // The file cannot be replaced while this process holds it open.
  std::string fileName = ListedFilePath(entry.Name, Mp3Extension);
  FileClose(entry.Handle);
  bool replaced = MoveFileReplacing(copyName, fileName);
  if (!replaced) DeleteFile(copyName);
  entry.Handle = FileOpen(fileName, entry.OpenMode);
  return replaced;
}
