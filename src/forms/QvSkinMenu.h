#pragma once
// TQvSkinMenu: takes over measuring and drawing of every popup-menu item its owner owns.
// Each popup window becomes one per-pixel-alpha layered window: a nine-block background
// from the skin with the items painted on it, pushed to the screen as one picture.
// TMenuWnds caches that picture per popup window while the popup is shown.
#include <memory>
#include <vector>

#include "forms/QvSkinMenuGeometry.h"
#include "host/Font.h"
#include "host/Menus.h"
#include "raster/Bitmap32.h"

namespace qv {

// Font quality handed to the menu's text rendering.
extern int gMenuFontQuality;

class TMenuWnds : public TObject {
 public:
  struct TMenuWndRec {
    HWND Handle = nullptr;
    std::unique_ptr<TBitmap32> hBit;     // the composed window picture
    std::unique_ptr<TBitmap32> BgBmp32;  // the stretched background
    TMenuItem* Selected = nullptr;       // the item last drawn selected
  };
  String ClassName() const override { return L"TMenuWnds"; }
  // Takes the composed picture and a copy of the background.
  TMenuWndRec& Add(HWND Handle, std::unique_ptr<TBitmap32> Composed, const TBitmap32& Background);
  // Drops the records of windows no longer shown (or resized), then answers the record of
  // Handle, or nil.
  TMenuWndRec* GetHBITMAP(HWND Handle);
  TBitmap32* GetBgPng(HWND Handle);
  void Clear() { FList.clear(); }
  int Count() const { return int(FList.size()); }

 private:
  std::vector<TMenuWndRec> FList;
};

class TQvSkinMenu : public TComponent {
  QV_CLASS(TQvSkinMenu)
 public:
  static constexpr int DefaultFontSize = 9;
  static constexpr TColor DefaultHotFontColor = 16777215;
  static constexpr TColor DefaultLineColor = 12895428;
  static constexpr TColor DisabledTextColor = 13551034;
  static constexpr const wchar_t* DefaultMenu_bk = L"QvSkinMenu_bk";
  static constexpr const wchar_t* DefaultMenu_hilight = L"QvSkinMenu_hilight";
  static constexpr const wchar_t* DefaultMenu_Check = L"QvSkinMenu_icon_check";
  static constexpr const wchar_t* DefaultMenu_Radio = L"QvSkinMenu_icon_radio";
  static constexpr const wchar_t* DefaultMenu_SubArrow = L"QvSkinMenu_sub_arrow";
  static constexpr int DefaultBorderOffset = 6, DefaultBorderWidth = 0, DefaultGlyphBarWidth = 31;

  // At run time: the system's menu fade and animation go off while skinned menus exist,
  // and every menu item of the owner is taken over.
  explicit TQvSkinMenu(TComponent* AOwner);
  ~TQvSkinMenu() override;

  // ---- published ----
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TFont* HotFont() const { return FHotFont.get(); }
  void SetHotFont(TFont* Value) { FHotFont->Assign(Value); }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  const String& Menu_bk() const { return FMenu_bk; }
  void SetMenu_bk(const String& Value) { FMenu_bk = Value; }
  const String& Menu_hilight() const { return FMenu_hilight; }
  void SetMenu_hilight(const String& Value) { FMenu_hilight = Value; }
  const String& Menu_Check() const { return FMenu_Check; }
  void SetMenu_Check(const String& Value) { FMenu_Check = Value; }
  const String& Menu_Radio() const { return FMenu_Radio; }
  void SetMenu_Radio(const String& Value) { FMenu_Radio = Value; }
  const String& Menu_SubArrow() const { return FMenu_SubArrow; }
  void SetMenu_SubArrow(const String& Value) { FMenu_SubArrow = Value; }
  int BorderOffset() const { return FBorderOffset; }
  void SetBorderOffset(int Value) { FBorderOffset = Value; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { FBorderWidth = Value; }
  int GlyphBarWidth() const { return FGlyphBarWidth; }
  void SetGlyphBarWidth(int Value) { FGlyphBarWidth = Value; }

  // ---- taking items over ----
  // Every menu item the owner owns (and items inserted since, which cannot be taken over
  // while they are still being constructed).
  void SetupMenuItems();
  // Installs the measure and draw handlers unless the item has a draw handler already.
  void SetupMenuItem(TMenuItem* Item);
  void DrawMenuItem(TMenuItem* Item) { SetupMenuItem(Item); }
  void CleanupMenuItem(TMenuItem* Item);
  void CleanupMenuItems();
  // Design time: every menu of the owner draws its items itself.
  void SetupMenus();
  bool IsSetUp(const TMenuItem* Item) const;

  // ---- measuring and drawing ----
  void MeasureMenuItem(TMenuItem* Item, TCanvas* ACanvas, int& Width, int& Height);
  void AdvancedDrawItemHandler(TObject* Sender, TCanvas* ACanvas, const TRect& ARect,
                               TOwnerDrawState State);
  // Paints one item onto the composed picture by its layout.
  void PaintMenuItem(TMenuItem* Item, TBitmap32* Bitmap, TOwnerDrawState State,
                     const TQvMenuItemLayout& Layout);
  // Composes the whole popup of Parent's visible items as the screen gets it, the item at
  // SelectedIndex (among the visible ones; -1 none) selected. Dst takes the window size;
  // WindowWidth 0 takes the width the platform gives such a popup. ItemRects, when given,
  // receives the visible items' rectangles on the picture.
  void RenderPopup(TMenuItem* Parent, TBitmap32& Dst, int SelectedIndex, int WindowWidth = 0,
                   std::vector<TRect>* ItemRects = nullptr);
  TMenuWnds* MenuWnds() const { return FMenuWnds.get(); }
  // The sizes in use (scaled for the screen).
  TQvMenuMetrics Metrics() const;

  void Loaded() override;
  const TPropTable& Properties() const override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // Copies the background under the item and paints it; true when the window should get
  // the picture now.
  void ComposeItem(TBitmap32& Composed, TBitmap32& Background, TMenuItem* Item, const TRect& ARect,
                   TOwnerDrawState State);
  void FlushPending();
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TFont> FHotFont;
  TColor FLineColor = DefaultLineColor;
  String FMenu_bk = DefaultMenu_bk;
  String FMenu_hilight = DefaultMenu_hilight;
  String FMenu_Check = DefaultMenu_Check;
  String FMenu_Radio = DefaultMenu_Radio;
  String FMenu_SubArrow = DefaultMenu_SubArrow;
  int FBorderOffset = DefaultBorderOffset;
  int FBorderWidth = DefaultBorderWidth;
  int FGlyphBarWidth = DefaultGlyphBarWidth;
  std::vector<TMenuItem*> FMenuItemList;
  std::vector<TComponent*> FPending;  // inserted at run time, not yet set up
  std::unique_ptr<TMenuWnds> FMenuWnds;
  HWND FMenuWindowHandle = nullptr;
  bool FHooked = false;
};

}  // namespace qv
