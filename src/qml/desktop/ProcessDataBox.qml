import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common" as OvinexCommon
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The connected device's current process data, one line per shown record item.
Pane {
    id: box
    objectName: "processDataBox"

    property var currentDevice: null
    property var ioLink: null
    readonly property var handler: currentDevice ? currentDevice.processData : null
    readonly property var refs: handler && handler.processDataRefs ? handler.processDataRefs : []

    visible: currentDevice ? currentDevice.state === "connected" : false
    implicitHeight: visible ? Math.min(contentColumn.implicitHeight + topPadding + bottomPadding, 400) : 0
    padding: 12

    background: Rectangle {
        color: "#fafafa"
        border.color: "#e0e0e0"
    }

    OvinexCommon.IoLinkTexts {
        id: boxTexts
        ioLink: box.ioLink
    }

    Flickable {
        id: boxFlick
        anchors.fill: parent
        contentHeight: contentColumn.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { id: boxScroll }

        ColumnLayout {
            id: contentColumn
            // The values are right-aligned; the scroll bar keeps a lane of its own.
            width: boxFlick.width - (boxScroll.visible ? boxScroll.width : 0)
            spacing: 4

            Label {
                text: qsTr("Process data")
                font.bold: true
                font.pixelSize: 16
            }

            Repeater {
                model: box.refs
                delegate: ColumnLayout {
                    readonly property var ref: modelData
                    Layout.fillWidth: true
                    visible: ref && ref.conditionApplies === true
                    spacing: 4

                    Repeater {
                        model: parent.ref && parent.ref.conditionApplies === true ? parent.ref.recordItemInfos : []
                        delegate: ProcessDataValueRow {
                            Layout.fillWidth: true
                            info: modelData
                            texts: boxTexts
                        }
                    }
                }
            }
        }
    }
}
