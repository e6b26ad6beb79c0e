#pragma once
// TspSkinMemo: a native multi-line edit that draws its frame and background from the
// skin entry SkinDataName ("memo") inside its own client area, keeps its text inside that
// frame with a formatting rectangle, and mirrors its native scroll state onto two
// external skinned scroll bars that the form places beside it (the native bars exist but
// never show: the window has no non-client area). It offers the skinned edits' context
// menu and their read-only mode, and a disabled memo draws its lines itself.

#include "EditContextMenu.h"
#include "SkinEntryLink.h"
#include "TextScrollWatch.h"

#include "skin/boxes/portable/MemoLayout.h"
#include "skin/controls/SkinChangeParticipant.h"

#include "classlib/Memo.h"

#include <cstdint>
#include <string>

class TspSkinScrollBar;

class TspSkinMemo : public TMemo, public TspSkinChangeParticipant {
public:
  explicit TspSkinMemo(TComponent* AOwner);
  ~TspSkinMemo() override;

  // The font without a skin (and with one when UseSkinFont is off).
  TFont* DefaultFont() { return &FDefaultFont; }
  void SetDefaultFont(TFont* Value) { FDefaultFont.Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // The text takes the skin entry's font colours (hot while focused or under the pointer).
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
  // The background is a picture (the skin's, or Color drawn with the frame) rather than
  // the native control's erase; the window is made again.
  bool BitMapBG() const { return FBitMapBG; }
  void SetBitMapBG(bool Value) { SetRecreating(FBitMapBG, Value); }
  // The external bars (not owned; cleared when they go). A bar set here starts at
  // 0 .. 0 and scrolls the memo.
  TspSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TspSkinScrollBar* Value) { SetBar(FVScrollBar, Value); }
  TspSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TspSkinScrollBar* Value) { SetBar(FHScrollBar, Value); }
  TspSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  // With BitMapBG, the parent shows through the background by AlphaBlendValue: 0 not at
  // all, 255 wholly (then only the frame is drawn over it).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  // A plain flag: the native control stays writable, the editing messages are dropped
  // (Ctrl+C still copies). It hides the edit's own flag.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }

  // The index of the skin entry as of the last lookup; -1 for none.
  int32_t SkinIndex() const { return FLink.Index(); }
  // The skinned context menu of the last right click while it lives; nullptr otherwise.
  TspSkinPopupMenu* ContextMenu() const { return FContextMenu.Menu(); }
  // The rectangle the text is formatted in, as last set (the control lowers its bottom
  // to whole lines).
  TRect FormattingRect() const { return FFormattingRect; }

  void PrepareSkinDataChange() override { FLink.Forget(); }
  void ChangeSkinData() override;
  // The bars follow the native scroll state.
  void UpdateScrollBars();
  void Invalidate() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Change() override;
  void BeforeDestruction() override;

private:
  void GetSkinData() { FLink.LookUp(FSkinData, FSkinDataName); }
  const TspMemoSkin* Skin() const { return FLink.Skin(); }
  bool Skinned() const { return Skin() != nullptr; }
  void SetBar(TspSkinScrollBar*& Field, TspSkinScrollBar* Value);
  void VScrollBarChange(TObject* Sender);
  void HScrollBarChange(TObject* Sender);
  void ScrollTo(UINT Msg, TspSkinScrollBar* Bar);
  void DefaultFontChanged(TObject* Sender);
  // The look of the state (focus, pointer): font colour and, without BitMapBG, the
  // background colour.
  void ShowState(bool Hot);
  // The text colour of the enabled or disabled memo.
  void UpdateFontColor();
  bool Bordered() const { return BorderStyle() == bsSingle; }
  void SetFormattingRect();
  // After a message that may have changed the text or scrolled it.
  void TextMayHaveMoved();
  void HandleEditing(TMessage& Message);
  void HandleWheel(TMessage& Message);
  void HandleControlColor(TMessage& Message);

  // Painting (SkinMemoPaint.cpp).
  // The skin rectangle of the state shown (focus, pointer, enabled); empty without a skin.
  TRect StateRect();
  void PaintBackgroundAndFrame(HDC DC);
  void DrawFrame(TCanvas& Canvas, const TRect& Client);
  void PaintClient(TMessage& Message);
  void DrawDisabledLines(HDC DC);

  TFont FDefaultFont;
  bool FUseSkinFont = true;
  bool FUseSkinFontColor = true;
  bool FBitMapBG = true;
  TspSkinScrollBar* FVScrollBar = nullptr;
  TspSkinScrollBar* FHScrollBar = nullptr;
  TspSkinData* FSkinData = nullptr;
  std::string FSkinDataName = "memo";
  bool FTransparent = false;
  uint8_t FAlphaBlendValue = 0;
  bool FReadOnly = false;

  TspSkinEntryLink<TspDataSkinMemoControl, TspMemoSkin, MemoSkinOf> FLink;
  bool FMouseOver = false;
  bool FMouseDown = false;
  bool FPainting = false;
  TspTextScrollWatch FScrollWatch;  // with BitMapBG
  TRect FFormattingRect;
  bool FFormattingRectSet = false;  // the control has FFormattingRect
  TspEditContextMenu FContextMenu{*this, [this] { return FReadOnly; }};
};
