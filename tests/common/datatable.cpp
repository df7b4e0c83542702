#include "datatable.h"

#include "testenvironment.h"

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

void DataTable::addRows(const QString &relative)
{
    const QStringList lines = TestEnvironment::readLines(TestEnvironment::testDataPath(relative));
    QVERIFY2(!lines.isEmpty(), qPrintable(relative));
    // QtTest keeps the pointers to the column names, not copies.
    static QList<QByteArray> names;
    QList<Convert> columns;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (columns.isEmpty()) {
            for (const QString &column : cells.mid(1)) {
                const QString type = column.section(QLatin1Char(':'), 1);
                QVERIFY2(conversions().contains(type), qPrintable(relative + QLatin1String(": ") + column));
                columns << conversions().value(type);
                names << column.section(QLatin1Char(':'), 0, 0).toUtf8();
                QTest::addColumnInternal(columns.last()(QString()).userType(), names.last().constData());
            }
            continue;
        }
        QVERIFY2(cells.size() == columns.size() + 1, qPrintable(relative + QLatin1String(": ") + line));
        QTestData &row = QTest::newRow(qPrintable(cells.first()));
        for (int column = 0; column < columns.size(); ++column) {
            const QString cell = QString(cells.at(column + 1)).replace(QLatin1String("\\n"), QLatin1String("\n"));
            const QVariant value = columns.at(column)(cell);
            row.append(value.userType(), value.constData());
        }
    }
}
