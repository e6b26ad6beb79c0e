#include "TagSave.h"

#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"

#include "base/Exceptions.h"
#include "base/StrUtils.h"
#include "base/TextFileWriter.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/TagInfo.h"

#include <exception>

namespace {

const char kLogFileName[] = "Log.txt";

constexpr TLangText kHeadings[] = {
    TLangText::TagsRemovedBeforeHeading, TLangText::TagsNotChangedHeading,
    TLangText::FailedFilesHeading, TLangText::SavedInPartHeading,
    TLangText::DroppedFramesHeading};
const char* const kTagPrefixes[] = {"ID3v1: ", "ID3v2: "};

// A tag writer's answer; one that raises has failed and changed nothing.
template <class Write>
bool Attempt(Write write) {
  try {
    return write();
  } catch (const std::exception&) {
    return false;
  }
}

// What a save did to one of a file's tags.
enum class TTagOutcome { Untouched, Saved, Failed };

// One of a file's tags as the save sees it.
struct TTagFlags {
  bool Has = false;
  bool IsNew = false;
  bool Changed = false;
  bool Remove = false;

  // The tag has work to do on the disk.
  bool Pending() const { return Changed || (Has && Remove); }
  // The file has the tag, or gets a new one, and nothing is to happen to it.
  bool Idle() const { return (Has || IsNew) && !Changed && !Remove; }
};

TTagFlags ID3v1Flags(const TTagInfo& info) {
  return {info.HasID3v1, info.NewID3v1, info.ChangedID3v1, info.RemoveID3v1};
}

TTagFlags ID3v2Flags(const TTagInfo& info) {
  return {info.HasID3v2, info.NewID3v2, info.ChangedID3v2, info.RemoveID3v2};
}

// The ID3v2 write goes without the ID3v2 tag and takes the ID3v1 tag with it.
bool ID3v2RemovesBoth(const TTagInfo& info) {
  return (info.HasID3v2 || info.NewID3v2) && info.ChangedID3v2 && info.RemoveID3v2;
}

TTagOutcome SaveID3v1(TTagInfo& info, TTagSaveReport& report, const std::string& name) {
  if (info.NewID3v1 && info.RemoveID3v1) {
    report.Add(TTagSaveReport::rgRemovedBefore, TTagSaveReport::tkID3v1, name);
    info.ID3v1.reset();
    info.NewID3v1 = info.ChangedID3v1 = info.HasID3v1 = false;
  } else if (info.HasID3v1 && info.RemoveID3v1 && info.ID3v1) {
    if (ID3v2RemovesBoth(info)) return TTagOutcome::Untouched;
    if (!Attempt([&] { return info.ID3v1->RemoveTag(info); })) {
      report.Add(TTagSaveReport::rgFailed, TTagSaveReport::tkID3v1, name);
      return TTagOutcome::Failed;
    }
    info.ID3v1.reset();
    info.ChangedID3v1 = false;
    report.CountSaved();
    return TTagOutcome::Saved;
  } else if (info.ChangedID3v1 && info.ID3v1) {
    if (!Attempt([&] { return info.ID3v1->WriteTag(info); })) {
      report.Add(TTagSaveReport::rgFailed, TTagSaveReport::tkID3v1, name);
      info.IsValid = false;
      return TTagOutcome::Failed;
    }
    info.HasID3v1 = true;
    info.NewID3v1 = info.ChangedID3v1 = false;
    if (!info.ChangedID3v2) report.CountSaved();  // else the ID3v2 write counts
    return TTagOutcome::Saved;
  } else if (!info.HasID3v1 && !info.NewID3v1 && info.RemoveID3v1) {
    report.Add(TTagSaveReport::rgNotChanged, TTagSaveReport::tkID3v1, name);
  }
  return TTagOutcome::Untouched;
}

TTagOutcome SaveID3v2(TTagInfo& info, TTagSaveReport& report, const std::string& name) {
  if (!info.HasID3v2 && !info.NewID3v2) {
    if (info.RemoveID3v2) report.Add(TTagSaveReport::rgNotChanged, TTagSaveReport::tkID3v2, name);
    return TTagOutcome::Untouched;
  }
  if (info.NewID3v2 && info.RemoveID3v2) {
    report.Add(TTagSaveReport::rgRemovedBefore, TTagSaveReport::tkID3v2, name);
    info.ID3v2.reset();
    info.NewID3v2 = info.ChangedID3v2 = false;
  }
  // Only a changed tag is written, also when the ID3v1 write or removal above failed: the
  // write would turn a tag the user left alone into ID3v2.4, leaving out what ID3v2.4
  // cannot hold.
  if (!info.ChangedID3v2 || !info.ID3v2) return TTagOutcome::Untouched;
  // The write clears them: the tag they were read from is gone then.
  const std::vector<std::string> dropped = info.ID3v2->GetDroppedFrames();
  if (!Attempt([&] { return info.ID3v2->WriteTag(info); })) {
    report.Add(TTagSaveReport::rgFailed, TTagSaveReport::tkID3v2, name);
    info.IsValid = false;
    return TTagOutcome::Failed;
  }
  if (!dropped.empty() && !info.RemoveID3v2) report.AddDroppedFrames(name, dropped);
  if (info.RemoveID3v1) info.ID3v1.reset();
  if (info.RemoveID3v2)
    info.ID3v2.reset();
  else
    info.HasID3v2 = true;
  info.ChangedID3v1 = info.ChangedID3v2 = false;
  report.CountSaved();
  return TTagOutcome::Saved;
}

}  // namespace

