// POSIX back end of the file routines. Paths arrive with "\" separators.
#include "base/FileUtils.h"

#include "base/FindState.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ToNative(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

// A new file for reading and writing; O_TRUNC empties one that exists, O_EXCL refuses it.
THandle CreateReadWrite(const std::string& fileName, int existing) {
  int fd = ::open(ToNative(fileName).c_str(), O_RDWR | O_CREAT | existing | O_CLOEXEC, 0666);
  return fd < 0 ? InvalidHandle : fd;
}

std::string FromNative(const std::string& path) {
  std::string result = path;
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

bool StatPath(const std::string& path, struct stat& st) {
  return ::stat(ToNative(path).c_str(), &st) == 0;
}

int32_t DosDateTime(time_t t) {
  constexpr int kDosFirstYear = 80;  // 1980 in tm_year's count from 1900
  struct tm local {};
  localtime_r(&t, &local);
  if (local.tm_year < kDosFirstYear) return 0;
  uint32_t date = ((local.tm_year - kDosFirstYear) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday;
  uint32_t time = (local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2);
  return static_cast<int32_t>((date << 16) | time);
}

}  // namespace

THandle FileOpen(const std::string& fileName, uint32_t mode) {
  static const int kAccess[] = {O_RDONLY, O_WRONLY, O_RDWR};
  if ((mode & 3) > 2) {
    errno = EINVAL;
    return InvalidHandle;
  }
  int fd = ::open(ToNative(fileName).c_str(), kAccess[mode & 3] | O_CLOEXEC);
  if (fd < 0) return InvalidHandle;
  // The system refuses to open a folder for writing; only a read-only open needs a look.
  struct stat st {};
  if ((mode & 3) == fmOpenRead && (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))) {
    ::close(fd);
    errno = EISDIR;
    return InvalidHandle;
  }
  return fd;
}

THandle FileCreate(const std::string& fileName) { return CreateReadWrite(fileName, O_TRUNC); }

THandle CreateNewFile(const std::string& fileName) { return CreateReadWrite(fileName, O_EXCL); }

int64_t FileSeek64(THandle handle, int64_t offset, int origin) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (origin < 0 || origin > 2) {
    errno = EINVAL;
    return -1;
  }
  off_t r = ::lseek(static_cast<int>(handle), static_cast<off_t>(offset), kWhence[origin]);
  return r < 0 ? -1 : static_cast<int64_t>(r);
}

int32_t FileSeek(THandle handle, int32_t offset, int origin) {
  int64_t r = FileSeek64(handle, offset, origin);
  if (r > INT32_MAX) {
    errno = EOVERFLOW;
    return -1;
  }
  return static_cast<int32_t>(r);
}

int32_t FileRead(THandle handle, void* buffer, int32_t count) {
  if (count < 0) return -1;
  ssize_t n;
  do n = ::read(static_cast<int>(handle), buffer, static_cast<size_t>(count));
  while (n < 0 && errno == EINTR);
  return static_cast<int32_t>(n);
}

int32_t FileReadAt(THandle handle, int64_t offset, void* buffer, int32_t count) {
  if (count < 0 || offset < 0) {
    errno = EINVAL;
    return -1;
  }
  ssize_t n;
  do n = ::pread(static_cast<int>(handle), buffer, static_cast<size_t>(count),
                 static_cast<off_t>(offset));
  while (n < 0 && errno == EINTR);
  return static_cast<int32_t>(n);
}

int32_t FileWrite(THandle handle, const void* buffer, int32_t count) {
  if (count < 0) return -1;
  ssize_t n;
  do n = ::write(static_cast<int>(handle), buffer, static_cast<size_t>(count));
  while (n < 0 && errno == EINTR);
  return static_cast<int32_t>(n);
}

bool FileTruncate(THandle handle) {
  off_t position = ::lseek(static_cast<int>(handle), 0, SEEK_CUR);
  return position >= 0 && ::ftruncate(static_cast<int>(handle), position) == 0;
}

void FileClose(THandle handle) { ::close(static_cast<int>(handle)); }

