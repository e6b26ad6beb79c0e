#include "base/FormText.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// The value of the one property of a one-object form.
TFormValue ValueOf(const std::string& valueText) {
  const TFormObject root = ParseFormText("object A: TA\n  P = " + valueText + "\nend\n");
  EXPECT_EQ(root.Properties.size(), 1u);
  return root.Properties.empty() ? TFormValue{} : root.Properties[0].Value;
}

std::string ParseError(const std::string& text) {
  try {
    ParseFormText(text);
  } catch (const EParserError& e) {
    return e.Message();
  }
  return "(no error)";
}

}  // namespace

TEST(FormText, ObjectTreeWithPropertiesInOrder) {
  const TFormObject root = ParseFormText(
      "object MainForm: TMainForm\r\n"
      "  Left = 10\r\n"
      "  Font.Height = -11\r\n"
      "  OnCreate = FormCreate\r\n"
      "  object Panel1: TPanel\r\n"
      "    Align = alClient\r\n"
      "    object Button1: TButton\r\n"
      "    end\r\n"
      "  end\r\n"
      "  OBJECT Timer1: TTimer END\r\n"
      "end\r\n");
  EXPECT_EQ(root.Name, "MainForm");
  EXPECT_EQ(root.ClassName, "TMainForm");
  ASSERT_EQ(root.Properties.size(), 3u);
  EXPECT_EQ(root.Properties[0].Name, "Left");
  EXPECT_EQ(root.Properties[0].Value.Integer, 10);
  EXPECT_EQ(root.Properties[1].Name, "Font.Height");
  EXPECT_EQ(root.Properties[1].Line, 3);
  EXPECT_EQ(root.Properties[2].Value.Kind, TFormValueKind::Ident);
  EXPECT_EQ(root.Properties[2].Value.Text, "FormCreate");
  ASSERT_EQ(root.Children.size(), 2u);
  EXPECT_EQ(root.Children[0].Name, "Panel1");
  EXPECT_EQ(root.Children[0].Line, 5);
  ASSERT_EQ(root.Children[0].Children.size(), 1u);
  EXPECT_EQ(root.Children[0].Children[0].ClassName, "TButton");
  EXPECT_EQ(root.Children[1].ClassName, "TTimer");
}

TEST(FormText, Integers) {
  const struct {
    const char* Text;
    int64_t Value;
  } cases[] = {
      {"0", 0},
      {"-7", -7},
      {"$1F", 31},
      {"$ff", 255},
      {"-$10", -16},
      {"9223372036854775807", std::numeric_limits<int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<int64_t>::min()},
      {"$7FFFFFFFFFFFFFFF", std::numeric_limits<int64_t>::max()},
  };
  for (const auto& c : cases) {
    const TFormValue value = ValueOf(c.Text);
    EXPECT_EQ(value.Kind, TFormValueKind::Integer) << c.Text;
    EXPECT_EQ(value.Integer, c.Value) << c.Text;
  }
}

TEST(FormText, StringsWithQuotesCharacterCodesAndContinuations) {
  const struct {
    const char* Text;
    std::string Value;
  } cases[] = {
      {"''", ""},
      {"'It''s'", "It's"},
      {"'a'#13#10'b'", "a\r\nb"},
      {"#0#255", std::string("\0\xFF", 2)},
      {"'one ' +\n    'two'", "one two"},
      {"'caf\xE9'", "caf\xE9"},
      {"'tab'#9", "tab\t"},
  };
  for (const auto& c : cases) {
    const TFormValue value = ValueOf(c.Text);
    EXPECT_EQ(value.Kind, TFormValueKind::String) << c.Text;
    EXPECT_EQ(value.Text, c.Value) << c.Text;
  }
}

TEST(FormText, IdentifiersJoinDotsAndPluses) {
  EXPECT_EQ(ValueOf("Ctrl+Shift+F1").Text, "Ctrl+Shift+F1");
  EXPECT_EQ(ValueOf("Ctrl+1").Text, "Ctrl+1");
  EXPECT_EQ(ValueOf("True").Kind, TFormValueKind::Ident);
}

