#include "TempFolder.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/Streams.h"

#include <atomic>
#include <chrono>

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = IncludeTrailingBackslash(GetCurrentDir()) + "tmp-" +
                       std::to_string(stamp % 1000000007) + "-" + std::to_string(counter++);
    if (CreateDir(path)) {
      FPath = path + "\\";
      return;
    }
  }
  throw Exception("cannot create a temporary folder");
}

TempFolder::~TempFolder() { RemoveTree(FPath); }

std::string TempFolder::WriteFile(const std::string& name, const std::string& bytes) const {
  TFileStream stream(FPath + name, fmCreate);
  stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return FPath + name;
}

std::string TempFolder::ReadFile(const std::string& name) const {
  return ReadFileBytes(FPath + name);
}

std::string ReadFileBytes(const std::string& path) {
  // Shared with every other handle: tests read files the code under test holds open.
  TFileStream file(path, fmOpenRead | fmShareDenyNone);
  TMemoryStream stream;
  stream.LoadFromStream(file);
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

void RemoveTree(const std::string& folder) {
  std::string base = IncludeTrailingBackslash(folder);
  TSearchRec rec;
  if (FindFirst(base + "*", faAnyFile, rec) == 0) {
    do {
      if (rec.Name == "." || rec.Name == "..") continue;
      if (rec.Attr & faDirectory)
        RemoveTree(base + rec.Name);
      else if (!DeleteFile(base + rec.Name) && FileSetReadOnly(base + rec.Name, false))
        DeleteFile(base + rec.Name);
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
  RemoveDir(ExcludeTrailingBackslash(base));
}
