// ovinex-check: runs IODD files through the simulated end-to-end flow and prints one JSON line per file.

#include "app/applicationsettings.h"
#include "app/loghandler.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "ioddcheck.h"
#include "mastercheck.h"
#include "master/masterlibrary.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool verboseLog = false;

// Everything goes to stderr; warnings and criticals are counted for the file being checked.
void toolMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        IoddCheck::countWarning();
    if (!verboseLog && type != QtFatalMsg)
        return;
    const QByteArray line = (LogHandler::levelTag(type) + QStringLiteral(": ") + message + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

QString text(const char *source)
{
    return QCoreApplication::translate("ovinex-check", source);
}

void printLine(const QJsonObject &result)
{
    const QByteArray line = QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

int checkMaster(const IoddCheck::Options &options, const QString &address, const QString &folder)
{
    IODDListModel catalogue;
    catalogue.setIoddSearchPath(folder.isEmpty() ? ApplicationSettings::defaultIoddSearchPath() : folder);
    IoddCheck check(options);
    MasterCheck masterCheck(check, catalogue);
    bool allOk = true;
    const QList<QJsonObject> results = masterCheck.run(address);
    for (const QJsonObject &result : results) {
        allOk = allOk && result.value(QStringLiteral("ok")).toBool();
        printLine(result);
    }
    return allOk ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The checks need no window; charts and the clipboard still need a GUI application object.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings go to a folder of their own, before anything reads them; the user's stay untouched.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvell GmbH"));
    QApplication::setOrganizationDomain(QStringLiteral("korvell.example"));
    QApplication::setApplicationName(QStringLiteral("ovinex-check"));
    QApplication::setApplicationVersion(QStringLiteral(OVINEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP("ovinex-check", "Runs IODD files through a simulated connection and prints one JSON "
                                          "object per file. A file is ok when its device connects, every variable in use "
                                          "is synchronised and every menu reference to a variable of a supported type is "
                                          "shown, a parameter menu named by the IODD shows rows and process data input shows "
                                          "items. Variables left out because their description is broken are listed under "
                                          "\"omitted\" and do not fail the file; a file that is no readable device "
                                          "description fails with an \"error\" text.")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption seconds(QStringLiteral("seconds"), text(QT_TRANSLATE_NOOP("ovinex-check", "Simulated seconds of process data polling.")),
                                     QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption language(QStringLiteral("language"), text(QT_TRANSLATE_NOOP("ovinex-check", "Language of the texts: en, de or fr.")),
                                      QStringLiteral("language"), QStringLiteral("en"));
    const QCommandLineOption verbose(QStringLiteral("verbose"), text(QT_TRANSLATE_NOOP("ovinex-check", "Write the whole log to stderr.")));
    const QCommandLineOption role(QStringLiteral("role"),
                                  text(QT_TRANSLATE_NOOP("ovinex-check", "User role whose pages are measured: observer, maintenance or specialist.")),
                                  QStringLiteral("role"), IOLinkWrapper::nameOf(IOLinkWrapper::Role::Specialist));
    const QCommandLineOption master(QStringLiteral("master"),
                                    text(QT_TRANSLATE_NOOP("ovinex-check", "Check every online device of this Ethernet IO-Link master instead of files.")),
                                    QStringLiteral("URL"));
    const QCommandLineOption ioddFolder(QStringLiteral("iodd-folder"),
                                        text(QT_TRANSLATE_NOOP("ovinex-check", "Folder of the IODDs matched to the master's devices (default: the program's IODD folder).")),
                                        QStringLiteral("DIR"));
    parser.addOptions({ seconds, language, role, verbose, master, ioddFolder });
    parser.addPositionalArgument(QStringLiteral("paths"), text(QT_TRANSLATE_NOOP("ovinex-check", "IODD files or folders to check.")));
    parser.process(app);

    bool secondsValid = false;
    IoddCheck::Options options;
    options.seconds = parser.value(seconds).toInt(&secondsValid);
    ApplicationSettings *settings = ApplicationSettings::instance();
    const bool roleValid = IOLinkWrapper::roleFromName(parser.value(role), &options.role);
    if (!secondsValid || options.seconds < 0 || !settings->getLanguages().contains(parser.value(language))
        || !roleValid || (parser.positionalArguments().isEmpty() && !parser.isSet(master))) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 2;
    }
    options.verbose = verboseLog = parser.isSet(verbose);
    options.language = parser.value(language);

    LogHandler::install();
    LogHandler::setLogFile(QString());
    LogHandler::setForwardHandler(toolMessageHandler);
    settings->setDebugEnabled(options.verbose);
    settings->setLanguage(parser.value(language));
    settings->setSimulatedMaster(true);
    MasterLibrary::instance().bindProvider(MasterLibrary::Provider::SimulatedMaster);

    if (parser.isSet(master)) {
        const int status = checkMaster(options, parser.value(master), parser.value(ioddFolder));
        LogHandler::setForwardHandler(nullptr);
        LogHandler::uninstall();
        return status;
    }

    QStringList files;
    for (const QString &path : parser.positionalArguments())
        files += IoddCheck::filesToCheck(path);

    IoddCheck check(options);
    bool allOk = !files.isEmpty();
    for (const QString &file : qAsConst(files)) {
        const QJsonObject result = check.run(file);
        allOk = allOk && result.value(QStringLiteral("ok")).toBool();
        printLine(result);
    }
    LogHandler::setForwardHandler(nullptr);
    LogHandler::uninstall();
    return allOk ? 0 : 1;
}
