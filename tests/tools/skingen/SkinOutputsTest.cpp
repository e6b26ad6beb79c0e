// The generator's outputs carry no time or chance: a run writes the same bytes as the
// run the build made.
#include "SkinOutputs.h"

#include "RuntimePath.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string ReadBuildOutput(const std::string& Name) { return ReadFileBytes(RuntimePath(VQ_SKIN_FOLDER + Name)); }

TEST(SkinOutputsTest, ARunWritesWhatTheBuildWrote) {
  TempFolder folder;
  WriteSkinOutputs(folder.Path());
  for (const char* name :
       {"slate.skn", "slate-sheet.png", "flatcolour.skn", "sparse.skn", "slate\\skin.ini",
        "slate\\frame.bmp", "slate\\caption.bmp", "flatcolour\\flat.bmp", "flatframe.skn",
        "flatframe-sheet.png", "flatframe\\rollup.bmp"}) {
    const std::string bytes = folder.ReadFile(name);
    EXPECT_GT(bytes.size(), 100u) << name;
    EXPECT_EQ(bytes, ReadBuildOutput(name)) << name;
  }
}

}  // namespace
