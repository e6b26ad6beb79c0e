#pragma once
// TStrings, the abstract list of strings with attached objects, and TStringList.

#include "Delegate.h"
#include "Persistent.h"

#include <string>
#include <vector>

class TStream;

class TStrings : public TPersistent {
public:
  // The list's storage, provided by each descendant.
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void InsertObject(int index, const std::string& s, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  std::string Strings(int index) const { return Get(index); }
  void SetStrings(int index, const std::string& s) { Put(index, s); }
  TObject* Objects(int index) const { return GetObject(index); }
  void SetObjects(int index, TObject* object) { PutObject(index, object); }

  virtual int Add(const std::string& s);
  virtual int AddObject(const std::string& s, TObject* object);
  void AddStrings(const TStrings& strings);
  void Append(const std::string& s) { Add(s); }
  virtual void Move(int curIndex, int newIndex);
  virtual void Exchange(int index1, int index2);

  virtual int IndexOf(const std::string& s) const;
  // "name=value" lines: the name is the text before the first "=", compared without case.
  int IndexOfName(const std::string& name) const;
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  std::string Values(const std::string& name) const;
  void SetValues(const std::string& name, const std::string& value);  // "" deletes

  // Every line followed by CRLF; setting splits at CR, LF or CRLF and keeps a final
  // unterminated line.
  std::string Text() const;
  virtual void SetText(const std::string& text);

  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char c) { FDelimiter = c; }
  char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(char c) { FQuoteChar = c; }
  // Items joined by Delimiter; an item holding a char <= ' ', the quote or the delimiter
  // is quoted with inner quotes doubled. Reading splits strictly at delimiters outside
  // quotes.
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& text);

  void LoadFromFile(const std::string& fileName);  // raises EFOpenError when missing
  // The rest of the stream; raises EIntOverflow when it holds 2 GB or more.
  void LoadFromStream(TStream& stream);
  void SaveToFile(const std::string& fileName) const;
  void SaveToStream(TStream& stream) const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void Assign(const TPersistent* Source) override;

protected:
  // Called when the first BeginUpdate starts and the last EndUpdate ends an update.
  virtual void SetUpdateState(bool updating);
  [[noreturn]] void Error(const std::string& message, int index) const;
  virtual int CompareStrings(const std::string& a, const std::string& b) const;

private:
  int FUpdateCount = 0;
  char FDelimiter = ',';
  char FQuoteChar = '"';
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
  int Count() const override { return static_cast<int>(FItems.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const std::string& s) override;
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::string& s) override;
  void SetText(const std::string& text) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Exchange(int index1, int index2) override;
  int IndexOf(const std::string& s) const override;

  // Binary search in a sorted list: true and the index when found, else false and the
  // index where s would go.
  bool Find(const std::string& s, int& index) const;
  virtual void Sort();

  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool caseSensitive);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(const std::string& a, const std::string& b) const override;
  virtual void Changed();
  virtual void Changing();

private:
  struct Item {
    std::string Text;
    TObject* Object = nullptr;
  };

  void CheckIndex(int index) const;
  void InsertItem(int index, const std::string& s, TObject* object);

  std::vector<Item> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
};
