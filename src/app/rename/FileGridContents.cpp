#include "FileGridContents.h"

#include "Rename.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"
#include "app/settings/SelectionManager.h"

#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <unordered_set>

std::string RowNumberText(int32_t number) {
  const int padding = number < 10 ? 5 : number < 100 ? 3 : 1;
  return std::string(static_cast<size_t>(padding), ' ') + IntToStr(number);
}

TFileGridContents FileGridContents(const TFileRename& files, const TConfigBase& settings) {
  TFileGridContents contents;
  const int32_t count = files.GetFileCount();
  contents.Enabled = count > 0;
  contents.LimitReached = count >= MaxListedFiles;
  if (count == 0) {
    contents.Numbers = {""};
    contents.Names = {LangText(TLangText::NoFilesInFolderRow)};
    contents.FolderStatus = LangText(TLangText::NoFilesFoundStatus);
    return contents;
  }
  contents.DataRowCount = count;
  for (int32_t i = 0; i < count; ++i) {
    contents.Numbers.push_back(RowNumberText(i + 1));
    contents.Names.push_back(files.GetFileInfo(i)->NewName);
  }
  contents.FolderStatus = ExcludeTrailingBackslash(settings.WorkingFolder);
  return contents;
}

std::vector<std::string> SelectedFileNames(const TFileRename& files, const TSelectionManager& selection) {
  std::vector<std::string> names;
  for (int32_t i = 0; i < selection.GetCount(); ++i) {
    const int32_t row = selection.GetItem(i);
    if (row >= 0 && row < files.GetFileCount()) names.push_back(files.GetFileName(row));
  }
  return names;
}

std::vector<int32_t> RowsOfFileNames(const TFileRename& files, const std::vector<std::string>& names) {
  std::unordered_set<std::string> wanted;
  for (const std::string& name : names) wanted.insert(LowerCase(name));
  std::vector<int32_t> rows;
  for (int32_t row = 0; row < files.GetFileCount(); ++row)
    if (wanted.count(LowerCase(files.GetFileName(row))) != 0) rows.push_back(row);
  return rows;
}

std::array<std::string, 2> FileGridHeader() {
  return {" " + LangText(TLangText::NumberColumn), " " + LangText(TLangText::FilenameColumn)};
}

std::string SelectedFilesText(int32_t selectedCount) {
  return LangText(TLangText::SelectedFilesStatus) + " " + IntToStr(selectedCount);
}

void ShowFileLimitWarning(const TConfigBase& settings) {
  ShowMessageOk(LangText(TLangText::WarningCaption), LangText(TLangText::MaxFilesReachedMessage),
                settings.StoredSkin);
}
