// Interoperability with independent tools at test time (native build only): lame encodes
// a sound once, mutagen, lame and the id3v2 tool tag copies with every kind of frame they
// write, in the shapes other writers give tags. Mutagen, the one independent reader, reads
// what we read and write; a tag keeps every frame and the audio when one field changes.
#include "Differences.h"
#include "FrameFixtures.h"
#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>

namespace {

using namespace std::string_literals;
using TValues = std::map<std::string, std::string>;
using TFileValues = std::map<std::string, TValues>;

// Writes a WAVE file (path, seconds): tones with bursts of noise, for a bitrate that varies.
const char* const kWriteSound = R"py(
import math, random, struct, sys, wave
random.seed(1)
def second(noise):
    return b"".join(struct.pack("<hh", int(8000 * math.sin(i * 0.031) + noise * random.uniform(
        -6000, 6000)), int(8000 * math.sin(i * 0.047))) for i in range(44100))
with wave.open(sys.argv[1], "wb") as out:
    out.setparams((2, 2, 44100, 0, "NONE", "not compressed"))
    out.writeframes((second(0) + second(1) + second(0)) * (int(sys.argv[2]) // 3))
)py";

// What mutagen reads from each file, "PATH<tab>KEY=VALUE" lines: the stream ("mpeg.*"),
// the ID3v1 tag's bytes ("id3v1.*"), each frame under mutagen's hash key: its fields
// joined by "|" (values by a zero byte), or whole without its encoding. Values are 8-bit
// text, characters beyond it "?", escaped as Printable does.
const char* const kMutagenRead = R"py(
import re, sys, mutagen.mp3
def plain(value): return value.decode("latin-1") if isinstance(value, bytes) else str(value)
def text(value):
    value = plain(value).encode("latin-1", "replace").decode("latin-1")
    return "".join(c if " " <= c <= "~" and c != "\\" else "\\x%02X" % ord(c) for c in value)
def values(items): return "\0".join(map(str, items)) if isinstance(items, list) else items
def fields(f):
    kind = f.FrameID
    if kind in ("COMM", "USLT"): return [f.desc, f.lang, values(f.text)]
    if kind == "TXXX": return [f.desc, values(f.text)]
    if kind == "WXXX": return [f.desc, f.url]
    if kind == "APIC": return [f.mime, int(f.type), f.desc, f.data]
    if kind == "GEOB": return [f.mime, f.filename, f.desc, f.data]
    if kind == "POPM": return [f.email, f.rating, getattr(f, "count", 0)]
    if kind == "MCDI": return [f.data]
    if kind[0] == "W": return [f.url]
    if hasattr(f, "people"): return [values(sum(f.people, []))]
    if kind[0] == "T": return [values(f.text)]
    return [re.sub(r"encoding=<[^>]*>, ", "", repr(f))]
for path in sys.argv[1:]:
    audio, tail = mutagen.mp3.MP3(path), open(path, "rb").read()[-128:]
    info = audio.info
    found = {"mpeg.version": info.version, "mpeg.layer": info.layer, "mpeg.mode": info.mode,
             "mpeg.bitrate": info.bitrate, "mpeg.sample_rate": info.sample_rate,
             "mpeg.protected": int(info.protected), "mpeg.length": info.length,
             "mpeg.vbr": int(info.bitrate_mode == mutagen.mp3.BitrateMode.VBR)}
    if tail[:3] == b"TAG":
        for name, start, end in (("title", 3, 33), ("artist", 33, 63), ("album", 63, 93),
                                 ("year", 93, 97), ("comment", 97, 125)):
            found["id3v1." + name] = tail[start:end].split(b"\0")[0]
        found["id3v1.track"], found["id3v1.genre"] = tail[126] if tail[125] == 0 else 0, tail[127]
    for frame in (audio.tags or {}).values():
        found[frame.HashKey] = "|".join(map(plain, fields(frame)))
    for key, value in found.items(): print("%s\t%s=%s" % (path, text(key), text(value)))
)py";

// Writes a tag of every kind of frame mutagen knows on a copy of an MP3 file each: folder,
// MP3 file. Each tag in ID3v2.3 and 2.4, plain and as other writers shape it: with an
// ID3v1 tag, frames of size 0 first and in the middle, an extended header, the flag of
// one without it, unsynchronised (each frame on its own in 2.4). Prints the names.
const char* const kMutagenWriteEveryFrame = R"py(
import os, struct, sys
import mutagen.id3 as m
folder, audio = sys.argv[1], open(sys.argv[2], "rb").read()
def frames(): return [
    m.TIT2(encoding=1, text="Caf\u00e9 \u2615"), m.TALB(encoding=0, text="Old"),
    m.TPE1(encoding=3, text=["One", "Two"]), m.TRCK(encoding=0, text="1/1"),
    m.TCON(encoding=1, text="Rock"), m.TDRC(encoding=0, text="2004-05-06"),
    m.TPOS(encoding=0, text="1/2"), m.TCOM(encoding=2, text="Composer"),
    m.TXXX(encoding=1, desc="", text="no description"), m.TLEN(encoding=0, text="5000"),
    m.TXXX(encoding=0, desc="Track", text=["1/1", "2/2"]), m.TSOP(encoding=0, text="Sort"),
    m.COMM(encoding=1, lang="eng", desc="", text="the comment"), m.TBPM(encoding=0, text="9"),
    m.COMM(encoding=0, lang="deu", desc="note", text="one\r\ntwo"),
    m.USLT(encoding=3, lang="eng", desc="", text="la\nla"), m.WCOM(url="http://c/"),
    m.SYLT(encoding=0, lang="eng", format=2, type=1, desc="", text=[("la", 10)]),
    m.APIC(encoding=0, mime="image/png", type=3, desc="", data=bytes(range(256)) + b"\xff"),
    m.APIC(encoding=1, mime="image/jpeg", type=4, desc="back \u263a", data=b"\xff\xd8"),
    m.WXXX(encoding=0, desc="", url="http://empty/"), m.WOAR(url="http://artist/"),
    m.WXXX(encoding=1, desc="shop", url="http://shop/"), m.USER(encoding=0, lang="eng", text="t"),
    m.OWNE(encoding=0, price="EUR1", date="20040506", seller="shop"),
    m.PRIV(owner="owner@example", data=b"\x00\xff\xe0"), m.UFID(owner="ids", data=b"1"),
    m.POPM(email="", rating=200, count=7), m.PCNT(count=42), m.MCDI(data=b"\x01\x02\x00"),
    m.GEOB(encoding=0, mime="text/plain", filename="a.txt", desc="", data=b"object"),
    m.ETCO(format=2, events=[(3, 22)]), m.RVA2(desc="track", channel=1, gain=-3.5, peak=0.5),
    m.TIPL(encoding=0, people=[["mix", "me"]]), m.TMCL(encoding=0, people=[["bass", "you"]]),
    m.LINK(frameid="WCOM", url="http://l/", data=b""), m.GRID(owner="g", group=129, data=b"d"),
    m.ENCR(owner="e", method=128, data=b"d"), m.SIGN(group=129, sig=b"s"), m.SEEK(offset=100),
    m.EQU2(method=1, desc="eq", adjustments=[(100.0, 1.5)]), m.SYTC(format=2, data=b"\x01"),
    m.CTOC(element_id="toc", flags=3, child_element_ids=["c0", "c1"],
           sub_frames=[m.TIT2(text="C")]),
    m.CHAP(element_id="c0", start_time=0, end_time=1000, sub_frames=[m.TIT2(text="One")]),
    m.CHAP(element_id="c1", start_time=1000, end_time=2000,
           sub_frames=[m.TIT2(text="Two"), m.TIT3(text="x" * 200)])]
def syncsafe(n): return bytes((n >> shift) & 127 for shift in (21, 14, 7, 0))
def unsync(data): return data.replace(b"\xff", b"\xff\x00")  # more than needed, still valid
def split(version, body):  # the frames and the padding
    at, parts = 0, []
    while at + 10 <= len(body) and body[at]:
        size = struct.unpack(">I", body[at + 4:at + 8])[0]
        if version == 4: size = sum(body[at + 4 + i] << (21 - 7 * i) for i in range(4))
        parts.append(body[at:at + 10 + size]); at += 10 + size
    return parts, body[at:]
def each_unsynchronised(parts, padding):
    return b"".join(p[:4] + syncsafe(len(unsync(p[10:]))) + p[8:9] + bytes([p[9] | 2]) +
                    unsync(p[10:]) for p in parts) + padding
shapes = {"plain": lambda v, h, b: (h, b), "id3v1": lambda v, h, b: (h, b),
    "zero_size_first": lambda v, h, b: (h, b"TENC" + bytes(6) + b),
    "zero_size_middle": lambda v, h, b: (h, b"".join(split(v, b)[0][:3]) + b"TCOP" + bytes(6) +
                                         b"".join(split(v, b)[0][3:]) + split(v, b)[1]),
    "extended_header": lambda v, h, b: (h | 0x40, (struct.pack(">IHI", 6, 0, 0) if v == 3 else
                                                    syncsafe(6) + b"\x01\x00") + b),
    "extended_flag_only": lambda v, h, b: (h | 0x40, b),
    "unsynchronised": lambda v, h, b: (h | 0x80, unsync(b)) if v == 3 else
                                      (h, each_unsynchronised(*split(v, b)))}
for version in (3, 4):
    for shape, change in shapes.items():
        path = os.path.join(folder, "v2%d_%s.mp3" % (version, shape))
        open(path, "wb").write(audio)
        tag = m.ID3()
        for frame in frames(): tag.add(frame)
        if version == 3: tag.update_to_v23()  # TYER and TDAT, IPLS, no frames 2.4 brought
        tag.save(path, v2_version=version, v1=2 if shape == "id3v1" else 0)
        data = open(path, "rb").read()
        end = 10 + sum(data[6 + i] << (21 - 7 * i) for i in range(4))
        flags, body = change(version, data[5], data[10:end])
        open(path, "wb").write(data[:5] + bytes([flags]) + syncsafe(len(body)) + body + data[end:])
        print(os.path.basename(path))
)py";

