#include "calc/keytable.h"

namespace orbane::calc {

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
        {"invsin", "INV S&IN", "Inverse sinus", upper(0, 0)},
        {"invcos", "INV C&OS", "Inverse cosinus", upper(0, 1)},
        {"Btoncommande3", "INV T&AN", "Inverse tangente", upper(0, 2)},
        {"Bln", "l&n", "", upper(0, 3)},
        {"Blog", "&Log", "", upper(0, 4)},

        {"bsin", "&SIN", "Sinus", upper(1, 0)},
        {"Bcos", "&COS", "Cosinus", upper(1, 1)},
        {"Btan", "&TAN", "Tangente", upper(1, 2)},
        {"Bexp", "", "", upper(1, 3), Glyph::ExpX},
        {"B10x", "", "", upper(1, 4), Glyph::TenX},

        {"racine", "√", "Racine carré", upper(2, 0), Glyph::None, true},
        {"btcarre", "", "", upper(2, 1), Glyph::XSquared},
        {"puissance", "", "", upper(2, 2), Glyph::XPowY},
        {"Command5", "1/x", "Inverse", upper(2, 3)},
        {"pi", "π", "3.1415927", upper(2, 4), Glyph::None, true},

        {"Bpo", "(", "", upper(3, 0), Glyph::None, true},
        {"bpf", ")", "", upper(3, 1), Glyph::None, true},
        {"ANS", "ANS", "Dernière réponse", upper(3, 2)},
        {"EFFACE", "←", "Effacer dernier caractère", upper(3, 3), Glyph::None, true},
        {"RAZ", "AC", "Tout effacer", upper(3, 4)},

        {"kilo", "k", "kilo", prefix(0, 0)},
        {"mega", "M", "Méga", prefix(0, 1)},
        {"giga", "G", "Giga", prefix(0, 2)},
        {"tera", "T", "Téra", prefix(0, 3)},
        {"mil", "m", "milli", prefix(1, 0)},
        {"micro", "µ", "micro", prefix(1, 1)},
        {"nano", "n", "nano", prefix(1, 2)},
        {"pico", "p", "pico", prefix(1, 3)},

        {"Command1", "M+", "Ajouter à la méoire", memory(0)},
        {"Command2", "M-", "Soustraire à la mémoire", memory(1)},
        {"Command3", "RM", "Rappel mémoire", memory(2)},
        {"Command4", "CM", "Effacer la mémoire", memory(3)},

        {"Bpoint", ".", "", keypad(3, 1), Glyph::None, true},
        {"BtoEXP", "EXP", "x 10ª", keypad(3, 2)},

        {"multip", "x", "", oper(0, 0), Glyph::None, true},
        {"div", "÷", "", oper(0, 1), Glyph::None, true},
        {"plus", "+", "", oper(1, 0), Glyph::None, true},
        {"moins", "-", "", oper(1, 1), Glyph::None, true},
        {"EXE", "EXE", "Calculer", {211, 355, 82, 60}},
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
