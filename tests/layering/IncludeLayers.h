#pragma once
// The layer table of src/ (src/layers.txt) and the check of every #include under src/
// against it: an include points into the file's own folder or one the folder reaches
// downwards, and a portable file includes no Windows header.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

class TLayerTable {
public:
  // Reads the table's text; every fault of the table itself (an unknown kind or folder,
  // a folder twice, a portable folder using a Windows-only one, a portable/ folder that
  // is not portable or a win32/ one that is, a cycle) goes into Errors as one line.
  static TLayerTable Parse(const std::string& Text, std::vector<std::string>& Errors);

  bool Knows(const std::string& Folder) const { return FLayers.contains(Folder); }
  bool Portable(const std::string& Folder) const;
  // Folder is From itself or one From reaches through its uses.
  bool MayInclude(const std::string& From, const std::string& Folder) const;
  // A header of the Windows SDK, by the name an include gives.
  bool WindowsHeader(const std::string& Name) const;

private:
  struct TLayer {
    bool Portable = true;
    std::vector<std::string> Uses;
    int Line = 0;
  };
  void CheckUses(std::vector<std::string>& Errors) const;
  // Fills FBelow; a folder that reaches itself is a cycle.
  void FindReach(std::vector<std::string>& Errors);

  std::map<std::string, TLayer> FLayers;
  std::map<std::string, std::set<std::string>> FBelow;  // every folder each one reaches
  std::set<std::string> FWindowsHeaders;                 // lower case
};

// A file of the tree, its path relative to src/ with "/" between folders.
struct TSourceFile {
  std::string Path;
  std::string Text;
};

struct TIncludeCheck {
  int Includes = 0;                 // the includes looked at
  std::vector<std::string> Faults;  // "src/<file>:<line>: <what is wrong>"
};

// Checks the includes of every source file. Paths names every file of the tree (sources
// or not): an include is taken from the including file's folder, else from src/, and
// one found in neither (a system or generated header) only counts if it is a Windows
// header. A folder holding sources that the table does not know is a fault of its own.
TIncludeCheck CheckIncludes(const TLayerTable& Table, const std::vector<TSourceFile>& Sources,
                            const std::set<std::string>& Paths);

// The tree under Root: the text of every source file (C and C++ sources and headers,
// resource scripts, included tables) and the paths of all files.
void ReadSourceTree(const std::filesystem::path& Root, std::vector<TSourceFile>& Sources,
                    std::set<std::string>& Paths);
