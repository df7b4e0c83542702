#pragma once

#include "parametercatalogue.h"
#include "parameterset.h"
#include "deviceparameteraccess.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

// Writes a parameter set into a device: checks first that the file is for this kind of device, writes what
// differs in the IODD's order (inside a block parameterisation when the device offers one, ended with a
// store into its data storage), then reads everything back and reports parameter by parameter.
class ParameterRestore : public QObject
{
    Q_OBJECT

public:
    enum Outcome { Confirmed, AlreadyEqual, Refused, Differs, NotWritten, Skipped };
    Q_ENUM(Outcome)

    struct Write
    {
        ParameterCatalogue::Entry entry;
        QByteArray raw;
        QString fileText;
    };

    struct SkippedParameter
    {
        QString id;
        uint index = 0;
        uint subindex = 0;
        QString name;
        QString reason;
    };

    struct Plan
    {
        // Set when nothing may be written at all (another vendor or device).
        QString refusal;
        // Things the user should confirm before writing (another product, unit or IODD version).
        QStringList warnings;
        QList<SkippedParameter> skipped;
        QList<Write> writes;
        bool block = false;
        bool store = false;
    };

    struct Row
    {
        QString id;
        uint index = 0;
        uint subindex = 0;
        QString name;
        Outcome outcome = NotWritten;
        QString detail;
        QString fileText;
        QString deviceText;
    };

    struct Report
    {
        QList<Row> rows;
        QStringList notes;
        // True only when every parameter of the file is in the device now.
        bool restored = false;
        // The device refused to end, store or cancel the block: its data storage may not hold what it shows.
        bool commandRefused = false;
        int count(Outcome outcome) const;
        QString summary() const;
    };

    explicit ParameterRestore(DeviceParameterAccess *access, QObject *parent = nullptr);

    static Plan plan(const ParameterSet &set, const ParameterCatalogue &catalogue, const ParameterSet::Device &device,
                     const QString &ioddVersion);
    static QString outcomeText(Outcome outcome);

    // The plan must have no refusal; the catalogue must outlive the run.
    void start(const Plan &plan, const ParameterCatalogue *catalogue);
    bool isRunning() const { return running; }
    const Report &report() const { return result; }

signals:
    void progress(int done, int total);
    void finished();

private:
    void preReadNext(int position);
    void beginWrites();
    void writeNext(int position);
    void endBlock();
    void storeBlock();
    void reReadNext(int position);
    void finish();
    void step();
    void sendCommand(uchar command, const std::function<void(const DeviceParameterAccess::Answer &)> &then);

    DeviceParameterAccess *access = nullptr;
    const ParameterCatalogue *catalogue = nullptr;
    Plan current;
    QList<DeviceParameterAccess::Answer> before;
    QList<DeviceParameterAccess::Answer> writeAnswers;
    QList<bool> attempted;
    QList<int> toWrite;
    bool blockOpen = false;
    Report result;
    int done = 0;
    int total = 0;
    bool running = false;
};
