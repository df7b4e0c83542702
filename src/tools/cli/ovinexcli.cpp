// ovinex-cli: scripts what a technician does with a device (ports, raw access, parameter sets).

#include "app/applicationsettings.h"
#include "app/loghandler.h"
#include "clicommand.h"
#include "clicontext.h"
#include "master/masterlibrary.h"
#include "master/networkmasterjson.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

bool verboseLog = false;

// Logs go to stderr only, and only when asked for: stdout carries the results.
void toolMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (!verboseLog && type != QtFatalMsg)
        return;
    const QByteArray line = (LogHandler::levelTag(type) + QStringLiteral(": ") + message + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

QString usageText(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    text += QLatin1Char('\n') + CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Commands:")) + QLatin1Char('\n');
    for (const CliCommand &command : cliCommands())
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QString::fromLatin1(command.name), QString::fromLatin1(command.synopsis), CliContext::text(command.summary));
    text += QLatin1Char('\n') + CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli",
        "Exit status: 0 on success (compare: no difference), 1 when the device refused something or values differ, "
        "2 for usage errors, unreadable or invalid files, or a device that does not match.")) + QLatin1Char('\n');
    return text;
}

// The first two passes only look for the language and the settings folder, which the others depend on.
QString earlyValue(const QStringList &arguments, const QString &name)
{
    const QString prefix = QStringLiteral("--") + name;
    for (int position = 1; position < arguments.size(); ++position) {
        if (arguments.at(position) == prefix && position + 1 < arguments.size())
            return arguments.at(position + 1);
        if (arguments.at(position).startsWith(prefix + QLatin1Char('=')))
            return arguments.at(position).mid(prefix.size() + 1);
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList rawArguments;
    for (int position = 0; position < argc; ++position)
        rawArguments << QString::fromLocal8Bit(argv[position]);
    // The user's settings only when asked for; a folder of its own otherwise, set before anything reads them.
    QTemporaryDir temporarySettings;
    const QString settingsFolder = earlyValue(rawArguments, QStringLiteral("settings"));
    const QString settingsPath = settingsFolder.isEmpty() ? temporarySettings.path() : settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsPath);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsPath);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvell GmbH"));
    QApplication::setOrganizationDomain(QStringLiteral("korvell.example"));
    QApplication::setApplicationName(QStringLiteral("ovinex-cli"));
    QApplication::setApplicationVersion(QStringLiteral(OVINEX_VERSION));

    ApplicationSettings *settings = ApplicationSettings::instance();
    QString language = earlyValue(rawArguments, QStringLiteral("language"));
    if (language.isEmpty())
        language = QStringLiteral("en");
    QTranslator translator;
    if (settings->getLanguages().contains(language)) {
        translator.load(QStringLiteral(":/languages/ovinex_") + language + QStringLiteral(".qm"), QString(), QStringLiteral(""),
                        QStringLiteral(""));
        QApplication::installTranslator(&translator);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli",
        "Scripts what a technician does with IO-Link devices: lists the ports, reads and writes indexes, and saves, "
        "compares and restores parameter sets. Results go to stdout, one JSON object per line; messages to stderr.")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption ioddFolder(QStringLiteral("iodd-folder"),
        CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Folder with the IODD files.")), QStringLiteral("DIR"));
    const QCommandLineOption simulated(QStringLiteral("simulated"),
        CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Use the simulated master with a device from this IODD file; repeat it "
                                                          "for more devices (ports SIM1, SIM2, ...).")), QStringLiteral("IODD"));
    const QCommandLineOption languageOption(QStringLiteral("language"),
        CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Language of the texts: en, de or fr.")), QStringLiteral("language"),
        QStringLiteral("en"));
    const QCommandLineOption settingsOption(QStringLiteral("settings"),
        CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Use the settings in this folder instead of temporary ones.")),
        QStringLiteral("DIR"));
    const QCommandLineOption master(QStringLiteral("master"),
        CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Work with the devices of this Ethernet IO-Link master (JSON REST interface); "
                                                          "its ports are named by their number.")), QStringLiteral("URL"));
    const QCommandLineOption verbose(QStringLiteral("verbose"), CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Write the log to stderr.")));
    parser.addOptions({ ioddFolder, simulated, master, languageOption, settingsOption, verbose });
    for (const CliCommand &command : cliCommands())
        parser.addOptions(command.options());
    parser.addPositionalArgument(QStringLiteral("command"), CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "The command and its arguments.")),
                                 QStringLiteral("COMMAND [ARGUMENTS...]"));

    if (!parser.parse(rawArguments)) {
        std::fputs(qPrintable(parser.errorText() + QLatin1Char('\n')), stderr);
        return CliUsageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(usageText(parser)), stdout);
        return CliSuccess;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fputs(qPrintable(QStringLiteral("ovinex-cli %1\n").arg(QApplication::applicationVersion())), stdout);
        return CliSuccess;
    }
    if (!settings->getLanguages().contains(parser.value(languageOption))) {
        std::fputs(qPrintable(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Unknown language: %1")).arg(parser.value(languageOption)) + QLatin1Char('\n')), stderr);
        return CliUsageError;
    }
    QStringList positional = parser.positionalArguments();
    const CliCommand *chosen = nullptr;
    for (const CliCommand &command : cliCommands()) {
        if (!positional.isEmpty() && positional.first() == QLatin1String(command.name))
            chosen = &command;
    }
    if (!chosen) {
        std::fputs(qPrintable(usageText(parser)), stderr);
        return CliUsageError;
    }
    positional.removeFirst();
    if (parser.isSet(master) && parser.isSet(simulated)) {
        std::fputs(qPrintable(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Use either --master or --simulated, not both.")) + QLatin1Char('\n')), stderr);
        return CliUsageError;
    }
    if (parser.isSet(master) && NetworkMasterJson::normalizedBaseUrl(parser.value(master)).isEmpty()) {
        std::fputs(qPrintable(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Not the address of a network master: %1 (use http://HOST or https://HOST)."))
                                  .arg(parser.value(master)) + QLatin1Char('\n')), stderr);
        return CliUsageError;
    }

    verboseLog = parser.isSet(verbose);
    LogHandler::install();
    LogHandler::setLogFile(QString());
    LogHandler::setForwardHandler(toolMessageHandler);
    settings->setDebugEnabled(verboseLog);
    settings->setLanguage(parser.value(languageOption));
    if (parser.isSet(ioddFolder))
        settings->setIoddSearchPath(QDir(parser.value(ioddFolder)).absolutePath());
    if (parser.isSet(simulated)) {
        QStringList files;
        for (const QString &value : parser.values(simulated)) {
            for (const QString &file : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                files << QFileInfo(file).absoluteFilePath();
        }
        for (const QString &file : qAsConst(files)) {
            if (!QFileInfo(file).isReadable()) {
                std::fputs(qPrintable(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "The IODD file %1 cannot be read.")).arg(file) + QLatin1Char('\n')), stderr);
                return CliUsageError;
            }
        }
        settings->setSimulatedDevices(files);
        settings->setSimulatedMaster(true);
    }
    MasterLibrary::instance().bind(settings->masterChoice());

    int status = CliUsageError;
    {
        CliContext context(parser, positional);
        status = chosen->run(context);
    }
    LogHandler::setForwardHandler(nullptr);
    LogHandler::uninstall();
    return status;
}
