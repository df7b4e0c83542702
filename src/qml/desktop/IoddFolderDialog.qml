import QtQuick 2.15
import Qt.labs.platform 1.1 as Platform
import "qrc:/qml/common/ViewLogic.js" as ViewLogic

// Chooses the folder that the IODD catalogue scans.
Platform.FolderDialog {
    id: dialog

    property var catalogue: null

    currentFolder: catalogue && catalogue.ioddSearchPath !== ""
                   ? ViewLogic.fileUrl(catalogue.ioddSearchPath)
                   : Platform.StandardPaths.writableLocation(Platform.StandardPaths.DocumentsLocation)
    onAccepted: {
        if (catalogue)
            catalogue.chooseIoddSearchPath(ViewLogic.localPath(folder))
    }
}
