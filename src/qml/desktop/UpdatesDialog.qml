import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// Where updates are found, for when no browser opened it: the address to copy.
Dialog {
    id: dialog
    objectName: "updatesDialog"

    property url address
    property bool copied: false

    function copyAddress() {
        addressField.selectAll()
        addressField.copy()
        addressField.deselect()
        dialog.copied = true
    }

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: Math.min(560, parent ? parent.width - 40 : 560)
    modal: true
    title: qsTr("Check for Updates")
    footer: DialogButtons {}
    onOpened: dialog.copied = false

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Label {
            objectName: "updatesText"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("No web browser could be opened. Updates are available at this address:")
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            TextField {
                id: addressField
                objectName: "updatesAddress"
                Layout.fillWidth: true
                readOnly: true
                selectByMouse: true
                text: dialog.address
            }
            Button {
                objectName: "copyAddressButton"
                icon.source: "qrc:/icons/copy.svg"
                text: qsTr("Copy")
                onClicked: dialog.copyAddress()
            }
        }
        Label {
            objectName: "updatesCopied"
            visible: dialog.copied
            color: "#2e7d32"
            text: qsTr("The address is on the clipboard.")
        }
    }
}
