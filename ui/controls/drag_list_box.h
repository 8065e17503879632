#pragma once

#include <QListWidget>
#include <QPoint>

namespace kalvex {

class CStrList;

// A list whose selected entries can be dragged to another list. A press on an entry captures
// the mouse; moving more than 3 pixels from the press point in either direction posts
// "DDCBEGINDRAGDROP" (control id, this list) to its dialog (the list's window), which starts the
// transfer. The list keeps the mouse until the message is delivered, and a release that comes
// first withdraws it: a drag begins only while the button is still down.
// A press on an entry that is already selected keeps the selection until the button is
// released, so the whole selection can be dragged. The list accepts drops of the "String List"
// format and passes "DDCDODROP" on to its parent with itself in place of the format.
class CDragListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit CDragListBox(QWidget* parent = nullptr);

    // The selected entries' texts in ascending position.
    CStrList SelectedTexts() const;
    // Adds every text of the list as an entry.
    void AddTexts(const CStrList& texts);
    // Removes every entry whose text equals one of the list exactly.
    void RemoveTexts(const CStrList& texts);

    bool IsDragging() const { return m_dragging; }
    bool IsDragBeginPending() const { return m_beginPending; }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The window the list reports to; nothing for a list that stands alone.
    QWidget* Dialog() const;
    int EntryAt(const QPoint& point) const;
    void ApplyClick(int entry, Qt::KeyboardModifiers modifiers);
    void EndPress();
    void DeliverDragBegin();

    bool m_dragging = false;
    bool m_beginPending = false;
    QPoint m_pressPoint;
    bool m_pendingSelection = false;
    Qt::KeyboardModifiers m_pressModifiers;
    int m_anchor = 0;
};

} // namespace kalvex
