#pragma once

#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "discovery/deviceslistmodel.h"
#include "master/masterlibrary.h"
#include "master/simulatedmaster.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

// Two simulated masters (SIM1 with the test sensor "OVX-TEST", SIM2 with "OVX-OTHER") and IODD folders
// with and without the test sensor's description.
class DiscoveryFixture
{
public:
    DiscoveryFixture()
    {
        QDir().mkpath(withIoddPath());
        QDir().mkpath(emptyPath());
        QFile::copy(testSensorFile(), withIoddPath() + QStringLiteral("/testsensor.xml"));
        writeOtherSensor();
        ApplicationSettings *settings = ApplicationSettings::instance();
        settings->setSimulatedMaster(true);
        settings->setSimulatedDevices(QStringList { testSensorFile(), otherSensorFile() });
        MasterLibrary::instance().bind(ApplicationSettings::instance()->masterChoice());
    }

    static QString testSensorFile() { return TestEnvironment::testDataPath(QStringLiteral("master/testsensor.xml")); }
    QString otherSensorFile() const { return root.filePath(QStringLiteral("other/othersensor.xml")); }
    QString withIoddPath() const { return root.filePath(QStringLiteral("iodds")); }
    QString emptyPath() const { return root.filePath(QStringLiteral("empty/none")); }
    QString ioddFile() const { return QDir(withIoddPath()).absoluteFilePath(QStringLiteral("testsensor.xml")); }

    // Fresh ports without faults or open handles.
    static void resetMaster()
    {
        SimulatedMaster &master = SimulatedMaster::instance();
        master.setDeviceFiles(master.deviceFiles());
    }

    // A saved-sensor store in the temporary folder for the model; the fixture owns it.
    QSettings *useSensorStore(DevicesListModel *model)
    {
        sensorStore = std::make_unique<QSettings>(root.filePath(QStringLiteral("sensors.ini")), QSettings::IniFormat);
        sensorStore->clear();
        model->setSensorStore(sensorStore.get());
        return sensorStore.get();
    }

    static QString savedSensor(const QString &id, const QString &name)
    {
        return QStringLiteral("{\"id\":\"%1\",\"productId\":\"P-%1\",\"productName\":\"%2\",\"serialNumber\":\"S%1\","
                              "\"time\":\"2026-05-04T13:02:11\"}")
            .arg(id, name);
    }

private:
    void writeOtherSensor() const
    {
        QFile source(TestEnvironment::testDataPath(QStringLiteral("catalogue/template.xml")));
        source.open(QIODevice::ReadOnly);
        QString content = QString::fromUtf8(source.readAll());
        content.replace(QStringLiteral("@PRODUCT@"), QStringLiteral("OVX-OTHER"))
            .replace(QStringLiteral("@DATE@"), QStringLiteral("2024-01-01"))
            .replace(QStringLiteral("@NAME@"), QStringLiteral("Other Sensor"));
        QDir().mkpath(QFileInfo(otherSensorFile()).absolutePath());
        QFile target(otherSensorFile());
        target.open(QIODevice::WriteOnly);
        target.write(content.toUtf8());
    }

    QTemporaryDir root;
    std::unique_ptr<QSettings> sensorStore;
};
