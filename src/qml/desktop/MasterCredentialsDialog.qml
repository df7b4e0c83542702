import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// Asks for the user name and password an Ethernet IO-Link master wants; kept for this session, or in the
// platform's keychain when the user ticks "remember".
Dialog {
    id: dialog
    objectName: "masterCredentialsDialog"

    property var access: null
    property string address: ""
    property string host: ""
    property bool insecure: false
    property bool showInsecureWarning: false

    parent: Overlay.overlay
    Material.elevation: parent && parent.GraphicsInfo.api === GraphicsInfo.Software ? 0 : 24
    anchors.centerIn: parent
    width: Math.min(480, parent ? parent.width - 40 : 480)
    modal: true
    title: qsTr("Sign in to %1").arg(dialog.host)
    footer: DialogButtons { acceptable: true }

    Connections {
        target: dialog.access
        ignoreUnknownSignals: true
        function onCredentialsRequested(address, host, insecure) {
            if (dialog.visible)
                return
            dialog.address = address
            dialog.host = host
            dialog.insecure = insecure
            dialog.showInsecureWarning = insecure && dialog.access.takeInsecureWarning(address)
            userField.text = ""
            passwordField.text = ""
            rememberBox.checked = false
            dialog.open()
            userField.forceActiveFocus()
        }
    }

    onAccepted: if (access) access.provideCredentials(address, userField.text, passwordField.text, rememberBox.checked)
    onRejected: if (access) access.declineCredentials(address)

    ColumnLayout {
        anchors.fill: parent
        spacing: 8
        Label {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("The IO-Link master %1 asks for a user name and password.").arg(dialog.host)
        }
        Label {
            objectName: "insecureWarning"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            visible: dialog.showInsecureWarning
            color: "#d20a11"
            text: qsTr("This master is reached over plain http: the password travels unencrypted. Use https where the master offers it.")
        }
        TextField {
            id: userField
            objectName: "masterUserField"
            Layout.fillWidth: true
            selectByMouse: true
            placeholderText: qsTr("User name")
        }
        TextField {
            id: passwordField
            objectName: "masterPasswordField"
            Layout.fillWidth: true
            selectByMouse: true
            echoMode: TextInput.Password
            placeholderText: qsTr("Password")
            onAccepted: dialog.accept()
        }
        CheckBox {
            id: rememberBox
            objectName: "masterRememberBox"
            Layout.fillWidth: true
            text: qsTr("Remember in the keychain of this computer")
        }
        Label {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            opacity: 0.7
            text: rememberBox.checked ? qsTr("The password is stored in the system's keychain, never in the settings file.")
                                      : qsTr("They are kept until the program ends.")
        }
    }
}
