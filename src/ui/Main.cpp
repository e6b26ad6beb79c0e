// The program's main routine: one instance only, then the application with its main
// window, whose form resource carries the program's skin.
#include "FormConfig.h"
#include "FormFileEditor.h"
#include "ProgramClasses.h"

#include "app/tageditor/TagServices.h"
#include "app/win32/FormMessageDialog.h"
#include "app/win32/SingleInstance.h"
#include "app/windowrules/Core.h"

#include "classlib/Application.h"
#include "classlib/CommonControls.h"
#include "classlib/WindowDCReserve.h"

namespace {

const char kInstanceName[] = "Velorandquistmar048";
const char kTitle[] = "Velorandquistmar";

TMessageWindowPresenter MessageWindow;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  StartLoadingCommonControls();
  StartReservingWindowDCs();
  int exitCode = 0;
  try {
    if (CheckSingleInstance(Application->Handle(), kInstanceName)) return 0;
    SetMessagePresenter(&MessageWindow);
    SetConfigFormShower(ShowConfigDialog);
    InstallTagServices();
    RegisterProgramClasses();
    Application->Initialize();
    Application->SetTitle(kTitle);
    TFormFileEditor* mainWindow = nullptr;
    Application->CreateForm(mainWindow);
    Application->Run();
  } catch (...) {
    Application->HandleException(Application);
    exitCode = 1;
  }
  ReleaseSingleInstance();
  return exitCode;
}
