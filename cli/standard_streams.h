#pragma once
// Readies the process's standard streams for vellumark-cli. Standard input is read with the
// system's own call, so that a failed read throws std::system_error with the system's reason.
// On Linux the streams carry bytes as they are. On Windows they are switched to binary, so that
// a line feed stays one byte and a byte 0x1A does not end the input: a pipe or a file gets the
// same bytes as on Linux. In text mode a stream that is a console goes through the console's
// UTF-16 calls instead, so that every character shows and can be typed whatever the console's
// code page; the program still sees UTF-8.

namespace vellumark {

// `text` is false for --bytes, whose bytes pass unchanged also to and from a console.
void SetUpStandardStreams(bool text);

}  // namespace vellumark
