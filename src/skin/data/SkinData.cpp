#include "SkinData.h"

#include "CompressedSkinList.h"
#include "CompressedStoredSkin.h"
#include "ResourceStrData.h"
#include "SkinDataFactory.h"
#include "SkinIniBudget.h"
#include "SkinIniCodecs.h"
#include "SkinMessages.h"
#include "SkinPayload.h"

#include "base/IniFiles.h"

#include <limits>

namespace {

constexpr char PicturesSection[] = "PICTURES";

struct TNameKey {
  const char* Section;
  const char* Key;
  std::string TspSkinData::*Field;
};

// The descriptive strings of VERSION and the picture file names of PICTURES.
constexpr TNameKey NameKeys[] = {
    {"VERSION", "skinname", &TspSkinData::SkinName},
    {"VERSION", "skinauthor", &TspSkinData::SkinAuthor},
    {"VERSION", "authoremail", &TspSkinData::AuthorEmail},
    {"VERSION", "authorurl", &TspSkinData::AuthorURL},
    {"VERSION", "skincomments", &TspSkinData::SkinComments},
    {PicturesSection, "picture", &TspSkinData::PictureName},
    {PicturesSection, "mask", &TspSkinData::MaskName},
    {PicturesSection, "rolluppicture", &TspSkinData::RollUpPictureName},
    {PicturesSection, "rollupmask", &TspSkinData::RollUpMaskName},
};

template <class List, class IDNameOf>
int FindIDName(const List& list, const std::string& AIDName, IDNameOf idName) {
  for (size_t i = 0; i < list.size(); ++i)
    if (idName(list[i]) == AIDName) return static_cast<int>(i);
  return -1;
}

}  // namespace

TspSkinData::TspSkinData(TComponent* AOwner) : TComponent(AOwner) {}

TspSkinData::~TspSkinData() {
  FEmpty = true;
  ClearAll();
}

void TspSkinData::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  // The loaded skin stays; only the references go.
  if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
  if (AComponent == FResourceStrData) FResourceStrData = nullptr;
  if (AComponent == FSkinList) FSkinList = nullptr;
}

void TspSkinData::SetSkinnableForm(bool Value) {
  if (Value == FSkinnableForm) return;
  FSkinnableForm = Value;
  if (!Designing() && !ComponentState().Contains(csLoading))
    SendSkinDataMessage(SP_SKINNABLE_FORM_CHANGED);
}

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* Value) {
  SetReference(FCompressedStoredSkin, Value);
  if (!Designing() && Value != nullptr) LoadCompressedStoredSkin(Value);
}

void TspSkinData::SetResourceStrData(TspResourceStrData* Value) {
  SetReference(FResourceStrData, Value);
  if (!Designing()) SendSkinDataMessage(SP_RESOURCE_STRINGS_CHANGED);
}

void TspSkinData::SetSkinList(TspCompressedSkinList* Value) {
  SetReference(FSkinList, Value);
  if (!Designing()) LoadSkinList();
}

void TspSkinData::SetSkinIndex(int32_t Value) {
  if (Value == FSkinIndex) return;
  if (FSkinList == nullptr) {
    FSkinIndex = Value;
    return;
  }
  if (Value < 0 || Value >= FSkinList->Skins()->Count()) return;
  FSkinIndex = Value;
  if (!Designing()) LoadSkinList();
}

void TspSkinData::LoadSkinList() {
  if (FSkinList == nullptr || FSkinIndex < 0 || FSkinIndex >= FSkinList->Skins()->Count()) return;
  LoadCompressedStoredSkin(FSkinList->Skins()->Items(FSkinIndex)->Skin());
}

void TspSkinData::SendSkinDataMessage(uint32_t Msg) {
  TspSkinMessageTargets& targets = SkinMessageTargets();
  const intptr_t sender = reinterpret_cast<intptr_t>(this);
  TComponent* ownerForm = Owner() != nullptr ? targets.OwnerForm(Owner()) : nullptr;
  if (ownerForm != nullptr) targets.Send(ownerForm, Msg, sender, SkinMessageLParam);
  // The count is read anew: a window may close while it handles the message.
  for (int i = 0; i < targets.FormCount(); ++i) {
    TComponent* form = targets.Forms(i);
    if (form != ownerForm) targets.Send(form, Msg, sender, SkinMessageLParam);
  }
}

int TspSkinData::GetIndex(const std::string& AIDName) const {
  return FindIDName(ObjectList, AIDName,
                    [](const auto& entry) -> const std::string& { return entry->IDName; });
}

int TspSkinData::GetControlIndex(const std::string& AIDName) const {
  return FindIDName(CtrlList, AIDName,
                    [](const auto& entry) -> const std::string& { return entry->IDName; });
}

