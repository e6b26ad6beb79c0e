// Every skin data class and section against its key list: the keys it writes, the
// values it loads for absent keys, which field each key fills, round trips, and key
// names matched without regard to case. The key lists below are written from the skin
// format, apart from the code, so a wrong key name, kind or absent value shows up here.
// The rules beyond the key lists follow them.
#include "skin/data/SkinBarData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinDataFactory.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinViewData.h"
#include "skin/data/SkinWindowData.h"

#include "Differences.h"
#include "SkinIniText.h"

#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <typeindex>
#include <vector>

namespace {

// A key list is a blank-separated list of key:kind[=absent], where kind is
//   i integer or colour (absent 0), t text (absent empty), b boolean, r rectangle,
//   p point, f font styles, a alignment, L text lines, and st, mk, fp, rk, gk, cm, ie
//   for the keyword enumerations (absent: their first keyword, "cmdefault" for cm).
// A "!" after the kind marks a key that is written but whose value loading ignores;
// "~other" marks an absent value that follows the key other.
struct TKeySpec {
  std::string Key;
  std::string Kind;
  std::string Absent;
  bool Ignored = false;
  std::string FollowedKey;
};

const std::string ControlKeys =
    "pictureindex:i=-1 maskpictureindex:i=-1 cursorindex:i=-1 skinrect:r";
const std::string GeometryKeys =
    " lefttoppoint:p righttoppoint:p leftbottompoint:p rightbottompoint:p clientrect:r";
const std::string CustomKeys = ControlKeys + GeometryKeys +
                               " leftstretch:b topstretch:b rightstretch:b bottomstretch:b"
                               " stretcheffect:b stretchtype:st";
const std::string FrameKeys = ControlKeys + " framescount:i=1 framesplacement:fp";
const std::string FontKeys = " fontname:t=Arial fontheight:i=14 fontstyle:f fontcolor:i";
const std::string CornerKeys = " lefttoppoint:p righttoppoint:p leftbottompoint:p rightbottompoint:p";
const std::string StretchKeys =
    " leftstretch:b rightstretch:b topstretch:b bottomstretch:b stretcheffect:b stretchtype:st";
const std::string ButtonKeys =
    CustomKeys + FontKeys +
    " activefontcolor:i disabledfontcolor:i downfontcolor:i morphing:b morphkind:mk"
    " activeskinrect:r downskinrect:r focusedskinrect:r disabledskinrect:r animateskinrect:r"
    " framecount:i animateinterval:i=25 showfocus:b menumarkerflatrect:r menumarkerrect:r"
    " menumarkeractiverect:r menumarkerdownrect:r menumarkertransparentcolor:i";
const std::string EditKeys = CustomKeys + FontKeys +
                             " activeskinrect:r disabledskinrect:r disabledfontcolor:i"
                             " activefontcolor:i buttonrect:r activebuttonrect:r"
                             " downbuttonrect:r unenabledbuttonrect:r";
const std::string UpDownButtonKeys =
    " upbuttonrect:r activeupbuttonrect:r downupbuttonrect:r downbuttonrect:r"
    " activedownbuttonrect:r downdownbuttonrect:r";
const std::string ListBoxKeys =
    CustomKeys + FontKeys + UpDownButtonKeys +
    " itemrect:r activeitemrect:r focusitemrect:r itemleftoffset:i itemrightoffset:i"
    " itemtextrect:r activefontcolor:i focusfontcolor:i captionrect:r"
    " captionfontname:t=Arial captionfontheight:i=14 captionfontstyle:f captionfontcolor:i"
    " checkbuttonrect:r activecheckbuttonrect:r downcheckbuttonrect:r"
    " vscrollbarname:t=vscrollbar hscrollbarname:t=hscrollbar"
    " bothhscrollbarname:t=bothhscrollbar showfocus:b";
const std::string ViewKeys = ControlKeys + FontKeys + " bgcolor:i";

const std::string ObjectKeys =
    "hint:t rollup:b activepictureindex:i=-1 skinrectinapicture:b cursorindex:i=-1"
    " skinrect:r activeskinrect:r inactiveskinrect:r morphing:b morphkind:mk";
const std::string StillObjectKeys =  // objects that never morph
    "hint:t rollup:b activepictureindex:i=-1 skinrectinapicture:b cursorindex:i=-1"
    " skinrect:r activeskinrect:r inactiveskinrect:r morphing:b! morphkind:mk";
const std::string FrameStripKeys = " minvalue:i maxvalue:i countframes:i framesplacement:fp";
const std::string ButtonObjectKeys = ObjectKeys + " groupindex:i=-1 downrect:r disableskinrsect:r";
const std::string StdButtonKeys = ButtonObjectKeys +
                                  " command:cm restorerect:r restoreactiverect:r"
                                  " restoredownrect:r restoreinactiverect:r";
const std::string MainMenuItemKeys =
    ObjectKeys + FontKeys +
    " downrect:r activefontcolor:i downfontcolor:i unenabledfontColor:i textrect:r"
    " itemleftoffset:i itemrightoffset:i stretcheffect:b animateskinrect:r framecount:i"
    " animateinterval:i=25 inactiveanimation:b";

// Loads an object from the section of the INI file, then saves it there.
using TLoadThenSave = std::function<void(TCustomIniFile&, const std::string&)>;

// The class the skin text's type keyword makes (an entry class only).
using TMadeClass = std::function<std::type_index(const std::string& Keyword)>;

struct TClassSpec {
  std::string Name;
  std::string Keys;
  std::string Section;
  TLoadThenSave LoadThenSave;
  std::type_index Class = typeid(void);
  TMadeClass MadeClass;
};

void PrintTo(const TClassSpec& spec, std::ostream* out) { *out << spec.Name; }

// An entry class: the section is the object's IDName.
template <class C, class Base, class Create>
TClassSpec Spec(const std::string& name, const std::string& keys, Create create) {
  return {name, keys, "Entry",
          [](TCustomIniFile& ini, const std::string& id) {
            C object(id);
            Base& base = object;
            base.LoadFromFile(ini);
            base.SaveToFile(ini);
          },
          typeid(C), [create](const std::string& keyword) -> std::type_index {
            const auto made = create(keyword, "Entry");
            if (made == nullptr) return typeid(void);
            return typeid(*made);
          }};
}

// A section of its own, which only a tool that writes skins writes: through the key table.
template <class C, class Load>
TClassSpec Section(const std::string& name, const std::string& section, const std::string& keys,
                   TSkinKeyTable<C> table, Load load) {
  return {name, keys, section, [=](TCustomIniFile& ini, const std::string& section) {
            C object;
            load(ini, object);
            ini.EraseSection(section);
            WriteSkinKeys(ini, section, object, table);
          }, typeid(C), nullptr};
}

template <class C>
TClassSpec Section(const std::string& name, const std::string& section, const std::string& keys) {
  return Section<C>(name, section, keys, C::Keys(), [](TCustomIniFile& ini, C& object) { object.LoadFromFile(ini); });
}

template <class C>
TClassSpec Control(const std::string& name, const std::string& keys) {
  return Spec<C, TspDataSkinControl>(name, keys, CreateSkinControlData);
}

template <class C>
TClassSpec Object(const std::string& name, const std::string& keys) {
  return Spec<C, TspDataSkinObject>(name, keys, CreateSkinObjectData);
}

std::string IgnoreGeometry(std::string keys) {  // the up-down entry drops its geometry
  for (const char* key : {"lefttoppoint:p", "righttoppoint:p", "leftbottompoint:p",
                          "rightbottompoint:p", "clientrect:r"}) {
    size_t at = keys.find(key);
    keys.insert(at + std::string(key).size(), "!");
  }
  return keys;
}

const std::vector<TClassSpec>& ClassSpecs() {
  static const std::vector<TClassSpec> specs = {
      Control<TspDataSkinControl>("control", ControlKeys),
      Control<TspDataSkinCustomControl>("customcontrol", CustomKeys),
      Control<TspDataSkinFrameControl>("framecontrol", FrameKeys),
      Control<TspDataSkinFrameGauge>("framegauge", FrameKeys),
      Control<TspDataSkinAnimateControl>("animate", FrameKeys),
      Control<TspDataSkinSwitchControl>("switch", FrameKeys),
      Control<TspDataSkinFrameRegulator>("frameregulator", FrameKeys + " kind:rk"),
      Control<TspDataSkinButtonControl>("button", ButtonKeys),
      Control<TspDataSkinMenuButtonControl>("menubutton", ButtonKeys + " trackbuttonrect:r"),
      Control<TspDataSkinCheckRadioControl>(
          "checkradio",
          CustomKeys + FontKeys +
              " activefontcolor:i unenabledfontcolor:i framefontcolor:i morphing:b"
              " morphkind:mk activeskinrect:r checkimagearea:r textarea:r checkimagerect:r"
              " grayedcheckimagerect:r uncheckimagerect:r activecheckimagerect:r"
              " activegrayedcheckimagerect:r activeuncheckimagerect:r"
              " unenabledcheckimagerect:r unenabledgrayedcheckimagerect:r"
              " unenableduncheckimagerect:r"),
      Control<TspDataSkinEditControl>("edit", EditKeys),
      Control<TspDataSkinMemoControl>("memo", EditKeys + " bgcolor:i activebgcolor:i"),
      Control<TspDataSkinListBox>("listbox", ListBoxKeys),
      Control<TspDataSkinCheckListBox>(
          "checklistbox", ListBoxKeys + " checkimagerect:r itemcheckrect:r uncheckimagerect:r"),
      Control<TspDataSkinComboBox>(
          "combobox", CustomKeys + FontKeys +
                          " activeskinrect:r disabledskinrect:r itemrect:r activeitemrect:r"
                          " focusitemrect:r itemleftoffset:i itemrightoffset:i itemtextrect:r"
                          " focusfontcolor:i activefontcolor:i listboxname:t buttonrect:r"
                          " activebuttonrect:r downbuttonrect:r unenabledbuttonrect:r"
                          " itemstretcheffect:b focusitemstretcheffect:b showfocus:b"),
      Control<TspDataSkinSpinEditControl>(
          "spinedit", CustomKeys + FontKeys + UpDownButtonKeys +
                          " activeskinrect:r activefontcolor:i disabledfontcolor:i"),
      Control<TspDataSkinScrollBarControl>(
          "scrollbar", CustomKeys + UpDownButtonKeys +
                           " trackarea:r thumbrect:r activethumbrect:r downthumbrect:r"
                           " thumboffset1:i thumboffset2:i thumbtransparent:b"
                           " thumbtransparentcolor:i thumbstretcheffect:b thumbminsize:i"
                           " thumbminpagesize:i glyphrect:r activeglyphrect:r downglyphrect:r"
                           " glyphtransparent:b glyphtransparentcolor:i"),
      Control<TspDataSkinTrackBarControl>(
          "trackbar", CustomKeys + " activeskinrect:r trackarea:r buttonrect:r"
                                   " activebuttonrect:r vertical:b buttontransparent:b"
                                   " buttontransparentcolor:i"),
      Control<TspDataSkinGaugeControl>(
          "gauge", CustomKeys + FontKeys +
                       " progressarea:r progressrect:r beginoffset:i endoffset:i vertical:b"
                       " progresstransparent:b progresstransparentcolor:i progressstretch:b"
                       " animationskinrect:r animationcountframes:i animationtimerinterval:i"
                       " progressanimationskinrect:r progressanimationcountframes:i"
                       " progressanimationtimerinterval:i animationbeginoffset:i"
                       " animationendoffset:i"),
      Control<TspDataSkinUpDownControl>("updown",
                                        IgnoreGeometry(CustomKeys) + UpDownButtonKeys),
      Control<TspDataSkinSplitterControl>(
          "splitter", CustomKeys + " gripperrect:r grippertransparent:b"
                                   " grippertransparentcolor:i"),
      Control<TspDataSkinSlider>("slider", ControlKeys +
                                               " bgcolor:i hrulerrect:r hthumbrect:r"
                                               " vrulerrect:r vthumbrect:r edgesize:i"
                                               " pointscolor:i"),
      Control<TspDataSkinPanelControl>(
          "panel", CustomKeys + FontKeys +
                       " bgpictureindex:i=-1 captionrect:r alignment:a checkimagerect:r"
                       " uncheckimagerect:r markframerect:r framerect:r frametextrect:r"
                       " frameleftoffset:i framerightoffset:i gripperrect:r"
                       " grippertransparent:b grippertransparentcolor:i"),
      Control<TspDataSkinExPanelControl>(
          "expanel",
          CustomKeys + FontKeys +
              " rollhskinrect:r rollvskinrect:r rollleftoffset:i rollrightoffset:i"
              " rolltopoffset:i rollbottomoffset:i rollvcaptionrect:r rollhcaptionrect:r"
              " closebuttonrect:r closebuttonactiverect:r closebuttondownrect:r"
              " hrollbuttonrect:r hrollbuttonactiverect:r hrollbuttondownrect:r"
              " hrestorebuttonrect:r hrestorebuttonactiverect:r hrestorebuttondownrect:r"
              " vrollbuttonrect:r vrollbuttonactiverect:r vrollbuttondownrect:r"
              " vrestorebuttonrect:r vrestorebuttonactiverect:r vrestorebuttondownrect:r"
              " captionrect:r buttonstransparent:b buttonstransparentcolor:i"),
      Control<TspDataSkinScrollBoxControl>("scrollbox", CustomKeys + " bgpictureindex:i=-1"),
      Control<TspDataSkinStdLabelControl>("stdlabel",
                                          ControlKeys + FontKeys + " activefontcolor:i=16711680"),
      Control<TspDataSkinLabelControl>("label", CustomKeys + FontKeys),
      Control<TspDataSkinBitLabelControl>(
          "bitlabel", CustomKeys + " skintextrect:r symbolwidth:i symbolheight:i symbols:L"),
      Control<TspDataSkinBevel>("bevel", ControlKeys + " lightcolor:i darkcolor:i"),
      Control<TspDataSkinTabControl>(
          "tab", ControlKeys + GeometryKeys + FontKeys +
                     " tabrect:r activetabrect:r focustabrect:r mouseintabrect:r"
                     " bgpictureindex:i=-1 tableftoffset:i tabrightoffset:i tabsbgrect:r"
                     " tabstretcheffect:b leftstretch:b topstretch:b rightstretch:b"
                     " bottomstretch:b stretcheffect:b stretchtype:st activefontcolor:i"
                     " focusfontcolor:i mouseinfontcolor:i updown:t showfocus:b"
                     " focusoffsetx:i focusoffsety:i closebuttonrect:r"
                     " closebuttonactiverect:r closebuttondownrect:r buttontransparent:b"
                     " buttontransparentcolor:i"),
      Control<TspDataSkinGridControl>(
          "grid", ControlKeys + FontKeys +
                      " fixedcellrect:r selectcellrect:r focuscellrect:r disabledcellrect:r"
                      " fixedcellleftoffset:i fixedcellrightoffset:i fixedcelltextrect:r"
                      " cellleftoffset:i cellrightoffset:i celltextrect:r linescolor:i"
                      " bgcolor:i bgpictureindex:i=-1 selectfontcolor:i focusfontcolor:i"
                      " fixedfontname:t=Arial fixedfontheight:i=14 fixedfontstyle:f"
                      " fixedfontcolor:i cellstretcheffect:b fixedcellstretcheffect:b"
                      " showfocus:b"),
      Control<TspDataSkinMainMenuBar>(
          "mainmenubar", ControlKeys + " itemsrect:r menubaritem:t closebutton:t minbutton:t"
                                       " maxbutton:t sysmenubutton:t trackmarkcolor:i"
                                       " trackmarkactivecolor:i stretcheffect:b"
                                       " itemtransparent:b"),
      Control<TspDataSkinControlBar>(
          "controlbar", CustomKeys + " itemrect:r bgpictureindex:i=-1 hgriprect:r vgriprect:r"
                                     " gripoffset1:i gripoffset2:i itemstretcheffect:b"
                                     " itemoffset1:i=3 itemoffset2:i=3 itemtransparent:b"
                                     " itemtransparentcolor:i griptransparent:b"
                                     " griptransparentcolor:i"),
      Control<TspDataSkinTreeView>("treeview", ViewKeys),
      Control<TspDataSkinListView>("listview", ViewKeys),
      Control<TspDataSkinRichEdit>("richedit", ViewKeys),

      Object<TspDataSkinObject>("object", ObjectKeys),
      Object<TspDataUserObject>("userobject", "rollup:b skinrect:r cursorindex:i=-1"),
      Object<TspDataSkinSwitch>("switch object", ObjectKeys),
      Object<TspDataSkinGauge>("gauge object", ObjectKeys + " minvalue:i maxvalue:i kind:gk"),
      Object<TspDataSkinFrameGaugeObject>("framegauge object", ObjectKeys + FrameStripKeys),
      Object<TspDataSkinFrameRegulatorObject>("frameregulator object",
                                              ObjectKeys + FrameStripKeys + " kind:rk"),
      Object<TspDataSkinTrackBar>(
          "trackbar object", StillObjectKeys +
                                 " buttonrect:r activebuttonrect:r beginpoint:p endpoint:p"
                                 " minvalue:i maxvalue:i mousedownchangevalue:b"
                                 " buttontransparent:b buttontransparentcolor:i"),
      Object<TspDataSkinAnimate>(
          "animate object", StillObjectKeys +
                                " countframes:i=1 cycle:b buttonstyle:b timerinterval:i=50"
                                " command:cm downskinrect:r restorerect:r restoreactiverect:r"
                                " restoredownrect:r restoreinactiverect:r"),
      Object<TspDataSkinButton>("button object", ButtonObjectKeys),
      Object<TspDataSkinStdButton>("stdbutton", StdButtonKeys),
      Object<TspDataSkinMainMenuBarButton>("mainmenubarbutton", StdButtonKeys),
      Object<TspDataSkinMenuItem>(
          "menuitem",
          ObjectKeys + FontKeys +
              " dividerrect:r dividerleftoffset:i dividerrightoffset:i itemleftoffset:i"
              " itemrightoffset:i unenabledfontcolor:i activefontcolor:i textrect:r"
              " stretcheffect:b dividerstretcheffect:b inactivestretcheffect:b"
              " animateskinrect:r framecount:i animateinterval:i=25 inactiveanimation:b"
              " imagerect:r useimagecolor:b imagecolor:i activeimagecolor:i"
              " inactivetransparent:b checkimagerect:r activecheckimagerect:r~checkimagerect"
              " radioimagerect:r activeradioimagerect:r~radioimagerect arrowimagerect:r"
              " activearrowimagerect:r~arrowimagerect"),
      Object<TspDataSkinMainMenuItem>("mainmenuitem", MainMenuItemKeys),
      Object<TspDataSkinMainMenuBarItem>("mainmenubaritem", MainMenuItemKeys),
      Object<TspDataSkinLabel>("label object", ObjectKeys + FontKeys +
                                                   " activefontcolor:i alignment:a textvalue:t"),
      Object<TspDataSkinBitLabel>(
          "bitlabel object", StillObjectKeys +
                                 " symbols:L textvalue:t symbolwidth:i symbolheight:i"
                                 " transparent:b transparentcolor:i=16711935"),
      Object<TspDataSkinCaption>(
          "caption", ObjectKeys + FontKeys +
                         " activefontcolor:i shadowcolor:i activeshadowcolor:i shadow:b"
                         " alignment:a textrect:r defaultcaption:b framerect:r"
                         " activeframerect:r frameleftoffset:i framerightoffset:i"
                         " frametextrect:r light:b lightcolor:i activelightcolor:i"
                         " stretcheffect:b animateskinrect:r framecount:i"
                         " animateinterval:i=25 inactiveanimation:b fullframe:b"),

      Section<TspDataSkinPopupWindow>(
          "popupwindow", "POPUPWINDOW",
          "windowpictureindex:i=-1 maskpictureindex:i=-1 cursorindex:i=-1 itemsrect:r"
          " scrollmarkercolor:i scrollmarkeractivecolor:i" + CornerKeys + StretchKeys),
      Section<TspDataSkinHintWindow>(
          "hintwindow", "HINTWINDOW",
          "windowpictureindex:i=-1 maskpictureindex:i=-1 clientrect:r" + CornerKeys + FontKeys +
              StretchKeys),
      Section<TspSkinColors>("skincolors", "SKINCOLORS",
                             "cbtnface:i cbtntext:i cwindow:i cwindowtext:i chighlight:i"
                             " chighlighttext:i cbtnhighlight:i cbtnshadow:i c3dlight:i"
                             " c3ddkshadow:i"),
      // The key table alone: loading then fits the corners to the client rectangle.
      Section<TspSkinFormInfo>(
          "forminfo", "FORMINFO",
          "clientrect:r bgpictureindex:i=-1 mdibgpictureindex:i=-1 mdibgstretcheffect:b"
          " mdibgstretchtype:st buttonsrect:r captionrect:r buttonsoffset:i buttonsinleft:b"
          " maskrectarea:r hittestlefttoppoint:p hittestrighttoppoint:p"
          " hittestleftbottompoint:p hittestrightbottompoint:p rollupleftpoint:p"
          " rolluprightpoint:p mainmenurect:r iconrect:r mainmenupopupup:b borderwidth:i"
          " formminwidth:i mditabstransparent:b mainmenubartransparent:b cursorindex:i=-1"
          " autorenderinginactiveimage:b inactiveeffect:ie sizegriparea:r statusbarname:t" +
              CornerKeys + StretchKeys,
          SkinFormInfoKeys(), [](TCustomIniFile& ini, TspSkinFormInfo& info) {
            ReadSkinKeys(ini, "FORMINFO", info, SkinFormInfoKeys());
          }),
  };
  return specs;
}

std::vector<TKeySpec> ParseKeys(const std::string& keys) {
  std::vector<TKeySpec> result;
  std::istringstream words(keys);
  std::string word;
  while (words >> word) {
    TKeySpec spec;
    size_t colon = word.find(':');
    spec.Key = word.substr(0, colon);
    std::string rest = word.substr(colon + 1);
    if (size_t tilde = rest.find('~'); tilde != std::string::npos) {
      spec.FollowedKey = rest.substr(tilde + 1);
      rest.erase(tilde);
    }
    if (size_t equals = rest.find('='); equals != std::string::npos) {
      spec.Absent = rest.substr(equals + 1);
      rest.erase(equals);
    }
    if (!rest.empty() && rest.back() == '!') {
      spec.Ignored = true;
      rest.pop_back();
    }
    spec.Kind = rest;
    result.push_back(spec);
  }
  return result;
}

using TValues = std::map<std::string, std::string>;

const std::map<std::string, std::string> KeywordAbsent = {
    {"st", "stfull"},  {"mk", "mkdefault"},    {"fp", "fphorizontal"}, {"rk", "rkround"},
    {"gk", "gkhorizontal"}, {"cm", "cmdefault"}, {"ie", "iebrightness"}};
const std::map<std::string, std::string> KeywordSample = {
    {"st", "stvert"},     {"mk", "mkpush"},     {"fp", "fpvertical"}, {"rk", "rkhorizontal"},
    {"gk", "gkvertical"}, {"cm", "cmrollup"},   {"ie", "ienoise"}};

// The keys and values that a key stands for in a saved section.
void AddValue(TValues& values, const TKeySpec& spec, const std::string& value) {
  if (spec.Kind != "L") {
    values[spec.Key] = value;
    return;
  }
  // Text lines: value holds the lines separated by "|".
  std::vector<std::string> lines;
  std::istringstream text(value);
  for (std::string line; std::getline(text, line, '|');) lines.push_back(line);
  values[spec.Key + "linecount"] = IntToStr(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) values[spec.Key + "line" + IntToStr(i)] = lines[i];
}

std::string AbsentValue(const TKeySpec& spec) {
  if (!spec.Absent.empty()) return spec.Absent;
  if (spec.Kind == "i" || spec.Kind == "b") return "0";
  if (spec.Kind == "r") return "0,0,0,0";
  if (spec.Kind == "p") return "0,0";
  if (spec.Kind == "a") return "tacenter";
  if (KeywordAbsent.count(spec.Kind)) return KeywordAbsent.at(spec.Kind);
  return "";  // text, font styles, no lines
}

// A value of the key's kind that differs from its absent value and from the sample of
// every other key of the list.
std::string SampleValue(const TKeySpec& spec, int n) {
  if (spec.Kind == "i") return IntToStr(1000 + n);
  if (spec.Kind == "t") return "text" + IntToStr(n);
  if (spec.Kind == "b") return "1";
  if (spec.Kind == "r")
    return IntToStr(10 * n + 1) + "," + IntToStr(10 * n + 2) + "," + IntToStr(10 * n + 3) + "," +
           IntToStr(10 * n + 4);
  if (spec.Kind == "p") return IntToStr(10 * n + 5) + "," + IntToStr(10 * n + 6);
  if (spec.Kind == "f") {
    static const char* const styles[] = {"fsbold", "fsitalic,fsunderline",
                                         "fsbold,fsitalic,fsunderline,fsstrikeout",
                                         "fsstrikeout"};
    return styles[n % 4];
  }
  if (spec.Kind == "a") return n % 2 ? "taleftjustify" : "tarightjustify";
  if (spec.Kind == "L") return "line a" + IntToStr(n) + "||line c";
  return KeywordSample.at(spec.Kind);
}

TValues AbsentSection(const std::vector<TKeySpec>& keys) {
  TValues values;
  for (const TKeySpec& spec : keys) AddValue(values, spec, AbsentValue(spec));
  return values;
}

// Every key with its sample value, and what a load and save of them gives.
std::pair<TValues, TValues> EverySample(const std::vector<TKeySpec>& keys) {
  TValues input, expected;
  for (size_t n = 0; n < keys.size(); ++n) {
    const std::string sample = SampleValue(keys[n], static_cast<int>(n));
    AddValue(input, keys[n], sample);
    AddValue(expected, keys[n], keys[n].Ignored ? AbsentValue(keys[n]) : sample);
  }
  return {input, expected};
}

// Writes the values into a section of the given name, key names through nameOf.
std::string SectionText(const std::string& section, const TValues& values,
                        const std::function<std::string(const std::string&)>& nameOf) {
  std::string text = "[" + section + "]\r\n";
  for (const auto& [key, value] : values) text += nameOf(key) + "=" + value + "\r\n";
  return text;
}

std::string SameName(const std::string& key) { return key; }

// Loads a fresh object from the text, saves it, and returns its saved section.
TValues LoadAndSave(const TClassSpec& spec, const std::string& text) {
  TSkinIniText ini(text);
  spec.LoadThenSave(ini, spec.Section);
  return SectionMap(ini, spec.Section);
}

#define EXPECT_SECTION(actual, expected) EXPECT_EQ(Differences(actual, expected), "")

class SkinDataKeys : public ::testing::TestWithParam<TClassSpec> {
protected:
  const TClassSpec& Class = GetParam();
  std::vector<TKeySpec> Keys = ParseKeys(Class.Keys);
};

TEST_P(SkinDataKeys, AnEmptySectionLoadsTheAbsentValueOfEveryKeyAndSavesEveryKey) {
  EXPECT_SECTION(LoadAndSave(Class, ""), AbsentSection(Keys));
  EXPECT_SECTION(LoadAndSave(Class, "[" + Class.Section + "]\r\n"), AbsentSection(Keys));
}

TEST_P(SkinDataKeys, EachKeyFillsItsOwnField) {
  for (size_t n = 0; n < Keys.size(); ++n) {
    const TKeySpec& key = Keys[n];
    std::string sample = SampleValue(key, static_cast<int>(n));
    TValues input;
    AddValue(input, key, sample);
    TValues expected = AbsentSection(Keys);
    if (!key.Ignored) AddValue(expected, key, sample);
    for (const TKeySpec& follower : Keys)
      if (follower.FollowedKey == key.Key) AddValue(expected, follower, sample);
    EXPECT_SECTION(LoadAndSave(Class, SectionText(LowerCase(Class.Section), input, SameName)), expected)
        << "after setting " << key.Key;
  }
}

TEST_P(SkinDataKeys, SaveThenLoadRoundTripsAndDropsForeignKeys) {
  auto [input, expected] = EverySample(Keys);
  input["foreignkey"] = "5";
  TSkinIniText ini(SectionText(Class.Section, input, SameName) + "[Other]\r\nx=1\r\n");
  Class.LoadThenSave(ini, Class.Section);
  EXPECT_SECTION(SectionMap(ini, Class.Section), expected);
  EXPECT_SECTION(SectionMap(ini, "Other"), (TValues{{"x", "1"}}));

  Class.LoadThenSave(ini, Class.Section);  // a second generation reads what the first wrote
  EXPECT_SECTION(SectionMap(ini, Class.Section), expected);
}

TEST_P(SkinDataKeys, KeyNamesMatchWithoutRegardToCase) {
  const auto [input, expected] = EverySample(Keys);
  EXPECT_SECTION(LoadAndSave(Class, SectionText(UpperCase(Class.Section), input, UpperCase)), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryClass, SkinDataKeys, ::testing::ValuesIn(ClassSpecs()),
                         [](const ::testing::TestParamInfo<TClassSpec>& info) {
                           std::string name;
                           for (char c : info.param.Name) name += c == ' ' ? '_' : c;
                           return name;
                         });

// Rows of base classes, which no type keyword names; the others' keyword is their name
// (less " object").
const std::set<std::string> BaseClassRows = {"control", "customcontrol", "framecontrol", "object"};

TEST(SkinDataFactory, EachTypeKeywordMakesTheClassOfItsRow) {
  size_t keywords = 0;
  for (const TClassSpec& spec : ClassSpecs()) {
    if (!spec.MadeClass || BaseClassRows.count(spec.Name)) continue;
    const std::string keyword = spec.Name.substr(0, spec.Name.find(" object"));
    EXPECT_EQ(spec.MadeClass(keyword), spec.Class) << keyword;
    ++keywords;
  }
  EXPECT_EQ(SkinControlTypeKeywords().size() + SkinObjectTypeKeywords().size(), keywords);
}

TEST(SkinDataFactory, KeywordsCompareExactly) {
  for (const char* keyword : {"Button", "BUTTON", "button ", "", "userobject"})
    EXPECT_EQ(CreateSkinControlData(keyword, "x"), nullptr) << keyword;
  for (const char* keyword : {"Caption", "caption:", "", "tab", "menubutton"})
    EXPECT_EQ(CreateSkinObjectData(keyword, "x"), nullptr) << keyword;
}

TEST(SkinDataRules, AFrameCountBelowOneLoadsAsOne) {
  for (const char* count : {"0", "-5", "x"})
    EXPECT_EQ(Loaded<TspDataSkinFrameGauge>("f", std::string("[f]\r\nframescount=") + count).FramesCount, 1)
        << count;
}

TEST(SkinDataRules, AnEmptyActiveMenuImageTakesTheNormalOne) {
  auto item = Loaded<TspDataSkinMenuItem>(
      "mi", "[mi]\r\nradioimagerect=2,2,12,12\r\nactiveradioimagerect=5,5,5,10\r\n"
            "arrowimagerect=3,3,13,13\r\nactivearrowimagerect=4,4,14,14\r\n");
  EXPECT_EQ(item.ActiveRadioImageRect, (TRect{2, 2, 12, 12}));
  EXPECT_EQ(item.ActiveArrowImageRect, (TRect{4, 4, 14, 14}));
}

TEST(SkinDataRules, NewObjectsKeepTheirOwnValuesUntilLoaded) {
  TspDataSkinButtonControl button("b");
  EXPECT_EQ(button.FontHeight, 12);  // loading an absent key gives 14
  EXPECT_EQ(button.AnimateInterval, 0);
  EXPECT_EQ(TspDataSkinScrollBarControl("s").ThumbTransparentColor, 0xFF00FF);
  EXPECT_EQ(TspDataSkinTreeView("t").BGColor, 0xFFFFFF);
  EXPECT_EQ(TspDataSkinHintWindow().FontHeight, 12);
  TspSkinColors colors;
  colors.SetDefault();
  EXPECT_EQ(colors.c3DDkShadow, cl3DDkShadow);
}

TEST(SkinDataRules, ACaptionWritesItsLightKeysBeforeItsShadowKeys) {
  TSkinIniText ini;
  TspDataSkinCaption("c").SaveToFile(ini);
  TStringList keys;
  ini.ReadSection("c", keys);
  const int alignment = keys.IndexOf("alignment");
  ASSERT_GE(alignment, 0);
  const char* following[] = {"light", "lightcolor", "activelightcolor", "shadow", "shadowcolor",
                             "activeshadowcolor"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(keys.Strings(alignment + 1 + i), following[i]);
}

}  // namespace
