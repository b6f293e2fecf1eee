#include "tests/behaviour/table.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace vellumark::behaviour {

namespace {

constexpr std::string_view kControls[] = {
    "txtCodeNum",    "txtIn",        "cmdPasteInput", "cmdClearInput", "cmdCutOutput",
    "cmdCopyOutput", "txtOut",       "lblEncrypt",    "lblDecrypt",
};
constexpr std::string_view kButtons[] = {"cmdPasteInput", "cmdClearInput", "cmdCutOutput",
                                         "cmdCopyOutput"};
constexpr std::string_view kMenuEntries[] = {"mnuRandomCode", "mnuChangeMode", "mnuSetEncrypt",
                                             "mnuSetDecrypt"};

template <std::size_t N>
bool OneOf(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

[[noreturn]] void Fail(int line, const std::string& what) {
    throw std::runtime_error("rows.txt:" + std::to_string(line) + ": " + what);
}

struct Token {
    bool quoted = false;
    std::string word;     // a bare word
    std::u16string text;  // a quoted string, repeated as its "*N" asks
};

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        const char32_t offset = code - 0x10000;
        out += static_cast<char16_t>(0xD800 + (offset >> 10));
        out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
    }
}

// One UTF-8 character starting at `at`, which moves past it.
char32_t DecodeUtf8(std::string_view text, std::size_t& at, int line) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    int extra = 0;
    char32_t code = lead;
    if (lead >= 0xF0) {
        extra = 3;
        code = lead & 0x07U;
    } else if (lead >= 0xE0) {
        extra = 2;
        code = lead & 0x0FU;
    } else if (lead >= 0xC0) {
        extra = 1;
        code = lead & 0x1FU;
    } else if (lead >= 0x80) {
        Fail(line, "invalid UTF-8");
    }
    ++at;
    for (int i = 0; i < extra; ++i, ++at) {
        if (at >= text.size() || (byte(at) & 0xC0U) != 0x80U) {
            Fail(line, "invalid UTF-8");
        }
        code = (code << 6) | (byte(at) & 0x3FU);
    }
    return code;
}

std::vector<Token> Tokenize(std::string_view line, int number) {
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ' || line[at] == '\t') {
            ++at;
            continue;
        }
        Token token;
        if (line[at] != '"') {
            const std::size_t end = line.find_first_of(" \t", at);
            token.word = std::string(line.substr(at, end - at));
            at = end == std::string_view::npos ? line.size() : end;
            tokens.push_back(std::move(token));
            continue;
        }
        token.quoted = true;
        ++at;
        std::u16string piece;
        for (;;) {
            if (at >= line.size()) {
                Fail(number, "a quoted text without its closing quote");
            }
            const char c = line[at];
            if (c == '"') {
                ++at;
                break;
            }
            if (c != '\\') {
                AppendUtf16(piece, DecodeUtf8(line, at, number));
                continue;
            }
            if (at + 1 >= line.size()) {
                Fail(number, "a lone backslash");
            }
            const char escaped = line[at + 1];
            at += 2;
            switch (escaped) {
                case 'n':
                    piece += u'\n';
                    break;
                case 'r':
                    piece += u'\r';
                    break;
                case 't':
                    piece += u'\t';
                    break;
                case '\\':
                case '"':
                    piece += static_cast<char16_t>(escaped);
                    break;
                case 'u': {
                    if (at + 4 > line.size()) {
                        Fail(number, "\\u needs four hexadecimal digits");
                    }
                    const std::string digits(line.substr(at, 4));
                    std::size_t used = 0;
                    const unsigned long unit = std::stoul(digits, &used, 16);
                    if (used != 4) {
                        Fail(number, "\\u needs four hexadecimal digits");
                    }
                    piece += static_cast<char16_t>(unit);
                    at += 4;
                    break;
                }
                default:
                    Fail(number, std::string("unknown escape \\") + escaped);
            }
        }
        std::size_t count = 1;
        if (at < line.size() && line[at] == '*') {
            const std::size_t end = line.find_first_of(" \t", at);
            const std::string digits(line.substr(at + 1, end - at - 1));
            if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
                Fail(number, "a repetition needs a count: \"x\"*100");
            }
            count = std::stoul(digits);
            at = end == std::string_view::npos ? line.size() : end;
        }
        for (std::size_t i = 0; i < count; ++i) {
            token.text += piece;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

// The text made of the quoted tokens from `from` to the end of the line.
std::u16string TextFrom(const std::vector<Token>& tokens, std::size_t from, int line) {
    if (from >= tokens.size()) {
        Fail(line, "a quoted text is missing");
    }
    std::u16string text;
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (!tokens[i].quoted) {
            Fail(line, "\"" + tokens[i].word + "\" where a quoted text belongs");
        }
        text += tokens[i].text;
    }
    return text;
}

