#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPointer>

class MenuEntry;

// The entries of one menu for a QML list; only the "entry" role carries data. An entry destroyed
// elsewhere leaves the list at once.
class MenuEntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { NameRole = 0, DescriptionRole = 1, ValueRole = 2, HasButtonRole = 3, EntryRole = 5 };

    explicit MenuEntryListModel(QObject *parent = nullptr);

    void setEntries(const QList<MenuEntry *> &newEntries);
    QList<MenuEntry *> getEntries() const;

    QHash<int, QByteArray> roleNames() const override;
    QVariant data(const QModelIndex &index, int role) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;

private:
    void onEntryDestroyed();

    QList<QPointer<MenuEntry>> entries;
};
