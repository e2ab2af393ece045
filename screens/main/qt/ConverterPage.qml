// The converter screen: the four notations of one position, the actions on it, and the
// Previous / Done / Next bar while a field is being edited.
//
// The page only lays out and forwards: MainScreen (C++) finds the controls by objectName when
// the page is complete and drives their texts and selector indices; the buttons call it.
import QtQuick
import Quorvane.Main
import QtQuick.Controls.Basic

Page {
    id: page

    objectName: "converterPage"
    // The settings button; the window decides what to show.
    signal settingsRequested()

    readonly property bool wide: width >= 720
    readonly property bool editing: MainScreen.editingField !== ""
    readonly property real keyboardHeight: Qt.inputMethod.visible
                                           ? Qt.inputMethod.keyboardRectangle.height : 0
    // Room kept free below the edited field: the keyboard, the navigation bar and 10 more.
    readonly property real editingInset: editing ? keyboardHeight + navigationBar.height + 10 : 0

    // Scrolls the form so that the item (the field being edited) is not hidden.
    function ensureVisible(item) {
        let inForm = false
        for (let p = item; p && !inForm; p = p.parent)
            inForm = p === content
        if (!inForm)
            return
        const margin = 12
        const top = item.mapToItem(scrollView.contentItem, 0, 0).y
        const bottom = top + item.height
        const visibleHeight = scrollView.height - editingInset
        if (top - margin < scrollView.contentY)
            scrollView.contentY = Math.max(0, top - margin)
        else if (bottom + margin > scrollView.contentY + visibleHeight)
            scrollView.contentY = bottom + margin - visibleHeight
    }

    background: Rectangle { color: Theme.background }

    header: ToolBar {
        implicitHeight: 52
        background: Rectangle {
            color: Theme.bar
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Theme.separator
            }
        }

        ToolButton {
            id: settingsButton
            objectName: "settingsButton"
            anchors.left: parent.left
            anchors.leftMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            focusPolicy: Qt.TabFocus
            text: "\u2699"
            Accessible.name: qsTr("Settings")
            font.pixelSize: 24
            contentItem: Text {
                text: settingsButton.text
                font: settingsButton.font
                color: settingsButton.down ? Qt.darker(Theme.accent, 1.3) : Theme.accent
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            background: Item {}
            onClicked: page.settingsRequested()
        }

        Label {
            anchors.centerIn: parent
            text: qsTr("Quorvane")
            font.pixelSize: 17
            font.bold: true
            color: Theme.text
        }

        ToolButton {
            id: shareButton
            objectName: "shareButton"
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            focusPolicy: Qt.TabFocus
            Accessible.name: qsTr("Share")
            implicitWidth: 44
            implicitHeight: 44
            contentItem: ShareIcon {
                color: shareButton.down ? Qt.darker(Theme.accent, 1.3) : Theme.accent
            }
            background: Item {}
            onClicked: MainScreen.share()
        }
    }

    Flickable {
        id: scrollView
        objectName: "scrollView"
        anchors.fill: parent
        contentWidth: width
        contentHeight: content.implicitHeight
        bottomMargin: page.editingInset
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {}

        Item {
            id: content
            width: scrollView.width
            implicitHeight: form.implicitHeight + 2 * Theme.margin

            // A tap on the background ends editing.
            TapHandler {
                onTapped: MainScreen.doneButtonAction()
            }

            Column {
                id: form
                readonly property real maxWidth: 980
                width: Math.min(parent.width - 2 * Theme.margin, maxWidth)
                anchors.horizontalCenter: parent.horizontalCenter
                y: Theme.margin
                spacing: 12

                NoticeBanner {
                    objectName: "noticeBanner"
                    width: form.width
                }

                Grid {
                    id: notations
                    width: form.width
                    columns: page.wide ? 2 : 1
                    spacing: 12
                    readonly property real cellWidth: (width - (columns - 1) * spacing) / columns
                    NotationCard {
                        width: notations.cellWidth
                        notation: "ddd_mm_sss"
                        title: qsTr("Degrees, minutes, seconds")
                        copyButtonName: "copy1"
                        latitude.fields: [{ name: "d1", placeholder: "ddd\u00b0", weight: 3 },
                                          { name: "m1", placeholder: "mm'", weight: 3 },
                                          { name: "s1", placeholder: "ss.sss\"", weight: 4 }]
                        latitude.selector.objectName: "c1"
                        longitude.fields: [{ name: "d2", placeholder: "ddd\u00b0", weight: 3 },
                                           { name: "m2", placeholder: "mm'", weight: 3 },
                                           { name: "s2", placeholder: "ss.sss\"", weight: 4 }]
                        longitude.selector.objectName: "c2"
                    }

                    NotationCard {
                        width: notations.cellWidth
                        notation: "ddd_mmmmm"
                        title: qsTr("Degrees, decimal minutes")
                        copyButtonName: "copy2"
                        latitude.fields: [{ name: "d3", placeholder: "ddd\u00b0", weight: 3 },
                                          { name: "m3", placeholder: "mm.mmmmm'", weight: 7 }]
                        latitude.selector.objectName: "c3"
                        longitude.fields: [{ name: "d4", placeholder: "ddd\u00b0", weight: 3 },
                                           { name: "m4", placeholder: "mm.mmmmm'", weight: 7 }]
                        longitude.selector.objectName: "c4"
                    }

                    NotationCard {
                        width: notations.cellWidth
                        notation: "dddddddd1"
                        title: qsTr("Decimal degrees")
                        copyButtonName: "copy3"
                        latitude.fields: [{ name: "d5", placeholder: "ddd.ddddddd\u00b0", weight: 1 }]
                        latitude.selector.objectName: "c5"
                        longitude.fields: [{ name: "d6", placeholder: "ddd.ddddddd\u00b0", weight: 1 }]
                        longitude.selector.objectName: "c6"
                    }

                    NotationCard {
                        width: notations.cellWidth
                        notation: "dddddddd2"
                        title: qsTr("Signed decimal degrees")
                        copyButtonName: "copy4"
                        latitude.fields: [{ name: "d7", placeholder: "ddd.ddddddd", weight: 1 }]
                        latitude.selector.objectName: "c7"
                        longitude.fields: [{ name: "d8", placeholder: "ddd.ddddddd", weight: 1 }]
                        longitude.selector.objectName: "c8"
                    }
                }

                ActionsCard {
                    width: form.width
                    wide: page.wide
                }
            }
        }
    }

    NavigationBar {
        id: navigationBar
        objectName: "navigationBar"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: page.keyboardHeight
        visible: page.editing
        z: 1
    }

    onEditingInsetChanged: ensureVisible(Window.activeFocusItem)
    Connections {
        target: page.Window.window
        function onActiveFocusItemChanged() { page.ensureVisible(page.Window.activeFocusItem) }
    }

    Component.onCompleted: MainScreen.attachPage(page)
}
