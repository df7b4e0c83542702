import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform

// The events of the current device in this session, newest first, with the conditions still active marked.
Item {
    id: page
    objectName: "eventsPage"

    property var currentDevice: null
    readonly property var history: currentDevice ? currentDevice.eventHistory : null

    function typeColor(type) {
        return type === 3 ? "#c62828" : type === 2 ? "#ef6c00" : type === 1 ? "#1565c0" : "#757575"
    }
    function typeGlyph(type) {
        return type === 3 ? "\u2716" : type === 2 ? "\u26A0" : type === 1 ? "\u2139" : "?"
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 4

        RowLayout {
            Layout.fillWidth: true
            CheckBox {
                objectName: "activeOnlyBox"
                text: qsTr("Active only")
                checked: page.history ? page.history.activeOnly : false
                onToggled: if (page.history) page.history.activeOnly = checked
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "clearEventsButton"
                text: qsTr("Clear")
                enabled: page.history !== null && page.history.totalCount > 0
                onClicked: clearDialog.open()
            }
            Button {
                objectName: "saveEventsButton"
                text: qsTr("Save…")
                enabled: page.history !== null && page.history.totalCount > 0
                onClicked: saveDialog.open()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Label { text: qsTr("Time"); font.bold: true; Layout.preferredWidth: 104 }
            Label { text: qsTr("Type"); font.bold: true; Layout.preferredWidth: 120 }
            Label { text: qsTr("Mode"); font.bold: true; Layout.preferredWidth: 110 }
            Label { text: qsTr("Code"); font.bold: true; Layout.preferredWidth: 60 }
            Label { text: qsTr("Source"); font.bold: true; Layout.preferredWidth: 70; elide: Text.ElideRight }
            Label { text: qsTr("Text"); font.bold: true; Layout.fillWidth: true }
        }

        ListView {
            id: list
            objectName: "eventList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: page.history
            ScrollBar.vertical: ScrollBar {}
            delegate: Rectangle {
                width: list.width
                height: row.implicitHeight + 6
                color: model.active ? "#fff3e0" : (index % 2 ? "#fafafa" : "white")
                RowLayout {
                    id: row
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width
                    spacing: 8
                    Label { text: model.time; Layout.preferredWidth: 104; font.family: "monospace" }
                    Label {
                        objectName: "eventType"
                        text: page.typeGlyph(model.type) + " " + model.typeText
                        color: page.typeColor(model.type)
                        Layout.preferredWidth: 120
                        elide: Text.ElideRight
                    }
                    Label {
                        text: model.active ? qsTr("%1 (active)").arg(model.modeText) : model.modeText
                        font.bold: model.active
                        Layout.preferredWidth: 110
                        elide: Text.ElideRight
                    }
                    Label { text: model.codeText; Layout.preferredWidth: 60; font.family: "monospace" }
                    Label { text: model.sourceText; Layout.preferredWidth: 70; elide: Text.ElideRight }
                    Label {
                        objectName: "eventText"
                        text: model.text
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                    }
                }
            }
            Label {
                anchors.centerIn: parent
                visible: list.count === 0
                color: "#757575"
                text: page.history && page.history.activeOnly ? qsTr("No active events.")
                                                             : qsTr("No events in this session.")
            }
        }
    }

    Dialog {
        id: clearDialog
        parent: Overlay.overlay
        Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
        anchors.centerIn: parent
        modal: true
        width: Math.min(460, page.width)
        title: qsTr("Clear events")
        // Qt's own button texts are not translated; ours are.
        footer: DialogButtons { acceptable: true }
        Label {
            width: parent.width
            wrapMode: Text.WordWrap
            text: qsTr("Remove all events of this session from the list?")
        }
        onAccepted: if (page.history) page.history.clear()
    }

    Platform.FileDialog {
        id: saveDialog
        title: qsTr("Please choose a file")
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: [qsTr("CSV files (*.csv)")]
        defaultSuffix: "csv"
        folder: Platform.StandardPaths.writableLocation(Platform.StandardPaths.DocumentsLocation)
        onAccepted: {
            const error = page.history ? page.history.saveCsv(file.toString()) : ""
            if (error !== "") {
                saveFailed.message = error
                saveFailed.open()
            }
        }
    }

    Dialog {
        id: saveFailed
        property string message: ""
        parent: Overlay.overlay
        Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
        anchors.centerIn: parent
        width: Math.min(520, page.width)
        modal: true
        title: qsTr("Saving failed")
        footer: DialogButtons {}
        Label { width: parent.width; wrapMode: Text.WordWrap; text: saveFailed.message }
    }
}
