#pragma once

#include "menuentrychoice.h"

#include <QList>

class UIRecordItemRefT;
class UIVariableRefT;
struct TypeDescription;
struct myRecordItem;

// A read-only value in display units; a whole number that has a name shows the name instead.
class MenuEntrySingleDisplay : public MenuEntryChoice
{
    Q_OBJECT
    Q_PROPERTY(QString name READ getName NOTIFY valueChanged)
    Q_PROPERTY(QString singleValue READ getSingleValue NOTIFY valueChanged)

public:
    MenuEntrySingleDisplay(const UIVariableRefT *reference, VariableWrapper *var, const QList<UnitT *> &units,
                           QObject *parent = nullptr);
    MenuEntrySingleDisplay(const UIRecordItemRefT *reference, const myRecordItem *item, VariableWrapper *var,
                           const QList<UnitT *> &units, QObject *parent = nullptr);

    QString getQmlFileName() const override;
    QString getMobileQmlFileName() const override;

    Q_INVOKABLE QString getName() const { return QString(); }
    // Name text id of the current value; empty when the value has no name.
    Q_INVOKABLE QString getSingleValue() const;

private:
    void setNames(const TypeDescription *type);

    QMap<qint64, QString> names;
};
