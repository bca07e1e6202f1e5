#pragma once

class QTextEdit;

namespace orbane {

// Fills the rich-text box with the formatted welcome text, read-only, caret at the start.
void bienvenue(QTextEdit *supertext);

} // namespace orbane
