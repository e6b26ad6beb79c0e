#pragma once
// A rename engine over a fresh working folder, with a scripted message presenter and
// the main grid's selection.

#include "AppTestSupport.h"

#include "app/rename/Rename.h"
#include "app/settings/Session.h"

#include "base/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using Names = std::vector<std::string>;

inline const std::string kExisted =
    "The following filenames already existed and action has been taken according to the "
    "chosen setting :";
inline const std::string kFailed = "An error occurred with the following files:";

// A report group as the log holds it.
inline std::string Report(const std::string& heading, const Names& lines) {
  std::string text = heading + "\r\n \r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text + "\r\n";
}

class RenameFixture : public ::testing::Test {
protected:
  RenameFixture() {
    Config.MainSelection.SetItems(Rows);
    Config.SetListName("List.txt");
  }
  ~RenameFixture() override { Files.ClearFiles(); }  // Windows keeps open files

  // A fresh folder of MP3 files, listed and, unless told otherwise, opened.
  void ListFresh(const Names& names, bool open = true) {
    Files.ClearFiles();
    RemoveTree(Folder.Path());
    CreateDir(ExcludeTrailingBackslash(Folder.Path()));
    for (const std::string& name : names) Mp3(name);
    if (open)
      Files.ScanFolder();
    else
      Files.ListFolder();
  }
  // An MP3 file whose bytes tell which file it was first, so every move can be traced.
  void Mp3(const std::string& name) { Folder.WriteFile(name + ".mp3", "audio of " + name); }
  // The row of a listed name.
  TFileInfo& Entry(const std::string& name) {
    for (int32_t row = 0; row < Files.GetFileCount(); ++row)
      if (Files.GetFileName(row) == name) return *Files.GetFileInfo(row);
    throw std::runtime_error("not listed: " + name);
  }
  void SetNewName(const std::string& name, const std::string& newName) {
    Entry(name).NewName = newName;
    Entry(name).NewNameSet = true;
  }
  Names Listed() {
    Names names;
    for (int32_t row = 0; row < Files.GetFileCount(); ++row) names.push_back(Files.GetFileName(row));
    return names;
  }
  // Every file of the folder, by its exact name on disk, with its bytes.
  std::map<std::string, std::string> OnDisk() const {
    std::map<std::string, std::string> files;
    TSearchRec rec;
    for (int found = FindFirst(Folder.Path() + "*", faAnyFile & ~faDirectory, rec); found == 0;
         found = FindNext(rec))
      files[rec.Name] = Folder.ReadFile(rec.Name);
    FindClose(rec);
    return files;
  }
  // The bytes of every MP3 file, in any order: what no rename may lose.
  Names Audio() const {
    Names audio;
    for (const auto& [name, bytes] : OnDisk())
      if (SameText(ExtractFileExt(name), ".mp3")) audio.push_back(bytes);
    std::sort(audio.begin(), audio.end());
    return audio;
  }
  std::string Log() const { return FileExists(Folder / "Log.txt") ? Folder.ReadFile("Log.txt") : ""; }
  // The bytes read through an entry's own handle.
  static std::string ReadThrough(const TFileInfo& entry) {
    char buffer[256];
    if (FileSeek(entry.Handle, 0, 0) != 0) return "<no handle>";
    int32_t n = FileRead(entry.Handle, buffer, sizeof buffer);
    return n < 0 ? "<unreadable>" : std::string(buffer, static_cast<size_t>(n));
  }

  ProgramFolder Folder;
  ScriptedPresenter Presenter;
  std::vector<int32_t> Rows;
  TConfigBase Config{Folder.Place()};
  TConfigSession Options;
  TFileRename Files{Config, Options};
};
