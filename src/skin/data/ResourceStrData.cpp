#include "ResourceStrData.h"

#include <iterator>

namespace {

struct TSkinString {
  const char* Key;
  int Identifier;
  const char* Text;
};

// In role order; the default table starts with these lines in this order too.
constexpr TSkinString SkinStrings[] = {
    {"MI_MINCAPTION", 65286, "Mi&nimize"},
    {"MI_MAXCAPTION", 65287, "Ma&ximize"},
    {"MI_CLOSECAPTION", 65288, "&Close"},
    {"MI_RESTORECAPTION", 65289, "&Restore"},
    {"MI_MINTOTRAYCAPTION", 65290, "Minimize to &Tray"},
    {"MI_ROLLUPCAPTION", 65291, "Ro&llUp"},
    {"MINBUTTON_HINT", 65292, "Minimize"},
    {"MAXBUTTON_HINT", 65293, "Maximize"},
    {"CLOSEBUTTON_HINT", 65294, "Close"},
    {"TRAYBUTTON_HINT", 65295, "Minimize to Tray"},
    {"ROLLUPBUTTON_HINT", 65264, "Roll Up"},
    {"MENUBUTTON_HINT", 65265, "System menu"},
    {"EDIT_UNDO", 65266, "Undo"},
    {"EDIT_COPY", 65267, "Copy"},
    {"EDIT_CUT", 65268, "Cut"},
    {"EDIT_PASTE", 65269, "Paste"},
    {"EDIT_DELETE", 65270, "Delete"},
    {"EDIT_SELECTALL", 65271, "Select All"},
};
static_assert(std::size(SkinStrings) == ssEditSelectAll + 1);

// The default lines that follow the role strings.
constexpr const char* MoreDefaultLines[] = {
    "MSG_BTN_YES=&Yes",
    "MSG_BTN_NO=&No",
    "MSG_BTN_OK=OK",
    "MSG_BTN_CANCEL=Cancel",
    "MSG_BTN_ABORT=&Abort",
    "MSG_BTN_RETRY=&Retry",
    "MSG_BTN_IGNORE=&Ignore",
    "MSG_BTN_ALL=&All",
    "MSG_BTN_NOTOALL=N&oToAll",
    "MSG_BTN_YESTOALL=&YesToAll",
    "MSG_BTN_HELP=&Help",
    "MSG_BTN_OPEN=&Open",
    "MSG_BTN_SAVE=&Save",
    "MSG_BTN_CLOSE=Close",
    "MSG_BTN_BACK_HINT=Go To Last Folder Visited",
    "MSG_BTN_UP_HINT=Up One Level",
    "MSG_BTN_NEWFOLDER_HINT=Create New Folder",
    "MSG_BTN_VIEWMENU_HINT=View Menu",
    "MSG_BTN_STRETCH_HINT=Stretch Picture",
    "MSG_FILENAME=File name:",
    "MSG_FILETYPE=File type:",
    "MSG_NEWFOLDER=New Folder",
    "MSG_LV_DETAILS=Details",
    "MSG_LV_ICON=Large icons",
    "MSG_LV_SMALLICON=Small icons",
    "MSG_LV_LIST=List",
    "MSG_PREVIEWSKIN=Preview",
    "MSG_PREVIEWBUTTON=Button",
    "MSG_OVERWRITE=Do you want to overwrite old file?",
    "MSG_CAP_WARNING=Warning",
    "MSG_CAP_ERROR=Error",
    "MSG_CAP_INFORMATION=Information",
    "MSG_CAP_CONFIRM=Confirm",
    "MSG_CAP_SHOWFLAG=Do not display this message again",
    "CALC_CAP=Calculator",
    "ERROR=Error",
    "COLORGRID_CAP=Basic colors",
    "CUSTOMCOLORGRID_CAP=Custom colors",
    "ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors",
    "FONTDLG_COLOR=Color:",
    "FONTDLG_NAME=Name:",
    "FONTDLG_SIZE=Size:",
    "FONTDLG_HEIGHT=Height:",
    "FONTDLG_EXAMPLE=Example:",
    "FONTDLG_STYLE=Style:",
    "FONTDLG_SCRIPT=Script:",
    "DB_DELETE_QUESTION=Delete record?",
    "DB_MULTIPLEDELETE_QUESTION=Delete all selected records?",
    "NODISKINDRIVE=There is no disk in Drive or Drive is not ready",
    "NOVALIDDRIVEID=Not a valid Drive ID",
    "FLV_NAME=Name",
    "FLV_SIZE=Size",
    "FLV_TYPE=Type",
    "FLV_LOOKIN=Look in: ",
    "FLV_MODIFIED=Modified",
    "FLV_ATTRIBUTES=Attributes",
    "FLV_DISKSIZE=Disk Size",
    "FLV_FREESPACE=Free Space",
    "PRNDLG_NAME=Name:",
    "PRNDLG_PRINTER=Printer",
    "PRNDLG_PROPERTIES=Properties...",
    "PRNDLG_TYPE=Type:",
    "PRNDLG_STATUS=Status:",
    "PRNDLG_WHERE=Where:",
    "PRNDLG_COMMENT=Comment:",
    "PRNDLG_PRINTRANGE=Print range",
    "PRNDLG_COPIES=Copies",
    "PRNDLG_NUMCOPIES=Number of copies:",
    "PRNDLG_COLLATE=Collate",
    "PRNDLG_ALL=All",
    "PRNDLG_PAGES=Pages",
    "PRNDLG_SELECTION=Selection",
    "PRNDLG_PRINTTOFILE=Print to file",
    "PRNDLG_FROM=from:",
    "PRNDLG_TO=to:",
    "PRNDLG_ORIENTATION=Orientation",
    "PRNDLG_PAPER=Paper",
    "PRNDLG_PORTRAIT=Portrait",
    "PRNDLG_LANDSCAPE=Landscape",
    "PRNDLG_SOURCE=Source:",
    "PRNDLG_SIZE=Size:",
    "PRNDLG_MARGINS=Margins (millimeters)",
    "PRNDLG_MARGINS_INCHES=Margins (inches)",
    "PRNDLG_LEFT=Left:",
    "PRNDLG_RIGHT=Right:",
    "PRNDLG_TOP=Top:",
    "PRNDLG_BOTTOM=Bottom:",
    "PRNDLG_WARNING=There are no printers in your system!",
    "FIND_NEXT=Find next",
    "FIND_WHAT=Find what:",
    "FIND_DIRECTION=Direction",
    "FIND_DIRECTIONUP=Up",
    "FIND_DIRECTIONDOWN=Down",
    "FIND_MATCH_CASE=Match case",
    "FIND_MATCH_WHOLE_WORD_ONLY=Match whole word only",
    "FIND_REPLACE_WITH=Replace with:",
    "FIND_REPLACE=Replace",
    "FIND_REPLACE_All=Replace All",
    "FIND_REPLACE_CLOSE=Close",
    "MORECOLORS=More colors...",
    "AUTOCOLOR=Automatic",
    "CUSTOMCOLOR=Custom...",
};
static_assert(std::size(SkinStrings) + std::size(MoreDefaultLines) == 120);

}  // namespace

const char* SkinStringKey(TspSkinStringRole Role) { return SkinStrings[Role].Key; }

int SkinStringIdentifier(TspSkinStringRole Role) { return SkinStrings[Role].Identifier; }

std::string BuiltInSkinString(int Identifier) {
  for (const TSkinString& s : SkinStrings)
    if (s.Identifier == Identifier) return s.Text;
  return {};
}

TspResourceStrData::TspResourceStrData(TComponent* AOwner) : TComponent(AOwner) {
  for (const TSkinString& s : SkinStrings) FResStrings.Add(std::string(s.Key) + "=" + s.Text);
  for (const char* line : MoreDefaultLines) FResStrings.Add(line);
}

std::string TspResourceStrData::GetResStr(const std::string& Name) const {
  return FResStrings.Values(Name);
}

std::string SkinString(const TspResourceStrData* Strings, TspSkinStringRole Role) {
  if (Strings != nullptr) return Strings->GetResStr(SkinStringKey(Role));
  return SkinStrings[Role].Text;
}