void TTagSaveReport::Add(TGroup group, TTagKind tag, const std::string& fileName) {
  FEntries[group].push_back(kTagPrefixes[tag] + fileName + "." + FExtension);
  if (group == rgFailed) ++FErrors;
}

void TTagSaveReport::AddDroppedFrames(const std::string& fileName,
                                      const std::vector<std::string>& ids) {
  std::string entry = fileName + "." + FExtension + ": ";
  for (size_t i = 0; i < ids.size(); ++i) entry += (i > 0 ? ", " : "") + ids[i];
  FEntries[rgDroppedFrames].push_back(entry);
}

std::string TTagSaveReport::Text() const {
  std::string text;
  for (size_t group = 0; group < FEntries.size(); ++group) {
    if (FEntries[group].empty()) continue;
    if (!text.empty()) text += CRLF + CRLF;
    text += LangText(kHeadings[group]) + CRLF + " " + CRLF;
    for (const std::string& entry : FEntries[group]) text += entry + CRLF;
  }
  return text;
}

void SaveRecord(TTagInfo& info, TTagSaveReport& report) {
  if (!info.IsValid) return;
  const TTagFlags flagsV1 = ID3v1Flags(info), flagsV2 = ID3v2Flags(info);
  if ((flagsV1.Idle() && !flagsV2.Pending()) || (flagsV2.Idle() && !flagsV1.Pending())) return;
  const std::string name = info.GetEntry().Name;
  const TTagOutcome id3v1 = SaveID3v1(info, report, name);
  const TTagOutcome id3v2 = SaveID3v2(info, report, name);
  // One tag saved and the other not: the file's tags now disagree, so say which holds.
  if (id3v1 == TTagOutcome::Saved && id3v2 == TTagOutcome::Failed) {
    report.Add(TTagSaveReport::rgSavedInPart, TTagSaveReport::tkID3v1, name);
    // A written ID3v1 tag left its count to the ID3v2 write, which failed: the file has
    // changed all the same. (A removal counted itself.)
    if (!flagsV1.Remove) report.CountSaved();
  } else if (id3v2 == TTagOutcome::Saved && id3v1 == TTagOutcome::Failed)
    report.Add(TTagSaveReport::rgSavedInPart, TTagSaveReport::tkID3v2, name);
  info.NewID3v1 = info.NewID3v2 = info.RemoveID3v1 = info.RemoveID3v2 = false;
}

std::optional<std::string> LogAndShowReport(const TConfigBase& settings, const std::string& report,
                                            bool asList) {
  // Written first, so that the log holds the report whatever happens while it shows.
  std::optional<std::string> logFailure;
  try {
    WriteTextFile(settings.WorkingFolder + kLogFileName, report + CRLF);
  } catch (const EInOutError& e) {
    logFailure = e.Message();
  }
  const std::string text = report + CRLF + LangText(TLangText::LogFileNote);
  const std::string& caption = LangText(TLangText::WarningCaption);
  if (asList)
    ShowMessageList(caption, text, settings.StoredSkin);
  else
    ShowMessageOk(caption, text, settings.StoredSkin);
  return logFailure;
}
