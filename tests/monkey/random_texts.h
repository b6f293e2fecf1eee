#pragma once
// The characters that the monkey types and the texts that it pastes. Everything comes from the
// one seeded generator, so a seed replays a run exactly.

#include <QString>
#include <cstdint>
#include <random>

namespace vellumark::monkey {

using Rng = std::mt19937;

// A whole number from `low` to `high`, both included.
int Between(Rng& rng, int low, int high);
// True once in `n` times on average.
bool OneIn(Rng& rng, int n);

// One character as some keyboard types it: printable, and a surrogate pair for an emoji.
QString KeyCharacter(Rng& rng);
// A character for the code-number box: mostly ASCII digits, also letters, blanks, signs and
// the digits of other scripts, none of which is a digit of a code number.
QString CodeCharacter(Rng& rng);

enum class PasteKind : std::uint8_t {
    kNothing,        // the clipboard holds no text at all
    kEmpty,          // the empty text
    kBlank,          // blanks and tabs only
    kLatin,          // Windows-1252 text, with line breaks
    kCyrillic,       //
    kGreek,          //
    kCjk,            //
    kEmoji,          // surrogate pairs, joiners, flags, variation selectors
    kControls,       // NUL, C0 and C1 controls, separators, lone surrogates, non-characters
    kCipher,         // a real cipher text, wrapped with line breaks as mail programs do
    kLossy,          // a text whose cipher text under the code would not decrypt back
    kLongest,        // 32,766 characters: the longest text to encrypt
    kOneTooLong,     // 32,767 characters
    kLongestCipher,  // 43,688 symbols: the longest cipher text to decrypt
    kCipherTooLong,  // 43,689 symbols
    kMegabyte,       // 1,048,576 characters in lines
};

const char* NameOf(PasteKind kind);
// A kind for an ordinary paste: the small ones often, the limits rarely, a megabyte hardly
// ever (laying it out is slow).
PasteKind RandomPasteKind(Rng& rng);
// A kind for pasting with Ctrl+V into a box: small texts only.
PasteKind SmallPasteKind(Rng& rng);
// A text of that kind. Cipher texts are made under `codeNum` when it is a valid code number,
// so that decrypting them gives readable text, and under a random one otherwise.
QString PasteText(Rng& rng, PasteKind kind, float codeNum);

}  // namespace vellumark::monkey
