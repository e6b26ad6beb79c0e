#pragma once
// What the main window's file grid and status bar show of the file list: one data row
// per listed file with its number and its new name, or one placeholder row for an empty
// folder; the folder (or "No files found") and the count of selected files.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;
class TFileRename;
class TSelectionManager;

struct TFileGridContents {
  int32_t DataRowCount = 1;           // at least 1: the placeholder row of an empty folder
  bool Enabled = false;               // an empty folder's grid takes no input
  std::vector<std::string> Numbers;   // the number column, per data row
  std::vector<std::string> Names;     // the name column: each file's new name
  std::string FolderStatus;           // the folder without its "\", or "No files found"
  bool LimitReached = false;          // the scan stopped at MaxListedFiles
};

// Row number (1, 2, ...) as the grid's number column shows it, padded so that the numbers
// stand right-aligned: five blanks before 1 to 9, three before 10 to 99, one from 100 on.
std::string RowNumberText(int32_t number);

TFileGridContents FileGridContents(const TFileRename& files, const TConfigBase& settings);
// The names of the listed files in the selected rows, in selection order; rows the list
// does not hold are left out.
std::vector<std::string> SelectedFileNames(const TFileRename& files, const TSelectionManager& selection);
// The rows that list these names now (letter case aside), in row order: after a rescan the
// selection follows its files, wherever the name order put them. Names no longer listed
// are left out.
std::vector<int32_t> RowsOfFileNames(const TFileRename& files, const std::vector<std::string>& names);
// The grid's header cells: " Nr" and " Filename".
std::array<std::string, 2> FileGridHeader();
// "Selected files:" and the count.
std::string SelectedFilesText(int32_t selectedCount);
// "Maximum number of 999 files has been reached !", shown at every refresh of the names
// while the list holds MaxListedFiles files.
void ShowFileLimitWarning(const TConfigBase& settings);
