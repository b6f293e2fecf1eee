#pragma once

class QLineEdit;

namespace vellumark {

// Selects the whole text of `control`, caret at its end, so that the next key typed replaces
// it.
void SelectAll(QLineEdit& control);

}  // namespace vellumark
