#include "Exceptions.h"

#include "FileUtils.h"

#include <limits>

void RaiseLastOSError() { RaiseLastOSError(GetLastOSError()); }

void RaiseLastOSError(uint32_t errorCode) {
  if (errorCode == 0)
    throw EOSError("A call to an OS function failed", 0);
  throw EOSError("System Error.  Code: " + std::to_string(errorCode) + ".\r\n" +
                     SysErrorMessage(errorCode),
                 errorCode);
}

void CheckRange(int64_t index, int64_t count) {
  if (index < 0 || index >= count)
    throw ERangeError("Range check error");
}

void ListIndexError(int64_t index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

int32_t CheckedInt32(int64_t value) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    throw EIntOverflow("Integer overflow");
  return static_cast<int32_t>(value);
}
