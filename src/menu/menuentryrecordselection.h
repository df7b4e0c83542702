#pragma once

#include "menuentrychoice.h"

#include <QStringList>

struct myRecordItem;

// An editable choice of a record item; the screen works with positions in the ascending list of values.
class MenuEntryRecordSelection : public MenuEntryChoice
{
    Q_OBJECT
    Q_PROPERTY(QStringList textIds READ getTextIds NOTIFY valueChanged)
    Q_PROPERTY(int currentIndex READ getCurrentIndex WRITE setCurrentIndex NOTIFY valueChanged)

public:
    MenuEntryRecordSelection(const myRecordItem *item, VariableWrapper *var, quint32 subindex,
                             QObject *parent = nullptr);

    QString getQmlFileName() const override;
    // `data` is the chosen position.
    Q_INVOKABLE void setDataFromUserInput(QVariant data) override;

    Q_INVOKABLE QStringList getTextIds() const { return choices.values(); }
    // Changes the shown value only; a position outside the list takes the first value.
    Q_INVOKABLE void setCurrentIndex(int position);
    Q_INVOKABLE int getCurrentIndex() const { return currentPosition(); }
};
