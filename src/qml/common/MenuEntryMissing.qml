import QtQuick 2.15
import QtQuick.Controls 2.15

// A menu reference to a variable the device description does not define.
MenuEntryBase {
    id: view
    implicitHeight: 32

    Label {
        objectName: "missingEntryText"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        elide: Text.ElideRight
        opacity: 0.5
        font.italic: true
        text: qsTr("Not available in this device description") + (view.entry && view.entry.id ? " (" + view.entry.id + ")" : "")
    }
}
