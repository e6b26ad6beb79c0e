// The generator's outputs carry no time or chance: a run writes the same bytes as the
// run the build made.
#include "SkinOutputs.h"

#include "TempFolder.h"

#include "base/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string ReadBuildOutput(const std::string& Name) {
  std::string path = VQ_SKIN_FOLDER + Name;
  std::replace(path.begin(), path.end(), '/', '\\');
  TMemoryStream file;
  file.LoadFromFile(path);
  return std::string(file.Bytes().begin(), file.Bytes().end());
}

TEST(SkinOutputsTest, ARunWritesWhatTheBuildWrote) {
  TempFolder folder;
  WriteSkinOutputs(folder.Path());
  for (const char* name :
       {"slate.skn", "slate-sheet.png", "flatcolour.skn", "sparse.skn", "slate\\skin.ini",
        "slate\\frame.bmp", "slate\\caption.bmp", "flatcolour\\flat.bmp"}) {
    const std::string bytes = folder.ReadFile(name);
    EXPECT_GT(bytes.size(), 100u) << name;
    EXPECT_EQ(bytes, ReadBuildOutput(name)) << name;
  }
}

}  // namespace
