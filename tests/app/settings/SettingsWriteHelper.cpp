// A program killed while it writes "Settings.ini": it reads the settings of the folder
// given, changes one, and dies half-way through writing them.
//   settings_write_helper <folder>
#include "app/settings/Config.h"

#include "base/TextFileWriter.h"

#ifdef _WIN32
#include "base/win32/WinApi.h"
#else
#include <csignal>
#endif

namespace {

int32_t WriteHalfThenDie(THandle handle, const void* buffer, int32_t count) {
  FileWrite(handle, buffer, count / 2);
#ifdef _WIN32
  TerminateProcess(GetCurrentProcess(), 9);
#else
  raise(SIGKILL);
#endif
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  TConfigBase settings(TProgramPlace{argv[1], argv[1]});
  settings.ReadSettings();
  settings.PreferredRenameFormat = 3;
  SetTextFileWriteCall(WriteHalfThenDie);
  settings.WriteSettings();
  return 0;  // not killed: the write never reached the file
}
