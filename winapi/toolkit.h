// Inside the stand-in: what each back end (fltk/, web/) gives the parts written once above it:
// dialogs and controls made of its widgets, the dialog font's measures, its event loop and timers,
// and the screen. Each function is defined once, by the back end that the build links.
#pragma once

#include <string>

#include "resfile/resfile.h"
#include "winapi/dialogunits.h"
#include "winapi/winapi.h"

namespace winapi {

class Dialog;

// The base units of the dialog font of `fontSize` pixels, as the back end measures them.
BaseUnits measureBaseUnits(int fontSize);

// The back end's dialog of `dialogTemplate` with its controls in template order, placed in dialog
// units of base `units`; not shown, and sent no message. Every control must be of a known class.
Dialog* makeDialog(const resfile::DialogTemplate& dialogTemplate, DLGPROC proc, BaseUnits units);

// The size in pixels of `text` in the dialog font of `fontSize` pixels, line breaks included.
PixelSize measureText(const std::string& text, int fontSize);

// Waits for events and handles them: returns when at least one has been handled.
void waitForEvents();

// Deletes `dialog` from the event loop, once no procedure runs.
void deleteLater(Dialog* dialog);

// Takes the toolkit's keyboard focus from every widget.
void dropFocus();

// The first screen's size in pixels.
PixelSize screenSize();

// Calls `tick(key)` once, from the event loop, `seconds` from now, unless cancelled before.
void startTimeout(double seconds, void (*tick)(void*), void* key);
void cancelTimeout(void (*tick)(void*), void* key);

// This program's path, or "" when the system does not tell.
std::string programPath();

}  // namespace winapi