std::string WordAt(const std::vector<Token>& tokens, std::size_t at, int line, const char* what) {
    if (at >= tokens.size() || tokens[at].quoted) {
        Fail(line, std::string("expected ") + what);
    }
    return tokens[at].word;
}

Step ParseStep(const std::vector<Token>& tokens, int line) {
    Step step;
    step.line = line;
    const std::string& verb = tokens[0].word;
    if (verb == "key") {
        step.kind = StepKind::kKey;
        step.word = WordAt(tokens, 1, line, "a key");
    } else if (verb == "type") {
        step.kind = StepKind::kType;
        step.text = TextFrom(tokens, 1, line);
    } else if (verb == "click") {
        step.kind = StepKind::kClick;
        step.word = WordAt(tokens, 1, line, "a control");
        if (!OneOf(kControls, step.word)) {
            Fail(line, "no control named " + step.word);
        }
        if (tokens.size() > 2) {
            step.button = WordAt(tokens, 2, line, "a mouse button");
            if (step.button != "left" && step.button != "right" && step.button != "middle") {
                Fail(line, "the mouse buttons are left, right and middle");
            }
        }
    } else if (verb == "focus") {
        step.kind = StepKind::kFocus;
        step.word = WordAt(tokens, 1, line, "a control");
        if (step.word != "none" && !OneOf(kControls, step.word)) {
            Fail(line, "no control named " + step.word);
        }
    } else if (verb == "clipboard") {
        step.kind = StepKind::kClipboard;
        if (tokens.size() > 1 && tokens[1].quoted) {
            step.word = "text";
            step.text = TextFrom(tokens, 1, line);
        } else {
            step.word = WordAt(tokens, 1, line, "a text, \"empty\" or \"busy\"");
            if (step.word != "empty" && step.word != "busy") {
                Fail(line, "the clipboard holds a text, or is empty or busy");
            }
        }
    } else if (verb == "menu") {
        step.kind = StepKind::kMenu;
        step.word = WordAt(tokens, 1, line, "a menu entry");
        if (!OneOf(kMenuEntries, step.word)) {
            Fail(line, "no menu entry named " + step.word);
        }
    } else if (verb == "modeset") {
        step.kind = StepKind::kModeSet;
        step.number = std::stoi(WordAt(tokens, 1, line, "a number"));
    } else {
        Fail(line, "no step called " + verb);
    }
    return step;
}

