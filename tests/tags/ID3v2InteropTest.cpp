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

#include <iterator>
#include <memory>
#include <set>
#include <sstream>

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

// What each frame should hold after a trip through a tag.
TValues Expected() {
  std::string picture;
  for (int c = 0; c < 256; ++c) picture += static_cast<char>(c);
  picture += "\xFF\xE0\xFF\x00\xFF"s;
  return {
      {"TIT2", Hex("Caf\xE9 Title")},
      {"TPE1", Hex("\xC4rtist")},
      {"TALB", Hex("Album \xDF")},
      {"TRCK", Hex("03/12")},
      {"TCON", Hex("Rock (Live)")},
      // ID3v2.3 keeps the year in TYER and the rest of the date in TDAT.
      {"TDRC", Hex("2004-05-06")},
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

// Writes tags of every kind of frame mutagen knows onto copies of an MP3 file: folder,
// MP3 file. Each tag in ID3v2.3 and 2.4, plain and as other writers shape it: with an
// ID3v1 tag, frames of size 0 first and in the middle, an extended header, the flag
// of one without it, unsynchronised (each frame on its own in 2.4). Prints
// "files=NAME ...".
const char* const kMutagenWriteEveryFrame = R"py(
import os, struct, sys
import mutagen.id3 as m
folder, audio = sys.argv[1], open(sys.argv[2], "rb").read()
picture = bytes(range(256)) * 2 + b"\xff\xe0\xff\x00\xff"

def frames():
    return [m.TIT2(encoding=1, text="Caf\u00e9 \u2615"), m.TALB(encoding=0, text="Old"),
        m.TPE1(encoding=3, text=["One", "Two"]), m.TRCK(encoding=0, text="1/1"),
        m.TCON(encoding=1, text=["Rock", "Jazz"]), m.TDRC(encoding=0, text="2004-05-06"),
        m.TPOS(encoding=0, text="1/2"), m.TCOM(encoding=2, text="Composer"),
        m.TXXX(encoding=1, desc="", text="no description"),
        m.TXXX(encoding=0, desc="Track", text=["1/1", "2/2"]),
        m.COMM(encoding=1, lang="eng", desc="", text="the comment"),
        m.COMM(encoding=0, lang="deu", desc="note", text="one\r\ntwo"),
        m.USLT(encoding=1, lang="eng", desc="", text="la\nla"),
        m.SYLT(encoding=0, lang="eng", format=2, type=1, desc="", text=[("la", 10)]),
        m.APIC(encoding=0, mime="image/png", type=3, desc="", data=picture),
        m.APIC(encoding=1, mime="image/jpeg", type=4, desc="back \u263a", data=b"\xff\xd8"),
        m.WXXX(encoding=0, desc="", url="http://empty.example/"),
        m.WXXX(encoding=1, desc="shop", url="http://shop.example/"),
        m.WOAR(url="http://artist.example/"), m.USER(encoding=0, lang="eng", text="terms"),
        m.OWNE(encoding=0, price="EUR1", date="20040506", seller="shop"),
        m.PRIV(owner="owner@example", data=b"\x00\xff\xe0"), m.UFID(owner="ids", data=b"1"),
        m.POPM(email="", rating=200, count=7), m.PCNT(count=42),
        m.GEOB(encoding=0, mime="text/plain", filename="a.txt", desc="", data=b"object"),
        m.MCDI(data=b"\x01\x02\x00"), m.ETCO(format=2, events=[(3, 22)]),
        m.RVA2(desc="track", channel=1, gain=-3.5, peak=0.5), m.TLEN(encoding=0, text="5000"),
        m.TIPL(encoding=0, people=[["mix", "me"]]), m.TMCL(encoding=0, people=[["bass", "you"]]),
        m.TSOP(encoding=0, text="Sort"), m.TBPM(encoding=0, text="120"), m.WCOM(url="http://c/"),
        m.LINK(frameid="WCOM", url="http://l/", data=b""), m.GRID(owner="g", group=129, data=b"d"),
        m.AENC(owner="a", preview_start=0, preview_length=1, data=b"x"),
        m.ENCR(owner="e", method=128, data=b"d"), m.SIGN(group=129, sig=b"s"), m.RBUF(size=1024),
        m.POSS(format=2, position=5), m.SYTC(format=2, data=b"\x01\x02"), m.SEEK(offset=100),
        m.EQU2(method=1, desc="eq", adjustments=[(100.0, 1.5)]),
        m.ASPI(S=0, L=9, N=2, b=8, Fi=[1, 2]),
        m.COMR(encoding=0, price="EUR1", valid_until="20300101", contact="c", format=0, seller="s",
               desc="d"),
        m.MLLT(frames=1, bytes=2, milliseconds=3, bits_for_bytes=8, bits_for_milliseconds=8,
               data=b"\x01\x02"),
        m.CTOC(element_id="toc", flags=3, child_element_ids=["ch0", "ch1"],
               sub_frames=[m.TIT2(text="Contents")]),
        m.CHAP(element_id="ch0", start_time=0, end_time=1000, sub_frames=[m.TIT2(text="One")]),
        m.CHAP(element_id="ch1", start_time=1000, end_time=2000,
               sub_frames=[m.TIT2(text="Two"), m.TIT3(text="x" * 200)])]

def syncsafe(n): return bytes((n >> shift) & 127 for shift in (21, 14, 7, 0))
def unsync(data): return data.replace(b"\xff", b"\xff\x00")  # more than needed, still valid
def split(version, body):
    at, parts = 0, []
    while at + 10 <= len(body) and body[at]:
        size = struct.unpack(">I", body[at + 4:at + 8])[0]
        if version == 4: size = sum(body[at + 4 + i] << (21 - 7 * i) for i in range(4))
        parts.append(body[at:at + 10 + size]); at += 10 + size
    return parts, body[at:]

def unsynchronised(version, header, body):
    if version == 3: return header | 0x80, unsync(body)
    parts, padding = split(version, body)
    out = b""
    for part in parts:
        data = unsync(part[10:])
        out += part[:4] + syncsafe(len(data)) + part[8:9] + bytes([part[9] | 2]) + data
    return header, out + padding

shapes = {
    "plain": lambda v, h, b: (h, b),
    "zero_size_first": lambda v, h, b: (h, b"TENC" + bytes(6) + b),
    "zero_size_middle": lambda v, h, b: (h, b"".join(split(v, b)[0][:3]) + b"TCOP" + bytes(6) +
                                          b"".join(split(v, b)[0][3:]) + split(v, b)[1]),
    "extended_header": lambda v, h, b: (h | 0x40, (struct.pack(">IHI", 6, 0, 0) if v == 3 else
                                                    syncsafe(6) + b"\x01\x00") + b),
    "extended_flag_only": lambda v, h, b: (h | 0x40, b),
    "unsynchronised": unsynchronised,
}
names = []
for version in (3, 4):
    for shape, change in list(shapes.items()) + [("id3v1", shapes["plain"])]:
        name = "v2%d_%s.mp3" % (version, shape)
        path = os.path.join(folder, name)
        open(path, "wb").write(audio)
        tag = m.ID3()
        for frame in frames(): tag.add(frame)
        tag.save(path, v2_version=version, v1=2 if shape == "id3v1" else 0)
        data = open(path, "rb").read()
        end = 10 + sum(data[6 + i] << (21 - 7 * i) for i in range(4))
        flags, body = change(version, data[5], data[10:end])
        open(path, "wb").write(data[:5] + bytes([flags]) + syncsafe(len(body)) + body + data[end:])
        names.append(name)
print("files=" + " ".join(names))
)py";

// Compares the tags of files before and after a save: album, then pairs of paths. Prints
// "! name KEY: before -> after" for each frame whose value changed (the album aside),
// "! name album" when the album is not the one given, then how many files it compared
// and the frame IDs it saw.
const char* const kMutagenCompareFrames = R"py(
import re, sys
from mutagen.id3 import ID3
def frames(path):
    view = {}
    for frame in ID3(path).values():  # the encoding is how a value is stored, not what
        view.setdefault(frame.HashKey, []).append(re.sub(r"encoding=<[^>]*>, ", "", repr(frame)))
    return view
album, paths, ids = sys.argv[1], sys.argv[2:], set()
for before, after in zip(paths[::2], paths[1::2]):
    old, new, name = frames(before), frames(after), before.split("/")[-1]
    ids.update(key[:4] for key in old)
    if ID3(after)["TALB"].text != [album]: print("! %s album" % name)
    for key in sorted((set(old) | set(new)) - {"TALB"}):
        if old.get(key) != new.get(key):
            print("! %s %s: %s -> %s" % (name, key, old.get(key), new.get(key)))
print("files=%d" % (len(paths) // 2))
print("ids=%s" % " ".join(sorted(ids)))
)py";

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

      TListedFile file(ReadFileBytes(path));
      EXPECT_EQ(Differences(ReadOurs(file), theirs), "");
      EXPECT_EQ(Differences(ReadOurs(file), Expected()), "");
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
    EXPECT_EQ(Differences(theirs, Expected()), "");

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
  EXPECT_EQ(Differences(theirs, Expected()), "");

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

// The bytes behind the ID3v2 tag at the start of a file: the audio and the ID3v1 tag.
std::string BehindTheTag(const std::string& file) {
  return file.substr(10 + ReadSyncsafe(FourBytesAt(Bytes(file.substr(0, 10)), 6)));
}

TEST_F(ID3v2Interop, ChangingTheAlbumKeepsEveryOtherFrameAndTheAudio) {
  // Tags mutagen, lame and the id3v2 tool write, the album changed through the library.
  std::istringstream written(
      RunPython(kMutagenWriteEveryFrame, {Path(""), Path("plain.mp3")})["files"]);
  std::vector<std::string> names(std::istream_iterator<std::string>(written), {});
  FFolder->WriteFile("cover.png", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\xFF\xE0\xFF"s);
  const std::pair<std::string, std::string> encoded[] = {
      {"lame_id3v1.mp3", "--add-id3v2 --tt Title --ta Artist --tl Album --ty 2001 --tn 3/9 "
                         "--tc comment --tg Rock"},
      {"lame_utf16.mp3", "--id3v2-only --id3v2-utf16 --tt 'T\xEFtle' --tv TPE2=Band "
                         "--tv TXXX=mood=calm --tv WXXX=shop=http://x.y/ --tc comment "
                         "--ti " + Quoted(Path("cover.png")) + " --pad-id3v2-size 300"},
  };
  for (const auto& [name, options] : encoded) {
    bool ok = false;
    std::string output = RunCommand("lame --quiet -b 128 " + options + " " +
                                        Quoted(Path("source.wav")) + " " + Quoted(Path(name)),
                                    ok);
    ASSERT_TRUE(ok) << output;
    names.push_back(name);
  }
  bool ok = false;
  std::string output = RunCommand(
      "id3v2 -a Artist -t Title -A Album -T 3/9 -g 17 -c 'd:comment:eng' -c ':plain:eng' "
      "--TXXX MOOD:calm --WXXX home:http://a.b/ --USER terms " +
          Quoted(Native(Fresh("id3lib.mp3"))),
      ok);
  ASSERT_TRUE(ok) << output;
  names.push_back("id3lib.mp3");

  std::vector<std::string> pairs = {"New Album \xC3\xA9"};  // as the tools take it, UTF-8
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::string original = ReadFileBytes(*FFolder / name);
    TListedFile file(original);
    ProbeTags(file.Info);
    TMp3ID3v2 tag(file.Info, false);
    ASSERT_TRUE(tag.ReadTag());
    TFrameListManager& frames = tag.GetFrameList();
    int32_t album = frames.GetPrimarySubList().IndexOfKind(fiTALB, 1);
    if (album < 0) album = frames.NewFrame(fiTALB);
    frames.GetPrimarySubList().GetFrameCategory(album).SetTextString("New Album \xE9");
    ASSERT_TRUE(tag.WriteTag(file.Info));
    std::string saved = file.Contents();
    EXPECT_EQ(BehindTheTag(saved), BehindTheTag(original));
    pairs.push_back(Path(name));
    pairs.push_back(Native(FFolder->WriteFile("saved-" + name, saved)));
  }
  bool compared = false;
  std::string report = RunCommand(PythonCommand(kMutagenCompareFrames, pairs), compared);
  ASSERT_TRUE(compared) << report;
  EXPECT_EQ(report.find("! "), std::string::npos) << report;
  EXPECT_EQ(ParseValues(report)["files"], std::to_string(names.size()));
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
