import QtQuick 2.15
import QtQuick.Controls 2.15

// An entry that the device description does not allow to show.
MenuEntryBase {
    id: view
    implicitHeight: 32

    Label {
        objectName: "undefinedEntryText"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 12
        elide: Text.ElideRight
        color: "red"
        text: qsTr("Undefined Entry, id:") + " " + (view.entry ? view.entry.id : "")
    }
}
