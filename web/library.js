// The page's side of web_view.cpp: what the core's view does to the page's elements, linked
// in as functions that the C++ calls (--js-library). Controls are addressed by their Control
// number, which design_places.cpp writes onto the elements of the same design name; texts travel as
// UTF-16 units (bridge.js's helpers).
mergeInto(LibraryManager.library, {
  vm_place: function (name, control, left, top, width, height) {
    var element = document.getElementById(UTF8ToString(name));
    var place = {left: left, top: top, width: width, height: height};
    for (var edge in place) {
      element.style.setProperty('--' + edge, place[edge] + 'px');
    }
    if (control) {
      element.dataset.control = control;
      vmControls[control] = element;
    }
  },
  vm_add_menu: function (name, caption, length) { vmAddMenu(UTF8ToString(name), vmText(caption, length)); },
  vm_add_entry: function (command, name, caption, length, shortcut, shortcutLength, separatorBefore) {
    vmAddEntry(command, UTF8ToString(name), vmText(caption, length),
               vmText(shortcut, shortcutLength), !!separatorBefore);
  },
  vm_show_command: function (command, checked, enabled) { vmShowCommand(command, !!checked, !!enabled); },
  vm_exit: function () { vmExit(); },
  vm_hold_value: function (control) { return vmHold(vmControls[control].value); },
  vm_copy_held: function (to) { vmCopyHeld(to); },
  vm_edit: function (control, edit) { return vmEdit(control, edit); },
  vm_set_value: function (control, text, length) {
    var box = vmControls[control];
    box.value = vmText(text, length);
    vmValues[control] = box.value;
  },
  vm_bind_output: function (control) { vmReadOnlyBox(vmControls[control]); },
  vm_replace_output: function (control, start, end, text, length) { vmOutputReplace(vmControls[control], start, end, vmText(text, length)); },
  vm_select_all: function (control) {
    var box = vmControls[control];
    if (box.setSelectionRange) {
      box.setSelectionRange(0, box.value.length, 'forward');
    } else {
      getSelection().selectAllChildren(box);
    }
  },
  // The page's colour scheme, light or dark (prefers-color-scheme): the window's text colour
  // (`text`) or its face, as 0x00BBGGRR.
  vm_scheme_colour: function (text) {
    var style = getComputedStyle(document.getElementById('frmMain'));
    var rgb = (text ? style.color : style.backgroundColor).match(/[0-9]+/g).map(Number);
    return rgb[0] | rgb[1] << 8 | rgb[2] << 16;
  },
  vm_show_mode: function (encryptColour, decryptColour, encryptText, decryptText, encryptChecked, decryptChecked, cipherInInput) {
    function css(colour) {
      return 'rgb(' + (colour & 255) + ',' + ((colour >> 8) & 255) + ',' + ((colour >> 16) & 255) + ')';
    }
    var encrypt = document.getElementById('lblEncrypt');
    var decrypt = document.getElementById('lblDecrypt');
    encrypt.style.backgroundColor = css(encryptColour);
    decrypt.style.backgroundColor = css(decryptColour);
    encrypt.style.color = css(encryptText);
    decrypt.style.color = css(decryptText);
    encrypt.setAttribute('aria-checked', String(!!encryptChecked));
    decrypt.setAttribute('aria-checked', String(!!decryptChecked));
    document.getElementById('txtIn').classList.toggle('cipher', !!cipherInInput);
    document.getElementById('txtOut').classList.toggle('cipher', !cipherInInput);
  },
  // Every key sets the buttons and the notice again: only a change goes to the page.
  vm_enable: function (control, enabled) {
    var button = vmControls[control];
    if (button.disabled !== !enabled) {
      button.disabled = !enabled;
    }
  },
  vm_set_notice: function (text, length) {
    var notice = document.getElementById('notice');
    var shown = vmText(text, length);
    if (notice.textContent !== shown) {
      notice.textContent = shown;
    }
  },
  vm_focused: function () {
    var control = document.activeElement && document.activeElement.dataset.control;
    return control ? Number(control) : 0;
  },
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
  vm_about_text: function (id, text, length) { document.getElementById(UTF8ToString(id)).textContent = vmText(text, length); },
  vm_about_address: function (text, length) { document.getElementById('lblUrl').href = vmText(text, length); },
  vm_open_about: function () { vmOpenAbout(); },
  vm_close_about: function () { document.getElementById('frmAbout').close(); },
  vm_ready: function () {
    document.documentElement.classList.add('ready');
    performance.mark('vellumark-ready');
  },
});
