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

    // The ports of the master chosen by the options: the network master of --master, else the bound provider's.
    // A network master that cannot be asked gives none, says why on stderr and sets *failed.
    QList<SerialPortDescriptor> ports(bool *failed = nullptr) const;
    // The name a port is given on the command line: "<n>" on a network master (or "<m>/<n>" beyond its
    // first master), the provider's port name otherwise.
    static QString portName(const SerialPortDescriptor &port);
    // The base address of the network master from --master, empty without one.
    QString networkMaster() const;
    // The device on the port (by name, e.g. SIM1), connected and synchronised with its IODD; null with *error set.
    std::unique_ptr<IOLinkSerialDevice> connectDevice(const QString &port, QString *error);
    void disconnectDevice(IOLinkDevice &device);
    // The IODD for the device on the port: the simulated file, else the catalogue's match in the IODD folder.
    QString ioddFor(const IOLinkSerialDevice &device) const;

    // Parses "INDEX[.SUBINDEX]" (decimal or 0x hex); false when it is none.
    static bool parseAddress(const QString &text, uint *index, uint *subindex);

    static QString text(const char *source);

private:
    static constexpr int keychainTimeoutMs = 5000;

    void useRememberedCredentials(const QString &baseUrl) const;

    QCommandLineParser &commandLine;
    QStringList commandArguments;
};
