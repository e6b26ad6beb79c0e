#pragma once
// What skinned controls and menus need of their window's skinned frame. The frame sits
// above the menus and controls that call it, so they reach it through this interface:
// the frame component, owned by its form, implements it, and callers find it through
// the form.

class TControl;
class TCustomForm;
class TspSkinData;
// The window's menu engine. Only menus and the folders above them use it, and they know
// its type; here it is a name.
class TspSkinMenu;

class TspSkinFormHost {
public:
  // The skin of the frame and of its window's controls; nullptr when none.
  virtual TspSkinData* SkinData() const = 0;
  // A skin for the window's menus instead of SkinData; nullptr when they use SkinData.
  virtual TspSkinData* MenusSkinData() const = 0;
  // The engine that shows every skinned menu of the window.
  virtual TspSkinMenu* SkinMenu() const = 0;
  // A skin menu opens on the window: until SkinMenuClose the frame holds the
  // application's message handler, so that keys go to the menu.
  virtual void SkinMenuOpen() = 0;
  virtual void SkinMenuClose() = 0;

protected:
  ~TspSkinFormHost() = default;
};

// The host of Form: the first of its components (in creation order) that is one, or
// nullptr (also for no form).
TspSkinFormHost* GetSkinForm(TCustomForm* Form);
// The host of the form that Control sits on.
TspSkinFormHost* GetControlSkinForm(TControl* Control);
