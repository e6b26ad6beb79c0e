// ID3v2 frame bodies between us and python3-mutagen: frames mutagen writes (ID3v2.4
// and ID3v2.3, every text encoding) are split into the fields it was given, and frames
// we build are read back by mutagen with the values we set. Native build only.
#include "ExternalTools.h"
#include "FrameFixtures.h"
#include "TempFolder.h"

#include "tags/ID3Codecs.h"
#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2Frame.h"

#include "base/Streams.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// Writes a tag of every frame kind we read, in several encodings: path, major version.
const char* const kMutagenWriteFrames = R"(
import sys
from mutagen.id3 import (ID3, TIT2, TPE1, TALB, TDRC, TRCK, TCON, TXXX, COMM, USLT, WXXX,
                         WOAR, APIC, GEOB, POPM, MCDI)
tags = ID3()
tags.add(TIT2(encoding=1, text="T\u00eftle"))
tags.add(TPE1(encoding=2, text="\u00c4rtist \u0416"))
tags.add(TALB(encoding=3, text="Alb\u00fcm"))
tags.add(TDRC(encoding=0, text="2004"))
tags.add(TRCK(encoding=1, text="03/12"))
tags.add(TCON(encoding=1, text="Rock"))
tags.add(TXXX(encoding=1, desc="MOOD", text="calm"))
tags.add(COMM(encoding=1, lang="eng", desc="", text="line1\nline2"))
tags.add(USLT(encoding=3, lang="deu", desc="v", text="Gr\u00fc\u00df"))
tags.add(WXXX(encoding=1, desc="home", url="http://x.y/"))
tags.add(WOAR(url="http://a.b/"))
tags.add(APIC(encoding=1, mime="image/png", type=3, desc="cover", data=b"\x89PNG\x00\x01"))
tags.add(GEOB(encoding=1, mime="text/plain", filename="a.txt", desc="d", data=b"DATA"))
tags.add(POPM(email="a@b", rating=200, count=256))
tags.add(MCDI(data=b"\x01\x02\x00\x03"))
tags.save(sys.argv[1], v2_version=int(sys.argv[2]))
)";

// Prints the fields of every frame of the tag in a file, "ID=fields" a line.
const char* const kMutagenReadFrames = R"(
import sys
from mutagen.id3 import ID3
for frame in ID3(sys.argv[1]).values():
    fid = frame.FrameID
    if fid in ("COMM", "USLT"):
        fields = (int(frame.encoding), frame.lang, frame.desc, frame.text)
    elif fid == "TXXX":
        fields = (int(frame.encoding), frame.desc, frame.text)
    elif fid == "WXXX":
        fields = (int(frame.encoding), frame.desc, frame.url)
    elif fid == "APIC":
        fields = (int(frame.encoding), frame.mime, int(frame.type), frame.desc, frame.data)
    elif fid == "GEOB":
        fields = (int(frame.encoding), frame.mime, frame.filename, frame.desc, frame.data)
    elif fid == "POPM":
        fields = (frame.email, frame.rating, getattr(frame, "count", None))
    else:
        fields = (int(frame.encoding), [str(text) for text in frame.text])
    print("%s=%s" % (fid, ascii(fields)))
)";

class FrameInterop : public ::testing::Test {
protected:
  void SetUp() override {
    std::string missing = MutagenMissing();
    if (!missing.empty()) GTEST_SKIP() << missing;
  }

  TempFolder FFolder;
};

