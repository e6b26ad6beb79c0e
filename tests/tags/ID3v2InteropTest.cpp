// ID3v2 tags between us and independent tools, on MP3 files encoded by Debian's lame:
// tags python3-mutagen writes (ID3v2.3 and 2.4, every text encoding) and tags Debian's
// id3v2 tool writes are read by us; tags we write and resave are read by mutagen, with
// the audio bytes untouched; tagdump's report agrees with mutagen. Native build only.
#include "ExternalTools.h"
#include "FrameFixtures.h"
#include "ID3v2Fixtures.h"
#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3v1.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#ifndef TAGDUMP_PATH
#error TAGDUMP_PATH names the tagdump program
#endif

namespace {

using namespace std::string_literals;

// Writes a tag: path, major version, text encoding. The picture's bytes hold every
// value, so that writing it needs unsynchronisation.
const char* const kMutagenWriteTag = R"py(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TALB, TRCK, TCON, TDRC, COMM, USLT, TXXX, APIC, WOAR
path, version, enc = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
tags = ID3()
tags.add(TIT2(encoding=enc, text="Caf\u00e9 Title"))
tags.add(TPE1(encoding=enc, text="\u00c4rtist"))
tags.add(TALB(encoding=enc, text="Album \u00df"))
tags.add(TRCK(encoding=enc, text="03/12"))
tags.add(TCON(encoding=enc, text="Rock (Live)"))
tags.add(TDRC(encoding=enc, text="2004-05-06"))
tags.add(COMM(encoding=enc, lang="eng", desc="note", text="first\nsecond"))
tags.add(USLT(encoding=enc, lang="deu", desc="v", text="Gr\u00fc\u00dfe"))
tags.add(TXXX(encoding=enc, desc="MOOD", text="calm"))
picture = bytes(range(256)) + b"\xff\xe0\xff\x00\xff"
tags.add(APIC(encoding=enc, mime="image/png", type=3, desc="cover", data=picture))
tags.add(WOAR(url="http://a.b/"))
if version == 3:
    tags.update_to_v23()
tags.save(path, v2_version=version, v1=2)
)py";

// Prints what mutagen reads: the version, and per frame its fields joined by "|" as
// hex of their Latin-1 bytes (pictures as their own bytes).
const char* const kMutagenReadTag = R"py(
import sys
from mutagen.id3 import ID3
tags = ID3(sys.argv[1], load_v1=False)
print("version=%d.%d.%d" % tags.version)
for frame in tags.values():
    fid = frame.FrameID
    if fid == "COMM":
        fields = [frame.desc, frame.lang, frame.text[0]]
    elif fid == "USLT":
        fields = [frame.desc, frame.lang, frame.text]
    elif fid == "TXXX":
        fields = [frame.desc, frame.text[0]]
    elif fid == "APIC":
        fields = [frame.mime, str(int(frame.type)), frame.desc, frame.data.decode("latin-1")]
    elif fid.startswith("W"):
        fields = [frame.url]
    else:
        fields = [str(frame.text[0])]
    print("%s=%s" % (fid, "|".join(fields).encode("latin-1").hex()))
)py";

std::string Hex(const std::string& bytes) {
  std::string hex;
  for (unsigned char c : bytes) hex += LowerCase(IntToHex(c, 2));
  return hex;
}

std::string AsString(const TBytes& bytes) { return {bytes.begin(), bytes.end()}; }

// The keys whose values differ, each with both values (shortened): "" when the maps
// are equal.
std::string Differences(const TValues& ours, const TValues& theirs) {
  std::set<std::string> keys;
  for (const auto& entry : ours) keys.insert(entry.first);
  for (const auto& entry : theirs) keys.insert(entry.first);
  std::string differences;
  for (const std::string& key : keys) {
    auto a = ours.find(key), b = theirs.find(key);
    std::string mine = a == ours.end() ? "(none)" : a->second;
    std::string other = b == theirs.end() ? "(none)" : b->second;
    if (mine != other)
      differences += key + ": " + mine.substr(0, 80) + " vs " + other.substr(0, 80) + "\n";
  }
  return differences;
}

