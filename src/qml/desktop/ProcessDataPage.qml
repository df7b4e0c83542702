import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform
import "qrc:/qml/common" as OvinexCommon

// Live charts of the connected device's process data, with recording control and export.
Item {
    id: page
    objectName: "processDataPage"

    property var currentDevice: null
    property var ioLink: null
    readonly property var handler: currentDevice ? currentDevice.processData : null
    readonly property var refs: handler && handler.processDataRefs ? handler.processDataRefs : []
    readonly property bool running: handler ? handler.running === true : false

    // The X window shared by all charts, and the cursor shared by all charts.
    property date minAxis: new Date(0)
    property date maxAxis: new Date(30000)
    property bool visibleCursor: false
    property real selectedTimePos: -1
    property real maxLabelTextPixelSize: -1

    property var selectionEntry: null
    // What an export holds: the samples of the chart window.
    readonly property int windowSeconds: Math.round(maxAxis.getTime() / 1000)
    property string savedMessage: ""

    // The device and the time in the name, so that recordings of several sensors do not overwrite each other.
    function suggestedFileName() {
        var product = currentDevice && currentDevice.productName ? currentDevice.productName : "process-data"
        var name = product + "_" + Qt.formatDateTime(new Date(), "yyyy-MM-dd_hhmmss")
        return name.replace(/[^A-Za-z0-9._-]+/g, "-") + ".csv"
    }

    // Charts scrolled into view catch up within this time; the ones in view draw with each announcement.
    readonly property int drawIntervalMs: 100
    signal drawDue()

    // Whether a part of the item lies inside the scrolled chart area.
    function isInView(item) {
        var top = item.mapToItem(chartScroll, 0, 0).y
        return top + item.height > 0 && top < chartScroll.height
    }

    function refreshSelection() {
        page.visibleCursor = false
        page.selectionEntry = page.ioLink ? page.ioLink.getMenuEntry(202) : null
    }

    // Sets the shared window; the items keep samples for as long as it is.
    function setWindow(minSeconds, maxSeconds) {
        page.minAxis = new Date(minSeconds * 1000)
        page.maxAxis = new Date(maxSeconds * 1000)
        for (var r = 0; r < page.refs.length; ++r) {
            var infos = page.refs[r].recordItemInfos
            for (var i = 0; infos && i < infos.length; ++i) {
                infos[i].minX = page.minAxis
                infos[i].maxX = page.maxAxis
            }
        }
    }

    // The end of the save dialog; callable on its own, so that tools can save without the dialog.
    function saveTo(fileUrl) {
        if (page.handler)
            page.handler.saveToFile(fileUrl)
    }

    onIoLinkChanged: refreshSelection()
    Component.onCompleted: refreshSelection()

    OvinexCommon.IoLinkTexts {
        id: pageTexts
        ioLink: page.ioLink
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Loader {
            id: selectionView
            objectName: "processDataSelection"
            Layout.fillWidth: true
            Layout.preferredHeight: item ? item.implicitHeight : 0
            active: page.selectionEntry !== null && page.selectionEntry !== undefined
            onActiveChanged: load()
            Component.onCompleted: load()
            function load() {
                if (active && page.selectionEntry.qmlFileName)
                    setSource(page.selectionEntry.qmlFileName, { "entry": page.selectionEntry, "ioLink": page.ioLink })
            }
            Connections {
                target: page
                function onSelectionEntryChanged() { selectionView.load() }
            }
        }

        ToolBar {
            Layout.fillWidth: true
            Material.background: "#f5f5f5"

            RowLayout {
                anchors.fill: parent
                spacing: 4

                ToolButton {
                    objectName: "playPauseButton"
                    checkable: true
                    checked: page.running
                    enabled: page.handler !== null
                    icon.source: page.running ? "qrc:/icons/pause.svg" : "qrc:/icons/play.svg"
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("Start / pause process data.")
                    onClicked: {
                        if (page.running)
                            page.handler.pause()
                        else
                            page.handler.start()
                        checked = Qt.binding(function() { return page.running })
                    }
                }
                ToolButton {
                    objectName: "copyButton"
                    enabled: page.handler !== null
                    icon.source: "qrc:/icons/copy.svg"
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("Copy the last %1 s (the chart window) to the clipboard (Excel format).").arg(page.windowSeconds)
                    onClicked: {
                        page.handler.copyToClipboard()
                        copyNoticeAnimation.restart()
                    }
                }
                ToolButton {
                    objectName: "saveButton"
                    enabled: page.handler !== null
                    icon.source: "qrc:/icons/save.svg"
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("Save the last %1 s (the chart window) as a file.").arg(page.windowSeconds)
                    onClicked: {
                        saveDialog.currentFile = saveDialog.folder + "/" + page.suggestedFileName()
                        saveDialog.open()
                    }
                }
                ToolButton {
                    objectName: "clearButton"
                    enabled: page.handler !== null
                    icon.source: "qrc:/icons/delete.svg"
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("Clear data in charts.")
                    onClicked: page.handler.clear()
                }
                Label {
                    id: copyNotice
                    objectName: "copyNotice"
                    Layout.leftMargin: 12
                    opacity: 0
                    visible: opacity > 0
                    color: "#2e7d32"
                    text: qsTr("Copied chart data to clipboard.")
                }
                Label {
                    objectName: "saveNotice"
                    Layout.fillWidth: true
                    Layout.leftMargin: 12
                    visible: page.savedMessage !== ""
                    elide: Text.ElideMiddle
                    color: "#2e7d32"
                    text: page.savedMessage
                }
                Item { Layout.fillWidth: true; visible: page.savedMessage === "" }
            }
        }

        ScrollView {
            id: chartScroll
            objectName: "chartScroll"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: availableWidth

            Column {
                // Clear of the scroll bar, which would otherwise cover the charts' settings buttons.
                width: chartScroll.availableWidth - (chartScroll.ScrollBar.vertical.visible ? chartScroll.ScrollBar.vertical.width : 0)

                Repeater {
                    model: page.refs
                    delegate: Column {
                        readonly property var ref: modelData
                        width: parent.width
                        visible: ref && ref.conditionApplies === true

                        Repeater {
                            model: parent.ref && parent.ref.conditionApplies === true ? parent.ref.recordItemInfos : []
                            // A chart takes a while to build, and devices with many items have dozens: they are
                            // built a slice at a time, so that connecting never holds the window up. The samples
                            // are kept meanwhile and drawn once the chart is there.
                            delegate: Loader {
                                id: chartLoader
                                readonly property var info: modelData
                                width: parent.width
                                visible: info && info.isOutput !== true
                                height: visible ? (info && info.isBoolean === true ? 200 : 350) : 0
                                asynchronous: true
                                sourceComponent: Component {
                                    ProcessDataChart {
                                        info: chartLoader.info
                                        dataPage: page
                                        texts: pageTexts
                                        onSettingsRequested: chartSettings.openFor(info)
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    Timer {
        id: drawTimer
        interval: page.drawIntervalMs
        repeat: true
        running: page.visible && page.running
        onTriggered: page.drawDue()
    }

    Timer {
        id: savedNoticeTimer
        interval: 8000
        onTriggered: page.savedMessage = ""
    }

    SequentialAnimation {
        id: copyNoticeAnimation
        PropertyAction { target: copyNotice; property: "opacity"; value: 1 }
        PauseAnimation { duration: 1500 }
        NumberAnimation { target: copyNotice; property: "opacity"; to: 0; duration: 480 }
    }

    Platform.FileDialog {
        id: saveDialog
        title: qsTr("Save the last %1 s of process data (the chart window)").arg(page.windowSeconds)
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: [qsTr("CSV files (*.csv)")]
        defaultSuffix: "csv"
        folder: Platform.StandardPaths.writableLocation(Platform.StandardPaths.DocumentsLocation)
        onAccepted: page.saveTo(file)
    }

    Connections {
        target: page.handler
        ignoreUnknownSignals: true
        function onSaved(message) {
            page.savedMessage = message
            savedNoticeTimer.restart()
        }
        function onSaveFailed(message) {
            page.savedMessage = ""
            saveFailedDialog.message = message
            saveFailedDialog.open()
        }
    }

    Dialog {
        id: saveFailedDialog
        objectName: "saveFailedDialog"
        property string message: ""
        parent: Overlay.overlay
        Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
        anchors.centerIn: parent
        width: Math.min(520, page.width)
        modal: true
        title: qsTr("Saving failed")
        footer: DialogButtons { closeText: qsTr("OK") }
        Label {
            objectName: "saveFailedText"
            width: parent.width
            wrapMode: Text.WordWrap
            text: saveFailedDialog.message
        }
    }

    ChartSettingsDialog {
        id: chartSettings
        dataPage: page
    }
}
