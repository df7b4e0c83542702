#include "menuentry.h"

#include "core/logcategories.h"
#include "device/displaydigits.h"
#include "device/payloadconverter.h"
#include "device/variablewrapper.h"
#include "iodd/model/textelements.h"
#include "iodd/model/variabledescription.h"

#include <QDebug>

#include <cmath>

namespace {

constexpr quint16 systemCommandIndex = 2;

} // namespace

MenuEntry::MenuEntry(QObject *parent)
    : QObject(parent)
{
}

MenuEntry::~MenuEntry() = default;

QString MenuEntry::getMobileQmlFileName() const
{
    return getQmlFileName();
}

bool MenuEntry::isVisible() const
{
    return true;
}

void MenuEntry::setVariableWrapper(VariableWrapper *var)
{
    if (variable)
        disconnect(variable, nullptr, this, nullptr);
    variable = var;
    if (!var)
        return;
    id = var->getId();
    if (id.isEmpty())
        qWarning() << Q_FUNC_INFO << "Empty variable ID for index" << var->getIndex();
    if (const Variable *description = var->getVariable())
        textId = description->nameTextId;
    connect(var, &VariableWrapper::valueChanged, this, &MenuEntry::onVariableValueChanged);
}

VariableWrapper *MenuEntry::getVariableWrapper() const
{
    return variable;
}

void MenuEntry::onVariableValueChanged(uint changedSubindex)
{
    // Whole reads of an array announce their elements on subindex 0.
    const bool wholeRead = changedSubindex == 0 && variable && variable->isComplex();
    if (changedSubindex != subindex && !wholeRead)
        return;
    markValid();
    emit valueChanged();
}

void MenuEntry::markValid()
{
    if (valid)
        return;
    valid = true;
    emit validChanged();
}

QString MenuEntry::getNameSuffix() const
{
    const Variable *description = variable ? variable->getVariable() : nullptr;
    if (subindex == 0 || !description || !description->typeName.contains(QLatin1String("Array")))
        return QString();
    return QStringLiteral(" [%1]").arg(subindex);
}

bool MenuEntry::isCommand() const
{
    return variable && (variable->getIndex() == systemCommandIndex || !variable->isReadable());
}

QString MenuEntry::getDescriptionTextId() const
{
    const Variable *description = variable ? variable->getVariable() : nullptr;
    if (!description)
        return QString();
    if (subindex != 0) {
        for (const myRecordItem &item : description->recordItems) {
            if (item.subindex == subindex && !item.descriptionTextId.isEmpty())
                return item.descriptionTextId;
        }
    }
    return description->descriptionTextId;
}

QVariant MenuEntry::rawValue() const
{
    return variable ? variable->getValue(subindex) : QVariant();
}

bool MenuEntry::isNumber(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QVariant MenuEntry::getValue() const
{
    const QVariant value = rawValue();
    if (!isNumber(value))
        return value;
    return scaling.shown(value.toDouble());
}

void MenuEntry::setValue(QVariant value)
{
    qCDebug(lcMenu) << Q_FUNC_INFO << value;
    if (!variable) {
        qCritical() << "variable is null";
        return;
    }
    if (isNumber(value)) {
        value = scaling.raw(value.toDouble());
    }
    variable->setValue(value, subindex);
}

void MenuEntry::setDataFromUserInput(QVariant data)
{
    qCritical() << Q_FUNC_INFO << "not implemented" << data;
}

void MenuEntry::storeAndWrite(const QVariant &value)
{
    setValue(value);
    requestWrite();
}

void MenuEntry::requestWrite()
{
    if (!variable) {
        qCritical() << Q_FUNC_INFO << "variable is null" << id;
        return;
    }
    // An item of a record without subindex access goes out inside the whole record as last read.
    if (variable->isWrittenAsWhole() && subindex != 0)
        emit writeRequested(variable->wholeImageWith(subindex));
    else
        emit writeRequested(variable->toByteArray(subindex));
}

uint MenuEntry::getDigits() const
{
    return uint(digitsSet ? digits : scaling.digits());
}

void MenuEntry::setDisplayFormat(const QString &format)
{
    const int named = DisplayDigits::ofDisplayFormat(format);
    if (named < 0)
        return;
    digitsSet = true;
    digits = uint(named);
}

quint32 MenuEntry::getIndex() const
{
    return variable ? variable->getIndex() : noIndex;
}

QString MenuEntry::getVariableId() const
{
    return variable ? variable->getId() : QString();
}

QVariant MenuEntry::toVariant(const TypedValue &value)
{
    switch (value.type) {
    case VariableWrapper::BooleanType:
        return value.toBool();
    case VariableWrapper::UIntegerType:
        return value.toUInt();
    case VariableWrapper::IntegerType:
        return value.toInt();
    case VariableWrapper::Float32Type:
        return value.toFloat();
    case VariableWrapper::StringType:
    case VariableWrapper::OctetStringType:
        return value.toText();
    default:
        return QVariant();
    }
}

QMap<qint64, QString> MenuEntry::choiceMap(const QVector<SingleValueEntry> &singleValues, const char *owner)
{
    QMap<qint64, QString> choices;
    for (const SingleValueEntry &singleValue : singleValues) {
        const QVariant value = toVariant(singleValue.value);
        bool ok = value.isValid();
        const qint64 key = ok ? value.toLongLong(&ok) : 0;
        if (!ok) {
            qWarning() << owner << "** INVALID value for: " << singleValue.textId;
            continue;
        }
        qCDebug(lcMenu) << "insert value" << key << singleValue.textId;
        choices.insert(key, singleValue.textId);
    }
    return choices;
}

void MenuEntry::presetFirstChoice(const QMap<qint64, QString> &choices)
{
    if (choices.isEmpty() || !variable || rawValue().isValid())
        return;
    setValue(choices.firstKey());
}

void MenuEntry::applyReference(const QString &unitCode, const LinearScaling &referenceScaling,
                               const QString &displayFormat, const QList<UnitT *> &units)
{
    if (!unitCode.isEmpty()) {
        for (const UnitT *candidate : units) {
            if (candidate && candidate->code.value == unitCode) {
                unit = unitCode;
                break;
            }
        }
    }
    scaling = referenceScaling;
    setDisplayFormat(displayFormat);
}

void MenuEntry::takeRecordItemName()
{
    if (subindex == 0 || !variable || !variable->getVariable())
        return;
    for (const myRecordItem &item : variable->getVariable()->recordItems) {
        if (item.subindex == subindex) {
            textId = item.nameTextId;
            return;
        }
    }
}
