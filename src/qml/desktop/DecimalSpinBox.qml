import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

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

    readonly property var interfaceLocale: typeof settings !== "undefined" && settings ? Qt.locale(settings.language) : null

    // Digits, signs, both decimal separators and the group separators of the locales (no-break spaces
    // included); the reading below decides what the text means. Built from a string: a "\u" escape in a
    // regular expression literal makes the whole expression invalid, which would refuse every key.
    validator: RegularExpressionValidator { regularExpression: new RegExp("[-+]?[0-9.,\\s\u00a0\u202f']*") }
    textFromValue: function(value, locale) {
        return Number(value / spin.factor).toLocaleString(locale, "f", spin.decimals)
    }
    valueFromText: function(text, locale) {
        var number = ViewLogic.parseNumber(text, locale, spin.interfaceLocale)
        return isNaN(number) ? spin.value : spin.toInt(Math.max(Math.min(spin.realFrom, spin.realTo), Math.min(Math.max(spin.realFrom, spin.realTo), number)))
    }
}
