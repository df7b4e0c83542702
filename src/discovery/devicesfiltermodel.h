#pragma once

#include <QSortFilterProxyModel>

// The device list as QML shows it: optionally only IO-Link devices, saved and live devices first.
class DevicesFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit DevicesFilterModel(QObject *parent = nullptr);

    bool isFilterActive() const { return filterActive; }

public slots:
    // Only rows with an IO-Link device when active (the "filter USB devices" setting).
    void setFilterActive(bool active);

public:
    Q_INVOKABLE int getSourceRow(int row) const;
    Q_INVOKABLE int getFilteredRow(int row) const;
    Q_INVOKABLE void sortListView();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QVariant roleValue(const QModelIndex &index, const char *roleName) const;

    bool filterActive = true;
};
