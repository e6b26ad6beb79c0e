#include "FileGridContents.h"

#include "Config.h"
#include "MainWindowLayout.h"
#include "MessageDialog.h"
#include "Rename.h"
#include "Translation.h"

#include "base/FileUtils.h"
#include "base/StrUtils.h"

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
