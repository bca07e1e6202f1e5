#include "graphs/quantities.h"

#include <algorithm>

namespace orbane::graphs {

namespace {
const Quantity &quantity(int index)
{
    return kQuantityTable.at(std::size_t(index));
}

QString superscript(const QString &text)
{
    static const QString kDigits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString raised;
    for (QChar c : text)
        raised += c == u'-' ? QChar(0x207B) : c.isDigit() ? kDigits.at(c.digitValue()) : c;
    return raised;
}
} // namespace

Group groupOf(int index)
{
    return quantity(index).group;
}

double value(int index, const Flight &f, double t)
{
    if (index < 0 || index >= kQuantities)
        return 0.0;
    return quantityValue(index, f, t);
}

double sampledValue(int index, const Flight &f, double t)
{
    const int bound = index == kDragWork ? -1 : groupInfo(groupOf(index)).scaledBy;
    return value(bound >= 0 ? bound : index, f, t);
}

QColor colour(int index)
{
    return QColor::fromRgb(quantity(std::clamp(index, 0, kQuantities - 1)).colour);
}

Legend legend(int index)
{
    if (index < 0 || index >= kQuantities)
        return {};
    const Quantity &q = quantity(index);
    const QString t = QString::fromUtf8(q.argument);
    const QString letter = QString::fromUtf8(q.letter);
    if (*q.index == '\0')
        return {letter + t, {}, {}};
    return {letter, QString::fromUtf8(q.index), t};
}

Unit groupUnit(Group group)
{
    const QuantityGroupInfo &info = groupInfo(group);
    return {QString::fromUtf8(info.unit), QString::fromUtf8(info.exponent)};
}

QString symbol(int index)
{
    const Quantity &q = quantity(index);
    return QString::fromUtf8(q.letter) + QString::fromUtf8(q.index);
}

QString unitText(int index)
{
    const Unit unit = groupUnit(groupOf(index));
    // Written as the spoken sentences write it ("m.s⁻¹"): a reader says "m point s" for "m · s".
    return unit.text.trimmed().replace(QStringLiteral(" · "), QStringLiteral(".")) +
           superscript(unit.exponent);
}

Unit unitOf(const Choice &choice)
{
    for (int i = 0; i < kQuantities; ++i)
        if (choice[i])
            return groupUnit(groupOf(i));
    return {};
}

bool anyChecked(const Choice &choice)
{
    return std::any_of(choice.begin(), choice.end(), [](bool b) { return b; });
}

} // namespace orbane::graphs