bool FileExists(const std::string& fileName) {
  struct stat st {};
  return StatPath(fileName, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& directory) {
  struct stat st {};
  return StatPath(directory, st) && S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& fileName) {
  if (DirectoryExists(fileName)) {
    errno = EISDIR;
    return false;
  }
  return ::unlink(ToNative(fileName).c_str()) == 0;
}

bool MoveFileReplacing(const std::string& source, const std::string& target) {
  const int32_t attributes = FileGetAttr(target);
  if (attributes != -1 && (attributes & faReadOnly) != 0) {
    errno = EACCES;
    return false;
  }
  return std::rename(ToNative(source).c_str(), ToNative(target).c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
  std::string from = ToNative(oldName), to = ToNative(newName);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without RENAME_NOREPLACE: check, then rename.
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

int32_t FileGetAttr(const std::string& fileName) {
  struct stat st {};
  if (!StatPath(fileName, st)) return -1;
  int32_t attributes = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= faReadOnly;
  return attributes;
}

bool FileSetReadOnly(const std::string& fileName, bool readOnly) {
  struct stat st {};
  if (!StatPath(fileName, st)) return false;
  mode_t mode = readOnly ? st.st_mode & ~mode_t{S_IWUSR | S_IWGRP | S_IWOTH} : st.st_mode | S_IWUSR;
  return ::chmod(ToNative(fileName).c_str(), mode & 07777) == 0;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat first {}, second {};
  return StatPath(a, first) && StatPath(b, second) && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

bool CreateDir(const std::string& directory) {
  return ::mkdir(ToNative(directory).c_str(), 0777) == 0;
}

bool RemoveDir(const std::string& directory) {
  return ::rmdir(ToNative(directory).c_str()) == 0;
}

std::string GetCurrentDir() {
  char buffer[PATH_MAX];
  return ::getcwd(buffer, sizeof buffer) ? FromNative(buffer) : std::string();
}

bool SetCurrentDir(const std::string& directory) {
  return ::chdir(ToNative(directory).c_str()) == 0;
}

std::string ProgramFileName() {
  char buffer[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? FromNative(std::string(buffer, static_cast<size_t>(n))) : std::string();
}

uint32_t GetLastOSError() { return static_cast<uint32_t>(errno); }

std::string SysErrorMessage(uint32_t errorCode) {
  return std::strerror(static_cast<int>(errorCode));
}

// --- folder listing ------------------------------------------------------------------

struct TFindPlatform {
  DIR* Dir = nullptr;
  std::string Folder;  // native, with a trailing "/"
  ~TFindPlatform() {
    if (Dir) ::closedir(Dir);
  }
};

TFindState::TFindState() : Platform(std::make_unique<TFindPlatform>()) {}
TFindState::~TFindState() = default;

int TFindState::NoMoreFilesError() { return ENOENT; }

int TFindState::Open(const std::string& path, TSearchRec& rec) {
  std::string folder = ToNative(ExtractFilePath(path));
  Platform->Folder = folder;
  Platform->Dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!Platform->Dir) return errno;
  return Next(rec);
}

int TFindState::Next(TSearchRec& rec) {
  errno = 0;
  while (dirent* entry = ::readdir(Platform->Dir)) {
    // The mask applies to the name alone: an entry it refuses costs no look-up.
    if (!MatchesMask(entry->d_name, Mask)) continue;
    struct stat st {};
    std::string full = Platform->Folder + entry->d_name;
    if (::stat(full.c_str(), &st) != 0) continue;  // dangling link or vanished entry
    rec.Name = entry->d_name;
    rec.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size);
    rec.Time = DosDateTime(st.st_mtime);
    rec.Attr = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
    if (rec.Name[0] == '.' && rec.Name != "." && rec.Name != "..") rec.Attr |= faHidden;
    // Read-only: nobody may write it (what FileSetReadOnly makes, and what root sees),
    // or this process may not.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(full.c_str(), W_OK) != 0)
      rec.Attr |= faReadOnly;
    return 0;
  }
  return errno != 0 ? errno : NoMoreFilesError();
}
