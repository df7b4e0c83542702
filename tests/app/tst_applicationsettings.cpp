#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "discovery/deviceitem.h"
#include "discovery/savedsensors.h"

#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

class TestApplicationSettings : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, while the profile is still untouched.

    void settersEmitEvenWhenUnchanged_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("language") << "language" << "app/language" << QVariant("de");
        QTest::newRow("filter") << "filterUsbDevices" << "app/filterUsbDevices" << QVariant(false);
        QTest::newRow("debug") << "debugEnabled" << "app/debugEnabled" << QVariant(true);
        QTest::newRow("simulated master") << "simulatedMaster" << "app/simulatedMaster" << QVariant(true);
        QTest::newRow("simulated devices") << "simulatedDevices" << "app/simulatedDevices"
                                           << QVariant(QStringList { "/a.xml", "/b.xml" });
        QTest::newRow("search path") << "ioddSearchPath" << "iodd/searchPath" << QVariant("/srv/iodds");
    }

    void settersEmitEvenWhenUnchanged()
    {
        QFETCH(QString, property);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        ApplicationSettings *settings = ApplicationSettings::instance();
        const QMetaObject *meta = settings->metaObject();
        const QMetaProperty metaProperty = meta->property(meta->indexOfProperty(qPrintable(property)));
        QVERIFY(metaProperty.isValid() && metaProperty.hasNotifySignal());
        QSignalSpy spy(settings, metaProperty.notifySignal());

        for (int i = 0; i < 2; ++i) {
            // The search path is read-only for QML, which changes it through the catalogue.
            if (property == QLatin1String("ioddSearchPath"))
                settings->setIoddSearchPath(value.toString());
            else
                QVERIFY(settings->setProperty(qPrintable(property), value));
        }

        QCOMPARE(spy.count(), 2);
        // Written through to the store that the next start reads.
        QVariant stored = QSettings().value(key);
        QVERIFY(stored.convert(value.userType()));
        QCOMPARE(stored, value);
        settings->setDebugEnabled(false);
    }

    void savedSensorsRoundTrip()
    {
        QTemporaryDir folder;
        std::unique_ptr<QSettings> store(newSensorStore(folder));
        SavedSensors sensors;
        sensors.setStore(store.get());
        DeviceItem item(QStringLiteral("SIM1"));
        item.setProductId(QStringLiteral("OVX100"));
        item.setProductName(QStringLiteral("Ovinex Level Sensor"));
        item.setSerialNumber(QStringLiteral("000123"));
        const QDateTime synchronised(QDate(2026, 12, 1), QTime(8, 30, 5));
        item.setTime(synchronised);
        sensors.save(&item);
        item.setSerialNumber(QStringLiteral("000124"));
        sensors.save(&item);

        const QList<DeviceItem *> items = sensors.read();
        QCOMPARE(items.size(), 1);
        DeviceItem *read = items.first();
        QCOMPARE(read->getProductName(), QStringLiteral("Ovinex Level Sensor"));
        QCOMPARE(read->getSerialNumber(), QStringLiteral("000124"));
        QCOMPARE(read->getTime(), synchronised);
        qDeleteAll(items);

        DeviceItem unnamed;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("without id")));
        sensors.save(&unnamed);
        QTest::ignoreMessage(QtWarningMsg, "Can't remove non-existing key: \"COM4\"");
        sensors.remove(QStringLiteral("COM4"));
        QCOMPARE(store->allKeys(), QStringList { "SIM1" });
    }

    void badSavedSensorsAreDroppedForGood()
    {
        // Good sensors beside ids that differ from their keys, JSON that is no object or broken, and no id.
        QTemporaryDir folder;
        const QString kept = TestEnvironment::testDataPath(QStringLiteral("app/badsensors.ini"));
        QVERIFY(QFile::copy(kept, folder.filePath(QStringLiteral("sensors.ini"))));
        std::unique_ptr<QSettings> store(newSensorStore(folder));
        SavedSensors sensors;
        sensors.setStore(store.get());
        QTest::ignoreMessage(QtWarningMsg, "JSON id does not match the key: \"COM9\" \"COM2\"");
        QTest::ignoreMessage(QtWarningMsg, "JSON id does not match the key: \"\" \"COM6\"");
        QTest::ignoreMessage(QtWarningMsg, "JSON does not contain an object.");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Can't parse JSON:")));
        for (const char *key : { "COM2", "COM3", "COM4", "COM6" })
            QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Can't parse key. Removing:  \"%1\"").arg(key)));

        const QList<DeviceItem *> items = sensors.read();
        QStringList ids;
        for (const DeviceItem *item : items)
            ids << item->getId();
        QCOMPARE(ids, (QStringList { "COM1", "COM5", "COM7" }));
        QCOMPARE(items.last()->getProductName(), QStringLiteral("Füllstand \"A\""));
        qDeleteAll(items);
        QCOMPARE(store->allKeys(), (QStringList { "COM1", "COM5", "COM7" }));

        // A second read finds nothing left to complain about.
        const QList<DeviceItem *> again = sensors.read();
        QCOMPARE(again.size(), 3);
        qDeleteAll(again);
    }

    void withoutSensorStoreNothingIsKept()
    {
        SavedSensors sensors;
        const QStringList keysBefore = QSettings().allKeys();
        DeviceItem item(QStringLiteral("COM3"));
        sensors.save(&item);
        sensors.remove(QStringLiteral("COM3"));
        QVERIFY(sensors.read().isEmpty());
        QCOMPARE(QSettings().allKeys(), keysBefore);
    }

private:
    static QSettings *newSensorStore(const QTemporaryDir &folder)
    {
        return new QSettings(folder.filePath(QStringLiteral("sensors.ini")), QSettings::IniFormat);
    }
};

OVINEX_TEST_MAIN(TestApplicationSettings)
#include "tst_applicationsettings.moc"
