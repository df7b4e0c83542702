#include "testenvironment.h"
#include "windowdriver.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "iodd/catalogue/samplepackage.h"
#include "master/simulatedmaster.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>

namespace {

constexpr int sensorPort = 1;

} // namespace

// The Events tab and the Diagnosis tab's health badge at the smallest window size in every language, with the
// sample's lens turned dirty, and the sign-in dialog of a network master, as pictures to look at.
class TestEventScreens : public QObject, public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tabsInEveryLanguage_data();
    void tabsInEveryLanguage();
    void signInDialogInEveryLanguage_data();
    void signInDialogInEveryLanguage();

private:
    // Every tab must lie within the window, where a user can click it.
    void showTabWithin(const QString &name);

    QTemporaryDir folder;
};

void TestEventScreens::showTabWithin(const QString &name)
{
    showTab(name);
    QQuickItem *tab = item(name);
    QVERIFY2(tab->mapToScene(QPointF(tab->width(), 0)).x() <= window->width(), qPrintable(name));
}

void TestEventScreens::initTestCase()
{
    QVERIFY(folder.isValid());
    const QString iodds = folder.filePath(QStringLiteral("IODDs"));
    QVERIFY(SamplePackage::installInto(iodds));
    ApplicationSettings::instance()->setIoddSearchPath(iodds);
    ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
    window = startWindow(QSize(1024, 600));
    QVERIFY(window);

    SimulatedMaster &master = SimulatedMaster::instance();
    // The signal quality is low here; held for over two seconds, the lens counts as dirty.
    master.setTime(22000);
    QVERIFY(connectDevice(0));
    master.setTime(24200);
    master.queueEvent(sensorPort, 0xF4, 0x1801);
    master.queueEvent(sensorPort, 0x54, 0x1802);
    QObject *history = currentDevice()->property("eventHistory").value<QObject *>();
    QTRY_COMPARE_WITH_TIMEOUT(history->property("totalCount").toInt(), 3, 30000);
    QObject *health = currentDevice()->property("health").value<QObject *>();
    QTRY_COMPARE_WITH_TIMEOUT(health->property("status").toInt(), 1, 30000);
    // The pop-ups of the events close by themselves; until then a click elsewhere only closes them.
    QObject *popup = object(QStringLiteral("alertPopup"));
    QTRY_VERIFY_WITH_TIMEOUT(!popup || !popup->property("visible").toBool(), 20000);
}

void TestEventScreens::tabsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("de") << "de";
    QTest::newRow("fr") << "fr";
}

void TestEventScreens::tabsInEveryLanguage()
{
    QFETCH(QString, language);
    ApplicationSettings::instance()->setLanguage(language);
    showTabWithin(QStringLiteral("eventsTab"));
    QTRY_VERIFY(item(QStringLiteral("eventsPage"))->isVisible());
    screenshot(QStringLiteral("events-tab-") + language);
    showTabWithin(QStringLiteral("diagnosisTab"));
    QTRY_VERIFY(item(QStringLiteral("healthBadge"))->isVisible());
    screenshot(QStringLiteral("health-badge-") + language);
}

void TestEventScreens::signInDialogInEveryLanguage_data()
{
    tabsInEveryLanguage_data();
}

void TestEventScreens::signInDialogInEveryLanguage()
{
    QFETCH(QString, language);
    ApplicationSettings::instance()->setLanguage(language);
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    QObject *access = application->getEngine()->rootContext()->contextProperty(QStringLiteral("networkMasters")).value<QObject *>();
    QVERIFY(access);
    // As a master on plain http answering 401 would ask.
    QVERIFY(QMetaObject::invokeMethod(access, "credentialsRequested", Q_ARG(QString, QStringLiteral("http://192.0.2.7/iolink/v1")),
                                      Q_ARG(QString, QStringLiteral("192.0.2.7")), Q_ARG(bool, true)));
    QObject *dialog = object(QStringLiteral("masterCredentialsDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->property("opened").toBool());
    QQuickItem *remember = item(QStringLiteral("masterRememberBox"));
    QVERIFY(remember);
    remember->setProperty("checked", true);
    screenshot(QStringLiteral("master-sign-in-") + language);
    closeDialog(QStringLiteral("masterCredentialsDialog"));
}

OVINEX_APPLICATION_TEST(TestEventScreens)

#include "tst_eventscreens.moc"
