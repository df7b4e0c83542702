#include "testenvironment.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/deviceslistmodel.h"
#include "iodd/catalogue/samplepackage.h"
#include "master/simulatedmaster.h"
#include "parameterset/deviceparameteraccess.h"

#include <QDir>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

void collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : from->childItems()) {
        if (child->objectName() == name)
            found.append(child);
        collectItems(child, name, found);
    }
}

} // namespace

// The parameter-set dialogs at the smallest window size in every language, as pictures to look at.
class TestParameterSetScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogsInEveryLanguage_data();
    void dialogsInEveryLanguage();

private:
    QQuickItem *item(const QString &name) const;
    QObject *object(const QString &name) const;
    void screenshot(const QString &name);

    QTemporaryDir folder;
    QQuickWindow *window = nullptr;
    QObject *dialogs = nullptr;
    QString file;
};

QQuickItem *TestParameterSetScreens::item(const QString &name) const
{
    QList<QQuickItem *> found;
    collectItems(window->contentItem(), name, found);
    return found.isEmpty() ? nullptr : found.first();
}

QObject *TestParameterSetScreens::object(const QString &name) const
{
    if (QObject *found = window->findChild<QObject *>(name))
        return found;
    return dialogs ? dialogs->findChild<QObject *>(name) : nullptr;
}

void TestParameterSetScreens::screenshot(const QString &name)
{
    QSharedPointer<const QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(const_cast<QQuickItemGrabResult *>(grab.data()), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    QDir().mkpath(TestEnvironment::buildPath(QStringLiteral("screenshots")));
    QVERIFY(grab->saveToFile(TestEnvironment::buildPath(QStringLiteral("screenshots/") + name + QStringLiteral(".png"))));
}

void TestParameterSetScreens::initTestCase()
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
    dialogs = window->findChild<QObject *>(QStringLiteral("parameterSetDialogs"));
    QVERIFY(dialogs);

    DevicesListModel *devices = application->getDevicesModel();
    QTRY_VERIFY_WITH_TIMEOUT(devices->rowCount() > 0, 30000);
    // As the row's connect button does.
    devices->connectToDevice(0);
    QTRY_VERIFY_WITH_TIMEOUT(devices->getCurrentDevice(), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(devices->getCurrentDevice()->getState(), QStringLiteral("connected"), 60000);

    file = folder.filePath(QStringLiteral("OVX100.ovxparams"));
    QVERIFY(QMetaObject::invokeMethod(dialogs, "saveTo", Q_ARG(QVariant, QUrl::fromLocalFile(file))));
    QObject *message = object(QStringLiteral("parameterSetMessageDialog"));
    QTRY_VERIFY_WITH_TIMEOUT(message->property("opened").toBool(), 30000);
    QVERIFY(QMetaObject::invokeMethod(message, "close"));
    QTRY_VERIFY(!message->property("visible").toBool());
}

void TestParameterSetScreens::dialogsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("restored");
    QTest::newRow("en") << "en" << "Parameter set restored";
    QTest::newRow("de") << "de" << "Parametersatz wiederhergestellt";
    QTest::newRow("fr") << "fr" << "Jeu de paramètres restauré";
}

void TestParameterSetScreens::dialogsInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, restored);
    ApplicationSettings::instance()->setLanguage(language);
    auto *device = qobject_cast<Application *>(QCoreApplication::instance())->getDevicesModel()->getCurrentDevice();
    DeviceParameterAccess access(device);
    int written = 0;
    for (const auto &change : { qMakePair(67u, QByteArray::fromHex("00C8")), qMakePair(60u, QByteArray::fromHex("0BB800140101")) })
        access.write(change.first, 0, change.second, [&](const DeviceParameterAccess::Answer &answer) { written += answer.ok; });
    QTRY_COMPARE(written, 2);

    QVERIFY(QMetaObject::invokeMethod(dialogs, "compareWith", Q_ARG(QVariant, QUrl::fromLocalFile(file))));
    QObject *table = object(QStringLiteral("parameterTableDialog"));
    QTRY_VERIFY_WITH_TIMEOUT(table->property("opened").toBool(), 30000);
    QTRY_COMPARE(item(QStringLiteral("parameterTableRows"))->property("count").toInt(), 2);
    screenshot(QStringLiteral("parametersets-comparison-") + language);
    QVERIFY(QMetaObject::invokeMethod(table, "close"));
    QTRY_VERIFY(!table->property("visible").toBool());

    QVERIFY(QMetaObject::invokeMethod(dialogs, "restoreFrom", Q_ARG(QVariant, QUrl::fromLocalFile(file))));
    QObject *confirm = object(QStringLiteral("restoreConfirmDialog"));
    QTRY_VERIFY(confirm->property("opened").toBool());
    screenshot(QStringLiteral("parametersets-confirmation-") + language);
    QVERIFY(QMetaObject::invokeMethod(confirm, "accept"));
    QTRY_VERIFY_WITH_TIMEOUT(table->property("opened").toBool(), 30000);
    QVERIFY2(item(QStringLiteral("parameterTableSummary"))->property("text").toString().startsWith(restored),
             qPrintable(item(QStringLiteral("parameterTableSummary"))->property("text").toString()));
    screenshot(QStringLiteral("parametersets-report-") + language);
    QVERIFY(QMetaObject::invokeMethod(table, "close"));
    QTRY_VERIFY(!table->property("visible").toBool());
}

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    Application application(argc, argv);
    TestParameterSetScreens tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_parametersetscreens.moc"
