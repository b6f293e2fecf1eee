#pragma once
// A mode label: a box filled with the design's fixed colour, which reports every press of a
// mouse button, for the window core to answer. Its text is the scheme's under a light palette,
// and black or white, whichever reads, under a dark one.

#include <QLabel>
#include <cstdint>

namespace vellumark {

class ModeLabel : public QLabel {
    Q_OBJECT

public:
    explicit ModeLabel(QWidget* parent = nullptr);

    // The background, 0x00BBGGRR, with the text colour that goes with it under the
    // application's palette; and whether it shows the active mode, for screen readers.
    void Show(std::uint32_t colour, bool active);

signals:
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace vellumark
