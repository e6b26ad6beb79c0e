#include "HostPython.h"

#include "TempFolder.h"

#include "base/win32/WinApi.h"

#include <chrono>

namespace {

// Runs the script named after the output file with stdout going to that file, which
// takes its name only once the script is done.
const char* const kRunner = R"py(
import os, sys, traceback
out = sys.argv.pop(1)
script = sys.argv.pop(1)
sys.stdout = open(out + ".part", "w", encoding="utf-8")
try:
    exec(compile(open(script, encoding="utf-8").read(), script, "exec"), {"__name__": "__main__"})
except BaseException:
    traceback.print_exc(file=sys.stdout)
sys.stdout.close()
os.replace(out + ".part", out)
)py";

// The Unix name of a Windows path through Wine's kernel32; none outside Wine.
std::optional<std::string> UnixName(const std::string& path) {
  using TUnixFileName = char*(CDECL*)(LPCWSTR);
  const auto unixFileName = reinterpret_cast<TUnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unixFileName == nullptr) return std::nullopt;
  std::wstring wide(path.size() + 1, L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                                                      static_cast<int>(wide.size()))));
  char* name = unixFileName(wide.c_str());
  if (name == nullptr) return std::nullopt;
  std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Whether the Unix file exists, through Wine's kernel32; false outside Wine.
bool UnixFileExists(const char* name) {
  using TDosFileName = LPWSTR(CDECL*)(LPCSTR);
  const auto dosFileName = reinterpret_cast<TDosFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
  if (dosFileName == nullptr) return false;
  LPWSTR dos = dosFileName(name);
  if (dos == nullptr) return false;
  const bool exists = GetFileAttributesW(dos) != INVALID_FILE_ATTRIBUTES;
  HeapFree(GetProcessHeap(), 0, dos);
  return exists;
}

constexpr const char* kPython = "/usr/bin/python3";

}  // namespace

std::optional<std::string> RunHostPython(const std::string& script, const std::vector<std::string>& files) {
  if (!UnixFileExists(kPython)) return std::nullopt;
  TempFolder folder;
  std::string command = kPython;
  std::vector<std::string> paths = {folder.WriteFile("runner.py", kRunner), folder / "output.txt",
                                    folder.WriteFile("script.py", script)};
  paths.insert(paths.end(), files.begin(), files.end());
  for (const std::string& path : paths) {
    const std::optional<std::string> name = UnixName(path);
    if (!name) return "(no Unix name for " + path + ")";
    command += " \"" + *name + "\"";
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return "(" + std::string(kPython) + " did not start)";
  for (HANDLE handle : {process.hProcess, process.hThread})
    if (handle != nullptr) CloseHandle(handle);
  // No handle to wait on comes back for a Unix program; the output file tells when it is done.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (GetFileAttributesA((folder / "output.txt").c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (std::chrono::steady_clock::now() > end) return "(the script did not end within 30 seconds)";
    Sleep(20);
  }
  return folder.ReadFile("output.txt");
}
