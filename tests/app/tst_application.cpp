#include "testenvironment.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "discovery/devicesfiltermodel.h"
#include "discovery/deviceslistmodel.h"
#include "iodd/catalogue/ioddlistmodel.h"

#include <QDesktopServices>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickWindow>
#include <QSequentialIterable>
#include <QTemporaryDir>

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void identity();
    void initPublishesSettingsAndLoadsDesktopWindow();
    void unsignedListsAreIterableInQml();
    void languageSwitching_data();
    void languageSwitching();
    void settingsLanguageChangeReachesTheWindow();
    void menuCommands();
    void everyStartBeginsAFreshLog();

private:
    static QQuickWindow *window();
    static QString footerState();
};

QQuickWindow *TestApplication::window()
{
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    if (!application->getEngine() || application->getEngine()->rootObjects().isEmpty())
        return nullptr;
    return qobject_cast<QQuickWindow *>(application->getEngine()->rootObjects().first());
}

QString TestApplication::footerState()
{
    QObject *label = window()->findChild<QObject *>(QStringLiteral("deviceState"));
    return label ? label->property("text").toString() : QString();
}

void TestApplication::identity()
{
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Korvell GmbH"));
    QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("korvell.example"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("ovinexapp"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString());
}

void TestApplication::initPublishesSettingsAndLoadsDesktopWindow()
{
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    QVERIFY(application);
    application->init();

    QQmlApplicationEngine *engine = application->getEngine();
    QVERIFY(engine);
    QCOMPARE(engine->parent(), application);
    QCOMPARE(engine->rootContext()->contextProperty(QStringLiteral("settings")).value<QObject *>(),
             ApplicationSettings::instance());
    const QString paths = engine->importPathList().join(QLatin1Char('|'));
    QVERIFY2(paths.contains(QStringLiteral("qml/common")) && paths.contains(QStringLiteral("qml/desktop")),
             qPrintable(paths));
    QVERIFY(!paths.contains(QStringLiteral("qml/mobile")));

    // A first start seeds the default folder with the sample device, and the catalogue lists it.
    auto *catalogue = qobject_cast<IODDListModel *>(
        engine->rootContext()->contextProperty(QStringLiteral("ioddModel")).value<QObject *>());
    QVERIFY(catalogue);
    QCOMPARE(ApplicationSettings::instance()->getIoddSearchPath(), ApplicationSettings::defaultIoddSearchPath());
    QCOMPARE(catalogue->rowCount(), 1);

    auto *devices = qobject_cast<DevicesListModel *>(
        engine->rootContext()->contextProperty(QStringLiteral("devicesModel")).value<QObject *>());
    QVERIFY(devices);
    QCOMPARE(devices->parent(), application);
    auto *filter = qobject_cast<DevicesFilterModel *>(
        engine->rootContext()->contextProperty(QStringLiteral("devicesFilterModel")).value<QObject *>());
    QVERIFY(filter);
    QCOMPARE(filter->sourceModel(), devices);
    QVERIFY(QMetaType::type("IOLinkDevice*") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("IOLinkWrapper*") != QMetaType::UnknownType);

    QQuickWindow *main = window();
    QVERIFY(main);
    QCOMPARE(main->title(), QStringLiteral("Ovinex IOLink Suite - Korvell GmbH"));
    QCOMPARE(main->minimumSize(), QSize(1024, 600));
    QCOMPARE(main->property("font").value<QFont>().family(), QStringLiteral("Open Sans"));
    QCOMPARE(footerState(), QStringLiteral("Not connected"));
}

void TestApplication::unsignedListsAreIterableInQml()
{
    QVERIFY(QMetaType::type("QList<unsigned int>") != QMetaType::UnknownType);
    const QVariant numbers = QVariant::fromValue(QList<unsigned int> { 7, 0, 4000000000u });
    QVERIFY(numbers.canConvert<QVariantList>());

    QQmlApplicationEngine *engine = qobject_cast<Application *>(QCoreApplication::instance())->getEngine();
    QQmlContext context(engine->rootContext());
    context.setContextProperty(QStringLiteral("numbers"), numbers);
    QQmlExpression sum(&context, nullptr,
                       QStringLiteral("var total = 0; for (var i = 0; i < numbers.length; ++i) total += numbers[i]; total"));
    bool undefined = true;
    QCOMPARE(sum.evaluate(&undefined).toDouble(), 4000000007.0);
    QVERIFY(!sum.hasError());
}

void TestApplication::languageSwitching_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("footer");
    QTest::newRow("German") << "de" << "Nicht verbunden";
    QTest::newRow("French") << "fr" << "Non connecté";
    QTest::newRow("unknown language falls back to English") << "xx" << "Not connected";
}

