// The tag editor's model over files lame encoded and mutagen tagged at test time (native
// build only): every pair of save choices over files without tags, with an ID3v1 tag, and
// with ID3v2.2, 2.3 and 2.4 tags, read back by mutagen and by tagdump.
#include "AppTestSupport.h"
#include "TagFixtures.h"

#include "app/rename/Rename.h"
#include "app/settings/Session.h"
#include "app/tageditor/TagEditorModel.h"

#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

namespace {

using namespace std::string_literals;

// Tags copies of an MP3 file (source, then target and ID3v2 major version pairs) with
// primary frames and frames the editor does not show.
const char* const kMutagenTag = R"py(
import shutil, sys, mutagen.id3 as m
for target, version in zip(sys.argv[2::2], sys.argv[3::2]):
    shutil.copy(sys.argv[1], target)
    tag = m.ID3()
    for frame in (m.TIT2(encoding=0, text="Old"), m.TPE1(encoding=1, text="Artist"),
                  m.TRCK(encoding=0, text="3/9"), m.COMM(encoding=0, lang="eng", desc="", text="c"),
                  m.TXXX(encoding=0, desc="MOOD", text="calm"), m.PRIV(owner="o", data=b"\xff\x00"),
                  m.APIC(encoding=0, mime="image/png", type=3, desc="", data=bytes(range(256)))):
        tag.add(frame)
    if version == "3": tag.update_to_v23()
    tag.save(target, v2_version=int(version), v1=0)
)py";

// "name|ID3v1 title|ID3v2 version, frame IDs and title" per file, "-" for a missing tag.
const char* const kMutagenRead = R"py(
import sys, mutagen.id3 as m
for path in sys.argv[1:]:
    data = open(path, "rb").read()
    v1 = data[-125:-95].split(b"\0")[0].decode("latin-1") if data[-128:-125] == b"TAG" else "-"
    try:
        t = m.ID3(path, load_v1=False)
        v2 = "2.%d %s %s" % (t.version[1], " ".join(sorted(f.FrameID for f in t.values())), t.get("TIT2"))
    except m.ID3NoHeaderError:
        v2 = "-"
    print("%s|%s|%s" % (path.rsplit("/", 1)[-1][:-4], v1, v2))
)py";

std::string RunCommand(const std::string& command, bool& ok) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  char buffer[4096];
  for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  ok = pipe && pclose(pipe) == 0;
  return output;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }  // no "'" inside

// A path as the tools want it: "/", not our "\".
std::string Posix(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return Quoted(path);
}

// The audio between the tags.
std::string AudioOf(const std::string& file) {
  size_t start = 0;
  if (file.rfind("ID3", 0) == 0)
    for (size_t i = 6; i < 10; ++i) start = start << 7 | (static_cast<uint8_t>(file[i]) & 0x7F);
  if (file.rfind("ID3", 0) == 0) start += 10;
  const bool id3v1 = file.size() >= 128 && file.compare(file.size() - 128, 3, "TAG") == 0;
  return file.substr(start, file.size() - (id3v1 ? 128 : 0) - start);
}

