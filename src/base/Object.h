#pragma once
// Root of the class hierarchy: a virtual destructor and the class's own name.

#include <string>

class TObject {
public:
  virtual ~TObject() = default;
  // The dynamic class name ("TStringList"), used in messages and by the form reader.
  std::string ClassName() const;
};
