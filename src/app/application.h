#pragma once

#include <QApplication>
#include <QString>
#include <QTranslator>

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

public slots:
    void handleLanguageChanged();

private:
    static void registerMetaTypes();
    void publishContextProperties();
    void addImportPaths();
    void loadMainQml();

    QQmlApplicationEngine *engine = nullptr;
    QTranslator translator;
    const QString mobileMainQml = QStringLiteral("qrc:/qml/mobile/ContentMobile.qml");
    const QString desktopMainQml = QStringLiteral("qrc:/qml/desktop/ContentDesktop.qml");
};