TEST(TagEditorInterop, EverySaveChoiceOverEveryKindOfTagReadsBackAsChosen) {
  bool ok = false;
  for (const char* check : {"lame --version", "/usr/bin/python3 -c 'import mutagen'"})
    if (RunCommand(check, ok), !ok) GTEST_SKIP() << check << " fails (scripts/deps.sh installs it)";
  ProgramFolder folder;
  std::string raw;  // five seconds of 16-bit stereo noise
  for (uint32_t i = 0, x = 1; i < 5 * 44100 * 4; ++i) raw += static_cast<char>((x = x * 1103515245 + 12345) >> 24);
  folder.WriteFile("noise.raw", raw);
  RunCommand("lame --quiet -r -s 44.1 --bitwidth 16 -b 128 " + Posix(folder / "noise.raw") + " " +
          Posix(folder / "plain.bin"), ok);
  ASSERT_TRUE(ok);
  const std::string audio = ReadFileBytes(folder / "plain.bin");
  const std::string v22 = ID3v2TagBytes(2, 0, "TT2\0\0\6\0Old22"s + "TP1\0\0\7\0Artist" + std::string(20, '\0'));
  std::string tagging = "/usr/bin/python3 -c " + Quoted(kMutagenTag) + " " + Posix(folder / "plain.bin");
  for (const char* choices : {"00", "20", "07", "27"}) {
    folder.WriteFile("none "s + choices + ".mp3", audio);
    folder.WriteFile("v1 "s + choices + ".mp3", audio + ID3v1Tag("Old", "V1", "", "2001", "", 4, 17));
    folder.WriteFile("v22 "s + choices + ".mp3", v22 + audio);
    for (const char* version : {"3", "4"})
      tagging += " " + Posix(folder / ("v2"s + version + " " + choices + ".mp3")) + " " + version;
  }
  RunCommand(tagging, ok);
  ASSERT_TRUE(ok);

  std::vector<int32_t> mainRows, rows;
  TConfigBase config{folder.Place()};
  config.MainSelection.SetItems(mainRows);
  TConfigSession session;
  TFileRename files(config, session);
  files.ScanFolder();
  for (int32_t row = 0; row < files.GetFileCount(); ++row) mainRows.push_back(row);
  TTagEditorModel model(config, session, files);
  model.InitialiseOptions(rows);
  model.LoadTags();
  for (const char* choices : {"00", "20", "07", "27"}) {
    rows.clear();
    for (int32_t row = 0; row < model.RowCount(); ++row)
      if (EndsWith(files.GetFileName(row), " "s + choices)) rows.push_back(row);
    model.SetSaveChoice(false, choices[0] == '2' ? "ID3v1.1" : "-------");
    model.SetSaveChoice(true, choices[1] == '7' ? "ID3v2.4" : "-------");
    TFieldEditorValues editors;
    editors.Title = "Changed";
    model.ChangeButton(editors, {true});
  }
  model.Save();

  std::string paths;
  for (int32_t row = 0; row < files.GetFileCount(); ++row) {
    const std::string path = folder / (files.GetFileName(row) + ".mp3");
    paths += " " + Posix(path);
    EXPECT_EQ(AudioOf(ReadFileBytes(path)), audio) << path;
  }
  std::istringstream read(RunCommand("/usr/bin/python3 -c " + Quoted(kMutagenRead) + paths, ok));
  std::map<std::string, std::string> mutagen;
  for (std::string line; std::getline(read, line);) mutagen[line.substr(0, line.find('|'))] = line;
  const std::string kept = "2.4 APIC COMM PRIV TIT2 TPE1 TRCK TXXX Changed", titled = "2.4 TIT2 Changed";
  const std::string fromV1 = "2.4 TCON TDRC TIT2 TPE1 TRCK Changed";
  const std::map<std::string, std::string> expected = {
      {"none 00", "-|-"},          {"none 20", "Changed|-"}, {"none 07", "-|" + titled},
      {"none 27", "Changed|" + titled}, {"v1 00", "-|-"}, {"v1 20", "Changed|-"},
      {"v1 07", "-|" + fromV1},    {"v1 27", "Changed|" + fromV1}, {"v22 00", "-|-"},
      {"v22 20", "Changed|-"},     {"v22 07", "-|" + titled}, {"v22 27", "Changed|" + titled},
      {"v23 00", "-|-"},           {"v23 20", "Changed|-"}, {"v23 07", "-|" + kept},
      {"v23 27", "Changed|" + kept}, {"v24 00", "-|-"}, {"v24 20", "Changed|-"},
      {"v24 07", "-|" + kept},     {"v24 27", "Changed|" + kept}};
  for (const auto& [name, tags] : expected) {
    EXPECT_EQ(mutagen[name], name + "|" + tags);
    const std::string dump = RunCommand(TAGDUMP_PATH " " + Posix(folder / (name + ".mp3")), ok);
    auto holds = [&](const char* json) { return dump.find(json) != std::string::npos; };
    EXPECT_EQ(holds(R"("id3v1": {"title": "Changed")"), tags[0] != '-') << dump;
    EXPECT_EQ(holds(R"("version": "2.4")") && holds(R"({"id": "TIT2", "text": "Changed"})"),
              !EndsWith(tags, "|-"))
        << dump;
  }
}

}  // namespace
