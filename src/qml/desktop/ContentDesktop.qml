import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The desktop main window. No initial size: a set size would snap back whenever the language changes.
ApplicationWindow {
    id: window

    readonly property url downloadsUrl: "https://korvell.example/downloads"

    // The dialogs attach here as they arrive.
    signal manageIoddsRequested()
    signal settingsRequested()
    signal aboutRequested()

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
    font.family: regularFont.status === FontLoader.Ready ? regularFont.name : Qt.application.font.family

    header: MainHeader {
        onManageIoddsRequested: window.manageIoddsRequested()
        onSettingsRequested: window.settingsRequested()
        onExitRequested: Qt.callLater(Qt.quit)
        onCheckForUpdatesRequested: Qt.openUrlExternally(window.downloadsUrl)
        onAboutRequested: window.aboutRequested()
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        DevicesPane {
            Layout.preferredWidth: 400
            Layout.fillHeight: true
        }

        Rectangle {
            Layout.preferredWidth: 1
            Layout.fillHeight: true
            color: "#e0e0e0"
        }

        DevicePages {
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }

    footer: StatusFooter {}
}
