// Win32 side of the skin configuration: telling the skinned forms, warning the designer.
#include <windows.h>

#include "forms/QvMessages.h"
#include "forms/QvSkinHelper.h"
#include "forms/QvSkinRes.h"
#include "host/Application.h"
#include "host/Form.h"

namespace qv {

void SendSkinResChanged() {
  // Forms may come and go while messages are handled, so the registry is consulted
  // afresh at every step instead of holding on to a pair.
  const TQvFormSkinHelper* Registry = TQvFormSkinHelperObj();
  for (int I = Registry ? Registry->Count() - 1 : -1; I >= 0; --I) {
    if (Application) Application->ProcessMessages();
    Registry = TQvFormSkinHelperObj();
    if (!Registry) return;
    if (I >= Registry->Count()) continue;
    if (TCustomForm* Form = Registry->Items(I)->Form)
      SendMessageW(Form->Handle(), MM_SKINRESCHANGED, 0, 0);
  }
}

void ShowSkinResSaveWarning() {
  static bool Shown = false;
  if (Shown) return;
  Shown = true;
  MessageBoxW(nullptr,
              L"The skin configuration file could not be saved. Keep the project on a "
              L"non-system disk partition, or run the development environment as "
              L"administrator.",
              L"Information", MB_OK | MB_ICONWARNING);
}

}  // namespace qv
