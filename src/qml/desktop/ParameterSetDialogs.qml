import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// Save, compare and restore of parameter sets: the file choosers, the progress, the confirmation,
// and the table of a comparison or a restore report.
Item {
    id: root
    objectName: "parameterSetDialogs"

    property var controller: null
    property var currentDevice: null
    readonly property url documents: Platform.StandardPaths.writableLocation(Platform.StandardPaths.DocumentsLocation)

    function usable() {
        if (controller && currentDevice && controller.canUse(currentDevice))
            return true
        showMessage(qsTr("Parameter set"), controller && controller.busy
                    ? qsTr("Another parameter set operation is running.")
                    : qsTr("Please connect a device with an IODD first."))
        return false
    }
    function startSave() {
        if (!usable())
            return
        saveFileDialog.currentFile = documents + "/" + controller.suggestedFileName(currentDevice)
        saveFileDialog.open()
    }
    function startCompare() {
        if (!usable())
            return
        openFileDialog.purpose = "compare"
        openFileDialog.title = qsTr("Compare with parameter set")
        openFileDialog.open()
    }
    function startRestore() {
        if (!usable())
            return
        openFileDialog.purpose = "restore"
        openFileDialog.title = qsTr("Restore parameter set")
        openFileDialog.open()
    }
    // What the file dialogs do with the file chosen.
    function saveTo(file) { controller.save(currentDevice, file) }
    function compareWith(file) { controller.compare(currentDevice, file) }
    function restoreFrom(file) {
        var check = controller.prepareRestore(currentDevice, file)
        if (!check.ok) {
            showMessage(qsTr("Restore parameter set"), check.error)
            return
        }
        confirmDialog.question = check.question
        confirmDialog.warnings = check.warnings
        confirmDialog.skipped = check.skipped
        confirmDialog.open()
    }
    function exportTo(file) {
        var error = controller.exportCsv(file)
        if (error !== "")
            showMessage(qsTr("Export"), error)
    }
    function showMessage(title, text) {
        messageDialog.title = title
        messageDialog.text = text
        messageDialog.open()
    }

    Connections {
        target: root.controller
        function onSaveFinished(ok, message) { root.showMessage(qsTr("Save parameter set"), message) }
        function onFailed(message) { root.showMessage(qsTr("Parameter set"), message) }
        function onCompareFinished() { tableDialog.open() }
        function onRestoreFinished() { tableDialog.open() }
    }

    Platform.FileDialog {
        id: saveFileDialog
        objectName: "parameterSetSaveFileDialog"
        title: qsTr("Save parameter set")
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: [qsTr("Parameter sets (*.ovxparams)")]
        defaultSuffix: "ovxparams"
        folder: root.documents
        onAccepted: root.saveTo(file)
    }

    Platform.FileDialog {
        id: openFileDialog
        objectName: "parameterSetOpenFileDialog"
        property string purpose: "compare"
        fileMode: Platform.FileDialog.OpenFile
        nameFilters: [qsTr("Parameter sets (*.ovxparams)"), qsTr("All files (*)")]
        folder: root.documents
        onAccepted: purpose === "compare" ? root.compareWith(file) : root.restoreFrom(file)
    }

    Platform.FileDialog {
        id: csvFileDialog
        objectName: "parameterSetCsvFileDialog"
        title: qsTr("Export as CSV")
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: [qsTr("CSV files (*.csv)")]
        defaultSuffix: "csv"
        folder: root.documents
        onAccepted: root.exportTo(file)
    }

    Dialog {
        id: progressDialog
        objectName: "parameterSetProgressDialog"
        parent: Overlay.overlay
        Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
        anchors.centerIn: parent
        width: Math.min(480, parent ? parent.width - 40 : 480)
        modal: true
        closePolicy: Popup.NoAutoClose
        visible: root.controller ? root.controller.busy : false
        title: qsTr("Parameter set")

        ColumnLayout {
            anchors.fill: parent
            spacing: 12
            Label {
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                text: root.controller ? root.controller.activity : ""
            }
            ProgressBar {
                objectName: "parameterSetProgressBar"
                Layout.fillWidth: true
                indeterminate: !root.controller || root.controller.progressTotal === 0
                from: 0
                to: root.controller ? Math.max(1, root.controller.progressTotal) : 1
                value: root.controller ? root.controller.progressDone : 0
            }
            Label {
                text: root.controller && root.controller.progressTotal > 0
                      ? qsTr("%1 of %2").arg(root.controller.progressDone).arg(root.controller.progressTotal) : ""
            }
        }
    }

    Dialog {
        id: messageDialog
        objectName: "parameterSetMessageDialog"
        property alias text: messageText.text
        parent: Overlay.overlay
        Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
        anchors.centerIn: parent
        width: Math.min(560, parent ? parent.width - 40 : 560)
        modal: true
        footer: DialogButtons {}

        Label {
            id: messageText
            objectName: "parameterSetMessageText"
            width: parent.width
            wrapMode: Text.Wrap
        }
    }

    Dialog {
        id: confirmDialog
        objectName: "restoreConfirmDialog"
        property string question: ""
        property var warnings: []
        property var skipped: []
        parent: Overlay.overlay
        Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
        anchors.centerIn: parent
        width: Math.min(620, parent ? parent.width - 40 : 620)
        height: Math.min(implicitHeight, parent ? parent.height - 40 : implicitHeight)
        modal: true
        title: qsTr("Restore parameter set")
        onAccepted: root.controller.restore()
        footer: DialogButtonBox {
            Button {
                objectName: "restoreConfirmButton"
                flat: true
                text: qsTr("Restore")
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                flat: true
                text: qsTr("Cancel")
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }

        ScrollView {
            anchors.fill: parent
            clip: true
            contentWidth: availableWidth

            ColumnLayout {
                width: parent.width
                spacing: 10
                Label {
                    objectName: "restoreQuestion"
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    text: confirmDialog.question
                }
                Repeater {
                    model: confirmDialog.warnings
                    Label {
                        Layout.fillWidth: true
                        wrapMode: Text.Wrap
                        color: "#b35c00"
                        text: "⚠ " + modelData
                    }
                }
                Label {
                    visible: confirmDialog.skipped.length > 0
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    font.bold: true
                    text: qsTr("These parameters of the file are skipped:")
                }
                Repeater {
                    model: confirmDialog.skipped
                    Label {
                        Layout.fillWidth: true
                        wrapMode: Text.Wrap
                        text: "• " + modelData
                    }
                }
            }
        }
    }

    ParameterTableDialog {
        id: tableDialog
        controller: root.controller
        onExportRequested: {
            csvFileDialog.currentFile = root.documents + "/" + (controller.tableKind === "report"
                                                                ? qsTr("restore-report") : qsTr("comparison")) + ".csv"
            csvFileDialog.open()
        }
    }
}