// The frames of an ID3v2.3 or ID3v2.4 tag that is not unsynchronised, read the way the
// tag reader reads them; keyed by frame ID.
std::map<std::string, std::unique_ptr<TMp3ID3v2Frame>> ReadFrames(const std::string& file) {
  TBytes tag = Bytes(file);
  bool v24 = tag.at(3) == 4;
  size_t end = 10 + ReadSyncsafe(FourBytesAt(tag, 6));
  std::map<std::string, std::unique_ptr<TMp3ID3v2Frame>> frames;
  for (size_t at = 10; at + 10 <= end && tag[at] != 0;) {
    TFrameHeaderBytes header;
    std::copy_n(tag.begin() + at, 10, header.begin());
    T4Bytes sizeBytes = FourBytesAt(tag, at + 4);
    size_t size = v24 ? ReadSyncsafe(sizeBytes) : ReadBigEndian32(sizeBytes);
    uint8_t kind = 0;
    bool ok = false;
    EXPECT_TRUE(MapFrameID(header, kind)) << std::string(header.begin(), header.begin() + 4);
    auto frame = std::make_unique<TMp3ID3v2Frame>(kind, ok, header);
    frame->ReadBody(TBytes(tag.begin() + at + 10, tag.begin() + at + 10 + size));
    if (ok) frames[frame->GetID()] = std::move(frame);
    at += 10 + size;
  }
  return frames;
}

TEST_F(FrameInterop, FramesMutagenWritesAreRead) {
  TCharsetScope ansi(0);
  const std::map<std::string, std::string> expected = {
      {"TIT2", "text=T\\xEFtle"},
      {"TPE1", "text=\\xC4rtist ?"},
      {"TALB", "text=Alb\\xFCm"},
      {"TDRC", "text=2004 | year=2004 | month= | day="},
      {"TRCK", "number=03 | total=12"},
      {"TCON", "genre=17 | text=Rock"},
      {"TXXX", "desc=MOOD | text=calm"},
      {"COMM", "lang=eng | desc= | text=line1\\x0Aline2"},
      {"USLT", "lang=deu | desc=v | text=Gr\\xFC\\xDF"},
      // URLs are kept as they are, with the terminator mutagen writes after them.
      {"WXXX", "desc=home | text=http://x.y/\\x00"},
      {"WOAR", "url=http://a.b/\\x00"},
      {"APIC", "mime=image/png | type=3 | desc=cover | data=\\x89PNG\\x00\\x01"},
      {"GEOB", "mime=text/plain | file=a.txt | desc=d | data=DATA"},
      {"POPM", "email=a@b | rating=200 | counter=\\x00\\x00\\x01\\x00"},
      {"MCDI", "body=\\x01\\x02\\x00\\x03"},
  };
  for (const char* version : {"4", "3"}) {
    SCOPED_TRACE(std::string("ID3v2.") + version);
    std::string path = Native(FFolder / (std::string("v2") + version + ".id3"));
    RunPython(kMutagenWriteFrames, {path, version});
    auto frames = ReadFrames(ReadFileBytes(path));
    for (const auto& [id, fields] : expected) {
      SCOPED_TRACE(id);
      ASSERT_EQ(frames.count(id), 1u);
      TMp3ID3v2FrameCatBase& frame = frames[id]->GetCategoryObject();
      EXPECT_EQ(Summary(frame), fields);
      // Built again, the body reads the same.
      frame.Encode();
      EXPECT_EQ(Summary(*ReadCategory(frame.GetCategory(), frame.GetFrameKind(), frame.GetData())),
                fields);
    }
  }
}

// A frame as we write it: header with syncsafe size and zero flags, then the body.
std::string FrameBytes(uint8_t kind, TMp3ID3v2FrameCatBase& frame) {
  frame.Encode();
  TBytes body = frame.GetData();
  T4Bytes size = WriteSyncsafe(static_cast<uint32_t>(body.size()));
  return std::string(FrameIDs[kind].FrameID) + std::string(size.begin(), size.end()) +
         std::string(2, '\0') + std::string(body.begin(), body.end());
}

std::string Tag(const std::string& frames) {
  T4Bytes size = WriteSyncsafe(static_cast<uint32_t>(frames.size()));
  return std::string("ID3\x04\0\0", 6) + std::string(size.begin(), size.end()) + frames;
}

