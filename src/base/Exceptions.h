#pragma once
// The exception families of the runtime. Every exception carries an ANSI message.

#include <cstdint>
#include <exception>
#include <string>

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

private:
  std::string FMessage;
};

#define VQ_DECLARE_EXCEPTION(Name, Base)                                                        \
  class Name : public Base {                                                                    \
  public:                                                                                       \
    using Base::Base;                                                                           \
  }

VQ_DECLARE_EXCEPTION(EConvertError, Exception);
VQ_DECLARE_EXCEPTION(EStreamError, Exception);
VQ_DECLARE_EXCEPTION(EReadError, EStreamError);
VQ_DECLARE_EXCEPTION(EWriteError, EStreamError);
VQ_DECLARE_EXCEPTION(EFOpenError, EStreamError);
VQ_DECLARE_EXCEPTION(EFCreateError, EStreamError);
VQ_DECLARE_EXCEPTION(EListError, Exception);
VQ_DECLARE_EXCEPTION(EStringListError, EListError);
VQ_DECLARE_EXCEPTION(ERangeError, Exception);
VQ_DECLARE_EXCEPTION(EIntOverflow, Exception);
VQ_DECLARE_EXCEPTION(EDivByZero, Exception);
VQ_DECLARE_EXCEPTION(EInOutError, Exception);
VQ_DECLARE_EXCEPTION(EAbstractError, Exception);
VQ_DECLARE_EXCEPTION(EIniFileException, Exception);
VQ_DECLARE_EXCEPTION(EInvalidOperation, Exception);
VQ_DECLARE_EXCEPTION(EComponentError, Exception);
VQ_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
VQ_DECLARE_EXCEPTION(EOutOfResources, Exception);
VQ_DECLARE_EXCEPTION(EParserError, Exception);
VQ_DECLARE_EXCEPTION(ERegistryException, Exception);

class EOSError : public Exception {
public:
  EOSError(std::string message, uint32_t errorCode)
      : Exception(std::move(message)), FErrorCode(errorCode) {}
  uint32_t ErrorCode() const { return FErrorCode; }

private:
  uint32_t FErrorCode;
};

// Raises EOSError for the calling thread's last operating-system error.
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseLastOSError(uint32_t errorCode);

// Raises ERangeError unless 0 <= index < count (the checked-index rule of the tag and
// application code).
void CheckRange(int64_t index, int64_t count);
// Raises EListError: "List index out of bounds (index)".
[[noreturn]] void ListIndexError(int64_t index);
// Raises that error unless 0 <= index < count; an insert position passes count + 1.
// Inline, so that the compiler sees that a bad index never reaches the access after it.
inline void CheckListIndex(int64_t index, int64_t count) {
  if (index < 0 || index >= count) ListIndexError(index);
}
// Narrows a 64-bit result to 32 bits, raising EIntOverflow when it does not fit.
int32_t CheckedInt32(int64_t value);
