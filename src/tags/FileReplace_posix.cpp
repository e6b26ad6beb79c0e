#include "FileReplace.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>

namespace {

std::string ToNative(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

THandle CreateNewFile(const std::string& fileName) {
  int fd = ::open(ToNative(fileName).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return fd < 0 ? InvalidHandle : fd;
}

bool MoveFileReplacing(const std::string& source, const std::string& target) {
  return std::rename(ToNative(source).c_str(), ToNative(target).c_str()) == 0;
}
