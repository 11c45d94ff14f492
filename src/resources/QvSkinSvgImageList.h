#pragma once
// The vector image list of the default-skin module ("QvSkinImageListSvg"): items addressed
// by resource ID, each with a description and its vector data (an SVG path with fill and
// outline colours), plus the refresh bookkeeping of an image list. The list itself draws
// nothing; graphics/SvgImageRender.h renders an item into a skin image.
#include <memory>
#include <string>

#include "host/Classes.h"
#include "resources/QvSkinNamedItem.h"

namespace qv {

class TCanvas;
class TQvSkinSvgImageList;

// The vector data of an item: path data in the path renderer's dialect, drawn in a box of
// ViewWidth × ViewHeight (0: the list's size) that rendering scales to the image.
class TSkSvgBrush : public TPersistent {
  QV_CLASS(TSkSvgBrush)
 public:
  static constexpr TColor DefFillColor = clBlack, DefStrokeColor = clNone;
  static constexpr Integer DefStrokeWidth = 1;
  const String& Path() const { return FPath; }
  void SetPath(const String& Value) { FPath = Value; }
  TColor FillColor() const { return FFillColor; }  // clNone: no fill
  void SetFillColor(TColor Value) { FFillColor = Value; }
  TColor StrokeColor() const { return FStrokeColor; }  // clNone: no outline
  void SetStrokeColor(TColor Value) { FStrokeColor = Value; }
  Integer StrokeWidth() const { return FStrokeWidth; }
  void SetStrokeWidth(Integer Value) { FStrokeWidth = Value; }
  Integer ViewWidth() const { return FViewWidth; }
  void SetViewWidth(Integer Value) { FViewWidth = Value; }
  Integer ViewHeight() const { return FViewHeight; }
  void SetViewHeight(Integer Value) { FViewHeight = Value; }
  // No path: nothing to draw.
  bool Empty() const { return FPath.empty(); }

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  String FPath;
  TColor FFillColor = DefFillColor;
  TColor FStrokeColor = DefStrokeColor;
  Integer FStrokeWidth = DefStrokeWidth;
  Integer FViewWidth = 0;
  Integer FViewHeight = 0;
};

class TQvSkinSvgImageItem : public TQvSkinNamedItem {
 public:
  explicit TQvSkinSvgImageItem(TCollection* ACollection);
  ~TQvSkinSvgImageItem() override;
  String ClassName() const override { return L"TQvSkinSvgImageItem"; }

  // The setters store a different value and mark the item changed.
  void SetResID(const String& Value);
  void SetDescription(const String& Value);
  // Owned, created empty with the item. Setting copies Value's data into it (nil: nothing).
  TSkSvgBrush* SVGData() const { return FSVGData.get(); }
  void SetSVGData(TSkSvgBrush* Value);

  const TPropTable& Properties() const override;

 protected:
  void AssignTo(TPersistent* Dest) override;

 private:
  std::unique_ptr<TSkSvgBrush> FSVGData;
};

// Its IDs compare ignoring case only (not trimmed).
class TQvSkinSvgImageCollection
    : public TOwnedCollection<TQvSkinSvgImageItem, TQvSkinNamedCollection> {
 public:
  explicit TQvSkinSvgImageCollection(TQvSkinSvgImageList* AOwner);
  String ClassName() const override { return L"TQvSkinSvgImageCollection"; }

 protected:
  // Marks the owning list as needing a refresh and tells it of the change.
  void Update(TCollectionItem* Item) override;
};

class TQvSkinSvgImageList : public TComponent {
  QV_CLASS(TQvSkinSvgImageList)
 public:
  explicit TQvSkinSvgImageList(TComponent* AOwner);
  ~TQvSkinSvgImageList() override;

  TQvSkinSvgImageCollection* Images() const { return FImages.get(); }
  // Copies Value's items into the list's own collection.
  void SetImages(TQvSkinSvgImageCollection* Value);
  static constexpr Integer DefSize = 16;
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value);
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value);
  bool AutoRefresh() const { return FAutoRefresh; }
  void SetAutoRefresh(bool Value);
  bool NeedsRefresh() const { return FNeedsRefresh; }
  TNotifyEvent OnChange;

  // Appends an item (with a copy of ASvgData when given) and answers its index.
  int AddSvg(const String& AResID, TSkSvgBrush* ASvgData, const String& ADescription);
  // Index of the first item whose ResID equals AResID ignoring case; -1 when none.
  int FindByResID(const String& AResID) const;
  // "#rrggbb" of a framework colour, system colours resolved first.
  static String ColorToHtmlColor(TColor Color);

  void MarkNeedsRefresh() { FNeedsRefresh = true; }
  virtual void DoAutoRefresh();
  virtual void RefreshImages() {}
  virtual void ApplyColorToSvg() {}
  // Raises OnChange, then refreshes when AutoRefresh is on and the list is not loading.
  virtual void Change();
  void Loaded() override;
  void Initialize() { MarkNeedsRefresh(); }

  // Drawing onto a platform canvas produces nothing: the list has no raster images.
  void Draw(TCanvas* Canvas, Integer X, Integer Y, int Index, bool Enabled = true);
  virtual void DoDraw(int Index, TCanvas* Canvas, Integer X, Integer Y, unsigned Style,
                      bool Enabled);
  virtual void DoDrawWithColor(int Index, TCanvas* Canvas, Integer X, Integer Y, Integer NewWidth,
                               Integer NewHeight, TColor Color, unsigned Style, bool Enabled) {}

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  bool Loading() const { return ComponentState().Contains(csLoading); }
  std::unique_ptr<TQvSkinSvgImageCollection> FImages;
  Integer FWidth = DefSize;
  Integer FHeight = DefSize;
  bool FAutoRefresh = false;
  bool FNeedsRefresh = false;
  bool FRefreshing = false;
};

}  // namespace qv