// Prints each frame named (by mutagen's hash key) of a file's tag as its key, encoding
// and the code points of its text: path, keys.
const char* const kMutagenCharacters = R"py(
import sys, mutagen.id3
tags = mutagen.id3.ID3(sys.argv[1])
for key in sys.argv[2:]:
    frame = tags[key]
    print(key, int(frame.encoding), " ".join("%04X" % ord(c) for c in frame.text[0]))
)py";

std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? "'\\''"s : std::string(1, c);
  return quoted + "'";
}

// Runs a command; its standard output and error, with ok false when it fails.
std::string RunCommand(const std::string& command, bool& ok) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  char buffer[4096];
  for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    output.append(buffer, n);
  ok = pipe && pclose(pipe) == 0;
  return output;
}

std::string PythonCommand(const char* script, const std::vector<std::string>& args) {
  std::string command = "/usr/bin/python3 -c " + Quoted(script);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  return command;
}

// The bytes behind the ID3v2 tag at the start of a file: the audio and the ID3v1 tag.
std::string BehindTheTag(const std::string& file) {
  return file.substr(10 + ReadSyncsafe(FourBytesAt(Bytes(file.substr(0, 10)), 6)));
}

// Checks an ID3v2.4 tag as a strict reader would: sizes syncsafe, zero padding behind frames.
void ExpectWellFormedTag(const std::string& bytes) {
  TBytes all = Bytes(bytes);
  EXPECT_EQ(bytes.substr(0, 5), "ID3\x04\x00"s);
  std::vector<size_t> sizeFields = {6};  // the tag's, then each frame's
  size_t at = 10, end = 10 + ReadSyncsafe(FourBytesAt(all, 6));
  ASSERT_LE(end, all.size());
  for (; at + 10 <= end && all[at] != 0; at += 10 + ReadSyncsafe(FourBytesAt(all, at + 4)))
    sizeFields.push_back(at + 4);
  for (size_t field : sizeFields)
    for (size_t i = field; i < field + 4; ++i) EXPECT_LT(all[i], 0x80) << "size at " << field;
  ASSERT_LE(at, end);
  EXPECT_EQ(bytes.substr(at, end - at), std::string(end - at, '\0'));
}

