#include "ProgramWindowsKit.h"

#include "ui/FormConfig.h"

#include "app/Core.h"

#include "grid/SkinStringGrid.h"

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

std::vector<std::string> ProgramWindows::GridNames() const {
  const TDynSkinStringGrid& grid = *Window->PanelGrid_GridFileNames;
  std::vector<std::string> names;
  for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row) names.push_back(grid.Cells(1, row));
  return names;
}
