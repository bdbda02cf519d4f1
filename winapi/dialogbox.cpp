// Making dialogs: the template from the module's resources, and the calls that create, run, end
// and destroy a dialog.
#include "winapi/dialog.h"
#include "winapi/module.h"
#include "winapi/toolkit.h"

namespace winapi {

namespace {

const std::uint16_t DIALOG_RESOURCE = 5;  // RT_DIALOG

bool findTemplate(HINSTANCE instance, LPCSTR name, resfile::DialogTemplate* dialogTemplate) {
  if (instance != nullptr && instance != GetModuleHandleA(nullptr)) return false;
  ULONG_PTR ordinal = reinterpret_cast<ULONG_PTR>(name);
  const resfile::ResourceEntry* entry =
      ordinal <= 0xFFFF ? resfile::findResource(moduleResources(), DIALOG_RESOURCE,
                                                static_cast<std::uint16_t>(ordinal))
                        : resfile::findResource(moduleResources(), DIALOG_RESOURCE, name);
  if (entry == nullptr || !resfile::parseDialogTemplate(entry->data, dialogTemplate, nullptr)) {
    return false;
  }
  for (const resfile::DialogItem& item : dialogTemplate->items) {
    if (!isKnownControlClass(item)) return false;
  }
  return true;
}

// Builds the dialog and sends WM_INITDIALOG; the first tab stop gets the focus if the procedure
// returns TRUE. Null if the template is unusable or the procedure destroyed the dialog.
Dialog* createDialog(HINSTANCE instance, LPCSTR name, DLGPROC proc, LPARAM param) {
  resfile::DialogTemplate dialogTemplate;
  if (!findTemplate(instance, name, &dialogTemplate)) return nullptr;
  BaseUnits units = measureBaseUnits(dialogFontSize(dialogTemplate.pointSize));
  Dialog* dialog = makeDialog(dialogTemplate, proc, units);
  HWND hwnd = dialog->hwnd();
  Control* first = dialog->firstTabStop();
  WPARAM firstHwnd = first ? reinterpret_cast<WPARAM>(first->hwnd()) : 0;
  LRESULT setFocus = SendMessageA(hwnd, WM_INITDIALOG, firstHwnd, param);
  if (findWindow(hwnd) == nullptr) return nullptr;
  if (setFocus && first != nullptr) SetFocus(first->hwnd());
  return dialog;
}

}  // namespace

INT_PTR runModal(Dialog* dialog) {
  HWND hwnd = dialog->hwnd();
  if (!dialog->ended()) dialog->setVisible(true);
  while (findWindow(hwnd) != nullptr && !dialog->ended()) waitForEvents();
  if (findWindow(hwnd) == nullptr) return 0;
  INT_PTR result = dialog->result();
  dialog->destroy();
  return result;
}

}  // namespace winapi

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  winapi::Dialog* dialog =
      winapi::createDialog(hInstance, lpTemplateName, lpDialogFunc, dwInitParam);
  return dialog == nullptr ? -1 : winapi::runModal(dialog);
}

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  winapi::Dialog* dialog =
      winapi::createDialog(hInstance, lpTemplateName, lpDialogFunc, dwInitParam);
  if (dialog == nullptr) return nullptr;
  if (dialog->style() & WS_VISIBLE) dialog->setVisible(true);
  return dialog->hwnd();
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  winapi::Dialog* dialog = winapi::findDialog(hDlg);
  if (dialog == nullptr) return FALSE;
  dialog->endDialog(nResult);
  return TRUE;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
  winapi::Dialog* dialog = winapi::findDialog(hWnd);
  if (dialog == nullptr) return FALSE;
  dialog->destroy();
  return TRUE;
}
