#pragma once

#include "menuentrychoice.h"

#include <QList>

#include <utility>

class UIRecordItemRefT;
class UIVariableRefT;
struct TypeDescription;
struct myRecordItem;

// An editable number within the datatype's value range, in display units; a number without range is
// bounded by what its datatype can hold.
class MenuEntrySlider : public MenuEntryChoice
{
    Q_OBJECT
    Q_PROPERTY(double lowerLimit READ getLowerLimit CONSTANT)
    Q_PROPERTY(double upperLimit READ getUpperLimit CONSTANT)
    Q_PROPERTY(double step READ getStep CONSTANT)

public:
    MenuEntrySlider(const UIVariableRefT *reference, VariableWrapper *var, const QList<UnitT *> &units,
                    QObject *parent = nullptr);
    MenuEntrySlider(const UIRecordItemRefT *reference, const myRecordItem *item, VariableWrapper *var,
                    const QList<UnitT *> &units, QObject *parent = nullptr);

    QString getQmlFileName() const override;
    Q_INVOKABLE void setDataFromUserInput(QVariant data) override;

    Q_INVOKABLE double getLowerLimit() const { return lowerLimit; }
    Q_INVOKABLE double getUpperLimit() const { return upperLimit; }
    Q_INVOKABLE double getStep() const { return getGradient(); }

private:
    static std::pair<double, double> typeLimits(const TypeDescription &type);
    void setLimits(const TypeDescription *type);

    double lowerLimit = 0.0;
    double upperLimit = 0.0;
};
