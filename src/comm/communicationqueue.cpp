#include "communicationqueue.h"

#include "communicationtask.h"
#include "device/variablewrapper.h"

#include <QDebug>
#include <QMutexLocker>
#include <algorithm>

CommunicationQueue::CommunicationQueue(QObject *parent)
    : QObject(parent)
{
}

CommunicationQueue::~CommunicationQueue()
{
    QMutexLocker locker(&mutex);
    for (const Entry &entry : qAsConst(tasks))
        disconnect(entry.watch);
}

bool CommunicationQueue::addTask(CommunicationTask *task)
{
    if (!task)
        return false;
    if (!isAdmissible(task)) {
        task->deleteLater();
        return false;
    }

    const uint command = task->getCommand();
    const quint16 index = quint16(task->getIndex());
    const quint8 subIndex = quint8(task->requestedSubIndex());
    // The queue must never hand out a task that someone else deleted.
    const QMetaObject::Connection watch = connect(
        task, &QObject::destroyed, this, [this, task]() { forgetDestroyedTask(task); }, Qt::DirectConnection);
    QMutexLocker locker(&mutex);
    if (command == CommunicationTask::ProcessDataReadCommand) {
        if (processDataReadCount >= maxWaitingProcessDataReads) {
            locker.unlock();
            disconnect(watch);
            task->deleteLater();
            return false;
        }
        ++processDataReadCount;
    }
    tasks.append({ task, command, index, subIndex, watch });
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

void CommunicationQueue::forgetDestroyedTask(CommunicationTask *task)
{
    if (removeTask(task)) {
        qWarning() << Q_FUNC_INFO << "A task was deleted while it was still queued";
        emit taskDestroyed(task);
    }
}

QList<QPair<quint16, quint8>> CommunicationQueue::waitingReads(int max) const
{
    QList<QPair<quint16, quint8>> reads;
    QMutexLocker locker(&mutex);
    for (const Entry &entry : tasks) {
        if (reads.size() >= max)
            break;
        if (entry.command == CommunicationTask::ReadCommand)
            reads.append({ entry.index, entry.subIndex });
    }
    return reads;
}

CommunicationTask *CommunicationQueue::firstPendingTask() const
{
    QMutexLocker locker(&mutex);
    for (const Entry &entry : tasks) {
        if (entry.task->getState() == CommunicationTask::New)
            return entry.task;
    }
    return nullptr;
}

bool CommunicationQueue::removeTask(CommunicationTask *task)
{
    QMutexLocker locker(&mutex);
    const auto found = std::find_if(tasks.cbegin(), tasks.cend(), [task](const Entry &e) { return e.task == task; });
    if (found == tasks.cend())
        return false;
    removeAt(int(found - tasks.cbegin()));
    return true;
}

void CommunicationQueue::removeAt(int position)
{
    if (tasks.at(position).command == CommunicationTask::ProcessDataReadCommand)
        --processDataReadCount;
    disconnect(tasks.at(position).watch);
    tasks.removeAt(position);
}

QList<CommunicationTask *> CommunicationQueue::takeAllTasks()
{
    QMutexLocker locker(&mutex);
    QList<CommunicationTask *> taken;
    for (const Entry &entry : qAsConst(tasks)) {
        disconnect(entry.watch);
        taken.append(entry.task);
    }
    tasks.clear();
    processDataReadCount = 0;
    return taken;
}

int CommunicationQueue::count() const
{
    QMutexLocker locker(&mutex);
    return tasks.size();
}

bool CommunicationQueue::holdsTask(const CommunicationTask *task) const
{
    QMutexLocker locker(&mutex);
    return std::any_of(tasks.cbegin(), tasks.cend(), [task](const Entry &e) { return e.task == task; });
}
