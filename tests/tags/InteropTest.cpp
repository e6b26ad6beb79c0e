// Interoperability with independent tools, run at test time: MP3 files made by Debian's
// lame encoder are scanned by us and by python3-mutagen, and ID3v1 tags travel between
// our writer and mutagen (or lame) in both directions. Native build only.
#include "ExternalTools.h"
#include "TagFixtures.h"

#include "tags/ID3v1.h"
#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

// Prints the stream properties mutagen finds, one "key=value" a line.
const char* const kMutagenInfo = R"(
import sys, mutagen.mp3
info = mutagen.mp3.MP3(sys.argv[1]).info
for key in ("version", "layer", "bitrate", "sample_rate", "mode", "protected", "length"):
    print("%s=%s" % (key, getattr(info, key)))
print("vbr=%d" % (info.bitrate_mode == mutagen.mp3.BitrateMode.VBR))
)";

// Prints the text of the tag frames mutagen reads (an ID3v1 tag is read as such frames).
const char* const kMutagenTags = R"(
import sys, mutagen.mp3
tags = mutagen.mp3.MP3(sys.argv[1]).tags
print("v1=%d" % (tags.version[0] == 1))
for key, frame in tags.items():
    print("%s=%s" % (key.split(":")[0], frame.text[0]))
)";

// Writes ID3v2.3 and ID3v1.1 tags through mutagen: path, title, artist, album, year,
// track, genre.
const char* const kMutagenWrite = R"(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TALB, TDRC, TRCK, TCON
path, title, artist, album, year, track, genre = sys.argv[1:]
tags = ID3()
for frame, text in ((TIT2, title), (TPE1, artist), (TALB, album), (TDRC, year),
                    (TRCK, track), (TCON, genre)):
    tags.add(frame(encoding=0, text=text))
tags.save(path, v1=2, v2_version=3)
)";

double Number(const TValues& values, const std::string& key) {
  auto it = values.find(key);
  return it == values.end() ? NAN : std::stod(it->second);
}

class Interop : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    FMissing = ToolMissing("lame --version", "lame") + MutagenMissing();
    if (!FMissing.empty()) return;
    FFolder = new TempFolder;
    // Long enough for every encoding to pass 49000 bytes.
    WriteTestSound(*FFolder / "source.wav", 30);
  }
  static void TearDownTestSuite() {
    delete FFolder;
    FFolder = nullptr;
  }
  void SetUp() override {
    if (!FMissing.empty()) GTEST_SKIP() << FMissing;
  }

  // Encodes the test sound with lame and returns the MP3 file's bytes.
  static std::string Encode(const std::string& options, const std::string& name) {
    std::string mp3 = *FFolder / (name + ".mp3");
    bool ok = false;
    std::string output = RunCommand("lame --quiet " + options + " " + Quoted(Native(*FFolder / "source.wav")) +
                                 " " + Quoted(Native(mp3)),
                             ok);
    EXPECT_TRUE(ok) << output;
    return ReadFileBytes(mp3);
  }

  static std::string Path(const std::string& name) { return Native(*FFolder / name); }

  static std::string FMissing;
  static TempFolder* FFolder;
};

std::string Interop::FMissing;
TempFolder* Interop::FFolder = nullptr;

struct TEncoding {
  const char* Name;
  const char* Options;
  bool Vbr;
};

const TEncoding kEncodings[] = {
    {"cbr_info", "-b 128", false},
    {"cbr_no_tag", "-b 128 -t", false},
    {"vbr_xing", "-V 2", true},
    {"mono", "-m m -b 64", false},
    {"crc", "-p -b 160", false},
    {"vbr_mono_crc", "-V 4 -m m -p", true},
    {"mpeg2_22khz", "--resample 22.05 -b 64", false},
    {"mpeg25_8khz", "--resample 8 -b 16", false},
};

TEST_F(Interop, StreamPropertiesAgreeWithMutagen) {
  for (const TEncoding& encoding : kEncodings) {
    SCOPED_TRACE(encoding.Name);
    std::string bytes = Encode(encoding.Options, encoding.Name);
    TValues theirs = RunPython(kMutagenInfo, {Path(std::string(encoding.Name) + ".mp3")});

    TListedFile file(bytes);
    int64_t offset = ProbeTags(file.Info);
    ASSERT_TRUE(FindMpegHeader(file.Info, offset));
    const TMpegHeader& ours = file.Info.MpegHeader;
    // The first frame, or one of the next when a joint-stereo frame's mode extension
    // differs from its successor's.
    EXPECT_LT(offset, 3 * ours.FrameSize);

    std::map<std::string, std::string> versions = {
        {"1", "MPEG 1.0"}, {"2", "MPEG 2.0"}, {"2.5", "MPEG 2.5"}};
    EXPECT_EQ(ours.GetVersionText(), versions[theirs["version"]]);
    EXPECT_EQ(theirs["layer"], "3");
    EXPECT_EQ(ours.GetLayerText(), "Layer III");
    EXPECT_EQ(ours.SampleRate, Number(theirs, "sample_rate"));
    EXPECT_EQ(ours.ChannelMode, Number(theirs, "mode"));
    EXPECT_EQ(ours.Protected, theirs["protected"] == "True");
    EXPECT_EQ(ours.BitrateKind, encoding.Vbr ? "VBR" : "CBR");
    EXPECT_EQ(theirs["vbr"], encoding.Vbr ? "1" : "0");

    // mutagen counts the average bitrate over the decoded length; we over the frames.
    double bitrate = Number(theirs, "bitrate") / 1000;
    EXPECT_NEAR(ours.Bitrate, bitrate, encoding.Vbr ? bitrate * 0.03 : 0.5);
    // mutagen's length leaves out the encoder's delay and padding (less than 3 frames)
    // and the Xing frame; ours is in whole seconds.
    double length = Number(theirs, "length");
    EXPECT_NEAR(ours.Duration, length, 1.0);
    double frames = length * ours.SampleRate / ours.SamplesPerFrame;
    // Without Xing data the count is the audio size over the first frame's size, which
    // also counts the padding bytes of padded frames as frames of their own.
    double padding = encoding.Vbr ? 0 : frames / ours.FrameSize;
    EXPECT_NEAR(static_cast<double>(ours.FrameCount), frames, 4 + padding);
  }
}

