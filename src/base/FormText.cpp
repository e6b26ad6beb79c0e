#include "FormText.h"

#include "Component.h"
#include "Exceptions.h"
#include "StrUtils.h"

#include <limits>

namespace {

enum class TTokenKind { Word, Integer, String, Binary, Symbol, EndOfText };

struct TToken {
  TTokenKind Kind = TTokenKind::EndOfText;
  int Line = 1;
  std::string Text;  // a word, a string's value, or the symbol
  int64_t Integer = 0;
  TBytes Bytes;
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c); }

bool IsSymbolChar(char c) {
  switch (c) {
    case '=':
    case ':':
    case '[':
    case ']':
    case '(':
    case ')':
    case '<':
    case '>':
    case ',':
    case '+': return true;
    default: return false;
  }
}

class TFormLexer {
public:
  explicit TFormLexer(const std::string& text) : FText(text) {}

  TToken Next() {
    SkipBlanks();
    TToken token;
    token.Line = FLine;
    if (AtEnd()) return token;
    const char c = Peek();
    if (IsLetter(c)) {
      ReadWord(token);
    } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
      ReadNumber(token);
    } else if (c == '\'' || c == '#') {
      ReadString(token);
    } else if (c == '{') {
      ReadBinary(token);
    } else if (IsSymbolChar(c)) {
      token.Kind = TTokenKind::Symbol;
      token.Text = std::string(1, c);
      ++FPos;
    } else {
      Error("Unexpected character " + Describe(c));
    }
    return token;
  }

private:
  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek(size_t ahead = 0) const { return FPos + ahead < FText.size() ? FText[FPos + ahead] : '\0'; }

  [[noreturn]] void Error(const std::string& message) const {
    throw EParserError("Line " + std::to_string(FLine) + ": " + message);
  }

  static std::string Describe(char c) {
    const auto code = static_cast<unsigned char>(c);
    std::string text(1, '#');
    if (code >= 0x20 && code < 0x7F)
      text.assign({'\'', c, '\''});
    else
      text += std::to_string(code);
    return text;
  }

  void SkipBlanks() {
    while (!AtEnd()) {
      const char c = Peek();
      if (c == '\n' || (c == '\r' && Peek(1) != '\n')) {
        ++FLine;
      } else if (c != ' ' && c != '\t' && c != '\r') {
        return;
      }
      ++FPos;
    }
  }

  void ReadWord(TToken& token) {
    token.Kind = TTokenKind::Word;
    const size_t start = FPos;
    while (!AtEnd()) {
      if (IsWordChar(Peek()) || ((Peek() == '.' || Peek() == '+') && IsWordChar(Peek(1))))
        ++FPos;
      else
        break;
    }
    token.Text = FText.substr(start, FPos - start);
  }

  void ReadNumber(TToken& token) {
    token.Kind = TTokenKind::Integer;
    const bool negative = Peek() == '-';
    if (negative) ++FPos;
    const bool hex = Peek() == '$';
    if (hex) ++FPos;
    const uint64_t base = hex ? 16 : 10;
    uint64_t magnitude = 0;
    int digits = 0;
    for (; !AtEnd(); ++FPos, ++digits) {
      const int digit = hex ? HexDigitValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
      if (digit < 0) break;
      if (magnitude > (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(digit)) / base)
        Error("Number out of range");
      magnitude = magnitude * base + static_cast<uint64_t>(digit);
    }
    if (digits == 0 || IsWordChar(Peek())) Error("Invalid number");
    const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
    if (magnitude > limit) Error("Number out of range");
    token.Integer = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  }

  void ReadString(TToken& token) {
    token.Kind = TTokenKind::String;
    while (Peek() == '\'' || Peek() == '#') {
      if (Peek() == '#') {
        ++FPos;
        int code = 0;
        int digits = 0;
        for (; IsDigit(Peek()); ++FPos, ++digits) {
          code = code * 10 + (Peek() - '0');
          if (code > 255) Error("Character code out of range");
        }
        if (digits == 0) Error("Character code expected after '#'");
        token.Text += static_cast<char>(code);
        continue;
      }
      ++FPos;  // the opening quote
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') Error("Unterminated string");
        const char c = FText[FPos++];
        if (c != '\'') {
          token.Text += c;
        } else if (Peek() == '\'') {
          token.Text += '\'';
          ++FPos;
        } else {
          break;
        }
      }
    }
  }

  void ReadBinary(TToken& token) {
    token.Kind = TTokenKind::Binary;
    ++FPos;  // '{'
    int high = -1;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Error("Unterminated binary data");
      const char c = FText[FPos++];
      if (c == '}') break;
      const int digit = HexDigitValue(c);
      if (digit < 0) Error("Invalid character " + Describe(c) + " in binary data");
      if (high < 0) {
        high = digit;
      } else {
        token.Bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
        high = -1;
      }
    }
    if (high >= 0) Error("Odd number of digits in binary data");
  }

  const std::string& FText;
  size_t FPos = 0;
  int FLine = 1;
};