// Our frames in the form kMutagenReadTag prints them.
TValues OurView(TFrameListManager& frames) {
  TValues view;
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    TMp3ID3v2FrameCatBase& frame = frames.GetFrameCategory(i);
    std::string fields;
    switch (frame.GetCategory()) {
      case fcComment:
        fields = frame.GetDescriptionString() + "|" + frame.GetLanguageString() + "|" +
                 frame.GetTextString();
        break;
      case fcUserText:
        fields = frame.GetDescriptionString() + "|" + frame.GetTextString();
        break;
      case fcPicture:
        fields = frame.GetTextString() + "|" + IntToStr(frame.GetPictureType()) + "|" +
                 frame.GetDescriptionString() + "|" + AsString(frame.GetPictureData());
        break;
      case fcUrl:
        // Without the terminator some writers put after a URL.
        fields = frame.GetTextString().substr(0, frame.GetTextString().find('\0'));
        break;
      default:
        fields = frame.GetTextString();
    }
    view[frames.GetFrame(i).GetID()] = Hex(fields);
  }
  return view;
}

// The ID3v2 tag's frames as we read them.
TValues ReadOurs(TListedFile& file) {
  ProbeTags(file.Info);
  TMp3ID3v2 tag(file.Info, false);
  EXPECT_TRUE(tag.ReadTag());
  return OurView(tag.GetFrameList());
}

// What each frame should hold after a trip through a tag of the version.
TValues Expected(int version) {
  std::string picture;
  for (int c = 0; c < 256; ++c) picture += static_cast<char>(c);
  picture += "\xFF\xE0\xFF\x00\xFF"s;
  return {
      {"TIT2", Hex("Caf\xE9 Title")},
      {"TPE1", Hex("\xC4rtist")},
      {"TALB", Hex("Album \xDF")},
      {"TRCK", Hex("03/12")},
      {"TCON", Hex("Rock (Live)")},
      // ID3v2.3 keeps the year in TYER and the rest of the date in TDAT, which we drop.
      {"TDRC", Hex(version == 3 ? "2004" : "2004-05-06")},
      {"COMM", Hex("note|eng|first\nsecond")},
      {"USLT", Hex("v|deu|Gr\xFC\xDF" "e")},
      {"TXXX", Hex("MOOD|calm")},
      {"APIC", Hex("image/png|3|cover|" + picture)},
      {"WOAR", Hex("http://a.b/")},
  };
}

// Checks the ID3v2.4 tag at the start of bytes as a strict reader would: every size
// syncsafe, the frames reaching exactly to the padding, the padding all zero.
void ExpectWellFormedTag(const std::string& bytes) {
  ASSERT_GE(bytes.size(), 10u);
  EXPECT_EQ(bytes.substr(0, 5), "ID3\x04\x00"s);
  TBytes all = Bytes(bytes);
  for (int i = 6; i < 10; ++i) EXPECT_LT(all[i], 0x80);
  size_t end = 10 + ReadSyncsafe(FourBytesAt(all, 6));
  ASSERT_LE(end, all.size());
  size_t at = 10;
  while (at + 10 <= end && all[at] != 0) {
    for (int i = 4; i < 8; ++i) EXPECT_LT(all[at + i], 0x80) << "frame at " << at;
    at += 10 + ReadSyncsafe(FourBytesAt(all, at + 4));
  }
  ASSERT_LE(at, end);
  EXPECT_EQ(bytes.substr(at, end - at), std::string(end - at, '\0'));
}

class ID3v2Interop : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    FMissing = ToolMissing("lame --version", "lame") + MutagenMissing() +
               ToolMissing("id3v2 --version", "id3v2");
    if (!FMissing.empty()) return;
    FFolder = new TempFolder;
    WriteTestSound(*FFolder / "source.wav", 5);
    bool ok = false;
    std::string output = RunCommand("lame --quiet -b 128 " + Quoted(Path("source.wav")) + " " +
                                        Quoted(Path("plain.mp3")),
                                    ok);
    ASSERT_TRUE(ok) << output;
    FAudio = new std::string(ReadFileBytes(*FFolder / "plain.mp3"));
  }
  static void TearDownTestSuite() {
    delete FFolder;
    delete FAudio;
    FFolder = nullptr;
    FAudio = nullptr;
  }
  void SetUp() override {
    if (!FMissing.empty()) GTEST_SKIP() << FMissing;
  }

  // A copy of the encoded audio under the name, its path.
  static std::string Fresh(const std::string& name) { return FFolder->WriteFile(name, *FAudio); }
  static std::string Path(const std::string& name) { return Native(*FFolder / name); }

  static std::string FMissing;
  static TempFolder* FFolder;
  static std::string* FAudio;  // lame's file, without tags
};

std::string ID3v2Interop::FMissing;
TempFolder* ID3v2Interop::FFolder = nullptr;
std::string* ID3v2Interop::FAudio = nullptr;

