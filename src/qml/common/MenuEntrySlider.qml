import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "ViewLogic.js" as ViewLogic

// A number within limits: a slider and a field for typing the number.
MenuEntryBase {
    id: view
    implicitHeight: showRange ? 116 : 96

    readonly property real lowerLimit: entry && entry.lowerLimit !== undefined ? Number(entry.lowerLimit) : 0
    readonly property real upperLimit: entry && entry.upperLimit !== undefined ? Number(entry.upperLimit) : 0
    readonly property int digits: entry && entry.digits !== undefined ? Number(entry.digits) : 0
    readonly property real entryValue: entry && entry.value !== undefined && entry.value !== null && entry.value !== ""
                                       ? Number(entry.value) : lowerLimit

    // Numbers are shown in the system's locale; typing also takes the interface language's decimal separator.
    readonly property var interfaceLocale: typeof settings !== "undefined" && settings ? Qt.locale(settings.language) : null

    function formatted(value) {
        return ViewLogic.formatNumber(value, view.digits, Qt.locale())
    }

    // The allowed range, shown next to the field when a typed value was refused.
    property bool showRange: false
    readonly property string rangeText: qsTr("Allowed: %1 to %2").arg(formatted(lowerLimit)).arg(formatted(upperLimit))
                                        + (unitText !== "" ? " " + unitText : "")

    function restoreField() {
        valueField.text = Qt.binding(function() { return view.formatted(slider.value) })
    }

    function send(value) {
        if (view.entry)
            view.entry.setDataFromUserInput(value)
    }

    function acceptField() {
        var decision = ViewLogic.sliderInput(valueField.text, view.lowerLimit, view.upperLimit, slider.value, Qt.locale(),
                                             view.interfaceLocale)
        view.showRange = !decision.accepted
        if (!decision.accepted) {
            valueField.forceActiveFocus()
            valueField.selectAll()
            return
        }
        // The slider keeps its binding to the device's value: a refused write or a re-read must show there.
        view.send(decision.value)
        slider.value = Qt.binding(function() { return view.entryValue })
        view.restoreField()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 0

        Label {
            Layout.fillWidth: true
            Layout.topMargin: 6
            elide: Text.ElideRight
            text: view.label
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Slider {
                id: slider
                objectName: "slider"
                Layout.fillWidth: true
                from: view.lowerLimit
                to: view.upperLimit
                stepSize: view.entry && Number(view.entry.step) > 0 ? Number(view.entry.step) : 0
                snapMode: Slider.SnapOnRelease
                enabled: view.entry ? view.entry.valid !== false : false
                value: view.entryValue
                onPressedChanged: {
                    if (!pressed) {
                        view.send(value)
                        value = Qt.binding(function() { return view.entryValue })
                    }
                }
            }
            TextField {
                id: valueField
                objectName: "sliderField"
                Layout.preferredWidth: 120
                horizontalAlignment: TextInput.AlignRight
                selectByMouse: true
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                enabled: slider.enabled
                text: view.formatted(slider.value)
                Keys.onReturnPressed: view.acceptField()
                Keys.onEnterPressed: view.acceptField()
            }
            Label {
                objectName: "sliderUnit"
                Layout.minimumWidth: 24
                text: view.unitText
            }
            ToolButton {
                objectName: "sliderAccept"
                icon.source: "qrc:/icons/check.svg"
                enabled: slider.enabled
                onClicked: view.acceptField()
            }
            ToolButton {
                objectName: "sliderRestore"
                icon.source: "qrc:/icons/close.svg"
                enabled: slider.enabled
                onClicked: {
                    view.showRange = false
                    view.restoreField()
                }
            }
        }
        Label {
            objectName: "sliderRange"
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignRight
            horizontalAlignment: Text.AlignRight
            visible: view.showRange
            color: "#c62828"
            elide: Text.ElideRight
            text: view.rangeText
        }
    }
}