class TFormParser {
public:
  explicit TFormParser(const std::string& text) : FLexer(text) { Advance(); }

  TFormObject Parse() {
    TFormObject root = ParseObject(1);
    if (FToken.Kind != TTokenKind::EndOfText) Error("End of text expected but " + Found() + " found");
    return root;
  }

private:
  void Advance() { FToken = FLexer.Next(); }

  [[noreturn]] void Error(const std::string& message) const {
    throw EParserError("Line " + std::to_string(FToken.Line) + ": " + message);
  }

  std::string Found() const {
    switch (FToken.Kind) {
      case TTokenKind::Word:
      case TTokenKind::Symbol: return "'" + FToken.Text + "'";
      case TTokenKind::Integer: return "a number";
      case TTokenKind::String: return "a string";
      case TTokenKind::Binary: return "binary data";
      case TTokenKind::EndOfText: break;
    }
    return "the end of the text";
  }

  bool IsKeyword(const char* keyword) const {
    return FToken.Kind == TTokenKind::Word && SameText(FToken.Text, keyword);
  }
  bool AtKeyword() const { return IsKeyword("object") || IsKeyword("end") || IsKeyword("item"); }
  bool IsSymbol(char symbol) const {
    return FToken.Kind == TTokenKind::Symbol && FToken.Text[0] == symbol;
  }

  void ExpectSymbol(char symbol) {
    if (!IsSymbol(symbol)) Error(std::string("'") + symbol + "' expected but " + Found() + " found");
    Advance();
  }

  void ExpectKeyword(const char* keyword) {
    if (!IsKeyword(keyword)) Error(std::string("'") + keyword + "' expected but " + Found() + " found");
    Advance();
  }

  std::string ExpectIdentifier(const char* what) {
    if (FToken.Kind != TTokenKind::Word || AtKeyword() || !IsValidIdent(FToken.Text))
      Error(std::string(what) + " expected but " + Found() + " found");
    std::string name = FToken.Text;
    Advance();
    return name;
  }

  void CheckDepth(int depth) const {
    if (depth > MaxFormNesting) Error("Nesting too deep");
  }

  TFormObject ParseObject(int depth) {
    CheckDepth(depth);
    TFormObject object;
    object.Line = FToken.Line;
    ExpectKeyword("object");
    object.Name = ExpectIdentifier("Object name");
    ExpectSymbol(':');
    object.ClassName = ExpectIdentifier("Class name");
    while (!IsKeyword("end")) {
      if (FToken.Kind == TTokenKind::EndOfText) Error("'end' of object " + object.Name + " expected");
      if (IsKeyword("object")) {
        object.Children.push_back(ParseObject(depth + 1));
      } else {
        if (!object.Children.empty()) Error("Property " + Found() + " after the child objects of " + object.Name);
        object.Properties.push_back(ParseProperty(depth));
      }
    }
    Advance();
    return object;
  }

