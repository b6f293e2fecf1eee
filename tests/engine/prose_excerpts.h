#pragma once
// Excerpts of real prose for measuring code-number recovery: by default the licence texts that
// every Debian system ships in /usr/share/common-licenses, with their indentation and runs of
// blanks squeezed as a person typing them would, cut at random word starts. Files are UTF-8 and
// come out in Windows-1252.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/windows1252.h"

namespace vellumark {

class ProseExcerpts {
public:
    explicit ProseExcerpts(const std::filesystem::path& folder = "/usr/share/common-licenses") {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file() && !entry.is_symlink()) {  // the links are duplicates
                texts_.push_back(Utf8ToWindows1252(Squeezed(entry.path())).bytes);
            }
        }
    }

    [[nodiscard]] bool empty() const { return texts_.empty(); }

    // `length` characters of a random text, starting at a random word.
    std::string Pick(std::mt19937& random, std::size_t length) const {
        const std::string& text = texts_[Below(random, texts_.size())];
        for (;;) {
            const std::size_t start = Below(random, text.size() - length);
            if (start == 0 || text[start - 1] == ' ' || text[start - 1] == '\n') {
                return text.substr(start, length);
            }
        }
    }

private:
    static std::size_t Below(std::mt19937& random, std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }

    static std::string Squeezed(const std::filesystem::path& path) {
        std::ifstream in(path);
        std::string text;
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string word;
            std::string squeezed;
            while (words >> word) {
                squeezed += (squeezed.empty() ? "" : " ") + word;
            }
            // One empty line between paragraphs at most.
            if (!squeezed.empty() || (text.size() >= 2 && text.substr(text.size() - 2) != "\n\n")) {
                text += squeezed + "\n";
            }
        }
        return text;
    }

    std::vector<std::string> texts_;
};

}  // namespace vellumark
