#include "app/welcome.h"

#include <QTextCursor>
#include <QTextEdit>
#include <array>

namespace orbane {

namespace {

struct Piece
{
    const char *text;
    int code;
};

// The welcome text, piece by piece, with the formatting code of each.
const std::array<Piece, 16> &accueil()
{
    static const std::array<Piece, 16> pieces = {{
        {"Orbane 1S\r\n", 9},
        {"\r\nCette application permet d'étudier le mouvement de différents projectiles ", 0},
        {"par simulation directe (animation), chronophotographie ou représentation graphique "
         "(Graphes).\r\n\r\nPour ",
         0},
        {"déplacer le projectile, ", 6},
        {"vous pouvez utiliser", 0},
        {" la souris ", 6},
        {"directement sur la figure. \r\n\r\n", 0},
        {"Tous les paramètres sont modifiables et l'image obtenue peut être imprimée ou placée "
         "dans le presse-papiers ",
         6},
        {"(bouton Copier) pour la coller dans une autre application.\r\n\r\n", 0},
        {"Vous pouvez obtenir l'énoncé d'un exercice ", 0},
        {"dans cette fenêtre en appuyant sur l'onglet ", 0},
        {"Exercices", 1},
        {".\r\n\r\n", 0},
        {"Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité ", 0},
        {"Prise en main ", 1},
        {"dans le menu Exercices.", 0},
    }};
    return pieces;
}

const QColor kBlue(0, 0, 200);

QTextCharFormat baseCharFormat()
{
    QTextCharFormat f;
    f.setFont(QFont(QStringLiteral("Arial"), 10));
    f.setForeground(Qt::black);
    f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    return f;
}

// A line break of the text is a paragraph break of the box.
QString boxText(const char *piece)
{
    return QString::fromUtf8(piece).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void applyCode(QTextCursor &cursor, int code)
{
    QTextCharFormat chars;
    QTextBlockFormat block;
    chars.setForeground(code == 0 ? QColor(Qt::black) : kBlue);
    if (code == 9) {
        chars.setFont(QFont(QStringLiteral("Arial"), 18));
        block.setAlignment(Qt::AlignHCenter);
        block.setLeftMargin(0);
    } else {
        block.setLeftMargin(20);
    }
    cursor.mergeCharFormat(chars);
    cursor.mergeBlockFormat(block);
}

} // namespace

void bienvenue(QTextEdit *supertext)
{
    supertext->hide();
    supertext->clear();
    supertext->setCurrentCharFormat(baseCharFormat());
    supertext->setReadOnly(true);

    QTextCursor cursor(supertext->document());
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    cursor.setBlockFormat(left);
    for (const Piece &piece : accueil())
        cursor.insertText(boxText(piece.text), baseCharFormat());

    int start = 0;
    for (const Piece &piece : accueil()) {
        const int length = int(boxText(piece.text).size());
        QTextCursor selection(supertext->document());
        selection.setPosition(start);
        selection.setPosition(start + length, QTextCursor::KeepAnchor);
        applyCode(selection, piece.code);
        start += length;
    }
    QTextCursor home(supertext->document());
    home.setPosition(0);
    supertext->setTextCursor(home);
    supertext->show();
}

} // namespace orbane
