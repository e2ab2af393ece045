import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Settings

// The grid references the converter shows: the four systems, a checkmark on each one shown; a
// tap shows or hides it at once. Leaving is the back control's business.
TitledPane {
    id: page
    objectName: "gridReferencesPage"
    title: SettingsScreen.gridReferencesTitle
    backButtonName: "gridReferencesBackButton"

    StackView.onActivating: SettingsScreen.gridReferencesModel.reload()
    // The keyboard starts on the first system.
    StackView.onActivated: {
        var row = table.itemAtIndex(0)
        if (row)
            row.forceActiveFocus(Qt.TabFocusReason)
    }

    ListView {
        id: table
        objectName: "gridReferencesTableView"
        anchors.fill: parent
        clip: true
        model: SettingsScreen.gridReferencesModel

        // Any systems are shown: a screen reader meets check boxes.
        // The model decides the checked state: a click does not change it by itself.
        delegate: CheckDelegate {
            id: row
            required property int index
            required property string rowName
            required property string title
            required property bool checkmark

            objectName: rowName
            width: ListView.view.width
            implicitHeight: 48
            leftPadding: 16
            rightPadding: 12
            text: title
            focusPolicy: Qt.StrongFocus
            Accessible.name: title
            checked: checkmark
            onToggled: checked = Qt.binding(() => row.checkmark)
            onClicked: SettingsScreen.gridReferencesModel.select(index)
            Accessible.onPressAction: row.clicked()
            Accessible.onToggleAction: row.clicked()
            Keys.onReturnPressed: row.clicked()
            Keys.onEnterPressed: row.clicked()

            indicator: null
            contentItem: Item {}
            background: RowLook {
                row: row
                titleText: row.title
                showsCheckmark: row.checkmark
            }
        }
    }
}
