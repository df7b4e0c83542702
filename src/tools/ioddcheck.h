#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include "binding/iolinkwrapper.h"

#include <atomic>

class IOLinkDevice;

// Runs one IODD through the whole flow on the simulated master: a device on a virtual port, connect,
// synchronise, build the menus, poll process data, disconnect; and reports what it saw as one JSON object.
// A file is ok when the device connected, every referenced variable synchronised and every menu
// reference to a variable of a supported type got an entry. Variables whose description is broken
// (an unknown datatype) are left out, listed under "omitted", and do not fail the file.
// It also reports what the pages of a user role and the process data view would show, and fails a file
// whose named parameter menu shows no rows or whose process data input shows nothing.
class IoddCheck : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        int seconds = 1;
        bool verbose = false;
        IOLinkWrapper::Role role = IOLinkWrapper::Role::Specialist;
        QString language = QStringLiteral("en");
    };

    explicit IoddCheck(const Options &options, QObject *parent = nullptr);

    QJsonObject run(const QString &file);
    // Connects the device (its IODD set already), synchronises, polls and disconnects; returns what failed,
    // empty when it is ok. Simulated time drives the simulated master's clock, else real time passes.
    QString checkDevice(IOLinkDevice &device, QJsonObject &result, bool simulatedTime);

    // The IODD files below `path` (a file, or a folder and its sub-folders as the catalogue scans
    // them) whose root element is IODevice.
    static QStringList filesToCheck(const QString &path);
    static bool isDeviceDescription(const QString &file);
    // Why a file is no readable device description (unreadable, not well-formed, another root);
    // empty when it is one.
    static QString documentError(const QString &file);

    // Called by the tool's message handler for every warning or critical line.
    static void countWarning() { ++warningCount; }

    static constexpr int connectTimeoutMs = 120000;
    static constexpr int pollIntervalMs = 20;

private:
    void summariseBinding(IOLinkDevice &device, QJsonObject &result) const;
    // "pages" and "processData"; an error text when the screens would show nothing where they should.
    QString summariseScreens(const IOLinkWrapper &binding, QJsonObject &result) const;
    int pollFor(IOLinkDevice &device, int simulatedMs, bool simulatedTime);

    Options options;
    static std::atomic<int> warningCount;
};
