#pragma once

#include <QString>

// Where the save windows open: pupils' files stay out of the program's folder, among the
// shipped exercises, which an installed copy cannot even write to.
namespace orbane {

class SavePlace
{
public:
    // `documents` is the user's documents folder; tests give a temporary one.
    explicit SavePlace(const QString &documents);

    // The folder the next save window opens on: where the user last saved in this run, or else
    // "Orbane 1S" in the documents folder, made on this first call; when it cannot be made, the
    // documents folder, then the home folder.
    QString folder();
    // `name` in that folder.
    QString suggested(const QString &name);
    // A file was saved there: the next save window opens beside it.
    void remember(const QString &savedPath);
    // The next save window opens on `folder`.
    void savedIn(const QString &folder) { m_lastSaved = folder; }

    const QString &documents() const { return m_documents; }
    // "Orbane 1S" in the documents folder, which folder() makes; also where received exercises
    // are unpacked.
    QString ownFolder() const;

    // The program's one place, on the system's documents folder.
    static SavePlace &shared();

private:
    QString m_documents;
    QString m_lastSaved; // folder; in memory only, so each run starts in the documents again
};

} // namespace orbane
