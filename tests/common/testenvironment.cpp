#include "testenvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
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

void TestEnvironment::addCorpusFileRows()
{
    QTest::addColumn<QString>("path");
    QDirIterator files(corpusPath(), { QStringLiteral("*.xml") }, QDir::Files, QDirIterator::Subdirectories);
    QStringList paths;
    while (files.hasNext()) {
        const QString path = files.next();
        if (!path.contains(QLatin1String("/standard/")))
            paths << path;
    }
    paths.sort();
    for (const QString &path : qAsConst(paths))
        QTest::newRow(qPrintable(QDir(corpusPath()).relativeFilePath(path))) << path;
}

QString TestEnvironment::buildPath(const QString &relative)
{
    const QString base = QStringLiteral(OVINEX_BUILD_DIR);
    return relative.isEmpty() ? base : base + QLatin1Char('/') + relative;
}

QByteArray TestEnvironment::templateIodd(const QString &productId, const QString &releaseDate, const QString &productName)
{
    QFile file(testDataPath(QStringLiteral("catalogue/template.xml")));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll().replace("@PRODUCT@", productId.toUtf8()).replace("@DATE@", releaseDate.toUtf8()).replace("@NAME@", productName.toUtf8());
}

bool TestEnvironment::writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList TestEnvironment::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
