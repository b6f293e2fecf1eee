// Forwards the page's events to the window core (vellumark.js, web_events.cpp), which decides
// everything, the menu bar's keys and presses among it, and draws through the page's elements.
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
    var chord = [event.code, event.shiftKey, event.ctrlKey, event.altKey, event.metaKey, about.open];
    var types = ['string', 'boolean', 'boolean', 'boolean', 'boolean', 'boolean'];
    if (Module.ccall('web_key', 'number', types, chord)) {
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
  // A copy of any of the output's text (keys, the box's menu, a drag) asks the core, which
  // keeps a stale output from being copied; it takes the output's inline pieces as one text.
  var output = document.getElementById('txtOut');
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

  // The menus are the core's (MenuBar): a press on a title opens or closes its menu, a press
  // anywhere else leaves them, a click on an entry chooses it.
  document.addEventListener('mousedown', function (event) {
    var title = event.target.closest('.menu-title');
    if (title || !event.target.closest('.menu')) {
      Module._web_menu_press(title ? Number(title.dataset.index) : -1);
    }
  });
  document.getElementById('menuBar').addEventListener('click', function (event) {
    var entry = event.target.closest('[data-menu]');
    if (entry) {
      Module._web_menu(Number(entry.dataset.menu));
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
