#include "Memo.h"

#include <algorithm>

// The memo's lines: read and changed through the EM_ line messages while the memo has a
// window, through its text while it has none.
class TMemoStrings : public TStrings {
public:
  explicit TMemoStrings(TMemo& Memo) : FMemo(Memo) {}

  int Count() const override;
  std::string Get(int Index) const override;
  void Put(int Index, const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override { FMemo.SetText(""); }
  void SetText(const std::string& Text) override { FMemo.SetText(Text); }

protected:
  void SetUpdateState(bool Updating) override;

private:
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) const {
    return SendMessageA(FMemo.Handle(), Msg, WParam, LParam);
  }
  void CheckIndex(int Index, int Limit) const {
    if (Index < 0 || Index >= Limit) Error("List index out of bounds", Index);
  }
  int LineStart(int Index) const { return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(Index))); }
  int LineLength(int Start) const { return static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(Start))); }
  void Replace(int Start, int End, const std::string& Text) {
    Send(EM_SETSEL, static_cast<WPARAM>(Start), End);
    Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Text.c_str()));
  }
  // Without a window: the lines of the text, and a change of them written back.
  void ReadDetached(TStringList& Lines) const { Lines.SetText(FMemo.Text()); }
  template <class Change>
  void ChangeDetached(const Change& change) {
    TStringList lines;
    ReadDetached(lines);
    change(lines);
    FMemo.SetText(lines.Text());
  }

  TMemo& FMemo;
};

int TMemoStrings::Count() const {
  if (!FMemo.HandleAllocated()) {
    TStringList lines;
    ReadDetached(lines);
    return lines.Count();
  }
  int count = static_cast<int>(Send(EM_GETLINECOUNT));
  if (count > 0 && LineLength(LineStart(count - 1)) == 0) --count;
  return count;
}

std::string TMemoStrings::Get(int Index) const {
  CheckIndex(Index, Count());
  if (!FMemo.HandleAllocated()) {
    TStringList lines;
    ReadDetached(lines);
    return lines.Get(Index);
  }
  const int length = LineLength(LineStart(Index));
  // EM_GETLINE reads the buffer's size from its first word.
  std::string line(std::max<size_t>(static_cast<size_t>(length), sizeof(WORD)), '\0');
  *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(line.size());
  const auto copied = static_cast<size_t>(Send(EM_GETLINE, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(line.data())));
  line.resize(std::min(copied, static_cast<size_t>(length)));
  return line;
}

void TMemoStrings::Put(int Index, const std::string& S) {
  CheckIndex(Index, Count());
  if (!FMemo.HandleAllocated()) return ChangeDetached([&](TStringList& lines) { lines.Put(Index, S); });
  const int start = LineStart(Index);
  Replace(start, start + LineLength(start), S);
}

void TMemoStrings::Insert(int Index, const std::string& S) {
  CheckIndex(Index, Count() + 1);
  if (!FMemo.HandleAllocated()) return ChangeDetached([&](TStringList& lines) { lines.Insert(Index, S); });
  const int start = LineStart(Index);
  if (start >= 0) {
    Replace(start, start, S + "\r\n");
    return;
  }
  // After the last line, which has no line break yet.
  const int last = LineStart(Index - 1);
  const int end = last + LineLength(last);
  Replace(end, end, "\r\n" + S);
}

void TMemoStrings::Delete(int Index) {
  CheckIndex(Index, Count());
  if (!FMemo.HandleAllocated()) return ChangeDetached([&](TStringList& lines) { lines.Delete(Index); });
  const int start = LineStart(Index);
  const int next = LineStart(Index + 1);
  Replace(start, next >= 0 ? next : start + LineLength(start), "");
}

void TMemoStrings::SetUpdateState(bool Updating) {
  if (!FMemo.HandleAllocated()) return;
  Send(WM_SETREDRAW, !Updating);
  if (!Updating) FMemo.Invalidate();
}

// TMemo

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

TStrings* TMemo::Lines() { return FLines.get(); }

void TMemo::SetLines(TStrings* Value) { FLines->Assign(Value); }

void TMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
  if (FWordWrap) Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  TAlignment alignment = FAlignment;
  if (UseRightToLeftAlignment() && alignment != taCenter)
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  Params.Style |= EditAlignmentStyle(alignment);
}

void TMemo::SetScrollBars(TScrollStyle Value) { SetRecreating(FScrollBars, Value); }

void TMemo::SetWordWrap(bool Value) { SetRecreating(FWordWrap, Value); }

void TMemo::SetAlignment(TAlignment Value) { SetRecreating(FAlignment, Value); }
