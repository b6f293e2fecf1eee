#include "main_window/select_all.h"

#include <QLineEdit>

namespace vellumark {

void SelectAll(QLineEdit& control) {
    control.setSelection(0, control.text().size());
}

}  // namespace vellumark
