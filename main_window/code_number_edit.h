#pragma once
// The code-number box: six characters at most, centred. A plain line edit forgets a selection on
// the press that follows focusing it and knows no clicks: the signals let the window select the
// whole number after Qt's own handling of the press, the release and the focus. The box keeps
// its selection while the menu bar has the keys, as for a popup or another window, so that the
// key typed after a menu still replaces a selected number.

#include <QLineEdit>

namespace vellumark {

class CodeNumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CodeNumberEdit(QWidget* parent = nullptr);

signals:
    // After the box has placed its caret for a press of `button`.
    void pressed(Qt::MouseButton button);
    // After `button`, which pressed into the box, has gone up again.
    void clicked(Qt::MouseButton button);
    // After the box has taken the focus, for `reason`.
    void focusEntered(Qt::FocusReason reason);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The selection that the window made on the last left press, while the user has not
    // changed it: it is the program's, not the user's, and stays out of the X11 primary
    // selection.
    int pressSelectionStart_ = -1;
    int pressSelectionLength_ = 0;
};

}  // namespace vellumark
