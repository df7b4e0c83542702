import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common" as OvinexCommon

// A link to another menu, opened in place.
OvinexCommon.MenuEntryBase {
    id: view

    readonly property bool expanded: entry ? entry.expanded === true : false

    implicitHeight: titleRow.height + (expanded ? subMenu.height : 0)

    ItemDelegate {
        id: titleRow
        objectName: "subMenuTitle"
        anchors.left: parent.left
        anchors.right: parent.right
        height: 44
        onClicked: {
            if (view.entry)
                view.entry.expanded = !view.expanded
        }
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
                source: view.expanded ? "qrc:/icons/expand_less.svg" : "qrc:/icons/expand_more.svg"
            }
        }
    }

    Loader {
        id: subMenu
        anchors.top: titleRow.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 16
        active: view.expanded && view.entry !== null
        visible: active
        height: active && item ? item.implicitHeight : 0
        sourceComponent: OvinexCommon.MenuView {
            objectName: "subMenuView"
            nested: true
            ioLink: view.ioLink
            menuId: view.entry ? view.entry.id : ""
        }
    }
}
