#include "testenvironment.h"

#include "app/applicationsettings.h"

#include <stdexcept>

namespace {
QString earlyError;
bool earlyThrew = false;
} // namespace

// The settings must refuse to exist before the application object; this main() asks for them too early on purpose.
class TestSettingsBeforeApplication : public QObject
{
    Q_OBJECT

private slots:
    void refusedBeforeApplication()
    {
        QVERIFY(earlyThrew);
        QCOMPARE(earlyError, QStringLiteral("INTERNAL ERROR: application settings expects application to be instantiated."));
    }

    void availableOnceApplicationExists()
    {
        ApplicationSettings *settings = ApplicationSettings::instance();
        QVERIFY(settings);
        QCOMPARE(ApplicationSettings::instance(), settings);
        QCOMPARE(settings->getLanguage(), QStringLiteral("en"));
    }
};

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    try {
        ApplicationSettings::instance();
    } catch (const std::runtime_error &error) {
        earlyThrew = true;
        earlyError = QString::fromUtf8(error.what());
    }
    QApplication app(argc, argv);
    TestSettingsBeforeApplication tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_settingsbeforeapplication.moc"
