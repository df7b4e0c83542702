#include "communicationtask.h"

#include "core/logcategories.h"
#include "device/variablewrapper.h"

#include <QDebug>

CommunicationTask::CommunicationTask(VariableWrapper *var, uint subIndex, uint command, const QByteArray &data)
    : variable(var)
    , liveVariable(var)
    , index(var ? var->getIndex() : 0)
    , subIndex(subIndex)
    , command(command)
    , data(data)
{
}

CommunicationTask *CommunicationTask::forIndex(uint index, uint subIndex, uint command, const QByteArray &data)
{
    auto *task = new CommunicationTask(static_cast<VariableWrapper *>(nullptr), subIndex, command, data);
    task->index = index;
    return task;
}

void CommunicationTask::start()
{
    qCDebug(lcComm) << Q_FUNC_INFO << command << index << subIndex;
    if (!claim())
        return;

    switch (command) {
    case ReadCommand:
        emit taskRequestsRead(int(index), int(subIndexToSend()));
        break;
    case WriteCommand:
        emit taskRequestsWrite(int(index), int(subIndexToSend()), data);
        break;
    case ProcessDataReadCommand:
        emit taskRequestsProcessData();
        break;
    case ProcessDataWriteCommand:
        emit taskRequestsWriteProcessData(data);
        break;
    case MasterPasswordWriteCommand:
        emit taskRequestWriteMasterPassword(data);
        break;
    default:
        qCritical() << "bad command" << command;
        break;
    }
}

bool CommunicationTask::claim()
{
    return state.testAndSetOrdered(New, Running);
}

// A simple variable, or a record written as a whole, is always addressed as a whole.
uint CommunicationTask::subIndexToSend() const
{
    if (!variable || variable->isComplexWithSubindexAccess())
        return subIndex;
    return 0;
}

void CommunicationTask::onDataReceived(QByteArray data)
{
    if (state.loadAcquire() != Running)
        return;
    if (liveVariable)
        liveVariable->setDataFromDevice(subIndex, data);
    if (finish()) {
        emit answered(true, data, 0, QString());
        emit finished(true, index, subIndex, QString(), liveVariable.data());
    }
}

void CommunicationTask::onDataWritten()
{
    qCDebug(lcComm) << Q_FUNC_INFO;
    if (state.loadAcquire() != Running)
        return;
    if (finish()) {
        emit answered(true, QByteArray(), 0, QString());
        emit finished(true, index, subIndex, QString(), liveVariable.data());
    }
}

void CommunicationTask::onError(QString errorText)
{
    qCDebug(lcComm) << Q_FUNC_INFO;
    if (state.fetchAndStoreOrdered(Done) == Done)
        return;
    emit answered(false, QByteArray(), refusal, errorText);
    emit finished(false, index, subIndex, errorText, liveVariable.data());
}

void CommunicationTask::onIsduError(uint isduError)
{
    if (state.loadAcquire() == Running)
        refusal = isduError;
}

bool CommunicationTask::finish()
{
    return state.testAndSetOrdered(Running, Done);
}
