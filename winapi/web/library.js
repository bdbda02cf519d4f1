// The page's side of the web back end, linked into the program's .js by emscripten: dialogs and
// controls made of the page's own elements, their measures, and the queue of the player's input,
// which the program's event loop takes one event at a time (page.h declares each function).
mergeInto(LibraryManager.library, {
  $winapi: {
    elements: {},  // window handle -> its element (a dialog: the <dialog>)
    queue: [],     // events waiting for the program: {type, hwnd, ...}
    wake: null,    // resolves the program's wait for an event
    names: {},     // control id -> accessible name, given by the page (Module.controlNames)
    // Event types, as page.h numbers them.
    CLICK: 1, CLOSE: 2, KEY: 3, FOCUS: 4, INSERT: 5, TIDY: 6, TIMER: 7,
    // Key codes, as the dialog manager's Key numbers them.
    TAB: 1, ENTER: 2, ESCAPE: 3, F4: 4, CHARACTER: 5,

    post: function(event) {
      winapi.queue.push(event);
      if (winapi.wake) {
        var wake = winapi.wake;
        winapi.wake = null;
        try {
          wake();
        } catch (status) {  // the program ended while it ran (onExit has told the page)
          if (!(status instanceof ExitStatus)) throw status;
        }
      }
    },

    handleOf: function(element) {
      for (; element; element = element.parentElement) {
        if (element.dataset && element.dataset.hwnd) return Number(element.dataset.hwnd);
      }
      return 0;
    },

    // The key of a keydown as the dialog manager sees it, or null for a key it never takes:
    // Tab, Enter and Escape, Alt+F4, and characters with Alt, or without Ctrl and Alt while the
    // focused control takes no characters (a button); Space is left to the button itself.
    keyOf: function(event) {
      if (event.metaKey || event.isComposing) return null;
      var key = {code: 0, character: 0, shift: event.shiftKey, ctrl: event.ctrlKey,
                 alt: event.altKey};
      var named = {Tab: winapi.TAB, Enter: winapi.ENTER, Escape: winapi.ESCAPE, F4: winapi.F4};
      if (named[event.key]) {
        key.code = named[event.key];
        return key.code != winapi.F4 || key.alt ? key : null;
      }
      var letter = /^(Key|Digit)(.)$/.exec(event.code);
      var typed = event.key.length == 1 ? event.key : null;
      if (key.alt && !key.ctrl && letter) typed = letter[2].toLowerCase();
      if (!typed || typed == ' ' || key.ctrl) return null;
      var target = event.target;
      if (!key.alt && target.dataset && target.dataset.takesCharacters) return null;
      key.code = winapi.CHARACTER;
      key.character = typed.charCodeAt(0) < 0x80 ? typed.charCodeAt(0) : 0x80;
      return key;
    },

    utf8Length: function(text) { return lengthBytesUTF8(text); },

    // Shows a window's text: a dialog's caption (the page's title too, for the main dialog), a
    // button's label with its mnemonic underlined, an entry's value, or static text as it is.
    setText: function(element, text) {
      if (element.tagName == 'DIALOG') {
        element.querySelector('.winapi-caption').textContent = text;
        if (!element.classList.contains('winapi-modal')) document.title = text;
      } else if (element.tagName == 'BUTTON') {
        element.replaceChildren();
        var parts = text.split(/&(.)/);  // the text around each "&x", with x between
        for (var i = 0; i < parts.length; ++i) {
          if (i % 2 == 0) {
            element.appendChild(document.createTextNode(parts[i]));
          } else if (parts[i] == '&') {
            element.appendChild(document.createTextNode('&'));
          } else {
            var underlined = document.createElement('u');
            underlined.textContent = parts[i];
            element.appendChild(underlined);
            element.setAttribute('aria-keyshortcuts', 'Alt+' + parts[i].toUpperCase());
          }
        }
      } else if (element.tagName == 'INPUT') {
        element.value = text;
        element.setSelectionRange(0, 0);
      } else if (element.tagName != 'SELECT') {
        element.textContent = text;
      }
    },

    // A hidden element in the dialog font, for measuring.
    measure: function(text, fontSize) {
      var probe = document.createElement('div');
      probe.className = 'winapi-measure';
      probe.style.fontSize = fontSize + 'px';
      probe.textContent = text;
      document.body.appendChild(probe);
      var size = {w: Math.ceil(probe.getBoundingClientRect().width),
                  h: Math.ceil(probe.getBoundingClientRect().height)};
      probe.remove();
      return size;
    },

    // The scale that fits the main dialog (else the box shown) into the page, for every dialog.
    fit: function() {
      var main = document.querySelector('dialog.winapi-dialog[open]:not(.winapi-modal)') ||
                 document.querySelector('dialog.winapi-dialog[open]');
      if (!main) return;
      var width = main.offsetWidth, height = main.offsetHeight;
      var scale = Math.min(window.innerWidth / width, window.innerHeight / height) * 0.96;
      document.documentElement.style.setProperty('--winapi-scale', String(scale));
    },
  },

  winapi_measureText__deps: ['$winapi'],
  winapi_measureText: function(text, fontSize, size) {
    var measured = winapi.measure(UTF8ToString(text), fontSize);
    HEAP32[size >> 2] = measured.w;
    HEAP32[(size >> 2) + 1] = measured.h;
  },

  winapi_screenSize__deps: ['$winapi'],
  winapi_screenSize: function(size) {
    var scale = Number(getComputedStyle(document.documentElement)
                           .getPropertyValue('--winapi-scale')) || 1;
    HEAP32[size >> 2] = Math.round(window.innerWidth / scale);
    HEAP32[(size >> 2) + 1] = Math.round(window.innerHeight / scale);
  },

  winapi_makeDialog__deps: ['$winapi'],
  winapi_makeDialog: function(hwnd, width, height) {
    if (!winapi.listening) {
      winapi.listening = true;
      winapi.names = Module['controlNames'] || {};
      window.addEventListener('resize', winapi.fit);
    }
    var dialog = document.createElement('dialog');
    dialog.className = 'winapi-dialog';
    dialog.dataset.hwnd = hwnd;
    dialog.setAttribute('aria-labelledby', 'winapi-caption-' + hwnd);
    dialog.innerHTML = '<div class="winapi-title"><canvas class="winapi-icon" hidden></canvas>' +
        '<span class="winapi-caption"></span>' +
        '<button type="button" class="winapi-close" aria-label="Close" tabindex="-1">' +
        '\u2715</button></div><div class="winapi-client"></div>';
    dialog.querySelector('.winapi-caption').id = 'winapi-caption-' + hwnd;
    var client = dialog.querySelector('.winapi-client');
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    dialog.querySelector('.winapi-close').addEventListener('click', function() {
      winapi.post({type: winapi.CLOSE, hwnd: hwnd});
    });
    dialog.addEventListener('keydown', function(event) {
      var key = winapi.keyOf(event);
      if (!key) return;
      event.preventDefault();
      event.stopPropagation();
      key.type = winapi.KEY;
      key.hwnd = hwnd;
      winapi.post(key);
    }, true);
    dialog.addEventListener('cancel', function(event) { event.preventDefault(); });
    dialog.addEventListener('focusin', function(event) {
      var control = winapi.handleOf(event.target);
      if (control != hwnd) winapi.post({type: winapi.FOCUS, hwnd: control});
    });
    document.getElementById('screen').appendChild(dialog);
    winapi.elements[hwnd] = dialog;
  },

  winapi_addControl__deps: ['$winapi'],
  winapi_addControl: function(dialogHwnd, hwnd, kind, id, text, x, y, w, h, fontSize, flags) {
    var label = UTF8ToString(text);
    var element;
    if (kind == 1) {  // a push button; flags: 1 the default one
      element = document.createElement('button');
      element.type = 'button';
      if (flags & 1) element.className = 'winapi-default';
      element.addEventListener('click', function() {
        winapi.post({type: winapi.CLICK, hwnd: hwnd});
      });
    } else if (kind == 2) {  // an edit control
      element = document.createElement('input');
      element.type = 'text';
      element.autocomplete = 'off';
      element.spellcheck = false;
      element.setAttribute('autocapitalize', flags & 1 ? 'characters' : 'off');
      element.setAttribute('autocorrect', 'off');
      element.addEventListener('beforeinput', function(event) {
        var typed = event.data;
        if (typed == null && event.dataTransfer) typed = event.dataTransfer.getData('text/plain');
        if (typed == null || !event.cancelable || !/^insert/.test(event.inputType)) return;
        event.preventDefault();
        var replaced = element.value.substring(element.selectionStart, element.selectionEnd);
        winapi.post({type: winapi.INSERT, hwnd: hwnd, text: typed,
                     replaced: winapi.utf8Length(replaced)});
      });
      element.addEventListener('input', function() {  // what the page could not stop (IMEs)
        winapi.post({type: winapi.TIDY, hwnd: hwnd});
      });
    } else if (kind == 3) {  // static text; flags: 1 a message box's stop sign
      element = document.createElement('div');
      element.className = flags & 1 ? 'winapi-stop' : 'winapi-static';
      if (flags & 1) element.setAttribute('role', 'img');
    } else {  // a list box
      element = document.createElement('select');
      element.size = 2;
      element.tabIndex = -1;
    }
    element.dataset.hwnd = hwnd;
    if (kind == 2 || kind == 4) element.dataset.takesCharacters = '1';
    if (winapi.names[id]) element.setAttribute('aria-label', winapi.names[id]);
    element.style.cssText = 'left:' + x + 'px;top:' + y + 'px;width:' + w + 'px;height:' + h +
        'px;font-size:' + fontSize + 'px';
    winapi.elements[dialogHwnd].querySelector('.winapi-client').appendChild(element);
    winapi.elements[hwnd] = element;
    winapi.setText(element, label);
  },

  winapi_setText__deps: ['$winapi'],
  winapi_setText: function(hwnd, text) {
    var element = winapi.elements[hwnd];
    if (element) winapi.setText(element, UTF8ToString(text));
  },

  winapi_getText__deps: ['$winapi'],
  winapi_getText: function(hwnd) {
    var element = winapi.elements[hwnd];
    var text = element ? element.value : '';
    var size = lengthBytesUTF8(text) + 1;
    var buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
  },

  winapi_insertText__deps: ['$winapi'],
  winapi_insertText: function(hwnd, text) {
    var element = winapi.elements[hwnd];
    element.setRangeText(UTF8ToString(text), element.selectionStart, element.selectionEnd, 'end');
  },

  winapi_setVisible__deps: ['$winapi'],
  winapi_setVisible: function(hwnd, visible) {
    var element = winapi.elements[hwnd];
    if (element.tagName != 'DIALOG') {
      element.hidden = !visible;
    } else if (!visible && element.open) {
      element.close();
    }
  },

  winapi_showDialog__deps: ['$winapi'],
  winapi_showDialog: function(hwnd, modal) {
    var dialog = winapi.elements[hwnd];
    if (dialog.open) return;
    dialog.classList.toggle('winapi-modal', !!modal);
    if (modal) {
      dialog.showModal();
    } else {
      dialog.show();
      document.title = dialog.querySelector('.winapi-caption').textContent;
    }
    winapi.fit();
  },

  winapi_isVisible__deps: ['$winapi'],
  winapi_isVisible: function(hwnd) {
    var element = winapi.elements[hwnd];
    return element.tagName == 'DIALOG' ? element.open : !element.hidden;
  },

  winapi_setEnabled__deps: ['$winapi'],
  winapi_setEnabled: function(hwnd, enabled) { winapi.elements[hwnd].disabled = !enabled; },

  winapi_isEnabled__deps: ['$winapi'],
  winapi_isEnabled: function(hwnd) { return !winapi.elements[hwnd].disabled; },

  winapi_focus__deps: ['$winapi'],
  winapi_focus: function(hwnd) {
    var element = winapi.elements[hwnd];
    if (element) {
      element.focus();
    } else if (document.activeElement) {
      document.activeElement.blur();
    }
  },

  winapi_removeWindow__deps: ['$winapi'],
  winapi_removeWindow: function(hwnd) {
    var element = winapi.elements[hwnd];
    if (element && element.tagName == 'DIALOG') element.remove();
    delete winapi.elements[hwnd];
  },

  winapi_setIcon__deps: ['$winapi'],
  winapi_setIcon: function(hwnd, rgba, width, height) {
    var canvas = winapi.elements[hwnd].querySelector('.winapi-icon');
    canvas.hidden = !rgba;
    if (!rgba) return;
    canvas.width = width;
    canvas.height = height;
    var pixels = HEAPU8.slice(rgba, rgba + width * height * 4);
    canvas.getContext('2d').putImageData(
        new ImageData(new Uint8ClampedArray(pixels.buffer), width, height), 0, 0);
  },

  winapi_listAdd__deps: ['$winapi'],
  winapi_listAdd: function(hwnd, text) {
    var option = document.createElement('option');
    // A list draws its lines with their blanks as they are, which an option would collapse.
    option.textContent = UTF8ToString(text).replace(/ /g, '\u00a0');
    winapi.elements[hwnd].appendChild(option);
  },

  winapi_listClear__deps: ['$winapi'],
  winapi_listClear: function(hwnd) { winapi.elements[hwnd].replaceChildren(); },

  winapi_listScroll__deps: ['$winapi'],
  winapi_listScroll: function(hwnd, top, lineHeight) {
    winapi.elements[hwnd].scrollTop = top * lineHeight;
  },

  winapi_listTop__deps: ['$winapi'],
  winapi_listTop: function(hwnd, lineHeight) {
    return Math.round(winapi.elements[hwnd].scrollTop / lineHeight);
  },

  winapi_listRows__deps: ['$winapi'],
  winapi_listRows: function(hwnd, lineHeight) {
    return Math.floor(winapi.elements[hwnd].clientHeight / lineHeight);
  },

  // Takes the next event into `fields` (type, hwnd, code, character, shift, ctrl, alt, replaced)
  // and its text into `text` of `size` bytes; 0 when none is waiting.
  winapi_nextEvent__deps: ['$winapi'],
  winapi_nextEvent: function(fields, text, size) {
    var event = winapi.queue.shift();
    if (!event) return 0;
    var values = [event.type, event.hwnd || 0, event.code || 0, event.character || 0,
                  event.shift ? 1 : 0, event.ctrl ? 1 : 0, event.alt ? 1 : 0, event.replaced || 0];
    for (var i = 0; i < values.length; ++i) HEAP32[(fields >> 2) + i] = values[i];
    stringToUTF8(event.text || '', text, size);
    return event.type;
  },

  winapi_startTimeout__deps: ['$winapi'],
  winapi_startTimeout: function(milliseconds, id) {
    return setTimeout(function() { winapi.post({type: winapi.TIMER, hwnd: id}); }, milliseconds);
  },

  winapi_cancelTimeout: function(handle) { clearTimeout(handle); },

  winapi_waitForEvent__deps: ['$winapi'],
  winapi_waitForEvent__sig: 'v',
  winapi_waitForEvent: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      if (winapi.queue.length) {
        wakeUp();
      } else {
        winapi.wake = wakeUp;
      }
    });
  },
});
