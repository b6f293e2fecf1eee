#include "main_window/output_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <utility>

namespace vellumark {

OutputBox::OutputBox(QWidget* parent, std::function<bool()> mayCopy)
    : QPlainTextEdit(parent), mayCopy_(std::move(mayCopy)) {}

void OutputBox::ShowStale(bool stale) {
    if (!stale) {
        // Back to the palette that the box inherits.
        setPalette(QPalette());
        return;
    }
    QPalette greyed = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        greyed.setColor(group, QPalette::Text, greyed.color(QPalette::Disabled, QPalette::Text));
    }
    setPalette(greyed);
}

void OutputBox::keyPressEvent(QKeyEvent* event) {
    // Refused before the box copies: the clipboard keeps what it holds.
    if (event->matches(QKeySequence::Copy) && !mayCopy_()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void OutputBox::contextMenuEvent(QContextMenuEvent* event) {
    // The box's own menu, as it would open it, with its Copy asking first.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* entry = menu->findChild<QAction*>(QStringLiteral("edit-copy"))) {
        entry->disconnect();
        connect(entry, &QAction::triggered, this, [this] {
            if (mayCopy_()) {
                copy();
            }
        });
    }
    menu->popup(event->globalPos());
}

QMimeData* OutputBox::createMimeDataFromSelection() const {
    if (!mayCopy_()) {
        return new QMimeData;
    }
    return QPlainTextEdit::createMimeDataFromSelection();
}

}  // namespace vellumark
