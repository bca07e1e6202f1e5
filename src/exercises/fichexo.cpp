#include "exercises/fichexo.h"

#include "config/configsession.h"
#include "config/filelists.h"
#include "core/simulation.h"
#include "exercises/exercisecommands.h"
#include "exercises/exercisepaths.h"
#include "exercises/fichexowidgets.h"
#include "platform/dialogparts.h"

#include <QBoxLayout>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace orbane::exercises {

namespace {

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QToolButton *pictureButton(const char *name, QStyle::StandardPixmap picture, const QString &tip,
                           QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(parent->style()->standardIcon(picture));
    b->setIconSize(QSize(40, 40));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setAutoRaise(true);
    return b;
}

QFont boldFont(const QFont &base, int points)
{
    QFont f = base;
    f.setBold(true);
    f.setPointSize(points);
    return f;
}

} // namespace

Fichexo::Fichexo(ExerciseCommands &commands, QWidget *mainWindow)
    : QDialog(mainWindow), m_commands(commands)
{
    setObjectName(QStringLiteral("Fichexo"));
    setModal(true);
    m_tito = new TitleBand(QStringLiteral("Ouvrir un exercice"), this);
    buildList();
    buildPreview();

    auto *body = new QHBoxLayout;
    body->addWidget(m_frame1, 0);
    body->addWidget(m_previewPanel, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tito);
    layout->addLayout(body, 1);
    layout->addWidget(m_fichierexo);

    m_frame2 = new QFrame(this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_frame2->setAutoFillBackground(true);
    auto *waiting = new QVBoxLayout(m_frame2);
    waiting->addWidget(new QLabel(QStringLiteral("Patienter quelques instants"), m_frame2));
    waiting->addWidget(new QLabel(QStringLiteral(" Chargement des fichiers"), m_frame2));
    m_frame2->adjustSize();
    m_frame2->hide();

    coverMainWindow(mainWindow);
    apercu();
    showFolder(commands.programDir());
}

void Fichexo::buildList()
{
    m_frame1 = new QFrame(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_frame1->setFixedWidth(280);
    m_drive1 = new config::DriveList(m_frame1);
    m_dir1 = new config::FolderList(m_frame1);
    m_file1 = new ExerciseFileList(m_frame1);
    auto *list = new QVBoxLayout(m_frame1);
    QLabel *title = label("Label5", QStringLiteral("Liste des exercices:"), m_frame1);
    title->setBuddy(m_file1);
    list->addWidget(title);
    // Screen readers name the drive list by its label.
    auto *driveRow = new QHBoxLayout;
    QLabel *drive = label("Label6", QStringLiteral("Lecteur :"), m_frame1);
    drive->setBuddy(m_drive1);
    driveRow->addWidget(drive);
    driveRow->addWidget(m_drive1, 1);
    list->addLayout(driveRow);
    list->addWidget(m_dir1, 1);
    list->addWidget(m_file1, 2);

    m_fichierexo = new QLineEdit(this);
    m_fichierexo->setObjectName(QStringLiteral("fichierexo"));
    m_fichierexo->setAccessibleName(QStringLiteral("Exercice choisi"));
    m_fichierexo->setReadOnly(true);

    connect(m_drive1, &config::DriveList::driveChosen, this, [this] { followDrive(); });
    connect(m_dir1, &config::FolderList::pathChanged, this, &Fichexo::listFolder);
    connect(m_file1, &ExerciseFileList::fileClicked, this, &Fichexo::File1_Click);
    connect(m_file1, &ExerciseFileList::fileOpened, this, [this](const QString &name) {
        File1_Click(name);
        ouvreur_Click();
    });
}

void Fichexo::buildPreview()
{
    m_previewPanel = new QWidget(this);
    m_titratexo = label("titratexo", QString(), m_previewPanel);
    m_titratexo->setFont(boldFont(font(), 16));
    m_titratexo->setWordWrap(true);
    m_titratexo->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    m_intratro = label("intratro", QStringLiteral("Sélectionner un fichier"), m_previewPanel);
    m_intratro->setAlignment(Qt::AlignCenter);
    m_intratro->setFont(boldFont(font(), 12));

    m_label4 = label("Label4", QStringLiteral("Niveau de difficulté :"), m_previewPanel);
    auto *marks = new QHBoxLayout;
    marks->addWidget(m_label4);
    for (int i = 0; i < 3; ++i) {
        // A control array: each mark has the array's name and its index.
        m_image4[i] = label("Image4", QString(), m_previewPanel);
        m_image4[i]->setProperty("index", i);
        marks->addWidget(m_image4[i]);
    }
    marks->addStretch();

    // The correction status over its shadow, 2 pixels right and down.
    auto *status = new QWidget(m_previewPanel);
    status->setFixedHeight(30);
    m_label3 = label("Label3", QString(), status);
    m_label2 = label("Label2", QString(), status);
    for (QLabel *l : {m_label3, m_label2})
        l->setFont(boldFont(font(), 14));
    m_label2->setStyleSheet(QStringLiteral("color: rgb(0, 0, 200);"));
    m_label3->setStyleSheet(QStringLiteral("color: rgb(150, 150, 150);"));
    m_label2->move(0, 0);
    m_label3->move(m_label2->pos() + QPoint(2, 2));

    m_label1 = label("Label1", QStringLiteral("Notions abordées :"), m_previewPanel);
    m_text1 = new QPlainTextEdit(m_previewPanel);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setMaximumHeight(110); // four notion lines

    m_ouvreur = pictureButton("ouvreur", QStyle::SP_DialogOpenButton,
                              QStringLiteral("Ouvrir l'exercice sélectionné"), m_previewPanel);
    m_image5 = pictureButton("Image5", QStyle::SP_DialogCloseButton,
                             QStringLiteral("Fermer sans charger d'exercice"), m_previewPanel);
    connect(m_ouvreur, &QToolButton::clicked, this, &Fichexo::ouvreur_Click);
    connect(m_image5, &QToolButton::clicked, this, &QDialog::reject);

    auto *preview = new QVBoxLayout(m_previewPanel);
    preview->setContentsMargins(16, 12, 16, 8);
    preview->addWidget(m_titratexo);
    preview->addWidget(m_intratro, 1);
    preview->addLayout(marks);
    preview->addWidget(status);
    preview->addWidget(m_label1);
    preview->addWidget(m_text1);
    preview->addStretch(1);
    preview->addLayout(buttonRow({m_ouvreur, m_image5}));
}

void Fichexo::coverMainWindow(QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    setWindowTitle(mainWindow->windowTitle());
    setWindowIcon(mainWindow->windowIcon());
    setGeometry(mainWindow->geometry());
    setWindowState(mainWindow->windowState());
}

void Fichexo::showFolder(const QString &folder)
{
    if (!m_dir1->setPath(folder))
        return;
    m_drive1->setDriveOf(m_dir1->path());
    listFolder(m_dir1->path());
}

void Fichexo::followDrive()
{
    // A drive that cannot be read leaves both lists on the previous folder.
    m_dir1->setPath(m_drive1->drive());
    m_drive1->setDriveOf(m_dir1->path());
    listFolder(m_dir1->path());
}

// The selection follows the folder: its first exercise once the window is up, or nothing (an
// empty folder previews nothing and opening does nothing).
void Fichexo::listFolder(const QString &folder)
{
    m_file1->setPath(folder);
    if (m_activated && m_file1->count() > 0) {
        m_file1->setCurrentRow(0); // runs the file click
        return;
    }
    m_fichierexo->clear();
    apercu();
}

QString Fichexo::fichierexo() const { return m_fichierexo->text(); }

void Fichexo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    if (m_file1->count() > 0) {
        m_file1->setCurrentRow(0); // runs the file click
        m_file1->setFocus();
    }
}

void Fichexo::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_frame2->move((width() - m_frame2->width()) / 2, (height() - m_frame2->height()) / 2);
}

