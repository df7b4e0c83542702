import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The time window of all charts and the value range of one chart.
Dialog {
    id: dialog
    objectName: "chartSettingsDialog"

    property var dataPage: null
    property var info: null
    readonly property bool isBoolean: info ? info.isBoolean === true : false
    readonly property int digits: info && info.digits !== undefined ? Math.max(0, Number(info.digits)) : 0
    readonly property real yStep: Math.pow(10, -digits)

    function openFor(recordItemInfo) {
        dialog.info = recordItemInfo
        xMin.value = dataPage ? Math.round(dataPage.minAxis.getTime() / 1000) : 0
        xMax.value = dataPage ? Math.round(dataPage.maxAxis.getTime() / 1000) : 30
        // Wide open first, so that neither limit clamps the other on the way in.
        yMin.realValue = info ? Number(info.lowYaxisLimit) : 0
        yMax.realValue = info ? Number(info.highYaxisLimit) : 1
        yMax.realValue = info ? Number(info.maxY) : 1
        yMin.realValue = info ? Number(info.minY) : 0
        dialog.open()
    }

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: 480
    modal: true
    title: qsTr("Chart Settings")
    footer: DialogButtons { acceptable: true }

    onAccepted: {
        if (dataPage)
            dataPage.setWindow(xMin.value, xMax.value)
        if (info && !isBoolean) {
            info.minY = yMin.realValue
            info.maxY = yMax.realValue
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        Label {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            font.bold: true
            text: qsTr("X axis limits [s]. Applies to all charts.")
        }
        GridLayout {
            columns: 2
            columnSpacing: 16
            Label { text: qsTr("Min") }
            SpinBox {
                id: xMin
                objectName: "xMinSpin"
                editable: true
                from: 0
                to: Math.max(0, xMax.value - 1)
            }
            Label { text: qsTr("Max") }
            SpinBox {
                id: xMax
                objectName: "xMaxSpin"
                editable: true
                from: xMin.value + 1
                to: 1000
            }
        }

        Label {
            Layout.fillWidth: true
            Layout.topMargin: 8
            font.bold: true
            text: qsTr("Y axis limits")
        }
        GridLayout {
            columns: 2
            columnSpacing: 16
            enabled: !dialog.isBoolean
            Label { text: qsTr("Min") }
            DecimalSpinBox {
                id: yMin
                objectName: "yMinSpin"
                Layout.preferredWidth: 200
                decimals: dialog.digits
                realFrom: dialog.info ? Number(dialog.info.lowYaxisLimit) : -2147483648
                realTo: yMax.realValue - dialog.yStep
            }
            Label { text: qsTr("Max") }
            DecimalSpinBox {
                id: yMax
                objectName: "yMaxSpin"
                Layout.preferredWidth: 200
                decimals: dialog.digits
                realFrom: yMin.realValue + dialog.yStep
                realTo: dialog.info ? Number(dialog.info.highYaxisLimit) : 2147483647
            }
        }
    }
}
