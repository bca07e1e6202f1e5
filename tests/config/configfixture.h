#pragma once

#include "core/controls.h"
#include "support/doubles.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '(' << l.join(QStringLiteral(", ")).toStdString() << ')';
}

namespace orbane::test {

// A file of tests/config/data, built byte by byte without the program's writer.
QString dataFile(const QString &name);
QByteArray readBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);

// Puts raw bytes (length prefix and text) into record n of a file image, growing it as needed.
void patchRecord(QByteArray &image, int n, const QByteArray &text);
// Writes a raw length field into record n, whatever follows it.
void patchLength(QByteArray &image, int n, int length);

// What a load may change, to prove that a refused file changed nothing.
struct Snapshot
{
    Controls c;
    float gpes, masse, vox, voy;
    double projLeft, projTop;
    QString label1;
    int clears, loads, opened;
    bool operator==(const Snapshot &) const = default;
};

// A started simulation wired to test doubles, in a throw-away program folder.
struct ConfigTest : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<Rig> rig;

    void SetUp() override;
    Simulation &sim() { return rig->sim; }
    ScriptedDialogs &dialogs() { return rig->dialogs; }
    Snapshot snapshot() const;
    // Copies a data file into the temporary folder; returns its path there.
    QString copyData(const QString &name, const QString &as = QString()) const;
    QString path(const QString &name) const { return dir.filePath(name); }
};

} // namespace orbane::test
