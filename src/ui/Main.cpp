// The program's main routine: one instance only, then the application with its main
// window. Until the main window is built, a plain window with the product title stands
// in for it so that the program can be started and seen.
#include "app/win32/FormMessageDialog.h"
#include "app/win32/SingleInstance.h"

#include "classlib/Application.h"
#include "classlib/Form.h"

namespace {

const char kInstanceName[] = "Velorandquistmar048";
const char kTitle[] = "Velorandquistmar";
const char kMainWindowCaption[] = "Velorandquistmar 0.4.8";

TMessageWindowPresenter MessageWindow;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    if (IsAlreadyRunning(Application->Handle(), kInstanceName)) return 0;
    SetMessagePresenter(&MessageWindow);
    Application->Initialize();
    Application->SetTitle(kTitle);
    TForm* mainWindow = nullptr;
    Application->CreateForm(mainWindow);
    mainWindow->SetCaption(kMainWindowCaption);
    mainWindow->SetPosition(poScreenCenter);
    mainWindow->SetClientWidth(640);
    mainWindow->SetClientHeight(480);
    Application->Run();
  } catch (...) {
    Application->HandleException(Application);
    return 1;
  }
  return 0;
}
