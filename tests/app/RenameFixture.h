#pragma once
// A rename engine over a fresh working folder, with a scripted message presenter and
// the main grid's selection.

#include "AppTestSupport.h"

#include "app/Config.h"
#include "app/Rename.h"
#include "app/Session.h"

#include "base/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

class RenameFixture : public ::testing::Test {
protected:
  RenameFixture() : Config(TProgramPlace{Folder.Path(), Folder.Path()}), Files(Config, Options) {
    Config.MainSelection.SetItems(Rows);
    Config.SetListName("List.txt");
    SectionCheckFailed = false;
  }
  ~RenameFixture() override {
    Files.ClearFiles();  // the folder goes next, and Windows keeps open files
    SectionCheckFailed = false;
  }

  // An MP3 file whose bytes tell which file it was first, so every move can be traced.
  void Mp3(const std::string& name) { Folder.WriteFile(name + ".mp3", "audio of " + name); }
  void Scan() { Files.ScanFolder(); }
  void SelectAll() {
    Rows.clear();
    for (int32_t row = 0; row < Files.GetFileCount(); ++row) Rows.push_back(row);
  }
  TFileInfo& Entry(int32_t row) { return *Files.GetFileInfo(row); }
  // The row of a listed name.
  TFileInfo& Entry(const std::string& name) {
    for (int32_t row = 0; row < Files.GetFileCount(); ++row)
      if (Entry(row).Name == name) return Entry(row);
    throw std::runtime_error("not listed: " + name);
  }
  void SetNewName(const std::string& name, const std::string& newName) {
    TFileInfo& entry = Entry(name);
    entry.NewName = newName;
    entry.NewNameSet = true;
  }

  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (int32_t row = 0; row < Files.GetFileCount(); ++row) names.push_back(Entry(row).Name);
    return names;
  }
  // Every file of the folder, by its exact name on disk, with its bytes.
  std::map<std::string, std::string> OnDisk() const {
    std::map<std::string, std::string> files;
    TSearchRec rec;
    if (FindFirst(Folder.Path() + "*", faAnyFile & ~faDirectory, rec) == 0) {
      do files[rec.Name] = Folder.ReadFile(rec.Name);
      while (FindNext(rec) == 0);
      FindClose(rec);
    }
    return files;
  }
  // The bytes of every MP3 file, in any order: what no rename may lose.
  std::vector<std::string> Audio() const {
    std::vector<std::string> audio;
    for (const auto& [name, bytes] : OnDisk())
      if (SameText(ExtractFileExt(name), ".mp3")) audio.push_back(bytes);
    std::sort(audio.begin(), audio.end());
    return audio;
  }
  std::string Log() const { return Folder.ReadFile("Log.txt"); }
  bool HasLog() const { return FileExists(Folder / "Log.txt"); }
  // The bytes read through an entry's own handle.
  static std::string ReadThrough(const TFileInfo& entry) {
    char buffer[256];
    if (FileSeek(entry.Handle, 0, 0) != 0) return "<no handle>";
    int32_t n = FileRead(entry.Handle, buffer, sizeof buffer);
    return n < 0 ? "<unreadable>" : std::string(buffer, static_cast<size_t>(n));
  }

  TempFolder Folder;
  ScriptedPresenter Presenter;
  std::vector<int32_t> Rows;
  TConfigBase Config;
  TConfigSession Options;
  TFileRename Files;
};