std::string UpToZero(const std::string& text) { return text.substr(0, text.find('\0')); }

// Our frames the way kMutagenRead prints mutagen's.
TValues OurView(const TFrameListManager& frames) {
  TValues view;
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    const TMp3ID3v2FrameCatBase& frame = frames.GetFrameCategory(i);
    const uint8_t category = frame.GetCategory();
    const std::string text =
        category == fcCdIdentifier ? frame.GetBodyString() : frame.GetTextString();
    std::string key = frames.GetFrame(i).GetID(), desc;
    std::vector<std::string> fields = {text};
    if (category == fcComment || category == fcUserText || category == fcUserUrl ||
        category == fcPicture || category == fcObject) {
      desc = frame.GetDescriptionString();
      key += ":" + desc;
      fields = {desc, text};
    }
    if (category == fcComment) {
      key += ":" + frame.GetLanguageString();
      fields = {desc, frame.GetLanguageString(), text};
    } else if (category == fcUserUrl || category == fcUrl) {  // some end a URL with a zero
      fields.back() = UpToZero(text);
      if (category == fcUrl) key += ":" + fields.back();
    } else if (category == fcPicture || category == fcObject) {
      TBytes data = frame.GetPictureData();
      std::string kind =
          category == fcPicture ? IntToStr(frame.GetPictureType()) : frame.GetFileNameString();
      fields = {text, kind, desc, std::string(data.begin(), data.end())};
    } else if (category == fcPopularimeter) {
      fields = {text, IntToStr(frame.GetRating()), IntToStr(frame.GetCounter())};
      key += ":" + text;
    } else if (category == fcGenre && frame.GetGenreIndex() != GenreNone) {
      fields = {GenreName(frame.GetGenreIndex())};  // the genre's name, as mutagen gives it
    }
    std::string joined = fields[0];
    for (size_t f = 1; f < fields.size(); ++f) joined += "|" + fields[f];
    view[Printable(Bytes(key))] = Printable(Bytes(joined));
  }
  return view;
}

