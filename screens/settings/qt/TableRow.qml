import QtQuick
import QtQuick.Controls.Basic

// One row of the settings table: its title, the detail text (the chosen maps application) and
// a disclosure mark. Tab reaches it; Return, Enter and Space open it, as the reader's action does.
ItemDelegate {
    id: row

    property string titleText
    property string detailText
    property bool showsDisclosure: false

    width: ListView.view ? ListView.view.width : implicitWidth
    implicitHeight: 48
    leftPadding: 16
    rightPadding: 12
    // Not drawn (the look lays out its own labels) but what a screen reader says for the row.
    text: titleText
    focusPolicy: Qt.StrongFocus
    Accessible.name: titleText
    Accessible.description: detailText
    Accessible.onPressAction: row.clicked()
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()

    contentItem: Item {}
    background: RowLook {
        row: row
        titleText: row.titleText
        detailText: row.detailText
        showsDisclosure: row.showsDisclosure
    }
}
