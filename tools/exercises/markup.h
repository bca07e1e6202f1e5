#pragma once

#include <QString>

class QTextDocument;

// The small markup the exercise texts are written in, turned into a formatted document.
//
// Blocks (a blank line ends a paragraph; other lines continue it, except after a title, a
// heading or a formula, which are one line each):
//   # Title              centred title
//   ## Heading           section heading
//   1. Question          numbered question, hanging indent
//   - Item               dash item
//   > Note               note, in italics
//   ! Formula            centred result or formula
// Inline: **bold**, *italics*, v_{0} (subscript), s^{-1} (superscript),
//         [[Simulation]] (a control of the program, in bold blue).
namespace orbane::genexo {

QString toHtml(const QString &markup);
// Arial 10 points, as the program's welcome text.
void fillDocument(QTextDocument &doc, const QString &markup);

} // namespace orbane::genexo