// Long enough for the scan's whole window in every encoding.
constexpr int kSoundSeconds = 30;

class Interop : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    for (const char* check : {"lame --version", "/usr/bin/python3 -c 'import mutagen'",
                              "id3v2 --version"}) {
      bool ok = false;
      RunCommand(check, ok);
      if (!ok) FMissing += check + " fails (scripts/deps.sh installs it). "s;
    }
    if (!FMissing.empty()) return;
    FFolder = new TempFolder;
    Run(PythonCommand(kWriteSound, {Path("source.wav"), IntToStr(kSoundSeconds)}));
    Encode("-b 128", "plain.mp3");
    FAudio = new std::string(ReadFileBytes(*FFolder / "plain.mp3"));
    std::istringstream names(
        Run(PythonCommand(kMutagenWriteEveryFrame, {Path(""), Path("plain.mp3")})));
    FTagged = new std::vector<std::string>(std::istream_iterator<std::string>(names), {});
    FFolder->WriteFile("cover.png", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\xFF\xE0\xFF"s);
    Encode("--add-id3v2 --tt Title --ta Artist --tl Album --ty 2001 --tn 3/9 --tc comment "
           "--tg Rock", "lame_id3v1.mp3");
    Encode("--id3v2-only --id3v2-utf16 --tt 'T\xC3\xAFtle' --tv TPE2=Band --tv TXXX=mood=calm "
           "--tv WXXX=shop=http://x.y/ --tc comment --ti " + Quoted(Path("cover.png")) +
           " --pad-id3v2-size 300", "lame_utf16.mp3");
    FFolder->WriteFile("id3lib.mp3", *FAudio);
    Run("id3v2 -a Artist -t Title -A Album -T 3/9 -g 17 -c 'd:comment:eng' -c ':plain:eng' "
        "--TXXX MOOD:calm --WXXX home:http://a.b/ --USER terms " + Quoted(Path("id3lib.mp3")));
    // No tool here writes ID3v2.2, which mutagen reads: such a tag is made here.
    auto v22 = ID3v22FrameBytes;
    const std::string v22Frames =
        v22("TT2", TextBody("Title")) + v22("TP1", "\x01\xFF\xFE" "A\0r\0t\0"s) +
        v22("TAL", TextBody("Album")) + v22("TRK", TextBody("3/9")) + v22("TYE", TextBody("1999")) +
        v22("TCO", TextBody("(17)")) + v22("COM", "\0engdesc\0Nice"s) +
        v22("TXX", "\0mood\0calm"s) + v22("WXX", "\0shop\0http://x.y/"s) +
        v22("UFI", "owner\0id"s) + v22("PIC", "\0PNG\x03cover\0\x89PNG\r\n"s);
    FFolder->WriteFile("id3v22.mp3",
                       ID3v2TagBytes(2, 0, v22Frames + std::string(50, '\0')) + *FAudio);
    FTagged->insert(FTagged->end(),
                    {"lame_id3v1.mp3", "lame_utf16.mp3", "id3lib.mp3", "id3v22.mp3"});
  }
  static void TearDownTestSuite() {
    delete FFolder;
    delete FAudio;
    delete FTagged;
  }
  void SetUp() override {
    if (!FMissing.empty()) GTEST_SKIP() << FMissing;
  }

  // A file of the folder as the tools want its path: "/", not our "\\".
  static std::string Path(const std::string& name) {
    std::string path = *FFolder / name;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  }
  static std::string Run(const std::string& command) {
    bool ok = false;
    std::string output = RunCommand(command, ok);
    EXPECT_TRUE(ok) << command << "\n" << output;
    return output;
  }
  // Encodes the test sound with lame and the options into the file name.
  static void Encode(const std::string& options, const std::string& name) {
    Run("lame --quiet " + options + " " + Quoted(Path("source.wav")) + " " + Quoted(Path(name)));
  }
  // What mutagen reads from the files, by name.
  static TFileValues ReadByMutagen(const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(Path(name));
    std::istringstream lines(Run(PythonCommand(kMutagenRead, paths)));
    TFileValues read;
    for (std::string line; std::getline(lines, line);) {
      size_t tab = line.find('\t'), eq = line.find('=', tab);
      if (tab == std::string::npos || eq == std::string::npos) continue;
      read[line.substr(Path("").size(), tab - Path("").size())]
          [line.substr(tab + 1, eq - tab - 1)] = line.substr(eq + 1);
    }
    return read;
  }

  static inline std::string FMissing;
  static inline TempFolder* FFolder = nullptr;
  static inline std::string* FAudio = nullptr;                 // lame's file, without tags
  static inline std::vector<std::string>* FTagged = nullptr;  // the tagged files, by name
};

