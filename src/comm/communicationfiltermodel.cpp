#include "communicationfiltermodel.h"

#include "comm/communicationlistmodel.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>

namespace {

const QLatin1Char separator(';');

} // namespace

CommunicationFilterModel::CommunicationFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void CommunicationFilterModel::setHidePolling(bool hide)
{
    if (hide == hidePolling)
        return;
    hidePolling = hide;
    invalidateFilter();
    emit hidePollingChanged();
}

bool CommunicationFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!hidePolling || !sourceModel())
        return true;
    const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
    return !row.data(CommunicationListModel::RepeatedReadRole).toBool();
}

QString CommunicationFilterModel::csvCell(const QString &text)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CommunicationFilterModel::csvText() const
{
    const QStringList titles { tr("Time"), tr("Origin"), tr("Command"), tr("Index"), tr("Subindex"),
                               tr("Variable"), tr("Length"), tr("Message") };
    const QList<int> roles { CommunicationListModel::TimeRole, CommunicationListModel::OriginRole,
                             CommunicationListModel::CommandRole, CommunicationListModel::IoLinkIndexRole,
                             CommunicationListModel::IoLinkSubIndexRole, CommunicationListModel::NameRole,
                             CommunicationListModel::PayloadLengthRole, CommunicationListModel::MessageTextRole };
    QString text = titles.join(separator) + QLatin1Char('\n');
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int role : roles)
            cells << csvCell(index(row, 0).data(role).toString());
        text += cells.join(separator) + QLatin1Char('\n');
    }
    return text;
}

QString CommunicationFilterModel::saveCsv(const QUrl &file) const
{
    const QString fileName = file.isLocalFile() ? file.toLocalFile() : file.toString();
    QSaveFile out(fileName);
    out.setDirectWriteFallback(true);
    if (fileName.isEmpty() || !out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(csvText().toUtf8()) < 0
        || !out.commit())
        return tr("The file %1 could not be written: %2").arg(QDir::toNativeSeparators(fileName), out.errorString());
    return QString();
}
