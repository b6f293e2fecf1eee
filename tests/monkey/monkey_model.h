#pragma once
// The monkey's model of the window: what the boxes hold, the rules of the code number and what
// the output must be, worked out from the cipher engine and not from the window's own helpers,
// so that a fault in those helpers shows up too; and the check of the whole window against it
// after every action.

#include <QSignalSpy>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/crypt_text.h"
#include "main_window/frm_main.h"
#include "tests/main_window/window_fixture.h"

class QPlainTextEdit;
class QWidget;

namespace vellumark::monkey {

// What a text box holds, character for character: the document's own text, with its
// paragraph and line separators read as line feeds. (Its plain-text reading would turn a
// no-break space into a blank, which is another byte to the cipher.)
QString Held(const QPlainTextEdit& box);

// What a text box holds after it was given `text`: every kind of line break becomes one line
// feed, a carriage return before a line feed included, and so do the two characters that a
// rich-text document reserves for the edges of its frames.
QString AsHeld(const QString& text);

// The code number that a text of the code-number box stands for: one to six ASCII digits, not
// all of them zeros; anything else is the "no valid code" value -1.
float CodeNumberRule(const QString& text);

// The six-digit text of the random code that the draw `r` gives: floor(r * 999999 + 1).
QString RandomCodeOf(float r);

// A short, printable picture of a text for the log.
QString Describe(const QString& text);

QString ModeName(CryptMode mode);

// `now` is `before` with one or more characters deleted just before `position` (backwards) or
// just after it: a key deletes a character, a surrogate pair or a cluster of them.
bool IsDeletionAt(const QString& before, const QString& now, qsizetype position, bool backwards);

// The state that an action starts from.
struct Before {
    QString input;
    QString code;
    QString output;
    bool clearEnabled = false;
    bool copyEnabled = false;
    bool cutEnabled = false;
    QWidget* focus = nullptr;
};

// What an action must leave behind, besides what always holds.
struct Expect {
    CryptMode mode = kModeEncrypt;
    std::optional<QString> input;  // exactly this input; nothing when not predictable
    std::function<bool(const QString&)> inputMatches;  // or an input that passes this
    std::optional<QString> code;
    std::optional<QString> clipboard;
    bool codeSelectedWhole = false;
    int exits = 0;
    int abouts = 0;
    QString failure;  // the action itself could not be carried out
};

// What the run went through, so that a passing run shows that it met the hard cases.
struct Tally {
    int tooLong = 0;
    int unmappable = 0;
    int notDecryptable = 0;
    int invalidCode = 0;
    int encrypted = 0;
    int decrypted = 0;
    qsizetype longestInput = 0;
};

// The window under test, found through the window tests' fixture, and the state that the
// actions so far must have left it in.
class Model {
public:
    explicit Model(frmMain& window);

    Before Snapshot() const;
    // What is wrong with the window after an action that started from `before`; empty when
    // nothing is.
    QString Check(const Before& before, const Expect& expect) const;
    const Tally& Counts() const { return tally; }

    frmMain& w;
    const vellumark::testing::Controls c;
    QSignalSpy exits;
    QSignalSpy abouts;
    // The mode as the actions so far must have left it.
    CryptMode mode = kModeEncrypt;

private:
    QString CheckModeDisplay() const;

    mutable Tally tally;
};

}  // namespace vellumark::monkey
