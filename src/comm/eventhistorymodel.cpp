#include "eventhistorymodel.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <algorithm>
#include <QUrl>

EventHistoryModel::EventHistoryModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int EventHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : visible.size();
}

const EventHistoryModel::Entry &EventHistoryModel::entryAt(int row) const
{
    return entries.at(visible.at(row));
}

QVariant EventHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= visible.size())
        return QVariant();
    const Entry &entry = entryAt(index.row());
    switch (role) {
    case TimeRole:
    case Qt::DisplayRole:
        return entry.time.toString(QStringLiteral("hh:mm:ss.zzz"));
    case TypeRole:
        return int(entry.type);
    case TypeTextRole:
        return typeText(entry.type);
    case ModeRole:
        return int(entry.mode);
    case ModeTextRole:
        return modeText(entry.mode);
    case CodeRole:
        return int(entry.code);
    case CodeTextRole:
        return codeText(entry.code);
    case SourceRole:
        return int(entry.source);
    case SourceTextRole:
        return sourceText(entry.source);
    case TextRole:
        return entry.text;
    case ActiveRole:
        return entry.active;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> EventHistoryModel::roleNames() const
{
    return {
        { TimeRole, "time" }, { TypeRole, "type" }, { TypeTextRole, "typeText" }, { ModeRole, "mode" },
        { ModeTextRole, "modeText" }, { CodeRole, "code" }, { CodeTextRole, "codeText" }, { SourceRole, "source" },
        { SourceTextRole, "sourceText" }, { TextRole, "text" }, { ActiveRole, "active" },
    };
}

void EventHistoryModel::addEvent(const QTime &time, quint8 qualifier, quint16 code, const QString &text)
{
    Entry entry;
    entry.time = time;
    entry.type = Type((qualifier >> 4) & 0x03);
    entry.mode = Mode((qualifier >> 6) & 0x03);
    entry.source = Source((qualifier >> 3) & 0x01);
    entry.code = code;
    entry.text = text;
    addEvent(entry);
}

void EventHistoryModel::addEvent(const Entry &newEntry)
{
    Entry entry = newEntry;
    // A second "appears" of a condition still active replaces the first, so a single "disappears" ends it.
    if (entry.mode == AppearsMode || entry.mode == DisappearsMode)
        deactivate(entry.code);
    entry.active = entry.mode == AppearsMode;
    if (entries.size() >= maximumRowCount) {
        entries.remove(0, maximumRowCount / 10);
        entries.append(entry);
        rebuildVisible();
    } else if (activeOnly) {
        entries.append(entry);
        rebuildVisible();
    } else {
        beginInsertRows(QModelIndex(), 0, 0);
        entries.append(entry);
        visible.prepend(entries.size() - 1);
        endInsertRows();
    }
    emit totalCountChanged();
    emit activeCountChanged();
}

void EventHistoryModel::deactivate(quint16 code)
{
    for (int i = 0; i < entries.size(); ++i) {
        Entry &entry = entries[i];
        if (!entry.active || entry.code != code)
            continue;
        entry.active = false;
        const int row = visible.indexOf(i);
        if (row >= 0 && !activeOnly)
            emit dataChanged(index(row), index(row), { ActiveRole });
    }
}

void EventHistoryModel::rebuildVisible()
{
    beginResetModel();
    visible.clear();
    for (int i = entries.size() - 1; i >= 0; --i) {
        if (!activeOnly || entries.at(i).active)
            visible.append(i);
    }
    endResetModel();
}

void EventHistoryModel::setActiveOnly(bool only)
{
    if (activeOnly == only)
        return;
    activeOnly = only;
    rebuildVisible();
    emit activeOnlyChanged();
}

int EventHistoryModel::activeCount(Type type) const
{
    return int(std::count_if(entries.cbegin(), entries.cend(),
                             [type](const Entry &entry) { return entry.active && entry.type == type; }));
}

void EventHistoryModel::clear()
{
    beginResetModel();
    entries.clear();
    visible.clear();
    endResetModel();
    emit totalCountChanged();
    emit activeCountChanged();
}

QString EventHistoryModel::csvField(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString EventHistoryModel::toCsv() const
{
    QString csv = QStringLiteral("time,type,mode,code,source,text\n");
    for (int i = entries.size() - 1; i >= 0; --i) {
        const Entry &entry = entries.at(i);
        const QStringList fields { entry.time.toString(QStringLiteral("hh:mm:ss.zzz")), typeText(entry.type),
                                   modeText(entry.mode), codeText(entry.code), sourceText(entry.source), entry.text };
        QStringList quoted;
        for (const QString &field : fields)
            quoted << csvField(field);
        csv += quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

QString EventHistoryModel::saveCsv(const QString &pathOrUrl) const
{
    const QUrl url(pathOrUrl);
    const QString path = url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
    if (path.isEmpty())
        return tr("No file was chosen.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return tr("Cannot write %1: %2").arg(path, file.errorString());
    file.write(toCsv().toUtf8());
    if (!file.commit())
        return tr("Cannot write %1: %2").arg(path, file.errorString());
    return QString();
}

QJsonObject EventHistoryModel::toJson(const Entry &entry)
{
    static const char *const types[] = { "unknown", "notification", "warning", "error" };
    static const char *const modes[] = { "unknown", "single", "disappears", "appears" };
    return QJsonObject { { QStringLiteral("time"), entry.time.toString(QStringLiteral("hh:mm:ss.zzz")) },
                         { QStringLiteral("type"), QLatin1String(types[entry.type & 0x03]) },
                         { QStringLiteral("mode"), QLatin1String(modes[entry.mode & 0x03]) },
                         { QStringLiteral("code"), codeText(entry.code) },
                         { QStringLiteral("source"), entry.source == MasterSource ? QStringLiteral("master")
                                                                                  : QStringLiteral("device") },
                         { QStringLiteral("text"), entry.text } };
}

QString EventHistoryModel::typeText(Type type)
{
    switch (type) {
    case NotificationType:
        return tr("Notification");
    case WarningType:
        return tr("Warning");
    case ErrorType:
        return tr("Error");
    default:
        return tr("Unknown");
    }
}

QString EventHistoryModel::modeText(Mode mode)
{
    switch (mode) {
    case SingleMode:
        return tr("Single");
    case DisappearsMode:
        return tr("Disappears");
    case AppearsMode:
        return tr("Appears");
    default:
        return tr("Unknown");
    }
}

QString EventHistoryModel::sourceText(Source source)
{
    return source == MasterSource ? tr("Master") : tr("Device");
}

QString EventHistoryModel::codeText(quint16 code)
{
    return QStringLiteral("0x%1").arg(code, 4, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"), QLatin1String("0x"));
}
