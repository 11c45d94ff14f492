#pragma once
// The small items shown inside a skinned edit: image buttons, plain images and text labels
// at fixed offsets from the edit's left or right edge. An item with MakeSpace pushes the
// text area inwards so the text never runs under it.
#include <memory>

#include "controls/QvLocateObj.h"
#include "host/Classes.h"
#include "host/Controls.h"
#include "host/Font.h"

namespace qv {

class TQvSkinPngEdit;
class TQvEditItems;
using TQvResID = String;

enum TItemKind { ikButton, ikImage, ikText };
inline constexpr const wchar_t* TItemKindNames[] = {L"ikButton", L"ikImage", L"ikText"};

class TQvEditItem : public TCollectionItem {
 public:
  explicit TQvEditItem(TCollection* ACollection);
  ~TQvEditItem() override;
  String ClassName() const override { return L"TQvEditItem"; }

  static constexpr bool DefaultVisible = true, DefaultMakeSpace = true, DefaultEnabled = true;
  TItemKind Kind() const { return FKind; }
  void SetKind(TItemKind Value);
  // Pictures: Image gives the item its size; the hot and pressed ones fall back to it.
  const TQvResID& Image() const { return FImage; }
  void SetImage(const TQvResID& Value);
  const TQvResID& ImageHot() const { return FImageHot; }
  void SetImageHot(const TQvResID& Value);
  const TQvResID& ImagePress() const { return FImagePress; }
  void SetImagePress(const TQvResID& Value);
  // The label of an ikText item.
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  // Offset from the left (agLeft) or right (agRight) edge; owned.
  TQvLocateObj* Pos() const { return FPos.get(); }
  void SetPos(TQvLocateObj* Value) { FPos->Assign(Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool MakeSpace() const { return FMakeSpace; }
  void SetMakeSpace(bool Value) { FMakeSpace = Value; }
  // Only enabled items react to the mouse.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // Mouse cursor over the item (the published name keeps its historical spelling).
  TCursor Curosor() const { return FCurosor; }
  void SetCurosor(TCursor Value) { FCurosor = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // The item's rectangle in the edit, as the last layout placed it.
  TRect Rect() const { return FRect; }
  // Buttons and labels; images never react.
  bool Clickable() const { return FKind != ikImage; }

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;
  void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnChanged;

 private:
  friend class TQvSkinPngEdit;
  void DoChanged();

  TItemKind FKind = ikButton;
  TQvResID FImage, FImageHot, FImagePress;
  String FText;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TQvLocateObj> FPos;
  bool FVisible = DefaultVisible;
  bool FMakeSpace = DefaultMakeSpace;
  bool FEnabled = DefaultEnabled;
  TCursor FCurosor = crDefault;
  String FHint;
  int FTag = 0;
  TRect FRect;
};

class TQvEditItems : public TCollection {
 public:
  explicit TQvEditItems(TQvSkinPngEdit* AEdit);
  String ClassName() const override { return L"TQvEditItems"; }
  TQvSkinPngEdit* Edit() const { return FEdit; }
  TQvEditItem* Item(int Index) const { return static_cast<TQvEditItem*>(Items(Index)); }
  // The given item or a new one moved to Index (< 0: the last place).
  TQvEditItem* AddItem(TQvEditItem* Item = nullptr, int Index = -1);
  // The item under the mouse, -1 for none.
  int HotIndex() const { return FHotIndex; }
  void SetHotIndex(int Value) { FHotIndex = Value; }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TQvSkinPngEdit* FEdit;
  int FHotIndex = -1;
};

}  // namespace qv
