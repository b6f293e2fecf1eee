#pragma once
// The main window: the code number, the mode, the input and the output, and the commands
// around them. Its core decides everything; this class builds the stored design, forwards
// the controls' events to the core and draws what the core says.

#include <QMainWindow>
#include <array>
#include <iterator>
#include <optional>

#include "engine/crypt_text.h"
#include "window_core/main_window_core.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace vellumark {

class CodeNumberEdit;
class OutputBox;

class frmMain : public QMainWindow, private MainWindowView {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // kModeEncrypt, kModeDecrypt, kModeToggle; any other value only recomputes.
    void ModeSet(CryptMode bytWhat) { core_.ModeSet(bytWhat); }

    [[nodiscard]] CryptMode mode() const { return core_.mode(); }
    [[nodiscard]] float code_number() const { return core_.code_number(); }
    // The notice under the frames; kNone while the output is that of the current input.
    [[nodiscard]] NoticeKind notice() const { return core_.notice(); }

signals:
    // Once for every recomputation of the output, whether or not the output box took a new text.
    void outputRecomputed();
    void aboutRequested();
    void exitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    // The close button: the window hides only once its last frame is done.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the core reads and writes.
    [[nodiscard]] std::u16string CodeNumberText() const override;
    void ReadInput(const std::function<bool(std::u16string_view)>& read) const override;
    [[nodiscard]] std::size_t InputLength() const override;
    void SetText(Control box, std::u16string_view text) override;
    void ShowOutputStale(bool stale) override;
    void ShowMode(const ModeLook& look) override;
    void EnableButton(Button button, bool enabled) override;
    void ShowNotice(std::u16string_view text) override;
    void SelectWholeCodeNumber() override;
    void ShowCommand(Command command, const CommandState& state) override;
    void OpenAbout() override { emit aboutRequested(); }
    void Exit() override { emit exitRequested(); }
    [[nodiscard]] std::optional<std::u16string> ClipboardText() const override;
    void PutOnClipboard(std::u16string_view text, bool secret) override;
    void Recomputed() override { emit outputRecomputed(); }
    [[nodiscard]] Control FocusedControl() const override;
    void FocusControl(Control control, FocusReason reason) override;

    [[nodiscard]] QToolButton* ButtonWidget(Button button) const;
    // The control that `widget` is; kNone for any other.
    [[nodiscard]] Control ControlAt(const QObject* widget) const;
    // The widget of a control; nullptr for kNone.
    [[nodiscard]] QWidget* ControlWidget(Control control) const {
        return controls_[static_cast<std::size_t>(control)];
    }

    void ConnectControls();
    // The menu bar, from the core's command table.
    void BuildMenus();
    // Tells the core what an edit of the input document changed, in the document's terms.
    void ReportInputEdit(int position, int removed, int added);
    void LeaveMenuBarAfterMenu();

    // The design's controls, by their Control.
    std::array<QWidget*, static_cast<std::size_t>(Control::kLblDecrypt) + 1> controls_{};
    CodeNumberEdit* txtCodeNum_ = nullptr;
    QPlainTextEdit* txtIn_ = nullptr;
    OutputBox* txtOut_ = nullptr;
    QLabel* lblNotice_ = nullptr;
    // The menu entries, in the command table's order.
    std::array<QAction*, std::size(kCommands)> entries_{};
    MainWindowCore core_{*this};
    bool loaded_ = false;
    // Why the core is giving the focus, while it does.
    std::optional<FocusReason> focusGiven_;
};

}  // namespace vellumark
