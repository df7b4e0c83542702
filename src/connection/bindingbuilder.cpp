#include "bindingbuilder.h"

#include "binding/iolinkwrapper.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QThread>
#include <QThreadPool>
#include <QWaitCondition>

namespace {

// Builds run in threads that stay. A new thread's heap starts empty: faulting in the memory of a large
// description cost as much as parsing it, and the thread's start and end came on top.
QThreadPool *buildPool()
{
    static QPointer<QThreadPool> pool;
    if (!pool) {
        QCoreApplication *application = QCoreApplication::instance();
        pool = new QThreadPool(application);
        pool->setExpiryTimeout(-1);
        // A build still running when the application ends is awaited, as nothing else may end it.
        if (application)
            QObject::connect(application, &QCoreApplication::aboutToQuit, pool, [] { pool->waitForDone(); });
    }
    return pool;
}

} // namespace

// Shared with the build, which may end after the builder has gone. Everything but the wait for the end
// is under the mutex; the loop is used only in the window's thread.
struct BindingBuilder::Result
{
    QMutex mutex;
    QWaitCondition ended;
    IOLinkWrapper *binding = nullptr;
    bool done = false;
    bool abandoned = false;
    QEventLoop *waiting = nullptr;
};

BindingBuilder::BindingBuilder(const QString &ioddPath, const QString &language, QObject *parent)
    : QObject(parent)
    , result(std::make_shared<Result>())
    , path(ioddPath)
    , language(language)
{
    QThread *home = QObject::thread();
    std::shared_ptr<Result> shared = result;
    buildPool()->start([shared, ioddPath, language, home]() {
        auto *binding = new IOLinkWrapper(ioddPath, language);
        QMutexLocker locker(&shared->mutex);
        if (shared->abandoned) {
            locker.unlock();
            delete binding;
            return;
        }
        binding->moveToThread(home);
        shared->binding = binding;
        shared->done = true;
        shared->ended.wakeAll();
        locker.unlock();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shared]() {
                if (shared->waiting)
                    shared->waiting->quit();
            },
            Qt::QueuedConnection);
    });
}

// A build nobody takes deletes its binding: here when it has ended, else when it ends.
BindingBuilder::~BindingBuilder()
{
    QMutexLocker locker(&result->mutex);
    result->abandoned = true;
    delete result->binding;
    result->binding = nullptr;
}

bool BindingBuilder::builds(const QString &ioddPath, const QString &language) const
{
    return path == ioddPath && this->language == language;
}

IOLinkWrapper *BindingBuilder::take()
{
    if (!isDone()) {
        QEventLoop loop;
        result->waiting = &loop;
        if (!isDone())
            loop.exec();
        result->waiting = nullptr;
    }
    // A quitting application ends the loop early; the build is then awaited.
    QMutexLocker locker(&result->mutex);
    while (!result->done)
        result->ended.wait(&result->mutex);
    IOLinkWrapper *binding = result->binding;
    result->binding = nullptr;
    return binding;
}

bool BindingBuilder::isDone() const
{
    QMutexLocker locker(&result->mutex);
    return result->done;
}
