#include "workerretirement.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QThread>

QMutex &WorkerRetirement::mutex()
{
    static QMutex lock;
    return lock;
}

QList<QThread *> &WorkerRetirement::threads()
{
    static QList<QThread *> retired;
    return retired;
}

void WorkerRetirement::adopt(QThread *thread)
{
    static bool joinedAtExit = false;
    QMutexLocker locker(&mutex());
    if (!joinedAtExit) {
        joinedAtExit = true;
        qAddPostRoutine(&WorkerRetirement::finishAll);
    }
    threads().append(thread);
    locker.unlock();
    deleteFinished();
}

void WorkerRetirement::deleteFinished()
{
    QList<QThread *> finished;
    {
        QMutexLocker locker(&mutex());
        for (auto it = threads().begin(); it != threads().end();) {
            if ((*it)->isFinished()) {
                finished.append(*it);
                it = threads().erase(it);
            } else {
                ++it;
            }
        }
    }
    for (QThread *thread : finished) {
        thread->wait(); // returns at once: only the thread's last steps may be left
        delete thread;
    }
}

void WorkerRetirement::finishAll()
{
    QList<QThread *> all;
    {
        QMutexLocker locker(&mutex());
        all.swap(threads());
    }
    for (QThread *thread : all) {
        thread->wait();
        delete thread;
    }
    // What the workers handed to this thread on their way out (answers to reads, objects to free) would
    // otherwise be dropped with its queue, and the tasks they carry with it.
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

int WorkerRetirement::pendingCount()
{
    QMutexLocker locker(&mutex());
    return threads().size();
}
