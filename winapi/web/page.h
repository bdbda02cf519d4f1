// Inside the web back end: the page's functions that library.js defines, which make and change
// the elements of dialogs and controls, measure the dialog font and hand over the player's input.
#pragma once

#include <cstdint>

#include "winapi/winapi.h"

namespace winapi {

// What winapi_nextEvent hands over, in its order of fields.
enum PageEventType { CLICK = 1, CLOSE, KEY, FOCUS, INSERT, TIDY, TIMER };
struct PageEvent {
  std::int32_t type, hwnd, code, character, shift, ctrl, alt, replaced;
};

// The kinds of control that winapi_addControl makes.
enum PageControlKind { PAGE_BUTTON = 1, PAGE_EDIT, PAGE_STATIC, PAGE_LIST };

}  // namespace winapi

extern "C" {

// The size of `text` in the dialog font of `fontSize` pixels, as two ints into `size`.
void winapi_measureText(const char* text, int fontSize, int* size);
// The page's size in the dialogs' own pixels (before the scale that fits them), into `size`.
void winapi_screenSize(int* size);

// A hidden <dialog> of `width` by `height` pixels inside its title bar.
void winapi_makeDialog(HWND hwnd, int width, int height);
// Shows the dialog: a `modal` one takes all input; another gives the page its title.
void winapi_showDialog(HWND hwnd, int modal);
// A control of `kind` in the dialog, at x, y of w by h pixels. `flags`: 1 for the default button,
// the entry that upper-cases, or the icon static.
void winapi_addControl(HWND dialog, HWND hwnd, int kind, int id, const char* text, int x, int y,
                       int w, int h, int fontSize, int flags);
// Removes a dialog's elements, or forgets a control's.
void winapi_removeWindow(HWND hwnd);

void winapi_setText(HWND hwnd, const char* text);
// The entry's text, in a buffer of malloc that the caller frees.
char* winapi_getText(HWND hwnd);
// Puts `text` in place of the entry's selection, the caret after it.
void winapi_insertText(HWND hwnd, const char* text);
// Shows or hides a control; hides a dialog.
void winapi_setVisible(HWND hwnd, int visible);
int winapi_isVisible(HWND hwnd);
void winapi_setEnabled(HWND hwnd, int enabled);
int winapi_isEnabled(HWND hwnd);
// Gives the element the page's focus; NULL takes it from every element.
void winapi_focus(HWND hwnd);
// Shows `width` by `height` pixels of RGBA in the dialog's title bar (null: none).
void winapi_setIcon(HWND hwnd, const std::uint8_t* rgba, int width, int height);

// The list box's lines, scrolled in rows of `lineHeight` pixels.
void winapi_listAdd(HWND hwnd, const char* text);
void winapi_listClear(HWND hwnd);
void winapi_listScroll(HWND hwnd, int top, int lineHeight);
int winapi_listTop(HWND hwnd, int lineHeight);
int winapi_listRows(HWND hwnd, int lineHeight);

// Takes the next event into `event`, its text into `text` of `size` bytes; 0 when none waits.
int winapi_nextEvent(winapi::PageEvent* event, char* text, int size);
// Sleeps (the program's stack kept by Asyncify) until an event waits.
void winapi_waitForEvent(void);

// A TIMER event with `id` in `milliseconds`; the handle that cancels it.
int winapi_startTimeout(int milliseconds, int id);
void winapi_cancelTimeout(int handle);

}  // extern "C"
