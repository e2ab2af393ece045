// The converter screen: the four notations of one position, the actions on it, and the
// Previous / Done / Next bar while a field is being edited.
//
// The page only lays out and forwards: MainScreen (C++) finds the controls by objectName when
// the page is complete and drives their texts and selector indices; the buttons call it.
import QtQuick
import Quorvane.Main

Item {
    id: page

    objectName: "converterPage"
    // The settings button; the window decides what to show.
    signal settingsRequested()

    readonly property bool wide: width >= 720
    // A phone narrower than the usual (320 to 359 pixels): slimmer margins leave the fields room
    // for their longest texts.
    readonly property bool narrow: width < 360
    readonly property int pageMargin: narrow ? 10 : Theme.margin
    readonly property bool editing: MainScreen.editingField !== "" || GridCardScreen.editing
    // Keeps the field being edited in sight above the on-screen keyboard and the editing bar.
    KeyboardFollower {
        id: keyboard
        view: scrollView
        bar: navigationBar
        editing: page.editing
    }

    Rectangle {
        objectName: "pageBackground"
        anchors.fill: parent
        color: Theme.background
    }

    Rectangle {
        id: header
        width: parent.width
        height: 52
        z: 1
        color: Theme.bar

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.separator
        }

        // A tap on the bar beside its buttons ends editing, as one beside the fields does.
        TapHandler {
            onTapped: MainScreen.doneButtonAction()
        }

        TapButton {
            id: settingsButton
            objectName: "settingsButton"
            anchors.left: parent.left
            anchors.leftMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            text: "\u2699"
            glyphScale: 1.6
            accessibleName: qsTr("Settings")
            onClicked: page.settingsRequested()
        }

        // Centred on the bar while there is room, never under the buttons beside it.
        ReaderText {
            objectName: "title"
            readonly property real room: pasteButton.x - settingsButton.x - settingsButton.width
            x: Math.max(settingsButton.x + settingsButton.width,
                        Math.min((parent.width - implicitWidth) / 2, pasteButton.x - implicitWidth))
            width: Math.min(implicitWidth, room)
            anchors.verticalCenter: parent.verticalCenter
            elide: Text.ElideRight
            accessibleRole: Accessible.Heading
            text: qsTr("Quorvane")
            font.pixelSize: Theme.bodyFontSize
            font.bold: true
            color: Theme.text
        }

        // Reads the clipboard as a whole position and fills the form with it.
        TapButton {
            id: pasteButton
            objectName: "pasteButton"
            anchors.right: shareButton.left
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Paste")
            font.pixelSize: Theme.captionFontSize
            onClicked: Paste.pasteClipboard()
        }

        TapButton {
            id: shareButton
            objectName: "shareButton"
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            accessibleName: qsTr("Share")
            onClicked: MainScreen.share()

            ShareIcon {
                anchors.centerIn: parent
                color: shareButton.down ? Qt.darker(Theme.accent, 1.3) : Theme.accent
            }
        }
    }

    Flickable {
        id: scrollView
        objectName: "scrollView"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        contentWidth: width
        contentHeight: content.implicitHeight
        bottomMargin: keyboard.inset
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        // A thin scroll indicator at the right edge, shown only while the form moves.
        Rectangle {
            parent: scrollView
            x: scrollView.width - width - 2
            y: scrollView.contentY / scrollView.contentHeight * scrollView.height
            width: 3
            height: Math.min(1, scrollView.height / scrollView.contentHeight) * scrollView.height
            radius: 1.5
            color: Theme.secondaryText
            opacity: scrollView.moving ? 0.6 : 0
            visible: scrollView.contentHeight > scrollView.height
            Behavior on opacity { NumberAnimation { duration: 200 } }
        }

        Item {
            id: content
            width: scrollView.width
            // At least the height of the view, so that the area below the cards of a tall window
            // is background too; the view scrolls over the form's own height only.
            height: Math.max(implicitHeight, scrollView.height)
            implicitHeight: form.implicitHeight + 2 * page.pageMargin

            // A tap on the background ends editing.
            TapHandler {
                onTapped: MainScreen.doneButtonAction()
            }

            Column {
                id: form
                readonly property real maxWidth: 980
                width: Math.min(parent.width - 2 * page.pageMargin, maxWidth)
                anchors.horizontalCenter: parent.horizontalCenter
                y: page.pageMargin
                spacing: 12

                // Made when there is first something to say.
                Loader {
                    width: form.width
                    visible: MainScreen.notice !== ""
                    active: visible || status === Loader.Ready
                    source: "NoticeBanner.qml"
                    onLoaded: MainScreen.itemsAdded(item)
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
                        compact: page.narrow
                        copyButtonName: "copy1"
                        latitude.totalWeight: 10
                        latitude.selector.objectName: "c1"
                        latitude.fields: [
                            CoordinateField { objectName: "d1"; weight: 3 },
                            CoordinateField { objectName: "m1"; weight: 2.75 },
                            CoordinateField { objectName: "s1"; weight: 4.25 }
                        ]
                        longitude.totalWeight: 10
                        longitude.selector.objectName: "c2"
                        longitude.fields: [
                            CoordinateField { objectName: "d2"; weight: 3 },
                            CoordinateField { objectName: "m2"; weight: 2.75 },
                            CoordinateField { objectName: "s2"; weight: 4.25 }
                        ]
                    }

                    NotationCard {
                        width: notations.cellWidth
                        notation: "ddd_mmmmm"
                        title: qsTr("Degrees and decimal minutes")
                        compact: page.narrow
                        copyButtonName: "copy2"
                        latitude.totalWeight: 10
                        latitude.selector.objectName: "c3"
                        latitude.fields: [
                            CoordinateField { objectName: "d3"; weight: 3 },
                            CoordinateField { objectName: "m3"; weight: 7 }
                        ]
                        longitude.totalWeight: 10
                        longitude.selector.objectName: "c4"
                        longitude.fields: [
                            CoordinateField { objectName: "d4"; weight: 3 },
                            CoordinateField { objectName: "m4"; weight: 7 }
                        ]
                    }

                    NotationCard {
                        width: notations.cellWidth
                        notation: "dddddddd1"
                        title: qsTr("Decimal degrees")
                        compact: page.narrow
                        copyButtonName: "copy3"
                        latitude.totalWeight: 1
                        latitude.selector.objectName: "c5"
                        latitude.fields: [
                            CoordinateField { objectName: "d5"; weight: 1 }
                        ]
                        longitude.totalWeight: 1
                        longitude.selector.objectName: "c6"
                        longitude.fields: [
                            CoordinateField { objectName: "d6"; weight: 1 }
                        ]
                    }

                    NotationCard {
                        width: notations.cellWidth
                        notation: "dddddddd2"
                        title: qsTr("Signed decimal degrees")
                        compact: page.narrow
                        copyButtonName: "copy4"
                        latitude.totalWeight: 1
                        latitude.selector.objectName: "c7"
                        latitude.fields: [
                            CoordinateField { objectName: "d7"; weight: 1 }
                        ]
                        longitude.totalWeight: 1
                        longitude.selector.objectName: "c8"
                        longitude.fields: [
                            CoordinateField { objectName: "d8"; weight: 1 }
                        ]
                    }
                }

                ActionsCard {
                    width: form.width
                    wide: page.wide
                }

                // Below the first screen: made just after the first frame (MainScreen.wholePage).
                Loader {
                    width: form.width
                    active: MainScreen.wholePage
                    source: "GridReferencesCard.qml"
                    onLoaded: MainScreen.itemsAdded(item)
                }
            }
        }
    }

    // Made when a field is first edited, then kept.
    Loader {
        id: navigationBar
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: keyboard.keyboardHeight
        visible: page.editing
        active: visible || status === Loader.Ready
        z: 1
        source: "NavigationBar.qml"
        onLoaded: MainScreen.itemsAdded(item)
    }

    // Speaks MainScreen's announcements: screen readers read an item of the notification role
    // when it shows, and it shows again for each new text. Drawn in no colour, as the notice,
    // the copy confirmation and the fields already show what it says. Its Accessible properties
    // are set here, not made on demand (reader_properties.h): its name must follow its text
    // before it shows.
    Text {
        objectName: "announcer"
        width: 1
        height: 1
        clip: true
        color: "transparent"
        visible: text !== ""
        text: MainScreen.announcement
        Accessible.role: Accessible.Notification
        Accessible.name: text
    }

    // The platform's paste key while no field is edited (a field pastes into itself).
    Shortcut {
        sequences: [StandardKey.Paste]
        enabled: !page.editing
        onActivated: Paste.pasteClipboard()
    }

    // Text or a link dropped anywhere on the page.
    DropArea {
        objectName: "positionDropArea"
        anchors.fill: parent
        onDropped: (drop) => {
            Paste.pasteDropped(drop.text, drop.urls)
            drop.accept()
        }
    }

    // A new notice is brought into view, wherever the form was scrolled to: it answers what the
    // user just did, perhaps with a button far below it.
    Connections {
        target: MainScreen
        function onNoticeChanged() {
            if (MainScreen.notice !== "")
                scrollView.contentY = 0
        }
    }

    // Back from the settings, the keyboard is on the button that led there.
    function focusSettingsButton() {
        settingsButton.forceActiveFocus(Qt.TabFocusReason)
    }

    Component.onCompleted: MainScreen.attachPage(page)
}
