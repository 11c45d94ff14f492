#include "host/ObjectText.h"

#include <exception>

#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

// ---- values ----------------------------------------------------------------

namespace {
const wchar_t* TypeName(TValueType T) {
  switch (T) {
    case vaNull:
      return L"nothing";
    case vaInteger:
      return L"an integer";
    case vaFloat:
      return L"a floating point number";
    case vaString:
      return L"a string";
    case vaIdent:
      return L"an identifier";
    case vaFalse:
    case vaTrue:
      return L"a boolean";
    case vaBinary:
      return L"binary data";
    case vaSet:
      return L"a set";
    case vaCollection:
      return L"a collection";
    case vaList:
      return L"a list";
  }
  return L"an unknown value";
}

[[noreturn]] void TypeMismatch(TValueType Got, const wchar_t* Wanted) {
  throw EReadError(String(L"Invalid property value: ") + Wanted + L" expected, found " +
                   TypeName(Got));
}
}  // namespace

namespace {
template <typename M, typename V>
TPropValue Make(TValueType Type, M TPropValue::*Field, V&& Value) {
  TPropValue R;
  R.Type = Type;
  R.*Field = std::forward<V>(Value);
  return R;
}
}  // namespace

TPropValue TPropValue::OfInteger(int64_t V) {
  return Make(vaInteger, &TPropValue::Int, V);
}
TPropValue TPropValue::OfFloat(double V) {
  return Make(vaFloat, &TPropValue::Float, V);
}
TPropValue TPropValue::OfString(String V) {
  return Make(vaString, &TPropValue::Str, std::move(V));
}
TPropValue TPropValue::OfIdent(String V) {
  return Make(vaIdent, &TPropValue::Str, std::move(V));
}
TPropValue TPropValue::OfBoolean(bool V) {
  return Make(V ? vaTrue : vaFalse, &TPropValue::Int, 0);
}
TPropValue TPropValue::OfBinary(std::vector<uint8_t> V) {
  return Make(vaBinary, &TPropValue::Binary, std::move(V));
}
TPropValue TPropValue::OfSet(std::vector<String> V) {
  return Make(vaSet, &TPropValue::SetItems, std::move(V));
}
TPropValue TPropValue::OfList(std::vector<String> V) {
  return Make(vaList, &TPropValue::SetItems, std::move(V));
}

bool TPropValue::AsBoolean() const {
  if (Type == vaTrue) return true;
  if (Type == vaFalse) return false;
  TypeMismatch(Type, L"a boolean");
}

int64_t TPropValue::AsInteger() const {
  if (Type != vaInteger) TypeMismatch(Type, L"an integer");
  return Int;
}

double TPropValue::AsFloat() const {
  if (Type == vaFloat) return Float;
  if (Type == vaInteger) return double(Int);
  TypeMismatch(Type, L"a number");
}

const String& TPropValue::AsString() const {
  if (Type != vaString && Type != vaIdent) TypeMismatch(Type, L"a string");
  return Str;
}

// ---- writing properties ----------------------------------------------------

void TPropertyWriter::WriteValue(const String& Name, TPropValue V) {
  FOut.push_back({FPrefix + Name, std::move(V)});
}

void TPropertyWriter::WriteInteger(const String& Name, int64_t V) {
  WriteValue(Name, TPropValue::OfInteger(V));
}
void TPropertyWriter::WriteFloat(const String& Name, double V) {
  WriteValue(Name, TPropValue::OfFloat(V));
}
void TPropertyWriter::WriteString(const String& Name, const String& V) {
  WriteValue(Name, TPropValue::OfString(V));
}
void TPropertyWriter::WriteIdent(const String& Name, const String& V) {
  WriteValue(Name, TPropValue::OfIdent(V));
}
void TPropertyWriter::WriteBoolean(const String& Name, bool V) {
  WriteValue(Name, TPropValue::OfBoolean(V));
}
void TPropertyWriter::WriteBinary(const String& Name, std::vector<uint8_t> V) {
  WriteValue(Name, TPropValue::OfBinary(std::move(V)));
}
void TPropertyWriter::WriteSet(const String& Name, const std::vector<String>& V) {
  WriteValue(Name, TPropValue::OfSet(V));
}
void TPropertyWriter::WriteList(const String& Name, const std::vector<String>& V) {
  WriteValue(Name, TPropValue::OfList(V));
}

void TPropertyWriter::WriteCollection(const String& Name, const TCollection& Collection) {
  TPropValue V;
  V.Type = vaCollection;
  for (int I = 0; I < Collection.Count(); ++I) {
    TPropList Item;
    TPropertyWriter W(Item);
    Collection.Items(I)->WriteProperties(W);
    V.Items.push_back(std::move(Item));
  }
  WriteValue(Name, std::move(V));
}

void TPropertyWriter::WriteNested(const String& Name, const TPersistent& Object,
                                  const TPersistent* Reference) {
  TPropertyWriter W(FOut, FPrefix + Name + L".");
  if (Reference)
    Object.Properties().Write(Object, W, Reference);
  else
    Object.WriteProperties(W);
}

