#pragma once
// The window's behaviour as a table of rows, each a few steps and the state expected after
// them, read from rows.txt (its head describes the format), and the driver that each front end
// implements to run them: it maps a step to its toolkit and reads the window's state back.

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vellumark::behaviour {

enum class StepKind {
    kKey,        // word: a chord, "Ctrl+E", "Shift+Tab", "Enter", "KeypadEnter", "Space", ...
    kType,       // text: typed into the focused control, a key a character ("\n": Enter)
    kClick,      // word: a control's design name; button: "left", "right" or "middle"
    kFocus,      // word: the control that the focus goes to by no key and no mouse, or "none"
    kClipboard,  // word: "text" (then text), "empty" or "busy"
    kMenu,       // word: a menu entry's design name, chosen with the mouse
    kModeSet,    // number: the program calls ModeSet with it
};

struct Step {
    StepKind kind = StepKind::kKey;
    std::string word;
    std::string button = "left";
    std::u16string text;
    int number = 0;
    int line = 0;  // in rows.txt, for messages
};

enum class Field {
    kTxtCodeNum,
    kTxtIn,
    kTxtOut,
    kSelection,  // the code-number box's selected text
    kFocus,
    kEnabled,
    kLook,
    kOutput,  // "stale" or "current": how the output box draws its text
    kAbout,   // "open" or "closed": the about box
    kNotice,
    kClipboard,
};

struct Expectation {
    Field field = Field::kTxtIn;
    // How a box's text is compared: exactly, by its length in UTF-16 units, or against a
    // regular expression (ECMAScript syntax, the whole text).
    enum class Match { kExact, kLength, kRegex } match = Match::kExact;
    std::u16string text;
    std::size_t length = 0;
    std::string regex;
    std::vector<std::string> words;  // focus, enabled, look: design names or keywords
    bool secret = false;             // clipboard
    int line = 0;
};

using Item = std::variant<Step, Expectation>;

struct Row {
    std::string name;
    // Why the row waits for a change that is not in yet; drivers skip such rows with it.
    std::string pending;
    std::vector<Item> items;
    int line = 0;
};

// A row is shown by its name, in test names and messages.
void PrintTo(const Row& row, std::ostream* out);

// The rows of a table file's text; throws std::runtime_error naming the line of a fault.
std::vector<Row> ParseRows(std::string_view text);
std::vector<Row> LoadRows(const std::string& path);

// What a driver reads back from its window.
struct State {
    std::u16string codeNumber;
    std::u16string input;
    std::u16string output;
    std::u16string selection;         // of the code-number box
    std::string focus;                // a design name, or "none"
    std::vector<std::string> enabled;  // the enabled buttons' design names, in tab order
    // "encrypt" or "decrypt" when the labels, the menu's checks and the cipher text box's
    // wrapping all show that mode; anything else says what shows instead.
    std::string look;
    std::string outputLook = "current";  // "stale" when drawn greyed, as a disabled text
    std::string about = "closed";    // "open" while the about box is
    std::u16string notice;
    std::optional<std::u16string> clipboard;  // nothing: no text on the clipboard
    bool secret = false;
};

// A window under test, opened as the program opens it: loaded, shown, the focus in the
// code-number box. Each row gets a fresh one.
class Driver {
public:
    Driver() = default;
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;
    Driver(Driver&&) = delete;
    Driver& operator=(Driver&&) = delete;
    virtual ~Driver() = default;

    // Carries out one step; throws std::runtime_error for a step that it cannot carry out.
    virtual void Apply(const Step& step) = 0;
    [[nodiscard]] virtual State Read() = 0;
};

// How `state` differs from `expectation`; empty when it agrees.
std::string Check(const Expectation& expectation, const State& state);

// Runs `row` on `driver`; every disagreement, one a line, with the line of its expectation.
std::string Run(const Row& row, Driver& driver);

// For messages: UTF-8, with control characters escaped and long texts cut short.
std::string Printable(std::u16string_view text);

// A box's text as the table reads it: CR LF, and a lone CR, as one line break "\n".
std::u16string AsShown(std::u16string_view text);

}  // namespace vellumark::behaviour
