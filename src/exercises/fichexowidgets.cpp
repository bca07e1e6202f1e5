#include "exercises/fichexowidgets.h"

#include "exercises/exercisearchive.h"

#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

namespace orbane::exercises {

TitleBand::TitleBand(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setObjectName(QStringLiteral("tito"));
    setFixedHeight(52);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(p);
}

void TitleBand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setPointSize(24);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int n = int(m_text.size());
    const int top = (height() - metrics.height()) / 2 - 2;
    int x = 30;
    for (int k = 1; k <= n; ++k) {
        const QString letter = m_text.mid(k - 1, 1);
        painter.setPen(QColor(255, 255, letterBlue(k, n)));
        painter.drawText(x, top + metrics.ascent(), letter);
        x += metrics.horizontalAdvance(letter);
    }
}

ExerciseFileList::ExerciseFileList(QWidget *parent)
    : config::FileList(parent, {QStringLiteral(".E20"), archiveSuffix()})
{
    connect(this, &config::FileList::fileDoubleClicked, this, &ExerciseFileList::fileOpened);
}

void ExerciseFileList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !fileName().isEmpty()) {
        emit fileOpened(fileName());
        event->accept();
        return;
    }
    config::FileList::keyPressEvent(event);
}

QPixmap markPicture(bool lit)
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 10.0 : 4.2;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(11 + r * std::cos(a), 11 + r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(lit ? QColor(160, 90, 0) : QColor(60, 60, 60), 1));
    p.setBrush(lit ? QColor(255, 200, 0) : QColor(90, 90, 90));
    p.drawPath(star);
    return pixmap;
}

} // namespace orbane::exercises
