#include "calc/machine.h"

#include "calc/keytable.h"

#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace orbane::calc {

namespace {

constexpr int kWidth = 302;
constexpr int kHeight = 430;
constexpr int kDisplayPointSize = 12;
constexpr int kDisplayMinPointSize = 7;

// A formula key face: a base and a raised exponent, e.g. "e" and "x".
QIcon glyphIcon(Glyph glyph)
{
    struct Face
    {
        const char *base, *exponent;
    };
    static const Face faces[] = {{"", ""}, {"e", "x"}, {"10", "x"}, {"x", "y"}, {"x", "2"}};
    const Face &face = faces[int(glyph)];

    QPixmap pixmap(40, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QFont base(QStringLiteral("Arial"), 10, QFont::Bold);
    QFont raised(QStringLiteral("Arial"), 7, QFont::Bold);
    const QString b = QString::fromLatin1(face.base), e = QString::fromLatin1(face.exponent);
    const int baseWidth = QFontMetrics(base).horizontalAdvance(b);
    const int total = baseWidth + QFontMetrics(raised).horizontalAdvance(e);
    const int x = (pixmap.width() - total) / 2;
    p.setPen(Qt::black);
    p.setFont(base);
    p.drawText(x, 18, b);
    p.setFont(raised);
    p.drawText(x + baseWidth + 1, 10, e);
    return QIcon(pixmap);
}

// The name a screen reader says for a key: its caption, or words where the face is a symbol
// or a drawn formula. The tool tip, when there is one, is its description.
QString spokenName(const KeyDef &key)
{
    static const QHash<QString, QString> words = {
        {QStringLiteral("Bexp"), QStringLiteral("e puissance x")},
        {QStringLiteral("B10x"), QStringLiteral("10 puissance x")},
        {QStringLiteral("btcarre"), QStringLiteral("x au carré")},
        {QStringLiteral("puissance"), QStringLiteral("x puissance y")},
        {QStringLiteral("racine"), QStringLiteral("Racine carrée")},
        {QStringLiteral("pi"), QStringLiteral("Pi")},
        {QStringLiteral("EFFACE"), QStringLiteral("Effacer le dernier caractère")},
        {QStringLiteral("multip"), QStringLiteral("Multiplier")},
        {QStringLiteral("div"), QStringLiteral("Diviser")},
        {QStringLiteral("plus"), QStringLiteral("Plus")},
        {QStringLiteral("moins"), QStringLiteral("Moins")},
        {QStringLiteral("Bpoint"), QStringLiteral("Point décimal")},
        {QStringLiteral("Bpo"), QStringLiteral("Parenthèse ouvrante")},
        {QStringLiteral("bpf"), QStringLiteral("Parenthèse fermante")},
    };
    return words.value(key.name, QString(key.caption).remove(QLatin1Char('&')));
}

// One option of a frame, on the line at y.
QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, int y)
{
    auto *button = new QRadioButton(caption, frame);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(10, y, std::min(button->sizeHint().width(), frame->width() - 16), 19);
    return button;
}

} // namespace

Machine::Machine(QWidget *parent, const Services &services) : QDialog(parent), m_model(services)
{
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(texts::titre);
    setModal(true);
    setFixedSize(kWidth, kHeight);
    setFont(QFont(QStringLiteral("Arial"), 8));

    buildDisplay();
    buildOptions();
    buildKeys();
    m_model.setDisplayListener([this](const QString &text) { showText(text); });
}

void Machine::buildDisplay()
{
    m_z1 = new QLineEdit(this);
    m_z1->setObjectName(QStringLiteral("z1"));
    m_z1->setAccessibleName(QStringLiteral("Affichage de la calculatrice"));
    m_z1->setGeometry(8, 8, 285, 28);
    m_z1->setFont(QFont(QStringLiteral("Arial"), kDisplayPointSize, QFont::Bold));
    m_z1->installEventFilter(this);
    // Only the calculator writes on the display: undo any other edit (paste, delete, drop).
    connect(m_z1, &QLineEdit::textEdited, this, [this] {
        m_z1->setText(m_model.affichage());
        m_z1->end(false);
    });
}

