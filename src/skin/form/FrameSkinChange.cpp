// Skin changes: the frame drops what it took from the old skin before a load, applies the
// new one to itself after it (objects, sizes, region, activation), and hands both steps
// on to the window's controls. Without NC support the controls named after a skin area
// are laid out in it.
#include "DynamicSkinForm.h"


#include "skin/form/portable/ClientFrame.h"

#include "skin/controls/SkinChangeParticipant.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/data/SkinData.h"

#include "classlib/portable/AlignLayout.h"

void TspDynamicSkinForm::BeforeSkinChange(TspSkinData* Data) {
  if (Data != nullptr && Data == FSkinData) {
    FSkinChanging = true;
    FSkinInUse = false;
    FObjects.StopTimers();
    FObjects.ClearObjects();
    FCore.SetSkin({});
  }
  // Every control that draws from the changing skin forgets it, whichever skin the frame
  // draws from.
  PrepareChildrenSkinDataChange(Data, FForm);
}

void TspDynamicSkinForm::SkinChanged(TspSkinData* Data) {
  FSkinChanging = false;
  if (Data != nullptr && Data == FSkinData) UpdateSkin();
  ChangeChildrenSkinData(Data, FForm);
}

void TspDynamicSkinForm::UpdateSkin() {
  SyncFormOptions();
  FObjects.ForgetMouse();
  FSkinInUse = FSkinData != nullptr && !FSkinData->Empty();
  FCore.SetSkin(FrameSkinOf(FSkinInUse ? FSkinData : nullptr));
  if (FCore.Options.SupportNCArea)
    UpdateSkinWithNCArea();
  else if (FSkinInUse)
    UpdateSkinWithoutNCArea();
}

void TspDynamicSkinForm::UpdateSkinWithNCArea() {
  if (FSkinInUse && FSkinnable) {
    FObjects.CreateObjects();
    UpdateButtonStates();
  } else {
    FObjects.ClearObjects();
    FCore.UpdateGeometry(FForm->Width(), FForm->Height());
    SetFormRegion();
  }
  if (!FSkinnable)
    UpdateFormBorderIcons();
  else if (!FForm->BorderIcons().Empty())
    FForm->SetBorderIcons({});

  TakeNewFrameSize();
  if (FSkinInUse) UpdateRegion(true);
  FForm->Invalidate();
  FMDI.SkinChanged();
  UpdateActiveState(!(FCore.Options.MDIChild && FCore.State.Maximized()));
  FObjects.MouseTimer()->SetEnabled(true);
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (FCore.State.RollUpState) return;
  // Taken with the frame change already, unless the frame is the system's (not skinnable)
  // or the window has no handle yet: then the form works the size out.
  if (FCore.Options.ClientWidth > 0) FForm->SetClientWidth(FCore.Options.ClientWidth);
  if (FCore.Options.ClientHeight > 0) FForm->SetClientHeight(FCore.Options.ClientHeight);
}

void TspDynamicSkinForm::TakeNewFrameSize() {
  const TSize current{FForm->Width(), FForm->Height()};
  TSize size = FCore.SizeAfterSkinLoad(current);
  if (!FForm->HandleAllocated()) {
    if (size != current) FForm->SetBounds(FForm->Left(), FForm->Top(), size.cx, size.cy);
    FCore.UpdateGeometry(FForm->Width(), FForm->Height());
    return;
  }
  // The new skin's frame has its own non-client size. The window takes it together with the
  // size that keeps the designed client area inside it: one change of size (one size
  // message, one region) instead of one for the frame and one for each client dimension.
  if (FSkinnable && !FCore.State.RollUpState)
    size = FCore.SizeForClient(size, FCore.Options.ClientWidth, FCore.Options.ClientHeight);
  if (size != current) size = ConstrainSize(size, FForm->Constraints()->Limits());  // as SetBounds would
  FCore.UpdateGeometry(size.cx, size.cy);
  SetWindowPos(FForm->Handle(), nullptr, 0, 0, size.cx, size.cy,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (size == current ? SWP_NOSIZE : 0));
  FCore.UpdateGeometry(FForm->Width(), FForm->Height());
}

void TspDynamicSkinForm::UpdateSkinWithoutNCArea() {
  if (FCore.State.RollUpState && !FCore.HasRollUpPicture()) {
    FCore.State.RollUpState = false;
    ClientFrameUnroll();
  }
  if (!FCore.State.RollUpState) ClientSizeFromFramePicture();
  FObjects.CreateObjects();
  UpdateButtonStates();
  if (FCore.State.RollUpState) ClientFrameRollUp();
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (!FCore.State.RollUpState) {
    FCore.UpdateGeometry(FForm->Width(), FForm->Height());
    if (IsResizableFrame(*FSkinData))
      UpdateRegion(true);
    else if (FCore.Skin().Picture == TSize{FForm->ClientWidth(), FForm->ClientHeight()})
      UpdateRegion(false);
  }
  FObjects.UpdateObjectRects();
  FClientAreaControls.Collect(FSkinData);
  LayOutClientAreaControls();
  UpdateActiveState(true);
  FObjects.MouseTimer()->SetEnabled(true);
}

void TspDynamicSkinForm::NotifyParentBackgroundChanged() {
  for (int i = 0; i < FForm->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(FForm->Controls(i));
    if (child != nullptr && child->HandleAllocated())
      SendMessageA(child->Handle(), SP_PARENT_BACKGROUND_CHANGED, 0, 0);
  }
}

// Controls in the skin's areas

void TspDynamicSkinForm::LayOutClientAreaControls() {
  FClientAreaControls.LayOut(FCore, FSkinData);
  // A frame drawn in the client area leaves the skin's client rectangle, at the window's
  // present size, to the application's own controls.
  if (!FCore.Options.SupportNCArea && FSkinInUse && OnChangeClientRect) {
    TRect client = FCore.Geometry().ClRect;
    OnChangeClientRect(client);
  }
}
