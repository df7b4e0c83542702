#include "datatable.h"

#include "testenvironment.h"

namespace {

// A list cell: values separated by commas.
template<typename T, typename Convert>
QList<T> listOf(const QString &cell, Convert convert)
{
    QList<T> values;
    for (const QString &value : cell.split(QLatin1Char(','), Qt::SkipEmptyParts))
        values << convert(value.trimmed());
    return values;
}

void addColumn(const QString &name, const QString &type)
{
    // QtTest keeps the pointer to the name, not a copy.
    static QList<QByteArray> names;
    names.append(name.toUtf8());
    const char *column = names.last().constData();
    if (type == QLatin1String("bool"))
        QTest::addColumn<bool>(column);
    else if (type == QLatin1String("int"))
        QTest::addColumn<int>(column);
    else if (type == QLatin1String("uint"))
        QTest::addColumn<uint>(column);
    else if (type == QLatin1String("hex") || type == QLatin1String("bytes"))
        QTest::addColumn<QByteArray>(column);
    else if (type == QLatin1String("strings"))
        QTest::addColumn<QStringList>(column);
    else if (type == QLatin1String("ints"))
        QTest::addColumn<QList<int>>(column);
    else if (type == QLatin1String("int64s"))
        QTest::addColumn<QList<qint64>>(column);
    else if (type == QLatin1String("reals"))
        QTest::addColumn<QList<double>>(column);
    else if (type == QLatin1String("bools"))
        QTest::addColumn<QList<bool>>(column);
    else if (type == QLatin1String("hexes"))
        QTest::addColumn<QList<QByteArray>>(column);
    else
        QTest::addColumn<QString>(column);
}

void addCell(QTestData &row, const QString &type, QString cell)
{
    cell.replace(QLatin1String("\\n"), QLatin1String("\n"));
    if (type == QLatin1String("bool"))
        row << (cell == QLatin1String("true"));
    else if (type == QLatin1String("int"))
        row << cell.toInt(nullptr, 0);
    else if (type == QLatin1String("uint"))
        row << cell.toUInt(nullptr, 0);
    else if (type == QLatin1String("hex"))
        row << QByteArray::fromHex(cell.toLatin1());
    else if (type == QLatin1String("bytes"))
        row << cell.toUtf8();
    else if (type == QLatin1String("strings"))
        row << (cell.isEmpty() ? QStringList() : cell.split(QLatin1Char('|')));
    else if (type == QLatin1String("ints"))
        row << listOf<int>(cell, [](const QString &value) { return value.toInt(nullptr, 0); });
    else if (type == QLatin1String("int64s"))
        row << listOf<qint64>(cell, [](const QString &value) { return value.toLongLong(nullptr, 0); });
    else if (type == QLatin1String("reals"))
        row << listOf<double>(cell, [](const QString &value) { return value.toDouble(); });
    else if (type == QLatin1String("bools"))
        row << listOf<bool>(cell, [](const QString &value) { return value == QLatin1String("true"); });
    else if (type == QLatin1String("hexes"))
        row << listOf<QByteArray>(cell, [](const QString &value) { return QByteArray::fromHex(value.toLatin1()); });
    else
        row << cell;
}

} // namespace

void DataTable::addRows(const QString &relative)
{
    const QStringList lines = TestEnvironment::readLines(TestEnvironment::testDataPath(relative));
    QVERIFY2(!lines.isEmpty(), qPrintable(relative));
    QStringList types;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (types.isEmpty()) {
            for (const QString &column : cells.mid(1)) {
                types << column.section(QLatin1Char(':'), 1);
                addColumn(column.section(QLatin1Char(':'), 0, 0), types.last());
            }
            continue;
        }
        QVERIFY2(cells.size() == types.size() + 1, qPrintable(relative + QLatin1String(": ") + line));
        QTestData &row = QTest::newRow(qPrintable(cells.first()));
        for (int column = 0; column < types.size(); ++column)
            addCell(row, types.at(column), cells.at(column + 1));
    }
}