Expectation ParseExpectation(const std::vector<Token>& tokens, int line) {
    Expectation expect;
    expect.line = line;
    const std::string field = WordAt(tokens, 1, line, "a field");
    const auto boxText = [&](Field which) {
        expect.field = which;
        if (tokens.size() > 2 && !tokens[2].quoted && tokens[2].word == "length") {
            expect.match = Expectation::Match::kLength;
            expect.length = std::stoul(WordAt(tokens, 3, line, "a length"));
        } else if (tokens.size() > 2 && !tokens[2].quoted && tokens[2].word == "matches") {
            expect.match = Expectation::Match::kRegex;
            const std::u16string pattern = TextFrom(tokens, 3, line);
            expect.regex.assign(pattern.begin(), pattern.end());
        } else {
            expect.text = TextFrom(tokens, 2, line);
        }
    };
    if (field == "txtCodeNum") {
        boxText(Field::kTxtCodeNum);
    } else if (field == "txtIn") {
        boxText(Field::kTxtIn);
    } else if (field == "txtOut") {
        boxText(Field::kTxtOut);
    } else if (field == "selection") {
        expect.field = Field::kSelection;
        expect.text = TextFrom(tokens, 2, line);
    } else if (field == "notice") {
        expect.field = Field::kNotice;
        expect.text = TextFrom(tokens, 2, line);
    } else if (field == "focus") {
        expect.field = Field::kFocus;
        expect.words.push_back(WordAt(tokens, 2, line, "a control or none"));
        if (expect.words[0] != "none" && !OneOf(kControls, expect.words[0])) {
            Fail(line, "no control named " + expect.words[0]);
        }
    } else if (field == "enabled") {
        expect.field = Field::kEnabled;
        for (std::size_t i = 2; i < tokens.size(); ++i) {
            expect.words.push_back(WordAt(tokens, i, line, "a button"));
            if (!OneOf(kButtons, expect.words.back())) {
                Fail(line, "no button named " + expect.words.back());
            }
        }
    } else if (field == "look") {
        expect.field = Field::kLook;
        expect.words.push_back(WordAt(tokens, 2, line, "encrypt or decrypt"));
        if (expect.words[0] != "encrypt" && expect.words[0] != "decrypt") {
            Fail(line, "the look is encrypt or decrypt");
        }
    } else if (field == "output" || field == "about") {
        // Each a field of two words.
        static constexpr std::string_view kOutputs[] = {"stale", "current"};
        static constexpr std::string_view kAbouts[] = {"open", "closed"};
        const bool output = field == "output";
        expect.field = output ? Field::kOutput : Field::kAbout;
        expect.words.push_back(WordAt(tokens, 2, line, output ? "stale or current" : "open or closed"));
        if (output ? !OneOf(kOutputs, expect.words[0]) : !OneOf(kAbouts, expect.words[0])) {
            Fail(line, output ? "the output is stale or current" : "the about box is open or closed");
        }
    } else if (field == "clipboard") {
        expect.field = Field::kClipboard;
        if (tokens.size() == 3 && !tokens[2].quoted && tokens[2].word == "empty") {
            expect.words.push_back("empty");
        } else {
            const std::string kind = WordAt(tokens, tokens.size() - 1, line, "plain or secret");
            if (kind != "plain" && kind != "secret") {
                Fail(line, "a clipboard text is plain or secret");
            }
            expect.secret = kind == "secret";
            std::vector<Token> text(tokens.begin(), tokens.end() - 1);
            expect.text = TextFrom(text, 2, line);
        }
    } else {
        Fail(line, "no field called " + field);
    }
    return expect;
}

std::string Quoted(std::u16string_view text) {
    return "\"" + Printable(text) + "\"";
}

std::string Joined(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        joined += (joined.empty() ? "" : " ") + word;
    }
    return joined.empty() ? "(none)" : joined;
}

std::string CheckText(const Expectation& expect, std::u16string_view actual, const char* name) {
    switch (expect.match) {
        case Expectation::Match::kLength:
            if (actual.size() != expect.length) {
                return std::string(name) + " holds " + std::to_string(actual.size()) +
                       " units, expected " + std::to_string(expect.length) + ": " +
                       Quoted(actual);
            }
            return {};
        case Expectation::Match::kRegex: {
            const bool ascii = std::all_of(actual.begin(), actual.end(),
                                           [](char16_t unit) { return unit < 0x80; });
            const std::string narrow(actual.begin(), actual.end());
            if (!ascii || !std::regex_match(narrow, std::regex(expect.regex))) {
                return std::string(name) + " is " + Quoted(actual) + ", expected to match " +
                       expect.regex;
            }
            return {};
        }
        case Expectation::Match::kExact:
            break;
    }
    if (actual != expect.text) {
        return std::string(name) + " is " + Quoted(actual) + ", expected " + Quoted(expect.text);
    }
    return {};
}

}  // namespace

std::string Printable(std::u16string_view text) {
    constexpr std::size_t kShown = 60;
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const char16_t unit = text[i];
        if (unit == u'\n') {
            out += "\\n";
        } else if (unit == u'\r') {
            out += "\\r";
        } else if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) {
                out += kHex[(unit >> shift) & 0xFU];
            }
        }
    }
    if (text.size() > kShown) {
        out += "...(" + std::to_string(text.size()) + " units)";
    }
    return out;
}

