#pragma once

#include <QAbstractListModel>
#include <QJsonObject>
#include <QString>
#include <QTime>
#include <QVector>

// The events of one device in this session, newest first. An "appears" stays active until the
// "disappears" of its code arrives, so the user sees which conditions still hold after the pop-up is gone.
class EventHistoryModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool activeOnly READ isActiveOnly WRITE setActiveOnly NOTIFY activeOnlyChanged)
    Q_PROPERTY(int activeErrorCount READ getActiveErrorCount NOTIFY activeCountChanged)
    Q_PROPERTY(int activeWarningCount READ getActiveWarningCount NOTIFY activeCountChanged)
    Q_PROPERTY(int totalCount READ getTotalCount NOTIFY totalCountChanged)

public:
    // The event qualifier's fields, as the device sends them.
    enum Type { UnknownType = 0, NotificationType = 1, WarningType = 2, ErrorType = 3 };
    enum Mode { UnknownMode = 0, SingleMode = 1, DisappearsMode = 2, AppearsMode = 3 };
    enum Source { DeviceSource = 0, MasterSource = 1 };
    enum Roles {
        TimeRole = Qt::UserRole + 1, TypeRole, TypeTextRole, ModeRole, ModeTextRole, CodeRole, CodeTextRole,
        SourceRole, SourceTextRole, TextRole, ActiveRole
    };

    struct Entry
    {
        QTime time;
        Type type = UnknownType;
        Mode mode = UnknownMode;
        quint16 code = 0;
        Source source = DeviceSource;
        QString text;
        bool active = false;
    };

    // A chatty device over hours must not grow memory without bound.
    static constexpr int maximumRowCount = 10000;

    explicit EventHistoryModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    void addEvent(const Entry &entry);
    // Splits the qualifier into type, mode and source.
    void addEvent(const QTime &time, quint8 qualifier, quint16 code, const QString &text);
    const Entry &entryAt(int row) const;

    bool isActiveOnly() const { return activeOnly; }
    void setActiveOnly(bool only);
    int getActiveErrorCount() const { return activeCount(ErrorType); }
    int getActiveWarningCount() const { return activeCount(WarningType); }
    int getTotalCount() const { return entries.size(); }

    // One event as the command line prints it: time, type, mode, code, source, text (English names).
    static QJsonObject toJson(const Entry &entry);

    // All rows, newest first, whatever the filter; the first line names the columns.
    QString toCsv() const;
    // Writes the CSV to a local path or file URL; returns an error text, empty on success.
    Q_INVOKABLE QString saveCsv(const QString &pathOrUrl) const;
    Q_INVOKABLE void clear();

    static QString typeText(Type type);
    static QString modeText(Mode mode);
    static QString sourceText(Source source);
    static QString codeText(quint16 code);

signals:
    void activeOnlyChanged();
    void activeCountChanged();
    void totalCountChanged();

private:
    int activeCount(Type type) const;
    void deactivate(quint16 code);
    void rebuildVisible();
    static QString csvField(const QString &field);

    QVector<Entry> entries; // oldest first
    QVector<int> visible;   // indexes into entries, newest first
    bool activeOnly = false;
};
