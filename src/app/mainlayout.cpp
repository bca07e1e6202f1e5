// Where the main window's parts stand: design positions in twips (15 per pixel).
#include "app/backdrop.h"
#include "app/feuillep.h"
#include "app/hintline.h"
#include "app/hints.h"
#include "app/panels.h"
#include "app/scenepane.h"
#include "app/scenewidget.h"
#include "app/smallwidgets.h"
#include "app/tabstrip.h"
#include "app/toolbar.h"
#include "core/units.h"
#include "graphs/graphpanel.h"
#include "platform/accessibility.h"

#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

namespace orbane {

namespace {
// The column of the tab strip, hint line and text box stands right of the scene's scroll bar,
// keeping equal margins.
constexpr int kRightColumnShift = 7; // pixels

QRect rightColumn(int left, int top, int width, int height)
{
    return twips::toPixels(left, top, width, height).translated(kRightColumnShift, 0);
}

} // namespace

void FeuilleP::buildTabs()
{
    m_onglets = new TabStrip(centralWidget());
    m_onglets->setGeometry(rightColumn(6360, 720, 5415, 3375));
    const PanelContext context{m_sim, *m_hints, *m_chooser};
    auto *parameters = new ParametersPanel(context, m_onglets);
    connect(parameters, &ParametersPanel::refreshRequested, this, &FeuilleP::refresh);
    auto *display = new DisplayPanel(context, m_onglets);
    auto *vectors = new VectorsPanel(context, m_onglets);
    m_chronoPanel = new ChronoPanel(context, m_onglets);
    m_panels = {parameters, display, vectors, m_chronoPanel};
    m_frame1 = new graphs::GraphPanel(m_sim, m_onglets);
    for (int tab = 1; tab <= 4; ++tab)
        m_onglets->setPanel(tab, m_panels[tab - 1]);
    m_onglets->setPanel(5, m_frame1);
}

void FeuilleP::buildBottom()
{
    m_btexo = new QToolButton(centralWidget());
    m_btexo->setObjectName(QStringLiteral("btexo"));
    m_btexo->setIcon(QIcon(QStringLiteral(":/icons/exercices.png")));
    m_btexo->setIconSize(QSize(32, 32));
    m_btexo->setToolTip(QStringLiteral("Exercices"));
    m_btexo->setAccessibleName(QStringLiteral("Exercices"));
    m_btexo->setGeometry(rightColumn(6600, 4200, 615, 495));
    m_hints->add(m_btexo, QStringLiteral("Ouvrir un énoncé, enregistrer le texte, obtenir la "
                                         "correction, imprimer ou fermer."));

    m_info = new HintLine(centralWidget());
    m_info->setGeometry(rightColumn(7680, 4200, 3495, 495));
    m_info->setWordWrap(true);
    m_info->setFont(QFont(QStringLiteral("Arial"), 8));
    m_info->setFrameStyle(QFrame::Box | QFrame::Plain);
    // The system's tool-tip colours: a label paints with the window roles, so they take the
    // tool-tip palette's tool-tip roles.
    const QPalette tips = QToolTip::palette();
    paintIn(m_info, tips.color(QPalette::Inactive, QPalette::ToolTipText),
            tips.color(QPalette::Inactive, QPalette::ToolTipBase));

    m_fich = new QLineEdit(centralWidget());
    m_fich->setObjectName(QStringLiteral("fich"));
    m_fich->setGeometry(rightColumn(6360, 4800, 5415, 285));
    m_fich->setReadOnly(true);
    m_fich->setFrame(false);
    paintIn(m_fich, Qt::white, QColor(128, 0, 0));
    m_fich->setAccessibleName(QStringLiteral("Fichier de l'exercice"));

    m_supertext = new QTextEdit(centralWidget());
    m_supertext->setObjectName(QStringLiteral("supertext"));
    m_supertext->setGeometry(rightColumn(6360, 5085, 5415, 3090));
    m_supertext->setAccessibleName(QStringLiteral("Texte de l'exercice"));
    nameScrollBars(m_supertext, QStringLiteral("Faire défiler le texte"));

    auto *backdrop = static_cast<Backdrop *>(centralWidget());
    backdrop->shadowOf = QRect(QPoint(m_supertext->x(), m_fich->y()),
                               QPoint(m_supertext->geometry().right(),
                                      m_supertext->geometry().bottom()));
    const QWidget *scene = m_scene->scene();
    backdrop->animationTitle = QPoint(scene->x() + 50, m_scene->frame()->geometry().bottom() + 1 + 3);
}

} // namespace orbane