TEST_F(FrameInterop, FramesWeBuildAreReadByMutagen) {
  for (uint8_t charset : {0, 204}) {
    SCOPED_TRACE(int(charset));
    TCharsetScope locale(charset);
    std::string encoding = charset == 0 ? "0" : "1";
    bool ok = false;
    std::string frames;
    auto make = [&](uint8_t kind) { return CreateFrameCategory(FrameIDs[kind].Category, kind, ok); };

    auto title = make(fiTIT2);
    title->SetTextString("H\xE9llo");
    frames += FrameBytes(fiTIT2, *title);
    auto date = make(fiTDRC);
    date->SetYear("2004");
    date->SetMonth("05");
    frames += FrameBytes(fiTDRC, *date);
    auto track = make(fiTRCK);
    track->SetTrackNumber("3");
    track->SetTrackTotal("12");
    frames += FrameBytes(fiTRCK, *track);
    auto genre = make(fiTCON);
    genre->SetGenreIndex(17);
    frames += FrameBytes(fiTCON, *genre);
    auto user = make(fiTXXX);
    user->SetDescriptionString("MOOD");
    user->SetTextString("calm");
    frames += FrameBytes(fiTXXX, *user);
    auto comment = make(fiCOMM);
    comment->SetLanguageIndex(108);
    comment->SetDescriptionString("d");
    comment->SetText(Bytes("a\r\nb"));
    frames += FrameBytes(fiCOMM, *comment);
    auto url = make(fiWXXX);
    url->SetDescriptionString("home");
    url->SetText(Bytes("http://x.y/"));
    frames += FrameBytes(fiWXXX, *url);
    auto picture = make(fiAPIC);
    picture->SetText(Bytes("image/png"));
    picture->SetPictureType(3);
    picture->SetDescriptionString("c\xF6ver");
    picture->SetPictureData(Bytes(std::string("\x89PNG\0", 5)));
    frames += FrameBytes(fiAPIC, *picture);
    auto object = make(fiGEOB);
    object->SetText(Bytes("text/plain"));
    object->SetFileNameString("\xE4.txt");
    object->SetDescriptionString("d");
    object->SetPictureData(Bytes("DATA"));
    frames += FrameBytes(fiGEOB, *object);
    auto popm = make(fiPOPM);
    popm->SetTextString("a@b");
    popm->SetRating(200);
    frames += FrameBytes(fiPOPM, *popm);

    std::string path = FFolder / "ours.id3";
    TMemoryStream file;
    std::string tag = Tag(frames);
    file.WriteBuffer(tag.data(), static_cast<int32_t>(tag.size()));
    file.SaveToFile(path);

    TValues theirs = RunPython(kMutagenReadFrames, {Native(path)});
    const std::string e = encoding;
    EXPECT_EQ(theirs["TIT2"], "(" + e + ", ['H\\xe9llo'])");
    EXPECT_EQ(theirs["TDRC"], "(" + e + ", ['2004-05'])");
    EXPECT_EQ(theirs["TRCK"], "(" + e + ", ['3/12'])");
    EXPECT_EQ(theirs["TCON"], "(" + e + ", ['Rock'])");
    EXPECT_EQ(theirs["TXXX"], "(" + e + ", 'MOOD', ['calm'])");
    EXPECT_EQ(theirs["COMM"], "(" + e + ", 'eng', 'd', ['a\\nb'])");
    EXPECT_EQ(theirs["WXXX"], "(" + e + ", 'home', 'http://x.y/')");
    EXPECT_EQ(theirs["APIC"], "(" + e + ", 'image/png', 3, 'c\\xf6ver', b'\\x89PNG\\x00')");
    EXPECT_EQ(theirs["GEOB"], "(" + e + ", 'text/plain', '\\xe4.txt', 'd', b'DATA')");
    EXPECT_EQ(theirs["POPM"], "('a@b', 200, None)");
  }
}

}  // namespace