int TspSkinData::GetAreaIndex(const std::string& AIDName) const {
  return FindIDName(AreaList, AIDName,
                    [](const TspDataSkinArea& area) -> const std::string& { return area.IDName; });
}

int32_t TspSkinData::ScreenCursorOf(int32_t Index) {
  if (Index == -1 || Index > std::numeric_limits<int32_t>::max() - StartCursorIndex) return 0;
  return StartCursorIndex + Index;
}

void TspSkinData::SkinReplaced() {
  ++FSkinGeneration;
  FPictureCache.reset();
}

void TspSkinData::ClearAll() {
  SkinReplaced();
  AreaList.clear();
  ObjectList.clear();
  CtrlList.clear();
  ActivePictures.clear();
  PopupWindow.WindowPictureIndex = -1;
  HintWindow.WindowPictureIndex = -1;
  ActivePicturesNames.Clear();
  SkinColors.SetDefault();
}

void TspSkinData::ClearSkin() {
  ClearAll();
  for (TPixelImage* picture : {&Picture, &InActivePicture, &Mask, &RollUpPicture, &RollUpMask})
    *picture = TPixelImage{};
  for (std::string* name : {&PictureName, &MaskName, &RollUpPictureName, &RollUpMaskName})
    name->clear();
  FEmpty = true;
}

void TspSkinData::LoadCompressedStoredSkin(TspCompressedStoredSkin* AStoredSkin) {
  if (AStoredSkin == nullptr || AStoredSkin->IsEmpty()) return;
  FEmpty = true;
  FSkinChanging = true;
  bool loaded = false;
  try {
    SendSkinDataMessage(SP_BEFORE_CHANGE_SKIN_DATA);
    ClearSkin();
    loaded = LoadPayload(*AStoredSkin);
  } catch (...) {
    // The windows go back to their default look; the caller learns why. Nothing of the
    // refused skin is kept, here or in the stored skin.
    AStoredSkin->DropDecoding();
    ClearSkin();
    FSkinChanging = false;
    SendSkinDataMessage(SP_CHANGE_SKIN_DATA);
    SendSkinDataMessage(SP_AFTER_CHANGE_SKIN_DATA);
    throw;
  }
  if (!loaded) {
    // An unsupported version: the skin stays empty and the windows hear nothing more.
    FSkinChanging = false;
    return;
  }
  FEmpty = false;
  SendSkinDataMessage(SP_CHANGE_SKIN_DATA);
  FSkinChanging = false;
  SendSkinDataMessage(SP_AFTER_CHANGE_SKIN_DATA);
}

bool TspSkinData::LoadPayload(TspCompressedStoredSkin& AStoredSkin) {
  // The pictures are copied: the decoding is shared with every other load of this stored
  // skin, and each skin data must stay its own when another loads, clears or goes.
  const std::shared_ptr<const TspDecodedSkin> skin = AStoredSkin.Decoded();
  if (skin == nullptr) return false;
  const TspSkinPictures& pictures = skin->Pictures;
  Picture = pictures.Picture;
  InActivePicture = pictures.InActivePicture;
  Mask = pictures.Mask;
  RollUpPicture = pictures.RollUpPicture;
  RollUpMask = pictures.RollUpMask;
  ActivePictures = pictures.ActivePictures;

  // Whatever the sections read, together with the parsed text, bounded.
  TspBudgetedSkinIni ini(skin->Ini, MaxSkinLoadCharge - skin->IniCharge);
  for (const TNameKey& name : NameKeys)
    this->*name.Field = ini.ReadString(name.Section, name.Key, "");
  ReadStrings(ini, PicturesSection, "activepictures", ActivePicturesNames);
  LoadFormInfo(ini);
  PopupWindow.LoadFromFile(ini);
  HintWindow.LoadFromFile(ini);
  SkinColors.LoadFromFile(ini);
  LoadAreas(ini);
  LoadObjects(ini);
  LoadControls(ini);
  SkinReplaced();
  return true;
}

void TspSkinData::LoadFormInfo(TCustomIniFile& IniFile) {
  LoadSkinFormInfo(IniFile, !MaskName.empty(), *this);
}

void TspSkinData::LoadAreas(TCustomIniFile& IniFile) { ::LoadAreas(IniFile, AreaList); }

void TspSkinData::LoadObjects(TCustomIniFile& IniFile) { LoadSkinObjectList(IniFile, ObjectList); }

void TspSkinData::LoadControls(TCustomIniFile& IniFile) { LoadSkinControlList(IniFile, CtrlList); }

void TspSkinData::GetNameAndType(const std::string& S, std::string& AIDName,
                                 std::string& ATypeName) {
  SplitSkinEntry(S, AIDName, ATypeName);
}
