// The program's entry point and its one window: WinMain opens the words file and runs the dialog;
// MainDialog shows the game on the dialog's controls. Written once, against the Win32 API.
#include "app/glyphwise.h"

#include <memory>

#include "app/game.h"
#include "app/pick.h"
#include "app/product.h"
#include "app/resource.h"
#include "dictionary/diskdict.h"
#include "support/assert.h"

namespace {

// One line of the box on each line of the source.
// clang-format off
const char ABOUT_TEXT[] =
    PRODUCT_TITLE "\n"
    PRODUCT_COPYRIGHT "\n"
    "\n"
    "Game Concept: " PRODUCT_AUTHORS "\n"
    "Programming: " PRODUCT_AUTHORS "\n"
    "\n"
    "Glyphwise is free to play and to share.\n"
    "\n"
    "If you use it, I'd love to hear from you.\n"
    "\n"
    "email: authors@example.org\n"
    "or glyphwise@example.org\n"
    "snail: The Glyphwise Authors, 1 Example Lane, Exampleton EX1 2MP\n";
// clang-format on

const char HELP_TEXT[] =
    "Glyphwise is a word game for one player, in which the computer\n"
    "thinks of a word and you try to find it. The object is to guess\n"
    "the word in as few tries as possible.\n"
    "\n"
    "For each guess, you will be given a score like 2/3.\n"
    "This tells you that you have got 2 correct letters\n"
    "in the right spots, and 3 correct letters in the\n"
    "wrong spots, but you will need to figure out which\n"
    "letters are which.\n"
    "\n"
    "Each guess that you make must be a real word in the\n"
    "dictionary, entering an unknown word will count as a\n"
    "guess, but you won't get a score for the guess.";

// The GameView of the dialog: every operation is a message to one of its controls.
class MainDialog : public GameView {
 public:
  void attach(HWND window) { _window = window; }

  void addLine(const char* text) override { send(IDC_HISTORY, LB_ADDSTRING, 0, text); }
  void clearLines() override { send(IDC_HISTORY, LB_RESETCONTENT, 0, nullptr); }
  void setTopLine(int index) override {
    send(IDC_HISTORY, LB_SETTOPINDEX, static_cast<WPARAM>(index), nullptr);
  }
  void setEntryLimit(int count) override {
    send(IDC_ENTRY, EM_LIMITTEXT, static_cast<WPARAM>(count), nullptr);
  }
  void readEntry(char* text) override { send(IDC_ENTRY, WM_GETTEXT, GAME_TEXT_SIZE - 1, text); }
  void clearEntry() override { send(IDC_ENTRY, WM_SETTEXT, 0, ""); }
  void enableButton(GameButton button, bool enabled) override {
    const int ids[] = {IDC_GUESS, IDC_NEW_GAME, IDC_CONCEDE};
    EnableWindow(GetDlgItem(_window, ids[static_cast<int>(button)]), enabled ? TRUE : FALSE);
  }

 private:
  void send(int control, UINT message, WPARAM wParam, const char* text) {
    SendDlgItemMessageA(_window, control, message, wParam, reinterpret_cast<LPARAM>(text));
  }

  HWND _window = nullptr;
};

HINSTANCE programInstance = nullptr;
Dictionary* programDictionary = nullptr;
MainDialog mainDialog;
std::unique_ptr<GameController> controller;

// Shows each text of an assertion report in a box captioned with the program's file name.
void showAssertionBox(const char* text) {
  char path[1024] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  MessageBoxA(nullptr, text, fileNameOf(path),
              MB_OK | MB_ICONSTOP | MB_SETFOREGROUND | MB_TASKMODAL);
}

void setIcon(HWND window) {
  HICON icon = LoadIconA(programInstance, "ID_APP");
  if (icon == nullptr) MessageBoxA(nullptr, "Failed to load icon", "", MB_OK);
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

void centreWindow(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  placement.flags = 0;
  placement.showCmd = SW_SHOWNORMAL;
  CentreRect(&placement.rcNormalPosition, GetSystemMetrics(SM_CXSCREEN),
             GetSystemMetrics(SM_CYSCREEN));
  SetWindowPlacement(window, &placement);
}

INT_PTR initDialog(HWND window) {
  GW_ASSERT(programDictionary);
  mainDialog.attach(window);
  controller = std::make_unique<GameController>(*programDictionary, mainDialog);
  controller->start();
  setIcon(window);
  centreWindow(window);
  return TRUE;
}

// Acts on a button of the dialog; false for any other control.
bool command(HWND window, int id) {
  switch (id) {
    case IDC_GUESS:
      controller->onGuess();
      break;
    case IDC_NEW_GAME:
      controller->onNewGame();
      break;
    case IDC_CONCEDE:
      controller->onConcede();
      break;
    case IDC_ABOUT:
      MessageBoxA(window, ABOUT_TEXT, PRODUCT_TITLE, MB_OK);
      break;
    case IDC_HELP_BUTTON:
      MessageBoxA(window, HELP_TEXT, PRODUCT_TITLE, MB_OK);
      break;
    case IDC_EXIT:
      EndDialog(window, 1);
      return true;
    default:
      return false;
  }
  SetFocus(GetDlgItem(window, IDC_ENTRY));
  return true;
}

}  // namespace

void SetProgramValues(HINSTANCE instance, Dictionary* dictionary) {
  programInstance = instance;
  programDictionary = dictionary;
}

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return initDialog(window);
    case WM_COMMAND:
      return lParam == 0 || command(window, LOWORD(wParam)) ? TRUE : FALSE;
    case WM_CLOSE:
      EndDialog(window, 1);
      return TRUE;
    default:
      return FALSE;
  }
}

void CentreRect(RECT* rect, int screenWidth, int screenHeight) {
  LONG width = rect->right - rect->left;
  LONG height = rect->bottom - rect->top;
  rect->left = (screenWidth - width) / 2;
  rect->top = (screenHeight - height) / 2;
  rect->right = rect->left + width;
  rect->bottom = rect->top + height;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  setAssertReporter(showAssertionBox);
  cString error;
  Dictionary* dictionary = new DiskDictionary;
  if (dictionary->open(cString(WORDS_FILE), &error)) {
    SetProgramValues(instance, dictionary);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    controller.reset();
  } else {
    MessageBoxA(nullptr, error, PRODUCT_TITLE, MB_OK);
  }
  delete dictionary;
  return 1;
}
