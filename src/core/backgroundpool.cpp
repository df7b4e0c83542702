#include "backgroundpool.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

QThreadPool *BackgroundPool::instance()
{
    static QPointer<QThreadPool> pool;
    if (!pool) {
        QCoreApplication *application = QCoreApplication::instance();
        pool = new QThreadPool(application);
        pool->setMaxThreadCount(1);
        pool->setExpiryTimeout(-1);
        // Work still running when the application ends is awaited, as nothing else may end it.
        if (application)
            QObject::connect(application, &QCoreApplication::aboutToQuit, pool, [] { pool->waitForDone(); });
    }
    return pool;
}