TEST_F(ID3v2Interop, MutagenTagsAreReadByUs) {
  TCharsetScope ansi(0);
  for (int version : {3, 4}) {
    for (int encoding : {0, 1, 2, 3}) {
      SCOPED_TRACE("ID3v2." + std::to_string(version) + ", encoding " + std::to_string(encoding));
      std::string path = Fresh("theirs.mp3");
      RunPython(kMutagenWriteTag, {Native(path), std::to_string(version),
                                            std::to_string(encoding)});
      TValues theirs = RunPython(kMutagenReadTag, {Native(path)});
      EXPECT_EQ(theirs["version"], "2." + std::to_string(version) + ".0");
      theirs.erase("version");
      if (version == 3) theirs["TDRC"] = Hex("2004");  // we drop TDAT

      TListedFile file(ReadFileBytes(path));
      EXPECT_EQ(Differences(ReadOurs(file), theirs), "");
      EXPECT_EQ(Differences(ReadOurs(file), Expected(version)), "");
    }
  }
}

TEST_F(ID3v2Interop, OurTagsAreReadByMutagen) {
  // Frames in 8-bit text, and in UTF-16 where the locale asks for Unicode.
  for (uint8_t charset : {0, 204}) {
    SCOPED_TRACE(int{charset});
    TCharsetScope locale(charset);
    TListedFile file(*FAudio);
    ProbeTags(file.Info);
    TMp3ID3v2 tag(file.Info, true);
    TFrameListManager& frames = tag.GetFrameList();
    auto add = [&](uint8_t kind) -> TMp3ID3v2FrameCatBase& {
      int32_t index = frames.NewFrame(kind);
      return (IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList())
          .GetFrameCategory(index);
    };
    add(fiTIT2).SetTextString("Caf\xE9 Title");
    add(fiTPE1).SetTextString("\xC4rtist");
    add(fiTALB).SetTextString("Album \xDF");
    add(fiTRCK).SetText(Bytes("03/12"));
    add(fiTCON).SetText(Bytes("Rock (Live)"));
    add(fiTDRC).SetText(Bytes("2004-05-06"));
    TMp3ID3v2FrameCatBase& comment = add(fiCOMM);
    comment.SetLanguageString("eng");
    comment.SetDescriptionString("note");
    comment.SetText(Bytes("first\r\nsecond"));
    TMp3ID3v2FrameCatBase& lyrics = add(fiUSLT);
    lyrics.SetLanguageString("deu");
    lyrics.SetDescriptionString("v");
    lyrics.SetTextString("Gr\xFC\xDF" "e");
    TMp3ID3v2FrameCatBase& user = add(fiTXXX);
    user.SetDescriptionString("MOOD");
    user.SetTextString("calm");
    TMp3ID3v2FrameCatBase& picture = add(fiAPIC);
    picture.SetText(Bytes("image/png"));
    picture.SetPictureType(3);
    picture.SetDescriptionString("cover");
    TBytes pictureData;
    for (int c = 0; c < 256; ++c) pictureData.push_back(static_cast<uint8_t>(c));
    for (uint8_t c : {0xFF, 0xE0, 0xFF, 0x00, 0xFF}) pictureData.push_back(c);
    picture.SetPictureData(pictureData);
    add(fiWOAR).SetTextString("http://a.b/");
    ASSERT_TRUE(tag.WriteTag(file.Info));
    std::string written = file.Contents();

    ExpectWellFormedTag(written);
    uint32_t tagEnd = 10 + ReadSyncsafe(FourBytesAt(Bytes(written), 6));
    EXPECT_EQ(written.substr(tagEnd), *FAudio);  // the audio, byte for byte
    TValues theirs = RunPython(kMutagenReadTag, {Native(file.Path())});
    EXPECT_EQ(theirs["version"], "2.4.0");
    theirs.erase("version");
    EXPECT_EQ(Differences(theirs, Expected(4)), "");

    // Saving again writes the same bytes; from the file read anew too, where that holds
    // 8-bit text.
    ASSERT_TRUE(tag.WriteTag(file.Info));
    EXPECT_EQ(file.Contents(), written);
    if (charset != 0) continue;
    TListedFile again(written);
    ProbeTags(again.Info);
    TMp3ID3v2 reread(again.Info, false);
    ASSERT_TRUE(reread.ReadTag());
    ASSERT_TRUE(reread.WriteTag(again.Info));
    EXPECT_EQ(again.Contents(), written);
  }
}

