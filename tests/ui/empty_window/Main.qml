// The baseline of the start-up benchmark: an empty window of the same kind as the application's.
import QtQuick
import QtQuick.Controls.Basic

ApplicationWindow {
    width: 390
    height: 844
    visible: true
    title: "Empty"
}
