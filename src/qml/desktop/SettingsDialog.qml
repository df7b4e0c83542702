import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// The user's choices, one row per setting.
Dialog {
    id: dialog
    objectName: "settingsDialog"

    property var appSettings: null
    property var catalogue: null
    // Unknown until the program can tell whether the master library loads: treated as not loadable.
    readonly property bool vendorLibraryAvailable: appSettings && appSettings.vendorLibraryAvailable === true
    readonly property bool usingSimulatedMaster: !vendorLibraryAvailable || (appSettings && appSettings.simulatedMaster === true)

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: Math.min(640, parent ? parent.width - 40 : 640)
    modal: true
    title: qsTr("Settings")
    footer: DialogButtons {}

    IoddFolderDialog {
        id: folderDialog
        catalogue: dialog.catalogue
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 4

        SettingRow {
            title: qsTr("Language")
            detail: qsTr("Language of the user interface")
            ComboBox {
                id: languageCombo
                objectName: "languageCombo"
                property bool initialised: false
                Layout.preferredWidth: 200
                model: dialog.appSettings ? dialog.appSettings.languages : []
                // Each language in its own words.
                displayText: ViewLogic.languageName(currentText, Qt.locale(currentText).nativeLanguageName)
                delegate: ItemDelegate {
                    width: languageCombo.width
                    text: ViewLogic.languageName(modelData, Qt.locale(modelData).nativeLanguageName)
                    highlighted: languageCombo.highlightedIndex === index
                }
                function followSettings() {
                    currentIndex = dialog.appSettings ? find(dialog.appSettings.language) : -1
                }
                Component.onCompleted: {
                    followSettings()
                    initialised = true
                }
                Connections {
                    target: dialog.appSettings
                    ignoreUnknownSignals: true
                    function onLanguageChanged() { languageCombo.followSettings() }
                }
                onCurrentTextChanged: {
                    if (initialised && dialog.appSettings && currentText !== "" && currentText !== dialog.appSettings.language)
                        dialog.appSettings.language = currentText
                }
            }
        }
        SettingRow {
            title: qsTr("Filter USB Devices")
            detail: filterBox.checked ? qsTr("Showing IOLink Devices only") : qsTr("Showing all USB devices")
            CheckBox {
                id: filterBox
                objectName: "filterUsbCheckBox"
                checked: dialog.appSettings ? dialog.appSettings.filterUsbDevices === true : false
                onToggled: if (dialog.appSettings) dialog.appSettings.filterUsbDevices = checked
            }
        }
        SettingRow {
            title: qsTr("Verbose debug logging")
            detail: debugBox.checked ? qsTr("Debug enabled") : qsTr("Debug disabled")
            CheckBox {
                id: debugBox
                objectName: "debugCheckBox"
                checked: dialog.appSettings ? dialog.appSettings.debugEnabled === true : false
                onToggled: if (dialog.appSettings) dialog.appSettings.debugEnabled = checked
            }
        }
        SettingRow {
            objectName: "simulatedMasterRow"
            title: qsTr("Simulated master")
            detail: (dialog.usingSimulatedMaster ? qsTr("Using the simulated master") : qsTr("Using the master library"))
                    + " " + (dialog.vendorLibraryAvailable ? qsTr("(applies at the next device search)")
                                                           : qsTr("(no master library found)"))
            CheckBox {
                objectName: "simulatedMasterCheckBox"
                enabled: dialog.vendorLibraryAvailable
                checked: dialog.usingSimulatedMaster
                onToggled: {
                    if (dialog.appSettings)
                        dialog.appSettings.simulatedMaster = checked
                    checked = Qt.binding(function() { return dialog.usingSimulatedMaster })
                }
            }
        }
        NetworkMastersSection {
            appSettings: dialog.appSettings
            access: typeof networkMasters !== "undefined" ? networkMasters : null
        }
        SettingRow {
            title: qsTr("IODD Directory")
            detail: dialog.catalogue ? dialog.catalogue.ioddSearchPath : (dialog.appSettings ? dialog.appSettings.ioddSearchPath : "")
            ToolButton {
                objectName: "settingsFolderButton"
                icon.source: "qrc:/icons/folder_open.svg"
                onClicked: folderDialog.open()
            }
        }
    }
}