TEST_F(ID3v2Interop, MutagenTagResavedByUsKeepsItsFramesAndAudio) {
  std::string path = Fresh("resaved.mp3");
  RunPython(kMutagenWriteTag, {Native(path), "3", "1"});
  std::string original = ReadFileBytes(path);
  TListedFile file(original);
  ProbeTags(file.Info);
  TMp3ID3v2 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  ASSERT_TRUE(tag.WriteTag(file.Info));
  std::string written = file.Contents();
  ExpectWellFormedTag(written);

  uint32_t oldEnd = 10 + ReadSyncsafe(FourBytesAt(Bytes(original), 6));
  uint32_t newEnd = 10 + ReadSyncsafe(FourBytesAt(Bytes(written), 6));
  EXPECT_EQ(written.substr(newEnd), original.substr(oldEnd));  // audio and ID3v1 tag
  TValues theirs = RunPython(kMutagenReadTag, {Native(file.Path())});
  EXPECT_EQ(theirs["version"], "2.4.0");
  theirs.erase("version");
  EXPECT_EQ(Differences(theirs, Expected(3)), "");

  ASSERT_TRUE(tag.WriteTag(file.Info));
  EXPECT_EQ(file.Contents(), written);
}

TEST_F(ID3v2Interop, Id3v2ToolTagsAreReadByUs) {
  std::string path = Fresh("id3lib.mp3");
  bool ok = false;
  std::string output = RunCommand(
      "id3v2 -a 'Tool Artist' -t 'Tool Title' -A 'Tool Album' -y 1999 -T 3/9 -g 17 "
      "-c 'desc:Tool comment:eng' --TXXX 'MOOD:calm' --TCOM Composer " + Quoted(Native(path)),
      ok);
  ASSERT_TRUE(ok) << output;
  TListedFile file(ReadFileBytes(path));
  ProbeTags(file.Info);
  ASSERT_TRUE(file.Info.HasID3v2);
  ASSERT_TRUE(file.Info.ReadOk);
  TMp3ID3v2 tag(file.Info, false);
  EXPECT_EQ(tag.GetVersion(), tvID3v23);
  ASSERT_TRUE(tag.ReadTag());
  TFrameSubListManager& primary = tag.GetFrameList().GetPrimarySubList();
  EXPECT_EQ(primary.GetFrameCategory(primary.IndexOfKind(fiTCON, 1)).GetGenreIndex(), 17);
  TValues ours = OurView(tag.GetFrameList());
  TValues expected = {
      {"TPE1", Hex("Tool Artist")}, {"TIT2", Hex("Tool Title")},  {"TALB", Hex("Tool Album")},
      {"TDRC", Hex("1999")},        {"TRCK", Hex("3/9")},         {"TCON", Hex("17")},
      {"COMM", Hex("desc|eng|Tool comment")}, {"TXXX", Hex("MOOD|calm")},
      {"TCOM", Hex("Composer")},
  };
  EXPECT_EQ(Differences(ours, expected), "");

  ASSERT_TRUE(file.Info.HasID3v1);
  TMp3ID3v1 id3v1(file.Info, false);
  ASSERT_TRUE(id3v1.ReadTag());
  EXPECT_EQ(id3v1.GetTitle(), "Tool Title");
  EXPECT_EQ(id3v1.GetArtist(), "Tool Artist");
  EXPECT_EQ(id3v1.GetTrack(), 3);
  EXPECT_EQ(id3v1.GetGenre(), 17);

  // Resaved by us, mutagen reads the same frames from ID3v2.4.
  ASSERT_TRUE(tag.WriteTag(file.Info));
  TValues theirs = RunPython(kMutagenReadTag, {Native(file.Path())});
  EXPECT_EQ(theirs["version"], "2.4.0");
  theirs.erase("version");
  expected["TCON"] = Hex("Rock");  // mutagen names the genre
  EXPECT_EQ(Differences(theirs, expected), "");
}

// --- tagdump ----------------------------------------------------------------------------

// Loads tagdump's report (standard input) and compares it with what mutagen and the
// file's last 128 bytes say of the file (argument); prints "key=ours|theirs" lines.
const char* const kCompareReport = R"py(
import json, sys, mutagen.mp3
from mutagen.id3 import ID3
report = json.load(sys.stdin)
path = sys.argv[1]
print("saved=%s" % report.get("saved"))
info = mutagen.mp3.MP3(path).info
mpeg = report["mpeg"]
modes = ["Stereo", "Joint Stereo", "Dual channel", "Single channel"]
print("version=%s|%s" % (mpeg["version"], info.version))
print("layer=%s|%s" % (mpeg["layer"], info.layer))
print("rate=%s|%s" % (mpeg["sample_rate"], info.sample_rate))
print("mode=%s|%s" % (mpeg["mode"], modes[info.mode]))
print("duration=%s|%d" % (mpeg["duration"], info.length))
with open(path, "rb") as f:
    tail = f.read()[-128:]
