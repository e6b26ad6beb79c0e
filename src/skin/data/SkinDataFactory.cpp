#include "SkinDataFactory.h"

#include "SkinBarData.h"
#include "SkinButtonData.h"
#include "SkinEditData.h"
#include "SkinIniCodecs.h"
#include "SkinPanelData.h"
#include "SkinViewData.h"

#include "base/IniFiles.h"
#include "base/StrUtils.h"

#include <array>

namespace {

template <class Base>
struct TSkinDataType {
  const char* Keyword;
  std::unique_ptr<Base> (*Create)(const std::string& AIDName);
};

template <class Base, class C>
std::unique_ptr<Base> Make(const std::string& AIDName) {
  return std::make_unique<C>(AIDName);
}

template <class C>
constexpr TSkinDataType<TspDataSkinControl> Control(const char* keyword) {
  return {keyword, &Make<TspDataSkinControl, C>};
}

template <class C>
constexpr TSkinDataType<TspDataSkinObject> Object(const char* keyword) {
  return {keyword, &Make<TspDataSkinObject, C>};
}

constexpr std::array ControlTypes = {
    Control<TspDataSkinSlider>("slider"),
    Control<TspDataSkinBevel>("bevel"),
    Control<TspDataSkinPanelControl>("panel"),
    Control<TspDataSkinExPanelControl>("expanel"),
    Control<TspDataSkinMenuButtonControl>("menubutton"),
    Control<TspDataSkinButtonControl>("button"),
    Control<TspDataSkinCheckRadioControl>("checkradio"),
    Control<TspDataSkinGaugeControl>("gauge"),
    Control<TspDataSkinSplitterControl>("splitter"),
    Control<TspDataSkinTrackBarControl>("trackbar"),
    Control<TspDataSkinLabelControl>("label"),
    Control<TspDataSkinStdLabelControl>("stdlabel"),
    Control<TspDataSkinBitLabelControl>("bitlabel"),
    Control<TspDataSkinFrameRegulator>("frameregulator"),
    Control<TspDataSkinFrameGauge>("framegauge"),
    Control<TspDataSkinAnimateControl>("animate"),
    Control<TspDataSkinUpDownControl>("updown"),
    Control<TspDataSkinSwitchControl>("switch"),
    Control<TspDataSkinGridControl>("grid"),
    Control<TspDataSkinTabControl>("tab"),
    Control<TspDataSkinMainMenuBar>("mainmenubar"),
    Control<TspDataSkinControlBar>("controlbar"),
    Control<TspDataSkinMemoControl>("memo"),
    Control<TspDataSkinEditControl>("edit"),
    Control<TspDataSkinCheckListBox>("checklistbox"),
    Control<TspDataSkinListBox>("listbox"),
    Control<TspDataSkinComboBox>("combobox"),
    Control<TspDataSkinScrollBarControl>("scrollbar"),
    Control<TspDataSkinSpinEditControl>("spinedit"),
    Control<TspDataSkinScrollBoxControl>("scrollbox"),
    Control<TspDataSkinTreeView>("treeview"),
    Control<TspDataSkinListView>("listview"),
    Control<TspDataSkinRichEdit>("richedit"),
};

constexpr std::array ObjectTypes = {
    Object<TspDataSkinMenuItem>("menuitem"),
    Object<TspDataSkinMainMenuBarItem>("mainmenubaritem"),
    Object<TspDataSkinMainMenuItem>("mainmenuitem"),
    Object<TspDataSkinStdButton>("stdbutton"),
    Object<TspDataSkinMainMenuBarButton>("mainmenubarbutton"),
    Object<TspDataSkinButton>("button"),
    Object<TspDataSkinCaption>("caption"),
    Object<TspDataSkinTrackBar>("trackbar"),
    Object<TspDataSkinGauge>("gauge"),
    Object<TspDataSkinFrameGaugeObject>("framegauge"),
    Object<TspDataSkinFrameRegulatorObject>("frameregulator"),
    Object<TspDataSkinLabel>("label"),
    Object<TspDataSkinBitLabel>("bitlabel"),
    Object<TspDataSkinSwitch>("switch"),
    Object<TspDataSkinAnimate>("animate"),
    Object<TspDataUserObject>("userobject"),
};

template <class Base, size_t N>
std::unique_ptr<Base> CreateFrom(const std::array<TSkinDataType<Base>, N>& types,
                                 const std::string& keyword, const std::string& AIDName) {
  for (const TSkinDataType<Base>& type : types)
    if (keyword == type.Keyword) return type.Create(AIDName);
  return nullptr;
}

template <class Base, size_t N>
std::array<const char*, N> KeywordsOf(const std::array<TSkinDataType<Base>, N>& types) {
  std::array<const char*, N> keywords{};
  for (size_t i = 0; i < N; ++i) keywords[i] = types[i].Keyword;
  return keywords;
}

template <class Entry>
void LoadEntries(TCustomIniFile& IniFile, const std::string& Section,
                 std::unique_ptr<Entry> (*Create)(const std::string&, const std::string&),
                 std::vector<std::unique_ptr<Entry>>& List) {
  const int32_t count = ReadSkinListCount(IniFile, Section, "count");
  for (int32_t i = 0; i < count; ++i) {
    std::string name, keyword;
    SplitSkinEntry(IniFile.ReadString(Section, IntToStr(i), ""), name, keyword);
    if (std::unique_ptr<Entry> entry = Create(keyword, name)) {
      List.push_back(std::move(entry));
      List.back()->LoadFromFile(IniFile);
    }
  }
}

}  // namespace

std::unique_ptr<TspDataSkinControl> CreateSkinControlData(const std::string& Keyword,
                                                          const std::string& AIDName) {
  return CreateFrom(ControlTypes, Keyword, AIDName);
}

std::unique_ptr<TspDataSkinObject> CreateSkinObjectData(const std::string& Keyword,
                                                        const std::string& AIDName) {
  return CreateFrom(ObjectTypes, Keyword, AIDName);
}

std::span<const char* const> SkinControlTypeKeywords() {
  static const auto keywords = KeywordsOf(ControlTypes);
  return keywords;
}

std::span<const char* const> SkinObjectTypeKeywords() {
  static const auto keywords = KeywordsOf(ObjectTypes);
  return keywords;
}

void LoadSkinObjectList(TCustomIniFile& IniFile, std::vector<std::unique_ptr<TspDataSkinObject>>& List) {
  LoadEntries(IniFile, "SKINOBJECTS", &CreateSkinObjectData, List);
}

void LoadSkinControlList(TCustomIniFile& IniFile, std::vector<std::unique_ptr<TspDataSkinControl>>& List) {
  LoadEntries(IniFile, "SKINCONTROLS", &CreateSkinControlData, List);
}
