#include "datatable.h"

#include "testenvironment.h"

#include "core/valuekind.h"

#include <QHash>

#include <functional>

namespace {

using Convert = std::function<QVariant(const QString &cell)>;

// A list cell: values separated by commas.
template<typename T>
Convert listOf(T (*convert)(const QString &value))
{
    return [convert](const QString &cell) {
        QList<T> values;
        for (const QString &value : cell.split(QLatin1Char(','), Qt::SkipEmptyParts))
            values << convert(value.trimmed());
        return QVariant::fromValue(values);
    };
}

int toInt(const QString &value) { return value.toInt(nullptr, 0); }
qint64 toInt64(const QString &value) { return value.toLongLong(nullptr, 0); }
double toReal(const QString &value) { return value.toDouble(); }
bool toBool(const QString &value) { return value == QLatin1String("true"); }
QByteArray fromHex(const QString &value) { return QByteArray::fromHex(value.toLatin1()); }

// Each column type with the conversion of its cells; the type of an empty cell's value is the column's.
const QHash<QString, Convert> &conversions()
{
    static const QHash<QString, Convert> byType {
        { QString(), [](const QString &cell) { return QVariant(cell); } },
        { QStringLiteral("bool"), [](const QString &cell) { return QVariant(toBool(cell)); } },
        { QStringLiteral("int"), [](const QString &cell) { return QVariant(toInt(cell)); } },
        { QStringLiteral("uint"), [](const QString &cell) { return QVariant(cell.toUInt(nullptr, 0)); } },
        { QStringLiteral("real"), [](const QString &cell) { return QVariant(toReal(cell)); } },
        { QStringLiteral("kind"), [](const QString &cell) { return QVariant::fromValue(valueKindOf(cell)); } },
        { QStringLiteral("hex"), [](const QString &cell) { return QVariant(fromHex(cell)); } },
        { QStringLiteral("bytes"), [](const QString &cell) { return QVariant(cell.toUtf8()); } },
        { QStringLiteral("strings"),
          [](const QString &cell) { return QVariant(cell.split(QLatin1Char('|'), Qt::SkipEmptyParts)); } },
        { QStringLiteral("ints"), listOf(toInt) },
        { QStringLiteral("int64s"), listOf(toInt64) },
        { QStringLiteral("reals"), listOf(toReal) },
        { QStringLiteral("bools"), listOf(toBool) },
        { QStringLiteral("hexes"), listOf(fromHex) },
    };
    return byType;
}

} // namespace

QList<QStringList> DataTable::rows(const QString &relative)
{
    QList<QStringList> rows;
    for (const QString &line : TestEnvironment::readLines(TestEnvironment::testDataPath(relative))) {
        if (!line.startsWith(QLatin1Char('#')))
            rows << QString(line).replace(QLatin1String("\\n"), QLatin1String("\n")).split(QLatin1Char('\t'));
    }
    if (rows.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("no rows in ") + relative), __FILE__, __LINE__);
    return rows;
}

void DataTable::addRows(const QString &relative)
{
    QList<QStringList> cells = rows(relative);
    if (cells.isEmpty())
        return;
    // QtTest keeps the pointers to the column names, not copies.
    static QList<QByteArray> names;
    QList<Convert> columns;
    for (const QString &column : cells.takeFirst().mid(1)) {
        const QString type = column.section(QLatin1Char(':'), 1);
        QVERIFY2(conversions().contains(type), qPrintable(relative + QLatin1String(": ") + column));
        columns << conversions().value(type);
        names << column.section(QLatin1Char(':'), 0, 0).toUtf8();
        QTest::addColumnInternal(columns.last()(QString()).userType(), names.last().constData());
    }
    for (const QStringList &row : qAsConst(cells)) {
        QVERIFY2(row.size() == columns.size() + 1, qPrintable(relative + QLatin1String(": ") + row.join(QLatin1Char('\t'))));
        QTestData &data = QTest::newRow(qPrintable(row.first()));
        for (int column = 0; column < columns.size(); ++column) {
            const QVariant value = columns.at(column)(row.at(column + 1));
            data.append(value.userType(), value.constData());
        }
    }
}
