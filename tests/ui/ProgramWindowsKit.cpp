#include "ProgramWindowsKit.h"

#include "ui/FormConfig.h"

#include "app/windowrules/Core.h"

#include "grid/SkinStringGrid.h"

#include "classlib/Menus.h"

#include "base/StrUtils.h"

std::vector<std::string> ControlsOutsideTheClientArea(TForm& Window) {
  const TRect client = Window.ClientRect();
  std::vector<std::string> outside;
  for (int i = 0; i < Window.ControlCount(); ++i) {
    TControl& control = *Window.Controls(i);
    if (!control.Visible() || control.Name() == "Form_ButtonClose") continue;
    if (control.Left() < 0 || control.Top() < 0 || control.Left() + control.Width() > client.Right ||
        control.Top() + control.Height() > client.Bottom)
      outside.push_back(control.Name() + " at " + IntToStr(control.Left()) + "," + IntToStr(control.Top()) + " " +
                        IntToStr(control.Width()) + "x" + IntToStr(control.Height()));
  }
  return outside;
}

ProgramWindows::ProgramWindows() {
  for (const char* language : {"EN.lng", "DE.lng", "ES.lng", "NL.lng"}) Program.InstallBuiltLanguage(language);
  SetConfigFormShower(ShowConfigDialog);
}

ProgramWindows::~ProgramWindows() {
  if (Window != nullptr) Window->Free();  // its destroy handler frees the core
  SetConfigFormShower(nullptr);
}

TFormFileEditor& ProgramWindows::OpenMainWindow() {
  Window = new TFormFileEditor(Application, {Program.Path(), Music.Path()}, &Registry);
  Window->Show();
  PumpUntil([&] { return IsWindowVisible(Window->Handle()) != 0; });
  PumpFor(50);
  return *Window;
}

void ProgramWindows::InSettings(const std::function<void(TFormConfig&)>& Act) {
  InDialog<TFormConfig>([&] { Window->Menu_Settings->Click(); }, Act);
}

std::vector<std::string> ProgramWindows::GridNames() const {
  const TDynSkinStringGrid& grid = *Window->PanelGrid_GridFileNames;
  std::vector<std::string> names;
  for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row) names.push_back(grid.Cells(1, row));
  return names;
}
