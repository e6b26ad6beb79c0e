// Reading the layer table and checking the includes of src/ against it.
#include "IncludeLayers.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

namespace {

std::string Lower(std::string Text) {
  std::transform(Text.begin(), Text.end(), Text.begin(), [](unsigned char c) { return std::tolower(c); });
  return Text;
}

bool EndsWith(const std::string& Text, const std::string& End) {
  return Text.size() >= End.size() && Text.compare(Text.size() - End.size(), End.size(), End) == 0;
}

// The last part of a folder's path ("portable" of "skin/data/portable").
std::string LastPart(const std::string& Folder) {
  const size_t slash = Folder.rfind('/');
  return slash == std::string::npos ? Folder : Folder.substr(slash + 1);
}

std::string FolderOf(const std::string& Path) {
  const size_t slash = Path.rfind('/');
  return slash == std::string::npos ? std::string() : Path.substr(0, slash);
}

std::string TableLine(int Line) { return "src/layers.txt:" + std::to_string(Line) + ": "; }

}  // namespace

TLayerTable TLayerTable::Parse(const std::string& Text, std::vector<std::string>& Errors) {
  TLayerTable table;
  std::istringstream lines(Text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string folder;
    std::string kind;
    if (!(words >> folder)) continue;
    if (folder == "windows-headers") {
      for (std::string header; words >> header;) table.FWindowsHeaders.insert(Lower(header));
      continue;
    }
    words >> kind;
    if (kind != "portable" && kind != "windows") {
      Errors.push_back(TableLine(number) + folder + " is neither portable nor windows");
      continue;
    }
    TLayer layer{kind == "portable", {}, number};
    for (std::string use; words >> use;) layer.Uses.push_back(use);
    const std::string part = LastPart(folder);
    if ((part == "portable" && !layer.Portable) || (part == "win32" && layer.Portable))
      Errors.push_back(TableLine(number) + folder + " is " + kind + ", but a " + part + "/ folder is " +
                       (layer.Portable ? "windows" : "portable"));
    if (!table.FLayers.emplace(folder, layer).second)
      Errors.push_back(TableLine(number) + folder + " is in the table twice");
  }
  table.CheckUses(Errors);
  table.FindReach(Errors);
  return table;
}

void TLayerTable::CheckUses(std::vector<std::string>& Errors) const {
  for (const auto& [folder, layer] : FLayers)
    for (const std::string& use : layer.Uses) {
      if (!Knows(use))
        Errors.push_back(TableLine(layer.Line) + folder + " uses " + use + ", which the table does not know");
      else if (layer.Portable && !Portable(use))
        Errors.push_back(TableLine(layer.Line) + folder + " is portable and uses the Windows-only " + use);
    }
}

void TLayerTable::FindReach(std::vector<std::string>& Errors) {
  for (const auto& [folder, layer] : FLayers) {
    std::set<std::string>& below = FBelow[folder];
    std::function<void(const std::string&)> walk = [&](const std::string& From) {
      const auto found = FLayers.find(From);
      if (found == FLayers.end()) return;
      for (const std::string& use : found->second.Uses)
        if (below.insert(use).second) walk(use);
    };
    walk(folder);
    if (below.contains(folder)) Errors.push_back(TableLine(layer.Line) + folder + " reaches itself: a cycle");
  }
}

bool TLayerTable::Portable(const std::string& Folder) const {
  const auto found = FLayers.find(Folder);
  return found != FLayers.end() && found->second.Portable;
}

bool TLayerTable::MayInclude(const std::string& From, const std::string& Folder) const {
  if (From == Folder) return true;
  const auto below = FBelow.find(From);
  return below != FBelow.end() && below->second.contains(Folder);
}

bool TLayerTable::WindowsHeader(const std::string& Name) const { return FWindowsHeaders.contains(Lower(Name)); }

namespace {

// The file an include names, relative to src/; empty when it is not in the tree.
std::string Resolve(const std::string& Folder, const std::string& Name, bool Quoted,
                    const std::set<std::string>& Paths) {
  auto inTree = [&](const std::filesystem::path& Candidate) {
    const std::string path = Candidate.lexically_normal().generic_string();
    return path.starts_with("../") || !Paths.contains(path) ? std::string() : path;
  };
  std::string path;
  if (Quoted) path = inTree(std::filesystem::path(Folder) / Name);
  return path.empty() ? inTree(Name) : path;
}

std::string Named(const std::string& Name, bool Quoted) {
  return Quoted ? "\"" + Name + "\"" : "<" + Name + ">";
}

std::string Shown(const std::string& Folder) { return Folder.empty() ? "src/ itself" : Folder; }

}  // namespace

TIncludeCheck CheckIncludes(const TLayerTable& Table, const std::vector<TSourceFile>& Sources,
                            const std::set<std::string>& Paths) {
  static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  TIncludeCheck check;
  std::set<std::string> unknownFolders;
  for (const TSourceFile& file : Sources) {
    const std::string folder = FolderOf(file.Path);
    if (!Table.Knows(folder)) {
      if (unknownFolders.insert(folder).second)
        check.Faults.push_back("src/" + file.Path + ": its folder " + Shown(folder) +
                               " is not in src/layers.txt");
      continue;
    }
    std::istringstream lines(file.Text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
      std::smatch match;
      if (line.find("include") == std::string::npos || !std::regex_search(line, match, include)) continue;
      ++check.Includes;
      const bool quoted = match[1] == "\"";
      const std::string name = match[2];
      const std::string where = "src/" + file.Path + ":" + std::to_string(number) + ": includes " +
                                Named(name, quoted);
      const std::string target = Resolve(folder, name, quoted, Paths);
      const bool portable = Table.Portable(folder);
      if (target.empty()) {
        if (portable && Table.WindowsHeader(LastPart(name)))
          check.Faults.push_back(where + ", a Windows header, into the portable folder " + folder);
        continue;
      }
      const std::string targetFolder = FolderOf(target);
      if (portable && Table.Knows(targetFolder) && !Table.Portable(targetFolder))
        check.Faults.push_back(where + " of the Windows-only " + targetFolder + " into the portable folder " +
                               folder);
      else if (!Table.MayInclude(folder, targetFolder))
        check.Faults.push_back(where + " of " + Shown(targetFolder) + ", which is not below " + Shown(folder) +
                               " in src/layers.txt");
    }
  }
  return check;
}

void ReadSourceTree(const std::filesystem::path& Root, std::vector<TSourceFile>& Sources,
                    std::set<std::string>& Paths) {
  static const char* const sourceEnds[] = {".h", ".hpp", ".c", ".cc", ".cpp", ".inc", ".def", ".rc"};
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Root)) {
    if (!entry.is_regular_file()) continue;
    const std::string path = entry.path().lexically_relative(Root).generic_string();
    Paths.insert(path);
    const auto isSource = [&](const char* End) { return EndsWith(path, End); };
    if (std::none_of(std::begin(sourceEnds), std::end(sourceEnds), isSource)) continue;
    std::ifstream stream(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    Sources.push_back({path, text.str()});
  }
  // A stable order: the faults read the same on every run.
  std::sort(Sources.begin(), Sources.end(), [](const TSourceFile& A, const TSourceFile& B) { return A.Path < B.Path; });
}
