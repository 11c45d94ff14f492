#pragma once
// Two small value objects of the skinned edit's layout: where an item sits
// (TQvLocateObj) and the inner spacing (TQvSpaceSize). Each setter fires OnChange when
// the value changed; the edit that owns them does the layout. Portable.
#include "host/Classes.h"

namespace qv {

// Measured from the left edge (agLeft) or from the right edge (agRight).
enum TQvAlign { agLeft, agRight };
inline constexpr const wchar_t* TQvAlignNames[] = {L"agLeft", L"agRight"};

class TQvLocateObj : public TPersistent {
  QV_CLASS(TQvLocateObj)
 public:
  int X() const { return FX; }
  void SetX(int Value);
  int Y() const { return FY; }
  void SetY(int Value);
  TQvAlign Align() const { return FAlign; }
  void SetAlign(TQvAlign Value);
  // From another TQvLocateObj: X, Y and Align through the setters.
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;
  TNotifyEvent OnChange;

 private:
  int FX = 0;
  int FY = 0;
  TQvAlign FAlign = agLeft;
};

class TQvSpaceSize : public TPersistent {
  QV_CLASS(TQvSpaceSize)
 public:
  static constexpr bool DefaultActive = true;
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  int Left() const { return FLeft; }
  void SetLeft(int Value);
  int Top() const { return FTop; }
  void SetTop(int Value);
  int Right() const { return FRight; }
  void SetRight(int Value);
  int Bottom() const { return FBottom; }
  void SetBottom(int Value);
  const TPropTable& Properties() const override;
  TNotifyEvent OnChange;

 private:
  bool FActive = DefaultActive;
  int FLeft = 0;
  int FTop = 0;
  int FRight = 0;
  int FBottom = 0;
};

}  // namespace qv