v1 = report["id3v1"]
if tail[:3] == b"TAG":
    title = tail[3:33].split(b"\0")[0].decode("latin-1")
    print("v1title=%s|%s" % (v1["title"], title))
    print("v1track=%s|%s" % (v1["track"], tail[126] if tail[125] == 0 else None))
else:
    print("v1=%s|None" % v1)
v2 = report["id3v2"]
try:
    tags = ID3(path, translate=False, load_v1=False)
except Exception:
    tags = None
if tags is None:
    print("v2=%s|None" % v2)
else:
    print("v2version=%s|%d.%d" % (v2["version"], tags.version[0], tags.version[1]))
    ours = {f["id"]: f["text"] for f in v2["frames"] if f["id"][0] == "T" and f["id"] != "TXXX"}
    theirs = {k: str(f.text[0]) for k, f in tags.items()
              if k[0] == "T" and k != "TCON" and not k.startswith("TXXX")}
    ours.pop("TCON", None)
    print("frames=%s|%s" % (sorted(ours.items()), sorted(theirs.items())))
)py";

class TagDump : public ID3v2Interop {
protected:
  // Runs tagdump with arguments and compares its report with mutagen's view of path.
  static TValues Report(const std::string& arguments, const std::string& path) {
    bool ok = false;
    std::string output = RunCommand(Quoted(TAGDUMP_PATH) + " " + arguments + " " +
                                        Quoted(Native(path)) + " | " +
                                        PythonCommand(kCompareReport, {Native(path)}),
                                    ok);
    EXPECT_TRUE(ok) << output;
    return ParseValues(output);
  }
  // Every "ours|theirs" pair agrees.
  static void ExpectAgreement(const TValues& values) {
    for (const auto& [key, pair] : values) {
      if (key == "saved") continue;
      size_t bar = pair.find('|');
      ASSERT_NE(bar, std::string::npos) << key;
      EXPECT_EQ(pair.substr(0, bar), pair.substr(bar + 1)) << key;
    }
  }
};

TEST_F(TagDump, ReportAgreesWithMutagen) {
  std::string path = Fresh("dumped.mp3");
  RunPython(kMutagenWriteTag, {Native(path), "4", "1"});
  TValues values = Report("", path);
  EXPECT_EQ(values["saved"], "None");
  EXPECT_EQ(values["v2version"], "2.4|2.4");
  EXPECT_EQ(values["v1title"], "Caf\xC3\xA9 Title|Caf\xC3\xA9 Title");
  ExpectAgreement(values);
}

TEST_F(TagDump, ChangesGoThroughTheLibrary) {
  std::string path = Fresh("changed.mp3");
  RunPython(kMutagenWriteTag, {Native(path), "3", "0"});
  TValues set = Report("--set 'TIT2=Neu \xC3\xBC' --set TCOM=Someone", path);
  EXPECT_EQ(set["saved"], "True");
  EXPECT_NE(set["frames"].find("('TIT2', 'Neu \xC3\xBC')"), std::string::npos);
  EXPECT_NE(set["frames"].find("('TCOM', 'Someone')"), std::string::npos);
  ExpectAgreement(set);

  TValues resaved = Report("--resave", path);
  EXPECT_EQ(resaved["saved"], "True");
  ExpectAgreement(resaved);

  TValues removed = Report("--remove v2", path);
  EXPECT_EQ(removed["saved"], "True");
  EXPECT_EQ(removed["v2"], "None|None");
  ExpectAgreement(removed);
  TValues both = Report("--remove both", path);
  EXPECT_EQ(both["v1"], "None|None");
  EXPECT_EQ(ReadFileBytes(*FFolder / "changed.mp3"), *FAudio);
}

TEST_F(TagDump, RefusesWhatItCannotDo) {
  bool ok = true;
  std::string output = RunCommand(Quoted(TAGDUMP_PATH) + " " + Quoted(Path("missing.mp3")), ok);
  EXPECT_FALSE(ok);
  EXPECT_NE(output.find("cannot open"), std::string::npos);
  std::string plain = Fresh("plain-copy.mp3");
  for (const char* arguments : {"--set TLEN=1", "--set XXXX=1", "--remove v3", "--frobnicate"}) {
    RunCommand(Quoted(TAGDUMP_PATH) + " " + arguments + " " + Quoted(Native(plain)), ok);
    EXPECT_FALSE(ok) << arguments;
  }
  EXPECT_EQ(ReadFileBytes(plain), *FAudio);
}

}  // namespace
