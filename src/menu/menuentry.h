#pragma once

#include "device/linearscaling.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVector>

class TypedValue;
class UnitT;
class VariableWrapper;
struct SingleValueEntry;

// One line of a device menu: ties one subindex of one variable to the screen, scales it for display
// and turns the user's edit into a write request.
class MenuEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qmlFileName READ getQmlFileName CONSTANT)
    Q_PROPERTY(QString mobileQmlFileName READ getMobileQmlFileName CONSTANT)
    Q_PROPERTY(QString id READ getId CONSTANT)
    Q_PROPERTY(QString textId READ getTextId NOTIFY textIdChanged)
    Q_PROPERTY(QString nameSuffix READ getNameSuffix CONSTANT)
    Q_PROPERTY(QString descriptionTextId READ getDescriptionTextId CONSTANT)
    Q_PROPERTY(bool command READ isCommand CONSTANT)
    Q_PROPERTY(bool visible READ isVisible NOTIFY visibleChanged)
    Q_PROPERTY(QString unit READ getUnit CONSTANT)
    Q_PROPERTY(QVariant value READ getValue WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(double gradient READ getGradient CONSTANT)
    Q_PROPERTY(uint digits READ getDigits CONSTANT)
    Q_PROPERTY(bool valid READ isValid NOTIFY validChanged)

public:
    static constexpr quint32 noIndex = 0xFFFFFFFF;

    explicit MenuEntry(QObject *parent = nullptr);
    ~MenuEntry() override;

    virtual QString getQmlFileName() const = 0;
    virtual QString getMobileQmlFileName() const;
    virtual bool isVisible() const;
    virtual QVariant getValue() const;
    Q_INVOKABLE virtual void setDataFromUserInput(QVariant data);

    void setVariableWrapper(VariableWrapper *var);
    VariableWrapper *getVariableWrapper() const;
    void setValue(QVariant value);

    QString getId() const { return id; }
    void setId(const QString &newId) { id = newId; }
    QString getTextId() const { return textId; }
    void setTextId(const QString &newTextId) { textId = newTextId; }
    QString getUnit() const { return unit; }
    void setUnit(const QString &newUnit) { unit = newUnit; }
    quint32 getSubindex() const { return subindex; }
    void setSubindex(quint32 newSubindex) { subindex = newSubindex; }
    double getGradient() const { return scaling.getGradient(); }
    void setScaling(const LinearScaling &newScaling) { scaling = newScaling; }
    uint getDigits() const;
    // "Dec.N" sets N digits; any other format leaves the digits to the gradient.
    void setDisplayFormat(const QString &format);
    bool isValid() const { return valid; }
    // Array elements share one name; their element number tells them apart.
    QString getNameSuffix() const;
    // The IODD's description of the item or variable, shown as the row's tooltip.
    QString getDescriptionTextId() const;
    // Writing it makes the device act (a system command, a write-only variable such as a teach-in):
    // the screen asks before it writes.
    bool isCommand() const;

    quint32 getIndex() const;
    QString getVariableId() const;

signals:
    void visibleChanged();
    void valueChanged();
    void needsPollingChanged();
    void writeRequested(QByteArray payload);
    void readRequested();
    void validChanged();
    void textIdChanged();

public slots:
    void onVariableValueChanged(uint subindex);

protected:
    // The variable's raw value for this entry's subindex; invalid without variable.
    QVariant rawValue() const;
    // Stores the value through setValue and asks for it to be written.
    void storeAndWrite(const QVariant &value);
    // Asks for the variable's current value to be written.
    void requestWrite();
    static bool isNumber(const QVariant &value);
    static QVariant toVariant(const TypedValue &value);
    // Choices of a selection or display, value to name text id; `owner` names the constructor in warnings.
    static QMap<qint64, QString> choiceMap(const QVector<SingleValueEntry> &singleValues, const char *owner);
    // An entry for a record item is named after the item.
    void takeRecordItemName();
    // Unit, scaling and digits of a menu reference; the unit only when the standard units know it.
    void applyReference(const QString &unitCode, const LinearScaling &referenceScaling, const QString &displayFormat,
                        const QList<UnitT *> &units);
    const LinearScaling &getScaling() const { return scaling; }
    void markValid();
    // Presets the smallest choice, unless the device has already delivered a value.
    void presetFirstChoice(const QMap<qint64, QString> &choices);

private:
    bool valid = false;
    QString id = QStringLiteral("not implemented");
    QString textId = QStringLiteral("not set");
    QPointer<VariableWrapper> variable;
    quint32 subindex = 0;
    QString unit;
    LinearScaling scaling;
    bool digitsSet = false;
    uint digits = 0;
};
