#pragma once

#include <QList>
#include <QMutex>
#include <QObject>

class CommunicationTask;

// Holds the tasks of one device in the order they were admitted; the handler runs them one at a time.
class CommunicationQueue : public QObject
{
    Q_OBJECT

public:
    explicit CommunicationQueue(QObject *parent = nullptr);

    // Takes the task or, when it breaks an admission rule, schedules it for deletion; returns whether it was admitted.
    bool addTask(CommunicationTask *task);
    CommunicationTask *firstPendingTask() const;
    void removeOldestTask();
    // Removes the given task wherever it stands; the handler uses it for the task that just finished.
    void removeTask(CommunicationTask *task);
    // Empties the queue and hands every task to the caller, oldest first.
    QList<CommunicationTask *> takeAllTasks();
    int count() const;

private:
    // A slow device must never make process-data reads pile up.
    static constexpr int maxWaitingProcessDataReads = 3;

    bool isAdmissible(const CommunicationTask *task) const;

    mutable QMutex mutex;
    QList<CommunicationTask *> tasks;
    int processDataReadCount = 0;
};
