#include "parametertablemodel.h"

#include <QStringList>

ParameterTableModel::ParameterTableModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int ParameterTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shown.size();
}

QVariant ParameterTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= shown.size())
        return QVariant();
    const Row &row = rows.at(shown.at(index.row()));
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return row.name;
    case IdRole:
        return row.id;
    case IndexRole:
        return row.index;
    case FileTextRole:
        return row.fileText;
    case DeviceTextRole:
        return row.deviceText;
    case DiffersRole:
        return row.differs;
    case StatusRole:
        return row.status;
    case DetailRole:
        return row.detail;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ParameterTableModel::roleNames() const
{
    return { { NameRole, "name" },         { IdRole, "parameterId" },        { IndexRole, "parameterIndex" },
             { FileTextRole, "fileText" }, { DeviceTextRole, "deviceText" }, { DiffersRole, "differs" },
             { StatusRole, "status" },     { DetailRole, "detail" } };
}

void ParameterTableModel::setRows(const QList<Row> &newRows)
{
    rows = newRows;
    refilter();
}

void ParameterTableModel::setOnlyDifferences(bool only)
{
    if (onlyDifferences == only)
        return;
    onlyDifferences = only;
    refilter();
    emit onlyDifferencesChanged();
}

void ParameterTableModel::refilter()
{
    beginResetModel();
    shown.clear();
    for (int position = 0; position < rows.size(); ++position) {
        if (!onlyDifferences || rows.at(position).differs)
            shown << position;
    }
    endResetModel();
    emit countChanged();
}

QString ParameterTableModel::csvField(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray ParameterTableModel::toCsv() const
{
    QStringList header;
    for (const QString &title : { tr("Parameter"), tr("Id"), tr("Index"), tr("Value in the file"), tr("Value in the device"),
                                  tr("Differs"), tr("Result"), tr("Detail") })
        header << csvField(title);
    QStringList lines { header.join(QLatin1Char(',')) };
    for (const Row &row : rows) {
        lines << QStringList { csvField(row.name), csvField(row.id), QString::number(row.index), csvField(row.fileText),
                               csvField(row.deviceText), row.differs ? tr("yes") : tr("no"), csvField(row.status),
                               csvField(row.detail) }
                     .join(QLatin1Char(','));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}
