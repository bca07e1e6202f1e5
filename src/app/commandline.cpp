#include "app/commandline.h"

#include <QCommandLineParser>

namespace orbane {

namespace {

const QCommandLineOption kHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});
const QCommandLineOption kScale(QStringLiteral("echelle"), QString(), QStringLiteral("facteur"));
const QCommandLineOption kCapture(QStringLiteral("capture"), QString(), QStringLiteral("fichier"));
const QCommandLineOption kCarried(QStringLiteral("reprise"), QString(), QStringLiteral("fichier"));

QString quoted(const QString &text) { return QStringLiteral("« %1 »").arg(text); }

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    // Qt's own help and version options print English texts: the French ones are ours.
    QCommandLineParser parser;
    parser.addOptions({kHelp, kVersion, kScale, kCapture, kCarried});
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Refused;
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes = unknown.first().size() == 1 ? QStringLiteral("-")
                                                                : QStringLiteral("--");
            line.refusal = QStringLiteral("option inconnue ") + quoted(dashes + unknown.first());
        } else if (arguments.last() == QStringLiteral("--echelle")) {
            line.refusal = QStringLiteral("il manque le facteur après --echelle");
        } else if (arguments.last() == QStringLiteral("--reprise")) {
            line.refusal = QStringLiteral("il manque le nom du fichier après --reprise");
        } else {
            line.refusal = QStringLiteral("il manque le nom du fichier après --capture");
        }
        // Qt's own options are refused here until the application object takes them, but the
        // factor is needed before that object exists.
        if (parser.isSet(kScale))
            line.scale = display::parseScale(parser.value(kScale));
        return line;
    }
    if (parser.isSet(kHelp)) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (parser.isSet(kVersion)) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.action = CommandLine::Action::Refused;
        line.refusal = QStringLiteral("un seul fichier à la fois (reçu : %1)").arg(files.size());
        return line;
    }
    if (parser.isSet(kScale)) {
        line.scale = display::parseScale(parser.value(kScale));
        if (!line.scale) {
            line.action = CommandLine::Action::Refused;
            line.refusal = QStringLiteral("facteur d'affichage incorrect %1 : de 1 à 3 (par "
                                          "exemple 1,5), ou auto")
                               .arg(quoted(parser.value(kScale)));
            return line;
        }
    }
    line.file = files.value(0);
    line.capture = parser.value(kCapture);
    line.carried = parser.value(kCarried);
    return line;
}

bool hasQtOptions(const QStringList &arguments)
{
    static const QStringList qtOptions = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("reverse"), QStringLiteral("session"),
        QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("style"),
        QStringLiteral("stylesheet"), QStringLiteral("widgetcount"), QStringLiteral("name"),
        QStringLiteral("title"), QStringLiteral("visual"), QStringLiteral("qmljsdebugger"),
        QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("fontengine"),
        QStringLiteral("dialogs")};
    for (const QString &arg : arguments.mid(1)) {
        if (arg == QStringLiteral("--"))
            return false;
        QString name = arg.startsWith(QStringLiteral("--")) ? arg.mid(2)
                       : arg.startsWith(QLatin1Char('-'))   ? arg.mid(1)
                                                            : QString();
        name = name.section(QLatin1Char('='), 0, 0);
        if (qtOptions.contains(name))
            return true;
    }
    return false;
}

QString usageLine() { return QStringLiteral("Utilisation : orbane1s [options] [fichier]"); }

QString helpText()
{
    return usageLine() + QStringLiteral(
        "\n\n"
        "Orbane 1S simule le mouvement d'un projectile lancé sur la Terre, la Lune ou Mars :\n"
        "trajectoire, vecteurs, chronophotographie et graphes, pour les cours de physique du lycée.\n"
        "\n"
        "Fichier :\n"
        "  CONFIG.P08     une configuration enregistrée : ses paramètres sont chargés\n"
        "  EXERCICE.E20   un exercice : son énoncé s'affiche et sa configuration est chargée\n"
        "  EXERCICE.e20z  un exercice en un seul fichier (« Exporter l'exercice… ») : il est\n"
        "                 copié dans Documents/Orbane 1S/Exercices, puis ouvert\n"
        "  VIDEO.mp4      une vidéo (MP4, MOV, AVI, WebM, OGV…) ou une photo (JPEG, PNG) d'un\n"
        "                 lancer : elle s'ouvre dans la fenêtre de pointage\n"
        "  MESURE.o1m     une mesure enregistrée (« Enregistrer la mesure… »), avec sa vidéo\n"
        "\n"
        "Options :\n"
        "  -h, --help     affiche cette aide et quitte\n"
        "  -v, --version  affiche la version et quitte\n"
        "  --echelle FACTEUR\n"
        "                 affiche la fenêtre agrandie, pour un projecteur : 1,5 ou 2 (de 1 à 3),\n"
        "                 ou auto, le plus grand facteur que l'écran permet ; pour cette fois\n"
        "                 seulement, sans changer le choix « Affichage agrandi » gardé\n");
}

QString versionText() { return QStringLiteral("Orbane 1S " ORBANE_VERSION); }

} // namespace orbane
