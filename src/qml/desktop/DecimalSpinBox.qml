import QtQuick 2.15
import QtQuick.Controls 2.15

// A spin box over decimal numbers: steps of one unit of the last shown decimal.
SpinBox {
    id: spin

    property int decimals: 0
    property real realFrom: 0
    property real realTo: 100
    property real realValue: 0
    readonly property real factor: Math.pow(10, decimals)

    function toInt(number) {
        return Math.max(-2147483648, Math.min(2147483647, Math.round(number * factor)))
    }

    from: toInt(realFrom)
    to: toInt(realTo)
    value: toInt(realValue)
    stepSize: 1
    editable: true
    onValueModified: realValue = value / factor

    validator: DoubleValidator {
        bottom: Math.min(spin.realFrom, spin.realTo)
        top: Math.max(spin.realFrom, spin.realTo)
        decimals: spin.decimals
        notation: DoubleValidator.StandardNotation
    }
    textFromValue: function(value, locale) {
        return Number(value / spin.factor).toLocaleString(locale, "f", spin.decimals)
    }
    valueFromText: function(text, locale) {
        try {
            return spin.toInt(Number.fromLocaleString(locale, text))
        } catch (error) {
            return spin.value
        }
    }
}
