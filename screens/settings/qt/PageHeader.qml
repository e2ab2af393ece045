import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The bar above a settings page: the page title, and a back control while the page lies on
// top of another page in a StackView.
ToolBar {
    id: bar

    // The page the bar belongs to: its place in the StackView decides the back control.
    required property Item page
    property string title
    property string backButtonName: "backButton"

    contentHeight: 48

    readonly property bool canGoBack: bar.page.StackView.view !== null && bar.page.StackView.index > 0

    function goBack() {
        if (canGoBack)
            bar.page.StackView.view.pop()
    }

    // The desktop's keys for going back (Escape, Alt+Left, the Back key), pressed anywhere on
    // the page: the page hands its unhandled keys here.
    function backKey(event) {
        const back = event.key === Qt.Key_Escape || event.matches(StandardKey.Back)
                     || (event.key === Qt.Key_Left && (event.modifiers & Qt.AltModifier))
        if (back && canGoBack) {
            goBack()
            event.accepted = true
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        ToolButton {
            id: back
            objectName: bar.backButtonName
            text: "\u2039"
            font.pixelSize: 26
            Accessible.name: qsTr("Back")
            visible: bar.canGoBack
            onClicked: bar.goBack()
            Keys.onReturnPressed: bar.goBack()
            Keys.onEnterPressed: bar.goBack()
            Layout.preferredWidth: 48
            Layout.fillHeight: true // the whole bar's height, a fingertip's
        }
        // A Text, not a Label: a Label's control gives itself the static-text role over the
        // heading set here.
        Text {
            objectName: bar.page.objectName + "Title"
            color: bar.palette.windowText
            Accessible.role: Accessible.Heading
            Accessible.name: text
            text: bar.title
            font.bold: true
            font.pixelSize: 17
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            Layout.fillWidth: true
            Layout.leftMargin: back.visible ? 0 : 48
        }
        // Balances the back control so the title stays centred.
        Item {
            Layout.preferredWidth: 48
        }
    }
}
