#pragma once
// File routines with Windows semantics. Paths use "\" as separator in both builds; the
// POSIX back end translates them.

#include <cstdint>
#include <memory>
#include <string>

using THandle = intptr_t;
inline constexpr THandle InvalidHandle = -1;

// Open modes: access in the low two bits, sharing in 0xF0.
inline constexpr uint32_t fmOpenRead = 0x0000;
inline constexpr uint32_t fmOpenWrite = 0x0001;
inline constexpr uint32_t fmOpenReadWrite = 0x0002;
inline constexpr uint32_t fmShareExclusive = 0x0010;
inline constexpr uint32_t fmShareDenyWrite = 0x0020;
inline constexpr uint32_t fmShareDenyRead = 0x0030;
inline constexpr uint32_t fmShareDenyNone = 0x0040;
inline constexpr uint32_t fmCreate = 0xFFFF;

// Returns the handle of an existing file, or InvalidHandle.
THandle FileOpen(const std::string& fileName, uint32_t mode);
// Creates or truncates a file, opened for reading and writing, not shared.
THandle FileCreate(const std::string& fileName);
// Creates a file that must not exist yet, opened for reading and writing and not
// shared; InvalidHandle when it exists or cannot be made.
THandle CreateNewFile(const std::string& fileName);
// The new position, or -1. The 32-bit variant also fails when the position does not fit.
int32_t FileSeek(THandle handle, int32_t offset, int origin);
int64_t FileSeek64(THandle handle, int64_t offset, int origin);
// The number of bytes transferred, or -1.
int32_t FileRead(THandle handle, void* buffer, int32_t count);
int32_t FileWrite(THandle handle, const void* buffer, int32_t count);
// Reads up to count bytes at offset from the file's start in one call: the number read
// (0 at or past the end), or -1. What it leaves of the handle's position differs by
// system (POSIX keeps it, Windows moves it behind the bytes read), so whoever goes on
// with FileRead or FileWrite seeks first.
int32_t FileReadAt(THandle handle, int64_t offset, void* buffer, int32_t count);
// Ends the file at the handle's position.
bool FileTruncate(THandle handle);
void FileClose(THandle handle);

bool FileExists(const std::string& fileName);  // files only
bool DirectoryExists(const std::string& directory);
bool DeleteFile(const std::string& fileName);
// Fails, changing nothing, when newName exists.
bool RenameFile(const std::string& oldName, const std::string& newName);
// Moves source to target, replacing target in one step. A read-only target is never
// replaced (as Windows itself refuses, where Wine and POSIX would not): the call fails
// with the system's access error and the target keeps its bytes and its mark.
bool MoveFileReplacing(const std::string& source, const std::string& target);
// Sets or clears the read-only attribute (on POSIX: every write permission bit).
bool FileSetReadOnly(const std::string& fileName, bool readOnly);
// True when both paths name one existing file or folder: the same name in another
// letter case or a short name included. A file held open by anyone is still found.
bool IsSameFile(const std::string& a, const std::string& b);
bool CreateDir(const std::string& directory);
bool RemoveDir(const std::string& directory);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& directory);
// The running program's full file name.
std::string ProgramFileName();

uint32_t GetLastOSError();
std::string SysErrorMessage(uint32_t errorCode);

// Path strings: split after the last "\" or ":".
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFilePath(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName);  // with its "."
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
std::string IncludeTrailingBackslash(const std::string& path);
std::string ExcludeTrailingBackslash(const std::string& path);
// The number-th (1, 2, ...) stand-in for a file name while its file is moved or
// rewritten: the name with its end replaced by "~number", never longer than the name,
// so that its path fits wherever the name's does ("Log.txt" gives "Log.t~1").
std::string StandInName(const std::string& name, int number);
// The number of the stand-in for name that candidate is, or 0 when candidate is no such
// stand-in (letter case aside). Only stand-ins whose "~" survived are recognised: for
// names of one or two characters "~number" may be cut to bare digits, which could be
// anybody's file.
int StandInNumber(const std::string& candidate, const std::string& name);

// Windows mask matching without regard to case: "*" any run, "?" one character;
// "*.*" matches every name.
bool MatchesMask(const std::string& name, const std::string& mask);

// File attributes.
inline constexpr int32_t faReadOnly = 0x01;
inline constexpr int32_t faHidden = 0x02;
inline constexpr int32_t faSysFile = 0x04;
inline constexpr int32_t faVolumeID = 0x08;
inline constexpr int32_t faDirectory = 0x10;
inline constexpr int32_t faArchive = 0x20;
inline constexpr int32_t faAnyFile = 0x3F;

// The attributes of a file or folder (fa* bits), -1 when there is none.
int32_t FileGetAttr(const std::string& fileName);

struct TFindState;

struct TSearchRec {
  int32_t Time = 0;  // DOS date and time, local
  int64_t Size = 0;
  int32_t Attr = 0;
  std::string Name;
  int32_t ExcludeAttr = 0;
  std::shared_ptr<TFindState> FindHandle;
};

// Lists the entries of a folder matching path's mask (e.g. "C:\music\*.mp3"). An entry
// is skipped when it has a hidden, system, volume or directory attribute that attr
// lacks. The mask applies to the long name only. Returns 0 or an OS error code.
int FindFirst(const std::string& path, int32_t attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);
