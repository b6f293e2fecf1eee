#include "cli/read_input.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string_view>
#include <system_error>

#include "engine/crypt_text.h"
#include "engine/overflow_error.h"
#include "runtime/windows1252.h"

namespace vellumark {
namespace {

constexpr std::size_t kPieceSize = 65536;

// Drops one trailing line break: LF, CR LF or a lone CR, the three that text mode holds as
// line breaks.
void DropOneLineEnding(std::string& text) {
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
    } else if (!text.empty() && text.back() == '\r') {
        text.pop_back();
    }
}

}  // namespace

void SayOverLimit(InputKind kind, bool text, std::ostream& err) {
    if (kind == InputKind::kPlainText) {
        err << "vellumark-cli: the text is longer than " << kMaxTextLength << " characters"
            << (text ? " (a line break counts as two)" : "")
            << ", the most that can be encrypted\n";
    } else {
        err << "vellumark-cli: the cipher text is longer than " << kMaxCipherSymbols
            << " symbols, the most that can be decrypted\n";
    }
}

std::optional<std::string> ReadInput(std::istream& in, InputKind kind, bool text,
                                     std::ostream& err) {
    const bool cipher = kind == InputKind::kCipherText;
    // A plain text may run two bytes over while they may still be its dropped line ending.
    const std::size_t limit = cipher ? kMaxCipherSymbols : kMaxTextLength + (text ? 2 : 0);
    std::string kept;        // Windows-1252 in text mode; of a cipher text its symbols only
    std::string pending;     // bytes read and not yet taken
    std::size_t offset = 0;  // of pending's first byte in the input
    std::array<char, kPieceSize> buffer{};
    for (bool end = false; !end;) {
        std::streamsize count = 0;
        try {
            count = in.rdbuf()->sgetn(buffer.data(), buffer.size());
        } catch (const std::system_error& error) {
            err << "vellumark-cli: cannot read standard input: " << error.code().message() << '\n';
            return std::nullopt;
        }
        end = count <= 0;
        pending.append(buffer.data(),
                       static_cast<std::size_t>(std::max<std::streamsize>(count, 0)));
        const std::size_t taken = text && !end ? CompleteUtf8Length(pending) : pending.size();
        std::string_view piece(pending.data(), taken);
        Windows1252Text converted;
        if (text) {
            converted = Utf8ToWindows1252(piece);
            piece = converted.bytes;
            if (const auto& refused = converted.unmappable; refused && !cipher) {
                if (refused->malformed) {
                    constexpr std::string_view kHex = "0123456789ABCDEF";
                    const auto byte = static_cast<unsigned char>(pending[refused->offset]);
                    err << "vellumark-cli: invalid UTF-8 at byte offset "
                        << offset + refused->offset << " (0x" << kHex[byte >> 4] << kHex[byte & 0xF]
                        << ")\n";
                } else {
                    err << "vellumark-cli: character " << DescribeCharacter(refused->character)
                        << " at position " << kept.size() + refused->position
                        << " has no place in the cipher's character set (Windows-1252)\n";
                }
                return std::nullopt;
            }
        }
        if (cipher) {
            for (const char c : piece) {
                if (!IsCipherWhiteSpace(static_cast<unsigned char>(c))) {
                    kept.push_back(c);
                }
            }
        } else {
            kept.append(piece);
        }
        if (kept.size() > limit) {
            SayOverLimit(kind, text, err);
            return std::nullopt;
        }
        offset += taken;
        pending.erase(0, taken);
    }
    if (text && !cipher) {
        DropOneLineEnding(kept);
        // As the windows hold them, so that the same lines give the same cipher text.
        kept = WithLineEnds(kept, "\r\n");
    }
    return kept;
}

}  // namespace vellumark