void Machine::buildOptions()
{
    auto *angles = new QGroupBox(QStringLiteral("Angles"), this);
    angles->setObjectName(QStringLiteral("Frame1"));
    angles->setGeometry(8, 40, 140, 58);
    m_angle[0] = option(angles, "angle(0)", QStringLiteral("Degrés"), 16);
    m_angle[1] = option(angles, "angle(1)", QStringLiteral("Radians"), 36);

    auto *display = new QGroupBox(QStringLiteral("Affichage"), this);
    display->setObjectName(QStringLiteral("Frame2"));
    display->setGeometry(153, 40, 140, 58);
    m_c[0] = option(display, "C(0)", QStringLiteral("Scientifique"), 16);
    m_c[1] = option(display, "C(1)", QStringLiteral("Standard"), 36);

    // However an option gets chosen (mouse, keyboard, an accessibility action), its mode
    // follows; the window's own choices at opening are silent.
    for (int i = 0; i < 2; ++i) {
        connect(m_angle[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            m_model.angle_Click(i);
            focusDisplay();
        });
        connect(m_c[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            m_model.C_Click(i);
            focusDisplay();
        });
    }
}

void Machine::buildKeys()
{
    for (const KeyDef &key : keyTable()) {
        auto *button = new QPushButton(key.caption, this);
        button->setObjectName(key.name);
        button->setToolTip(key.tooltip);
        button->setAccessibleName(spokenName(key));
        button->setAccessibleDescription(key.tooltip);
        button->setGeometry(key.geometry);
        // The display keeps the focus, and Enter is EXE rather than a default button.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        if (key.glyph != Glyph::None) {
            button->setIcon(glyphIcon(key.glyph));
            button->setIconSize(QSize(40, 22));
        }
        if (key.large || key.name == QLatin1String("EXE"))
            button->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
        const QString name = key.name;
        connect(button, &QPushButton::clicked, this, [this, name] {
            m_model.press(name);
            focusDisplay();
        });
    }
}

void Machine::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_model.Form_Load();
        const QSignalBlocker b0(m_angle[0]), b1(m_angle[1]), b2(m_c[0]), b3(m_c[1]);
        m_angle[0]->setChecked(true);
        m_c[1]->setChecked(true);
    }
    QDialog::showEvent(event);
    focusDisplay();
}

void Machine::showText(const QString &text)
{
    // The longest message fits on the line in a smaller type; long expressions scroll.
    QFont font = m_z1->font();
    const int room = m_z1->contentsRect().width() - 8;
    for (int size = kDisplayPointSize; size >= kDisplayMinPointSize; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    m_z1->setFont(font);
    m_z1->setText(text);
    focusDisplay();
    // EXE shows its waiting text before a possibly long evaluation: paint it now.
    if (m_z1->isVisible())
        m_z1->repaint();
}

void Machine::focusDisplay()
{
    m_z1->setFocus();
    m_z1->end(false);
}

bool Machine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_z1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    QChar c;
    if (key->key() == Qt::Key_Backspace)
        c = QChar(8);
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        c = QChar(13);
    else if (key->text().size() == 1 && key->text()[0].isPrint())
        c = key->text()[0];
    if (c.isNull())
        return false; // moving the caret, selecting, copying
    m_model.z1_KeyPress(c);
    return true; // other characters do nothing
}

void Machine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int i = 0; i <= 301; ++i) {
        const int b = int(std::nearbyint(200.0 - i / 2.0));
        p.setPen(QColor(b, b + 50, b + 50));
        p.drawLine(i, 0, i, 430);
    }
    p.fillRect(QRect(QPoint(1, 1), QPoint(299, 428)), Qt::white);
    p.setPen(Qt::black);
    p.drawLine(1, 1, 298, 1);
    p.drawLine(1, 1, 1, 426);
    p.fillRect(QRect(QPoint(82, 290), QPoint(206, 422)), Qt::white);
    p.fillRect(kKeypadPanel, QColor(0, 128, 128));
}

} // namespace orbane::calc
