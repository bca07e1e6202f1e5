#pragma once

#include <QString>

class QTextCharFormat;
class QTextDocument;

namespace orbane::test {

// A compact picture of a document for comparisons: blocks joined by " / ", a block's
// alignment in brackets, each run as text{attributes}; attributes at their defaults
// (plain, 12 pt, no font named, no colour) are left out.
QString dump(const QTextDocument &doc);

// The same, for one run format only: "b,i,u,s,sup,sub,fg=#rrggbb,bg=#rrggbb,font=X,pt=N".
QString attributes(const QTextCharFormat &f);

} // namespace orbane::test
