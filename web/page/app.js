// Forwards the page's events to the window core (vellumark.js, web_view.cpp), which decides
// everything and draws through the page's elements. Here only the menus open and close, by the
// mouse and by the keyboard as a menu bar does (F10, Alt and a menu's letter, the arrows,
// Enter, Space, Esc and an entry's letter).
'use strict';

var Module = {
  onRuntimeInitialized: function () {
    wire();
    Module._web_start();
    document.documentElement.classList.add('ready');
    performance.mark('vellumark-ready');
  }
};

function controlOf(target) {
  var element = target && target.closest ? target.closest('[data-control]') : null;
  return element ? Number(element.dataset.control) : 0;
}

// Where the focus was before the keyboard entered the menu bar, to go back to.
var focusBeforeMenus = null;

function titles() {
  return Array.prototype.slice.call(document.querySelectorAll('#menuBar .menu-title'));
}

function entriesOf(menu) {
  return Array.prototype.slice.call(menu.querySelectorAll('[data-menu]'));
}

// Opens `menu` and closes the others; null closes them all.
function openMenu(menu) {
  document.querySelectorAll('#menuBar .menu').forEach(function (each) {
    each.classList.toggle('open', each === menu);
    each.querySelector('.menu-title').setAttribute('aria-expanded', String(each === menu));
  });
}

// Leaves the menus; the focus goes back where it was when the keyboard entered them.
function leaveMenus() {
  openMenu(null);
  var back = focusBeforeMenus;
  focusBeforeMenus = null;
  if (back && back.isConnected) {
    back.focus();
  } else if (document.activeElement && document.activeElement.closest('#menuBar')) {
    document.activeElement.blur();
  }
}

function enterMenus() {
  if (!focusBeforeMenus && !(document.activeElement && document.activeElement.closest('#menuBar'))) {
    focusBeforeMenus = document.activeElement;
  }
}

function runEntry(entry) {
  if (entry.getAttribute('aria-disabled') === 'true') {
    return;
  }
  leaveMenus();
  Module._web_menu(Number(entry.dataset.menu));
}

// Opens `menu` from the keyboard with its first (or last) entry focused.
function openFromKeyboard(menu, last) {
  enterMenus();
  openMenu(menu);
  var entries = entriesOf(menu);
  entries[last ? entries.length - 1 : 0].focus();
}

// A key while the menus are open or a title has the focus; true when the menus took it.
function menuKey(event) {
  var active = document.activeElement;
  var open = document.querySelector('.menu.open');
  var inBar = active && active.closest && active.closest('#menuBar');
  var plain = !event.ctrlKey && !event.metaKey;
  var letter = event.code.length === 4 && event.code.substring(0, 3) === 'Key' ?
      event.code.charAt(3) : '';
  var list = titles();
  if (!inBar && !open) {
    if (event.code === 'F10' && plain && !event.altKey && !event.shiftKey) {
      enterMenus();
      list[0].focus();
      return true;
    }
    if (event.altKey && plain && !event.shiftKey && letter) {
      var title = list.filter(function (t) { return t.dataset.key === letter; })[0];
      if (title) {
        openFromKeyboard(title.parentElement, false);
        return true;
      }
    }
    return false;
  }
  var menu = open || (inBar ? active.closest('.menu') : null);
  if (!inBar) {
    // Opened by the mouse, with the focus still in the window: the keys still work the menu.
    enterMenus();
  }
  var at = list.indexOf(menu.querySelector('.menu-title'));
  var entries = entriesOf(menu);
  var entry = active && active.closest ? active.closest('[data-menu]') : null;
  var beside = function (step) {
    var next = list[(at + step + list.length) % list.length];
    if (open) {
      openFromKeyboard(next.parentElement, false);
    } else {
      next.focus();
    }
  };
  switch (event.code) {
    case 'Escape':
    case 'F10':
    case 'Tab':
      leaveMenus();
      return true;
    case 'ArrowLeft':
      beside(-1);
      return true;
    case 'ArrowRight':
      beside(1);
      return true;
    case 'ArrowDown':
    case 'ArrowUp':
      var down = event.code === 'ArrowDown';
      if (!entry) {
        openFromKeyboard(menu, !down);
      } else {
        var i = entries.indexOf(entry) + (down ? 1 : -1);
        entries[(i + entries.length) % entries.length].focus();
      }
      return true;
    case 'Home':
    case 'End':
      if (entry) {
        entries[event.code === 'Home' ? 0 : entries.length - 1].focus();
      }
      return true;
    case 'Enter':
    case 'NumpadEnter':
    case 'Space':
      if (entry) {
        runEntry(entry);
      } else {
        openFromKeyboard(menu, false);
      }
      return true;
    default:
      break;
  }
  if (letter && plain) {
    if (open) {
      var named = entries.filter(function (e) { return e.dataset.key === letter; })[0];
      if (named) {
        runEntry(named);
      }
    } else {
      var titled = list.filter(function (t) { return t.dataset.key === letter; })[0];
      if (titled) {
        openFromKeyboard(titled.parentElement, false);
      }
    }
  }
  // Every other key stays in the menus, as in a window's menu bar.
  return true;
}

