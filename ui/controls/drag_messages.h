#pragma once

#include <QEvent>

class QWidget;

namespace kalvex {

// Codes of "DDCDODROP": the list was dropped here, or the list dragged from here was dropped
// elsewhere.
inline constexpr int kDropHere = 200;
inline constexpr int kDragCompleted = 201;

// The numbers of the drag protocol, registered by name once per run.
struct DragMessageTypes {
    QEvent::Type beginDragDrop; // "DDCBEGINDRAGDROP"
    QEvent::Type queryDrop;     // "DDCQUERYDROP"
    QEvent::Type doDrop;        // "DDCDODROP"
    unsigned stringListFormat;  // "String List"
};
const DragMessageTypes& DragMessages();

// One message of the drag protocol:
// - beginDragDrop, posted by a drag list to its parent: controlId and control (the list);
// - queryDrop, sent to a window under the mouse: format; the window sets answer non-zero to accept;
// - doDrop, sent to the target and the source: format and code; a drag list passes it on to its
//   parent with control = the list and the same code.
class CDragMessage final : public QEvent {
public:
    explicit CDragMessage(QEvent::Type type) : QEvent(type) {}

    unsigned format = 0;
    int controlId = 0;
    QWidget* control = nullptr;
    int code = 0;
    long answer = 0;
};

// Sends a query for the format to window; true when it accepts a drop.
bool QueryDrop(QWidget& window, unsigned format);
// Sends "DDCDODROP" with the format and code to window and returns once it is handled.
void SendDoDrop(QWidget& window, unsigned format, int code);

} // namespace kalvex
