#pragma once
// The flows of the main window's rename panel over the file list: previews of the
// rebuild and the switch page on the selected rows, rename with the rescan that follows
// it, and undo. The messages go through the message service; the window shows the file
// names and the buttons' states when the flows hand them over.

#include "FileGridContents.h"

#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;
class TFileRename;
class TRebuildPage;

// Preview takes no second run while one runs; rename, undo and the reading of tags wait
// for a pending preview.
struct TRenameButtons {
  bool Preview = true;
  bool Rename = false;
  bool Undo = false;
  bool ReadTags = true;
  bool operator==(const TRenameButtons&) const = default;
};
TRenameButtons RenameButtons(bool pending, bool busy);

// The window's side of the flows.
class TRenamePanelView {
public:
  virtual ~TRenamePanelView() = default;
  // The buttons of both panels; the grid then takes the focus.
  virtual void ShowButtons(const TRenameButtons& buttons) = 0;
  // The grid's rows and the folder in the status bar.
  virtual void ShowFileNames(const TFileGridContents& contents) = 0;
  // The grid's selection: these data rows alone, the focused row on the first of them.
  virtual void SelectRows(const std::vector<int32_t>& rows) = 0;
};

// What the rebuild page's find and replace boxes ask for.
struct TReplaceRequest {
  std::string Find;
  std::string ReplaceBy;
  bool CaseSensitive = false;
  bool ReplaceAll = false;  // "Multiple"
};

class TRenamePanel {
public:
  TRenamePanel(TFileRename& files, TConfigBase& settings, TRebuildPage& page, TRenamePanelView& view);
  TRenamePanel(const TRenamePanel&) = delete;
  TRenamePanel& operator=(const TRenamePanel&) = delete;

  // The grid shows the list's names; at the limit of listed files the user is warned.
  void RefreshFileNames();
  // Stores whether a preview is pending and shows the buttons.
  void RefreshButtons(bool pending, bool busy);

  // The rules of the rebuild page on the selected rows, in their order: start numbers,
  // replace, remove sections (or else cut up to the numbers), the chosen format. False,
  // doing nothing, without a selected row.
  bool RebuildPreview(const TReplaceRequest& request);
  // The switch page's section switch on the selected rows; false without a selected row.
  bool SwitchPreview();
  // Renames, lists the folder again and shows it with the files selected before still
  // selected, under their new names; the rebuild page also clears its section boxes. A
  // list file or log that cannot be written is reported.
  void Rename(bool rebuildPage);
  // Every new name back to its file's name.
  void Undo();

private:
  bool HasSelection() const;

  TFileRename& FFiles;
  TConfigBase& FSettings;
  TRebuildPage& FPage;
  TRenamePanelView& FView;
};
