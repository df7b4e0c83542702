#pragma once

#include <QList>
#include <QMutex>

class QThread;

// Keeps the worker threads of devices that are gone until they have ended, so that nobody in the window
// waits for a master call to return; at the latest the application's end joins them.
class WorkerRetirement
{
public:
    // Takes over a running thread that quits by itself; finished ones are deleted on the next call.
    static void adopt(QThread *thread);
    // Waits for every adopted thread and deletes it, then passes on what they left for the window thread.
    // For the application's end and for tests.
    static void finishAll();
    static int pendingCount();

private:
    static void deleteFinished();
    static QMutex &mutex();
    static QList<QThread *> &threads();
};