TEST_F(Interop, TagsOtherToolsWriteReadAsMutagenReadsThemAndKeepTheirFramesOnASave) {
  TCharsetScope ansi(0);
  const std::string album = "New Album \xE9";
  std::vector<std::string> both = *FTagged;
  TFileValues theirs = ReadByMutagen(*FTagged);
  for (const std::string& name : *FTagged) {
    SCOPED_TRACE(name);
    const std::string original = ReadFileBytes(*FFolder / name);
    TListedFile file(original);
    ProbeTags(file.Info);
    TMp3ID3v2 tag(file.Info, false);
    ASSERT_TRUE(tag.ReadTag());
    TValues ours = OurView(tag.GetFrameList()), same, &mutagen = theirs[name];
    auto genre = mutagen.find("TCON");  // we hold the first genre
    if (genre != mutagen.end())
      genre->second.erase(std::min(genre->second.find("\\x00"), genre->second.size()));
    for (const auto& entry : ours) same[entry.first] = mutagen[entry.first];
    EXPECT_EQ(Differences(ours, same), "");
    for (const char* id : {"TIT2", "TPE1", "TALB", "TRCK", "TCON", "TDRC"})
      EXPECT_EQ(ours.count(id), mutagen.count(id)) << id;
    if (file.Info.HasID3v1) {
      TMp3ID3v1 v1(file.Info, false);
      ASSERT_TRUE(v1.ReadTag());
      for (auto [key, value] : {std::pair{"title", v1.GetTitle()}, {"artist", v1.GetArtist()},
                                {"album", v1.GetAlbum()}, {"year", v1.GetYear()},
                                {"comment", v1.GetComment()}, {"track", IntToStr(v1.GetTrack())},
                                {"genre", IntToStr(v1.GetGenre())}})
        EXPECT_EQ(Printable(Bytes(value)), mutagen["id3v1."s + key]) << key;
    }
    // The album changed through the library: every other frame and the audio stay.
    TFrameSubListManager& primary = tag.GetFrameList().GetPrimarySubList();
    int32_t index = primary.IndexOfKind(fiTALB, 1);
    primary.GetFrameCategory(index < 0 ? tag.GetFrameList().NewFrame(fiTALB) : index)
        .SetTextString(album);
    ASSERT_TRUE(tag.WriteTag(file.Info));
    const std::string saved = file.Contents();
    ExpectWellFormedTag(saved);
    EXPECT_EQ(BehindTheTag(saved), BehindTheTag(original));
    both.push_back(FFolder->WriteFile("saved-" + name, saved).substr(FFolder->Path().size()));
    if (!file.Info.HasID3v1) continue;
    // Removing the ID3v1 tag takes exactly its 128 bytes.
    ASSERT_TRUE(TMp3ID3v1(file.Info, false).RemoveTag(file.Info));
    EXPECT_EQ(file.Contents(), saved.substr(0, saved.size() - 128));
  }
  TFileValues read = ReadByMutagen(both);
  for (const std::string& name : *FTagged) {
    SCOPED_TRACE(name);
    TValues &before = read[name], &after = read["saved-" + name];
    EXPECT_EQ(after["TALB"], Printable(Bytes(album)));
    before.erase("TALB");
    after.erase("TALB");
    EXPECT_EQ(Differences(before, after), "");
  }
}

