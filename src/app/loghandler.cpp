#include "loghandler.h"

#include "core/logcategories.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

#include <memory>

namespace {
// Captured before main() runs: this is Qt's default handler, which writes to the console.
const QtMessageHandler defaultHandler = qInstallMessageHandler(nullptr);

QMutex logMutex;
std::unique_ptr<QFile> logFile;
QtMessageHandler forwardHandler = nullptr;
bool installed = false;

// A message raised while a line is being written (e.g. by the file itself) must not wait for our own lock.
thread_local bool insideHandler = false;

const QString timestampFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ");
} // namespace

void LogHandler::install()
{
    QMutexLocker locker(&logMutex);
    qInstallMessageHandler(&LogHandler::handleMessage);
    installed = true;
}

void LogHandler::uninstall()
{
    QMutexLocker locker(&logMutex);
    qInstallMessageHandler(defaultHandler);
    installed = false;
}

bool LogHandler::isInstalled()
{
    QMutexLocker locker(&logMutex);
    return installed;
}

bool LogHandler::setLogFile(const QString &path)
{
    QMutexLocker locker(&logMutex);
    logFile.reset();
    if (path.isEmpty())
        return true;
    auto file = std::make_unique<QFile>(path);
    if (file->exists())
        file->remove();
    const bool opened = file->open(QIODevice::Append | QIODevice::Text);
    logFile = std::move(file);
    return opened;
}

QString LogHandler::logFilePath()
{
    QMutexLocker locker(&logMutex);
    return logFile ? logFile->fileName() : QString();
}

void LogHandler::setForwardHandler(QtMessageHandler handler)
{
    QMutexLocker locker(&logMutex);
    forwardHandler = handler;
}

QString LogHandler::levelTag(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("DBG");
    case QtWarningMsg:
        return QStringLiteral("WRN");
    case QtCriticalMsg:
        return QStringLiteral("CRT");
    case QtFatalMsg:
        return QStringLiteral("FTL");
    case QtInfoMsg:
        return QStringLiteral("INF");
    }
    return QStringLiteral("???");
}

void LogHandler::handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (insideHandler) {
        if (defaultHandler)
            defaultHandler(type, context, message);
        return;
    }
    insideHandler = true;
    QMutexLocker locker(&logMutex);
    // Debug lines of any category (Qt's own included) reach the file only while verbose logging is on.
    if (type != QtDebugMsg || LogCategories::isVerbose()) {
        writeLine(type, message);
        // Qt aborts on fatal messages only after the handler has returned, so forwarding is the same for all.
        const QtMessageHandler forward = forwardHandler ? forwardHandler : defaultHandler;
        if (forward)
            forward(type, context, message);
    }
    insideHandler = false;
}

void LogHandler::writeLine(QtMsgType type, const QString &message)
{
    // An unopened file would complain through the message log for every line.
    if (!logFile || !logFile->isOpen())
        return;
    QTextStream stream(logFile.get());
    stream.setCodec("UTF-8");
    stream << QDateTime::currentDateTime().toString(timestampFormat) << levelTag(type) << QStringLiteral(": ")
           << message << '\n';
    stream.flush();
}