function wire() {
  var main = document.getElementById('frmMain');
  var about = document.getElementById('frmAbout');

  // A control's events go to the core with the control's number.
  function forward(type, call) {
    main.addEventListener(type, function (event) {
      var control = controlOf(event.target);
      if (control) {
        call(control, event.button);
      }
    });
  }
  forward('input', Module._web_input);
  forward('click', Module._web_click);
  forward('auxclick', Module._web_click);
  forward('focusin', Module._web_focus);
  document.addEventListener('keydown', function (event) {
    if (event.isComposing) {
      return;
    }
    var chord = [event.code, event.shiftKey ? 1 : 0, event.ctrlKey ? 1 : 0, event.altKey ? 1 : 0];
    // The about box takes every key; else the menus take theirs first.
    if ((!about.open && menuKey(event)) || Module.ccall(about.open ? 'web_about_key' : 'web_key',
        'number', ['string', 'number', 'number', 'number'], chord)) {
      event.preventDefault();
    }
  });
  // As in a window, a press anywhere but in a control leaves the focus where it is. A press
  // that the core took keeps its release from the browser too (Linux pastes on the middle one).
  var pressTaken = false;
  main.addEventListener('mousedown', function (event) {
    var control = controlOf(event.target);
    pressTaken = !control || Module._web_press(control, event.button) !== 0;
    if (pressTaken) {
      event.preventDefault();
    }
  });
  main.addEventListener('mouseup', function (event) {
    if (pressTaken) {
      event.preventDefault();
    }
  });
  // What a read-only text box does by itself: Ctrl+A selects its text alone. A copy takes the
  // output's pieces as one text, as they are inline.
  var output = document.getElementById('txtOut');
  output.addEventListener('keydown', function (event) {
    if (event.code === 'KeyA' && event.ctrlKey && !event.altKey && !event.shiftKey) {
      event.preventDefault();
      getSelection().selectAllChildren(output);
    }
  });
  // A copy of any of the output's text, by keys, the box's menu or a drag, asks the core,
  // which keeps a stale output from being copied.
  ['copy', 'cut', 'dragstart'].forEach(function (type) {
    document.addEventListener(type, function (event) {
      if (getSelection().containsNode(output, true) && !Module._web_output_copy()) {
        event.preventDefault();
      }
    });
  });
  // Only the text boxes have a context menu, as in the window.
  main.addEventListener('contextmenu', function (event) {
    if (!event.target.closest('input, textarea, [role="textbox"]')) {
      event.preventDefault();
    }
  });

  // The menus are built by the core once the page has started, so their events are taken here.
  var bar = document.getElementById('menuBar');
  bar.addEventListener('mousedown', function (event) {
    // A press on an entry leaves the focus where it was, as a window's menu does.
    if (event.target.closest('.menu-list')) {
      event.preventDefault();
    }
    var title = event.target.closest('.menu-title');
    if (title) {
      openMenu(title.parentElement.classList.contains('open') ? null : title.parentElement);
      event.stopPropagation();
      event.preventDefault();
    }
  });
  bar.addEventListener('click', function (event) {
    var entry = event.target.closest('[data-menu]');
    if (entry) {
      runEntry(entry);
    }
  });
  document.addEventListener('mousedown', function (event) {
    if (!event.target.closest('.menu')) {
      leaveMenus();
    }
  });

  document.getElementById('cmdOk').addEventListener('click', function () {
    about.close();
  });

  matchMedia('(prefers-color-scheme: dark)').addEventListener('change', function () {
    Module._web_scheme_change();
  });
}

// Offline and installable where the page is served; a page opened from a file needs neither.
if (location.protocol !== 'file:') {
  var manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js');
  }
}
