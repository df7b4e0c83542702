#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>

class CommunicationTask;

// Holds the tasks of one device in the order they were admitted; the handler runs them one at a time.
class CommunicationQueue : public QObject
{
    Q_OBJECT

public:
    explicit CommunicationQueue(QObject *parent = nullptr);
    ~CommunicationQueue() override;

    // Takes the task or, when it breaks an admission rule, schedules it for deletion; returns whether it was admitted.
    bool addTask(CommunicationTask *task);
    CommunicationTask *firstPendingTask() const;
    // Removes the given task wherever it stands; false when it is no longer held (destroyed or taken).
    bool removeTask(CommunicationTask *task);
    // Empties the queue and hands every task to the caller, oldest first.
    QList<CommunicationTask *> takeAllTasks();
    int count() const;
    // Index and subindex of the reads waiting behind the running task, oldest first, at most max of them.
    QList<QPair<quint16, quint8>> waitingReads(int max) const;
    // Whether the task is still waiting or running; the pointer is only compared, never used.
    bool holdsTask(const CommunicationTask *task) const;

signals:
    // A requester deleted a task that was still waiting or running; emitted in the deleting thread.
    void taskDestroyed(CommunicationTask *task);

private:
    // A slow device must never make process-data reads pile up.
    static constexpr int maxWaitingProcessDataReads = 3;

    // The command is kept beside the task so that a task being destroyed is never asked for it.
    struct Entry
    {
        CommunicationTask *task;
        uint command;
        quint16 index;
        quint8 subIndex;
        // Cut when the task leaves the queue: a task deleted later, perhaps in another thread while
        // this queue is being destroyed, must not call into it.
        QMetaObject::Connection watch;
    };

    bool isAdmissible(const CommunicationTask *task) const;
    void forgetDestroyedTask(CommunicationTask *task);
    void removeAt(int position);

    mutable QMutex mutex;
    QList<Entry> tasks;
    int processDataReadCount = 0;
};
