#pragma once
// Standard input, read in pieces against the limit of what it is read for, so that memory stays
// the same however long the input runs.

#include <iosfwd>
#include <optional>
#include <string>

namespace vellumark {

enum class InputKind {
    kPlainText,   // to encrypt: at most kMaxTextLength characters
    kCipherText,  // to decrypt or recover: at most kMaxCipherSymbols symbols
};

// Reads `in` to its end. In text mode (`text`) UTF-8 becomes Windows-1252; a plain text loses one
// trailing line break there, has every line break (LF, CR LF, a lone CR) made CR LF, as the windows
// hold it, and may hold neither invalid UTF-8 nor a character outside Windows-1252. A cipher text
// loses the white space that decryption skips, as it comes, so an input of blanks alone is read to
// its end in the same memory. Stops at the first problem and returns nullopt after saying it on
// `err`: over the limit, a character refused, or a read that failed (the streambuf threw
// std::system_error with the system's reason). A plain text in text mode may come back over the
// limit, by the two bytes that may have been the line break it lost or by its line breaks made two
// bytes each: AnswerCrypt refuses it then.
std::optional<std::string> ReadInput(std::istream& in, InputKind kind, bool text,
                                     std::ostream& err);

// Says on `err` that the input is over the limit for `kind`, read in text mode or not.
void SayOverLimit(InputKind kind, bool text, std::ostream& err);

}  // namespace vellumark
