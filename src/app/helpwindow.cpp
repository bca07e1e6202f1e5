#include "app/helpwindow.h"

#include "core/regularfile.h"
#include "core/services.h"
#include "platform/accessibility.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

namespace orbane {

namespace {

const char kWindowName[] = "aide";

QPushButton *button(const QString &name, const QString &caption, QStyle::StandardPixmap icon,
                    QWidget *parent)
{
    auto *b = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// The help window already open for this parent, if any, so that "&Aide" never piles up
// several copies.
HelpWindow *openWindow(QWidget *parent)
{
    const QString name = QString::fromLatin1(kWindowName);
    if (parent)
        return parent->findChild<HelpWindow *>(name, Qt::FindDirectChildrenOnly);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *help = qobject_cast<HelpWindow *>(w);
            help && !help->parentWidget() && help->objectName() == name)
            return help;
    return nullptr;
}

// Pages and pictures over this size are not help files.
constexpr qint64 kMaxHelpFile = 16 * 1024 * 1024;

// Reads local pages and pictures as regular files only: a pipe or a device put in their place
// would hold the window for good.
class HelpBrowser final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (!url.isLocalFile())
            return QTextBrowser::loadResource(type, name);
        // Empty rather than invalid: the document would then open the file itself.
        return QVariant(files::readAll(url.toLocalFile(), kMaxHelpFile).data);
    }
};

// A little right of the scene, which ends 417 pixels from the main window's left edge.
constexpr int kSceneRight = 430;

// Right of the main window's scene, so that the animation stays in view, and within the
// screen (which may push it back over the scene on a small screen).
void placeBeside(QWidget *help, const QWidget *parent)
{
    const QRect main = parent->frameGeometry();
    QPoint at(main.left() + kSceneRight, main.top() + 40);
    if (const QScreen *screen = parent->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(),
                           std::max(area.left(), area.right() + 1 - help->width())));
        at.setY(std::clamp(at.y(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - help->height())));
    }
    help->move(at);
}

} // namespace

HelpWindow::HelpWindow(const QString &helpFile, QWidget *parent)
    : QWidget(parent, Qt::Window), m_contents(QUrl::fromLocalFile(helpFile))
{
    m_contents.setFragment(contentsAnchor());
    setObjectName(QString::fromLatin1(kWindowName));
    setWindowTitle(QStringLiteral("Aide - Orbane 1S"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(600, 560);

    m_sommaire = button(QStringLiteral("sommaire"), QStringLiteral("&Sommaire"),
                        QStyle::SP_FileDialogContentsView, this);
    m_sommaire->setToolTip(QStringLiteral("Revenir au sommaire de l'aide"));
    m_precedent = button(QStringLiteral("precedent"), QStringLiteral("&Précédent"),
                         QStyle::SP_ArrowBack, this);
    m_precedent->setToolTip(QStringLiteral("Revenir à la rubrique consultée avant"));
    m_suivant = button(QStringLiteral("suivant"), QStringLiteral("S&uivant"),
                       QStyle::SP_ArrowForward, this);
    m_suivant->setToolTip(QStringLiteral("Aller à la rubrique consultée après"));
    m_fermer = button(QStringLiteral("fermer"), QStringLiteral("&Fermer"),
                      QStyle::SP_DialogCloseButton, this);
    m_fermer->setToolTip(QStringLiteral("Fermer l'aide"));
    m_precedent->setEnabled(false);
    m_suivant->setEnabled(false);
    m_recherche = new QLineEdit(this);
    m_recherche->setObjectName(QStringLiteral("recherche"));
    m_recherche->setPlaceholderText(QStringLiteral("Rechercher"));
    m_recherche->setAccessibleName(QStringLiteral("Rechercher dans l'aide"));
    m_recherche->setToolTip(
        QStringLiteral("Taper un mot puis Entrée : l'endroit suivant où il figure"));
    m_recherche->setClearButtonEnabled(true);
    m_introuvable = new QLabel(this);
    m_introuvable->setObjectName(QStringLiteral("introuvable"));

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("navigateur"));
    m_browser->setAccessibleName(QStringLiteral("Texte de l'aide"));
    nameScrollBars(m_browser, QStringLiteral("Faire défiler l'aide"));
    m_browser->setOpenExternalLinks(true); // web links go to the desktop's browser

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_sommaire);
    buttons->addWidget(m_precedent);
    buttons->addWidget(m_suivant);
    buttons->addStretch();
    buttons->addWidget(m_recherche);
    buttons->addWidget(m_fermer);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_introuvable);
    layout->addWidget(m_browser);
    m_introuvable->hide();

    connect(m_sommaire, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_precedent, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_suivant, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_precedent, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_suivant, &QWidget::setEnabled);
    connect(m_recherche, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, m_recherche, [this] { m_recherche->setFocus(); });

    m_browser->setSource(m_contents);
    m_browser->setFocus();
}

QString HelpWindow::helpPath(const QString &programDir)
{
    return QDir(programDir).filePath(QStringLiteral("ZEPH.html"));
}

QString HelpWindow::contentsAnchor()
{
    return QStringLiteral("sommaire");
}

void HelpWindow::showContents()
{
    if (m_browser->source() == m_contents)
        m_browser->scrollToAnchor(contentsAnchor());
    else
        m_browser->setSource(m_contents);
}

bool HelpWindow::findNext()
{
    const QString words = m_recherche->text().simplified();
    if (words.isEmpty())
        return false;
    bool found = m_browser->find(words);
    if (!found) {
        QTextCursor top = m_browser->textCursor();
        top.movePosition(QTextCursor::Start);
        m_browser->setTextCursor(top);
        found = m_browser->find(words);
    }
    m_introuvable->setText(found ? QString()
                                 : QStringLiteral("« %1 » ne figure pas dans l'aide.").arg(words));
    m_introuvable->setVisible(!found);
    return found;
}

bool openHelp(QWidget *parent, const QString &programDir, Dialogs &dialogs)
{
    const QString path = HelpWindow::helpPath(programDir);
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        dialogs.message(
            QStringLiteral("Le fichier %1 est introuvable ou illisible.\nL'aide doit se trouver "
                           "dans le même répertoire que l'application.")
                .arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Aide"), MsgIcon::Exclamation);
        return false;
    }
    HelpWindow *help = openWindow(parent);
    if (!help) {
        help = new HelpWindow(path, parent);
        if (parent)
            placeBeside(help, parent);
    } else {
        help->showContents();
    }
    help->show();
    help->raise();
    help->activateWindow();
    return true;
}

} // namespace orbane
