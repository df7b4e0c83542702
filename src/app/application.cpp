#include "application.h"

#include "applicationsettings.h"
#include "comm/communicationfiltermodel.h"
#include "ioddpackages.h"
#include "binding/iolinkwrapper.h"
#include "connection/iolinkdevice.h"
#include "core/logcategories.h"
#include "discovery/deviceitem.h"
#include "discovery/devicesfiltermodel.h"
#include "discovery/deviceslistmodel.h"
#include "discovery/networkmasteraccess.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/catalogue/samplepackage.h"
#include "parameterset/parametersetcontroller.h"

#include <QDebug>
#include <QMetaType>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQml>
#include <QSequentialIterable>
#include <QUrl>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationDisplayName(QStringLiteral("ovinexapp"));
    setApplicationVersion(QStringLiteral(OVINEX_VERSION));
    setOrganizationName(QStringLiteral("Korvell GmbH"));
    setOrganizationDomain(QStringLiteral("korvell.example"));
    qInfo() << "** Application: " << applicationName() << applicationDisplayName() << applicationVersion()
            << organizationName() << organizationDomain();
}

Application::~Application()
{
    delete engine;
    engine = nullptr;
    delete devicesFilterModel;
    devicesFilterModel = nullptr;
    delete devicesModel;
    devicesModel = nullptr;
    delete ioddPackages;
    ioddPackages = nullptr;
    delete ioddModel;
    ioddModel = nullptr;
}

void Application::init()
{
    ApplicationSettings *settings = ApplicationSettings::instance();
    setLanguage(settings->getLanguage());
    registerMetaTypes();
    connect(settings, &ApplicationSettings::languageChanged, this, &Application::handleLanguageChanged);
    engine = new QQmlApplicationEngine(this);
    createModels();
    publishContextProperties();
    addImportPaths();
    qCDebug(lcApp) << "qmlengine import paths" << engine->importPathList();
    loadMainQml();
}

void Application::registerMetaTypes()
{
    qRegisterMetaType<DeviceItem *>("DeviceItem*");
    qRegisterMetaType<IODDEntry *>("IODDEntry*");
    qRegisterMetaType<IOLinkDevice *>("IOLinkDevice*");
    qRegisterMetaType<IOLinkWrapper *>("IOLinkWrapper*");
    qRegisterMetaType<QList<unsigned int>>("QList<unsigned int>");
    qmlRegisterType<CommunicationFilterModel>("Ovinex.Comm", 1, 0, "CommunicationFilterModel");
    // Lets QML iterate such lists like arrays.
    if (!QMetaType::hasRegisteredConverterFunction<QList<unsigned int>, QtMetaTypePrivate::QSequentialIterableImpl>())
        QMetaType::registerConverter<QList<unsigned int>, QtMetaTypePrivate::QSequentialIterableImpl>(
            QtMetaTypePrivate::QSequentialIterableConvertFunctor<QList<unsigned int>>());
}

void Application::createModels()
{
#ifndef Q_OS_WIN
    // The default folder starts out holding the sample device, so a first start has something to show.
    SamplePackage::installInto(ApplicationSettings::defaultIoddSearchPath());
#endif
    ApplicationSettings *settings = ApplicationSettings::instance();
    ioddModel = new IODDListModel(settings->getIoddSearchPath(), this);
    connect(ioddModel, &IODDListModel::ioddSearchPathChanged, settings,
            [this, settings]() { settings->setIoddSearchPath(ioddModel->getIoddSearchPath()); });
    ioddPackages = new IoddPackages(ioddModel, this);
    devicesModel = new DevicesListModel(ioddModel, this);
    devicesModel->setSensorStore(settings->getSensorStore());
    devicesModel->setLanguage(settings->getLanguage());
    devicesModel->setMasterChoice(settings->masterChoice());
    const auto passMasterChoice = [this, settings]() { devicesModel->setMasterChoice(settings->masterChoice()); };
    connect(settings, &ApplicationSettings::simulatedMasterChanged, devicesModel, passMasterChoice);
    connect(settings, &ApplicationSettings::simulatedDevicesChanged, devicesModel, passMasterChoice);
    connect(settings, &ApplicationSettings::networkMastersChanged, devicesModel, passMasterChoice);
    connect(settings, &ApplicationSettings::networkPollIntervalChanged, devicesModel, passMasterChoice);
    devicesFilterModel = new DevicesFilterModel(this);
    devicesFilterModel->setFilterActive(settings->getFilterUsbDevices());
    connect(settings, &ApplicationSettings::filterUsbDevicesChanged, devicesFilterModel,
            [this, settings]() { devicesFilterModel->setFilterActive(settings->getFilterUsbDevices()); });
    devicesFilterModel->setSourceModel(devicesModel);
    parameterSets = new ParameterSetController(this);
    networkMasterAccess = new NetworkMasterAccess(this);
}

void Application::publishContextProperties()
{
    engine->rootContext()->setContextProperty(QStringLiteral("devicesModel"), devicesModel);
    engine->rootContext()->setContextProperty(QStringLiteral("devicesFilterModel"), devicesFilterModel);
    engine->rootContext()->setContextProperty(QStringLiteral("ioddModel"), ioddModel);
    engine->rootContext()->setContextProperty(QStringLiteral("ioddPackages"), ioddPackages);
    engine->rootContext()->setContextProperty(QStringLiteral("settings"), ApplicationSettings::instance());
    engine->rootContext()->setContextProperty(QStringLiteral("parameterSets"), parameterSets);
    engine->rootContext()->setContextProperty(QStringLiteral("networkMasters"), networkMasterAccess);
}

void Application::addImportPaths()
{
    engine->addImportPath(QStringLiteral("qrc:/"));
    engine->addImportPath(QStringLiteral("qrc:/qml/common/"));
    if (ApplicationSettings::instance()->isMobile())
        engine->addImportPath(QStringLiteral("qrc:/qml/mobile/"));
    else
        engine->addImportPath(QStringLiteral("qrc:/qml/desktop/"));
}

void Application::loadMainQml()
{
    const QString mainQml = ApplicationSettings::instance()->isMobile() ? mobileMainQml : desktopMainQml;
    qCDebug(lcApp) << "load engine";
    engine->load(QUrl(mainQml));
    qCDebug(lcApp) << "loaded engine";
}

void Application::setLanguage(const QString &language)
{
    qInfo() << Q_FUNC_INFO << "Change language to:" << language;
    // Removed every time, also when empty: installing it again would list it twice.
    removeTranslator(&translator);
    if (devicesModel)
        devicesModel->setLanguage(language);
    // Non-null empty delimiters and suffix: exactly this file, no fallback to similar names.
    translator.load(QStringLiteral(":/languages/ovinex_") + language + QStringLiteral(".qm"), QString(),
                    QStringLiteral(""), QStringLiteral(""));
    installTranslator(&translator);
    if (engine)
        engine->retranslate();
}

void Application::handleLanguageChanged()
{
    setLanguage(ApplicationSettings::instance()->getLanguage());
}