TEST_F(Interop, StreamPropertiesAgreeWithMutagen) {
  const std::tuple<const char*, const char*, bool> encodings[] = {
      {"cbr_info", "-b 128", false},       {"cbr_no_tag", "-b 128 -t", false},
      {"vbr_xing", "-V 2", true},          {"mono", "-m m -b 64", false},
      {"crc", "-p -b 160", false},         {"vbr_mono_crc", "-V 4 -m m -p", true},
      {"mpeg2_22khz", "--resample 22.05 -b 64", false},
      {"mpeg25_8khz", "--resample 8 -b 16", false},
      // The VBR twins of MPEG 2 and 2.5, stereo and mono, one with a CRC.
      {"vbr_mpeg2_22khz", "--resample 22.05 -V 4", true},
      {"vbr_mpeg2_16khz_mono", "--resample 16 -V 6 -m m", true},
      {"vbr_mpeg25_8khz", "--resample 8 -V 6", true},
      {"vbr_mpeg25_11khz_mono_crc", "--resample 11.025 -V 6 -m m -p", true}};
  std::vector<std::string> names;
  for (const auto& [name, options, vbr] : encodings) {
    names.push_back(name + ".mp3"s);
    Encode(options, names.back());
  }
  TFileValues theirs = ReadByMutagen(names);
  for (const auto& [name, options, vbr] : encodings) {
    SCOPED_TRACE(name);
    TValues& mutagen = theirs[name + ".mp3"s];
    auto number = [&](const char* key) { return std::stod(mutagen["mpeg."s + key]); };
    TListedFile file(ReadFileBytes(*FFolder / (name + ".mp3"s)));
    int64_t offset = ProbeTags(file.Info);
    ASSERT_TRUE(FindMpegHeader(file.Info, offset));
    const TMpegHeader& ours = file.Info.MpegHeader;
    // The first frame, or one of the next when a joint-stereo frame's mode extension
    // differs from its successor's.
    EXPECT_LT(offset, 3 * ours.FrameSize);
    const std::string version = mutagen["mpeg.version"];  // 1, 2 or 2.5
    EXPECT_EQ(ours.GetVersionText() + " " + ours.GetLayerText() + " " + IntToStr(ours.SampleRate) +
                  " " + IntToStr(ours.ChannelMode) + " " + IntToStr(ours.Protected) + " " +
                  ours.BitrateKind,
              "MPEG " + (version == "2.5" ? version : version + ".0") + " Layer III " +
                  mutagen["mpeg.sample_rate"] + " " + mutagen["mpeg.mode"] + " " +
                  mutagen["mpeg.protected"] + " " + (number("vbr") ? "VBR" : "CBR"));
    EXPECT_EQ(mutagen["mpeg.layer"] + " " + ours.BitrateKind, vbr ? "3 VBR"s : "3 CBR"s);
    // mutagen counts the average bitrate over the decoded length; we over the frames, in
    // whole kbit/s.
    double bitrate = number("bitrate") / 1000;
    EXPECT_NEAR(ours.Bitrate, bitrate, vbr ? 1 + bitrate * 0.03 : 0.5);
    // mutagen's length leaves out the encoder's delay and padding (less than 3 frames)
    // and the Xing frame; ours is in whole seconds. Both are the sound's.
    double length = number("length"), frames = length * ours.SampleRate / ours.SamplesPerFrame;
    EXPECT_NEAR(ours.Duration, length, 1.0);
    EXPECT_NEAR(ours.Duration, kSoundSeconds, 1.0);
    // Without Xing data the count is the audio size over the first frame's size, which
    // also counts the padding bytes of padded frames as frames of their own.
    EXPECT_NEAR(double(ours.FrameCount), frames, 4 + (vbr ? 0 : frames / ours.FrameSize));
  }
}

