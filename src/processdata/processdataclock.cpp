#include "processdataclock.h"

#include <QElapsedTimer>

qint64 ProcessDataClock::monotonicMs()
{
    static const QElapsedTimer origin = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return origin.elapsed();
}
