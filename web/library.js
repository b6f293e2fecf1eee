// The page's side of the view (web/page_calls.h), linked in as functions that the C++ calls
// (--js-library). Controls go by the Control numbers that vm_place writes onto the elements of
// their design names; texts travel as UTF-16 units (bridge.js's helpers).
mergeInto(LibraryManager.library, {
  // A design control's place in its container, as style.css's --left, --top, --width and
  // --height; a frame's caption goes into its caption element, a tool tip also names a button.
  vm_place: function (name, control, left, top, width, height, caption, toolTip) {
    var element = document.getElementById(UTF8ToString(name));
    var place = {left: left, top: top, width: width, height: height};
    for (var edge in place) {
      element.style.setProperty('--' + edge, place[edge] + 'px');
    }
    if (control) {
      element.dataset.control = control;
      vmControls[control] = element;
    }
    if (UTF8ToString(caption)) {
      vmCaption(element.querySelector('.caption') || element, UTF8ToString(caption));
    }
    if (UTF8ToString(toolTip)) {
      element.title = UTF8ToString(toolTip);
      element.setAttribute('aria-label', element.title);
    }
  },
  // A menu's title, with its place in the bar as data-index, and its empty list of entries.
  vm_add_menu: function (name, caption, length) {
    var id = UTF8ToString(name);
    var bar = document.getElementById('menuBar');
    var title = vmElement('button', {type: 'button', id: id, class: 'menu-title', tabindex: -1,
                                     role: 'menuitem', 'aria-haspopup': 'menu', 'aria-expanded': false,
                                     'data-index': bar.childElementCount});
    vmCaption(title, vmText(caption, length));
    var menu = vmElement('div', {class: 'menu'});
    menu.append(title, vmElement('div', {class: 'menu-list', role: 'menu', 'aria-labelledby': id}));
    bar.append(menu);
  },
  // An entry of the menu added last.
  vm_add_entry: function (command, name, caption, length, shortcut, shortcutLength, separatorBefore) {
    var list = document.querySelector('#menuBar .menu:last-child .menu-list');
    if (separatorBefore) {
      list.append(document.createElement('hr'));
    }
    var entry = vmElement('div', {id: UTF8ToString(name), 'data-menu': command, tabindex: -1,
                                  role: 'menuitem'});
    var label = document.createElement('span');
    vmCaption(label, vmText(caption, length));
    entry.append(label);
    if (shortcutLength) {
      entry.append(vmElement('kbd', {}, vmText(shortcut, shortcutLength)));
    }
    list.append(entry);
  },
  // A checked entry carries its check mark; the others show none, as in the desktop's menus.
  vm_show_command: function (command, checked, enabled) {
    var entry = document.querySelector('[data-menu="' + command + '"]');
    entry.setAttribute('role', checked ? 'menuitemcheckbox' : 'menuitem');
    if (checked) {
      entry.setAttribute('aria-checked', 'true');
    } else {
      entry.removeAttribute('aria-checked');
    }
    entry.setAttribute('aria-disabled', String(!enabled));
  },
  // The open menu, and the title or the open menu's entry that has the keyboard's focus; with
  // none, the focus leaves the menus.
  vm_show_menus: function (open, menu, entry) {
    var menus = document.querySelectorAll('#menuBar .menu');
    menus.forEach(function (each, index) {
      each.classList.toggle('open', index === open);
      each.querySelector('.menu-title').setAttribute('aria-expanded', String(index === open));
    });
    if (menu >= 0) {
      var title = menus[menu].querySelector('.menu-title');
      (entry >= 0 ? menus[menu].querySelectorAll('[data-menu]')[entry] : title).focus();
    } else if (document.activeElement && document.activeElement.closest('#menuBar')) {
      document.activeElement.blur();
    }
  },
  vm_set_attribute: function (id, name, value) {
    document.getElementById(UTF8ToString(id)).setAttribute(UTF8ToString(name), UTF8ToString(value));
  },
  // The address also links.
  vm_set_text: function (id, text, length) {
    var element = document.getElementById(UTF8ToString(id));
    element.textContent = vmText(text, length);
    if (element.tagName === 'A') {
      element.href = element.textContent;
    }
  },
  vm_hold_value: function (control) { return vmHold(vmControls[control].value); },
  // The edit that turned the box's last value into its value, as one replaced range: its
  // position and the units it removed at `at` (two int32s); holds the units it added.
  vm_edit: function (control, at) {
    var before = vmValues[control] || '';
    var after = vmValues[control] = vmControls[control].value;
    var change = vmChange(before, after);
    HEAP32[at >> 2] = change[0];
    HEAP32[(at >> 2) + 1] = change[1] - change[0];
    return vmHold(after.substring(change[0], change[2]));
  },
  vm_copy_held: function (pointer) {
    for (var i = 0; i < vmHeld.length; ++i) {
      HEAPU16[(pointer >> 1) + i] = vmHeld.charCodeAt(i);
    }
    vmHeld = '';
  },
  vm_set_value: function (control, text, length) {
    var box = vmControls[control];
    box.value = vmText(text, length);
    vmValues[control] = box.value;
  },
  vm_set_output: function (text, length) { vmSetOutput(vmText(text, length)); },
  vm_show_stale: function (stale) { document.getElementById('txtOut').classList.toggle('stale', !!stale); },
  vm_select_all: function (control) {
    var box = vmControls[control];
    if (box.setSelectionRange) {
      box.setSelectionRange(0, box.value.length, 'forward');
    } else {
      getSelection().selectAllChildren(box);
    }
  },
  vm_scheme_colour: function (text) {
    var style = getComputedStyle(document.getElementById('frmMain'));
    var rgb = (text ? style.color : style.backgroundColor).match(/[0-9]+/g).map(Number);
    return rgb[0] | rgb[1] << 8 | rgb[2] << 16;
  },
  // A mode label's colours (0x00BBGGRR) and whether it is the active mode's.
  vm_show_label: function (control, background, text, checked) {
    function css(colour) {
      return 'rgb(' + (colour & 255) + ',' + ((colour >> 8) & 255) + ',' + ((colour >> 16) & 255) + ')';
    }
    vmControls[control].style.backgroundColor = css(background);
    vmControls[control].style.color = css(text);
    vmControls[control].setAttribute('aria-checked', String(!!checked));
  },
  vm_show_cipher: function (inInput) {
    document.getElementById('txtIn').classList.toggle('cipher', !!inInput);
    document.getElementById('txtOut').classList.toggle('cipher', !inInput);
  },
  vm_enable: function (control, enabled) { vmControls[control].disabled = !enabled; },
  vm_focused: function () { return controlOf(document.activeElement); },
  vm_focus: function (control) { vmControls[control].focus(); },
  vm_read_clipboard: function () {
    vmClipboard(function() { return navigator.clipboard.readText(); },
                function(text) { Module._web_clipboard_read(vmHold(text)); },
                function() { Module._web_clipboard_read(-1); });
  },
  vm_write_clipboard: function (text, length) {
    var copied = vmText(text, length);
    vmClipboard(function() { return navigator.clipboard.writeText(copied); },
                function() {},
                function() { Module._web_clipboard_write_refused(); });
  },
  // The about box over the middle of the drawn main window, as the desktop's over theirs.
  vm_open_about: function () {
    var about = document.getElementById('frmAbout');
    about.showModal();
    var main = document.getElementById('frmMain').getBoundingClientRect();
    var box = about.getBoundingClientRect();
    about.style.margin = '0';
    about.style.right = about.style.bottom = 'auto';
    about.style.left = Math.max(0, main.left + (main.width - box.width) / 2) + 'px';
    about.style.top = Math.max(0, main.top + (main.height - box.height) / 2) + 'px';
    document.getElementById('cmdOk').focus();
  },
  vm_close_about: function () { document.getElementById('frmAbout').close(); },
  // File > Exit, once the view has cleared the texts and the code number: the window takes no
  // more input, and the tab closes where the browser lets a page close it.
  vm_exit: function () {
    document.querySelector('#frmMain .client').inert = true;
    document.getElementById('menuBar').inert = true;
    document.getElementById('notice').textContent =
      'Vellumark has ended. The texts are cleared; this tab may be closed now.';
    window.close();
  },
});
