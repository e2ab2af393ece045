import QtQuick
import QtQuick.Controls.Basic

// A settings page: the bar with the page's title (and the back control while the page lies over
// another one), the page's own items below it. A Pane rather than a Page: Qt Quick Controls give
// a Page the "page tab" role whatever its Accessible.role says, and a screen reader then speaks
// the page as a tab; a Pane is a pane named by its title. Without padding it draws as a Page did.
Pane {
    id: page

    property string title
    property alias backButtonName: pageHeader.backButtonName
    // The page's items; they lie below the bar and fill the rest of the page.
    default property alias content: body.data

    padding: 0
    Accessible.name: title
    Keys.onPressed: event => pageHeader.backKey(event)

    PageHeader {
        id: pageHeader
        page: page
        title: page.title
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
    }

    Item {
        id: body
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: pageHeader.bottom
        anchors.bottom: parent.bottom
    }
}
