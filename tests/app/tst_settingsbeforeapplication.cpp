#include "testenvironment.h"

#include "app/applicationsettings.h"

#include <stdexcept>

namespace {
QString earlyError;
} // namespace

// The settings must refuse to exist before the application object; this main() asks for them too early on purpose.
class TestSettingsBeforeApplication : public QObject
{
    Q_OBJECT

private slots:
    void refusedBeforeApplicationAvailableAfter()
    {
        QCOMPARE(earlyError, QStringLiteral("INTERNAL ERROR: application settings expects application to be instantiated."));
        QVERIFY(ApplicationSettings::instance());
        QCOMPARE(ApplicationSettings::instance()->getLanguage(), QStringLiteral("en"));
    }
};

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    try {
        ApplicationSettings::instance();
    } catch (const std::runtime_error &error) {
        earlyError = QString::fromUtf8(error.what());
    }
    QApplication app(argc, argv);
    TestSettingsBeforeApplication tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_settingsbeforeapplication.moc"
