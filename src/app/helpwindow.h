#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace orbane {

class Dialogs;

// The help viewer: a non-modal window showing the program's HTML help file, with buttons
// back to the contents and through the history of visited sections, and a search box.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(const QString &helpFile, QWidget *parent = nullptr);

    // The help file of a program folder: "ZEPH.html" in it.
    static QString helpPath(const QString &programDir);
    // Anchor of the contents page inside the help file.
    static QString contentsAnchor();

    QTextBrowser *browser() const { return m_browser; }
    // Shows the contents page (adds it to the history when another section is shown).
    void showContents();
    // Selects the next place where the search box's text stands, going round to the top;
    // false (and a message beside the box) when it stands nowhere.
    bool findNext();

private:
    QUrl m_contents;
    QTextBrowser *m_browser = nullptr;
    QPushButton *m_sommaire = nullptr;
    QPushButton *m_precedent = nullptr;
    QPushButton *m_suivant = nullptr;
    QPushButton *m_fermer = nullptr;
    QLineEdit *m_recherche = nullptr;
    QLabel *m_introuvable = nullptr;
};

// "&Aide": opens (or brings back) the help window on its contents page. When the help file
// is missing, says so through the dialogs, naming the file's full path, and returns false.
bool openHelp(QWidget *parent, const QString &programDir, Dialogs &dialogs);

} // namespace orbane
