#include "application.h"
#include "applicationsettings.h"
#include "loghandler.h"

#include <QDebug>
#include <QDir>
#include <QQuickStyle>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    auto *application = new Application(argc, argv);
    ApplicationSettings *settings = ApplicationSettings::instance();
    LogHandler::setSettings(settings);

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
