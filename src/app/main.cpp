#include "app/feuillep.h"
#include "platform/fontwarmup.h"
#include "platform/frenchui.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    orbane::FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbane 1S"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbane1s.png")));
    orbane::installFrenchTranslations(app);
    fonts.wait();

    orbane::FeuilleP window(QCoreApplication::applicationDirPath());
    if (!window.load())
        return 1;
    window.show();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        window.openFile(args.at(1));
    return QApplication::exec();
}
