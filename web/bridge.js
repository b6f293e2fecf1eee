// Helpers that web_view.cpp's EM_JS functions share: the page's elements by the core's Control
// numbers, and UTF-16 text both ways through the WebAssembly memory, NUL characters included.
'use strict';

var vmControls = [];
// Each text box's value as the core last had it, to tell the core what an input event changed.
var vmValues = [];
var vmHeld = '';
var vmDecoder = new TextDecoder('utf-16le');
// The clipboard requests under way, which answer later.
var vmPending = 0;

function vmText(pointer, length) {
  return vmDecoder.decode(HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length));
}

// Runs `request` (a promise) and counts it while it is under way; a browser without the
// clipboard's interface refuses as one that keeps it from the page.
function vmClipboard(request, answer, refused) {
  ++vmPending;
  var settled = function (then) {
    return function (value) {
      --vmPending;
      then(value);
    };
  };
  var promise;
  try {
    promise = request();
  } catch (error) {
    promise = Promise.reject(error);
  }
  promise.then(settled(answer), settled(refused));
}

// Hands `text` over in two steps: its length now, its units when the caller has room.
function vmHold(text) {
  vmHeld = text;
  return text.length;
}

// The edit that turned the box's last value into its value: one replaced range, found from
// the ends inwards. Writes its position and the units it removed at `at` (two int32s) and
// holds the units it added.
function vmEdit(control, at) {
  var before = vmValues[control] || '';
  var after = vmControls[control].value;
  vmValues[control] = after;
  var start = 0;
  var common = Math.min(before.length, after.length);
  while (start < common && before.charCodeAt(start) === after.charCodeAt(start)) {
    ++start;
  }
  var same = 0;
  while (same < common - start && before.charCodeAt(before.length - 1 - same) ===
         after.charCodeAt(after.length - 1 - same)) {
    ++same;
  }
  HEAP32[at >> 2] = start;
  HEAP32[(at >> 2) + 1] = before.length - same - start;
  return vmHold(after.substring(start, after.length - same));
}

// The output box is a read-only text box whose text stands in pieces of kPiece units, each in
// an inline element of its own: the lines run on across them as through one text, and a change
// reshapes only the pieces that it touches, where one text of 43,688 symbols took the browser
// longer to lay out than the bare key that changed them. A piece never ends inside a surrogate
// pair.
var vmOutput = '';
// Each piece's first unit.
var vmOutputStarts = [];
var kPiece = 2048;

function vmPieceEnd(text, start) {
  var end = start + kPiece;
  if (end >= text.length) {
    return text.length;
  }
  var last = text.charCodeAt(end);
  return last >= 0xDC00 && last <= 0xDFFF ? end - 1 : end;
}

// Replaces the units from `start` to `end` by `added`. The pieces before the change keep their
// text, so the browser keeps their shaping; a key at the end of a long text redoes the last one.
function vmOutputReplace(box, start, end, added) {
  var text = vmOutput.substring(0, start) + added + vmOutput.substring(end);
  vmOutput = text;
  // A piece's end depends on its text and the unit after it.
  var first = 0;
  while (first < vmOutputStarts.length && vmOutputStarts[first] + kPiece + 1 <= start) {
    ++first;
  }
  // The last piece reaches the end, so only an empty box has none to start from.
  var at = first < vmOutputStarts.length ? vmOutputStarts[first] : 0;
  var pieces = box.children;
  vmOutputStarts.length = first;
  for (var index = first; at < text.length; ++index) {
    var next = vmPieceEnd(text, at);
    var piece = text.substring(at, next);
    vmOutputStarts.push(at);
    if (index < pieces.length) {
      if (pieces[index].firstChild.data !== piece) {
        pieces[index].firstChild.data = piece;
      }
    } else {
      var element = document.createElement('span');
      element.textContent = piece;
      box.appendChild(element);
    }
    at = next;
  }
  while (pieces.length > vmOutputStarts.length) {
    box.lastChild.remove();
  }
}

// What a read-only text box does by itself: Ctrl+A selects its text alone. A copy takes the
// pieces' text as it is, as they are inline.
function vmReadOnlyBox(box) {
  box.addEventListener('keydown', function (event) {
    if (event.code === 'KeyA' && event.ctrlKey && !event.altKey && !event.shiftKey) {
      event.preventDefault();
      getSelection().selectAllChildren(box);
    }
  });
}

function vmCopyHeld(pointer) {
  var at = pointer >> 1;
  var text = vmHeld;
  for (var i = 0; i < text.length; ++i) {
    HEAPU16[at + i] = text.charCodeAt(i);
  }
  vmHeld = '';
}

