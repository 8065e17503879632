#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kalvex {

// Holds the mouse for one drag: every move and the release anywhere in the program come here.
// Over the source or a window that accepts the format it shows the drop cursor, elsewhere the
// no-drop cursor. On release over an accepting window other than the source, that window gets
// "DDCDODROP" (format, 200) and then the source (format, 201); then the cursor and the earlier
// mouse grabber are restored and the tracker deletes itself.
class CDragTracker final : public QObject {
    Q_OBJECT
public:
    CDragTracker(QWidget& source, unsigned format);
    ~CDragTracker() override;

    // The tracker of the drag in progress, if any.
    static CDragTracker* Active();
    QWidget* LastWindow() const { return m_lastWindow; }

    static constexpr Qt::CursorShape kDropCursor = Qt::DragMoveCursor;
    static constexpr Qt::CursorShape kNoDropCursor = Qt::ForbiddenCursor;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnMove(const QPoint& globalPos);
    void OnRelease();
    void ShowCursor(Qt::CursorShape shape);
    static QWidget* WindowAt(const QPoint& globalPos);

    QPointer<QWidget> m_source;
    unsigned m_format;
    QPointer<QWidget> m_previousGrabber;
    QPointer<QWidget> m_lastWindow;
    bool m_cursorShown = false;
    bool m_finished = false;
};

} // namespace kalvex
