#include "ui/controls/drag_messages.h"

#include "platform/qt/registered_ids.h"

#include <QCoreApplication>
#include <QWidget>

namespace kalvex {

const DragMessageTypes& DragMessages()
{
    static const DragMessageTypes types{
        QEvent::Type(RegisteredIds::Register("DDCBEGINDRAGDROP")),
        QEvent::Type(RegisteredIds::Register("DDCQUERYDROP")),
        QEvent::Type(RegisteredIds::Register("DDCDODROP")),
        RegisteredIds::Register("String List"),
    };
    return types;
}

bool QueryDrop(QWidget& window, unsigned format)
{
    CDragMessage query(DragMessages().queryDrop);
    query.format = format;
    QCoreApplication::sendEvent(&window, &query);
    return query.answer != 0;
}

void SendDoDrop(QWidget& window, unsigned format, int code)
{
    CDragMessage drop(DragMessages().doDrop);
    drop.format = format;
    drop.code = code;
    QCoreApplication::sendEvent(&window, &drop);
}

} // namespace kalvex