// The menus, from the core's command table. A caption's "&" marks its access letter, which is
// underlined and kept as the element's data-key.
function vmCaption(element, caption) {
  var mark = caption.indexOf('&');
  if (mark < 0 || mark + 1 >= caption.length) {
    element.textContent = caption;
    return;
  }
  var letter = document.createElement('u');
  letter.textContent = caption.charAt(mark + 1);
  element.append(caption.substring(0, mark), letter, caption.substring(mark + 2));
  element.dataset.key = letter.textContent.toUpperCase();
}

function vmAddMenu(name, caption) {
  var title = document.createElement('button');
  title.type = 'button';
  title.id = name;
  title.className = 'menu-title';
  title.tabIndex = -1;
  title.setAttribute('role', 'menuitem');
  title.setAttribute('aria-haspopup', 'menu');
  title.setAttribute('aria-expanded', 'false');
  vmCaption(title, caption);
  var list = document.createElement('div');
  list.className = 'menu-list';
  list.setAttribute('role', 'menu');
  list.setAttribute('aria-labelledby', name);
  var menu = document.createElement('div');
  menu.className = 'menu';
  menu.append(title, list);
  document.getElementById('menuBar').append(menu);
}

function vmAddEntry(command, name, caption, shortcut, separatorBefore) {
  var lists = document.querySelectorAll('#menuBar .menu-list');
  var list = lists[lists.length - 1];
  if (separatorBefore) {
    list.append(document.createElement('hr'));
  }
  var entry = document.createElement('div');
  entry.id = name;
  entry.dataset.menu = command;
  entry.tabIndex = -1;
  entry.setAttribute('role', 'menuitem');
  var label = document.createElement('span');
  vmCaption(label, caption);
  entry.dataset.key = label.dataset.key || '';
  entry.append(label);
  if (shortcut) {
    var keys = document.createElement('kbd');
    keys.textContent = shortcut;
    entry.append(keys);
    entry.setAttribute('aria-keyshortcuts', shortcut.replace('Ctrl+', 'Control+'));
  }
  list.append(entry);
}

// A checked entry carries its check mark; the others show none, as in the desktop's menus.
function vmShowCommand(command, checked, enabled) {
  var entry = document.querySelector('[data-menu="' + command + '"]');
  entry.setAttribute('role', checked ? 'menuitemcheckbox' : 'menuitem');
  if (checked) {
    entry.setAttribute('aria-checked', 'true');
  } else {
    entry.removeAttribute('aria-checked');
  }
  entry.setAttribute('aria-disabled', String(!enabled));
}

// The about box over the middle of the drawn main window, as the desktop's over theirs.
function vmOpenAbout() {
  var about = document.getElementById('frmAbout');
  about.showModal();
  var main = document.getElementById('frmMain').getBoundingClientRect();
  var box = about.getBoundingClientRect();
  about.style.margin = '0';
  about.style.right = about.style.bottom = 'auto';
  about.style.left = Math.max(0, main.left + (main.width - box.width) / 2) + 'px';
  about.style.top = Math.max(0, main.top + (main.height - box.height) / 2) + 'px';
  document.getElementById('cmdOk').focus();
}

// File > Exit: the texts and the code number go, the window takes no more input, and the tab
// closes where the browser lets a page close it.
function vmExit() {
  var main = document.getElementById('frmMain');
  main.querySelectorAll('input, textarea').forEach(function (box) {
    box.value = '';
  });
  document.getElementById('txtOut').replaceChildren();
  vmOutput = '';
  vmOutputStarts.length = 0;
  main.querySelector('.client').inert = true;
  document.getElementById('menuBar').inert = true;
  document.getElementById('notice').textContent =
    'Vellumark has ended. The texts are cleared; this tab may be closed now.';
  window.close();
}

// The WebAssembly is inside this script: compiled from there at once, without asking fetch()
// for it, which a Content-Security-Policy with connect-src 'none' refuses.
// The browser's own base64 decoder, where it has one, is several times quicker than the runtime's.
Module['instantiateWasm'] = function (imports, receive) {
  var bytes = Uint8Array.fromBase64 ?
      Uint8Array.fromBase64(wasmBinaryFile.substring(wasmBinaryFile.indexOf(',') + 1)) :
      getBinary(wasmBinaryFile);
  try {
    receive(new WebAssembly.Instance(new WebAssembly.Module(bytes), imports));
  } catch (error) {
    // Browsers that compile only large modules off the main thread.
    WebAssembly.instantiate(bytes, imports).then(function (result) {
      receive(result.instance);
    });
  }
  return {};
};
