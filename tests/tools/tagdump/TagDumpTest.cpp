// tagdump run as a user runs it: it changes a file's tags through the tag library, prints
// what the library reads, and refuses what it cannot do, leaving the file alone.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#ifndef TAGDUMP_PATH
#error TAGDUMP_PATH names the tagdump program
#endif

namespace {

class TagDump : public ::testing::Test {
protected:
  // Runs tagdump with the arguments on a file of the folder; its exit code, its output
  // in Output.
  int Run(const std::string& arguments, const std::string& name = "song.mp3") {
    std::string command = std::string(TAGDUMP_PATH) + " " + arguments + " " + Quoted(name) +
                          " > " + Quoted("out.txt") + " 2>&1";
    int status = std::system(command.c_str());
    Output = ReadFileBytes(FFolder / "out.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // A file of the folder as the shell wants its path: "/", not our "\".
  std::string Quoted(const std::string& name) const {
    std::string path = FFolder / name;
    std::replace(path.begin(), path.end(), '\\', '/');
    return "'" + path + "'";
  }

  TempFolder FFolder;
  std::string Output;
};

TEST_F(TagDump, ChangesTagsThroughTheLibraryAndRefusesWhatItCannotDo) {
  const std::string audio(3000, 'a');
  FFolder.WriteFile("song.mp3", audio);
  ASSERT_EQ(Run("--set 'TIT2=Neu \xC3\xBC' --set TCOM=Someone"), 0) << Output;
  EXPECT_NE(Output.find(R"("saved": true)"), std::string::npos) << Output;
  ASSERT_EQ(Run(""), 0);
  for (const std::string frame : {R"({"id": "TIT2", "text": "Neu )" "\xC3\xBC" R"("})",
                                  R"({"id": "TCOM", "text": "Someone"})"})
    EXPECT_NE(Output.find(frame), std::string::npos) << Output;

  const std::string tagged = ReadFileBytes(FFolder / "song.mp3");
  for (const char* refused : {"--set TLEN=1", "--set XXXX=1", "--remove v3", "--frobnicate"})
    EXPECT_EQ(Run(refused), 2) << refused;
  EXPECT_EQ(Run("", "missing.mp3"), 1);
  EXPECT_NE(Output.find("cannot open"), std::string::npos) << Output;
  EXPECT_EQ(ReadFileBytes(FFolder / "song.mp3"), tagged);
  ASSERT_EQ(Run("--remove both"), 0) << Output;
  EXPECT_EQ(ReadFileBytes(FFolder / "song.mp3"), audio);
}

}  // namespace
