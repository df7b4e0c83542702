#include "bindingbuilder.h"

#include "binding/iolinkwrapper.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

// Shared with the end of the thread, which may come after the builder has gone. The binding is written by
// the build before the thread ends; everything else only in the window's thread.
struct BindingBuilder::Result
{
    IOLinkWrapper *binding = nullptr;
    // The thread has ended and its object is gone.
    bool done = false;
    bool abandoned = false;
};

BindingBuilder::BindingBuilder(const QString &ioddPath, const QString &language, QObject *parent)
    : QObject(parent)
    , result(std::make_shared<Result>())
    , path(ioddPath)
    , language(language)
{
    QThread *home = QObject::thread();
    std::shared_ptr<Result> shared = result;
    thread = QThread::create([shared, ioddPath, language, home]() {
        shared->binding = new IOLinkWrapper(ioddPath, language);
        shared->binding->moveToThread(home);
    });
    connect(thread, &QThread::finished, thread, [shared, ended = thread]() {
        shared->done = true;
        if (shared->abandoned) {
            delete shared->binding;
            shared->binding = nullptr;
        }
        ended->deleteLater();
    });
    // A build still running when the application ends is awaited, as nothing else may end it.
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, thread, [ended = thread]() { ended->wait(); });
    thread->start();
}

BindingBuilder::~BindingBuilder()
{
    result->abandoned = true;
    if (!result->done && !thread->isFinished())
        return;
    if (!result->done)
        thread->wait();
    delete result->binding;
    result->binding = nullptr;
}

bool BindingBuilder::builds(const QString &ioddPath, const QString &language) const
{
    return path == ioddPath && this->language == language;
}

IOLinkWrapper *BindingBuilder::take()
{
    if (!result->done && !thread->isFinished()) {
        QEventLoop loop;
        connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // A quitting application ends the loop early; the build is then awaited.
    if (!result->done)
        thread->wait();
    IOLinkWrapper *binding = result->binding;
    result->binding = nullptr;
    return binding;
}
