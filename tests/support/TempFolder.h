#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <string>

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path with a trailing "\".
  const std::string& Path() const { return FPath; }
  std::string operator/(const std::string& name) const { return FPath + name; }

  // Writes bytes to a file in the folder and returns its path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;
  // Reads a file whoever else holds it open.
  std::string ReadFile(const std::string& name) const;

private:
  std::string FPath;
};

// The bytes of any file, whoever else holds it open.
std::string ReadFileBytes(const std::string& path);

// Removes a folder and its contents.
void RemoveTree(const std::string& folder);
