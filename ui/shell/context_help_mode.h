#pragma once

#include <QObject>
#include <functional>

class QWidget;
class QPoint;

namespace kalvex {

// The main window's context-help mode (Shift+F1): the cursor turns into the help cursor and the
// next click asks for the help topic of what was clicked instead of acting on it, as Enter or
// Space does for the control with the focus; Escape ends the mode without help.
class CContextHelpMode final : public QObject {
    Q_OBJECT
public:
    using TopicHandler = std::function<void(int topic)>;

    // fallbackTopic is the topic of the window itself, for places without a topic of their own.
    CContextHelpMode(QWidget& window, int fallbackTopic, TopicHandler onTopic);
    ~CContextHelpMode() override;

    void Enter();
    bool IsActive() const { return m_active; }
    // The topic of a point in a widget of the window: a menu item's command, a window that
    // answers hit tests, a "helpId" property on the widget or a parent, else the fallback.
    int TopicAt(QWidget* widget, const QPoint& pos) const;
    // The topic of what the keyboard has chosen in a widget: a menu's highlighted item, the
    // chosen part of a window that answers hit tests, else as TopicAt.
    int TopicOfFocus(QWidget* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Leave();
    bool IsOurs(QObject* watched) const;
    void Answer(QObject* watched, const std::function<int(QWidget*)>& topicOf);

    QWidget& m_window;
    int m_fallbackTopic;
    TopicHandler m_onTopic;
    bool m_active = false;
};

} // namespace kalvex