// ---- reading properties ----------------------------------------------------

namespace {
const String ReadErrorPrefix = L"Error reading ";
}

bool ReadNestedProperty(const String& Name, const String& Prefix, TPersistent& Object,
                        const TPropValue& Value) {
  size_t N = Prefix.size();
  if (Name.size() <= N + 1 || Name[N] != L'.' || !SameText(Name.substr(0, N), Prefix)) return false;
  return Object.ReadProperty(Name.substr(N + 1), Value);
}

void ReadProperties(TPersistent& Object, const TPropList& Props, const String& ObjectName) {
  for (const auto& P : Props) {
    String Where = ReadErrorPrefix + ObjectName + L"." + P.Name + L": ";
    bool Known;
    try {
      Known = Object.ReadProperty(P.Name, P.Value);
    } catch (const Exception& E) {
      // A nested reader already said where it failed.
      if (E.Message().compare(0, ReadErrorPrefix.size(), ReadErrorPrefix) == 0) throw;
      throw EReadError(Where + E.Message());
    }
    if (!Known) throw EReadError(Where + L"Property " + P.Name + L" does not exist");
  }
}

// New items are read behind the old ones, which go only once all of them were read.
void ReadCollection(TCollection& Collection, const TPropValue& Value) {
  if (Value.Type != vaCollection)
    throw EReadError(L"Invalid property value: a collection expected");
  int Old = Collection.Count();
  auto Updating = UpdateScope(Collection);
  {
    TScopeFail DropNew([&] {
      while (Collection.Count() > Old) Collection.Delete(Collection.Count() - 1);
    });
    for (size_t I = 0; I < Value.Items.size(); ++I)
      ReadProperties(*Collection.Add(), Value.Items[I],
                     Collection.ClassName() + L"[" + std::to_wstring(I) + L"]");
  }
  for (int I = 0; I < Old; ++I) Collection.Delete(0);
}

// ---- components <-> nodes ----------------------------------------------------

namespace {

TObjectNode WriteNode(const TComponent& C, const TComponent& Root) {
  TObjectNode N;
  N.Name = C.Name();
  N.ClassName = C.ClassName();
  TPropertyWriter W(N.Props);
  C.WriteProperties(W);
  // The designer position of a non-visual component comes after its properties.
  TPoint D = C.DesignInfo();
  if (D.X != 0 || D.Y != 0) {
    W.WriteInteger(L"Left", D.X);
    W.WriteInteger(L"Top", D.Y);
  }
  std::vector<TComponent*> Children;
  C.GetChildren(Children, &Root);
  for (TComponent* Child : Children) N.Children.push_back(WriteNode(*Child, Root));
  return N;
}

struct TReadState {
  std::vector<TComponent*> Loading;  // in reading order, for Loaded
  std::vector<TComponent*> Created;  // freed again when reading fails
};

void ReadNode(TComponent& C, const TObjectNode& N, TComponent& Root, TReadState& State) {
  C.SetLoading(true);
  State.Loading.push_back(&C);
  ReadProperties(C, N.Props, N.Name.empty() ? C.ClassName() : N.Name);
  for (const TObjectNode& ChildNode : N.Children) {
    TComponent* Owner = C.GetChildOwner(&Root);
    TComponent* Child = Owner->FindComponent(ChildNode.Name);
    if (!Child) {
      if (ChildNode.Inherited)
        throw EReadError(L"A component named " + ChildNode.Name + L" was not found");
      Child = CreateComponentByClassName(ChildNode.ClassName, Owner);
      if (!Child) throw EReadError(L"Class " + ChildNode.ClassName + L" not found");
      State.Created.push_back(Child);
      Child->SetName(ChildNode.Name);
    }
    Child->SetParentComponent(C.GetChildParent());
    ReadNode(*Child, ChildNode, Root, State);
  }
}

}  // namespace

TObjectNode WriteComponentNode(const TComponent& Root) {
  return WriteNode(Root, Root);
}

void ReadComponentNode(TComponent& Root, const TObjectNode& Node) {
  TReadState State;
  String OldName = Root.Name();
  {
    TScopeFail Undo([&] {
      Root.SetName(OldName);
      for (TComponent* C : State.Loading) C->SetLoading(false);
      // Newest first: a created component may own components created after it.
      for (auto It = State.Created.rbegin(); It != State.Created.rend(); ++It) delete *It;
    });
    if (OldName.empty()) Root.SetName(Node.Name);
    ReadNode(Root, Node, Root, State);
  }
  std::exception_ptr First;
  for (TComponent* C : State.Loading) {
    try {
      C->Loaded();
    } catch (...) {
      if (!First) First = std::current_exception();
    }
    C->SetLoading(false);
  }
  if (First) std::rethrow_exception(First);
}

String ComponentToText(const TComponent& Root) {
  return ObjectNodeToText(WriteComponentNode(Root));
}

void TextToComponent(const String& Text, TComponent& Root) {
  ReadComponentNode(Root, ObjectTextToNode(Text));
}

}  // namespace qv
