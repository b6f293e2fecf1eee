#pragma once
// The code-number box. A plain line edit forgets a selection on the mouse press that follows
// focusing it, and has no notion of a click; these signals let the window select the whole
// code number after Qt has finished its own handling of the press, the release and the focus.

#include <QLineEdit>

namespace vellumark {

class CodeNumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CodeNumberEdit(QWidget* parent = nullptr);

signals:
    // After the box has placed its caret for a press of any mouse button.
    void pressed();
    // After the button that pressed into the box has gone up again.
    void clicked();
    // After the box has taken the focus, for whatever reason.
    void gotFocus();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace vellumark