void TestApplication::languageSwitching()
{
    QFETCH(QString, language);
    QFETCH(QString, footer);
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    QVERIFY(window());

    application->setLanguage(language);
    QCOMPARE(footerState(), footer);
    application->setLanguage(QStringLiteral("en"));
    QCOMPARE(footerState(), QStringLiteral("Not connected"));
    QCOMPARE(QCoreApplication::translate("StatusFooter", "Not connected"), QStringLiteral("Not connected"));
    QCOMPARE(ApplicationSettings::instance()->getCopyright(), ApplicationSettings::tr("Copyright © 2026 Korvell GmbH. All rights reserved."));
    QVERIFY(!ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")));
}

void TestApplication::settingsLanguageChangeReachesTheWindow()
{
    QVERIFY(window());
    ApplicationSettings::instance()->setLanguage(QStringLiteral("de"));
    QCOMPARE(footerState(), QStringLiteral("Nicht verbunden"));
    QVERIFY(ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")));
    ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
    QCOMPARE(footerState(), QStringLiteral("Not connected"));
}

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

void TestApplication::menuCommands()
{
    QQuickWindow *main = window();
    QVERIFY(main);
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    QObject *checkForUpdates = main->findChild<QObject *>(QStringLiteral("checkForUpdatesAction"));
    QVERIFY(checkForUpdates);
    QVERIFY(QMetaObject::invokeMethod(checkForUpdates, "trigger"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.urls, QList<QUrl> { QUrl(QStringLiteral("https://korvell.example/downloads")) });

    QSignalSpy quitRequests(qobject_cast<Application *>(QCoreApplication::instance())->getEngine(), &QQmlEngine::quit);
    QObject *exit = main->findChild<QObject *>(QStringLiteral("exitAction"));
    QVERIFY(exit);
    QVERIFY(QMetaObject::invokeMethod(exit, "trigger"));
    // Not at once: the menu closes first, on the next turn of the event loop.
    QCOMPARE(quitRequests.count(), 0);
    QTRY_COMPARE(quitRequests.count(), 1);
}

void TestApplication::everyStartBeginsAFreshLog()
{
    const QString program = TestEnvironment::buildPath(QStringLiteral("ovinex"));
    if (!QFileInfo::exists(program))
        QSKIP("The ovinex executable is not built");
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    const QString logPath = home.filePath(QStringLiteral("data/Korvell GmbH/ovinex/ovinex.log"));

    auto startAndReadLog = [&]() -> QStringList {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setReadChannel(QProcess::StandardError);
        process.start(program, QStringList());
        // Console lines are forwarded after the file line is written, so once this one shows, the file has it.
        QByteArray console;
        while (!console.contains("Change language to:") && process.waitForReadyRead(10000))
            console += process.readAllStandardError();
        QStringList lines;
        QFile file(logPath);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        process.kill();
        process.waitForFinished();
        return lines;
    };

    const QStringList first = startAndReadLog();
    QVERIFY(!first.isEmpty());
    {
        QFile file(logPath);
        QVERIFY(file.open(QIODevice::Append | QIODevice::Text));
        file.write("left over from the first run\n");
    }
    const QStringList second = startAndReadLog();
    QVERIFY(!second.isEmpty());
    QVERIFY(!second.join(QLatin1Char('\n')).contains(QStringLiteral("left over")));
    QCOMPARE(second.first().mid(24), QStringLiteral("INF: Log file path: \"%1\"").arg(logPath));
    QVERIFY(second.join(QLatin1Char('\n')).contains(QStringLiteral("INF: void Application::setLanguage(const QString&) Change language to: \"en\"")));
}

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    Application application(argc, argv);
    TestApplication tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_application.moc"
