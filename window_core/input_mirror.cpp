#include "window_core/input_mirror.h"

#include <algorithm>
#include <iterator>

#include "engine/crypt_text.h"
#include "window_core/crypt_view.h"

namespace vellumark {

namespace {

// Small enough that a key costs little, large enough that ten million units make few pieces.
constexpr std::size_t kPieceUnits = 2048;

}  // namespace

InputMirror::Piece InputMirror::PieceOf(std::u16string_view text) {
    Piece piece;
    piece.units = text.size();
    piece.symbols = CipherSymbolsIn(text);
    piece.texts = std::make_unique<Texts>();
    piece.texts->text = text;
    std::u16string& cipherPart = piece.texts->cipherPart;
    cipherPart.resize(text.size());
    std::size_t units = 0;
    bool blank = false;
    for (const char16_t unit : text) {
        const bool white = IsCipherWhiteSpace(unit);
        if (!white || !blank) {
            cipherPart[units++] = white ? u' ' : unit;
        }
        piece.nonBlank += white ? 0 : 1;
        blank = white;
    }
    cipherPart.resize(units);
    cipherPart.shrink_to_fit();
    return piece;
}

void InputMirror::Clear() {
    pieces_.clear();
    size_ = symbols_ = nonBlank_ = 0;
}

void InputMirror::Append(std::u16string_view text) {
    Edit(size_, 0, text);
}

void InputMirror::Insert(std::vector<Piece>::iterator at, std::u16string_view text) {
    std::vector<Piece> added;
    while (!text.empty()) {
        const std::size_t units = text.size() <= 2 * kPieceUnits ? text.size() : kPieceUnits;
        added.push_back(PieceOf(text.substr(0, units)));
        text.remove_prefix(units);
    }
    for (const Piece& piece : added) {
        symbols_ += piece.symbols;
        nonBlank_ += piece.nonBlank;
    }
    pieces_.insert(at, std::make_move_iterator(added.begin()),
                   std::make_move_iterator(added.end()));
}

bool InputMirror::Edit(std::size_t position, std::size_t removed, std::u16string_view added) {
    if (position > size_) {
        return false;
    }
    removed = std::min(removed, size_ - position);
    if (pieces_.empty()) {
        Insert(pieces_.end(), added);
        size_ = added.size();
        return true;
    }
    // The piece that holds `position`; at the very end, the last one, which then grows. Sought
    // from the nearer end, as keys go mostly to the end of a text.
    auto first = pieces_.begin();
    std::size_t start = 0;
    if (position < size_ / 2) {
        while (start + first->units <= position) {
            start += first->units;
            ++first;
        }
    } else {
        first = std::prev(pieces_.end());
        start = size_ - first->units;
        while (start > position) {
            --first;
            start -= first->units;
        }
    }
    // The pieces that the removal reaches, then one piece of what is left of them and the
    // added text, cut again if it grew too long.
    auto last = first;
    std::size_t end = start + first->units;
    while (end < position + removed) {
        ++last;
        end += last->units;
    }
    std::u16string joined = first->texts->text.substr(0, position - start);
    joined += added;
    joined +=
        std::u16string_view(last->texts->text).substr(last->units - (end - position - removed));
    for (auto piece = first; piece != std::next(last); ++piece) {
        symbols_ -= piece->symbols;
        nonBlank_ -= piece->nonBlank;
    }
    Insert(pieces_.erase(first, std::next(last)), joined);
    size_ = size_ - removed + added.size();
    return true;
}

std::u16string InputMirror::Text() const {
    std::u16string text;
    text.reserve(size_);
    for (const Piece& piece : pieces_) {
        text += piece.texts->text;
    }
    return text;
}

std::u16string InputMirror::CipherPart() const {
    std::u16string text;
    text.reserve(2 * nonBlank_ + 1);
    for (const Piece& piece : pieces_) {
        if (piece.nonBlank != 0) {
            text += piece.texts->cipherPart;
        } else if (text.empty() || text.back() != u' ') {
            text += u' ';
        }
    }
    return text;
}

}  // namespace vellumark
