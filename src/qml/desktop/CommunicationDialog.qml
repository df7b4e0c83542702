import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform
import Ovinex.Comm 1.0
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The device's communication log, for looking into what went to and came from the device.
Dialog {
    id: dialog
    objectName: "communicationDialog"

    property var currentDevice: null
    readonly property var log: currentDevice && currentDevice.communication ? currentDevice.communication : null
    // Column widths, shared by the titles and the rows.
    readonly property var columnWidths: [112, 88, 100, 56, 48, 180, 84]
    property string notice: ""
    property bool noticeIsFailure: false

    // The end of the save dialog; callable on its own, so that tests can save without the dialog.
    function saveTo(fileUrl) {
        var failure = shownLog.saveCsv(fileUrl)
        dialog.noticeIsFailure = failure !== ""
        dialog.notice = failure !== "" ? failure
                                       : qsTr("Communication log saved to %1.").arg(ViewLogic.localPath(String(fileUrl)))
    }

    function originText(origin) {
        return origin === "local" ? qsTr("Sent") : origin === "remote" ? qsTr("Received") : String(origin)
    }

    function commandText(command) {
        return command === "read" ? qsTr("Read") : command === "write" ? qsTr("Write") : String(command)
    }

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: Math.min(980, parent ? parent.width - 40 : 980)
    height: Math.min(640, parent ? parent.height - 40 : 640)
    modal: true
    title: qsTr("Communication")
    footer: DialogButtons {}
    onOpened: dialog.notice = ""

    CommunicationFilterModel {
        id: shownLog
        objectName: "communicationFilter"
        sourceModel: dialog.log
        hidePolling: pollingCheck.checked
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 4

        RowLayout {
            Layout.fillWidth: true
            spacing: 0
            Repeater {
                model: [qsTr("Time"), qsTr("Origin"), qsTr("Command"), qsTr("Index"), qsTr("Sub"), qsTr("Variable"),
                        qsTr("Length"), qsTr("Message")]
                Label {
                    Layout.preferredWidth: index < dialog.columnWidths.length ? dialog.columnWidths[index] : -1
                    Layout.fillWidth: index === dialog.columnWidths.length
                    font.bold: true
                    elide: Text.ElideRight
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
            model: dialog.log ? shownLog : null
            currentIndex: -1
            highlightMoveDuration: 0
            highlight: Rectangle { color: "#fde8e8" }
            ScrollBar.vertical: ScrollBar { id: logScroll }
            delegate: ItemDelegate {
                id: logRow
                objectName: "communicationRow"
                // The scroll bar keeps a lane of its own, so it covers no text.
                width: logList.width - (logScroll.visible ? logScroll.width : 0)
                height: 22
                padding: 0
                // One height for every row, whatever font its message uses.
                readonly property string payload: model.messageText !== undefined ? model.messageText : ""
                ToolTip.visible: hovered && payload.length > 0
                ToolTip.delay: 500
                ToolTip.text: payload
                onClicked: logList.currentIndex = index
                background: Item {}
                contentItem: RowLayout {
                    spacing: 0
                    Label { Layout.preferredWidth: dialog.columnWidths[0]; font.family: "monospace"; text: model.time !== undefined ? model.time : "" }
                    Label { Layout.preferredWidth: dialog.columnWidths[1]; elide: Text.ElideRight; text: dialog.originText(model.origin) }
                    Label { Layout.preferredWidth: dialog.columnWidths[2]; elide: Text.ElideRight; text: dialog.commandText(model.command) }
                    Label { Layout.preferredWidth: dialog.columnWidths[3]; text: model.ioLinkIndex !== undefined ? String(model.ioLinkIndex) : "" }
                    Label { Layout.preferredWidth: dialog.columnWidths[4]; text: model.ioLinkSubIndex !== undefined ? String(model.ioLinkSubIndex) : "" }
                    Label { Layout.preferredWidth: dialog.columnWidths[5]; Layout.rightMargin: 8; elide: Text.ElideRight; text: model.name !== undefined ? model.name : "" }
                    Label { Layout.preferredWidth: dialog.columnWidths[6]; text: model.payloadLength !== undefined ? String(model.payloadLength) : "" }
                    Label {
                        objectName: "communicationMessage"
                        Layout.fillWidth: true
                        elide: Text.ElideRight
                        font.family: "monospace"
                        text: logRow.payload
                    }
                }
            }

            Label {
                anchors.centerIn: parent
                visible: logList.count === 0
                color: "#808080"
                text: dialog.log ? qsTr("No communication recorded.") : qsTr("This device keeps no communication log.")
            }
        }

        // The whole payload of the chosen row, selectable for copying.
        TextArea {
            objectName: "communicationPayload"
            Layout.fillWidth: true
            Layout.maximumHeight: 80
            visible: logList.currentItem !== null
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.WrapAnywhere
            font.family: "monospace"
            text: logList.currentItem ? logList.currentItem.payload : ""
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            CheckBox {
                id: pollingCheck
                objectName: "hidePollingCheck"
                text: qsTr("Hide polling (repeated reads)")
            }
            Label {
                objectName: "communicationNotice"
                Layout.fillWidth: true
                elide: Text.ElideMiddle
                color: dialog.noticeIsFailure ? "#c62828" : "#2e7d32"
                text: dialog.notice
                ToolTip.visible: noticeArea.containsMouse && truncated
                ToolTip.text: text
                MouseArea { id: noticeArea; anchors.fill: parent; hoverEnabled: true }
            }
            Button {
                objectName: "saveCommunicationButton"
                flat: true
                enabled: dialog.log !== null
                text: qsTr("Save as CSV")
                onClicked: saveDialog.open()
            }
            Button {
                objectName: "clearCommunicationButton"
                flat: true
                enabled: dialog.log !== null
                text: qsTr("clear")
                onClicked: {
                    logList.currentIndex = -1
                    dialog.log.clear()
                }
            }
        }
    }

    Platform.FileDialog {
        id: saveDialog
        title: qsTr("Save the communication log")
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: [qsTr("CSV files (*.csv)")]
        defaultSuffix: "csv"
        folder: Platform.StandardPaths.writableLocation(Platform.StandardPaths.DocumentsLocation)
        onAccepted: dialog.saveTo(file)
    }
}
