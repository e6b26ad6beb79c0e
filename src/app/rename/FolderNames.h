#pragma once
// The names of the working folder as one rename run sees them, for "Add a number": listed
// once when first needed, kept current by the run's own moves, and for each numbering
// base the numbers already found taken, so that n files given one name cost n steps, not
// one existence check per candidate (n * n / 2 of them).

#include <cstdint>
#include <map>
#include <set>
#include <string>

class TFolderNames {
public:
  // folder ends with its separator; a path must stay below maxPath characters.
  TFolderNames(std::string folder, std::string extension, size_t maxPath);

  // base + the first number from number on whose file (base + number + "." + extension)
  // the folder does not hold, or that is ownFileName (the file being renamed); number
  // goes past it. A name whose path would reach maxPath ends the search: each later
  // number is as long or longer. lastTaken: the last name passed over, or empty.
  std::string FreeNumberedName(const std::string& base, int64_t& number,
                               const std::string& ownFileName, std::string& lastTaken);
  // A file (name with extension) came or went by the run's own doing.
  void Added(const std::string& fileName);
  void Removed(const std::string& fileName);

private:
  void ListOnce();
  bool Taken(const std::string& name) const;

  // Numbers From to To - 1 of one base are known taken.
  struct TTakenRun {
    int64_t From;
    int64_t To;
  };

  std::string FFolder;
  std::string FExtension;
  size_t FMaxPath;
  bool FListed = false;
  std::set<std::string> FNames;                // lower case
  std::map<std::string, TTakenRun> FTakenRuns;  // by lower-case base
};
