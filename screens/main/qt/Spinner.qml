// The spinner of the location indicator (loaded only while a position is awaited).
import QtQuick
import QtQuick.Controls.Basic

BusyIndicator {
    running: true
}