void Fichexo::File1_Click(const QString &name)
{
    const QString folder = withSeparator(m_file1->path());
    m_commands.session().setCurrentFolder(m_file1->path());
    m_commands.simulation().setNomexo(folder);
    m_fichierexo->setText(folder + name);
    apercu();
}

void Fichexo::apercu()
{
    m_text1->clear();
    for (QLabel *mark : m_image4)
        mark->hide();
    m_label4->hide();
    m_ouvreur->hide();
    const Preview p = exercises::apercu(fichierexo());
    const bool chosen = p.state != Preview::State::Blank;
    m_intratro->setVisible(!chosen);
    for (QWidget *w : {static_cast<QWidget *>(m_label1), static_cast<QWidget *>(m_label2),
                       static_cast<QWidget *>(m_label3), static_cast<QWidget *>(m_text1)})
        w->setVisible(chosen);
    if (!chosen) {
        m_titratexo->clear();
        return;
    }
    m_label4->show();
    m_ouvreur->show();
    if (p.state == Preview::State::Unreadable) {
        m_label2->clear();
        m_label3->clear();
        m_titratexo->clear();
        m_commands.unreadableExercise(p.refusal);
        return;
    }
    m_label2->setText(p.status);
    m_label3->setText(p.status);
    m_label2->adjustSize();
    m_label3->adjustSize();
    for (int i = 0; i < 3; ++i) {
        m_image4[i]->setPixmap(markPicture(p.markLit(i)));
        m_image4[i]->setProperty("lit", p.markLit(i));
        m_image4[i]->show();
    }
    m_text1->setPlainText(p.notions);
    m_titratexo->setText(p.title);
}

void Fichexo::showWaiting(bool on)
{
    m_frame2->setVisible(on);
    m_frame2->raise();
    if (on)
        m_frame2->repaint();
}

void Fichexo::ouvreur_Click()
{
    if (fichierexo().trimmed().isEmpty())
        return;
    showWaiting(true);
    const bool opened = m_commands.ouvreur(fichierexo());
    showWaiting(false);
    if (opened)
        accept();
}

} // namespace orbane::exercises
