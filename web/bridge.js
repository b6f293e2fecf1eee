// Helpers that web_view.cpp's EM_JS functions share: the page's elements by the core's Control
// numbers, and UTF-16 text both ways through the WebAssembly memory, NUL characters included.
'use strict';

var vmControls = [];
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
