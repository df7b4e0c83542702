#pragma once

#include "device/variablewrapper.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>


// One request to the device (parameter read or write, process-data read or write, master password write).
// A requester creates it, hands it to the device's CommunicationHandler and learns the result from finished().
class CommunicationTask : public QObject
{
    Q_OBJECT

public:
    enum Command : uint {
        ReadCommand = 1,
        WriteCommand = 2,
        ProcessDataReadCommand = 3,
        ProcessDataWriteCommand = 4,
        MasterPasswordWriteCommand = 5,
    };

    enum State : int { New = 0, Running = 1, Done = 2 };

    // The payload is for writes of a variable and for process-data writes.
    CommunicationTask(VariableWrapper *var, uint subIndex, uint command, const QByteArray &data = QByteArray());
    // A read or write of an index as it stands, for callers that keep the octets themselves (parameter sets, scripts).
    static CommunicationTask *forIndex(uint index, uint subIndex, uint command, const QByteArray &data = QByteArray());

    void start();
    // Marks the task running without announcing its request, for a handler that sends the request itself;
    // false when it was started already.
    bool claim();

    uint getIndex() const { return index; }
    uint getSubIndex() const { return subIndex; }
    uint getCommand() const { return command; }
    // The subindex the request addresses: 0 for a whole variable without subindex access.
    uint requestedSubIndex() const { return subIndexToSend(); }
    QByteArray getData() const { return data; }
    VariableWrapper *getVariable() const { return variable; }
    int getState() const { return state.loadAcquire(); }

signals:
    void finished(bool success, uint index, uint subindex, QString errorText, VariableWrapper *var);
    // The outcome with the octets read and the device's ISDU error code (0 when it gave none); before finished().
    void answered(bool success, QByteArray data, uint isduError, QString errorText);
    void requestUpload(VariableWrapper *var, uint subindex);
    void taskRequestsRead(int index, int subIndex);
    void taskRequestsWrite(int index, int subIndex, QByteArray data);
    void taskRequestsProcessData();
    void taskRequestsWriteProcessData(QByteArray payload);
    void taskRequestWriteMasterPassword(QByteArray payload);

public slots:
    void onDataReceived(QByteArray data);
    void onDataWritten();
    void onError(QString errorText);
    void onIsduError(uint isduError);

private:
    uint subIndexToSend() const;
    bool finish();

    VariableWrapper *variable = nullptr;
    // An answer may still be on its way when the variable's binding is gone; it must not reach a deleted variable.
    QPointer<VariableWrapper> liveVariable;
    uint index = 0;
    uint subIndex = 0;
    uint command = 0;
    QByteArray data;
    uint refusal = 0;
    // Started in the handler's thread, answered in the requester's thread.
    QAtomicInt state = New;
};
