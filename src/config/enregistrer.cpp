#include "config/enregistrer.h"

#include "config/configsession.h"
#include "config/configwriter.h"
#include "config/filelists.h"
#include "config/savename.h"
#include "core/diskerror.h"
#include "core/saveplace.h"
#include "core/simulation.h"
#include "platform/dialogparts.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orbane::config {

void placeBesideMainWindow(QWidget *window, const QWidget *mainWindow)
{
    if (mainWindow)
        window->move(mainWindow->pos() + QPoint(20, 20));
}

Enregistrer::Enregistrer(Simulation &sim, ConfigSession &session, Dialogs &dialogs,
                         QWidget *mainWindow)
    : QDialog(mainWindow), m_sim(sim), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("enregistrer"));
    setWindowTitle(QStringLiteral("Enregistrer les paramètres."));
    setModal(true);

    m_lists = makeFileLists(this);
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_command1 = commandButton(QStringLiteral("Command1"), QStringLiteral("ENREGISTRER"), this);
    m_command2 = commandButton(QStringLiteral("Command2"), QStringLiteral("ANNULER"), this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(caption(QStringLiteral("Nom du fichier:"), m_text1, this), 0, 0);
    grid->addWidget(m_text1, 1, 0);
    grid->addWidget(caption(QStringLiteral("Fichiers enregistrés"), m_lists.file, this), 2, 0);
    grid->addWidget(m_lists.file, 3, 0, 3, 1);
    grid->addWidget(caption(QStringLiteral("Répertoire:"), m_lists.dir, this), 0, 1);
    grid->addWidget(m_lists.dir, 1, 1, 3, 1);
    grid->addWidget(caption(QStringLiteral("Lecteur:"), m_lists.drive, this), 4, 1);
    grid->addWidget(m_lists.drive, 5, 1);
    grid->addLayout(buttonRow({m_lists.home, m_lists.documents}), 6, 1);
    grid->addLayout(buttonRow({m_command1, m_command2}), 7, 0, 1, 2);
    grid->setRowStretch(3, 1);
    resize(520, 340);

    openFileLists(m_lists, SavePlace::shared().folder());
    m_text1->setText(m_session.saveName());
    placeBesideMainWindow(this, mainWindow);

    connect(m_lists.file, &FileList::pathChanged, this, &Enregistrer::File1_PathChange);
    connect(m_lists.file, &FileList::fileDoubleClicked, this, &Enregistrer::File1_DblClick);
    connect(m_text1, &QLineEdit::returnPressed, this, &Enregistrer::Command1_Click);
    connect(m_command1, &QPushButton::clicked, this, &Enregistrer::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
}

// A new folder keeps only the file name of a typed path, so the file goes to that folder.
void Enregistrer::File1_PathChange()
{
    const QString text = m_text1->text();
    const qsizetype cut = text.lastIndexOf(QLatin1Char('/'));
    if (cut >= 0)
        m_text1->setText(text.mid(cut + 1));
}

void Enregistrer::File1_DblClick(const QString &name)
{
    m_text1->setText(name);
    Command1_Click();
}

void Enregistrer::restorePointer()
{
    unsetCursor();
}

void Enregistrer::Command1_Click()
{
    setCursor(Qt::WaitCursor);
    const auto path = savePath(m_text1->text(), m_lists.file->path());
    if (!path) {
        m_text1->setText(m_text1->text().trimmed());
        m_dialogs.message(QStringLiteral("Il faut donner un nom au fichier!"),
                          QStringLiteral("Enregistrement impossible"), MsgIcon::Critical);
        restorePointer();
        return;
    }
    const QString target = existingSpelling(*path);
    m_text1->setText(target);
    m_session.setFichconfig(target);
    m_session.setCurrentFolder(m_lists.file->path());

    if (QFileInfo(target).isFile() &&
        m_dialogs.message(QStringLiteral("Ecraser le fichier existant?"),
                          QStringLiteral("Ce fichier existe déjà!"), MsgIcon::Exclamation,
                          MsgButtons::YesNo) != MsgAnswer::Yes) {
        restorePointer();
        return;
    }
    if (const WriteResult written = writeConfig(target, m_sim.c); !written.ok) {
        m_dialogs.message(files::explained(QStringLiteral("Ecriture impossible sur disque"),
                                           target, written.reason),
                          QStringLiteral("Enregistrement impossible"), MsgIcon::Critical);
        restorePointer();
        return;
    }
    m_session.markSaved(target);
    // The folder the lists show, as for the open window: a path typed in the box is a one-off.
    SavePlace::shared().savedIn(m_session.currentFolder());
    m_session.announceTitle(target);
    restorePointer();
    accept();
}

} // namespace orbane::config
