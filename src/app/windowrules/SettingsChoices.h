#pragma once
// The settings dialog without its window: the copies of the eight settings it edits,
// the items of its combo boxes and the version combos' mapping to tag versions, the
// check of the list name, Save, and the layout of its captions and fields.

#include "MainWindowLayout.h"

#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;
class TConfigSession;

// The two version combos: each offers "-------" and the one version the program writes.
enum class TVersionCombo { ID3v1, ID3v2 };

std::vector<std::string> VersionComboItems(TVersionCombo combo);
// The item of a stored version number: the one that names it, else "-------" (item 0).
int32_t VersionComboIndex(TVersionCombo combo, uint8_t version);
// The version number of the item a combo's text names: "-------" is 0, no such tag (the
// tag editor's save choice then takes it off the files). The item that shows the stored
// number keeps it, so that a version the combo does not offer (ID3v1.0, shown as
// "-------") stays unless another item is chosen; a text that names no item keeps it too.
uint8_t VersionFromComboText(TVersionCombo combo, const std::string& text, uint8_t stored);

// The items of the file-exists, log and comment-language combos.
std::vector<std::string> FileExistsComboItems();
std::vector<std::string> SaveActionComboItems();
std::vector<std::string> CommentLanguageComboItems();

// Why Save refuses a list name: it is no plain file name of the working folder (nothing
// left once the trailing dots and blanks the system drops are gone, a character a file
// name cannot hold, a device name or "Log.txt": ListNameIsFileName); or it names a file
// of the extension (an MP3 file), which the list would replace.
enum class TListNameProblem { None, NotAFileName, NamesAnMp3File };
TListNameProblem ListNameProblem(const std::string& name, const std::string& extension);
// A list name Save takes.
bool ListNameAcceptable(const std::string& name, const std::string& extension);
// What the dialog shows beside the list name to say why Save is disabled; empty for none.
std::string ListNameNote(TListNameProblem problem);

struct TSettingsChoices {
  bool AllWordsCaps = false;
  bool SaveList = false;
  std::string ListName;
  uint8_t ActionOnExistingFile = 0;     // the file-exists combo's item
  uint8_t DefaultSaveActionForLog = 0;  // the log combo's item
  int32_t DefaultTagLanguage = 0;       // the comment-language combo's item
  uint8_t DefaultID3v1 = 0;             // tag version numbers
  uint8_t DefaultID3v2 = 0;

  static TSettingsChoices Of(const TConfigBase& settings);
  // The list-name edit follows the save-to-list box.
  bool ListNameEnabled() const { return SaveList; }
  TListNameProblem ListNameProblem(const TConfigBase& settings) const;
  bool CanSave(const TConfigBase& settings) const;
  // Stores the copies, writes "Settings.ini" whole and gives the session the new
  // all-words-caps option. Nothing happens while CanSave is false.
  bool Save(TConfigBase& settings, TConfigSession& session) const;
};

// A caption sized to its text (a check box's caption with room for its box) and the
// field after it on its row, up to 15 pixels before the group's end.
struct TCaptionRow {
  TSpan Caption;
  TSpan Field;
  bool operator==(const TCaptionRow&) const = default;
};
// A check box: as wide as its caption plus 22, its field 4 pixels after it (the list
// name's edit after the save-to-list box).
TCaptionRow CheckBoxRow(int32_t left, int32_t captionWidth, int32_t groupWidth);
// A label: as wide as its caption, its combo 5 pixels after it.
TCaptionRow LabelRow(int32_t left, int32_t captionWidth, int32_t groupWidth);
// The note under the list name, on a row of its own below the save-to-list box (a note
// is longer than the edit is wide in some languages): indented under the box's caption,
// up to 15 pixels before the group's end.
TSpan ListNoteSpan(int32_t checkBoxLeft, int32_t groupWidth);