TEST_F(Interop, TagsWeWriteReadAsWeWroteThem) {
  // An ID3v1 tag alone, which mutagen reads as frames.
  TListedFile v1File(*FAudio);
  TMp3ID3v1 id3v1(v1File.Info, true);
  id3v1.SetTitle("Our Title \xC9");
  id3v1.SetComment(std::string(30, 'c'));  // 28 in ID3v1.1
  id3v1.SetTrack(9);
  id3v1.SetGenre(13);
  ASSERT_TRUE(id3v1.WriteTag(v1File.Info));
  FFolder->WriteFile("ours-v1.mp3", v1File.Contents());
  TValues v1 = ReadByMutagen({"ours-v1.mp3"})["ours-v1.mp3"];
  EXPECT_EQ(v1["TIT2"] + "|" + v1["TRCK"] + "|" + v1["TCON"] + "|" + v1["COMM:ID3v1 Comment:eng"],
            "Our Title \\xC9|9|Pop|ID3v1 Comment|eng|" + std::string(28, 'c'));
  // ID3v2.4 frames in 8-bit text, whatever the character set of the locale.
  const TValues expected = {
      {"TIT2", "Caf\\xE9 Title"},
      {"COMM:note:eng", "note|eng|first\\x0Asecond"}, {"TXXX:MOOD", "MOOD|calm"},
      {"APIC:cover", "image/png|3|cover|\\x89PNG\\x00\\xFF\\xE0\\xFF"},
      {"GEOB:d", "text/plain|\\xE4.txt|d|DATA"}, {"WXXX:home", "home|http://x.y/"},
      {"POPM:a@b", "a@b|200|0"}};
  for (uint8_t charset : {0, 204}) {
    SCOPED_TRACE(int{charset});
    TCharsetScope locale(charset);
    TListedFile file(*FAudio);
    TMp3ID3v2 tag(file.Info, true);
    TFrameListManager& frames = tag.GetFrameList();
    auto add = [&](uint8_t kind) -> TMp3ID3v2FrameCatBase& {
      int32_t index = frames.NewFrame(kind);
      return (IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList())
          .GetFrameCategory(index);
    };
    add(fiTIT2).SetTextString("Caf\xE9 Title");
    TMp3ID3v2FrameCatBase& comment = add(fiCOMM);
    comment.SetLanguageIndex(108);
    comment.SetDescriptionString("note");
    comment.SetText(Bytes("first\r\nsecond"));
    TMp3ID3v2FrameCatBase &user = add(fiTXXX), &picture = add(fiAPIC), &object = add(fiGEOB);
    user.SetDescriptionString("MOOD");
    user.SetTextString("calm");
    picture.SetText(Bytes("image/png"));
    picture.SetPictureType(3);
    picture.SetDescriptionString("cover");
    picture.SetPictureData(Bytes("\x89PNG\0\xFF\xE0\xFF"s));  // to be unsynchronised
    object.SetText(Bytes("text/plain"));
    object.SetFileNameString("\xE4.txt");
    object.SetDescriptionString("d");
    object.SetPictureData(Bytes("DATA"));
    TMp3ID3v2FrameCatBase &url = add(fiWXXX), &rating = add(fiPOPM);
    url.SetDescriptionString("home");
    url.SetText(Bytes("http://x.y/"));
    rating.SetTextString("a@b");
    rating.SetRating(200);
    ASSERT_TRUE(tag.WriteTag(file.Info));
    std::string written = file.Contents();
    ExpectWellFormedTag(written);
    EXPECT_EQ(BehindTheTag(written), *FAudio);
    FFolder->WriteFile("ours.mp3", written);
    TValues theirs = ReadByMutagen({"ours.mp3"})["ours.mp3"];
    for (const auto& [key, value] : expected) EXPECT_EQ(theirs[key], value) << key;
  }
}

