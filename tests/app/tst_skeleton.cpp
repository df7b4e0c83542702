#include "testenvironment.h"

#include <QApplication>
#include <QFile>

class TestSkeleton : public QObject
{
    Q_OBJECT

private slots:
    void resourcesAreCompiledIn()
    {
        QVERIFY(QFile::exists(QStringLiteral(":/languages/ovinex_de.qm")));
        QVERIFY(QFile::exists(QStringLiteral(":/languages/ovinex_fr.qm")));
    }
};

OVINEX_TEST_MAIN(TestSkeleton)
#include "tst_skeleton.moc"
