#pragma once

// Long tables of cases kept as data under tests/data, for the model, device, menu, process-data and binding tests:
// tab-separated, the row's name first; lines starting with "#" are comments.
#include "testenvironment.h"

#include <QStringList>

inline QList<QStringList> tableRows(const QString &relative)
{
    QList<QStringList> rows;
    for (const QString &line : TestEnvironment::readLines(TestEnvironment::testDataPath(relative))) {
        if (!line.startsWith(QLatin1Char('#')))
            rows << line.split(QLatin1Char('\t'));
    }
    if (rows.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("no rows in ") + relative), __FILE__, __LINE__);
    return rows;
}
