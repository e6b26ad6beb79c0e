#pragma once
// TFiler: how an object names the stored properties that are not published properties,
// such as raw bytes a component keeps (a stored skin's zlib data) or a list of numbers
// (a grid's column widths). The form reader asks an object's DefineProperties for them;
// a form writer would ask the same way. Without HasData a writer leaves a property out.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TStream;

class TFiler {
public:
  using TStreamProc = std::function<void(TStream& Stream)>;
  using TIntegerListReader = std::function<void(const std::vector<int32_t>& Values)>;
  using TIntegerListWriter = std::function<std::vector<int32_t>()>;

  virtual ~TFiler() = default;

  // A property stored as raw bytes. ReadData loads them from a stream that holds them
  // all, positioned at its start; WriteData writes them.
  virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;
  // A property stored as a list of 32-bit integers, in the text form format "(10 20 30)".
  // ReadData takes the list as read; WriteData gives the list to write.
  virtual void DefineIntegerListProperty(const std::string& Name, const TIntegerListReader& ReadData,
                                         const TIntegerListWriter& WriteData, bool HasData) = 0;
};
