// tagdump: a tool for checking files by hand and for the interoperability tests, not part
// of the product. Prints what the tag library reads from an MP3 file as one JSON object,
// or changes the file through the library first.
//
//   tagdump FILE                     the file as the library reads it
//   tagdump --set ID=TEXT ... FILE   sets the text of ID3v2 frames (TEXT in UTF-8)
//   tagdump --resave FILE            writes the tags back as they were read
//   tagdump --remove v1|v2|both FILE removes tags
//
// A change adds "saved": whether every write succeeded. Texts are printed in UTF-8.
// Exits 0 on any file it could open, 1 when it cannot open it, 2 on a wrong command.
#include "tags/FileAccess.h"
#include "tags/ID3TagsUtils.h"
#include "tags/ID3TextCodec.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagEnvironment.h"
#include "tags/TagInfo.h"
#include "tags/TagProbe.h"

#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// --- JSON ---------------------------------------------------------------------------

// An 8-bit text (of the ANSI code page, as the library holds it) as a JSON string.
std::string Json(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : EncodeFrameText(TBytes(text.begin(), text.end()), EncodingUtf8)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Json(int64_t number) { return IntToStr(number); }
std::string Json(bool value) { return value ? "true" : "false"; }

// Members in the order they are added.
class TJsonObject {
public:
  template <class T>
  TJsonObject& Add(const std::string& name, const T& value) {
    return AddRaw(name, Json(value));
  }
  TJsonObject& AddRaw(const std::string& name, const std::string& json) {
    FText += (FText.empty() ? "" : ", ") + Json(name) + ": " + json;
    return *this;
  }
  std::string Text() const { return "{" + FText + "}"; }

private:
  std::string FText;
};

// --- the file -----------------------------------------------------------------------

// A file opened the way the folder scan opens listed files, in the folder it lies in.
class TDumpedFile {
public:
  bool Open(std::string path, bool forWriting) {
    std::replace(path.begin(), path.end(), '/', '\\');  // the runtime's own spelling
    SetListedFolder(ExtractFilePath(path));
    Entry.Name = ExtractFileName(path);
    if (forWriting) {
      // A rewrite gives the copy the name + ".mp3".
      const std::string extension = "." + Mp3Extension;
      if (Entry.Name.size() <= extension.size() ||
          Entry.Name.compare(Entry.Name.size() - extension.size(), extension.size(), extension))
        return false;
      Entry.Name.resize(Entry.Name.size() - extension.size());
    }
    Entry.OpenMode = forWriting ? fmOpenReadWrite | fmShareDenyWrite : fmOpenRead | fmShareDenyNone;
    Entry.Handle = FileOpen(path, Entry.OpenMode);
    if (Entry.Handle == InvalidHandle) return false;
    Entry.LargerThan128 = FileSizeOf(Entry.Handle) > 128;
    Info.SetFileInfo(&Entry);
    return true;
  }
  ~TDumpedFile() {
    if (Entry.Handle != InvalidHandle) FileClose(Entry.Handle);
  }

  TFileInfo Entry;
  TTagInfo Info;
};

std::string MpegJson(TTagInfo& info, int64_t id3v2Size) {
  if (!FindMpegHeader(info, id3v2Size)) return "null";
  const TMpegHeader& mpeg = info.MpegHeader;
  const char* versions[] = {"2.5", "?", "2", "1"};
  return TJsonObject()
      .Add("version", std::string(versions[mpeg.VersionIndex & 3]))
      .Add("layer", int64_t{4 - mpeg.LayerIndex})
      .Add("bitrate", int64_t{mpeg.Bitrate})
      .Add("sample_rate", int64_t{mpeg.SampleRate})
      .Add("mode", mpeg.GetChannelModeText())
      .Add("frames", mpeg.FrameCount)
      .Add("duration", int64_t{mpeg.Duration})
      .Add("vbr", mpeg.BitrateKind == "VBR")
      .Text();
}

std::string ID3v1Json(TTagInfo& info) {
  if (!info.HasID3v1) return "null";
  TMp3ID3v1 tag(info, false);
  if (!tag.ReadTag()) return "null";
  return TJsonObject()
      .Add("title", tag.GetTitle())
      .Add("artist", tag.GetArtist())
      .Add("album", tag.GetAlbum())
      .Add("year", tag.GetYear())
      .Add("comment", tag.GetComment())
      .AddRaw("track", tag.GetVersion() == tvID3v10 ? "null" : Json(int64_t{tag.GetTrack()}))
      .Add("genre", int64_t{tag.GetGenre()})
      .Text();
}

// What the frame's category object gives as its text.
std::string FrameText(const TMp3ID3v2FrameCatBase& frame) {
  return frame.GetCategory() == fcCdIdentifier ? frame.GetBodyString() : frame.GetTextString();
}

std::string ID3v2Json(TTagInfo& info) {
  if (!info.HasID3v2) return "null";
  TMp3ID3v2 tag(info, false);
  std::string frames;
  if (info.ReadOk && tag.ReadTag()) {
    TFrameListManager& list = tag.GetFrameList();
    for (int32_t i = 0; i < list.GetCount(); ++i) {
      const TMp3ID3v2Frame& frame = list.GetFrame(i);
      frames += (i ? ", " : "") + TJsonObject()
                                      .Add("id", frame.GetID())
                                      .Add("text", FrameText(frame.GetCategoryObject()))
                                      .Text();
    }
  }
  return TJsonObject()
      .Add("version", "2." + IntToStr(tag.GetRawHeader()[3]))
      .Add("supported", info.ReadOk)
      .AddRaw("frames", "[" + frames + "]")
      .Text();
}

std::string Dump(TTagInfo& info, TJsonObject object = {}) {
  int64_t id3v2Size = ProbeTags(info);
  return object.AddRaw("mpeg", MpegJson(info, id3v2Size))
      .AddRaw("id3v1", ID3v1Json(info))
      .AddRaw("id3v2", ID3v2Json(info))
      .Text();
}

// --- changes ------------------------------------------------------------------------

struct TFrameText {
  uint8_t Kind;
  std::string Text;  // 8-bit
};

// "ID=TEXT" for a frame kind the library writes.
bool ParseFrameText(const std::string& arg, TFrameText& frame) {
  size_t eq = arg.find('=');
  if (eq != 4) return false;
  for (int kind = 0; kind < fiObsolete; ++kind) {
    if (arg.compare(0, 4, FrameIDs[kind].FrameID) != 0) continue;
    if (FrameIDs[kind].Category == fcNone) return false;
    frame.Kind = static_cast<uint8_t>(kind);
    TBytes text(arg.begin() + 5, arg.end());
    DecodeFrameText(text, EncodingUtf8);
    frame.Text.assign(text.begin(), text.end());
    return true;
  }
  return false;
}

// The file's ID3v2 tag as read, or a new one where it has none it can read.
std::unique_ptr<TMp3ID3v2> OpenID3v2(TTagInfo& info) {
  bool readable = info.HasID3v2 && info.ReadOk;
  auto tag = std::make_unique<TMp3ID3v2>(info, !readable);
  if (readable) tag->ReadTag();
  return tag;
}

bool SetFrames(TTagInfo& info, const std::vector<TFrameText>& frames) {
  auto tag = OpenID3v2(info);
  TFrameListManager& list = tag->GetFrameList();
  for (const TFrameText& frame : frames) {
    TFrameSubListManager& subList =
        IsPrimaryFrameKind(frame.Kind) ? list.GetPrimarySubList() : list.GetOtherSubList();
    int32_t index = subList.IndexOfKind(frame.Kind, 1);
    if (index < 0) index = list.NewFrame(frame.Kind);
    subList.GetFrameCategory(index).SetText(TBytes(frame.Text.begin(), frame.Text.end()));
  }
  tag->SetVersion(tvID3v24);
  return tag->WriteTag(info);
}

bool Resave(TTagInfo& info) {
  bool saved = true;
  if (info.HasID3v1) {
    TMp3ID3v1 tag(info, false);
    saved = tag.ReadTag() && tag.WriteTag(info);
  }
  if (info.HasID3v2 && info.ReadOk) saved = OpenID3v2(info)->WriteTag(info) && saved;
  return saved;
}

bool Remove(TTagInfo& info, const std::string& which) {
  if (which == "v1") return !info.HasID3v1 || TMp3ID3v1(info, false).RemoveTag(info);
  info.RemoveID3v2 = true;
  info.RemoveID3v1 = which == "both";
  return TMp3ID3v2(info, true).WriteTag(info);
}

int Usage() {
  std::fputs("usage: tagdump [--set ID=TEXT ... | --resave | --remove v1|v2|both] FILE\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string path = args.back();
  args.pop_back();

  std::vector<TFrameText> frames;
  std::string command, removal;
  for (size_t i = 0; i < args.size(); ++i) {
    bool hasValue = i + 1 < args.size();
    if (args[i] == "--set" && hasValue && (command.empty() || command == "set")) {
      TFrameText frame;
      if (!ParseFrameText(args[++i], frame)) return Usage();
      frames.push_back(frame);
      command = "set";
    } else if (args[i] == "--resave" && command.empty()) {
      command = "resave";
    } else if (args[i] == "--remove" && hasValue && command.empty()) {
      removal = args[++i];
      if (removal != "v1" && removal != "v2" && removal != "both") return Usage();
      command = "remove";
    } else {
      return Usage();
    }
  }

  TDumpedFile file;
  if (!file.Open(path, !command.empty())) {
    std::fprintf(stderr, "tagdump: cannot open %s%s\n", path.c_str(),
                 command.empty() ? "" : " for writing (an existing .mp3 file)");
    return 1;
  }
  TJsonObject result;
  if (!command.empty()) {
    TTagInfo& info = file.Info;
    ProbeTags(info);
    bool saved = command == "set"      ? SetFrames(info, frames)
                 : command == "resave" ? Resave(info)
                                       : Remove(info, removal);
    result.Add("saved", saved);
  }
  std::printf("%s\n", Dump(file.Info, std::move(result)).c_str());
  return 0;
}
