// Forwards the page's events to the window core (vellumark.js, web_view.cpp), which decides
// everything and draws through the page's elements. Here only the menus open and close.
'use strict';

var Module = {
  onRuntimeInitialized: function () {
    wire();
    Module._web_start();
  }
};

function controlOf(target) {
  var element = target && target.closest ? target.closest('[data-control]') : null;
  return element ? Number(element.dataset.control) : 0;
}

function closeMenus() {
  document.querySelectorAll('.menu.open').forEach(function (menu) {
    menu.classList.remove('open');
    menu.querySelector('.menu-title').setAttribute('aria-expanded', 'false');
  });
}

function wire() {
  var main = document.getElementById('frmMain');
  var about = document.getElementById('frmAbout');

  main.addEventListener('input', function (event) {
    var control = controlOf(event.target);
    if (control) {
      Module._web_input(control);
    }
  });
  document.addEventListener('keydown', function (event) {
    if (event.isComposing) {
      return;
    }
    var chord = [event.code, event.shiftKey ? 1 : 0, event.ctrlKey ? 1 : 0, event.altKey ? 1 : 0];
    if (about.open) {
      event.preventDefault();
      Module.ccall('web_about_key', null, ['string', 'number', 'number', 'number'], chord);
      return;
    }
    closeMenus();
    if (Module.ccall('web_key', 'number', ['string', 'number', 'number', 'number'], chord)) {
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
  main.addEventListener('click', function (event) {
    var control = controlOf(event.target);
    if (control) {
      Module._web_click(control, event.button);
    }
  });
  main.addEventListener('auxclick', function (event) {
    var control = controlOf(event.target);
    if (control) {
      Module._web_click(control, event.button);
    }
  });
  main.addEventListener('focusin', function (event) {
    var control = controlOf(event.target);
    if (control) {
      Module._web_focus(control);
    }
  });
  // Only the text boxes have a context menu, as in the window.
  main.addEventListener('contextmenu', function (event) {
    if (!event.target.closest('input, textarea, [role="textbox"]')) {
      event.preventDefault();
    }
  });

  document.querySelectorAll('.menu-title').forEach(function (title) {
    title.addEventListener('mousedown', function (event) {
      var menu = title.parentElement;
      var open = !menu.classList.contains('open');
      closeMenus();
      menu.classList.toggle('open', open);
      title.setAttribute('aria-expanded', String(open));
      event.stopPropagation();
      event.preventDefault();
    });
  });
  document.querySelectorAll('[role^="menuitem"]').forEach(function (entry) {
    entry.addEventListener('click', function () {
      closeMenus();
      Module._web_menu(Number(entry.dataset.menu));
    });
  });
  document.addEventListener('mousedown', function (event) {
    if (!event.target.closest('.menu')) {
      closeMenus();
    }
  });

  document.getElementById('cmdOk').addEventListener('click', function () {
    Module._web_about_ok();
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