// A box's text as the table reads it: CR LF, and a lone CR, as one line break "\n".
std::u16string AsShown(std::u16string_view text) {
    std::u16string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            shown += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else {
            shown += text[i];
        }
    }
    return shown;
}

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

std::vector<Row> ParseRows(std::string_view text) {
    std::vector<Row> rows;
    int number = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        const std::vector<Token> tokens = Tokenize(line, number);
        if (tokens[0].quoted) {
            Fail(number, "a line starts with a keyword");
        }
        const std::string& verb = tokens[0].word;
        if (verb == "row") {
            Row row;
            row.name = WordAt(tokens, 1, number, "the row's name");
            if (row.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz"
                                           "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") !=
                std::string::npos) {
                Fail(number, "a row's name is letters, digits and _");
            }
            for (const Row& other : rows) {
                if (other.name == row.name) {
                    Fail(number, "a second row named " + row.name);
                }
            }
            row.line = number;
            rows.push_back(std::move(row));
            continue;
        }
        if (rows.empty()) {
            Fail(number, "a step before the first row");
        }
        if (verb == "pending") {
            const std::u16string why = TextFrom(tokens, 1, number);
            rows.back().pending.assign(why.begin(), why.end());
        } else if (verb == "expect") {
            rows.back().items.emplace_back(ParseExpectation(tokens, number));
        } else {
            rows.back().items.emplace_back(ParseStep(tokens, number));
        }
    }
    return rows;
}

std::vector<Row> LoadRows(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream text;
    text << file.rdbuf();
    return ParseRows(text.str());
}

std::string Check(const Expectation& expect, const State& state) {
    switch (expect.field) {
        case Field::kTxtCodeNum:
            return CheckText(expect, state.codeNumber, "txtCodeNum");
        case Field::kTxtIn:
            return CheckText(expect, state.input, "txtIn");
        case Field::kTxtOut:
            return CheckText(expect, state.output, "txtOut");
        case Field::kSelection:
            return CheckText(expect, state.selection, "the code number's selection");
        case Field::kNotice:
            return CheckText(expect, state.notice, "the notice");
        case Field::kFocus:
            if (state.focus != expect.words[0]) {
                return "the focus is in " + state.focus + ", expected " + expect.words[0];
            }
            return {};
        case Field::kEnabled:
            if (state.enabled != expect.words) {
                return "enabled: " + Joined(state.enabled) + ", expected " + Joined(expect.words);
            }
            return {};
        case Field::kLook:
            if (state.look != expect.words[0]) {
                return "the mode looks " + state.look + ", expected " + expect.words[0];
            }
            return {};
        case Field::kOutput:
            if (state.outputLook != expect.words[0]) {
                return "the output is drawn " + state.outputLook + ", expected " + expect.words[0];
            }
            return {};
        case Field::kAbout:
            if (state.about != expect.words[0]) {
                return "the about box is " + state.about + ", expected " + expect.words[0];
            }
            return {};
        case Field::kClipboard: {
            const bool wantEmpty = !expect.words.empty();
            const bool agrees = wantEmpty ? !state.clipboard
                                          : state.clipboard && *state.clipboard == expect.text &&
                                                state.secret == expect.secret;
            if (!agrees) {
                const std::string actual =
                    state.clipboard
                        ? Quoted(*state.clipboard) + (state.secret ? " secret" : " plain")
                        : std::string("empty");
                const std::string expected =
                    wantEmpty ? std::string("empty")
                              : Quoted(expect.text) + (expect.secret ? " secret" : " plain");
                return "the clipboard holds " + actual + ", expected " + expected;
            }
            return {};
        }
    }
    return {};
}

std::string Run(const Row& row, Driver& driver) {
    std::string failures;
    for (const Item& item : row.items) {
        if (const auto* step = std::get_if<Step>(&item)) {
            try {
                driver.Apply(*step);
            } catch (const std::exception& error) {
                return failures + "line " + std::to_string(step->line) +
                       ": the step failed: " + error.what() + "\n";
            }
            continue;
        }
        const auto& expect = std::get<Expectation>(item);
        if (const std::string wrong = Check(expect, driver.Read()); !wrong.empty()) {
            failures += "line " + std::to_string(expect.line) + ": " + wrong + "\n";
        }
    }
    return failures;
}

}  // namespace vellumark::behaviour
