#pragma once
// The monkey's actions: each does one random thing to the window, the way a person would (keys,
// mouse presses, buttons, menus, shortcuts, pastes of hostile texts), and says in an Expect
// what it must have left behind.

#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "monkey_model.h"
#include "random_texts.h"

class QWidget;

namespace vellumark::monkey {

class Actions {
public:
    using Logger = std::function<void(const QString& entry)>;
    Actions(Model& model, Rng& rng, Logger log);

    using Action = void (Actions::*)(const Before&, Expect&);
    struct Weighted {
        int weight;
        Action action;
    };
    // Every action with how often it comes up.
    static const std::vector<Weighted>& Table();

    void ExpectRandomCode(Expect& expect);
    void Paste(PasteKind kind, Expect& expect);

    void TypeIntoInput(const Before& before, Expect& expect);
    void DeleteInInput(const Before& before, Expect& expect);
    void PasteButton(const Before& before, Expect& expect);
    void ClearButton(const Before& before, Expect& expect);
    void CopyButton(const Before& before, Expect& expect);
    void CutButton(const Before& before, Expect& expect);
    void TypeIntoCode(const Before& before, Expect& expect);
    void DeleteInCode(const Before& before, Expect& expect);
    void PasteIntoCode(const Before& before, Expect& expect);
    void ClickIntoCode(const Before& before, Expect& expect);
    void PressModeLabel(const Before& before, Expect& expect);
    void TriggerMenuEntry(const Before& before, Expect& expect);
    void MenuShortcut(const Before& before, Expect& expect);
    void MenuByKeyboard(const Before& before, Expect& expect);
    void MoveFocus(const Before& before, Expect& expect);
    void ClickIntoInput(const Before& before, Expect& expect);
    void KeysInOutput(const Before& before, Expect& expect);
    void UndoOrRedoInInput(const Before& before, Expect& expect);
    void PasteKeysIntoInput(const Before& before, Expect& expect);

private:
    // Places the caret, or a selection, somewhere in the input box; gives its two ends.
    std::pair<qsizetype, qsizetype> PlaceInputCaret();
    // Places the caret, or a selection, somewhere in the code-number box, or leaves the
    // selection that entering the box made.
    void PlaceCodeCaret();
    // The text of the code-number box after `typed` replaces its selection or goes in at its
    // caret, as far as its six characters allow.
    QString CodeAfterInsert(const QString& typed) const;
    QWidget* RandomFocusTarget();
    void Log(const QString& entry) { log(entry); }

    Model& model;
    const vellumark::testing::Controls& c;
    Rng& rng;
    Logger log;
};

}  // namespace vellumark::monkey
