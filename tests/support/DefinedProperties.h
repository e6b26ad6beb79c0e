#pragma once
// The binary properties an object defines through DefineProperties, by name, so that a
// test can read and write them as a form reader or writer would.

#include "base/Filer.h"
#include "base/Persistent.h"

#include <map>
#include <string>

struct TDefinedBinaryProperty {
  TFiler::TStreamProc ReadData;
  TFiler::TStreamProc WriteData;
  bool HasData = false;
};

inline std::map<std::string, TDefinedBinaryProperty> DefinedBinaryProperties(TPersistent& Object) {
  class TRecordingFiler : public TFiler {
  public:
    void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                              bool HasData) override {
      Defined[Name] = {ReadData, WriteData, HasData};
    }
    std::map<std::string, TDefinedBinaryProperty> Defined;
  } filer;
  Object.DefineProperties(filer);
  return filer.Defined;
}
