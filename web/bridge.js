// What library.js's functions share: the page's elements by the core's Control numbers, UTF-16
// text both ways through the WebAssembly memory (NUL characters included), the clipboard's
// requests, the output box's pieces and the menus' captions.
'use strict';

var vmControls = [];
// Each text box's value as the core last had it, to tell the core what an input event changed.
var vmValues = [];
// A text on its way to the C++: its length goes first, its units when the caller has room.
var vmHeld = '';
var vmDecoder = new TextDecoder('utf-16le');
// The clipboard requests under way, which answer later.
var vmPending = 0;

function vmText(pointer, length) {
  return vmDecoder.decode(HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length));
}

function vmHold(text) {
  vmHeld = text;
  return text.length;
}

// Runs `request` (a promise) and counts it while it is under way; a browser without the
// clipboard's interface refuses as one that keeps it from the page.
function vmClipboard(request, answer, refused) {
  ++vmPending;
  new Promise(function (resolve) {
    resolve(request());
  }).then(answer, refused).finally(function () {
    --vmPending;
  });
}

// The one replaced range that turns `before` into `after`, found from the ends inwards: its
// start, its end in `before` and its end in `after`.
function vmChange(before, after) {
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
  return [start, before.length - same, after.length - same];
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

// The pieces before the change keep their text, so the browser keeps their shaping; a key at
// the end of a long text redoes the last one.
function vmSetOutput(text) {
  var start = vmChange(vmOutput, text)[0];
  vmOutput = text;
  // A piece's end depends on its text and the unit after it.
  var first = 0;
  while (first < vmOutputStarts.length && vmOutputStarts[first] + kPiece + 1 <= start) {
    ++first;
  }
  // The last piece reaches the end, so only an empty box has none to start from.
  var at = first < vmOutputStarts.length ? vmOutputStarts[first] : 0;
  var box = document.getElementById('txtOut');
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

// A new element with these attributes and text.
function vmElement(tag, attributes, text) {
  var element = document.createElement(tag);
  for (var name in attributes) {
    element.setAttribute(name, attributes[name]);
  }
  element.textContent = text || '';
  return element;
}

// A caption's "&" marks its access letter, which is underlined.
function vmCaption(element, caption) {
  var mark = caption.indexOf('&');
  if (mark < 0 || mark + 1 >= caption.length) {
    element.textContent = caption;
    return;
  }
  var letter = document.createElement('u');
  letter.textContent = caption.charAt(mark + 1);
  element.append(caption.substring(0, mark), letter, caption.substring(mark + 2));
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