TEST_F(Interop, OurID3v1TagIsReadByMutagen) {
  std::string audio = Encode("-b 128", "ours");
  TListedFile file(audio);
  ProbeTags(file.Info);
  ASSERT_FALSE(file.Info.HasID3v1);
  TMp3ID3v1 tag(file.Info, true);
  tag.SetTitle("Our Title");
  tag.SetArtist("Our Artist \xC9");  // code page 1252 / Latin-1
  tag.SetAlbum("Our Album");
  tag.SetYear("2004");
  tag.SetComment("123456789012345678901234567890");
  tag.SetTrack(9);
  tag.SetGenre(13);
  ASSERT_TRUE(tag.WriteTag(file.Info));
  file.Close();

  std::string written = file.Contents();
  ASSERT_EQ(written.size(), audio.size() + 128);
  EXPECT_EQ(written.substr(0, audio.size()), audio);  // the audio is untouched

  TValues theirs = RunPython(kMutagenTags, {Native(file.Path())});
  EXPECT_EQ(theirs["v1"], "1");
  EXPECT_EQ(theirs["TIT2"], "Our Title");
  EXPECT_EQ(theirs["TPE1"], "Our Artist \xC3\x89");  // printed as UTF-8
  EXPECT_EQ(theirs["TALB"], "Our Album");
  EXPECT_EQ(theirs["TDRC"], "2004");
  EXPECT_EQ(theirs["COMM"], "1234567890123456789012345678");  // 28 in ID3v1.1
  EXPECT_EQ(theirs["TRCK"], "9");
  EXPECT_EQ(theirs["TCON"], "Pop");
}

TEST_F(Interop, MutagenID3v1TagIsReadByUs) {
  Encode("-b 128", "theirs");
  RunPython(kMutagenWrite, {Path("theirs.mp3"), "Their Title", "Their Artist", "Their Album",
                            "1999", "7", "Jazz"});
  TListedFile file(ReadFileBytes(*FFolder / "theirs.mp3"));
  int64_t offset = ProbeTags(file.Info);
  EXPECT_TRUE(file.Info.HasID3v1);
  EXPECT_TRUE(file.Info.HasID3v2);
  EXPECT_TRUE(file.Info.ReadOk);
  TMp3ID3v1 tag(file.Info, false);
  EXPECT_EQ(tag.GetVersion(), 2);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetTitle(), "Their Title");
  EXPECT_EQ(tag.GetArtist(), "Their Artist");
  EXPECT_EQ(tag.GetAlbum(), "Their Album");
  EXPECT_EQ(tag.GetYear(), "1999");
  EXPECT_EQ(tag.GetTrack(), 7);
  EXPECT_EQ(tag.GetGenre(), 8);  // Jazz
  // The audio still starts right behind mutagen's ID3v2 tag.
  int64_t tagSize = offset;
  ASSERT_TRUE(FindMpegHeader(file.Info, offset));
  EXPECT_EQ(offset, tagSize);
  EXPECT_EQ(file.Info.MpegHeader.AudioSize,
            static_cast<int64_t>(file.Contents().size()) - tagSize - 128);
}

TEST_F(Interop, LameTagsAreReadByUsAndRemoved) {
  std::string bytes = Encode(
      "-b 128 --tt 'Lame Title' --ta 'Lame Artist' --tl 'Lame Album' --ty 2001 "
      "--tc 'Lame comment' --tn 5 --tg Rock",
      "lame");
  TListedFile file(bytes);
  int64_t offset = ProbeTags(file.Info);
  ASSERT_TRUE(file.Info.HasID3v1);
  ASSERT_TRUE(file.Info.HasID3v2);
  TMp3ID3v1 tag(file.Info, false);
  ASSERT_TRUE(tag.ReadTag());
  EXPECT_EQ(tag.GetTitle(), "Lame Title");
  EXPECT_EQ(tag.GetArtist(), "Lame Artist");
  EXPECT_EQ(tag.GetAlbum(), "Lame Album");
  EXPECT_EQ(tag.GetYear(), "2001");
  EXPECT_EQ(tag.GetComment(), "Lame comment");
  EXPECT_EQ(tag.GetTrack(), 5);
  EXPECT_EQ(tag.GetGenre(), 17);
  ASSERT_TRUE(FindMpegHeader(file.Info, offset));
  EXPECT_TRUE(file.Info.MpegHeader.Xing.Present);

  ASSERT_TRUE(tag.RemoveTag(file.Info));
  file.Close();
  EXPECT_EQ(file.Contents(), bytes.substr(0, bytes.size() - 128));
  TValues theirs = RunPython(kMutagenTags, {Native(file.Path())});
  EXPECT_EQ(theirs["v1"], "0");  // only lame's ID3v2 tag is left
  EXPECT_EQ(theirs["TIT2"], "Lame Title");
}

}  // namespace
