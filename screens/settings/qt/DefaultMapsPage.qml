import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Settings

// The default-maps picker: the four maps applications, a checkmark on the current choice; a
// tap makes that application the default at once. Leaving is the back control's business.
TitledPane {
    id: page
    objectName: "defaultMapsPage"
    title: SettingsScreen.defaultMapsTitle
    backButtonName: "defaultMapsBackButton"

    StackView.onActivating: SettingsScreen.defaultMapsModel.reload()
    Component.onCompleted: SettingsScreen.defaultMapsModel.reload()
    // The keyboard starts on the chosen application.
    StackView.onActivated: {
        for (var i = 0; i < table.count; ++i) {
            var row = table.itemAtIndex(i)
            if (row && row.checked)
                row.forceActiveFocus(Qt.TabFocusReason)
        }
    }

    ListView {
        id: table
        objectName: "defaultMapsTableView"
        anchors.fill: parent
        clip: true
        model: SettingsScreen.defaultMapsModel

        // One application is chosen: a screen reader meets radio buttons.
        // The model decides the checked state: a click does not change it by itself.
        delegate: RadioDelegate {
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
            autoExclusive: false
            checked: checkmark
            onToggled: checked = Qt.binding(() => row.checkmark)
            onClicked: SettingsScreen.defaultMapsModel.select(index)
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
