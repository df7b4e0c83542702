import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The maker, the version and the copyright.
Dialog {
    id: dialog
    objectName: "aboutDialog"

    property var appSettings: null
    property url organizationUrl

    parent: Overlay.overlay
    // The software renderer cannot draw the shadow layer and would drop the whole background with it.
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: 480
    modal: true
    title: qsTr("About")
    footer: DialogButtons {}

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 72
            color: "black"

            Image {
                objectName: "aboutLogo"
                anchors.centerIn: parent
                width: 240
                height: 48
                fillMode: Image.PreserveAspectFit
                sourceSize.width: 480
                source: "qrc:/images/korvell-logo-inverted.svg"
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: Qt.openUrlExternally(dialog.organizationUrl)
            }
        }

        RowLayout {
            spacing: 8
            Label { text: qsTr("Version"); font.bold: true }
            Label {
                objectName: "aboutVersion"
                text: Qt.application.version !== "" ? Qt.application.version : qsTr("Unknown")
            }
        }
        Label {
            objectName: "aboutCopyright"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: dialog.appSettings ? dialog.appSettings.copyright : ""
        }
        Label {
            objectName: "aboutOrganization"
            textFormat: Text.RichText
            text: "<a href=\"" + dialog.organizationUrl + "\">" + (Qt.application.organization !== "" ? Qt.application.organization : "Korvell GmbH") + "</a>"
            onLinkActivated: Qt.openUrlExternally(link)
        }
    }
}
