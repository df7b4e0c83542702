#include "testregistry.h"

#include "app/application.h"
#include "core/backgroundpool.h"
#include "testenvironment.h"

#include <QApplication>
#include <QFile>
#include <QThreadPool>
#include <QtTest>

#include <cstdio>
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
    BackgroundPool::instance()->waitForDone();
    QCoreApplication::processEvents();
}

// The arguments of one class's run: unless the caller chose outputs, the usual text on the console and a
// machine-readable copy in the file given.
QStringList argumentsFor(int argc, char *argv[], const QString &tapFile)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!arguments.contains(QLatin1String("-o")))
        arguments << QStringLiteral("-o") << QStringLiteral("-,txt") << QStringLiteral("-o") << tapFile + QStringLiteral(",tap");
    return arguments;
}

// Each failure with its message and place, from a class's machine-readable output.
QByteArray failuresIn(const QString &tapFile)
{
    QFile file(tapFile);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray failures;
    bool inFailure = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.startsWith("not ok"))
            inFailure = true;
        else if (!line.startsWith(' '))
            inFailure = false;
        if (inFailure)
            failures += line;
    }
    return failures;
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
    QByteArray failureLines;
    const QString tapFile = TestEnvironment::rootPath() + QStringLiteral("/results.tap");
    for (const Entry &entry : entries()) {
        QFile::remove(tapFile);
        std::unique_ptr<QObject> test(entry.factory());
        failures += QTest::qExec(test.get(), argumentsFor(argc, argv, tapFile));
        test.reset();
        settle();
        failureLines += failuresIn(tapFile);
    }
    // A long output is often seen only by its head and tail: the failures are repeated at its end.
    if (!failureLines.isEmpty())
        fprintf(stdout, "\nFailures:\n%s", failureLines.constData());
    return failures;
}
