#pragma once
// The settings object: the program's fixed names and folders, the settings kept in
// "Settings.ini", the name-format lists, the grids' selection views and the rename
// options of the main window. Every read and write of the file returns what became of
// it and shows nothing: the callers tell the user.

#include "NameFormat.h"
#include "SelectionManager.h"
#include "app/language/Translation.h"

#include "base/Object.h"
#include "base/StrUtils.h"
#include "base/Strings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TCustomIniFile;
class TspCompressedStoredSkin;

// A window's size and state as last seen; the windows fill it, the settings file keeps it.
struct TWindowPlacement {
  bool Maximized = false;
  uint8_t LastState = 0;  // of the skinned window: 0 normal, 2 maximized
  bool Changed = false;   // size or state changed since start
  int32_t Height = 0;
  int32_t Width = 0;
};

// The values of TConfigBase::ActionOnExistingFile: what a rename does with a new name
// that exists already. Another value stored reads as aeAddNumber.
enum TExistingFileAction : uint8_t { aeAddNumber = 0, aeOverwrite = 1, aeSkip = 2, aeAsk = 3 };

// Indexes of TConfigBase::Placement.
enum TPlacementIndex { piMainWindow = 0, piTagEditor = 1 };

// What became of a read or write of "Settings.ini".
enum class TSettingsResult : uint8_t {
  Done,
  NotRead,  // the file is there but cannot be read (locked, not text, over 1 MiB)
  NotMade,  // the file could not be written; it is as it was
};

// Where the program runs: the program file's folder and the current folder, each with a
// trailing "\".
struct TProgramPlace {
  std::string ProgramFolder;
  std::string WorkingFolder;

  static TProgramPlace OfProcess();
};

// The settings hold the parse of the selected rename format as their TRenameFormatLayout.
class TConfigBase : public TObject, public TLanguageSettings, public TRenameFormatLayout {
public:
  static constexpr int SwitchItemCount = 10;
  static constexpr int RemoveSectionFlagCount = 7;
  static constexpr uint8_t UnchangedSwitchItem = 4;

  explicit TConfigBase(const TProgramPlace& place = TProgramPlace::OfProcess());
  TConfigBase(const TConfigBase&) = delete;
  TConfigBase& operator=(const TConfigBase&) = delete;

  // The main window's stored skin, handed on to every other window; not owned.
  TspCompressedStoredSkin* StoredSkin = nullptr;
  std::array<TWindowPlacement, 2> Placement{};  // by TPlacementIndex
  TLangConfig LangConfig;

  const std::string ProductName = "Velorandquistmar";
  const std::string Version = "0.4.8";
  const std::string ProgramFolder;
  const std::string LanguagesFolder;  // ProgramFolder + "languages\"
  const std::string WorkingFolder;    // the listed folder for the whole run
  const std::string FileMask = "*";
  const std::string Extension = "mp3";
  const std::string SettingsFileName = "Settings.ini";

  TSelectionManager MainSelection;
  TSelectionManager TagEditorSelection;

  bool SaveList = false;
  uint8_t ActionOnExistingFile = aeAddNumber;  // a TExistingFileAction
  bool AllWordsCaps = false;
  TStringList RenameFormats;  // delimited by ",", quoted with "|"
  int32_t PreferredRenameFormat = 0;
  int32_t PreferredTagFormat = 0;
  TStringList TagFormats;
  int32_t DefaultTagLanguage = 0;
  uint8_t DefaultSaveActionForLog = 0;
  uint8_t DefaultID3v1 = 0;
  uint8_t DefaultID3v2 = 0;
  bool RenamePending = false;  // a preview changed names that are not applied yet

  const std::string& SearchMask() const { return FSearchMask; }
  const std::string& SettingsPath() const { return FSettingsPath; }
  const std::string& ListName() const { return FListName; }
  const std::string& ListPath() const { return FListPath; }
  void SetListName(const std::string& name);

  const std::string& LanguageFilesFolder() const override { return LanguagesFolder; }
  const std::string& LanguageFilesVersion() const override { return Version; }
  TLangConfig& LanguageConfig() override { return LangConfig; }

