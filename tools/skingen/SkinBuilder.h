#pragma once
// TSkinBuilder: a skin under construction. It holds the window-frame pictures (with the
// roll-up ones), the active pictures (painted as atlases or whole), the window sections
// (FORMINFO, POPUPWINDOW, HINTWINDOW, SKINCOLORS, SKINAREAS) and the object and control
// entries, and writes them out as a skin folder: the BMP files and an INI text whose entry
// sections come from each skin data class's own SaveToFile.

#include "PictureAtlas.h"

#include "skin/data/SkinControlData.h"
#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinObjectData.h"
#include "skin/data/SkinWindowData.h"

#include "base/PixelImage.h"

#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

class TSkinBuilder {
public:
  explicit TSkinBuilder(std::string SkinName, std::string Comments);

  void SetFramePicture(TPixelImage Picture) { FFrame = std::move(Picture); }
  void SetInactiveFramePicture(TPixelImage Picture) { FInactiveFrame = std::move(Picture); }
  void SetFrameMask(TPixelImage Mask) { FMask = std::move(Mask); }
  // The frame of a rolled-up window and its mask; a skin without them cannot roll up.
  void SetRollUpPicture(TPixelImage Picture) { FRollUp = std::move(Picture); }
  void SetRollUpMask(TPixelImage Mask) { FRollUpMask = std::move(Mask); }

  // A new active picture painted as an atlas; its index is final at once.
  int AddAtlas(const std::string& FileName, int32_t Width, TColor Background);
  TPictureAtlas& Atlas(int Index);
  // A new active picture used whole (a popup or hint window, a mask: written 1-bit).
  int AddPicture(const std::string& FileName, TPixelImage Picture, bool IsMask = false);
  int ActivePictureCount() const { return static_cast<int>(FActive.size()); }

  // A new entry of the class that Keyword names in its list; raises Exception when the
  // keyword names another class.
  template <class T>
  T& AddControl(const std::string& IDName, const std::string& Keyword) {
    return AddEntry<T>(FControls, CreateControl(IDName, Keyword), Keyword);
  }
  template <class T>
  T& AddObject(const std::string& IDName, const std::string& Keyword) {
    return AddEntry<T>(FObjects, CreateObject(IDName, Keyword), Keyword);
  }

  // The entry of that name and class added before; raises Exception when there is none.
  template <class T>
  T& Control(const std::string& IDName) {
    return Find<T>(FControls, IDName);
  }
  template <class T>
  T& Object(const std::string& IDName) {
    return Find<T>(FObjects, IDName);
  }
  // Drops the entries of that name from both lists.
  void RemoveEntry(const std::string& IDName);
  // Drops the frame's inactive picture and mask.
  void RemoveInactiveFramePicture() { FInactiveFrame = {}; }
  void RemoveFrameMask() { FMask = {}; }

  TspSkinFormInfo FormInfo;
  std::optional<TspDataSkinPopupWindow> PopupWindow;  // none: no POPUPWINDOW section
  std::optional<TspDataSkinHintWindow> HintWindow;    // none: no HINTWINDOW section
  TspSkinColors Colors;
  std::vector<std::pair<std::string, TRect>> Areas;

  // Writes "skin.ini" and the pictures into Folder (ending in "\"); returns the INI
  // file's path. The entry lists hold the required entries first, in their order, then
  // any others in the order they were added.
  std::string WriteFolder(const std::string& Folder) const;

private:
  template <class Base>
  struct TEntry {
    std::string Keyword;
    std::unique_ptr<Base> Data;
  };

  template <class T, class Base>
  T& AddEntry(std::vector<TEntry<Base>>& List, std::unique_ptr<Base> Data,
              const std::string& Keyword) {
    if (!Data || typeid(*Data) != typeid(T)) WrongKeyword(Keyword);
    T& entry = static_cast<T&>(*Data);
    List.push_back({Keyword, std::move(Data)});
    return entry;
  }

  template <class T, class Base>
  static T& Find(std::vector<TEntry<Base>>& List, const std::string& IDName) {
    for (TEntry<Base>& e : List)
      if (e.Data->IDName == IDName)
        if (T* found = dynamic_cast<T*>(e.Data.get())) return *found;
    NoSuchEntry(IDName);
  }
  [[noreturn]] static void NoSuchEntry(const std::string& IDName);

  static std::unique_ptr<TspDataSkinControl> CreateControl(const std::string& IDName,
                                                           const std::string& Keyword);
  static std::unique_ptr<TspDataSkinObject> CreateObject(const std::string& IDName,
                                                         const std::string& Keyword);
  [[noreturn]] static void WrongKeyword(const std::string& Keyword);

  struct TActivePicture {
    std::string FileName;
    std::unique_ptr<TPictureAtlas> Atlas;  // null for a picture used whole
    TPixelImage Image;
    bool IsMask = false;
  };

  std::string FSkinName;
  std::string FComments;
  TPixelImage FFrame, FInactiveFrame, FMask, FRollUp, FRollUpMask;
  std::vector<TActivePicture> FActive;
  std::vector<TEntry<TspDataSkinObject>> FObjects;
  std::vector<TEntry<TspDataSkinControl>> FControls;
};
