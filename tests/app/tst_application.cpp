#include "testenvironment.h"
#include "windowdriver.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "discovery/devicesfiltermodel.h"
#include "discovery/deviceslistmodel.h"
#include "iodd/catalogue/ioddlistmodel.h"

#include <QDesktopServices>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickWindow>

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// The program started as its entry point does, driven through its window.
class TestApplication : public QObject, public WindowDriver
{
    Q_OBJECT

private slots:
    void initPublishesModelsAndLoadsDesktopWindow()
    {
        window = startWindow(QSize(1280, 800));
        QVERIFY(window);
        QCOMPARE(published(QStringLiteral("settings")), ApplicationSettings::instance());
        const QString paths = application()->getEngine()->importPathList().join(QLatin1Char('|'));
        QVERIFY2(paths.contains(QStringLiteral("qml/desktop")) && !paths.contains(QStringLiteral("qml/mobile")), qPrintable(paths));

        // A first start seeds the default folder with the sample device, and the catalogue lists it.
        auto *catalogue = qobject_cast<IODDListModel *>(published(QStringLiteral("ioddModel")));
        QVERIFY(catalogue);
        QCOMPARE(catalogue->rowCount(), 1);
        auto *devices = qobject_cast<DevicesListModel *>(published(QStringLiteral("devicesModel")));
        auto *filter = qobject_cast<DevicesFilterModel *>(published(QStringLiteral("devicesFilterModel")));
        QVERIFY(devices && filter);
        QCOMPARE(filter->sourceModel(), devices);
        // The models hold no settings of their own: the user's choices reach them, and theirs are kept.
        ApplicationSettings *settings = ApplicationSettings::instance();
        settings->setFilterUsbDevices(false);
        QVERIFY(!filter->isFilterActive());
        settings->setFilterUsbDevices(true);
        QVERIFY(filter->isFilterActive());
        const QString searchPath = catalogue->getIoddSearchPath();
        QCOMPARE(searchPath, settings->getIoddSearchPath());
        catalogue->setIoddSearchPath(searchPath + QStringLiteral("/elsewhere"));
        QCOMPARE(settings->getIoddSearchPath(), searchPath + QStringLiteral("/elsewhere"));
        catalogue->setIoddSearchPath(searchPath);
        QCOMPARE(catalogue->rowCount(), 1);

        QCOMPARE(window->title(), QStringLiteral("Ovinex IOLink Suite - Korvell GmbH"));
        QCOMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Not connected"));
    }

    void unsignedListsAreIterableInQml()
    {
        QQmlContext context(application()->getEngine()->rootContext());
        context.setContextProperty(QStringLiteral("numbers"), QVariant::fromValue(QList<unsigned int> { 7, 0, 4000000000u }));
        QQmlExpression sum(&context, nullptr,
                           QStringLiteral("var total = 0; for (var i = 0; i < numbers.length; ++i) total += numbers[i]; total"));
        QCOMPARE(sum.evaluate().toDouble(), 4000000007.0);
        QVERIFY(!sum.hasError());
    }

    // The language chosen in the settings is the main window test's; here the application is asked directly.
    void languageSwitching_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("footer");
        QTest::newRow("German") << "de" << "Nicht verbunden";
        QTest::newRow("French") << "fr" << "Non connecté";
        QTest::newRow("unknown language falls back to English") << "xx" << "Not connected";
    }

    void languageSwitching()
    {
        QFETCH(QString, language);
        QFETCH(QString, footer);
        application()->setLanguage(language);
        QCOMPARE(text(item(QStringLiteral("deviceState"))), footer);
        QCOMPARE(ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")), language == QLatin1String("de"));
        application()->setLanguage(QStringLiteral("en"));
        QCOMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Not connected"));
        QVERIFY(!ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")));
    }

    void menuCommands()
    {
        UrlRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        QObject *checkForUpdates = object(QStringLiteral("checkForUpdatesAction"));
        QVERIFY(checkForUpdates);
        QVERIFY(QMetaObject::invokeMethod(checkForUpdates, "trigger"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.urls, QList<QUrl> { QUrl(QStringLiteral("https://korvell.example/downloads")) });

        QSignalSpy quitRequests(application()->getEngine(), &QQmlEngine::quit);
        QObject *exit = object(QStringLiteral("exitAction"));
        QVERIFY(exit);
        QVERIFY(QMetaObject::invokeMethod(exit, "trigger"));
        // Not at once: the menu closes first, on the next turn of the event loop.
        QCOMPARE(quitRequests.count(), 0);
        QTRY_COMPARE(quitRequests.count(), 1);
    }

private:
    static Application *application() { return qobject_cast<Application *>(QCoreApplication::instance()); }
};

OVINEX_APPLICATION_TEST(TestApplication)

#include "tst_application.moc"
