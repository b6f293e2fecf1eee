#include "main_window/select_all.h"

#include <QLineEdit>

namespace vellumark {

void SelectAll(QLineEdit& control) {
    // A line edit's text is far shorter than int's range; its selection API takes int.
    control.setSelection(0, static_cast<int>(control.text().size()));
}

}  // namespace vellumark
