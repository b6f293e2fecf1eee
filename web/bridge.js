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

function vmCopyHeld(pointer) {
  var at = pointer >> 1;
  var text = vmHeld;
  for (var i = 0; i < text.length; ++i) {
    HEAPU16[at + i] = text.charCodeAt(i);
  }
  vmHeld = '';
}

// The WebAssembly is inside this script: compiled from there at once, without asking fetch()
// for it, which a Content-Security-Policy with connect-src 'none' refuses.
Module['instantiateWasm'] = function (imports, receive) {
  var bytes = getBinary(wasmBinaryFile);
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
