// Interoperability with independent tools, run at test time (native build only). One
// fixture makes the files once: lame encodes a sound, and python3-mutagen, lame and the
// id3v2 tool tag copies of it with every kind of frame they write, in ID3v2.3 and 2.4
// and in the shapes other writers give tags. Mutagen is the one independent reader:
// our stream properties, frames and ID3v1 fields agree with it; a tag keeps every frame
// and the audio when we change one field; tags and frames we build read as we built
// them; tagdump changes files through the library.
#include "ExternalTools.h"
#include "FrameFixtures.h"
#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <set>
#include <sstream>

#ifndef TAGDUMP_PATH
#error TAGDUMP_PATH names the tagdump program
#endif

namespace {

using namespace std::string_literals;

// What mutagen reads from each file given, as "PATH<tab>KEY=VALUE" lines: the stream
// ("mpeg.*"), the ID3v1 tag parsed from the last 128 bytes ("id3v1.*", none when absent)
// and every frame of the tag under mutagen's hash key (an ID3v1 tag alone is read as
// frames). Values are 8-bit text, characters beyond it "?", escaped as Printable does;
// fields of a frame are joined by "|", values of a field by a zero byte. Frames we do not
// split into fields are written whole, without their text encoding.
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
// one without it, unsynchronised (each frame on its own in 2.4). Prints "files=NAME ...".
const char* const kMutagenWriteEveryFrame = R"py(
import os, struct, sys
import mutagen.id3 as m
folder, audio = sys.argv[1], open(sys.argv[2], "rb").read()
picture = bytes(range(256)) * 2 + b"\xff\xe0\xff\x00\xff"

def frames():
    return [m.TIT2(encoding=1, text="Caf\u00e9 \u2615"), m.TALB(encoding=0, text="Old"),
        m.TPE1(encoding=3, text=["One", "Two"]), m.TRCK(encoding=0, text="1/1"),
        m.TCON(encoding=1, text="Rock"), m.TDRC(encoding=0, text="2004-05-06"),
        m.TPOS(encoding=0, text="1/2"), m.TCOM(encoding=2, text="Composer"),
        m.TXXX(encoding=1, desc="", text="no description"),
        m.TXXX(encoding=0, desc="Track", text=["1/1", "2/2"]),
        m.COMM(encoding=1, lang="eng", desc="", text="the comment"),
        m.COMM(encoding=0, lang="deu", desc="note", text="one\r\ntwo"),
        m.USLT(encoding=3, lang="eng", desc="", text="la\nla"),
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

def zero_size_middle(version, header, body):
    parts, padding = split(version, body)
    return header, b"".join(parts[:3]) + b"TCOP" + bytes(6) + b"".join(parts[3:]) + padding

shapes = {
    "plain": lambda v, h, b: (h, b),
    "zero_size_first": lambda v, h, b: (h, b"TENC" + bytes(6) + b),
    "zero_size_middle": zero_size_middle,
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

using TFileValues = std::map<std::string, TValues>;

// The bytes behind the ID3v2 tag at the start of a file: the audio and the ID3v1 tag.
std::string BehindTheTag(const std::string& file) {
  return file.substr(10 + ReadSyncsafe(FourBytesAt(Bytes(file.substr(0, 10)), 6)));
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

std::string UpToZero(const std::string& text) { return text.substr(0, text.find('\0')); }
// The same of text written by Printable.
std::string UpToEscapedZero(const std::string& text) { return text.substr(0, text.find("\\x00")); }

// Our frames the way kMutagenRead prints mutagen's.
TValues OurView(const TFrameListManager& frames) {
  TValues view;
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    const TMp3ID3v2FrameCatBase& frame = frames.GetFrameCategory(i);
    const std::string id = frames.GetFrame(i).GetID();
    const uint8_t category = frame.GetCategory();
    const bool described = category == fcComment || category == fcUserText ||
                           category == fcUserUrl || category == fcPicture || category == fcObject;
    const std::string desc = described ? frame.GetDescriptionString() : "";
    const std::string text = category == fcCdIdentifier ? "" : frame.GetTextString();
    auto data = [&] {
      TBytes bytes = frame.GetPictureData();
      return std::string(bytes.begin(), bytes.end());
    };
    auto put = [&](const std::string& key, const std::vector<std::string>& fields) {
      std::string joined = fields[0];
      for (size_t f = 1; f < fields.size(); ++f) joined += "|" + fields[f];
      view[Printable(Bytes(key))] = Printable(Bytes(joined));
    };
    switch (category) {
      case fcComment: {
        const std::string language = frame.GetLanguageString();
        put(id + ":" + desc + ":" + language, {desc, language, text});
        break;
      }
      case fcUserText:
        put(id + ":" + desc, {desc, text});
        break;
      case fcUserUrl:  // some writers end a URL with a zero byte
        put(id + ":" + desc, {desc, UpToZero(text)});
        break;
      case fcUrl:
        put(id + ":" + UpToZero(text), {UpToZero(text)});
        break;
      case fcPicture:
        put(id + ":" + desc, {text, IntToStr(frame.GetPictureType()), desc,
                              data()});
        break;
      case fcObject:
        put(id + ":" + desc, {text, frame.GetFileNameString(), desc,
                              data()});
        break;
      case fcPopularimeter:
        put(id + ":" + text, {text, IntToStr(frame.GetRating()), IntToStr(frame.GetCounter())});
        break;
      case fcCdIdentifier:
        put(id, {frame.GetBodyString()});
        break;
      case fcGenre:  // the genre's name, as mutagen gives it
        put(id, {frame.GetGenreIndex() < GenreCount - 1 ? GenreName(frame.GetGenreIndex()) : text});
        break;
      default:
        put(id, {text});
    }
  }
  return view;
}

class Interop : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    FMissing = ToolMissing("lame --version", "lame") + MutagenMissing() +
               ToolMissing("id3v2 --version", "id3v2");
    if (!FMissing.empty()) return;
    FFolder = new TempFolder;
    // Long enough for every encoding to pass the 49000 bytes the scanner asks for.
    WriteTestSound(*FFolder / "source.wav", 30);
    Encode("-b 128", "plain.mp3");
    FAudio = new std::string(ReadFileBytes(*FFolder / "plain.mp3"));

    std::istringstream written(
        RunPython(kMutagenWriteEveryFrame, {Path(""), Path("plain.mp3")})["files"]);
    FTagged = new std::vector<std::string>(std::istream_iterator<std::string>(written), {});
    FFolder->WriteFile("cover.png", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\xFF\xE0\xFF"s);
    Encode("--add-id3v2 --tt Title --ta Artist --tl Album --ty 2001 --tn 3/9 --tc comment "
           "--tg Rock", "lame_id3v1.mp3");
    Encode("--id3v2-only --id3v2-utf16 --tt 'T\xC3\xAFtle' --tv TPE2=Band --tv TXXX=mood=calm "
           "--tv WXXX=shop=http://x.y/ --tc comment --ti " + Quoted(Path("cover.png")) +
           " --pad-id3v2-size 300", "lame_utf16.mp3");
    Run("id3v2 -a Artist -t Title -A Album -T 3/9 -g 17 -c 'd:comment:eng' -c ':plain:eng' "
        "--TXXX MOOD:calm --WXXX home:http://a.b/ --USER terms " +
        Quoted(Path(Copy("id3lib.mp3"))));
    FTagged->insert(FTagged->end(), {"lame_id3v1.mp3", "lame_utf16.mp3", "id3lib.mp3"});
  }
  static void TearDownTestSuite() {
    delete FFolder;
    delete FAudio;
    delete FTagged;
    FFolder = nullptr;
  }
  void SetUp() override {
    if (!FMissing.empty()) GTEST_SKIP() << FMissing;
  }

  static std::string Path(const std::string& name) { return Native(*FFolder / name); }
  // A copy of the untagged audio under the name.
  static std::string Copy(const std::string& name) {
    FFolder->WriteFile(name, *FAudio);
    return name;
  }
  static void Run(const std::string& command) {
    bool ok = false;
    std::string output = RunCommand(command, ok);
    ASSERT_TRUE(ok) << command << "\n" << output;
  }
  // Encodes the test sound with lame and the options into the file name.
  static void Encode(const std::string& options, const std::string& name) {
    Run("lame --quiet " + options + " " + Quoted(Path("source.wav")) + " " + Quoted(Path(name)));
  }
  // What mutagen reads from the files, by name.
  static TFileValues ReadByMutagen(const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(Path(name));
    bool ok = false;
    std::istringstream lines(RunCommand(PythonCommand(kMutagenRead, paths), ok));
    EXPECT_TRUE(ok) << lines.str();
    TFileValues read;
    for (std::string line; std::getline(lines, line);) {
      size_t tab = line.find('\t'), eq = line.find('=', tab);
      if (tab == std::string::npos || eq == std::string::npos) continue;
      std::string name = line.substr(0, tab).substr(Path("").size());
      read[name][line.substr(tab + 1, eq - tab - 1)] = line.substr(eq + 1);
    }
    return read;
  }

  static std::string FMissing;
  static TempFolder* FFolder;
  static std::string* FAudio;                 // lame's file, without tags
  static std::vector<std::string>* FTagged;  // the tagged files, by name
};

std::string Interop::FMissing;
TempFolder* Interop::FFolder = nullptr;
std::string* Interop::FAudio = nullptr;
std::vector<std::string>* Interop::FTagged = nullptr;

TEST_F(Interop, TagsOtherToolsWriteReadAsMutagenReadsThem) {
  TCharsetScope ansi(0);
  TFileValues theirs = ReadByMutagen(*FTagged);
  for (const std::string& name : *FTagged) {
    SCOPED_TRACE(name);
    TListedFile file(ReadFileBytes(*FFolder / name));
    ProbeTags(file.Info);
    TMp3ID3v2 tag(file.Info, false);
    ASSERT_TRUE(tag.ReadTag());
    TValues ours = OurView(tag.GetFrameList()), same;
    TValues& mutagen = theirs[name];
    auto genre = mutagen.find("TCON");  // we hold the first genre
    if (genre != mutagen.end()) genre->second = UpToEscapedZero(genre->second);
    for (const auto& entry : ours) same[entry.first] = mutagen[entry.first];
    EXPECT_EQ(Differences(ours, same), "");
    for (const char* id : {"TIT2", "TPE1", "TALB", "TRCK", "TCON", "TDRC"})
      EXPECT_EQ(ours.count(id), mutagen.count(id)) << id;

    if (!file.Info.HasID3v1) continue;
    TMp3ID3v1 id3v1(file.Info, false);
    ASSERT_TRUE(id3v1.ReadTag());
    TValues fields = {{"id3v1.title", id3v1.GetTitle()}, {"id3v1.artist", id3v1.GetArtist()},
                      {"id3v1.album", id3v1.GetAlbum()}, {"id3v1.year", id3v1.GetYear()},
                      {"id3v1.comment", id3v1.GetComment()},
                      {"id3v1.track", IntToStr(id3v1.GetTrack())},
                      {"id3v1.genre", IntToStr(id3v1.GetGenre())}};
    for (auto& [key, value] : fields) EXPECT_EQ(Printable(Bytes(value)), mutagen[key]) << key;
  }
}

TEST_F(Interop, ChangingTheAlbumKeepsEveryOtherFrameAndTheAudio) {
  const std::string album = "New Album \xE9";
  std::vector<std::string> saved;
  for (const std::string& name : *FTagged) {
    SCOPED_TRACE(name);
    std::string original = ReadFileBytes(*FFolder / name);
    TListedFile file(original);
    ProbeTags(file.Info);
    TMp3ID3v2 tag(file.Info, false);
    ASSERT_TRUE(tag.ReadTag());
    TFrameSubListManager& primary = tag.GetFrameList().GetPrimarySubList();
    int32_t index = primary.IndexOfKind(fiTALB, 1);
    if (index < 0) index = tag.GetFrameList().NewFrame(fiTALB);
    primary.GetFrameCategory(index).SetTextString(album);
    ASSERT_TRUE(tag.WriteTag(file.Info));
    std::string bytes = file.Contents();
    ExpectWellFormedTag(bytes);
    EXPECT_EQ(BehindTheTag(bytes), BehindTheTag(original));
    saved.push_back(FFolder->WriteFile("saved-" + name, bytes).substr(FFolder->Path().size()));
  }
  std::vector<std::string> both = *FTagged;
  both.insert(both.end(), saved.begin(), saved.end());
  TFileValues read = ReadByMutagen(both);
  for (size_t i = 0; i < saved.size(); ++i) {
    SCOPED_TRACE(saved[i]);
    TValues& before = read[(*FTagged)[i]];
    TValues& after = read[saved[i]];
    EXPECT_EQ(after["TALB"], Printable(Bytes(album)));
    before.erase("TALB");
    after.erase("TALB");
    EXPECT_EQ(Differences(before, after), "");
  }
}

TEST_F(Interop, StreamPropertiesAgreeWithMutagen) {
  struct TEncoding {
    const char* Name;
    const char* Options;
    bool Vbr;
  } encodings[] = {
      {"cbr_info", "-b 128", false},          {"cbr_no_tag", "-b 128 -t", false},
      {"vbr_xing", "-V 2", true},             {"mono", "-m m -b 64", false},
      {"crc", "-p -b 160", false},            {"vbr_mono_crc", "-V 4 -m m -p", true},
      {"mpeg2_22khz", "--resample 22.05 -b 64", false},
      {"mpeg25_8khz", "--resample 8 -b 16", false},
  };
  std::vector<std::string> names;
  for (const TEncoding& encoding : encodings) {
    names.push_back(encoding.Name + ".mp3"s);
    Encode(encoding.Options, names.back());
  }
  TFileValues theirs = ReadByMutagen(names);
  for (const TEncoding& encoding : encodings) {
    SCOPED_TRACE(encoding.Name);
    TValues& mutagen = theirs[encoding.Name + ".mp3"s];
    auto number = [&](const char* key) { return std::stod(mutagen["mpeg."s + key]); };
    TListedFile file(ReadFileBytes(*FFolder / (encoding.Name + ".mp3"s)));
    int64_t offset = ProbeTags(file.Info);
    ASSERT_TRUE(FindMpegHeader(file.Info, offset));
    const TMpegHeader& ours = file.Info.MpegHeader;
    // The first frame, or one of the next when a joint-stereo frame's mode extension
    // differs from its successor's.
    EXPECT_LT(offset, 3 * ours.FrameSize);
    EXPECT_EQ(ours.GetVersionText(), (std::map<std::string, std::string>{
                                         {"1", "MPEG 1.0"}, {"2", "MPEG 2.0"},
                                         {"2.5", "MPEG 2.5"}})[mutagen["mpeg.version"]]);
    EXPECT_EQ(mutagen["mpeg.layer"], "3");
    EXPECT_EQ(ours.GetLayerText(), "Layer III");
    EXPECT_EQ(ours.SampleRate, number("sample_rate"));
    EXPECT_EQ(ours.ChannelMode, number("mode"));
    EXPECT_EQ(ours.Protected, number("protected"));
    EXPECT_EQ(ours.BitrateKind, encoding.Vbr ? "VBR" : "CBR");
    EXPECT_EQ(number("vbr"), encoding.Vbr);
    // mutagen counts the average bitrate over the decoded length; we over the frames.
    double bitrate = number("bitrate") / 1000;
    EXPECT_NEAR(ours.Bitrate, bitrate, encoding.Vbr ? bitrate * 0.03 : 0.5);
    // mutagen's length leaves out the encoder's delay and padding (less than 3 frames)
    // and the Xing frame; ours is in whole seconds.
    double length = number("length");
    EXPECT_NEAR(ours.Duration, length, 1.0);
    double frames = length * ours.SampleRate / ours.SamplesPerFrame;
    // Without Xing data the count is the audio size over the first frame's size, which
    // also counts the padding bytes of padded frames as frames of their own.
    double padding = encoding.Vbr ? 0 : frames / ours.FrameSize;
    EXPECT_NEAR(static_cast<double>(ours.FrameCount), frames, 4 + padding);
  }
}

TEST_F(Interop, TagsWeWriteReadAsWeWroteThem) {
  // An ID3v1 tag alone, which mutagen reads as frames.
  TListedFile v1File(*FAudio);
  TMp3ID3v1 id3v1(v1File.Info, true);
  id3v1.SetTitle("Our Title");
  id3v1.SetArtist("Our Artist \xC9");
  id3v1.SetYear("2004");
  id3v1.SetComment("123456789012345678901234567890");
  id3v1.SetTrack(9);
  id3v1.SetGenre(13);
  ASSERT_TRUE(id3v1.WriteTag(v1File.Info));
  EXPECT_EQ(v1File.Contents().substr(0, FAudio->size()), *FAudio);
  FFolder->WriteFile("ours-v1.mp3", v1File.Contents());

  // ID3v2.4 frames in 8-bit text, and in UTF-16 where the locale asks for Unicode.
  TValues expected = {
      {"TIT2", "Caf\\xE9 Title"}, {"TRCK", "3/12"}, {"TCON", "Rock"}, {"TDRC", "2004-05"},
      {"COMM:note:eng", "note|eng|first\\x0Asecond"}, {"TXXX:MOOD", "MOOD|calm"},
      {"APIC:cover", "image/png|3|cover|\\x89PNG\\x00\\xFF\\xE0\\xFF"},
      {"GEOB:d", "text/plain|\\xE4.txt|d|DATA"}, {"WXXX:home", "home|http://x.y/"},
      {"WOAR:http://a.b/", "http://a.b/"}, {"POPM:a@b", "a@b|200|0"}};
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
    TMp3ID3v2FrameCatBase& track = add(fiTRCK);
    track.SetTrackNumber("03");
    track.SetTrackTotal("12");
    add(fiTCON).SetGenreIndex(17);
    TMp3ID3v2FrameCatBase& date = add(fiTDRC);
    date.SetYear("2004");
    date.SetMonth("05");
    TMp3ID3v2FrameCatBase& comment = add(fiCOMM);
    comment.SetLanguageIndex(108);
    comment.SetDescriptionString("note");
    comment.SetText(Bytes("first\r\nsecond"));
    TMp3ID3v2FrameCatBase& user = add(fiTXXX);
    user.SetDescriptionString("MOOD");
    user.SetTextString("calm");
    TMp3ID3v2FrameCatBase& picture = add(fiAPIC);
    picture.SetText(Bytes("image/png"));
    picture.SetPictureType(3);
    picture.SetDescriptionString("cover");
    picture.SetPictureData(Bytes("\x89PNG\0\xFF\xE0\xFF"s));  // to be unsynchronised
    TMp3ID3v2FrameCatBase& object = add(fiGEOB);
    object.SetText(Bytes("text/plain"));
    object.SetFileNameString("\xE4.txt");
    object.SetDescriptionString("d");
    object.SetPictureData(Bytes("DATA"));
    TMp3ID3v2FrameCatBase& url = add(fiWXXX);
    url.SetDescriptionString("home");
    url.SetText(Bytes("http://x.y/"));
    add(fiWOAR).SetTextString("http://a.b/");
    TMp3ID3v2FrameCatBase& rating = add(fiPOPM);
    rating.SetTextString("a@b");
    rating.SetRating(200);
    ASSERT_TRUE(tag.WriteTag(file.Info));
    std::string written = file.Contents();
    ExpectWellFormedTag(written);
    EXPECT_EQ(BehindTheTag(written), *FAudio);
    FFolder->WriteFile("ours.mp3", written);
    TFileValues theirs = ReadByMutagen({"ours.mp3", "ours-v1.mp3"});
    TValues& frames24 = theirs["ours.mp3"];
    for (const auto& [key, value] : expected) EXPECT_EQ(frames24[key], value) << key;
    // Saving again, from the same object or from the file read anew, writes the same bytes.
    ASSERT_TRUE(tag.WriteTag(file.Info));
    EXPECT_EQ(file.Contents(), written);
    TListedFile again(written);
    ProbeTags(again.Info);
    TMp3ID3v2 reread(again.Info, false);
    ASSERT_TRUE(reread.ReadTag());
    ASSERT_TRUE(reread.WriteTag(again.Info));
    EXPECT_EQ(again.Contents(), written);

    TValues& frames1 = theirs["ours-v1.mp3"];
    EXPECT_EQ(frames1["TIT2"], "Our Title");
    EXPECT_EQ(frames1["TPE1"], "Our Artist \\xC9");
    EXPECT_EQ(frames1["COMM:ID3v1 Comment:eng"],
              "ID3v1 Comment|eng|1234567890123456789012345678");  // 28 in ID3v1.1
    EXPECT_EQ(frames1["TRCK"], "9");
    EXPECT_EQ(frames1["TCON"], "Pop");
  }
}

TEST_F(Interop, RemovingLamesID3v1TagLeavesItsID3v2Tag) {
  TListedFile file(ReadFileBytes(*FFolder / "lame_id3v1.mp3"));
  ProbeTags(file.Info);
  ASSERT_TRUE(file.Info.HasID3v1);
  TMp3ID3v1 tag(file.Info, false);
  ASSERT_TRUE(tag.RemoveTag(file.Info));
  const std::string bytes = ReadFileBytes(*FFolder / "lame_id3v1.mp3");
  EXPECT_EQ(file.Contents(), bytes.substr(0, bytes.size() - 128));
  FFolder->WriteFile("lame_no_id3v1.mp3", file.Contents());
  TValues theirs = ReadByMutagen({"lame_no_id3v1.mp3"})["lame_no_id3v1.mp3"];
  EXPECT_EQ(theirs.count("id3v1.title"), 0u);
  EXPECT_EQ(theirs["TIT2"], "Title");
}

TEST_F(Interop, TagdumpChangesFilesThroughTheLibrary) {
  FFolder->WriteFile("dumped.mp3", ReadFileBytes(*FFolder / "v23_id3v1.mp3"));
  const std::string tagdump = Quoted(TAGDUMP_PATH) + " ";
  Run(tagdump + "--set 'TIT2=Neu \xC3\xBC' --set TCOM=Someone " + Quoted(Path("dumped.mp3")));
  TFileValues read = ReadByMutagen({"v23_id3v1.mp3", "dumped.mp3"});
  EXPECT_EQ(read["dumped.mp3"]["TIT2"], "Neu \\xFC");
  EXPECT_EQ(read["dumped.mp3"]["TCOM"], "Someone");
  for (TValues* values : {&read["v23_id3v1.mp3"], &read["dumped.mp3"]}) {
    values->erase("TIT2");
    values->erase("TCOM");
  }
  EXPECT_EQ(Differences(read["v23_id3v1.mp3"], read["dumped.mp3"]), "");

  bool ok = false;
  std::string report = RunCommand(tagdump + Quoted(Path("dumped.mp3")), ok);
  EXPECT_TRUE(ok);
  EXPECT_NE(report.find(R"({"id": "TIT2", "text": "Neu )" "\xC3\xBC" R"("})"), std::string::npos)
      << report;
  for (const char* refused : {"--set TLEN=1", "--set XXXX=1", "--remove v3", "--frobnicate"}) {
    RunCommand(tagdump + refused + " " + Quoted(Path("dumped.mp3")), ok);
    EXPECT_FALSE(ok) << refused;
  }
  Run(tagdump + "--remove both " + Quoted(Path("dumped.mp3")));
  EXPECT_EQ(ReadFileBytes(*FFolder / "dumped.mp3"), *FAudio);
}

}  // namespace
