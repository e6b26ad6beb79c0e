#include "SyntheticSkin.h"

#include "base/BmpCodec.h"
#include "base/PixelImage.h"
#include "base/StrUtils.h"
#include "base/Streams.h"

namespace {

void WritePicture(const std::string& FileName, int32_t Width, int32_t Height,
                  TColor (*Pixel)(const TSyntheticSkin&, int, int32_t, int32_t),
                  const TSyntheticSkin& Skin, int Picture) {
  TPixelImage image(Width, Height);
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x) image.SetPixel(x, y, Pixel(Skin, Picture, x, y));
  TFileStream file(FileName, fmCreate);
  WriteBmp(image, file);
}

TColor PicturePixel(const TSyntheticSkin&, int Picture, int32_t X, int32_t Y) {
  return SyntheticPixel(Picture, X, Y);
}

TColor MaskPixel(const TSyntheticSkin& Skin, int, int32_t X, int32_t Y) {
  return SyntheticMaskInside(Skin, X, Y) ? clBlack : RGBColor(255, 255, 255);
}

std::string Section(const std::string& Name, const std::vector<std::string>& Lines) {
  std::string text = "[" + Name + "]\r\n";
  for (const std::string& line : Lines) text += line + "\r\n";
  return text;
}

std::string ListSection(const std::string& Name, const std::vector<std::string>& Entries) {
  std::vector<std::string> lines{"count=" + IntToStr(static_cast<int64_t>(Entries.size()))};
  for (size_t i = 0; i < Entries.size(); ++i)
    lines.push_back(IntToStr(static_cast<int64_t>(i)) + "=" + Entries[i]);
  return Section(Name, lines);
}

// One section per entry: the entry's position gives it distinct values.
std::string EntrySections(const std::vector<std::string>& Entries, int PictureCount) {
  std::string text;
  for (size_t i = 0; i < Entries.size(); ++i) {
    const size_t colon = Entries[i].find(':');
    if (colon == std::string::npos || colon == 0) continue;
    const int n = static_cast<int>(i);
    text += Section(Entries[i].substr(0, colon),
                    {"pictureindex=" + IntToStr(PictureCount > 0 ? n % PictureCount : -1),
                     "activepictureindex=" + IntToStr(PictureCount > 0 ? n % PictureCount : -1),
                     "skinrect=" + IntToStr(n) + ",0," + IntToStr(n + 20) + ",18",
                     "fontheight=" + IntToStr(10 + n)});
  }
  return text;
}

}  // namespace

TColor SyntheticPixel(int Picture, int32_t X, int32_t Y) {
  return RGBColor(static_cast<uint8_t>(X * 7 + Picture * 40),
                  static_cast<uint8_t>(Y * 5 + Picture * 20),
                  static_cast<uint8_t>((X ^ Y) * 3 + Picture));
}

bool SyntheticMaskInside(const TSyntheticSkin& Skin, int32_t X, int32_t Y) {
  return X >= 2 && Y >= 2 && X < Skin.PictureWidth - 2 && Y < Skin.PictureHeight - 2;
}

const std::vector<std::string>& SyntheticObjectEntries() {
  static const std::vector<std::string> entries{
      "menuitem:menuitem", "caption:caption", "closebutton:stdbutton", "minimizebutton:stdbutton",
      "maximizebutton:stdbutton", "rollupbutton:stdbutton", "mainmenubaritem:mainmenubaritem",
      "sysmenubutton:stdbutton", "menubarsysmenubutton:mainmenubarbutton",
      "menubarclosebutton:mainmenubarbutton", "menubarmaxbutton:mainmenubarbutton",
      "menubarminbutton:mainmenubarbutton", "traybutton:stdbutton",
      // These create nothing.
      "odd:caption:x", "nocolon", "ghost:panel"};
  return entries;
}