TEST(FormText, SetsListsBinaryAndCollections) {
  const TFormObject root = ParseFormText(
      "object A: TA\n"
      "  Style = [fsBold, fsItalic]\n"
      "  Empty = []\n"
      "  Lines.Strings = (\n"
      "    'first'\n"
      "    'second')\n"
      "  Widths = ( 1 -2 $10 )\n"
      "  Keys = ( Ctrl+A F1 )\n"
      "  Data = {\n"
      "    00 7f80\n"
      "    FF}\n"
      "  NoData = {}\n"
      "  Panels = <\n"
      "    item\n"
      "      Width = 50\n"
      "    end\n"
      "    item\n"
      "      Text = 'x'\n"
      "      Sub = < item end >\n"
      "    end>\n"
      "end\n");
  const auto& p = root.Properties;
  ASSERT_EQ(p.size(), 8u);
  EXPECT_EQ(p[0].Value.Kind, TFormValueKind::Set);
  EXPECT_EQ(p[0].Value.Names, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(p[1].Value.Names.empty());
  ASSERT_EQ(p[2].Value.Items.size(), 2u);
  EXPECT_EQ(p[2].Value.Items[1].Text, "second");
  EXPECT_EQ(p[2].Value.Items[1].Line, 6);
  ASSERT_EQ(p[3].Value.Items.size(), 3u);
  EXPECT_EQ(p[3].Value.Items[1].Integer, -2);
  EXPECT_EQ(p[3].Value.Items[2].Integer, 16);
  EXPECT_EQ(p[4].Value.Items[0].Text, "Ctrl+A");
  EXPECT_EQ(p[5].Value.Kind, TFormValueKind::Binary);
  EXPECT_EQ(p[5].Value.Bytes, (TBytes{0x00, 0x7F, 0x80, 0xFF}));
  EXPECT_EQ(p[6].Value.Kind, TFormValueKind::Binary);
  EXPECT_TRUE(p[6].Value.Bytes.empty());
  ASSERT_EQ(p[7].Value.CollectionItems.size(), 2u);
  EXPECT_EQ(p[7].Value.CollectionItems[0][0].Name, "Width");
  EXPECT_EQ(p[7].Value.CollectionItems[1][0].Value.Text, "x");
  EXPECT_EQ(p[7].Value.CollectionItems[1][1].Value.CollectionItems.size(), 1u);
}

TEST(FormText, ErrorsNameTheLineAndTheFault) {
  const struct {
    std::string Text;
    const char* Message;
  } cases[] = {
      {"", "Line 1: 'object' expected but the end of the text found"},
      {"object A: TA\n  P = 'open\nend", "Line 2: Unterminated string"},
      {"object A: TA\n  P = #256\nend", "Line 2: Character code out of range"},
      {"object A: TA\n  P = #\nend", "Line 2: Character code expected after '#'"},
      {"object A: TA\n  P = { 0A1 }\nend", "Line 2: Odd number of digits in binary data"},
      {"object A: TA\n  P = { 0G }\nend", "Line 2: Invalid character 'G' in binary data"},
      {"object A: TA\n  P = { 00", "Line 2: Unterminated binary data"},
      {"object A: TA\n  P = 1\n", "Line 3: 'end' of object A expected"},
      {"object A: TA\n  object B: TB\n  end\n  P = 1\nend", "Line 4: Property 'P' after the child objects of A"},
      {"object A: TA\n  P = 9223372036854775808\nend", "Line 2: Number out of range"},
      {"object A: TA\n  P = -$8000000000000001\nend", "Line 2: Number out of range"},
      {"object A: TA\n  P = 12ab\nend", "Line 2: Invalid number"},
      {"object A: TA\n  P = ;\nend", "Line 2: Unexpected character ';'"},
      {"object A: TA\n  P = \x01\nend", "Line 2: Unexpected character #1"},
      {"object A: TA\nend\nobject B: TB\nend", "Line 3: End of text expected but 'object' found"},
      {"object A: TA\n  P =\nend", "Line 3: Value expected but 'end' found"},
      {"object A: TA\n  P = [a b]\nend", "Line 2: ',' expected but 'b' found"},
      {"object A: TA\n  P = [a, 1]\nend", "Line 2: Set member expected but a number found"},
      {"object A: TA\n  P = ( ( 1 ) )\nend", "Line 2: List item expected but '(' found"},
      {"object A: TA\n  P = 'a' + 1\nend", "Line 2: String expected after '+' but a number found"},
      {"object A: TA\n  Font.1 = 1\nend", "Line 2: Property name expected but 'Font.1' found"},
      {"object A: TA\n  P = < Width = 1 >\nend", "Line 2: 'item' expected but 'Width' found"},
      {"object A: TA\n  P = < item\n", "Line 3: 'end' of collection item expected"},
      {"object 1: TA\nend", "Line 1: Object name expected but a number found"},
      {"object A TA\nend", "Line 1: ':' expected but 'TA' found"},
      {"object A: T.A\nend", "Line 1: Class name expected but 'T.A' found"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseError(c.Text), c.Message) << c.Text;
}

TEST(FormText, NestingIsBounded) {
  std::string deep;
  for (int i = 0; i < MaxFormNesting; ++i) deep += "object A: TA\n";
  for (int i = 0; i < MaxFormNesting; ++i) deep += "end\n";
  EXPECT_NO_THROW(ParseFormText(deep));
  EXPECT_EQ(ParseError("object A: TA\n" + deep + "end\n"),
            "Line " + std::to_string(MaxFormNesting + 1) + ": Nesting too deep");

  std::string collections = "object A: TA\n  P = ";
  for (int i = 0; i < MaxFormNesting; ++i) collections += "< item Q = ";
  EXPECT_NE(ParseError(collections).find("Nesting too deep"), std::string::npos);
}
