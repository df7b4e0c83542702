#pragma once

#include "parametercatalogue.h"
#include "parameterset.h"

#include <QList>
#include <QObject>
#include <QPointer>

class DeviceParameterAccess;
class IOLinkDevice;
class VariableWrapper;

// Reads whole variables of a device one after the other and keeps the octets or the refusal of each.
// What it reads also reaches the device's variables, so the window shows the same values.
class ParameterReader : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QString id;
        uint index = 0;
        QString name;
        bool ok = false;
        QByteArray raw;
        uint isduError = 0;
        QString error;
    };

    explicit ParameterReader(DeviceParameterAccess *access, QObject *parent = nullptr);

    void start(const QList<ParameterCatalogue::Entry> &entries);
    bool isRunning() const { return running; }
    const QList<Result> &results() const { return done; }
    const Result *result(const QString &id) const;

    // The file of a device: identity, IODD, every value read and every refusal.
    static ParameterSet toParameterSet(const IOLinkDevice &device, const ParameterCatalogue &catalogue,
                                       const QList<Result> &results);

signals:
    void progress(int done, int total);
    void finished();

private:
    void readNext();

    DeviceParameterAccess *access = nullptr;
    QList<ParameterCatalogue::Entry> pending;
    QList<QPointer<VariableWrapper>> variables;
    QList<Result> done;
    int total = 0;
    bool running = false;
};
