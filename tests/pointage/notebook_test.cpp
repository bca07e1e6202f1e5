#include "pointage/measurement.h"
#include "pointage/notebook.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

using namespace orbane;
using namespace orbane::pointage;

namespace {

// Debian's first: its Jupyter kernel runs /usr/bin/python3, whatever python3 the PATH finds.
QString nbconvert()
{
    const QString debian = QStringLiteral("/usr/bin/jupyter-nbconvert");
    return QFile::exists(debian)
               ? debian
               : QStandardPaths::findExecutable(QStringLiteral("jupyter-nbconvert"));
}

bool hasKernel()
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"), QStringLiteral("import ipykernel, matplotlib")});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A throw filmed at irregular frame times, pointed a little off on some frames, as a hand does.
Measurement pointed()
{
    std::vector<PhotoPosition> photos;
    std::vector<double> times;
    for (int i = 0; i < 12; ++i) {
        const double t = i * 0.1 + (i % 3) * 0.004;
        times.push_back(t);
        photos.push_back({t, 0.2 + 3.1 * t, 0.5 + 4.2 * t - 9.8 * t * t / 2});
    }
    Measurement m(photos, 0.45, 9.8);
    m.setFrameTimes(times);
    for (int frame : {0, 1, 2, 4, 5, 6, 7, 9, 10})
        m.add(m.photoPixel(frame) + QPointF(0.37 * (frame % 3), -0.21 * (frame % 2)), frame);
    return m;
}

using Values = std::vector<std::vector<std::optional<double>>>;

// The lines "point i v1 v2 ..." of the executed notebook's last cell.
Values printedValues(const QString &executed)
{
    QFile file(executed);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonArray cells = QJsonDocument::fromJson(file.readAll()).object()[u"cells"].toArray();
    QString out;
    for (const QJsonValue output : cells.last()[u"outputs"].toArray())
        for (const QJsonValue line : output[u"text"].toArray())
            out += line.toString();
    Values values;
    for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList words = line.split(u' ');
        if (words.value(0) != u"point")
            continue;
        std::vector<std::optional<double>> row;
        for (qsizetype w = 2; w < words.size(); ++w)
            row.push_back(words[w] == u"None" ? std::nullopt : std::optional(words[w].toDouble()));
        values.push_back(row);
    }
    return values;
}

// The table's nine columns, then Ec, Epp, Em from its v and y.
void expectSameValues(const Values &printed, const Values &expected, const NotebookData &d,
                      const char *scheme)
{
    ASSERT_EQ(printed.size(), expected.size()) << scheme;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        ASSERT_EQ(printed[i].size(), 12u) << scheme;
        auto wanted = expected[i];
        const auto v = wanted[5];
        const double epp = d.masse * d.g * d.y[i];
        wanted.push_back(v ? std::optional(d.masse * *v * *v / 2) : std::nullopt);
        wanted.push_back(epp);
        wanted.push_back(v ? std::optional(*wanted[9] + epp) : std::nullopt);
        for (std::size_t c = 0; c < wanted.size(); ++c) {
            ASSERT_EQ(printed[i][c].has_value(), wanted[c].has_value())
                << scheme << " " << i << " " << c;
            if (wanted[c]) {
                EXPECT_NEAR(*printed[i][c], *wanted[c], 1e-9)
                    << scheme << " point " << i << " " << c;
            }
        }
    }
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

// Both versions run top to bottom; the teacher's computes what the program computes.
TEST(Notebook, RunsAndComputesTheProgramsValues)
{
    Measurement m = pointed();
    const QString title = QStringLiteral("lancer \"1\".mp4");
    const NotebookData centred = notebookData(m, {}, title, NotebookVersion::Teacher);
    const NotebookData pupil = [&] {
        NotebookData p = centred;
        p.version = NotebookVersion::Pupil;
        return p;
    }();
    const auto tableOf = [](const Measurement &measured) {
        Values rows;
        for (const exchange::Row &row : table(measured).rows)
            rows.push_back(row);
        return rows;
    };
    const Values centredTable = tableOf(m);
    m.setScheme(Scheme::Forward);
    const NotebookData forward = notebookData(m, {}, title, NotebookVersion::Teacher);
    const Values forwardTable = tableOf(m);
    const QByteArray pupilText = notebook(pupil);
    EXPECT_TRUE(pupilText.contains("# À compléter"));
    EXPECT_FALSE(pupilText.contains("(x[i + 1] - x[i - 1])"));
    EXPECT_TRUE(notebook(centred).contains("(x[i + 1] - x[i - 1]) / (t[i + 1] - t[i - 1])"));

    const QString command = nbconvert();
    if (command.isEmpty() || !hasKernel())
        GTEST_SKIP()
            << "no jupyter-nbconvert or ipykernel (Debian: jupyter-nbconvert python3-ipykernel)";
    QTemporaryDir dir;
    QStringList arguments{QStringLiteral("--to"), QStringLiteral("notebook"),
                          QStringLiteral("--execute")};
    for (const auto &[name, data] : {std::pair{"centre", &centred}, std::pair{"avant", &forward},
                                     std::pair{"eleve", &pupil}}) {
        const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".ipynb"));
        ASSERT_TRUE(writeFile(path, notebook(*data)));
        arguments << path;
    }
    QProcess run;
    QElapsedTimer clock;
    clock.start();
    run.start(command, arguments);
    ASSERT_TRUE(run.waitForFinished(120000));
    std::cout << "nbconvert, 3 carnets : " << clock.elapsed() << " ms\n";
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    const auto executed = [&](const char *name) {
        return dir.filePath(QString::fromLatin1(name) + QStringLiteral(".nbconvert.ipynb"));
    };
    expectSameValues(printedValues(executed("centre")), centredTable, centred, "centré");
    expectSameValues(printedValues(executed("avant")), forwardTable, forward, "avant");
    const Values left = printedValues(executed("eleve"));
    ASSERT_EQ(left.size(), 9u);
    EXPECT_FALSE(left[4][3]) << "the pupil's v is still to compute";
    EXPECT_DOUBLE_EQ(*left[4][1], centred.x[4]);
}
