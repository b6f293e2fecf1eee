#pragma once
// A mode label: it reports every press of a mouse button, which the window core answers. Its background is the design's fixed colour; its text is the scheme's under a
// light palette, and black or white, whichever reads, under a dark one.

#include <QLabel>
#include <cstdint>

namespace vellumark {

class ModeLabel : public QLabel {
    Q_OBJECT

public:
    explicit ModeLabel(QWidget* parent = nullptr);

    // The background, 0x00BBGGRR, and the text colour that goes with it under the
    // application's palette.
    void SetBackground(std::uint32_t colour);

signals:
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace vellumark
