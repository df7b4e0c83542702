#include "testenvironment.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/deviceslistmodel.h"
#include "iodd/catalogue/samplepackage.h"
#include "master/simulatedmaster.h"

#include <QDir>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

constexpr int sensorPort = 1;

void collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : from->childItems()) {
        if (child->objectName() == name)
            found.append(child);
        collectItems(child, name, found);
    }
}

} // namespace

// The Events tab and the Diagnosis tab's health badge at the smallest window size in every language, with the
// sample's lens turned dirty, and the sign-in dialog of a network master, as pictures to look at.
class TestEventScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tabsInEveryLanguage_data();
    void tabsInEveryLanguage();
    void signInDialogInEveryLanguage_data();
    void signInDialogInEveryLanguage();

private:
    QQuickItem *item(const QString &name) const;
    void showTab(const QString &name);
    void screenshot(const QString &name);

    QTemporaryDir folder;
    QQuickWindow *window = nullptr;
};

QQuickItem *TestEventScreens::item(const QString &name) const
{
    QList<QQuickItem *> found;
    collectItems(window->contentItem(), name, found);
    return found.isEmpty() ? nullptr : found.first();
}

void TestEventScreens::showTab(const QString &name)
{
    QQuickItem *tab = item(name);
    QVERIFY2(tab, qPrintable(name));
    // Every tab must lie within the window, where a user can click it.
    QTRY_VERIFY2(tab->isVisible() && tab->mapToScene(QPointF(tab->width(), 0)).x() <= window->width(), qPrintable(name));
    const QPoint centre = tab->mapToScene(QPointF(tab->width() / 2, tab->height() / 2)).toPoint();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre);
    QTRY_VERIFY(tab->property("checked").toBool());
}

void TestEventScreens::screenshot(const QString &name)
{
    QSharedPointer<const QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(const_cast<QQuickItemGrabResult *>(grab.data()), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    QDir().mkpath(TestEnvironment::buildPath(QStringLiteral("screenshots")));
    QVERIFY(grab->saveToFile(TestEnvironment::buildPath(QStringLiteral("screenshots/") + name + QStringLiteral(".png"))));
}

void TestEventScreens::initTestCase()
{
    QVERIFY(folder.isValid());
    const QString iodds = folder.filePath(QStringLiteral("IODDs"));
    QVERIFY(SamplePackage::installInto(iodds));
    ApplicationSettings::instance()->setIoddSearchPath(iodds);
    ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
    QQuickStyle::setStyle(QStringLiteral("Material"));
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    application->init();
    window = qobject_cast<QQuickWindow *>(application->getEngine()->rootObjects().value(0));
    QVERIFY(window);
    window->resize(1024, 600);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    DevicesListModel *devices = application->getDevicesModel();
    QTRY_VERIFY_WITH_TIMEOUT(devices->rowCount() > 0, 30000);
    SimulatedMaster &master = SimulatedMaster::instance();
    // The signal quality is low here; held for over two seconds, the lens counts as dirty.
    master.setTime(22000);
    devices->connectToDevice(0);
    QTRY_VERIFY_WITH_TIMEOUT(devices->getCurrentDevice(), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(devices->getCurrentDevice()->getState(), QStringLiteral("connected"), 60000);
    master.setTime(24200);
    master.queueEvent(sensorPort, 0xF4, 0x1801);
    master.queueEvent(sensorPort, 0x54, 0x1802);
    QObject *history = devices->getCurrentDevice()->property("eventHistory").value<QObject *>();
    QTRY_COMPARE_WITH_TIMEOUT(history->property("totalCount").toInt(), 3, 30000);
    QObject *health = devices->getCurrentDevice()->property("health").value<QObject *>();
    QTRY_COMPARE_WITH_TIMEOUT(health->property("status").toInt(), 1, 30000);
    // The pop-ups of the events close by themselves; until then a click elsewhere only closes them.
    QObject *popup = window->findChild<QObject *>(QStringLiteral("alertPopup"));
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
    showTab(QStringLiteral("eventsTab"));
    QTRY_VERIFY(item(QStringLiteral("eventsPage"))->isVisible());
    screenshot(QStringLiteral("events-tab-") + language);
    showTab(QStringLiteral("diagnosisTab"));
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
    QObject *dialog = window->findChild<QObject *>(QStringLiteral("masterCredentialsDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->property("opened").toBool());
    QQuickItem *remember = item(QStringLiteral("masterRememberBox"));
    QVERIFY(remember);
    remember->setProperty("checked", true);
    screenshot(QStringLiteral("master-sign-in-") + language);
    QVERIFY(QMetaObject::invokeMethod(dialog, "close"));
    QTRY_VERIFY(!dialog->property("visible").toBool());
}

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    Application application(argc, argv);
    TestEventScreens tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_eventscreens.moc"
