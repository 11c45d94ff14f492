#pragma once
// The object text form: components and their published properties written as text
//
//   object QvSkinImageListMain: TQvSkinImageList
//     Bitmaps = <
//       item
//         ResID = 'QvSkinCheckBox'
//         Bitmap.ResamplerClassName = 'TNearestResampler'
//         Bitmap.Data = {
//           44000000...}
//       end>
//     Left = 151
//     Top = 39
//   end
//
// and read back. Text is parsed into a tree of nodes first; components then take
// their properties from the tree. Portable: no platform headers.
#include <vector>

#include "host/Classes.h"

namespace qv {

enum TValueType {
  vaNull,
  vaInteger,
  vaFloat,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaCollection,
  vaList
};

struct TPropEntry;
using TPropList = std::vector<TPropEntry>;

struct TPropValue {
  TValueType Type = vaNull;
  int64_t Int = 0;
  double Float = 0;
  String Str;                    // vaString text, vaIdent name
  std::vector<uint8_t> Binary;   // vaBinary
  std::vector<String> SetItems;  // vaSet members, vaList string items
  std::vector<TPropList> Items;  // vaCollection items, each a list of properties

  static TPropValue OfInteger(int64_t V);
  static TPropValue OfFloat(double V);
  static TPropValue OfString(String V);
  static TPropValue OfIdent(String V);
  static TPropValue OfBoolean(bool V);
  static TPropValue OfBinary(std::vector<uint8_t> V);
  static TPropValue OfSet(std::vector<String> V);
  static TPropValue OfList(std::vector<String> V);

  bool AsBoolean() const;          // vaTrue/vaFalse; raises EReadError otherwise
  int64_t AsInteger() const;       // vaInteger; raises EReadError otherwise
  double AsFloat() const;          // vaFloat or vaInteger
  const String& AsString() const;  // vaString or vaIdent
};

struct TPropEntry {
  String Name;  // may be dotted: "Bitmap.DrawMode"
  TPropValue Value;
};

struct TObjectNode {
  String Name;
  String ClassName;
  bool Inherited = false;  // "inherited" instead of "object"
  TPropList Props;
  std::vector<TObjectNode> Children;
};

// Collects the properties an object writes. A nested writer prefixes names ("Bitmap.").
class TPropertyWriter {
 public:
  explicit TPropertyWriter(TPropList& Out, String Prefix = L"")
      : FOut(Out), FPrefix(std::move(Prefix)) {}
  void WriteInteger(const String& Name, int64_t Value);
  void WriteFloat(const String& Name, double Value);
  void WriteString(const String& Name, const String& Value);
  void WriteIdent(const String& Name, const String& Value);
  void WriteBoolean(const String& Name, bool Value);
  void WriteBinary(const String& Name, std::vector<uint8_t> Value);
  void WriteSet(const String& Name, const std::vector<String>& Members);
  void WriteList(const String& Name, const std::vector<String>& Items);  // ('a' 'b')
  void WriteCollection(const String& Name, const TCollection& Collection);
  // Writes Object's properties as Name.Property; with Reference, those that differ from
  // Reference's (TPropTable::Write).
  void WriteNested(const String& Name, const TPersistent& Object,
                   const TPersistent* Reference = nullptr);
  void WriteValue(const String& Name, TPropValue Value);

 private:
  TPropList& FOut;
  String FPrefix;
};

// Reading helpers.
// When Name is "Prefix.Rest", hands Rest to Object and answers what it answers; else false.
bool ReadNestedProperty(const String& Name, const String& Prefix, TPersistent& Object,
                        const TPropValue& Value);
// Replaces the collection's items with the items of a vaCollection value.
void ReadCollection(TCollection& Collection, const TPropValue& Value);
// Gives every property to Object; an unknown one raises EReadError
// "Error reading <Object>.<Name>: Property <Name> does not exist".
void ReadProperties(TPersistent& Object, const TPropList& Props, const String& ObjectName);

// Text form <-> tree. Parsing raises EParserError with the line number on malformed text.
String ObjectNodeToText(const TObjectNode& Node);
TObjectNode ObjectTextToNode(const String& Text);

// Component <-> tree. Writing takes the component's properties and its owned, named
// components as children. Reading marks the components as loading, gives them their
// properties, finds children by name among the owned components (or creates them
// through the class registry), and calls Loaded on each at the end. On any error the
// exception propagates after the loading state has been cleared.
TObjectNode WriteComponentNode(const TComponent& Root);
void ReadComponentNode(TComponent& Root, const TObjectNode& Node);

// Conveniences over the two steps.
String ComponentToText(const TComponent& Root);
void TextToComponent(const String& Text, TComponent& Root);

}  // namespace qv
