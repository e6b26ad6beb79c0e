#include "base/Exceptions.h"
#include "base/Locale.h"
#include "base/Streams.h"
#include "base/Strings.h"

#include "ListItems.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(StringListText, SplitsAtCrLfOrCrlfAndKeepsAFinalUnterminatedLine) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd");
  EXPECT_EQ(Items(list), (Lines{"a", "b", "c", "d"}));
  list.SetText("a\r\n");
  EXPECT_EQ(Items(list), (Lines{"a"}));
  list.SetText("a\r\n\r\n");
  EXPECT_EQ(Items(list), (Lines{"a", ""}));
  list.SetText("\n\r");  // LF then CR are two line ends
  EXPECT_EQ(Items(list), (Lines{"", ""}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringListText, EveryLineIsFollowedByCrlf) {
  TStringList list;
  list.Add("x");
  list.Add("");
  EXPECT_EQ(list.Text(), "x\r\n\r\n");
}

TEST(StringListFiles, LoadsMixedLineEndsAndSavesCrlf) {
  TempFolder folder;
  folder.WriteFile("in.txt", "one\rtwo\nthree\r\nfour");
  TStringList list;
  list.LoadFromFile(folder / "in.txt");
  EXPECT_EQ(Items(list), (Lines{"one", "two", "three", "four"}));
  list.SaveToFile(folder / "out.txt");
  EXPECT_EQ(folder.ReadFile("out.txt"), "one\r\ntwo\r\nthree\r\nfour\r\n");
  EXPECT_THROW(list.LoadFromFile(folder / "missing.txt"), EFOpenError);
}

TEST(StringListFiles, AFileTooLargeForAStreamTransferIsRefused) {
  TempFolder folder;
  TFileStream huge(folder / "huge.txt", fmCreate);
  huge.WriteBuffer("line\r\n", 6);
  huge.SetSize(int64_t{3} << 30);  // sparse: no disk used
  huge.SetPosition(0);
  TStringList list;
  list.Add("kept");
  EXPECT_THROW(list.LoadFromStream(huge), EIntOverflow);
  EXPECT_EQ(Items(list), (Lines{"kept"}));
}

TEST(StringListFiles, LoadFromStreamReadsTheRestOfTheStream) {
  TMemoryStream stream;
  std::string text = "skip\r\nkeep";
  stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
  stream.SetPosition(6);
  TStringList list;
  list.LoadFromStream(stream);
  EXPECT_EQ(Items(list), (Lines{"keep"}));
}

class DelimitedText : public ::testing::Test {
protected:
  DelimitedText() {
    list.SetDelimiter(',');
    list.SetQuoteChar('|');
  }
  TStringList list;
};

TEST_F(DelimitedText, QuotesItemsWithBlanksQuotesOrDelimiters) {
  for (const char* s : {"<A> - <T>", "plain", "a,b", "pipe|inside", "", "tab\there"}) list.Add(s);
  EXPECT_EQ(list.DelimitedText(), "|<A> - <T>|,plain,|a,b|,|pipe||inside|,,|tab\there|");
}

TEST_F(DelimitedText, RoundTripsAwkwardItems) {
  const std::vector<Lines> cases = {
      {"<A> - <T>", "\\ <A>\\<L>\\<N> - <T>", "<N> - <T>"},
      {"a,b", "|", "||", "|x|", " lead", "trail ", ","},
      {"", "x"},
      {"x", ""},
      {""},
      {"", ""},
  };
  for (const Lines& items : cases) {
    TStringList source;
    source.SetDelimiter(',');
    source.SetQuoteChar('|');
    for (const std::string& s : items) source.Add(s);
    list.SetDelimitedText(source.DelimitedText());
    EXPECT_EQ(Items(list), items) << source.DelimitedText();
  }
}

TEST_F(DelimitedText, ReadingSplitsStrictlyAtDelimitersOutsideQuotes) {
  list.SetDelimitedText("a b,c");
  EXPECT_EQ(Items(list), (Lines{"a b", "c"}));
  list.SetDelimitedText(",a,");
  EXPECT_EQ(Items(list), (Lines{"", "a", ""}));
  list.SetDelimitedText("|x,y|z,w");  // text after a closing quote starts a new item
  EXPECT_EQ(Items(list), (Lines{"x,y", "z", "w"}));
  list.SetDelimitedText("|unterminated");
  EXPECT_EQ(Items(list), (Lines{"unterminated"}));
  list.SetDelimitedText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringListSorting, SortsWithTheLocaleCompareAndObjectsTravel) {
  TStringList list;
  TObject a, b, c;
  list.AddObject("charlie", &c);
  list.AddObject("Alpha", &a);
  list.AddObject("bravo", &b);
  list.Sort();
  EXPECT_EQ(Items(list), (Lines{"Alpha", "bravo", "charlie"}));
  EXPECT_EQ(list.Objects(0), &a);
  EXPECT_EQ(list.Objects(1), &b);
  EXPECT_EQ(list.Objects(2), &c);
  // Lines the comparison finds equal keep their order.
  list.SetText("Beta\r\nalpha\r\nbeta\r\nALPHA");
  list.Sort();
  EXPECT_EQ(Items(list), (Lines{"alpha", "ALPHA", "Beta", "beta"}));
  list.SetCaseSensitive(true);
  list.Sort();
  for (int i = 1; i < list.Count(); ++i) EXPECT_LT(AnsiCompareStr(list.Strings(i - 1), list.Strings(i)), 0);
}

TEST(StringListSorting, SortedListsInsertInOrderAndHandleDuplicates) {
  TStringList list;
  list.SetSorted(true);
  list.Add("m");
  list.Add("c");
  list.Add("x");
  EXPECT_EQ(Items(list), (Lines{"c", "m", "x"}));
  EXPECT_EQ(list.Add("M"), 1);  // dupIgnore: the existing index, nothing added
  EXPECT_EQ(list.Count(), 3);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("c"), EStringListError);
  list.SetDuplicates(dupAccept);
  list.Add("c");
  EXPECT_EQ(Items(list), (Lines{"c", "c", "m", "x"}));
  EXPECT_THROW(list.Insert(0, "a"), EStringListError);
  int index = -1;
  EXPECT_FALSE(list.Find("n", index));
  EXPECT_EQ(index, 3);
  EXPECT_EQ(list.IndexOf("X"), 3);
}

