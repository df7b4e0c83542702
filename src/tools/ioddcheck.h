#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

class CheckDevice;

// Runs one IODD through the whole flow on the simulated master: a device on a virtual port, connect,
// synchronise, build the menus, poll process data, disconnect; and reports what it saw as one JSON object.
class IoddCheck : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        int seconds = 1;
        bool verbose = false;
    };

    explicit IoddCheck(const Options &options, QObject *parent = nullptr);

    QJsonObject run(const QString &file);

    // The IODD files below `path` (a file, or a folder and its sub-folders as the catalogue scans
    // them) whose root element is IODevice.
    static QStringList filesToCheck(const QString &path);
    static bool isDeviceDescription(const QString &file);

    // Called by the tool's message handler for every warning or critical line.
    static void countWarning() { ++warningCount; }

    static constexpr int connectTimeoutMs = 120000;
    static constexpr int pollIntervalMs = 20;

private:
    bool waitForState(CheckDevice &device, const QString &wanted, int timeoutMs);
    void summariseBinding(CheckDevice &device, QJsonObject &result) const;
    int pollFor(CheckDevice &device, int simulatedMs);

    Options options;
    static std::atomic<int> warningCount;
};
