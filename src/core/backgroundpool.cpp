#include "backgroundpool.h"

#include <QCoreApplication>
#include <QThreadPool>

QThreadPool *BackgroundPool::instance()
{
    // Made once by whichever thread asks first (a scan thread may free a tree before any connection), so
    // it has no parent: a parent would have to live in that thread.
    static QThreadPool *const pool = [] {
        auto *made = new QThreadPool;
        made->setMaxThreadCount(1);
        made->setExpiryTimeout(-1);
        // Work still running when the application ends is awaited, as nothing else may end it.
        if (QCoreApplication *application = QCoreApplication::instance())
            QObject::connect(application, &QCoreApplication::aboutToQuit, [made] { made->waitForDone(); });
        return made;
    }();
    return pool;
}
