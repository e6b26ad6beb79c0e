#pragma once
// How a skin change reaches a window's controls: the window's frame walks its controls
// and tells every participant before the skin data it draws with changes (it forgets
// what it took from the old skin) and after (it takes the new skin and repaints). The
// skinned control bases are participants, and so is every skinned control that derives
// from a class-library control instead (page control, edit, memo, label, bevel).

class TControl;
class TspSkinData;

class TspSkinChangeParticipant {
public:
  // The skin data the participant draws with; nullptr when none.
  virtual TspSkinData* SkinData() const = 0;
  // Before a change: nothing from the old skin may be drawn any more.
  virtual void PrepareSkinDataChange() {}
  // After it: look the skin entry up again, reload and repaint.
  virtual void ChangeSkinData() = 0;

protected:
  ~TspSkinChangeParticipant() = default;
};

// Control first, then each control under it in z-order, into the children of windowed
// controls: every participant whose skin data is Data, or every participant when Data is
// nullptr, is told.
void PrepareChildrenSkinDataChange(TspSkinData* Data, TControl* Control);
void ChangeChildrenSkinData(TspSkinData* Data, TControl* Control);
