import QtQuick
import QtQuick.Controls
import Quorvane.Settings

// The grid references the converter shows: the four systems, a checkmark on each one shown; a
// tap shows or hides it at once. Leaving is the back control's business.
Page {
    id: page
    objectName: "gridReferencesPage"
    title: SettingsScreen.gridReferencesTitle

    Accessible.name: title
    Keys.onPressed: event => pageHeader.backKey(event)

    header: PageHeader {
        id: pageHeader
        page: page
        backButtonName: "gridReferencesBackButton"
    }

    StackView.onActivating: SettingsScreen.gridReferencesModel.reload()
    // The keyboard starts on the first system.
    StackView.onActivated: {
        const row = table.itemAtIndex(0)
        if (row)
            row.forceActiveFocus(Qt.TabFocusReason)
    }

    ListView {
        id: table
        objectName: "gridReferencesTableView"
        anchors.fill: parent
        clip: true
        model: SettingsScreen.gridReferencesModel

        delegate: TableRow {
            required property int index
            required property string rowName
            required property string title
            required property bool checkmark

            objectName: rowName
            titleText: title
            showsCheckmark: checkmark
            choice: true
            onClicked: SettingsScreen.gridReferencesModel.select(index)
        }
    }
}