  TFormProperty ParseProperty(int depth) {
    TFormProperty property;
    property.Line = FToken.Line;
    if (FToken.Kind != TTokenKind::Word || AtKeyword() || !IsPropertyPath(FToken.Text))
      Error("Property name expected but " + Found() + " found");
    property.Name = FToken.Text;
    Advance();
    ExpectSymbol('=');
    property.Value = ParseValue(depth);
    return property;
  }

  static bool IsPropertyPath(const std::string& path) {
    size_t start = 0;
    for (;;) {
      const size_t dot = path.find('.', start);
      if (!IsValidIdent(path.substr(start, dot == std::string::npos ? std::string::npos : dot - start)))
        return false;
      if (dot == std::string::npos) return true;
      start = dot + 1;
    }
  }

  TFormValue ParseValue(int depth) {
    TFormValue value;
    value.Line = FToken.Line;
    if (IsSymbol('[')) {
      ParseSet(value);
    } else if (IsSymbol('(')) {
      ParseList(value);
    } else if (IsSymbol('<')) {
      ParseCollection(value, depth);
    } else if (FToken.Kind == TTokenKind::Binary) {
      value.Kind = TFormValueKind::Binary;
      value.Bytes = std::move(FToken.Bytes);
      Advance();
    } else {
      ParseScalar(value, "Value");
    }
    return value;
  }

  // An integer, an identifier or a string (with its "+" continuations).
  void ParseScalar(TFormValue& value, const char* what) {
    value.Line = FToken.Line;
    switch (FToken.Kind) {
      case TTokenKind::Integer:
        value.Kind = TFormValueKind::Integer;
        value.Integer = FToken.Integer;
        Advance();
        return;
      case TTokenKind::Word:
        if (AtKeyword()) break;
        value.Kind = TFormValueKind::Ident;
        value.Text = FToken.Text;
        Advance();
        return;
      case TTokenKind::String:
        value.Kind = TFormValueKind::String;
        value.Text = std::move(FToken.Text);
        Advance();
        while (IsSymbol('+')) {
          Advance();
          if (FToken.Kind != TTokenKind::String) Error("String expected after '+' but " + Found() + " found");
          value.Text += FToken.Text;
          Advance();
        }
        return;
      default: break;
    }
    Error(std::string(what) + " expected but " + Found() + " found");
  }

  void ParseSet(TFormValue& value) {
    value.Kind = TFormValueKind::Set;
    Advance();
    if (IsSymbol(']')) {
      Advance();
      return;
    }
    for (;;) {
      value.Names.push_back(ExpectIdentifier("Set member"));
      if (IsSymbol(']')) break;
      ExpectSymbol(',');
    }
    Advance();
  }

  void ParseList(TFormValue& value) {
    value.Kind = TFormValueKind::List;
    Advance();
    while (!IsSymbol(')')) {
      TFormValue item;
      ParseScalar(item, "List item");
      value.Items.push_back(std::move(item));
    }
    Advance();
  }

  void ParseCollection(TFormValue& value, int depth) {
    CheckDepth(depth + 1);
    value.Kind = TFormValueKind::Collection;
    Advance();
    while (!IsSymbol('>')) {
      ExpectKeyword("item");
      std::vector<TFormProperty> properties;
      while (!IsKeyword("end")) {
        if (FToken.Kind == TTokenKind::EndOfText) Error("'end' of collection item expected");
        properties.push_back(ParseProperty(depth + 1));
      }
      Advance();
      value.CollectionItems.push_back(std::move(properties));
    }
    Advance();
  }

  TFormLexer FLexer;
  TToken FToken;
};

}  // namespace

TFormObject ParseFormText(const std::string& Text) { return TFormParser(Text).Parse(); }
