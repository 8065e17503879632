#pragma once

#include <QObject>
#include <vector>

class QAction;

class QWidget;

namespace kalvex {

class IHelpService;

// One row of a dialog's help table; a table ends with {0, 0}.
struct HelpPair {
    int controlId;
    int topic;
};

// Context help of one dialog: F1 opens the topic of the control with the focus, Shift+F1 turns
// the next click into a help request for the control clicked, and a right-click offers
// "What's This?" for the control under the mouse. A control's own "helpId" property wins over
// the table; a control without either asks its parent. The table must outlive the object.
class CContextHelp final : public QObject {
    Q_OBJECT
public:
    CContextHelp(QWidget& dialog, const HelpPair* table, IHelpService& help);
    ~CContextHelp() override;

    // The topic for a control of the dialog, 0 when neither it nor a parent has one.
    int TopicFor(const QWidget* control) const;
    bool InHelpMode() const { return m_helpMode; }
    // A command of the dialog's own that the right-click menu offers below "What's This?".
    void AddMenuAction(QAction* action) { m_menuActions.push_back(action); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool BelongsToDialog(const QObject* object) const;
    void ShowTopicFor(const QWidget* control);
    void EnterHelpMode();
    void LeaveHelpMode();
    void OfferWhatsThis(QWidget* control, const QPoint& globalPos);

    QWidget& m_dialog;
    const HelpPair* m_table;
    IHelpService& m_help;
    bool m_helpMode = false;
    std::vector<QAction*> m_menuActions;
};

} // namespace kalvex
