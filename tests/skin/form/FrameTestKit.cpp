#include "FrameTestKit.h"

#include "skin/form/FrameMessages.h"

#include "RuntimePath.h"

#include <gtest/gtest.h>

void LoadTestSkin(TspCompressedStoredSkin& Stored, const std::string& Name) {
  Stored.LoadFromCompressedFile(RuntimePath(VQ_SKIN_FOLDER + Name + ".skn"));
}

TFrameWindow::TFrameWindow(const TRect& Bounds)
    : FForm(new TForm(Application)), FData(new TspSkinData(FForm)), FFrame(new TspDynamicSkinForm(FForm)) {
  FForm->SetBoundsRect(Bounds);
  FForm->SetCaption("Frame");
}

TFrameWindow::~TFrameWindow() { FForm->Free(); }

void TFrameWindow::Load(const std::string& Name) {
  LoadTestSkin(FStored, Name);
  FData->LoadCompressedStoredSkin(&FStored);
  if (FFrame->SkinData() != FData) FFrame->SetSkinData(FData);
}

void TFrameWindow::Show() {
  FForm->Show();
  SetActiveWindow(FForm->Handle());
  PumpFor(20);
}

void TFrameWindow::SetActive(bool Active) {
  SendMessageA(FForm->Handle(), WM_NCACTIVATE, Active, 0);
  SendMessageA(FForm->Handle(), WM_ACTIVATE, Active ? WA_ACTIVE : WA_INACTIVE, 0);
}

std::unique_ptr<TPixelDC> TFrameWindow::PaintedFrame(TColor Background) {
  auto dc = std::make_unique<TPixelDC>(FForm->Width(), FForm->Height());
  dc->Fill(Background);
  const LRESULT answer = SendMessageA(FForm->Handle(), SP_PAINT_TO_DC_CHECKED, reinterpret_cast<WPARAM>(dc->DC()),
                                      SP_PAINT_TO_DC_CHECK);
  EXPECT_EQ(answer, SP_PAINT_TO_DC_CHECK);
  return dc;
}

TPoint TFrameWindow::ScreenPoint(TPoint P) const {
  RECT r{};
  GetWindowRect(FForm->Handle(), &r);
  return {r.left + P.X, r.top + P.Y};
}

LRESULT TFrameWindow::HitTest(TPoint P) const {
  return SendMessageA(FForm->Handle(), WM_NCHITTEST, 0, PointToLParam(ScreenPoint(P)));
}

TColor FramePixel(const TspSkinData& Data, int X, int Y) { return Data.Picture.Pixel(X, Y); }

TColor ActivePixel(const TspSkinData& Data, int Index, int X, int Y) {
  return Data.ActivePictures.at(static_cast<size_t>(Index)).Pixel(X, Y);
}

const TspDataSkinObject& ObjectEntry(const TspSkinData& Data, const std::string& Name) {
  const int index = Data.GetIndex(Name);
  EXPECT_GE(index, 0) << Name;
  return *Data.ObjectList.at(static_cast<size_t>(index));
}

TColor ObjectColour(const TspSkinData& Data, const std::string& Name, const TRect& R) {
  return ActivePixel(Data, ObjectEntry(Data, Name).ActivePictureIndex, (R.Left + R.Right) / 2,
                     (R.Top + R.Bottom) / 2);
}

TColor Inverted(TColor Color) { return (~Color) & 0xFFFFFF; }