TEST_F(Interop, TypedTextReachesMutagenAsTheCharactersTyped) {
  // The typographic characters of code page 1252, and the letters of code page 1251 on a
  // system that has it, go as UTF-16; text of ISO-8859-1 characters as 8-bit text.
  struct TCase {
    std::string Title, Album, Expected;
  } cases[] = {{"\x80 \x93q\x94\x85", "Caf\xE9",
                "TIT2 1 20AC 0020 201C 0071 201D 2026\nTALB 0 0043 0061 0066 00E9\n"
                "COMM:d:eng 1 20AC 0020 201C 0071 201D 2026\n"},
               {"\xCF\xF0\xE8", "Album 1",
                "TIT2 1 041F 0440 0438\nTALB 0 0041 006C 0062 0075 006D 0020 0031\n"
                "COMM:d:eng 1 041F 0440 0438\n"}};
  for (int cyrillic = 0; cyrillic < 2; ++cyrillic) {
    SCOPED_TRACE(cyrillic ? "code page 1251" : "code page 1252");
    std::optional<TCyrillicCodePage> codePage;
    if (cyrillic) codePage.emplace();
    const TCase& c = cases[cyrillic];
    TListedFile file(*FAudio);
    TMp3ID3v2 tag(file.Info, true);
    TFrameListManager& frames = tag.GetFrameList();
    TFrameSubListManager& primary = frames.GetPrimarySubList();
    primary.GetFrameCategory(frames.NewFrame(fiTIT2)).SetTextString(c.Title);
    primary.GetFrameCategory(frames.NewFrame(fiTALB)).SetTextString(c.Album);
    TMp3ID3v2FrameCatBase& comment = primary.GetFrameCategory(frames.NewFrame(fiCOMM));
    comment.SetLanguageString("eng");
    comment.SetDescriptionString("d");
    comment.SetTextString(c.Title);
    ASSERT_TRUE(tag.WriteTag(file.Info));
    FFolder->WriteFile("typed.mp3", file.Contents());
    EXPECT_EQ(Run(PythonCommand(kMutagenCharacters, {Path("typed.mp3"), "TIT2", "TALB", "COMM:d:eng"})),
              c.Expected);
  }
}

}  // namespace
