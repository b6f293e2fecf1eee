#pragma once
// A mode label: pressing any mouse button on it chooses its mode, on the press rather than
// the release.

#include <QLabel>

namespace vellumark {

class ModeLabel : public QLabel {
    Q_OBJECT

public:
    explicit ModeLabel(QWidget* parent = nullptr);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace vellumark
