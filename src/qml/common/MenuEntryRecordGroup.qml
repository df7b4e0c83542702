import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A whole record or array: its name as a title that opens the items, each in its own view.
MenuEntryBase {
    id: view

    readonly property bool expanded: entry ? entry.expanded === true : false
    readonly property var items: entry && entry.items ? entry.items : []

    implicitHeight: titleRow.height + (expanded ? itemColumn.implicitHeight : 0)
    describesWholeRow: false

    ItemDelegate {
        id: titleRow
        objectName: "recordGroupTitle"
        anchors.left: parent.left
        anchors.right: parent.right
        height: 44
        ToolTip.visible: view.descriptionText !== "" && hovered
        ToolTip.delay: 700
        ToolTip.text: view.descriptionText
        onClicked: {
            if (view.entry)
                view.entry.expanded = !view.expanded
        }
        contentItem: RowLayout {
            spacing: 8
            Label {
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: view.label
            }
            Label {
                objectName: "recordGroupCount"
                opacity: 0.6
                text: "(" + view.items.length + ")"
            }
            Image {
                Layout.preferredWidth: 24
                Layout.preferredHeight: 24
                sourceSize: Qt.size(24, 24)
                source: view.expanded ? "qrc:/icons/expand_less.svg" : "qrc:/icons/expand_more.svg"
            }
        }
    }

    Column {
        id: itemColumn
        objectName: "recordGroupItems"
        anchors.top: titleRow.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 16
        visible: view.expanded

        Repeater {
            model: view.expanded ? view.items : []
            delegate: Loader {
                readonly property var itemEntry: modelData
                objectName: "recordItemRow_" + (itemEntry ? itemEntry.textId : "")
                width: itemColumn.width
                height: item ? item.implicitHeight : 0
                Component.onCompleted: {
                    var file = itemEntry && itemEntry.qmlFileName ? String(itemEntry.qmlFileName) : ""
                    setSource(file !== "" ? file : "qrc:/qml/common/MenuEntryUndefined.qml",
                              { "entry": itemEntry, "ioLink": view.ioLink })
                }
            }
        }
    }
}
