#include "FileGridContents.h"

#include "Rename.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"

#include "base/FileUtils.h"
#include "base/StrUtils.h"

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
