#include "parametercomparison.h"

#include <algorithm>

QList<ParameterCatalogue::Entry> ParameterComparison::entriesToRead(const ParameterSet &set, const ParameterCatalogue &catalogue)
{
    QList<ParameterCatalogue::Entry> entries;
    for (const ParameterSet::Parameter &parameter : set.parameters) {
        if (const ParameterCatalogue::Entry *entry = catalogue.find(parameter.id))
            entries << *entry;
    }
    return entries;
}

QList<ParameterComparison::Row> ParameterComparison::compare(const ParameterSet &set, const ParameterCatalogue &catalogue,
                                                             const QList<ParameterReader::Result> &device)
{
    QList<Row> rows;
    for (const ParameterSet::Parameter &parameter : set.parameters) {
        Row row { parameter.id, parameter.index, parameter.subindex, parameter.name, parameter.raw, QByteArray(),
                  parameter.value, QString(), true };
        const ParameterCatalogue::Entry *entry = catalogue.find(parameter.id);
        const auto read = std::find_if(device.begin(), device.end(),
                                       [&](const ParameterReader::Result &result) { return result.id == parameter.id; });
        if (!entry) {
            row.deviceText = tr("(not in this device's IODD)");
        } else if (read == device.end() || !read->ok) {
            row.name = entry->name;
            row.deviceText = tr("(not readable: %1)").arg(read == device.end() ? tr("not read") : read->error);
        } else {
            row.name = entry->name;
            row.deviceRaw = read->raw;
            row.fileText = entry->variable ? catalogue.displayText(*entry, parameter.raw) : parameter.value;
            row.deviceText = catalogue.displayText(*entry, read->raw);
            row.differs = read->raw != parameter.raw;
        }
        rows << row;
    }
    return rows;
}

int ParameterComparison::differenceCount(const QList<Row> &rows)
{
    return int(std::count_if(rows.begin(), rows.end(), [](const Row &row) { return row.differs; }));
}
