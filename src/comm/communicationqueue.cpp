#include "communicationqueue.h"

#include "communicationtask.h"
#include "device/variablewrapper.h"

#include <QDebug>
#include <QMutexLocker>
#include <utility>

CommunicationQueue::CommunicationQueue(QObject *parent)
    : QObject(parent)
{
}

bool CommunicationQueue::addTask(CommunicationTask *task)
{
    if (!task)
        return false;
    if (!isAdmissible(task)) {
        task->deleteLater();
        return false;
    }

    QMutexLocker locker(&mutex);
    if (task->getCommand() == CommunicationTask::ProcessDataReadCommand) {
        if (processDataReadCount >= maxWaitingProcessDataReads) {
            locker.unlock();
            task->deleteLater();
            return false;
        }
        ++processDataReadCount;
    }
    tasks.append(task);
    return true;
}

bool CommunicationQueue::isAdmissible(const CommunicationTask *task) const
{
    const VariableWrapper *var = task->getVariable();
    if (!var)
        return true;
    if (task->getCommand() == CommunicationTask::ReadCommand && !var->isReadable()) {
        qWarning() << Q_FUNC_INFO << "Not readable" << var->getId() << var->getIndex();
        return false;
    }
    if (task->getCommand() == CommunicationTask::WriteCommand && !var->isWritable()) {
        qWarning() << Q_FUNC_INFO << "Not writable" << var->getId() << var->getIndex();
        return false;
    }
    return true;
}

CommunicationTask *CommunicationQueue::firstPendingTask() const
{
    QMutexLocker locker(&mutex);
    for (CommunicationTask *task : tasks) {
        if (task->getState() == CommunicationTask::New)
            return task;
    }
    return nullptr;
}

void CommunicationQueue::removeOldestTask()
{
    QMutexLocker locker(&mutex);
    if (tasks.isEmpty())
        return;
    if (tasks.first()->getCommand() == CommunicationTask::ProcessDataReadCommand)
        --processDataReadCount;
    tasks.removeFirst();
}

void CommunicationQueue::removeTask(CommunicationTask *task)
{
    QMutexLocker locker(&mutex);
    if (!tasks.removeOne(task))
        return;
    if (task->getCommand() == CommunicationTask::ProcessDataReadCommand)
        --processDataReadCount;
}

QList<CommunicationTask *> CommunicationQueue::takeAllTasks()
{
    QMutexLocker locker(&mutex);
    processDataReadCount = 0;
    return std::exchange(tasks, {});
}

int CommunicationQueue::count() const
{
    QMutexLocker locker(&mutex);
    return tasks.size();
}
