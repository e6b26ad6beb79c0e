// A program for the single-instance tests: it takes the guard under the name given and,
// as the first instance, runs until its quit message arrives. With "minimized" the first
// instance minimises its application window before it waits.
//   instance_guard_helper <name> [minimized]
#include "app/win32/SingleInstance.h"

#include "classlib/Application.h"

#include <string>

namespace {

// The exit code of a first instance told to quit; a second start ends with 0.
constexpr int kFirstInstanceQuit = 10;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (IsAlreadyRunning(Application->Handle(), argv[1])) return 0;
  if (argc > 2 && std::string(argv[2]) == "minimized") Application->Minimize();
  Application->Run();
  return kFirstInstanceQuit;
}
