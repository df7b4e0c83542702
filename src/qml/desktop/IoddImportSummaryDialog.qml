import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// Follows an IODD import: its progress while it runs, then what became of each package and why.
Dialog {
    id: dialog
    objectName: "ioddImportSummary"

    property var packages: null
    property var results: []
    property bool success: false
    readonly property bool busy: packages ? packages.busy : false

    parent: Overlay.overlay
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: Math.min(760, parent ? parent.width - 40 : 760)
    height: Math.min(520, parent ? parent.height - 40 : 520)
    modal: true
    z: 10
    closePolicy: busy ? Popup.NoAutoClose : Popup.CloseOnEscape
    title: busy ? qsTr("Importing IODDs") : qsTr("IODD Import")
    footer: DialogButtons { enabled: !dialog.busy }

    Connections {
        target: dialog.packages
        ignoreUnknownSignals: true
        function onBusyChanged() {
            if (dialog.packages.busy) {
                dialog.results = []
                dialog.open()
            }
        }
        function onImportFinished(results, success) {
            dialog.results = results
            dialog.success = success
            dialog.open()
        }
    }

    function rowColor(status) {
        return status === "refused" ? "#b00020" : status === "not used" ? "#8a6d00" : "#1b5e20"
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        RowLayout {
            visible: dialog.busy
            spacing: 12
            BusyIndicator { running: dialog.busy }
            Label {
                objectName: "ioddImportProgress"
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                text: dialog.packages ? dialog.packages.progressText : ""
            }
        }

        Label {
            objectName: "ioddImportHeadline"
            Layout.fillWidth: true
            visible: !dialog.busy
            wrapMode: Text.Wrap
            font.bold: true
            text: dialog.success ? qsTr("Every file was imported or was already present.")
                                 : qsTr("Not every file could be imported; see the reasons below.")
        }

        ListView {
            objectName: "ioddImportResults"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: !dialog.busy
            clip: true
            spacing: 10
            model: dialog.results
            ScrollBar.vertical: ScrollBar {}
            delegate: ColumnLayout {
                width: ListView.view.width - 12
                spacing: 2
                Label {
                    Layout.fillWidth: true
                    elide: Text.ElideMiddle
                    font.bold: true
                    text: modelData.iodd ? modelData.source + " — " + modelData.iodd : modelData.source
                }
                Label {
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    color: dialog.rowColor(modelData.status)
                    text: modelData.reason ? qsTr("%1: %2").arg(modelData.statusText).arg(modelData.reason) : modelData.statusText
                }
                Label {
                    Layout.fillWidth: true
                    visible: modelData.folder !== ""
                    elide: Text.ElideMiddle
                    color: "#606060"
                    text: qsTr("Folder: %1").arg(modelData.folder)
                }
                Label {
                    Layout.fillWidth: true
                    visible: modelData.skipped.length > 0
                    wrapMode: Text.Wrap
                    color: "#606060"
                    text: qsTr("Left out: %1").arg(modelData.skipped.join("; "))
                }
            }
        }
    }
}
