#include "testenvironment.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
QTemporaryDir *temporaryRoot()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/ovinex-test-XXXXXX"));
    return &dir;
}
} // namespace

void TestEnvironment::isolate()
{
    const QString root = temporaryRoot()->path();
    const QByteArray rootBytes = QFile::encodeName(root);
    qputenv("HOME", rootBytes);
    qputenv("XDG_CONFIG_HOME", rootBytes + "/config");
    qputenv("XDG_DATA_HOME", rootBytes + "/data");
    qputenv("XDG_CACHE_HOME", rootBytes + "/cache");
    qputenv("XDG_RUNTIME_DIR", rootBytes + "/runtime");
    QDir().mkpath(root + QStringLiteral("/runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + QStringLiteral("/config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root + QStringLiteral("/config"));
}

QString TestEnvironment::rootPath()
{
    return temporaryRoot()->path();
}

QString TestEnvironment::testDataPath(const QString &relative)
{
    const QString base = QStringLiteral(OVINEX_TEST_DATA_DIR);
    return relative.isEmpty() ? base : base + QLatin1Char('/') + relative;
}

QString TestEnvironment::corpusPath(const QString &relative)
{
    const QString base = QDir::cleanPath(QStringLiteral(OVINEX_CORPUS_DIR));
    return relative.isEmpty() ? base : base + QLatin1Char('/') + relative;
}

bool TestEnvironment::hasCorpus()
{
    return QFileInfo::exists(corpusPath(QStringLiteral("MANIFEST.tsv")));
}

QString TestEnvironment::buildPath(const QString &relative)
{
    const QString base = QStringLiteral(OVINEX_BUILD_DIR);
    return relative.isEmpty() ? base : base + QLatin1Char('/') + relative;
}
