import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// Which IODD file describes the device and, when several match, which others there are and the rule that chose.
ColumnLayout {
    id: choice

    property var catalogue: null
    property string productId: ""
    property real titleWidth: 0
    readonly property real titleImplicitWidth: Math.max(fileField.titleImplicitWidth,
                                                         othersField.visible ? othersField.titleImplicitWidth : 0,
                                                         ruleField.visible ? ruleField.titleImplicitWidth : 0)
    // Bumped on every rescan: the catalogue's entries are replaced then.
    property int revision: 0
    readonly property var matches: {
        choice.revision
        return choice.catalogue && choice.productId !== "" ? choice.catalogue.matchingIodds(choice.productId) : []
    }
    readonly property var used: matches.length > 0 && matches[0].used ? matches[0] : null

    function otherText() {
        var others = []
        for (var i = 1; i < matches.length; ++i)
            others.push(qsTr("%1 (released %2)").arg(matches[i].fileName).arg(matches[i].releaseDate))
        return others.join("\n")
    }

    spacing: 8

    Connections {
        target: choice.catalogue
        ignoreUnknownSignals: true
        function onModelReset() { choice.revision++ }
    }

    IdentityField {
        id: fileField
        objectName: "ioddFile"
        Layout.fillWidth: true
        titleWidth: choice.titleWidth
        title: qsTr("IODD File")
        value: choice.used ? choice.used.fileName : qsTr("No matching IODD")
        ToolTip.visible: fileHover.hovered && choice.used !== null
        ToolTip.text: choice.used ? choice.used.path : ""
        HoverHandler { id: fileHover }
    }
    IdentityField {
        id: othersField
        objectName: "otherIodds"
        Layout.fillWidth: true
        visible: choice.matches.length > 1
        titleWidth: choice.titleWidth
        title: qsTr("Also matching")
        maximumLineCount: 4
        value: choice.otherText()
    }
    IdentityField {
        id: ruleField
        objectName: "ioddRule"
        Layout.fillWidth: true
        visible: othersField.visible
        titleWidth: choice.titleWidth
        title: qsTr("Chosen by")
        value: qsTr("the latest release date")
    }
}
