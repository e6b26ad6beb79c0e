#pragma once
// The properties an object defines through DefineProperties, by name, so that a test can
// read and write them as a form reader or writer would.

#include "base/Filer.h"
#include "base/Persistent.h"

#include <map>
#include <string>

struct TDefinedBinaryProperty {
  TFiler::TStreamProc ReadData;
  TFiler::TStreamProc WriteData;
  bool HasData = false;
};

struct TDefinedIntegerListProperty {
  TFiler::TIntegerListReader ReadData;
  TFiler::TIntegerListWriter WriteData;
  bool HasData = false;
};

// Every property Object defines, by kind.
struct TDefinedProperties {
  std::map<std::string, TDefinedBinaryProperty> Binary;
  std::map<std::string, TDefinedIntegerListProperty> IntegerLists;
};

inline TDefinedProperties DefinedProperties(TPersistent& Object) {
  class TRecordingFiler : public TFiler {
  public:
    void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                              bool HasData) override {
      Defined.Binary[Name] = {ReadData, WriteData, HasData};
    }
    void DefineIntegerListProperty(const std::string& Name, const TIntegerListReader& ReadData,
                                   const TIntegerListWriter& WriteData, bool HasData) override {
      Defined.IntegerLists[Name] = {ReadData, WriteData, HasData};
    }
    TDefinedProperties Defined;
  } filer;
  Object.DefineProperties(filer);
  return filer.Defined;
}

inline std::map<std::string, TDefinedBinaryProperty> DefinedBinaryProperties(TPersistent& Object) {
  return DefinedProperties(Object).Binary;
}
