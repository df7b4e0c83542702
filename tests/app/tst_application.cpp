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

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void initPublishesModelsAndLoadsDesktopWindow()
    {
        application()->init();
        QVERIFY(application()->getEngine());
        QCOMPARE(published("settings"), ApplicationSettings::instance());
        const QString paths = application()->getEngine()->importPathList().join(QLatin1Char('|'));
        QVERIFY2(paths.contains(QStringLiteral("qml/desktop")) && !paths.contains(QStringLiteral("qml/mobile")), qPrintable(paths));

        // A first start seeds the default folder with the sample device, and the catalogue lists it.
        auto *catalogue = qobject_cast<IODDListModel *>(published("ioddModel"));
        QVERIFY(catalogue);
        QCOMPARE(catalogue->rowCount(), 1);
        auto *devices = qobject_cast<DevicesListModel *>(published("devicesModel"));
        auto *filter = qobject_cast<DevicesFilterModel *>(published("devicesFilterModel"));
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

        QVERIFY(window());
        QCOMPARE(window()->title(), QStringLiteral("Ovinex IOLink Suite - Korvell GmbH"));
        QCOMPARE(footerState(), QStringLiteral("Not connected"));
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

    void languageSwitching_data()
    {
        QTest::addColumn<bool>("throughSettings");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("footer");
        QTest::newRow("German") << false << "de" << "Nicht verbunden";
        QTest::newRow("French") << false << "fr" << "Non connecté";
        QTest::newRow("unknown language falls back to English") << false << "xx" << "Not connected";
        QTest::newRow("German chosen in the settings") << true << "de" << "Nicht verbunden";
    }

    void languageSwitching()
    {
        QFETCH(bool, throughSettings);
        QFETCH(QString, language);
        QFETCH(QString, footer);
        QVERIFY(window());
        auto setLanguage = [&](const QString &code) {
            if (throughSettings)
                ApplicationSettings::instance()->setLanguage(code);
            else
                application()->setLanguage(code);
        };

        setLanguage(language);
        QCOMPARE(footerState(), footer);
        QCOMPARE(ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")), language == QLatin1String("de"));
        setLanguage(QStringLiteral("en"));
        QCOMPARE(footerState(), QStringLiteral("Not connected"));
        QVERIFY(!ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")));
    }

    void menuCommands()
    {
        QVERIFY(window());
        UrlRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        QObject *checkForUpdates = window()->findChild<QObject *>(QStringLiteral("checkForUpdatesAction"));
        QVERIFY(checkForUpdates);
        QVERIFY(QMetaObject::invokeMethod(checkForUpdates, "trigger"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.urls, QList<QUrl> { QUrl(QStringLiteral("https://korvell.example/downloads")) });

        QSignalSpy quitRequests(application()->getEngine(), &QQmlEngine::quit);
        QObject *exit = window()->findChild<QObject *>(QStringLiteral("exitAction"));
        QVERIFY(exit);
        QVERIFY(QMetaObject::invokeMethod(exit, "trigger"));
        // Not at once: the menu closes first, on the next turn of the event loop.
        QCOMPARE(quitRequests.count(), 0);
        QTRY_COMPARE(quitRequests.count(), 1);
    }

private:
    static Application *application() { return qobject_cast<Application *>(QCoreApplication::instance()); }

    static QObject *published(const char *name) { return WindowDriver::published(QLatin1String(name)); }

    static QQuickWindow *window()
    {
        if (!application()->getEngine() || application()->getEngine()->rootObjects().isEmpty())
            return nullptr;
        return qobject_cast<QQuickWindow *>(application()->getEngine()->rootObjects().first());
    }

    static QString footerState()
    {
        QObject *label = window()->findChild<QObject *>(QStringLiteral("deviceState"));
        return label ? label->property("text").toString() : QString();
    }
};

OVINEX_APPLICATION_TEST(TestApplication)

#include "tst_application.moc"
