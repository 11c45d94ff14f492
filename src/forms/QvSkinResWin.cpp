// Win32 side of the skin configuration: telling the skinned forms, warning the designer.
#include <windows.h>

#include <vector>

#include "forms/QvMessages.h"
#include "forms/QvSkinHelper.h"
#include "forms/QvSkinRes.h"
#include "host/Application.h"
#include "host/Form.h"

namespace qv {

void SendSkinResChanged() {
  const TQvFormSkinHelper* Registry = TQvFormSkinHelperObj();
  if (!Registry) return;
  std::vector<TCustomForm*> Forms;
  for (int I = 0; I < Registry->Count(); ++I) Forms.push_back(Registry->Items(I)->Form);
  for (auto It = Forms.rbegin(); It != Forms.rend(); ++It) {
    if (Application) Application->ProcessMessages();
    // A form freed while messages were handled has left the registry by now.
    Registry = TQvFormSkinHelperObj();
    if (!Registry) return;
    if (*It && Registry->IndexOf(*It) >= 0) SendMessageW((*It)->Handle(), MM_SKINRESCHANGED, 0, 0);
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
