#pragma once

#include "master/serialportdescriptor.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class IOLinkDevice;
class IOLinkSerialDevice;

// What every command group of ovinex-cli shares: the parsed options, the bound master, output on stdout
// (one JSON object per line) and stderr (people), and a connected device on request.
class CliContext : public QObject
{
    Q_OBJECT

public:
    static constexpr int connectTimeoutMs = 120000;

    CliContext(QCommandLineParser &parser, const QStringList &arguments, QObject *parent = nullptr);
    ~CliContext() override;

    QCommandLineParser &parser() const { return commandLine; }
    // The positional arguments after the command name.
    const QStringList &arguments() const { return commandArguments; }
    bool isSet(const QString &option) const { return commandLine.isSet(option); }

    void print(const QJsonObject &object) const;
    void message(const QString &text) const;
    // Prints the text and the command's usage; returns the usage exit status.
    int usageError(const QString &text) const;

    // Binds the master from the options (the simulated one with --simulated) and lists its ports.
    QList<SerialPortDescriptor> ports() const;
    // The device on the port (by name, e.g. SIM1), connected and synchronised with its IODD; null with *error set.
    std::unique_ptr<IOLinkSerialDevice> connectDevice(const QString &port, QString *error);
    void disconnectDevice(IOLinkDevice &device);
    // The IODD for the device on the port: the simulated file, else the catalogue's match in the IODD folder.
    QString ioddFor(const IOLinkSerialDevice &device) const;

    // Parses "INDEX[.SUBINDEX]" (decimal or 0x hex); false when it is none.
    static bool parseAddress(const QString &text, uint *index, uint *subindex);

    static QString text(const char *source);

private:
    bool waitForState(IOLinkDevice &device, const QString &wanted, int timeoutMs);

    QCommandLineParser &commandLine;
    QStringList commandArguments;
};
