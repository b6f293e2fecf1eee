#pragma once
// The about box: names the tool, shows its version and icon, and opens the author's web
// address. It is opened modally from the main window's Help menu and centres itself over
// that window each time.

#include <QDialog>

class QLabel;
class QPushButton;

namespace vellumark {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Loads the box: builds its controls and, given the main window, centres it on that
    // window's outer rectangle, before it is ever shown.
    explicit frmAbout(QWidget* mainWindow);

    // Every way of closing the box ends here: it hides only once its last frame is done.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Enter, keypad Enter, Space and Esc, as the window core answers them; false for any
    // other key.
    bool AnswerKey(const QKeyEvent& event);

    QPushButton* cmdOk_ = nullptr;
    QLabel* lblUrl_ = nullptr;
    bool urlPressed_ = false;
};

// The Help menu's About entry: shows a freshly loaded box modally over `mainWindow` and
// returns once it has been closed. The main window takes no input meanwhile.
void OpenAbout(QWidget* mainWindow);

}  // namespace vellumark
