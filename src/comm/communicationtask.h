#pragma once

#include "device/variablewrapper.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class MenuEntry;

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

    CommunicationTask(MenuEntry *entry, uint command, const QByteArray &data);
    CommunicationTask(MenuEntry *entry, uint command);
    // The payload is for writes of a variable and for process-data writes created without a menu entry.
    CommunicationTask(VariableWrapper *var, uint subIndex, uint command, const QByteArray &data = QByteArray());

    void start();

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
    // Started in the handler's thread, answered in the requester's thread.
    QAtomicInt state = New;
};
