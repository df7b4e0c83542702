#pragma once

#include "testenvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>

// One run of a command-line tool of the build: its exit status, its JSON lines and its log.
struct ToolRun
{
    int exitCode = -1;
    QList<QJsonObject> lines;
    QString log;

    static QString path(const QString &tool) { return TestEnvironment::buildPath(tool); }

    // What a finished process left.
    static ToolRun of(QProcess &process)
    {
        ToolRun run;
        run.exitCode = process.exitCode();
        run.log = QString::fromLocal8Bit(process.readAllStandardError());
        for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                run.lines << QJsonDocument::fromJson(line).object();
        }
        return run;
    }

    // Runs the tool to its end; the exit status stays -1 when it does not end within five minutes.
    static ToolRun start(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.start(path(tool), arguments);
        return process.waitForFinished(300000) ? of(process) : ToolRun();
    }
};
