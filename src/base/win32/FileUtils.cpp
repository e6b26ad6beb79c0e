// Win32 back end of the file routines.
#include "base/FileUtils.h"

#include "base/FindState.h"
#include "base/win32/WinApi.h"

#include <climits>

namespace {

HANDLE ToHandle(THandle handle) { return reinterpret_cast<HANDLE>(handle); }

DWORD ShareMode(uint32_t mode) {
  switch (mode & 0xF0) {
    case fmShareDenyWrite: return FILE_SHARE_READ;
    case fmShareDenyRead: return FILE_SHARE_WRITE;
    case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;  // compatibility and exclusive
  }
}

void FillSearchRec(const WIN32_FIND_DATAA& data, TSearchRec& rec) {
  rec.Name = data.cFileName;
  rec.Attr = static_cast<int32_t>(data.dwFileAttributes & faAnyFile);
  rec.Size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  FILETIME local;
  WORD date = 0, time = 0;
  if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) &&
      FileTimeToDosDateTime(&local, &date, &time))
    rec.Time = static_cast<int32_t>((static_cast<uint32_t>(date) << 16) | time);
  else
    rec.Time = 0;
}

// A new file for reading and writing, not shared; disposition says whether one that
// exists is truncated or refused.
THandle CreateReadWrite(const std::string& fileName, DWORD disposition) {
  HANDLE h = CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  return h == INVALID_HANDLE_VALUE ? InvalidHandle : reinterpret_cast<THandle>(h);
}

}  // namespace

THandle FileOpen(const std::string& fileName, uint32_t mode) {
  static const DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
  if ((mode & 3) > 2) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return InvalidHandle;
  }
  HANDLE h = CreateFileA(fileName.c_str(), kAccess[mode & 3], ShareMode(mode), nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return h == INVALID_HANDLE_VALUE ? InvalidHandle : reinterpret_cast<THandle>(h);
}

THandle FileCreate(const std::string& fileName) { return CreateReadWrite(fileName, CREATE_ALWAYS); }

THandle CreateNewFile(const std::string& fileName) { return CreateReadWrite(fileName, CREATE_NEW); }

int64_t FileSeek64(THandle handle, int64_t offset, int origin) {
  static const DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  if (origin < 0 || origin > 2) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  LARGE_INTEGER distance, result;
  distance.QuadPart = offset;
  if (!SetFilePointerEx(ToHandle(handle), distance, &result, kMethod[origin])) return -1;
  return result.QuadPart;
}

int32_t FileSeek(THandle handle, int32_t offset, int origin) {
  int64_t r = FileSeek64(handle, offset, origin);
  if (r > INT32_MAX) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return -1;
  }
  return static_cast<int32_t>(r);
}

int32_t FileRead(THandle handle, void* buffer, int32_t count) {
  DWORD n = 0;
  if (count < 0 || !ReadFile(ToHandle(handle), buffer, static_cast<DWORD>(count), &n, nullptr))
    return -1;
  return static_cast<int32_t>(n);
}

int32_t FileReadAt(THandle handle, int64_t offset, void* buffer, int32_t count) {
  if (count < 0 || offset < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  // On a handle opened without FILE_FLAG_OVERLAPPED the read completes at once, and
  // moves the file pointer behind what it read.
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD n = 0;
  if (!ReadFile(ToHandle(handle), buffer, static_cast<DWORD>(count), &n, &at))
    return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  return static_cast<int32_t>(n);
}

int32_t FileWrite(THandle handle, const void* buffer, int32_t count) {
  DWORD n = 0;
  if (count < 0 ||
      !WriteFile(ToHandle(handle), buffer, static_cast<DWORD>(count), &n, nullptr))
    return -1;
  return static_cast<int32_t>(n);
}

bool FileTruncate(THandle handle) { return SetEndOfFile(ToHandle(handle)) != 0; }

void FileClose(THandle handle) { CloseHandle(ToHandle(handle)); }

bool FileExists(const std::string& fileName) {
  DWORD attributes = GetFileAttributesA(fileName.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& directory) {
  DWORD attributes = GetFileAttributesA(directory.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteFile(const std::string& fileName) { return DeleteFileA(fileName.c_str()) != 0; }

bool MoveFileReplacing(const std::string& source, const std::string& target) {
  // Wine replaces a read-only target; Windows refuses it, and so do we everywhere.
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
  return MoveFileA(oldName.c_str(), newName.c_str()) != 0;
}

int32_t FileGetAttr(const std::string& fileName) {
  DWORD attributes = GetFileAttributesA(fileName.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ? -1 : static_cast<int32_t>(attributes & faAnyFile);
}

bool FileSetReadOnly(const std::string& fileName, bool readOnly) {
  DWORD attributes = GetFileAttributesA(fileName.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  attributes = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                        : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
  return SetFileAttributesA(fileName.c_str(), attributes) != 0;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  // Asking for attributes only passes every sharing mode of other handles.
  auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE h = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool known = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    return known;
  };
  BY_HANDLE_FILE_INFORMATION first, second;
  return identify(a, first) && identify(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

bool CreateDir(const std::string& directory) {
  return CreateDirectoryA(directory.c_str(), nullptr) != 0;
}

bool RemoveDir(const std::string& directory) {
  return RemoveDirectoryA(directory.c_str()) != 0;
}

std::string GetCurrentDir() {
  char buffer[MAX_PATH + 1];
  DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

bool SetCurrentDir(const std::string& directory) {
  return SetCurrentDirectoryA(directory.c_str()) != 0;
}

std::string ProgramFileName() {
  char buffer[MAX_PATH + 1];
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

uint32_t GetLastOSError() { return GetLastError(); }

std::string SysErrorMessage(uint32_t errorCode) {
  char buffer[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                               FORMAT_MESSAGE_ARGUMENT_ARRAY,
                           nullptr, errorCode, 0, buffer, sizeof buffer, nullptr);
  while (n > 0 && (buffer[n - 1] == '\r' || buffer[n - 1] == '\n' || buffer[n - 1] == ' ' ||
                   buffer[n - 1] == '.'))
    --n;
  return std::string(buffer, n);
}

// --- folder listing ------------------------------------------------------------------

struct TFindPlatform {
  HANDLE Find = INVALID_HANDLE_VALUE;
  ~TFindPlatform() {
    if (Find != INVALID_HANDLE_VALUE) ::FindClose(Find);
  }
};

TFindState::TFindState() : Platform(std::make_unique<TFindPlatform>()) {}
TFindState::~TFindState() = default;

int TFindState::NoMoreFilesError() { return ERROR_NO_MORE_FILES; }

int TFindState::Open(const std::string& path, TSearchRec& rec) {
  WIN32_FIND_DATAA data;
  Platform->Find = FindFirstFileA(path.c_str(), &data);
  if (Platform->Find == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  FillSearchRec(data, rec);
  return 0;
}

int TFindState::Next(TSearchRec& rec) {
  WIN32_FIND_DATAA data;
  if (!FindNextFileA(Platform->Find, &data)) return static_cast<int>(GetLastError());
  FillSearchRec(data, rec);
  return 0;
}
