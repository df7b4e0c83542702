#pragma once

#include <QSortFilterProxyModel>
#include <QUrl>

// The communication log as the dialog shows it: optionally without the repeated reads of polling, and
// saved as a semicolon-separated file.
class CommunicationFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(bool hidePolling READ getHidePolling WRITE setHidePolling NOTIFY hidePollingChanged)

public:
    explicit CommunicationFilterModel(QObject *parent = nullptr);

    bool getHidePolling() const { return hidePolling; }
    void setHidePolling(bool hide);

    // The shown rows as text, a title line first.
    QString csvText() const;
    // Writes the shown rows; an empty answer means success, otherwise it is the message for the user.
    Q_INVOKABLE QString saveCsv(const QUrl &file) const;

signals:
    void hidePollingChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    static QString csvCell(const QString &text);

    bool hidePolling = false;
};
