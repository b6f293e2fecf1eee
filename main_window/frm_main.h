#pragma once
// The main window: the code number, the mode, the input and the output, and the commands
// around them. The output always shows what the cipher makes of the input under the current
// mode and code number; every change ends in DoCrypt.

#include <QMainWindow>
#include <cstdint>
#include <memory>

#include "main_window/crypt_view.h"

class QLabel;

namespace Ui {
class frmMain;
}

namespace vellumark {

// Mode label backgrounds, in the 0x00BBGGRR layout of the window's design.
inline constexpr std::uint32_t kActiveModeColour = 65280;    // pure green
inline constexpr std::uint32_t kInactiveModeColour = 32768;  // dark green

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Recomputes the output in full from the input, the mode and the code number.
    void DoCrypt();
    // 1 encrypt, 2 decrypt, 3 toggle; any other value only recomputes.
    void ModeSet(std::uint8_t bytWhat);

    std::uint8_t Mode() const { return bytMode; }
    float CodeNumber() const { return sngCodeNum; }
    // The notice under the frames; kNone while the output is that of the current input.
    NoticeKind Notice() const { return notice; }

signals:
    // Once for every DoCrypt, whether or not the output box took a new text.
    void outputRecomputed();
    void aboutRequested();
    void exitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void txtCodeNum_Change();
    void txtIn_Change();
    void txtOut_Change();
    void cmdPasteInput_Click();
    void cmdClearInput_Click();
    void cmdCopyOutput_Click();
    void cmdCutOutput_Click();
    void mnuRandomCode_Click();
    void ShowNotice(const CryptView& view);
    bool IsMenuShortcut(const QEvent& event) const;

    std::unique_ptr<Ui::frmMain> ui;
    QLabel* lblNotice = nullptr;
    // Zero until the load sets them, as at the start of the process.
    std::uint8_t bytMode = 0;
    float sngCodeNum = 0.0f;
    NoticeKind notice = NoticeKind::kNone;
    bool loaded = false;
};

}  // namespace vellumark
