#pragma once

#include <QString>
#include <QtGlobal>

// The process-wide Qt message handler: one line per message into the log file, then on to Qt's default handler.
class LogHandler
{
public:
    // Without a log file the handler still filters and forwards, so a tool can log to the console only.
    static void install();
    static void uninstall();
    static bool isInstalled();

    // Deletes any existing file of that name and opens an empty one for appending; an empty path closes the log.
    static bool setLogFile(const QString &path);
    static QString logFilePath();

    // Where messages go after the file; null means the handler that was installed before ours (Qt's default).
    static void setForwardHandler(QtMessageHandler handler);

    static QString levelTag(QtMsgType type);

    static void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

private:
    static void writeLine(QtMsgType type, const QString &message);
};
