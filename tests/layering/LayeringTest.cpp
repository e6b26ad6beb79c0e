// The layering of src/: every #include of the tree against src/layers.txt, and the check
// itself on small made-up trees (what it refuses, with which message, and what it lets
// through).
#include "IncludeLayers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifndef VQ_SOURCE_DIR
#error VQ_SOURCE_DIR names the src/ folder
#endif

namespace {

using Lines = std::vector<std::string>;

std::string Joined(const Lines& Faults) {
  std::string text;
  for (const std::string& fault : Faults) text += "\n  " + fault;
  return text;
}

TEST(Layering, EveryIncludeUnderSrcKeepsToTheLayerTable) {
  const std::filesystem::path root(VQ_SOURCE_DIR);
  std::ifstream file(root / "layers.txt");
  ASSERT_TRUE(file) << "no layer table in " << root;
  std::ostringstream text;
  text << file.rdbuf();
  Lines tableErrors;
  const TLayerTable table = TLayerTable::Parse(text.str(), tableErrors);
  EXPECT_EQ(tableErrors, Lines{}) << Joined(tableErrors);

  std::vector<TSourceFile> sources;
  std::set<std::string> paths;
  ReadSourceTree(root, sources, paths);
  const TIncludeCheck check = CheckIncludes(table, sources, paths);
  EXPECT_GT(check.Includes, 0) << "no include read under " << root;
  EXPECT_TRUE(check.Faults.empty()) << Joined(check.Faults);
}

// A small tree: base below tags below the Windows-only ui, whose portable half uses tags.
const char* const TestTable = R"(# folder  kind  uses
base         portable
tags         portable  base
ui           windows   ui/portable tags   # the program
ui/portable  portable  tags
windows-headers  windows.h commctrl.h
)";

TLayerTable TestLayers() {
  Lines errors;
  TLayerTable table = TLayerTable::Parse(TestTable, errors);
  EXPECT_EQ(errors, Lines{});
  return table;
}

TIncludeCheck Check(const std::vector<TSourceFile>& Sources) {
  std::set<std::string> paths{"base/Text.h", "tags/Tag.h", "tags/Local.h", "ui/Main.h", "ui/portable/Rules.h",
                              "ui/forms/Main.form"};
  for (const TSourceFile& file : Sources) paths.insert(file.Path);
  return CheckIncludes(TestLayers(), Sources, paths);
}

TEST(Layering, IncludesDownwardsThroughAnyNumberOfLayersPass) {
  const TIncludeCheck check = Check({
      {"tags/Tag.cpp", "#include \"Tag.h\"\n#include \"Local.h\"\n#include \"../base/Text.h\"\n"},
      {"ui/Main.cpp", "#include \"ui/Main.h\"\n#  include \"portable/Rules.h\"\n#include \"base/Text.h\"\n"
                      "#include <windows.h>\n#include <vector>\n#include \"Generated.h\"\n"},
      {"ui/portable/Rules.cpp", "#include \"Rules.h\"\n#include <tags/Tag.h>\n"},
  });
  EXPECT_EQ(check.Faults, Lines{});
  EXPECT_EQ(check.Includes, 11);
}

TEST(Layering, AnUpwardIncludeNamesTheFileTheLineAndTheRule) {
  const TIncludeCheck check = Check({
      {"base/Text.cpp", "// text\n#include \"Text.h\"\n#include \"tags/Tag.h\"\n"},
      {"tags/Tag.cpp", "#include \"Tag.h\"\n\n#include <ui/Main.h>\n#include \"../ui/portable/Rules.h\"\n"},
      {"ui/Main.cpp", "// #include \"missing.h\" is a comment\n#include \"ui/forms/Main.form\"\n"},
  });
  EXPECT_EQ(check.Faults,
            (Lines{"src/base/Text.cpp:3: includes \"tags/Tag.h\" of tags, which is not below base in src/layers.txt",
                   "src/tags/Tag.cpp:3: includes <ui/Main.h> of the Windows-only ui into the portable folder tags",
                   "src/tags/Tag.cpp:4: includes \"../ui/portable/Rules.h\" of ui/portable, which is not below tags "
                   "in src/layers.txt",
                   "src/ui/Main.cpp:2: includes \"ui/forms/Main.form\" of ui/forms, which is not below ui in "
                   "src/layers.txt"}));
}

TEST(Layering, APortableFileIncludesNoWindowsHeader) {
  const TIncludeCheck check = Check({
      {"ui/portable/Rules.cpp", "#include <Windows.h>\n#include \"commctrl.h\"\n#include \"ui/Main.h\"\n"},
      {"ui/Main.cpp", "#include <windows.h>\n#include <commctrl.h>\n"},
  });
  EXPECT_EQ(check.Faults,
            (Lines{"src/ui/portable/Rules.cpp:1: includes <Windows.h>, a Windows header, into the portable folder "
                   "ui/portable",
                   "src/ui/portable/Rules.cpp:2: includes \"commctrl.h\", a Windows header, into the portable folder "
                   "ui/portable",
                   "src/ui/portable/Rules.cpp:3: includes \"ui/Main.h\" of the Windows-only ui into the portable "
                   "folder ui/portable"}));
}

TEST(Layering, AFolderOfSourcesMissingFromTheTableIsAFaultOnce) {
  const TIncludeCheck check = Check({{"extra/One.cpp", "#include \"base/Text.h\"\n"},
                                     {"extra/Two.cpp", ""},
                                     {"Stray.cpp", ""}});
  EXPECT_EQ(check.Faults, (Lines{"src/extra/One.cpp: its folder extra is not in src/layers.txt",
                                 "src/Stray.cpp: its folder src/ itself is not in src/layers.txt"}));
}

TEST(Layering, TheTableRefusesWhatWouldMakeItsOrderMeaningless) {
  struct Case {
    const char* Table;
    Lines Errors;
  };
  const Case cases[] = {
      {"base portable\nbase portable\n", {"src/layers.txt:2: base is in the table twice"}},
      {"base portable\ntags portable base grid\n",
       {"src/layers.txt:2: tags uses grid, which the table does not know"}},
      {"base portable\nui windows base\ntags portable ui\n",
       {"src/layers.txt:3: tags is portable and uses the Windows-only ui"}},
      {"base portable\nbase/win32 portable base\nui/portable windows base\n",
       {"src/layers.txt:2: base/win32 is portable, but a win32/ folder is windows",
        "src/layers.txt:3: ui/portable is windows, but a portable/ folder is portable"}},
      {"base portable tags\ntags portable base\n",
       {"src/layers.txt:1: base reaches itself: a cycle", "src/layers.txt:2: tags reaches itself: a cycle"}},
      {"base native\n", {"src/layers.txt:1: base is neither portable nor windows"}},
  };
  for (const Case& c : cases) {
    Lines errors;
    TLayerTable::Parse(c.Table, errors);
    EXPECT_EQ(errors, c.Errors) << c.Table;
  }
}

}  // namespace
