#include "Clipboard.h"

#include "Application.h"

#include "base/Exceptions.h"
#include "base/ScopeExit.h"

#include <cstring>

namespace {

// Holds the clipboard open for the scope's life.
class TOpenClipboard {
public:
  TOpenClipboard() {
    if (!OpenClipboard(Application->Handle())) throw EInvalidOperation("Cannot open clipboard");
  }
  ~TOpenClipboard() { CloseClipboard(); }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
};

// Locks a global memory block for the scope's life.
class TGlobalLock {
public:
  explicit TGlobalLock(HGLOBAL memory) : FMemory(memory), FData(GlobalLock(memory)) {}
  ~TGlobalLock() {
    if (FData != nullptr) GlobalUnlock(FMemory);
  }
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;
  void* Data() const { return FData; }

private:
  HGLOBAL FMemory;
  void* FData;
};

}  // namespace

bool TClipboard::HasFormat(UINT Format) const { return IsClipboardFormatAvailable(Format) != FALSE; }

std::string TClipboard::AsText() const {
  TOpenClipboard open;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data == nullptr) return {};
  TGlobalLock lock(data);
  const auto* text = static_cast<const char*>(lock.Data());
  if (text == nullptr) return {};
  // The block may be larger than its text, or (from a careless owner) lack the end mark.
  const size_t size = GlobalSize(data);
  return std::string(text, strnlen(text, size));
}

void TClipboard::SetAsText(const std::string& Value) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, Value.size() + 1);
  if (memory == nullptr) throw EOutOfResources("Out of system resources");
  {
    TGlobalLock lock(memory);
    if (lock.Data() == nullptr) {
      GlobalFree(memory);
      throw EOutOfResources("Out of system resources");
    }
    std::memcpy(lock.Data(), Value.c_str(), Value.size() + 1);
  }
  TScopeFail freeMemory([&] { GlobalFree(memory); });  // the clipboard did not take it
  TOpenClipboard open;
  EmptyClipboard();
  if (SetClipboardData(CF_TEXT, memory) == nullptr) RaiseLastOSError();
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}
