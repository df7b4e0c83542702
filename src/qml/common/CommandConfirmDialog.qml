import QtQuick 2.15
import QtQuick.Controls 2.15

// Asks before a command goes to the device; Cancel sends nothing.
Dialog {
    id: dialog
    objectName: "commandConfirmDialog"

    property string commandName: ""
    property string deviceName: ""

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(460, parent ? parent.width - 40 : 460)
    modal: true
    focus: true
    title: qsTr("Run command?")

    footer: DialogButtonBox {
        Button {
            objectName: "commandConfirmRun"
            flat: true
            text: qsTr("Run")
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
        Button {
            objectName: "commandConfirmCancel"
            flat: true
            text: qsTr("Cancel")
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
    }

    Label {
        objectName: "commandConfirmText"
        width: dialog.availableWidth
        wrapMode: Text.Wrap
        text: dialog.deviceName !== ""
              ? qsTr("Send the command \"%1\" to %2?").arg(dialog.commandName).arg(dialog.deviceName)
              : qsTr("Send the command \"%1\" to the device?").arg(dialog.commandName)
    }
}
