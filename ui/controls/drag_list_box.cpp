#include "ui/controls/drag_list_box.h"

#include "ui/controls/control_id.h"
#include "ui/controls/drag_messages.h"
#include "ui/controls/str_list.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

namespace kalvex {
namespace {

constexpr int kDragThreshold = 3;

} // namespace

CDragListBox::CDragListBox(QWidget* parent) : QListWidget(parent)
{
    setDragEnabled(false);
}

CStrList CDragListBox::SelectedTexts() const
{
    CStrList texts;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected())
            texts.AddTail(item(row)->text());
    }
    return texts;
}

void CDragListBox::AddTexts(const CStrList& texts)
{
    for (const QString& text : texts)
        addItem(text);
}

void CDragListBox::RemoveTexts(const CStrList& texts)
{
    for (int row = count() - 1; row >= 0; --row) {
        if (texts.Contains(item(row)->text()))
            delete takeItem(row);
    }
}

QWidget* CDragListBox::Dialog() const
{
    QWidget* dialog = window();
    return dialog != this ? dialog : nullptr;
}

int CDragListBox::EntryAt(const QPoint& point) const
{
    const QModelIndex index = indexAt(point);
    return index.isValid() ? index.row() : -1;
}

void CDragListBox::ApplyClick(int entry, Qt::KeyboardModifiers modifiers)
{
    QListWidgetItem* clicked = item(entry);
    if (selectionMode() == QAbstractItemView::SingleSelection) {
        clearSelection();
        clicked->setSelected(true);
    } else if (modifiers & Qt::ControlModifier) {
        clicked->setSelected(!clicked->isSelected());
    } else if (modifiers & Qt::ShiftModifier) {
        clearSelection();
        const int anchor = std::min(m_anchor, count() - 1);
        for (int row = std::min(anchor, entry); row <= std::max(anchor, entry); ++row)
            item(row)->setSelected(true);
    } else {
        clearSelection();
        clicked->setSelected(true);
        m_anchor = entry;
    }
    setCurrentItem(clicked, QItemSelectionModel::NoUpdate);
}

void CDragListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const int entry = EntryAt(point);
    event->accept();
    if (entry < 0)
        return;
    setFocus(Qt::MouseFocusReason);
    viewport()->grabMouse();
    m_dragging = true;
    m_pressPoint = point;
    m_pressModifiers = event->modifiers();
    m_pendingSelection = item(entry)->isSelected();
    if (!m_pendingSelection)
        ApplyClick(entry, m_pressModifiers);
}

void CDragListBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (m_beginPending) {
        // Released before the drag could begin: the move was a slip, not a drag.
        m_beginPending = false;
        EndPress();
        return;
    }
    if (!m_dragging)
        return;
    if (m_pendingSelection) {
        if (const int entry = EntryAt(event->position().toPoint()); entry >= 0)
            ApplyClick(entry, m_pressModifiers);
    }
    EndPress();
}

void CDragListBox::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_dragging)
        return;
    const QPoint distance = event->position().toPoint() - m_pressPoint;
    if (std::abs(distance.x()) <= kDragThreshold && std::abs(distance.y()) <= kDragThreshold)
        return;
    m_dragging = false;
    m_pendingSelection = false;
    m_beginPending = true;
    QMetaObject::invokeMethod(this, &CDragListBox::DeliverDragBegin, Qt::QueuedConnection);
}

void CDragListBox::DeliverDragBegin()
{
    const bool stillPressed = m_beginPending && isVisible();
    m_beginPending = false;
    EndPress();
    if (!stillPressed)
        return;
    if (QWidget* dialog = Dialog()) {
        CDragMessage begin(DragMessages().beginDragDrop);
        begin.controlId = ControlId(*this);
        begin.control = this;
        QCoreApplication::sendEvent(dialog, &begin);
    }
}

void CDragListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A second click is another press: the standard list would change the selection its own way.
    mousePressEvent(event);
}

void CDragListBox::EndPress()
{
    m_pendingSelection = false;
    if (QWidget::mouseGrabber() == viewport())
        viewport()->releaseMouse();
    m_dragging = false;
}

bool CDragListBox::event(QEvent* event)
{
    const DragMessageTypes& messages = DragMessages();
    if (event->type() == messages.queryDrop) {
        auto* query = static_cast<CDragMessage*>(event);
        query->answer = query->format == messages.stringListFormat ? 1 : 0;
        return true;
    }
    if (event->type() == messages.doDrop) {
        auto* drop = static_cast<CDragMessage*>(event);
        if (QWidget* dialog = Dialog()) {
            CDragMessage forward(messages.doDrop);
            forward.control = this;
            forward.code = drop->code;
            QCoreApplication::sendEvent(dialog, &forward);
        }
        return true;
    }
    return QListWidget::event(event);
}

} // namespace kalvex
