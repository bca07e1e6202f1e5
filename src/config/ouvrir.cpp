#include "config/ouvrir.h"

#include "config/configloader.h"
#include "config/configsession.h"
#include "config/enregistrer.h"
#include "config/filelists.h"
#include "platform/dialogparts.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace orbane::config {

namespace {

QFrame *patienceFrame(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    auto *picture = new QLabel(frame);
    picture->setPixmap(parent->style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32));
    auto *text = new QLabel(QStringLiteral("Patience: chargement du fichier"), frame);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    auto *row = new QHBoxLayout(frame);
    row->addWidget(picture);
    row->addWidget(text, 1);
    frame->hide();
    return frame;
}

} // namespace

Ouvrir::Ouvrir(Simulation &sim, ConfigSession &session, Dialogs &dialogs, QWidget *mainWindow)
    : QDialog(mainWindow), m_sim(sim), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ouvrir"));
    setWindowTitle(QStringLiteral("Ouvrir une configuration"));
    setModal(true);

    m_lists = makeFileLists(this);
    m_ficharge = new QLineEdit(this);
    m_ficharge->setObjectName(QStringLiteral("ficharge"));
    m_ficharge->setAccessibleName(QStringLiteral("Fichier à ouvrir"));
    m_frame1 = patienceFrame(this);
    m_command1 = commandButton(QStringLiteral("Command1"), QStringLiteral("OUVRIR"), this);
    m_command2 = commandButton(QStringLiteral("Command2"), QStringLiteral("ANNULER"), this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(caption(QStringLiteral("Fichiers"), m_lists.file, this), 0, 0);
    grid->addWidget(m_lists.file, 1, 0, 3, 1);
    grid->addWidget(caption(QStringLiteral("Répertoire"), m_lists.dir, this), 0, 1);
    grid->addWidget(m_lists.dir, 1, 1);
    grid->addWidget(caption(QStringLiteral("Lecteur:"), m_lists.drive, this), 2, 1);
    grid->addWidget(m_lists.drive, 3, 1);
    grid->addLayout(buttonRow({m_lists.home, m_lists.documents}), 4, 1);
    grid->addWidget(m_ficharge, 5, 0, 1, 2);
    grid->addWidget(m_frame1, 6, 0, 1, 2);
    grid->addLayout(buttonRow({m_command1, m_command2}), 7, 0, 1, 2);
    grid->setRowStretch(1, 1);
    resize(520, 360);

    openFileLists(m_lists, m_session.currentFolder());
    placeBesideMainWindow(this, mainWindow);

    connect(m_lists.file, &FileList::fileClicked, this, &Ouvrir::File1_Click);
    connect(m_lists.file, &FileList::fileDoubleClicked, this, [this](const QString &name) {
        File1_Click(name);
        Command1_Click();
    });
    connect(m_command1, &QPushButton::clicked, this, &Ouvrir::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
}

void Ouvrir::File1_Click(const QString &name)
{
    QString folder = m_lists.file->path();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    m_ficharge->setText(folder + name);
    m_session.setCurrentFolder(m_lists.file->path());
}

void Ouvrir::Command1_Click()
{
    const QString typed = m_ficharge->text().trimmed();
    if (typed.isEmpty())
        return;
    const QString path =
        QDir::cleanPath(QDir(m_session.currentFolder()).absoluteFilePath(typed));
    m_session.setFichconfig(path);
    if (!QFileInfo(path).isFile()) {
        m_dialogs.message(QStringLiteral("Nom de fichier incorrect ou chemin non valide"),
                          QStringLiteral("impossible d'ouvrir ce fichier"), MsgIcon::Critical);
        return;
    }
    m_frame1->show();
    repaint();
    const LoadResult result = m_session.chargeconfig(m_sim, path, m_dialogs);
    done(result.ok() ? Accepted : Rejected);
}

} // namespace orbane::config
