#include "SkinBuilder.h"

#include "SkinEntryList.h"

#include "skin/data/SkinDataFactory.h"
#include "skin/data/SkinIniCodecs.h"

#include "base/BmpCodec.h"
#include "base/Exceptions.h"
#include "base/IniFiles.h"
#include "base/StrUtils.h"
#include "base/Streams.h"

#include <algorithm>

namespace {

void WritePictureFile(const TPixelImage& Image, const std::string& FileName, bool IsMask) {
  TFileStream file(FileName, fmCreate);
  if (IsMask)
    WriteMaskBmp(Image, file);
  else
    WriteBmp(Image, file);
}

// The list section: "count", then "IDName:keyword" under "0" .. "count - 1".
void WriteList(TCustomIniFile& Ini, const std::string& Section,
               const std::vector<std::string>& Entries) {
  Ini.WriteInteger(Section, "count", static_cast<int32_t>(Entries.size()));
  for (size_t i = 0; i < Entries.size(); ++i)
    Ini.WriteString(Section, IntToStr(static_cast<int64_t>(i)), Entries[i]);
}

// The entries in list order: those named in Required first, in its order, then the rest.
template <class Entry>
std::vector<const Entry*> ListOrder(const std::vector<Entry>& Entries,
                                    std::span<const TSkinEntryName> Required) {
  std::vector<const Entry*> order;
  for (const TSkinEntryName& name : Required)
    for (const Entry& e : Entries)
      if (e.Data->IDName == name.IDName && e.Keyword == name.Keyword) order.push_back(&e);
  for (const Entry& e : Entries)
    if (std::find(order.begin(), order.end(), &e) == order.end()) order.push_back(&e);
  return order;
}

template <class Entry>
std::vector<std::string> ListLines(const std::vector<const Entry*>& Order) {
  std::vector<std::string> lines;
  for (const Entry* e : Order) lines.push_back(e->Data->IDName + ":" + e->Keyword);
  return lines;
}

}  // namespace

TSkinBuilder::TSkinBuilder(std::string SkinName, std::string Comments)
    : FSkinName(std::move(SkinName)), FComments(std::move(Comments)) {
  Colors.SetDefault();
}

int TSkinBuilder::AddAtlas(const std::string& FileName, int32_t Width, TColor Background) {
  FActive.push_back({FileName, std::make_unique<TPictureAtlas>(Width, Background), {}, false});
  return ActivePictureCount() - 1;
}

TPictureAtlas& TSkinBuilder::Atlas(int Index) {
  CheckRange(Index, ActivePictureCount());
  if (!FActive[static_cast<size_t>(Index)].Atlas)
    throw Exception("Picture " + IntToStr(Index) + " is no atlas");
  return *FActive[static_cast<size_t>(Index)].Atlas;
}

int TSkinBuilder::AddPicture(const std::string& FileName, TPixelImage Picture, bool IsMask) {
  FActive.push_back({FileName, nullptr, std::move(Picture), IsMask});
  return ActivePictureCount() - 1;
}

std::unique_ptr<TspDataSkinControl> TSkinBuilder::CreateControl(const std::string& IDName,
                                                                const std::string& Keyword) {
  return CreateSkinControlData(Keyword, IDName);
}

std::unique_ptr<TspDataSkinObject> TSkinBuilder::CreateObject(const std::string& IDName,
                                                              const std::string& Keyword) {
  return CreateSkinObjectData(Keyword, IDName);
}

void TSkinBuilder::NoSuchEntry(const std::string& IDName) {
  throw Exception("The skin has no entry \"" + IDName + "\" of that class");
}

void TSkinBuilder::RemoveEntry(const std::string& IDName) {
  std::erase_if(FObjects, [&](const auto& e) { return e.Data->IDName == IDName; });
  std::erase_if(FControls, [&](const auto& e) { return e.Data->IDName == IDName; });
}

void TSkinBuilder::WrongKeyword(const std::string& Keyword) {
  throw Exception("The type keyword \"" + Keyword + "\" names another skin data class");
}

std::string TSkinBuilder::WriteFolder(const std::string& Folder) const {
  TMemIniFile ini;
  ini.WriteString("VERSION", "skinname", FSkinName);
  ini.WriteString("VERSION", "skinauthor", "Velorandquistmar");
  ini.WriteString("VERSION", "authoremail", "");
  ini.WriteString("VERSION", "authorurl", "");
  ini.WriteString("VERSION", "skincomments", FComments);
  ini.WriteInteger("VERSION", "ver", 2);

  struct TFramePicture {
    const char* Key;
    const char* FileName;
    const TPixelImage& Image;
    bool IsMask;
  };
  const TFramePicture frames[] = {{"picture", "frame.bmp", FFrame, false},
                                  {"inactivepicture", "frameinactive.bmp", FInactiveFrame, false},
                                  {"mask", "mask.bmp", FMask, true},
                                  {"rolluppicture", "rollup.bmp", FRollUp, false},
                                  {"rollupmask", "rollupmask.bmp", FRollUpMask, true}};
  for (const TFramePicture& frame : frames) {
    const bool present = !frame.Image.Empty();
    ini.WriteString("PICTURES", frame.Key, present ? frame.FileName : "");
    if (present) WritePictureFile(frame.Image, Folder + frame.FileName, frame.IsMask);
  }
  ini.WriteInteger("PICTURES", "activepicturescount", ActivePictureCount());
  for (int i = 0; i < ActivePictureCount(); ++i) {
    const TActivePicture& active = FActive[static_cast<size_t>(i)];
    ini.WriteString("PICTURES", IntToStr(i), active.FileName);
    WritePictureFile(active.Atlas ? active.Atlas->Picture() : active.Image,
                     Folder + active.FileName, active.IsMask);
  }
  ini.WriteInteger("CURSORS", "count", 0);

  WriteSkinKeys(ini, "FORMINFO", FormInfo, SkinFormInfoKeys());
  if (PopupWindow) WriteSkinKeys(ini, "POPUPWINDOW", *PopupWindow, TspDataSkinPopupWindow::Keys());
  if (HintWindow) WriteSkinKeys(ini, "HINTWINDOW", *HintWindow, TspDataSkinHintWindow::Keys());
  WriteSkinKeys(ini, "SKINCOLORS", Colors, TspSkinColors::Keys());

  std::vector<std::string> areas;
  for (const auto& [name, rect] : Areas)
    areas.push_back(name + ":" + IntToStr(rect.Left) + "," + IntToStr(rect.Top) + "," +
                    IntToStr(rect.Right) + "," + IntToStr(rect.Bottom));
  WriteList(ini, "SKINAREAS", areas);
  const auto objects = ListOrder(FObjects, RequiredSkinObjects());
  const auto controls = ListOrder(FControls, RequiredSkinControls());
  WriteList(ini, "SKINOBJECTS", ListLines(objects));
  WriteList(ini, "SKINCONTROLS", ListLines(controls));
  for (const auto* e : objects) e->Data->SaveToFile(ini);
  for (const auto* e : controls) e->Data->SaveToFile(ini);

  TStringList lines;
  ini.GetStrings(lines);
  const std::string iniName = Folder + "skin.ini";
  lines.SaveToFile(iniName);
  return iniName;
}
