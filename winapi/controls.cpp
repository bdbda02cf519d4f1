// The controls as Win32 defines them: what a control is (id, style, window text), where one goes,
// and the messages and rules of push buttons, the single-line edit control and the list box.
#include "winapi/controls.h"

#include <algorithm>
#include <cstring>

#include "support/ascii.h"
#include "winapi/dialog.h"

namespace winapi {

namespace {

// Win32's default limit of a new edit control, and what EM_LIMITTEXT 0 means for a single line.
const std::size_t DEFAULT_LIMIT = 32767;
const std::size_t NO_LIMIT = 0x7FFFFFFE;

// What ends the text that a single line takes: a line break, or a NUL, which ends any window text.
const std::string_view LINE_ENDS("\r\n\0", 3);

}  // namespace

bool isKnownControlClass(const resfile::DialogItem& item) {
  return item.classAtom >= static_cast<WORD>(ControlClass::BUTTON) &&
         item.classAtom <= static_cast<WORD>(ControlClass::LIST_BOX);
}

ControlPlace placeOf(const resfile::DialogItem& item, BaseUnits units, int fontSize) {
  return {toPixels(item.x, item.y, item.cx, item.cy, units), fontSize};
}

Control::Control(Dialog& dialog, const resfile::DialogItem& item)
    : _dialog(dialog), _id(item.id), _style(item.style), _text(item.text) {}

bool Control::isTabStop() { return (_style & WS_TABSTOP) && isEnabled() && isVisible(); }

char Button::mnemonic() const {
  std::string label = text();
  for (std::size_t i = 0; i + 1 < label.size(); ++i) {
    if (label[i] == '&' && label[++i] != '&') return asciiUpper(label[i]);
  }
  return 0;
}

void Button::click() { dialog().command(id(), this); }

Edit::Edit(Dialog& dialog, const resfile::DialogItem& item)
    : Control(dialog, item), _limit(DEFAULT_LIMIT) {}

LRESULT Edit::message(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != EM_LIMITTEXT) return Control::message(msg, wParam, lParam);
  _limit = wParam == 0 || wParam > NO_LIMIT ? NO_LIMIT : static_cast<std::size_t>(wParam);
  return 0;
}

std::string Edit::insertion(std::string_view typed, std::size_t replaced) const {
  std::string text(typed.substr(0, typed.find_first_of(LINE_ENDS)));
  if (style() & ES_UPPERCASE) {
    for (char& c : text) c = asciiUpper(c);
  }
  std::size_t kept = this->text().size() - std::min(replaced, this->text().size());
  text.resize(wholeCharacters(text, _limit - std::min(kept, _limit)));
  return text;
}

LRESULT ListBox::message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case LB_ADDSTRING:
      _lines.emplace_back(lParam ? reinterpret_cast<const char*>(lParam) : "");
      showAddedLine(_lines.back());
      return static_cast<LRESULT>(_lines.size()) - 1;
    case LB_RESETCONTENT:
      _lines.clear();
      showNoLines();
      return 0;
    case LB_GETCOUNT:
      return static_cast<LRESULT>(_lines.size());
    case LB_GETTEXT:
      return lineText(wParam, reinterpret_cast<char*>(lParam));
    case LB_SETTOPINDEX:
      return setTopIndex(wParam);
    case LB_GETTOPINDEX:
      return _lines.empty() ? 0 : topLine();
    default:
      return Control::message(msg, wParam, lParam);
  }
}

// Like Win32's list box, LB_GETTEXT trusts the caller's buffer to hold the line and its NUL.
LRESULT ListBox::lineText(WPARAM index, char* buffer) const {
  if (index >= _lines.size()) return LB_ERR;
  const std::string& line = _lines[index];
  std::memcpy(buffer, line.c_str(), line.size() + 1);
  return static_cast<LRESULT>(line.size());
}

LRESULT ListBox::setTopIndex(WPARAM index) {
  if (index >= _lines.size()) return LB_ERR;
  int lastTop = std::max(0, static_cast<int>(_lines.size()) - fullLines());
  scrollTo(std::min(static_cast<int>(index), lastTop));
  return 0;
}

}  // namespace winapi
