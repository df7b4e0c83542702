import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The device's communication log, for looking into what went to and came from the device.
Dialog {
    id: dialog
    objectName: "communicationDialog"

    property var currentDevice: null
    readonly property var log: currentDevice && currentDevice.communication ? currentDevice.communication : null

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: Math.min(900, parent ? parent.width - 40 : 900)
    height: Math.min(600, parent ? parent.height - 40 : 600)
    modal: true
    title: qsTr("Communication")
    footer: DialogButtons {}

    ColumnLayout {
        anchors.fill: parent
        spacing: 4

        RowLayout {
            Layout.fillWidth: true
            spacing: 0
            Repeater {
                model: [qsTr("Origin"), qsTr("Command"), qsTr("Index"), qsTr("Subindex"), qsTr("Length"), qsTr("Message")]
                Label {
                    Layout.preferredWidth: index < 5 ? 100 : -1
                    Layout.fillWidth: index === 5
                    font.bold: true
                    text: modelData
                }
            }
        }

        ListView {
            id: logList
            objectName: "communicationList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: dialog.log
            ScrollBar.vertical: ScrollBar {}
            delegate: RowLayout {
                width: logList.width
                // One height for every row, whatever font its message uses.
                height: 22
                spacing: 0
                Label { Layout.preferredWidth: 100; text: model.origin }
                Label { Layout.preferredWidth: 100; text: model.command }
                Label { Layout.preferredWidth: 100; text: model.ioLinkIndex }
                Label { Layout.preferredWidth: 100; text: model.ioLinkSubIndex }
                Label { Layout.preferredWidth: 100; text: model.payloadLength }
                Label {
                    Layout.fillWidth: true
                    elide: Text.ElideRight
                    font.family: "monospace"
                    text: ViewLogic.bytesText(model.message)
                }
            }

            Label {
                anchors.centerIn: parent
                visible: logList.count === 0
                color: "#808080"
                text: dialog.log ? qsTr("No communication recorded.") : qsTr("This device keeps no communication log.")
            }
        }

        Button {
            objectName: "clearCommunicationButton"
            Layout.alignment: Qt.AlignRight
            enabled: dialog.log !== null
            text: qsTr("clear")
            onClicked: dialog.log.clear()
        }
    }
}
