#pragma once
// The text form format: the description of a form's component tree. Parsing only builds
// the tree; what the class and property names mean is the form reader's business.
//
//   object MainForm: TMainForm          an object: its name and class,
//     Caption = 'Files'#9'list'         its properties in order,
//     Font.Height = -11                 a dotted name sets a property of a sub-object,
//     object Button1: TButton           then its child objects,
//       Anchors = [akRight, akBottom]
//     end
//   end                                 each closed by "end".
//
// Values:
//   integers      12, -7, $1F (hexadecimal after "$"), within 64 bits
//   identifiers   True, clBtnFace, alClient, Button1ClickHandler, Ctrl+A ("+" and "."
//                 join words written without blanks)
//   strings       'It''s' with #nnn character codes (0..255) joined directly:
//                 'a'#13#10'b'; a "+" between two strings joins them across lines
//   sets          [fsBold, fsItalic]
//   lists         ( 'one' 'two' ) or ( 1 2 3 ): integers, identifiers or strings
//   binary data   { 0A1BFF ... } hexadecimal byte pairs, blanks and line breaks allowed
//   collections   < item  Width = 5  end  item ... end >, each item with its properties
// The keywords object, end and item are case-insensitive.

#include "StrUtils.h"

#include <cstdint>
#include <string>
#include <vector>

struct TFormProperty;

enum class TFormValueKind { Integer, Ident, String, Set, List, Binary, Collection };

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::Integer;
  int Line = 0;
  int64_t Integer = 0;
  std::string Text;                                          // identifier or string
  std::vector<std::string> Names;                            // set members
  std::vector<TFormValue> Items;                             // list items
  TBytes Bytes;                                              // binary data
  std::vector<std::vector<TFormProperty>> CollectionItems;  // each item's properties
};

struct TFormProperty {
  std::string Name;  // one name, or a dotted path through sub-objects
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  std::string Name;
  std::string ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// The object the text describes. Raises EParserError ("Line 12: ...") for text that
// does not follow the format, also for objects, lists and collections nested deeper
// than MaxFormNesting.
TFormObject ParseFormText(const std::string& Text);

inline constexpr int MaxFormNesting = 64;
