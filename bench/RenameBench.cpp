// bench_rename: a preview (format rule) and a rename of 999 listed files, and a rename
// of 999 files all given one new name (each numbered on), against two floors measured in
// the same run and the same kind of folder: 999 bare rename system calls, and the calls
// a rename of held-open files cannot do without (close, rename and reopen each file,
// write the list of old names and the log once each). Each figure is the best of several
// rounds on fresh folders.
#include "app/rename/Rename.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "base/FileUtils.h"
#include "base/Format.h"
#include "base/StrUtils.h"

#include "BenchTiming.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = MaxListedFiles;
constexpr int kRounds = 9;

// Names with the format's three sections, the first a number the format replaces. They
// are numbered from 1000, so that no name the format gives ("001" to "999") is an
// existing file's in other letter case: that would be a name clash, measured apart.
std::string SourceName(int i) { return IntToStr(1000 + i) + " - artist - some title"; }

// The name the format gives the file of row i.
std::string FormattedName(int i) { return Format("%.3d - Artist - Some title", {i + 1}); }

void MakeFiles(const TempFolder& folder) {
  for (int i = 0; i < kFiles; ++i) folder.WriteFile(SourceName(i) + ".mp3", "audio");
}

struct TRound {
  double Bare = 0, Floor = 0, Scan = 0, Preview = 0, Rename = 0, Clash = 0;
};

// A text of one line per file, as long as the list of old names.
std::string ListText() {
  std::string text;
  for (int i = 0; i < kFiles; ++i) text += SourceName(i) + ".mp3\r\n";
  return text;
}

// One file made and written with one call, as the list and the log are at the least.
void WriteBare(const std::string& path, const std::string& text) {
  const THandle handle = FileCreate(path);
  if (handle == InvalidHandle ||
      FileWrite(handle, text.data(), static_cast<int32_t>(text.size())) != static_cast<int32_t>(text.size()))
    std::fprintf(stderr, "bare write of %s failed\n", path.c_str());
  if (handle != InvalidHandle) FileClose(handle);
}

// The files held open as a scan holds them; then, timed: the list written, each file
// closed, renamed and reopened, the log written.
double MeasureFloor() {
  TempFolder folder;
  MakeFiles(folder);
  std::vector<THandle> handles;
  for (int i = 0; i < kFiles; ++i)
    handles.push_back(FileOpen(folder / (SourceName(i) + ".mp3"), fmOpenReadWrite | fmShareDenyWrite));
  const std::string list = ListText();
  const double took = Milliseconds([&] {
    WriteBare(folder / "List.txt", list);
    for (int i = 0; i < kFiles; ++i) {
      const std::string target = folder / (FormattedName(i) + ".mp3");
      FileClose(handles[static_cast<size_t>(i)]);
      if (!RenameFile(folder / (SourceName(i) + ".mp3"), target))
        std::fprintf(stderr, "bare rename %d failed\n", i);
      handles[static_cast<size_t>(i)] = FileOpen(target, fmOpenReadWrite | fmShareDenyWrite);
    }
    WriteBare(folder / "Log.txt", list);
  });
  for (THandle handle : handles)
    if (handle != InvalidHandle) FileClose(handle);
  return took;
}

// Every file is to be called "Song": all but the first are numbered on ("Song1", ...).
double MeasureClash() {
  TempFolder folder;
  MakeFiles(folder);
  TConfigBase settings(TProgramPlace{folder.Path(), folder.Path()});
  settings.SaveList = true;
  settings.SetListName("List.txt");
  TConfigSession session;
  TFileRename files(settings, session);
  files.ScanFolder();
  for (int32_t row = 0; row < files.GetFileCount(); ++row) {
    files.GetFileInfo(row)->NewName = "Song";
    files.GetFileInfo(row)->NewNameSet = true;
  }
  const double took = Milliseconds([&] {
    if (!files.RenameFiles()) std::fprintf(stderr, "nothing was renamed\n");
  });
  if (!FileExists(folder / ("Song" + IntToStr(kFiles - 1) + ".mp3")))
    std::fprintf(stderr, "the last file was not numbered Song%d\n", kFiles - 1);
  files.ClearFiles();
  return took;
}

TRound MeasureRound() {
  TRound round;
  {
    TempFolder folder;
    MakeFiles(folder);
    round.Bare = Milliseconds([&] {
      for (int i = 0; i < kFiles; ++i)
        if (!RenameFile(folder / (SourceName(i) + ".mp3"),
                        folder / ("renamed " + IntToStr(i) + ".mp3")))
          std::fprintf(stderr, "bare rename %d failed\n", i);
    });
  }
  round.Floor = MeasureFloor();
  TempFolder folder;
  MakeFiles(folder);
  TConfigBase settings(TProgramPlace{folder.Path(), folder.Path()});
  settings.SaveList = true;
  settings.SetListName("List.txt");
  settings.RenameFormats.SetDelimitedText("|<N> - <A> - <T>|");
  settings.ParseRenameFormat(0);
  TConfigSession session;
  session.UseSelectedFormat = true;
  session.UseStartNumber = true;
  TFileRename files(settings, session);
  std::vector<int32_t> rows;
  settings.MainSelection.SetItems(rows);
  round.Scan = Milliseconds([&] { files.ScanFolder(); });
  for (int32_t row = 0; row < files.GetFileCount(); ++row) rows.push_back(row);
  round.Preview = Milliseconds([&] {
    TSectionCheck check;
    if (!files.CheckSections(check)) files.ApplyFormat(1);
  });
  round.Rename = Milliseconds([&] {
    if (!files.RenameFiles()) std::fprintf(stderr, "nothing was renamed\n");
  });
  for (int32_t row = 0; row < files.GetFileCount(); ++row)
    if (files.GetFileName(row) != FormattedName(row))
      std::fprintf(stderr, "unexpected name: %s\n", files.GetFileName(row).c_str());
  files.ClearFiles();
  round.Clash = MeasureClash();
  return round;
}

}  // namespace

int main() {
  TRound best;
  for (int i = 0; i < kRounds; ++i) {
    TRound round = MeasureRound();
    if (i == 0 || round.Preview + round.Rename < best.Preview + best.Rename) {
      best.Scan = round.Scan;
      best.Preview = round.Preview;
      best.Rename = round.Rename;
    }
    best.Bare = i == 0 ? round.Bare : std::min(best.Bare, round.Bare);
    best.Floor = i == 0 ? round.Floor : std::min(best.Floor, round.Floor);
    best.Clash = i == 0 ? round.Clash : std::min(best.Clash, round.Clash);
  }
  const double work = best.Preview + best.Rename;
  std::printf("bench_rename: %d files, best of %d rounds\n", kFiles, kRounds);
  std::printf("  %d bare rename calls  %9.2f ms\n", kFiles, best.Bare);
  std::printf("  floor (close, rename, reopen; list, log) %9.2f ms\n", best.Floor);
  std::printf("  folder scan           %9.2f ms\n", best.Scan);
  std::printf("  preview (format)      %9.2f ms\n", best.Preview);
  std::printf("  rename                %9.2f ms\n", best.Rename);
  std::printf("  preview + rename      %9.2f ms = %.2f x the bare calls = %.2f x the floor\n", work,
              work / best.Bare, work / best.Floor);
  std::printf("  %d-way name clash   %9.2f ms = %.2f x the bare calls = %.2f x the floor\n", kFiles,
              best.Clash, best.Clash / best.Bare, best.Clash / best.Floor);
  return 0;
}
