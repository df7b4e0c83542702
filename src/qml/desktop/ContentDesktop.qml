import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The desktop main window. No initial size: a set size would snap back whenever the language changes.
ApplicationWindow {
    id: window
    objectName: "mainWindow"

    readonly property url downloadsUrl: "https://korvell.example/downloads"
    readonly property url organizationUrl: "https://" + (Qt.application.domain !== "" ? Qt.application.domain : "korvell.example")

    // The published objects; any of them may be missing while parts of the program are not there.
    readonly property var devices: typeof devicesModel !== "undefined" ? devicesModel : null
    readonly property var filteredDevices: typeof devicesFilterModel !== "undefined" ? devicesFilterModel : null
    readonly property var catalogue: typeof ioddModel !== "undefined" ? ioddModel : null
    readonly property var appSettings: typeof settings !== "undefined" ? settings : null
    readonly property var packages: typeof ioddPackages !== "undefined" ? ioddPackages : null
    readonly property var currentDevice: devices ? devices.currentDevice : null
    readonly property var ioLink: currentDevice ? currentDevice.ioLink : null
    readonly property string userRole: appSettings && appSettings.userRole ? appSettings.userRole : "specialist"

    signal manageIoddsRequested()
    signal settingsRequested()
    signal aboutRequested()

    // Opens the downloads page; where no browser takes it, the address is offered for copying.
    function offerDownloads(openedExternally) {
        if (!openedExternally)
            updatesDialog.open()
    }

    onManageIoddsRequested: ioddDialog.open()
    onSettingsRequested: settingsDialog.open()
    onAboutRequested: aboutDialog.open()

    visible: true
    minimumWidth: 1024
    minimumHeight: 600
    title: qsTr("Ovinex IOLink Suite - Korvell GmbH")

    Material.theme: Material.Light
    Material.background: "white"
    Material.accent: "#ff0000"
    Material.primary: "#d20a11"

    FontLoader { id: regularFont; source: "qrc:/fonts/OpenSans-Regular.ttf" }
    FontLoader { id: boldFont; source: "qrc:/fonts/OpenSans-Bold.ttf" }
    // Drawn as an item, so that grabs of the window look like the window.
    background: Rectangle { color: "white" }
    font.family: regularFont.status === FontLoader.Ready ? regularFont.name : Qt.application.font.family

    header: MainHeader {
        onManageIoddsRequested: window.manageIoddsRequested()
        onSettingsRequested: window.settingsRequested()
        onExitRequested: Qt.callLater(Qt.quit)
        onCheckForUpdatesRequested: window.offerDownloads(Qt.openUrlExternally(window.downloadsUrl))
        onAboutRequested: window.aboutRequested()
        deviceReady: window.currentDevice !== null && window.currentDevice.state === "connected" && window.ioLink !== null
        onSaveParameterSetRequested: parameterSetDialogs.startSave()
        onCompareParameterSetRequested: parameterSetDialogs.startCompare()
        onRestoreParameterSetRequested: parameterSetDialogs.startRestore()
        userRole: window.userRole
        onUserRoleChosen: if (window.appSettings) window.appSettings.userRole = role
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        DevicesPane {
            // Narrower in small windows, so that the pages keep room for their tabs and values.
            Layout.preferredWidth: Math.round(Math.max(320, Math.min(400, window.width * 0.33)))
            Layout.fillHeight: true
            devices: window.devices
            filteredDevices: window.filteredDevices
            currentDevice: window.currentDevice
            ioLink: window.ioLink
        }

        Rectangle {
            Layout.preferredWidth: 1
            Layout.fillHeight: true
            color: "#e0e0e0"
        }

        DevicePages {
            Layout.fillWidth: true
            Layout.fillHeight: true
            devices: window.devices
            currentDevice: window.currentDevice
            ioLink: window.ioLink
            userRole: window.userRole
        }
    }

    footer: StatusFooter {
        currentDevice: window.currentDevice
        ioLink: window.ioLink
    }

    ConnectionDialog {
        id: connectionDialog
        devices: window.devices
        currentDevice: window.currentDevice
        ioLink: window.ioLink
    }

    IoddManagementDialog {
        id: ioddDialog
        catalogue: window.catalogue
    }

    SettingsDialog {
        id: settingsDialog
        appSettings: window.appSettings
        catalogue: window.catalogue
    }

    UpdatesDialog {
        id: updatesDialog
        address: window.downloadsUrl
    }

    ParameterSetDialogs {
        id: parameterSetDialogs
        controller: typeof parameterSets !== "undefined" ? parameterSets : null
        currentDevice: window.currentDevice
    }

    IoddDropArea {
        anchors.fill: parent
        packages: window.packages
    }

    IoddImportSummaryDialog {
        packages: window.packages
    }

    MasterCredentialsDialog {
        access: typeof networkMasters !== "undefined" ? networkMasters : null
    }

    // What the network masters have to say outside a device, e.g. a password that could not be remembered.
    AlertPopup {
        objectName: "networkMasterAlertPopup"
        currentDevice: typeof networkMasters !== "undefined" ? networkMasters : null
        width: Math.min(480, parent.width - 24)
        x: (parent.width - width) / 2
        y: parent.height - height - 12
    }

    AboutDialog {
        id: aboutDialog
        appSettings: window.appSettings
        organizationUrl: window.organizationUrl
    }

    Component.onCompleted: {
        if (window.catalogue && window.catalogue.rowCount() === 0)
            ioddDialog.open()
    }
}
