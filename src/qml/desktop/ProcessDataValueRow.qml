import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// One record item of the process data box: its name and, at the right, its value in the form that suits it.
RowLayout {
    id: row
    objectName: "processDataValueRow"

    property var info: null
    property var texts: null

    readonly property bool isOutput: info ? info.isOutput === true : false
    readonly property bool isBoolean: info ? info.isBoolean === true : false
    readonly property var value: info ? info.value : undefined
    // Which of the forms below shows the value.
    readonly property string form: {
        if (!info)
            return "undefined"
        if (!isOutput) {
            if (info.isOutOfRange === true)
                return "outOfRange"
            if (isBoolean)
                return "lamp"
            if (typeof value === "number")
                return "number"
            return "other"
        }
        return isBoolean ? "switch" : "undefined"
    }

    spacing: 8
    implicitHeight: 32

    Label {
        objectName: "processDataName"
        Layout.fillWidth: true
        // Items of one record often differ only at the end ("... X", "... Y"); that end stays in sight.
        elide: Text.ElideMiddle
        font.bold: true
        text: row.info && row.texts ? row.texts.text(row.info.id) : ""
        ToolTip.visible: truncated && nameHover.hovered
        ToolTip.text: text
        HoverHandler { id: nameHover }
    }

    Label {
        objectName: "processDataValue"
        visible: row.form !== "lamp" && row.form !== "switch"
        horizontalAlignment: Text.AlignRight
        text: {
            switch (row.form) {
            case "outOfRange":
                return row.texts ? row.texts.text(row.info.singleValue) : ""
            case "number": {
                var unit = row.texts ? row.texts.unit(row.info.unit) : ""
                var number = ViewLogic.formatNumber(row.value, row.info.digits, Qt.locale())
                return unit !== "" ? number + " " + unit : number
            }
            case "other":
                return "-- " + (ViewLogic.isEmptyValue(row.value) ? "" : String(row.value))
            default:
                return qsTr("UNDEFINED")
            }
        }
    }

    Rectangle {
        objectName: "processDataLamp"
        visible: row.form === "lamp"
        Layout.preferredWidth: 18
        Layout.preferredHeight: 18
        Layout.rightMargin: 4
        radius: 9
        border.color: "#9e9e9e"
        color: row.value === true ? "#2e7d32" : "#e0e0e0"
    }

    // A switch takes long to build and most rows show none; only the rows that show one build it.
    Loader {
        active: row.form === "switch"
        visible: active
        sourceComponent: Switch {
            objectName: "processDataSwitch"
            checked: row.value === true
            onToggled: {
                if (row.info)
                    row.info.valueOut = checked
            }
        }
    }
}
