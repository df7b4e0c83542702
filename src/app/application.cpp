#include "application.h"

#include "applicationsettings.h"
#include "discovery/deviceitem.h"

#include <QDebug>
#include <QMetaType>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSequentialIterable>
#include <QUrl>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationDisplayName(QStringLiteral("ovinexapp"));
    setOrganizationName(QStringLiteral("Korvell GmbH"));
    setOrganizationDomain(QStringLiteral("korvell.example"));
    qInfo() << "** Application: " << applicationName() << applicationDisplayName() << applicationVersion()
            << organizationName() << organizationDomain();
}

Application::~Application()
{
    delete engine;
    engine = nullptr;
}

void Application::init()
{
    ApplicationSettings *settings = ApplicationSettings::instance();
    setLanguage(settings->getLanguage());
    registerMetaTypes();
    connect(settings, &ApplicationSettings::languageChanged, this, &Application::handleLanguageChanged);
    engine = new QQmlApplicationEngine(this);
    publishContextProperties();
    addImportPaths();
    qDebug() << "qmlengine import paths" << engine->importPathList();
    loadMainQml();
}

void Application::registerMetaTypes()
{
    qRegisterMetaType<DeviceItem *>("DeviceItem*");
    qRegisterMetaType<QList<unsigned int>>("QList<unsigned int>");
    // Lets QML iterate such lists like arrays.
    if (!QMetaType::hasRegisteredConverterFunction<QList<unsigned int>, QtMetaTypePrivate::QSequentialIterableImpl>())
        QMetaType::registerConverter<QList<unsigned int>, QtMetaTypePrivate::QSequentialIterableImpl>(
            QtMetaTypePrivate::QSequentialIterableConvertFunctor<QList<unsigned int>>());
}

void Application::publishContextProperties()
{
    engine->rootContext()->setContextProperty(QStringLiteral("settings"), ApplicationSettings::instance());
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
    qDebug() << "load engine";
    engine->load(QUrl(mainQml));
    qDebug() << "loaded engine";
}

void Application::setLanguage(const QString &language)
{
    qInfo() << Q_FUNC_INFO << "Change language to:" << language;
    // Removed every time, also when empty: installing it again would list it twice.
    removeTranslator(&translator);
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
