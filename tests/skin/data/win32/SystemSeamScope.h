#pragma once
// Sets the Windows version and the work area the skin library sees for a test's
// lifetime, and puts the real ones back afterwards.

#include "classlib/SystemSeams.h"

class TSystemSeams {
public:
  TSystemSeams() : FVersion(Seams::WindowsVersion), FWorkArea(Seams::WorkArea) {}
  ~TSystemSeams() {
    Seams::WindowsVersion = FVersion;
    Seams::WorkArea = FWorkArea;
  }
  TSystemSeams(const TSystemSeams&) = delete;
  TSystemSeams& operator=(const TSystemSeams&) = delete;
  static void SetVersion(int Major, int Minor, bool NT = true) {
    Version = static_cast<DWORD>(Major | (Minor << 8)) | (NT ? 0 : 0x80000000u);
    Seams::WindowsVersion = [] { return Version; };
  }
  static void SetWorkArea(const TRect& R) {
    WorkArea = R;
    Seams::WorkArea = [] { return WorkArea; };
  }

private:
  static inline DWORD Version = 0;
  static inline TRect WorkArea;
  DWORD (*FVersion)();
  TRect (*FWorkArea)();
};
