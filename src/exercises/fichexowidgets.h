#pragma once

#include "config/filelists.h"

#include <QListWidget>
#include <QPixmap>
#include <QWidget>
#include <cmath>

// The pieces of the exercise chooser that are drawn or listed in their own way.
namespace orbane::exercises {

// `tito`: the title band, its text painted letter by letter from pale yellow to white.
class TitleBand : public QWidget
{
    Q_OBJECT
public:
    explicit TitleBand(const QString &text, QWidget *parent = nullptr);
    QString text() const { return m_text; }
    // Blue part of letter k (from 1) of n.
    static int letterBlue(int k, int n) { return int(std::lround(k * 100.0 / n)) + 155; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

// `File1`: the exercise files ("*.E20" and the archives "*.e20z", whatever the case) of one
// folder; a double click or Enter opens the highlighted one.
class ExerciseFileList : public config::FileList
{
    Q_OBJECT
public:
    explicit ExerciseFileList(QWidget *parent = nullptr);

signals:
    void fileOpened(const QString &name);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The pictures of a difficulty mark: `Imagalu` (lit) and `Imagenoir` (dark).
QPixmap markPicture(bool lit);

} // namespace orbane::exercises
