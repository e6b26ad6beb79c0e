// bench_tag_editor: the tag editor's model loading 999 tagged files (every row's cells
// too) and saving one field to all of them, against the tag library's bare read and write
// of the same files in the same run: probe, MPEG frame, both tags; the title set in both
// tags, both written. Each figure is the best of several rounds on fresh folders. First,
// before any other work, it notes the process's peak working set before and after the
// model loads the 999 files. Last, a title change and Remove Tags, each with its save, on
// a tag of many title frames, against the same on a tag of as many distinct frames.
#include "app/rename/Rename.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"
#include "app/tageditor/TagEditorModel.h"

#include "base/StrUtils.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagInfo.h"
#include "tags/TagProbe.h"

#include "BenchTiming.h"
#include "ProcessMemory.h"
#include "TagFixtures.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = MaxListedFiles;
constexpr int kRounds = 5;

// MPEG 1 Layer III, 128 kbit/s: 417-byte frames, longer than the scan's window.
const std::string& Audio() {
  static const std::string audio = Frames({3, 1, 9, 0}, 417, 120);
  return audio;
}

// The folder of the files (the i-th file's bytes: fileBytes(i)) and the editor's place, as
// the main window hands them over.
struct TEditorSetUp {
  explicit TEditorSetUp(int files = kFiles,
                        const std::function<std::string(int)>& fileBytes = [](int i) {
                          return TypicalTaggedFile(i, Audio());
                        }) {
    for (int i = 0; i < files; ++i) Folder.WriteFile("song" + IntToStr(i) + ".mp3", fileBytes(i));
    Settings.MainSelection.SetItems(Rows);
    Settings.DefaultID3v1 = tvID3v11;
    Settings.DefaultID3v2 = tvID3v24;
    Files.ScanFolder();
    for (int32_t row = 0; row < Files.GetFileCount(); ++row) Rows.push_back(row);
  }
  ~TEditorSetUp() { Files.ClearFiles(); }

  TempFolder Folder;
  std::vector<int32_t> Rows;
  TConfigBase Settings{TProgramPlace{Folder.Path(), Folder.Path()}};
  TConfigSession Session;
  TFileRename Files{Settings, Session};
};

struct TRound {
  double BareRead = 0, Load = 0, BareWrite = 0, Save = 0;
};

// Each figure's best of two rounds.
TRound Fastest(const TRound& a, const TRound& b) {
  return {std::min(a.BareRead, b.BareRead), std::min(a.Load, b.Load),
          std::min(a.BareWrite, b.BareWrite), std::min(a.Save, b.Save)};
}

// What the editor does of each file, with the tag library alone.
std::unique_ptr<TTagInfo> BareRead(TFileInfo& entry) {
  auto info = std::make_unique<TTagInfo>();
  info->SetFileInfo(&entry);
  int64_t id3v2Size = ProbeTags(*info);
  if (!FindMpegHeader(*info, id3v2Size)) std::fprintf(stderr, "no MPEG frame in %s\n", entry.Name.c_str());
  info->ID3v1 = std::make_unique<TMp3ID3v1>(*info, false);
  info->ID3v2 = std::make_unique<TMp3ID3v2>(*info, false);
  info->ReadOk = info->ID3v1->ReadTag() && info->ID3v2->ReadTag();
  return info;
}

bool BareWrite(TTagInfo& info) {
  info.ID3v1->SetTitle("Saved title");
  TFrameSubListManager& primary = info.ID3v2->GetFrameList().GetPrimarySubList();
  primary.GetFrameCategory(primary.IndexOfKind(fiTIT2, 1)).SetTextString("Saved title");
  info.ID3v2->SetVersion(tvID3v24);
  return info.ID3v1->WriteTag(info) && info.ID3v2->WriteTag(info);
}

// The bare work and the model's each get a folder of their own, so that both meet the
// same files: a first save turns ID3v2.3 tags into 2.4 and a later one need not.
TRound MeasureRound() {
  TRound round;
  {
    TEditorSetUp bare;
    std::vector<std::unique_ptr<TTagInfo>> records;
    round.BareRead = Milliseconds([&] {
      for (int32_t row = 0; row < bare.Files.GetFileCount(); ++row)
        records.push_back(BareRead(*bare.Files.GetFileInfo(row)));
    });
    round.BareWrite = Milliseconds([&] {
      for (auto& record : records)
        if (!BareWrite(*record)) std::fprintf(stderr, "a bare write failed\n");
    });
  }
  TEditorSetUp setUp;
  TTagEditorModel model(setUp.Settings, setUp.Session, setUp.Files);
  model.InitialiseOptions(setUp.Rows);
  round.Load = Milliseconds([&] {
    model.SetCurrentRow(model.LoadTags());
    for (int32_t row = 0; row < model.RowCount(); ++row) model.RowCells(row);
  });
  round.Save = Milliseconds([&] {
    TFieldEditorValues editors = model.ShowRowFields();
    editors.Title = "Saved title";
    model.ChangeButton(editors, {true});
    model.Save();
  });
  if (model.RowCells(kFiles - 1)[tcTitle] != "Saved title" || model.NothingToSave() == false)
    std::fprintf(stderr, "the model did not save\n");
  model.ReleaseTagInfos();
  return round;
}

