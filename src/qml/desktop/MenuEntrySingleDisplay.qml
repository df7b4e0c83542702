import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common" as OvinexCommon
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// A read-only value: the name of its state, or the number with its unit.
OvinexCommon.MenuEntryBase {
    id: view
    implicitHeight: 40

    readonly property string shownValue: {
        if (!entry)
            return "?"
        if (entry.singleValue !== undefined && entry.singleValue !== null && entry.singleValue !== "")
            return texts.text(entry.singleValue)
        var value = entry.value
        if (ViewLogic.isEmptyValue(value))
            return "?"
        var text = typeof value === "number" ? ViewLogic.formatNumber(value, entry.digits, Qt.locale()) : ViewLogic.readableText(value)
        return unitText !== "" ? text + " " + unitText : text
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 12

        Label {
            Layout.fillWidth: true
            elide: Text.ElideRight
            text: view.label
        }
        Label {
            objectName: "singleDisplayValue"
            Layout.maximumWidth: view.width / 2
            elide: Text.ElideRight
            font.bold: true
            text: view.shownValue
        }
    }
}
