import QtQuick 2.15
import QtQuick.Controls 2.15

// The buttons under a dialog, in our own translated words.
DialogButtonBox {
    id: box

    property bool acceptable: false
    property string closeText: acceptable ? qsTr("Cancel") : qsTr("Close")

    // Only dialogs that can be accepted keep an OK button; a hidden one would still take its place.
    Component.onCompleted: {
        if (!box.acceptable)
            box.removeItem(acceptButton)
    }

    Button {
        id: acceptButton
        objectName: "dialogAcceptButton"
        flat: true
        text: qsTr("OK")
        DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
    }
    Button {
        objectName: "dialogCloseButton"
        flat: true
        text: box.closeText
        DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
    }
}
