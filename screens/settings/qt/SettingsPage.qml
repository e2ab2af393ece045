import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Settings

// The settings screen: the default maps application (leading to the picker), the grid
// references shown (leading to their list), the licence agreement and the privacy policy. Rows, texts and what a tap does come from SettingsScreen.
TitledPane {
    id: page
    objectName: "settingsPage"
    title: SettingsScreen.settingsTitle
    backButtonName: "settingsBackButton"

    // The maps row was tapped. In a StackView the page pushes the picker itself.
    signal defaultMapsRequested

    // Coming back from the picker shows the new choice.
    StackView.onActivating: SettingsScreen.settingsModel.refresh()
    // The keyboard starts on the first row, or on the row that led to the picker.
    StackView.onActivated: {
        var row = table.itemAtIndex(Math.max(0, table.currentIndex))
        if (row)
            row.forceActiveFocus(Qt.TabFocusReason)
    }

    Connections {
        target: SettingsScreen.settingsModel
        function onDefaultMapsPickerRequested() {
            page.defaultMapsRequested()
            if (page.StackView.view)
                page.StackView.view.push(defaultMapsPage)
        }
    }

    Connections {
        target: SettingsScreen.settingsModel
        function onGridReferencesRequested() {
            if (page.StackView.view)
                page.StackView.view.push(gridReferencesPage)
        }
    }

    Component {
        id: defaultMapsPage
        DefaultMapsPage {}
    }
    Component {
        id: gridReferencesPage
        GridReferencesPage {}
    }

    // Why the last tapped page could not be opened.
    Label {
        id: messageLabel
        objectName: "settingsMessage"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        padding: 16
        visible: text !== ""
        text: SettingsScreen.settingsModel.message
        wrapMode: Text.Wrap
    }

    ListView {
        id: table
        objectName: "settingsTableView"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: messageLabel.visible ? messageLabel.top : parent.bottom
        clip: true
        model: SettingsScreen.settingsModel

        delegate: TableRow {
            required property int index
            required property string rowName
            required property string title
            required property string detail
            required property bool disclosure

            objectName: rowName
            titleText: title
            detailText: detail
            showsDisclosure: disclosure
            onClicked: {
                table.currentIndex = index
                SettingsScreen.settingsModel.select(index)
            }
        }
    }
}
