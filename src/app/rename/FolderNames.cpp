#include "FolderNames.h"

#include "base/FileUtils.h"
#include "base/Locale.h"
#include "base/StrUtils.h"

#include <utility>

TFolderNames::TFolderNames(std::string folder, std::string extension, size_t maxPath)
    : FFolder(std::move(folder)), FExtension(std::move(extension)), FMaxPath(maxPath) {}

void TFolderNames::ListOnce() {
  // What the listing misses (a file another program makes meanwhile, a short name) the
  // caller's existence check of the chosen name still finds.
  if (FListed) return;
  FListed = true;
  TSearchRec found;
  for (int more = FindFirst(FFolder + "*", faAnyFile, found); more == 0; more = FindNext(found))
    FNames.insert(AnsiLowerCase(found.Name));
  FindClose(found);
}

bool TFolderNames::Taken(const std::string& name) const {
  return FNames.count(AnsiLowerCase(name + "." + FExtension)) != 0;
}

std::string TFolderNames::FreeNumberedName(const std::string& base, int64_t& number,
                                           const std::string& ownFileName, std::string& lastTaken) {
  ListOnce();
  const std::string key = AnsiLowerCase(base);
  const std::string own = AnsiLowerCase(ownFileName);
  const auto known = FTakenRuns.find(key);
  int64_t from = number;
  // The file being renamed may be one of the numbers known taken: then look at each.
  const bool ownNumbered = own.compare(0, key.size(), key) == 0;
  if (known != FTakenRuns.end() && !ownNumbered && known->second.From <= number &&
      number <= known->second.To) {
    from = known->second.From;
    if (number < known->second.To) {
      number = known->second.To;
      lastTaken = base + IntToStr(number - 1);
    }
  }
  for (;; ++number) {
    const std::string name = base + IntToStr(number);
    if (FFolder.size() + name.size() + 1 + FExtension.size() >= FMaxPath) return name;
    if (!Taken(name) || AnsiLowerCase(name + "." + FExtension) == own) {
      FTakenRuns[key] = {from, number};
      return base + IntToStr(number++);
    }
    lastTaken = name;
  }
}

void TFolderNames::Added(const std::string& fileName) {
  if (FListed) FNames.insert(AnsiLowerCase(fileName));
}

void TFolderNames::Removed(const std::string& fileName) {
  if (!FListed) return;
  const std::string name = AnsiLowerCase(fileName);
  FNames.erase(name);
  // Whatever base this name numbered ("song12": "song1" and 2, or "song" and 12) no
  // longer has all its numbers taken.
  const std::string stem = ChangeFileExt(name, "");
  for (size_t digits = stem.size(); digits > 0 && stem[digits - 1] >= '0' && stem[digits - 1] <= '9'; --digits)
    FTakenRuns.erase(stem.substr(0, digits - 1));
}
