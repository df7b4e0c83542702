#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class MenuEntry;
class MenuEntryListModel;
class MenuT;
class UnitT;
class VariableWrapper;

// One IODD menu: its entries in document order and the list models QML shows them through.
class MenuWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *entryModel READ getEntryModel CONSTANT)
    Q_PROPERTY(QObject *reversedEntryModel READ getReversedEntryModel CONSTANT)
    Q_PROPERTY(QString id READ getId CONSTANT)
    Q_PROPERTY(QString textId READ getTextId CONSTANT)

public:
    MenuWrapper(const MenuT *menu, const QList<VariableWrapper *> &variables, const QList<MenuT *> &menus,
                const QList<UnitT *> &units, QObject *parent = nullptr);

    // Null while the menu has no entries.
    Q_INVOKABLE QObject *getEntryModel() const;
    Q_INVOKABLE QObject *getReversedEntryModel();
    Q_INVOKABLE QString getId() const;
    Q_INVOKABLE QString getTextId() const;
    Q_INVOKABLE QObject *getEntry(const QString &textId) const;

    // Takes the entry over; it replaces an entry at the same position. Entries without id are dropped.
    void addEntry(MenuEntry *entry, int position);
    const MenuT *getMenu() const { return menu; }
    QList<MenuEntry *> getEntries() const { return entries; }

private:
    void addMenuReferences(const QList<VariableWrapper *> &variables, const QList<MenuT *> &menus);
    void updateEntries();
    void onEntryDestroyed(QObject *entry);

    const MenuT *menu = nullptr;
    QList<MenuEntry *> entries;
    QMap<qint32, MenuEntry *> positions;
    MenuEntryListModel *entryModel = nullptr;
    MenuEntryListModel *reversedEntryModel = nullptr;
    // The models are filled once at the end of the construction rather than after every entry.
    bool building = true;
};
