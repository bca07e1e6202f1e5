#include "exchange/exportdialog.h"
#include "exchange/tables.h"
#include "appfixture.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

using namespace orbane;
using orbane::exchange::ExportDialog;
using ExportTest = orbane::test::AppFixture;

TEST_F(ExportTest, PositionsOfThePhotographsGoToAFileAndTheClipboard)
{
    w->sim().TextN_Change(2, QStringLiteral("6"));
    w->sim().TextN_Change(3, QStringLiteral("0"));
    w->sim().voxvoy();
    w->sim().Text2_LostFocus();
    w->sim().command12_Click();
    for (int i = 0; i < 12; ++i)
        w->sim().Timer1_Timer();
    ASSERT_GE(w->sim().photoPositions.size(), 2u);

    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<ExportDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QSpinBox *>(QStringLiteral("pas")), nullptr);
        // It describes the three columns it writes, not the flight's nine.
        const QString columns = dialog->findChild<QLabel *>(QStringLiteral("colonnes"))->text();
        EXPECT_TRUE(columns.contains(QStringLiteral("t (s), x et y (m)"))) << columns.toStdString();
        EXPECT_FALSE(columns.contains(QStringLiteral("vx")));
        dialog->findChild<QRadioButton *>(QStringLiteral("point"))->click();
        const QString path = dir.file(QStringLiteral("positions.txt"));
        dialog->setSaveChooser([path](QWidget *) { return path; });
        dialog->findChild<QPushButton *>(QStringLiteral("enregistrer"))->click();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("t\tx\ty\r\n0.000\t0.0000\t6.0000\r\n0.300\t0.0000\t5.5590\r\n"));
        dialog->findChild<QRadioButton *>(QStringLiteral("virgule"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("copier"))->click();
        EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
            QStringLiteral("t\tx\ty\n0,000\t0,0000\t6,0000\n0,300\t0,0000\t5,5590\n")));
        checked = true;
        dialog->accept();
    });
    child<QPushButton>("exporterPositions")->click();
    EXPECT_TRUE(checked);

    // Effacer forgets them.
    child<QToolButton>("Command13")->click();
    EXPECT_TRUE(w->sim().photoPositions.empty());
}

TEST_F(ExportTest, WithoutPhotographsThereIsNothingToExport)
{
    QWidget *opened = nullptr;
    QTimer::singleShot(0, [&] {
        opened = QApplication::activeModalWidget();
        if (opened)
            opened->close();
    });
    child<QPushButton>("exporterPositions")->click();
    EXPECT_EQ(opened, nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Exporter les positions"));
    EXPECT_TRUE(dialogs.shown[0].prompt.startsWith(
        QStringLiteral("Aucune chronophotographie n'a été prise")));
    QApplication::processEvents(); // the timer finds no window
}

TEST_F(ExportTest, FlightTableFollowsTheTimeStepAndAFailedSaveSaysSo)
{
    ExportDialog dialog(
        w.get(), QStringLiteral("Exporter les valeurs"),
        [this](int stepMs) { return exchange::flightTable(w->sim().flight(), stepMs / 1000.0); },
        dialogs, 300);
    EXPECT_EQ(dialog.stepMs(), 300);
    const QStringList rows = dialog.table(QStringLiteral("\n")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The default throw flies 2.98 s: 0 to 2.7 s every 0.3 s, then the landing.
    EXPECT_EQ(rows.size(), 1 + 10 + 1);
    EXPECT_TRUE(rows.last().startsWith(QStringLiteral("2,983\t")));

    EXPECT_FALSE(dialog.save(dir.file(QStringLiteral("no/such/folder/vol.txt"))));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Exporter les valeurs"));
    EXPECT_TRUE(dialogs.shown[0].prompt.contains(QStringLiteral("no/such/folder/vol.txt")));

    // A disk that fills up part-way, or a final renaming that fails: the older table stays.
    const QString file = dir.file(QStringLiteral("vol.txt"));
    ASSERT_TRUE(dialog.save(file));
    const QByteArray old = test::bytesOf(file);
    dialog.findChild<QRadioButton *>(QStringLiteral("point"))->click();
    for (const int renameError : {0, EIO}) {
        test::FaultyDisk disk;
        disk.room = renameError ? -1 : 50;
        disk.renameError = renameError;
        saving::UseDisk use(disk);
        EXPECT_FALSE(dialog.save(file));
        EXPECT_TRUE(dialogs.shown.back().prompt.endsWith(
            renameError ? QStringLiteral("du support.") : QStringLiteral("le disque est plein.")));
        EXPECT_EQ(test::bytesOf(file), old);
    }
    EXPECT_EQ(dialogs.shown.size(), 3u);
}
