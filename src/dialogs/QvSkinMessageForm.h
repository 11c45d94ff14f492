#pragma once
// TQvSkinMessageForm: the message box's dialog, a skinned form with a close button, a title
// label, a message label and a bottom panel for the buttons. Ctrl+C copies the title and
// the message.
#include "controls/QvAccessibleStdChildren.h"
#include "controls/QvSkinLabel.h"
#include "host/Form.h"

namespace qv {

class TQvSkinForm;
class TQvSkinSystemButton;
class TQvSkinNCLabel;
class TQvSkinPanel;
class TQvSkinCheckBox;

// What the message box and the toasts share: a dialog-style form (key preview, no border
// icons, font size 9) at (X, Y), centred on the screen when X < −9999, skinned by a private
// TQvSkinForm without gradient or round corners, with the small close button in its title.
void SetUpSkinDialog(TForm* Form, int X, int Y, TQvSkinForm*& Skin, TQvSkinSystemButton*& Close);

// The message: static text to assistive technology, named by its text.
class TQvSkinMessageLabel : public TQvSkinLabel {
  QV_CLASS(TQvSkinMessageLabel)
 public:
  using TQvSkinLabel::TQvSkinLabel;
  TQvAccessibleInfo AccessibleInfo() const override;
};

// To assistive technology a dialog named by its title, its texts and buttons the child
// windows the platform finds below it.
class TQvSkinMessageForm : public TForm,
                           public IQvAccessibleSource,
                           public IQvAccessibleStdChildren {
  QV_CLASS(TQvSkinMessageForm)
 public:
  // X < −9999: centred on the screen; otherwise at (X, Y).
  TQvSkinMessageForm(TComponent* AOwner, int X, int Y);
  ~TQvSkinMessageForm() override;

  TQvSkinSystemButton* FCloseNCButton = nullptr;
  TQvSkinForm* FQvSkinForm = nullptr;
  TQvSkinNCLabel* FCaption = nullptr;
  TQvSkinMessageLabel* FMsg = nullptr;
  TQvSkinPanel* FBottomPanel = nullptr;
  // The "don't show again" box, when the dialog has one.
  TQvSkinCheckBox* FCheckBox = nullptr;

  // Title and message, each ended by a line break, as Ctrl+C puts them on the clipboard.
  String CopyText() const;
  void CopyToClipboard();
  TQvAccessibleInfo AccessibleInfo() const override;
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
};

}  // namespace qv
