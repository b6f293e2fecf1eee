#pragma once
// The core's copy of the input box's text, kept up to date from the box's reports of its
// edits. It is held in pieces, each with its count of cipher symbols and its text with runs of
// white space cut to one blank, so that an edit costs the size of its piece and the cipher text
// of a huge input is found without reading its blanks.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vellumark {

class InputMirror {
public:
    void Clear();
    void Append(std::u16string_view text);
    // Replaces `removed` units from `position` by `added`. A removal past the end stops at the
    // end. False, with the text left as it was, when `position` is past the end.
    bool Edit(std::size_t position, std::size_t removed, std::u16string_view added);

    [[nodiscard]] std::size_t size() const { return size_; }
    // CipherSymbolsIn of the whole text.
    [[nodiscard]] std::size_t symbols() const { return symbols_; }
    // The units that are not white space.
    [[nodiscard]] std::size_t non_blank() const { return nonBlank_; }

    [[nodiscard]] std::u16string Text() const;
    // The text with every run of white space cut to one blank: the same to decryption, which
    // skips white space, and as long as its non-blank units and the pieces between them. A
    // blank stays wherever white space was, so no two halves of a surrogate pair meet that
    // were apart.
    [[nodiscard]] std::u16string CipherPart() const;

private:
    struct Texts {
        std::u16string text;
        std::u16string cipherPart;
    };
    // The counts beside the texts, so that finding a position or the cipher text reads a few
    // bytes a piece, not the pieces' texts.
    struct Piece {
        std::size_t units = 0;
        std::size_t symbols = 0;
        std::size_t nonBlank = 0;
        std::unique_ptr<Texts> texts;
    };

    // Cuts `text` into pieces and puts them before `at`.
    void Insert(std::vector<Piece>::iterator at, std::u16string_view text);
    static Piece PieceOf(std::u16string_view text);

    std::vector<Piece> pieces_;
    std::size_t size_ = 0;
    std::size_t symbols_ = 0;
    std::size_t nonBlank_ = 0;
};

}  // namespace vellumark
