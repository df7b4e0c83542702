#include "application.h"
#include "applicationsettings.h"
#include "loghandler.h"

#include <QDebug>
#include <QDir>
#include <QQuickStyle>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Answered before the application object exists, so it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ovinex %s\n", OVINEX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Usage: ovinex [--version] [--help]\nConfigures and monitors IO-Link sensors; see ovinex(1).\n");
            return 0;
        }
    }
    auto *application = new Application(argc, argv);
    // Read before the log opens: the stored verbose switch decides which debug lines it takes.
    ApplicationSettings::instance();

    const QString dataPath = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QDir dataDirectory(dataPath);
    if (!dataDirectory.exists()) {
        qInfo() << "Creating application directory" << dataDirectory.absolutePath();
        dataDirectory.mkpath(QStringLiteral("."));
    }
    LogHandler::setLogFile(dataDirectory.absoluteFilePath(QStringLiteral("ovinex.log")));
    LogHandler::install();
    qInfo() << "Ovinex" << QCoreApplication::applicationVersion();
    qInfo() << "Log file path:" << LogHandler::logFilePath();

    QQuickStyle::setStyle(QStringLiteral("Material"));
    application->init();

    const int exitCode = application->exec();
    qInfo() << "Application exited with code:" << exitCode;
    delete application;
    // The settings outlive the application; nothing may log into a handler whose file is gone.
    LogHandler::uninstall();
    LogHandler::setLogFile(QString());
    return exitCode;
}
