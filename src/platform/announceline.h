#pragma once

#include <QString>
#include <QWidget>

namespace orbane {

// The object the screen reader is told the announcements through: a notification whose name is
// the last announcement, shown again for each one. It paints nothing and takes no focus.
class AnnounceLine final : public QWidget
{
    Q_OBJECT
public:
    explicit AnnounceLine(QWidget *parent);
    void say(const QString &text);
};

} // namespace orbane
