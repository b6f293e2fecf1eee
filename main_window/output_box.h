#pragma once
// The output box. Every copy out of it, by a key, by its own menu or by a drag, first asks
// whether the output may be handed out, and copies nothing when not; and an output that is
// no longer the input's is drawn greyed, as a disabled text.

#include <QPlainTextEdit>
#include <functional>

class QMimeData;

namespace vellumark {

class OutputBox : public QPlainTextEdit {
    Q_OBJECT

public:
    // `mayCopy` answers whether a copy may go ahead; it tells the user why not itself.
    OutputBox(QWidget* parent, std::function<bool()> mayCopy);

    void ShowStale(bool stale);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // What a drag carries, and on X11 the primary selection.
    [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;

private:
    std::function<bool()> mayCopy_;
};

}  // namespace vellumark
