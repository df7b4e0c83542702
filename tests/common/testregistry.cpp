#include "testregistry.h"

#include "app/application.h"
#include "testenvironment.h"

#include <QApplication>
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
    }
    return failures;
}
