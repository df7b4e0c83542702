import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common" as OvinexCommon
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// A list of event codes, opened on demand.
OvinexCommon.MenuEntryBase {
    id: view

    property bool opened: false
    readonly property var elements: entry && entry.byteArray ? entry.byteArray : []

    implicitHeight: titleRow.height + (opened ? elementColumn.implicitHeight : 0)

    ItemDelegate {
        id: titleRow
        objectName: "arrayDisplayTitle"
        anchors.left: parent.left
        anchors.right: parent.right
        height: 44
        onClicked: view.opened = !view.opened
        contentItem: RowLayout {
            spacing: 8
            Label {
                Layout.fillWidth: true
                elide: Text.ElideRight
                font.bold: true
                text: view.label
            }
            Image {
                Layout.preferredWidth: 24
                Layout.preferredHeight: 24
                sourceSize: Qt.size(24, 24)
                source: view.opened ? "qrc:/icons/expand_less.svg" : "qrc:/icons/expand_more.svg"
            }
        }
    }

    Column {
        id: elementColumn
        anchors.top: titleRow.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 28
        visible: view.opened

        Repeater {
            model: view.opened ? view.elements : []
            delegate: Label {
                objectName: "arrayElement"
                width: elementColumn.width
                height: 24
                elide: Text.ElideRight
                text: view.label + " [" + modelData.index + "]: "
                      + ViewLogic.eventText(modelData.content, view.texts.event(modelData.content), qsTr("None"))
            }
        }
    }
}
