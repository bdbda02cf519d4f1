// The page elements of the controls: how each is made from its template item, where it is, and
// the entry's text and its rules applied to what the player types, pastes or composes.
#include "winapi/web/controls.h"

#include <cstdlib>

#include "winapi/dialog.h"
#include "winapi/toolkit.h"

namespace winapi {

namespace {

Control* newControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place) {
  switch (static_cast<ControlClass>(item.classAtom)) {
    case ControlClass::BUTTON: {
      int isDefault = (item.style & 0xF) == BS_DEFPUSHBUTTON;
      return new LabelledPageControl<Button>(dialog, item, place, PAGE_BUTTON, isDefault);
    }
    case ControlClass::EDIT:
      return new PageEdit(dialog, item, place);
    case ControlClass::STATIC: {
      int isIcon = (item.style & 0xF) == SS_ICON;
      return new LabelledPageControl<Static>(dialog, item, place, PAGE_STATIC, isIcon);
    }
    case ControlClass::LIST_BOX:
      return new PageListBox(dialog, item, place);
    default:
      return nullptr;
  }
}

}  // namespace

Control* makeControl(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place) {
  Control* control = newControl(dialog, item, place);
  if (control != nullptr && (item.style & WS_VISIBLE) == 0) control->setVisible(false);
  return control;
}

template <class Common>
PageControl<Common>::PageControl(Dialog& dialog, const resfile::DialogItem& item,
                                 const ControlPlace& place, PageControlKind kind, int flags)
    : Common(dialog, item), _rect(place.rect) {
  const PixelRect& r = place.rect;
  winapi_addControl(dialog.hwnd(), Common::hwnd(), kind, item.id, item.text.c_str(), r.x, r.y, r.w,
                    r.h, place.fontSize, flags);
}

template <class Common>
RECT PageControl<Common>::screenRect() {
  RECT dialog = Common::dialog().screenRect();
  LONG left = dialog.left + _rect.x, top = dialog.top + _rect.y;
  return {left, top, left + _rect.w, top + _rect.h};
}

PageEdit::PageEdit(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : PageControl<Edit>(dialog, item, place, PAGE_EDIT, (item.style & ES_UPPERCASE) != 0) {}

std::string PageEdit::text() const {
  char* text = winapi_getText(hwnd());
  std::string copy = text;
  std::free(text);
  return copy;
}

void PageEdit::insert(const char* typed, std::size_t replaced) {
  std::string text = insertion(typed, replaced);
  if (!text.empty()) winapi_insertText(hwnd(), text.c_str());
}

void PageEdit::tidy() {
  std::string now = text();
  std::string tidied = insertion(now, now.size());
  if (tidied != now) winapi_setText(hwnd(), tidied.c_str());
}

PageListBox::PageListBox(Dialog& dialog, const resfile::DialogItem& item, const ControlPlace& place)
    : PageControl<ListBox>(dialog, item, place, PAGE_LIST, 0),
      _lineHeight(measureBaseUnits(place.fontSize).y) {}

}  // namespace winapi
