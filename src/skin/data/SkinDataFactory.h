#pragma once
// The type keywords of the SKINCONTROLS and SKINOBJECTS lists and the skin data class
// each names. The two lists share some keywords; a keyword means the class of its own
// list. Keywords compare exactly and case-sensitively.

#include "SkinControlData.h"
#include "SkinObjectData.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

class TCustomIniFile;

// Null for a keyword that names no control class.
std::unique_ptr<TspDataSkinControl> CreateSkinControlData(const std::string& Keyword,
                                                          const std::string& AIDName);
// Null for a keyword that names no object class.
std::unique_ptr<TspDataSkinObject> CreateSkinObjectData(const std::string& Keyword,
                                                        const std::string& AIDName);

std::span<const char* const> SkinControlTypeKeywords();
std::span<const char* const> SkinObjectTypeKeywords();

// Reads the list section SKINOBJECTS or SKINCONTROLS: each entry "IDName:keyword" whose
// keyword names a class of the list is appended to List as an entry of that class, which
// then reads its own section. Entries of unknown keywords are skipped.
void LoadSkinObjectList(TCustomIniFile& IniFile, std::vector<std::unique_ptr<TspDataSkinObject>>& List);
void LoadSkinControlList(TCustomIniFile& IniFile, std::vector<std::unique_ptr<TspDataSkinControl>>& List);