  // Reads the configured language from the second line of "Settings.ini" before the
  // language table exists. A file whose lines cannot give it keeps language 1 and is
  // NotRead; a file that cannot be read at all keeps language 1 too, but is left to
  // ReadSettings to report (Done here).
  TSettingsResult ReadLanguageSetting();
  // The same from the file's first lines; false, keeping the language, when they cannot
  // give it.
  bool ReadLanguageFromLines(const TStrings& lines);
  // Reads every setting, defaults for the missing ones and for numbers outside what their
  // setting can hold (a choice, a tag version, the comment language, a window size; the
  // language file's number is the language table's to check). A file that is there but
  // cannot be read (locked, not text, over 1 MiB) gives every default and is NotRead; no
  // write replaces it until it has been read.
  TSettingsResult ReadSettings();
  void ReadSettingsFrom(TCustomIniFile& ini);
  // Writes every setting but the main window's maximized state. The file is replaced
  // whole in one step: a failed write (NotMade) leaves it as it was, and so does a file
  // not read yet.
  TSettingsResult WriteSettings();
  // Writes one group: 0 and 2 the formats and preferred format of the main window and
  // of the tag editor, 1 and 3 their placement; any other value writes nothing.
  TSettingsResult WriteSettingsPart(int part);
  // Writes every setting, the main window's maximized state included, in the current
  // language's section and key names into a new file that replaces "Settings.ini" in one
  // step: nothing of the old file stays; a missing file is made.
  TSettingsResult RewriteSettings();

  // Switch item 1 to 10 (a section index 0 to 3, or 4 unchanged); 4 for other indexes.
  uint8_t GetSwitchItem(int index) const;
  void SetSwitchItem(int index, uint8_t value);  // other indexes are ignored
  static uint8_t NormalizeSwitchItem(int value);  // 1 to 4 stay, anything else is 0

  bool GetRemoveSection(int index) const;  // flag 1 to 7; false for other indexes
  // Stores flag 1 to 7 and counts it in RemoveSectionCount, up when set and down when
  // cleared: callers call it on a change only. ERangeError when the count would leave
  // 0 to 255. Other indexes change nothing.
  void SetRemoveSection(int index, bool flag);
  uint8_t RemoveSectionCount() const { return FRemoveSectionCount; }

  // Parses rename format index (ERangeError outside RenameFormats) into SectionCapsFlags,
  // NumberPosition and PlaceholderCount (GetSectionCapsFlag reads the flags).
  void ParseRenameFormat(int index);
  // The example word of a placeholder letter ("Artist" for "A", ...); empty for a letter
  // that is not a placeholder.
  static std::string PlaceholderExample(char letter);
  // The example text of a format ("<A> - <T>" gives "Artist - Title").
  static std::string FormatToExample(const std::string& format);

  // The frame kinds parsed from a tag-from-path format, index-checked (ERangeError).
  uint8_t GetFormatFrameID(int index) const;
  // Appends when index equals the count.
  void SetFormatFrameID(int index, uint8_t kind);
  void ClearFormatFrameIDs() { FTagFormatFrameIDs.clear(); }
  int GetFormatFrameIDCount() const { return static_cast<int>(FTagFormatFrameIDs.size()); }

private:
  struct TSettingRow;

  void BuildPaths();
  // The rows of "Settings.ini" in writing order, bound to this object's fields.
  std::vector<TSettingRow> SettingRows();
  static void ReadRow(TCustomIniFile& ini, const TSettingRow& row);
  static void WriteRow(TCustomIniFile& ini, const TSettingRow& row);
  // Writes the rows of these positions into the file, or into an emptied copy of it.
  TSettingsResult WriteRows(const std::vector<int>& ids, bool afresh = false);

  std::string FSearchMask;
  std::string FSettingsPath;
  std::string FListName;
  std::string FListPath;
  std::array<uint8_t, SwitchItemCount> FSwitchItems{};
  std::array<bool, RemoveSectionFlagCount> FRemoveSections{};
  uint8_t FRemoveSectionCount = 0;
  TBytes FTagFormatFrameIDs;
  bool FSettingsUnread = false;  // the file was there but could not be read
};

// The process-wide settings object, made by CreateCore and freed by FreeCore.
extern TConfigBase* Settings;
