#pragma once

#include <QApplication>
#include <QString>
#include <QTranslator>

class DevicesFilterModel;
class NetworkMasterAccess;
class DevicesListModel;
class IODDListModel;
class ParameterSetController;
class IoddPackages;
class QQmlApplicationEngine;

// The application object: creates the long-lived models, publishes them to QML and switches the interface language.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    void init();
    void setLanguage(const QString &language);

    QQmlApplicationEngine *getEngine() const { return engine; }
    DevicesListModel *getDevicesModel() const { return devicesModel; }
    DevicesFilterModel *getDevicesFilterModel() const { return devicesFilterModel; }

public slots:
    void handleLanguageChanged();

private:
    static void registerMetaTypes();
    void createModels();
    void publishContextProperties();
    void addImportPaths();
    void loadMainQml();

    QQmlApplicationEngine *engine = nullptr;
    QTranslator translator;
    DevicesListModel *devicesModel = nullptr;
    DevicesFilterModel *devicesFilterModel = nullptr;
    NetworkMasterAccess *networkMasterAccess = nullptr;
    const QString mobileMainQml = QStringLiteral("qrc:/qml/mobile/ContentMobile.qml");
    const QString desktopMainQml = QStringLiteral("qrc:/qml/desktop/ContentDesktop.qml");
    IODDListModel *ioddModel = nullptr;
    ParameterSetController *parameterSets = nullptr;
    IoddPackages *ioddPackages = nullptr;
};
