import QtQuick 2.15
import QtQuick.Controls 2.15

// IODD packages and files dropped anywhere on the window are imported into the IODD folder.
DropArea {
    id: area
    objectName: "ioddDropArea"

    property var packages: null

    function accepts(urls) {
        for (var i = 0; i < urls.length; ++i) {
            var name = String(urls[i]).toLowerCase()
            if (name.endsWith(".zip") || name.endsWith(".xml"))
                return true
        }
        return false
    }

    onEntered: drag.accepted = drag.hasUrls && area.packages !== null && !area.packages.busy && area.accepts(drag.urls)
    onDropped: {
        if (drop.hasUrls && area.packages) {
            area.packages.importFiles(drop.urls)
            drop.acceptProposedAction()
        }
    }

    Rectangle {
        anchors.fill: parent
        visible: area.containsDrag
        color: "#80ffffff"
        border.color: "#d20a11"
        border.width: 3
        Label {
            anchors.centerIn: parent
            font.pixelSize: 22
            font.bold: true
            text: qsTr("Drop IODD packages (.zip) or IODD files (.xml) to import them")
        }
    }
}