TEST(StringListSorting, CaseSensitivityDecidesMatches) {
  TStringList list;
  list.Add("Key");
  EXPECT_EQ(list.IndexOf("KEY"), 0);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("KEY"), -1);
  EXPECT_EQ(list.IndexOf("Key"), 0);
}

TEST(StringListNames, NameValueLines) {
  TStringList list;
  list.SetText("Title=Song\r\nempty=\r\nnoequals\r\nURL=a=b");
  EXPECT_EQ(list.IndexOfName("title"), 0);
  EXPECT_EQ(list.IndexOfName("noequals"), -1);
  EXPECT_EQ(list.Values("url"), "a=b");
  EXPECT_EQ(list.Names(3), "URL");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.ValueFromIndex(1), "");
  list.SetValues("Title", "Other");
  EXPECT_EQ(list.Strings(0), "Title=Other");
  list.SetValues("New", "1");
  EXPECT_EQ(list.Strings(4), "New=1");
  list.SetValues("title", "");
  EXPECT_EQ(list.IndexOfName("Title"), -1);
}

TEST(StringListEditing, MoveExchangeDeleteAndRangeErrors) {
  TStringList list;
  list.SetText("a\nb\nc\nd");
  list.Move(0, 2);
  EXPECT_EQ(Items(list), (Lines{"b", "c", "a", "d"}));
  list.Exchange(0, 3);
  EXPECT_EQ(Items(list), (Lines{"d", "c", "a", "b"}));
  list.Delete(1);
  EXPECT_EQ(Items(list), (Lines{"d", "a", "b"}));
  EXPECT_THROW(list.Strings(3), EStringListError);
  EXPECT_THROW(list.Delete(-1), EStringListError);
  EXPECT_THROW(list.Insert(5, "x"), EStringListError);
  list.Insert(3, "end");
  EXPECT_EQ(list.Strings(3), "end");
}

TEST(StringListEvents, ChangeFiresOncePerUpdate) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.Add("a");
  EXPECT_EQ(changes, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  list.SetText("x\ny\nz");
  EXPECT_EQ(changes, 3);
}

TEST(StringListSetText, ReplacesItemsAndObjectsAndASortedListSortsThem) {
  TStringList list;
  TObject o;
  list.AddObject("old", &o);
  list.SetText("b\r\na\r\nb");
  EXPECT_EQ(Items(list), (Lines{"b", "a", "b"}));
  EXPECT_EQ(list.Objects(0), nullptr);
  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetText("b\r\na\r\nb");
  EXPECT_EQ(Items(sorted), (Lines{"a", "b"}));  // duplicates ignored
}

TEST(StringListAssign, CopiesItemsObjectsAndDelimiters) {
  TStringList source, target;
  TObject o;
  source.SetDelimiter(';');
  source.AddObject("one", &o);
  target.Add("old");
  target.Assign(&source);
  EXPECT_EQ(Items(target), (Lines{"one"}));
  EXPECT_EQ(target.Objects(0), &o);
  EXPECT_EQ(target.Delimiter(), ';');
  EXPECT_THROW(target.Assign(nullptr), EConvertError);
}

}  // namespace
