import QtQuick
import QtQuick.Controls
import Quorvane.Settings

// The default-maps picker: the four maps applications, a checkmark on the current choice; a
// tap makes that application the default at once. Leaving is the back control's business.
Page {
    id: page
    objectName: "defaultMapsPage"
    title: SettingsScreen.defaultMapsTitle

    Keys.onPressed: event => pageHeader.backKey(event)

    header: PageHeader {
        id: pageHeader
        page: page
        backButtonName: "defaultMapsBackButton"
    }

    Accessible.name: title

    StackView.onActivating: SettingsScreen.defaultMapsModel.reload()
    Component.onCompleted: SettingsScreen.defaultMapsModel.reload()
    // The keyboard starts on the chosen application.
    StackView.onActivated: {
        for (let i = 0; i < table.count; ++i) {
            const row = table.itemAtIndex(i)
            if (row && row.showsCheckmark)
                row.forceActiveFocus(Qt.TabFocusReason)
        }
    }

    ListView {
        id: table
        objectName: "defaultMapsTableView"
        anchors.fill: parent
        clip: true
        model: SettingsScreen.defaultMapsModel

        delegate: TableRow {
            required property int index
            required property string rowName
            required property string title
            required property bool checkmark

            objectName: rowName
            titleText: title
            showsCheckmark: checkmark
            choice: true
            onClicked: SettingsScreen.defaultMapsModel.select(index)
        }
    }
}
