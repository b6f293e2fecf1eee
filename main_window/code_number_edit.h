#pragma once
// The code-number box. A plain line edit forgets a selection on the mouse press that follows
// focusing it, and has no notion of a click; these signals let the window select the whole
// code number after Qt has finished its own handling of the press, the release and the focus.
// Only the user's own ways into the box count: the focus that comes back after a menu, a
// dialog or another window leaves the text and the caret as they were.

#include <QLineEdit>

namespace vellumark {

class CodeNumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CodeNumberEdit(QWidget* parent = nullptr);

signals:
    // After the box has placed its caret for a press of the left button.
    void pressed();
    // After the left button that pressed into the box has gone up again.
    void clicked();
    // After the user has moved the focus into the box with Tab, Shift+Tab or its access key.
    void gotFocus();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The selection that the window made on the last left press, while the user has not
    // changed it: it is the program's, not the user's, and stays out of the X11 primary
    // selection.
    int pressSelectionStart_ = -1;
    int pressSelectionLength_ = 0;
};

}  // namespace vellumark