const std::vector<std::string>& SyntheticControlEntries() {
  static const std::vector<std::string> entries{
      "button:button", "toolpanel:panel", "toolbutton:button", "checkbox:checkradio", "gauge:gauge",
      "vgauge:gauge", "radiobox:checkradio", "panel:panel", "label:label", "trackbar:trackbar",
      "htrackbar:trackbar", "grid:grid", "tab:tab", "edit:edit", "memo:memo",
      "hscrollbar:scrollbar", "vscrollbar:scrollbar", "listbox:listbox", "combobox:combobox",
      "checklistbox:checklistbox", "spinedit:spinedit", "groupbox:panel", "stdlabel:stdlabel",
      "statuspanel:label", "statusbar:panel", "buttonedit:edit", "vupdown:updown", "hupdown:updown",
      "captionlistbox:listbox", "captionchecklistbox:checklistbox", "captioncombobox:combobox",
      "controlbar:controlbar", "mainmenubar:mainmenubar", "vsplitter:splitter",
      "hsplitter:splitter", "resizebutton:button", "bothhscrollbar:scrollbar", "bigtoolpanel:panel",
      "bigtoolbutton:button", "toolmenubutton:menubutton", "toolmenutrackbutton:menubutton",
      "bigtoolmenubutton:menubutton", "bigtoolmenutrackbutton:menubutton", "scrollbox:scrollbox",
      "listview:listview", "treeview:treeview", "statusgauge:gauge", "richedit:richedit",
      "expanel:expanel", "slider:slider", "bevel:bevel", "statusedit:edit", "statusbuttonedit:edit",
      "statusspinedit:spinedit", "statuscombobox:combobox", "toolspinedit:spinedit",
      "toolcombobox:combobox", "tooledit:edit", "toolbuttonedit:edit", "resizetoolpanel:panel",
      "resizetoolbutton:button", "editbutton:button", "vtracktoolbutton:button",
      "htracktoolbutton:button", "buttondelete:button",
      // A second "button" (looked up, the first wins) and entries that create nothing.
      "button:edit", "mystery:nosuchtype", "Caption:Button"};
  return entries;
}

std::string WriteSyntheticSkin(const std::string& Folder, const TSyntheticSkin& Skin) {
  WritePicture(Folder + "frame.bmp", Skin.PictureWidth, Skin.PictureHeight, PicturePixel, Skin, -1);
  WritePicture(Folder + "mask.bmp", Skin.PictureWidth, Skin.PictureHeight, MaskPixel, Skin, 0);
  std::vector<std::string> pictures{"picture=frame.bmp",
                                    "inactivepicture=",
                                    "mask=mask.bmp",
                                    "rolluppicture=",
                                    "rollupmask=",
                                    "activepicturescount=" + IntToStr(Skin.ActivePictureCount)};
  for (int i = 0; i < Skin.ActivePictureCount; ++i) {
    const std::string name = "active" + IntToStr(i) + ".bmp";
    WritePicture(Folder + name, Skin.ActivePictureWidth, Skin.ActivePictureHeight, PicturePixel,
                 Skin, i);
    pictures.push_back(IntToStr(i) + "=" + name);
  }

  std::string text;
  text += Section("VERSION",
                  {"skinname=Synthetic", "skinauthor=Test Bench", "authoremail=skins@example.org",
                   "authorurl=http://example.org/", "skincomments=Generated for tests", "ver=2"});
  text += Section("PICTURES", pictures);
  text += Section("CURSORS", {"count=0"});
  text += Section("FORMINFO",
                  {"lefttoppoint=10,20", "righttoppoint=137,20", "leftbottompoint=10,100",
                   "rightbottompoint=137,100", "clientrect=5,25,140,110", "bgpictureindex=1",
                   "leftstretch=1", "stretchtype=stvert", "buttonsrect=100,2,140,18",
                   "captionrect=20,2,100,18", "buttonsoffset=2", "maskrectarea=0,0,0,0",
                   "hittestlefttoppoint=3,3", "hittestrighttoppoint=0,50", "borderwidth=4",
                   "inactiveeffect=iegrayscale", "statusbarname=statusbar"});
  text += Section("POPUPWINDOW", {"windowpictureindex=1", "itemsrect=2,2,30,30"});
  text += Section("HINTWINDOW", {"windowpictureindex=2", "fontname=Tahoma"});
  text += Section("SKINCOLORS", {"cbtnface=12632256", "cwindow=16777215"});
  text += ListSection("SKINAREAS", {"closearea:120,2,136,18", "dragarea:10,2,100,18"});
  text += ListSection("SKINOBJECTS", SyntheticObjectEntries());
  text += ListSection("SKINCONTROLS", SyntheticControlEntries());
  text += EntrySections(SyntheticObjectEntries(), Skin.ActivePictureCount);
  text += EntrySections(SyntheticControlEntries(), Skin.ActivePictureCount);

  const std::string iniName = Folder + "skin.ini";
  TFileStream ini(iniName, fmCreate);
  ini.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
  return iniName;
}