// --- Many frames of one ID -----------------------------------------------------------------

constexpr int kTagActionRounds = 3;

// A file whose ID3v2.4 tag holds frameCount frames: titles all of them (one ID), or one
// title and user texts of distinct descriptions (as many distinct frames).
std::string ManyFramesFile(int frameCount, bool oneID) {
  std::string frames = ID3v2FrameBytes(4, "TIT2", TextBody("Title"));
  for (int i = 1; i < frameCount; ++i)
    frames += oneID ? ID3v2FrameBytes(4, "TIT2", TextBody(IntToStr(i)))
                    : ID3v2FrameBytes(4, "TXXX", '\0' + IntToStr(i) + std::string(1, '\0'));
  return ID3v2TagBytes(4, 0, frames + std::string(512, '\0')) + Audio();
}

// An action of the editor with its save, on the one file loaded, as the window runs them.
void ChangeTitle(TTagEditorModel& model) {
  TFieldEditorValues editors = model.ShowRowFields();
  editors.Title = "Saved title";
  model.EditorChanged(feTitle, editors);
  model.ChangeButton(editors, {});
  model.Save();
}

void RemoveTags(TTagEditorModel& model) {
  model.RemoveTags();
  model.Save();
}

// The best time of the action over fresh copies of the file, each loaded first.
double TimeTagAction(const std::string& file, const std::function<void(TTagEditorModel&)>& action) {
  double best = 0;
  for (int round = 0; round < kTagActionRounds; ++round) {
    TEditorSetUp setUp(1, [&](int) { return file; });
    TTagEditorModel model(setUp.Settings, setUp.Session, setUp.Files);
    model.InitialiseOptions(setUp.Rows);
    model.SetCurrentRow(model.LoadTags());
    const double time = Milliseconds([&] { action(model); });
    if (!model.NothingToSave()) std::fprintf(stderr, "the model did not save\n");
    model.ReleaseTagInfos();
    best = round == 0 ? time : std::min(best, time);
  }
  return best;
}

// Each action on a tag of frameCount frames of one ID against the same on a tag of as
// many distinct frames (goal: 5x).
void PrintManyFramesOfOneID(int frameCount) {
  constexpr double kGoal = 5;
  const std::string oneID = ManyFramesFile(frameCount, true), distinct = ManyFramesFile(frameCount, false);
  std::printf("  a tag of %d frames (%.1f MB), best of %d rounds:\n", frameCount,
              static_cast<double>(oneID.size() - Audio().size()) / (1 << 20), kTagActionRounds);
  const struct {
    const char* Name;
    void (*Action)(TTagEditorModel&);
  } actions[] = {{"title change and save", ChangeTitle}, {"Remove Tags and save ", RemoveTags}};
  for (const auto& action : actions) {
    const double floor = TimeTagAction(distinct, action.Action), time = TimeTagAction(oneID, action.Action);
    std::printf("    %s  one ID %9.2f ms, distinct %9.2f ms = %.2f x (goal %.0fx: %s)\n", action.Name,
                time, floor, time / floor, kGoal, time <= kGoal * floor ? "met" : "missed");
  }
}

}  // namespace

// The peak working set with the folder made, and once the model holds its 999 files.
struct TMemory {
  uint64_t Before = 0, Loaded = 0;
};

TMemory MeasureMemory() {
  TMemory memory;
  TEditorSetUp setUp;
  TTagEditorModel model(setUp.Settings, setUp.Session, setUp.Files);
  model.InitialiseOptions(setUp.Rows);
  memory.Before = PeakWorkingSetBytes();
  model.SetCurrentRow(model.LoadTags());
  for (int32_t row = 0; row < model.RowCount(); ++row) model.RowCells(row);
  memory.Loaded = PeakWorkingSetBytes();
  model.ReleaseTagInfos();
  return memory;
}

int main() {
  const TMemory memory = MeasureMemory();
  TRound best = MeasureRound();
  for (int i = 1; i < kRounds; ++i) best = Fastest(best, MeasureRound());
  std::printf("bench_tag_editor: %d tagged files, best of %d rounds\n", kFiles, kRounds);
  std::printf("  bare read (probe, MPEG, both tags)   %9.2f ms\n", best.BareRead);
  std::printf("  editor load (records and cells)      %9.2f ms = %.2f x the bare read\n",
              best.Load, best.Load / best.BareRead);
  std::printf("  bare write (title in both tags)      %9.2f ms\n", best.BareWrite);
  std::printf("  editor change and save of the title  %9.2f ms = %.2f x the bare write\n",
              best.Save, best.Save / best.BareWrite);
  std::printf("  peak working set, files listed       %9.1f MB\n", Megabytes(memory.Before));
  std::printf("  peak working set, %d files loaded   %9.1f MB = %.2f x\n", kFiles, Megabytes(memory.Loaded),
              static_cast<double>(memory.Loaded) / static_cast<double>(memory.Before));
  std::printf("bench_tag_editor: many frames of one ID against as many distinct frames\n");
  for (int frameCount : {40000, 320000}) PrintManyFramesOfOneID(frameCount);
  return 0;
}
