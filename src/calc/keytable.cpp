#include "calc/keytable.h"

namespace orbane::calc {

using namespace Qt::StringLiterals;

namespace {

// Five columns of scientific keys across the window, under the option frames.
QRect upper(int row, int col)
{
    return {8 + col * 58, 104 + row * 30, 53, 26};
}
// Two rows of four unit-prefix keys.
QRect prefix(int row, int col)
{
    return {8 + col * 218 / 3, 224 + row * 30, 67, 26};
}
// Memory keys, left of the keypad.
QRect memory(int row)
{
    return {8, 293 + row * 31, 67, 29};
}
// Digits on the teal panel.
QRect keypad(int row, int col)
{
    return {85 + col * 40, 293 + row * 31, 37, 29};
}
// Operators right of the keypad.
QRect oper(int row, int col)
{
    return {211 + col * 43, 293 + row * 31, 39, 29};
}

std::vector<KeyDef> buildKeyTable()
{
    std::vector<KeyDef> t = {
        {u"invsin"_s, u"INV S&IN"_s, u"Inverse sinus"_s, upper(0, 0)},
        {u"invcos"_s, u"INV C&OS"_s, u"Inverse cosinus"_s, upper(0, 1)},
        {u"Btoncommande3"_s, u"INV T&AN"_s, u"Inverse tangente"_s, upper(0, 2)},
        {u"Bln"_s, u"l&n"_s, u""_s, upper(0, 3)},
        {u"Blog"_s, u"&Log"_s, u""_s, upper(0, 4)},

        {u"bsin"_s, u"&SIN"_s, u"Sinus"_s, upper(1, 0)},
        {u"Bcos"_s, u"&COS"_s, u"Cosinus"_s, upper(1, 1)},
        {u"Btan"_s, u"&TAN"_s, u"Tangente"_s, upper(1, 2)},
        {u"Bexp"_s, u""_s, u""_s, upper(1, 3), Glyph::ExpX},
        {u"B10x"_s, u""_s, u""_s, upper(1, 4), Glyph::TenX},

        {u"racine"_s, u"√"_s, u"Racine carré"_s, upper(2, 0), Glyph::None, true},
        {u"btcarre"_s, u""_s, u""_s, upper(2, 1), Glyph::XSquared},
        {u"puissance"_s, u""_s, u""_s, upper(2, 2), Glyph::XPowY},
        {u"Command5"_s, u"1/x"_s, u"Inverse"_s, upper(2, 3)},
        {u"pi"_s, u"π"_s, u"3.1415927"_s, upper(2, 4), Glyph::None, true},

        {u"Bpo"_s, u"("_s, u""_s, upper(3, 0), Glyph::None, true},
        {u"bpf"_s, u")"_s, u""_s, upper(3, 1), Glyph::None, true},
        {u"ANS"_s, u"ANS"_s, u"Dernière réponse"_s, upper(3, 2)},
        {u"EFFACE"_s, u"←"_s, u"Effacer dernier caractère"_s, upper(3, 3), Glyph::None, true},
        {u"RAZ"_s, u"AC"_s, u"Tout effacer"_s, upper(3, 4)},

        {u"kilo"_s, u"k"_s, u"kilo"_s, prefix(0, 0)},
        {u"mega"_s, u"M"_s, u"Méga"_s, prefix(0, 1)},
        {u"giga"_s, u"G"_s, u"Giga"_s, prefix(0, 2)},
        {u"tera"_s, u"T"_s, u"Téra"_s, prefix(0, 3)},
        {u"mil"_s, u"m"_s, u"milli"_s, prefix(1, 0)},
        {u"micro"_s, u"µ"_s, u"micro"_s, prefix(1, 1)},
        {u"nano"_s, u"n"_s, u"nano"_s, prefix(1, 2)},
        {u"pico"_s, u"p"_s, u"pico"_s, prefix(1, 3)},

        {u"Command1"_s, u"M+"_s, u"Ajouter à la méoire"_s, memory(0)},
        {u"Command2"_s, u"M-"_s, u"Soustraire à la mémoire"_s, memory(1)},
        {u"Command3"_s, u"RM"_s, u"Rappel mémoire"_s, memory(2)},
        {u"Command4"_s, u"CM"_s, u"Effacer la mémoire"_s, memory(3)},

        {u"Bpoint"_s, u"."_s, u""_s, keypad(3, 1), Glyph::None, true},
        {u"BtoEXP"_s, u"EXP"_s, u"x 10ª"_s, keypad(3, 2)},

        {u"multip"_s, u"x"_s, u""_s, oper(0, 0), Glyph::None, true},
        {u"div"_s, u"÷"_s, u""_s, oper(0, 1), Glyph::None, true},
        {u"plus"_s, u"+"_s, u""_s, oper(1, 0), Glyph::None, true},
        {u"moins"_s, u"-"_s, u""_s, oper(1, 1), Glyph::None, true},
        {u"EXE"_s, u"EXE"_s, u"Calculer"_s, {211, 355, 82, 60}},
    };
    // 7 8 9 / 4 5 6 / 1 2 3 / 0 . EXP
    for (int d = 0; d <= 9; ++d) {
        const QRect place = d == 0 ? keypad(3, 0) : keypad(3 - (d + 2) / 3, (d - 1) % 3);
        t.push_back({QStringLiteral("B%1").arg(d), QString::number(d), QString(), place,
                     Glyph::None, true});
    }
    return t;
}

} // namespace

const std::vector<KeyDef> &keyTable()
{
    static const std::vector<KeyDef> table = buildKeyTable();
    return table;
}

} // namespace orbane::calc
