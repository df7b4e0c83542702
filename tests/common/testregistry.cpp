#include "testregistry.h"

#include "app/application.h"
#include "testenvironment.h"

#include <QApplication>
#include <QThreadPool>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

struct Entry
{
    TestRegistry::Factory factory;
    bool needsApplication = false;
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> registered;
    return registered;
}

// Work a test class left behind (deferred deletions, pooled tasks) must end before the next class starts:
// QtTest's logger is rebuilt between classes, and a thread logging meanwhile would write into freed memory.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

} // namespace

int TestRegistry::add(Factory factory, bool needsApplication)
{
    entries().push_back({ std::move(factory), needsApplication });
    return int(entries().size());
}

int TestRegistry::runAll(int argc, char *argv[])
{
    TestEnvironment::isolate();
    bool application = false;
    for (const Entry &entry : entries())
        application = application || entry.needsApplication;
    std::unique_ptr<QApplication> app(application ? new Application(argc, argv) : new QApplication(argc, argv));
    if (!application) {
        QApplication::setOrganizationName(QStringLiteral("Korvell GmbH"));
        QApplication::setOrganizationDomain(QStringLiteral("korvell.example"));
        QApplication::setApplicationName(QStringLiteral("ovinex"));
    }
    int failures = 0;
    for (const Entry &entry : entries()) {
        std::unique_ptr<QObject> test(entry.factory());
        failures += QTest::qExec(test.get(), argc, argv);
        test.reset();
        settle();
    }
    return failures;
}
