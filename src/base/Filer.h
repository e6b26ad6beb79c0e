#pragma once
// TFiler: how an object names the stored properties that are not published properties,
// such as raw bytes a component keeps (a stored skin's zlib data). The form reader asks
// an object's DefineProperties for them; a form writer would ask the same way.

#include <functional>
#include <string>

class TStream;

class TFiler {
public:
  using TStreamProc = std::function<void(TStream& Stream)>;

  virtual ~TFiler() = default;

  // A property stored as raw bytes. ReadData loads them from a stream that holds them
  // all, positioned at its start; WriteData writes them; without HasData a writer
  // leaves the property out.
  virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;
};
