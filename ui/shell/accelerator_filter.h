#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;

namespace kalvex {

class CMainFrame;

// The main window's keyboard shortcuts. They are looked at before Qt's own shortcut handling,
// so an Alt+letter that is also a menu mnemonic (Alt+F, Alt+E, Alt+V, Alt+C) opens its group
// instead of the menu, and plain letters reach their group commands. F10 opens the menu bar,
// which Alt+letter cannot reach.
class CAcceleratorFilter final : public QObject {
    Q_OBJECT
public:
    explicit CAcceleratorFilter(CMainFrame& frame);
    ~CAcceleratorFilter() override;

    // The command of a key with its modifiers, or nothing when the table has no such key.
    static std::optional<int> CommandForKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool AppliesTo(QObject* receiver) const;
    bool HelpInOpenMenu(const QKeyEvent& key);
    void OpenMenuBar();
    static bool TypesIntoField(QObject* receiver, const QKeyEvent& key);

    CMainFrame& m_frame;
};

} // namespace kalvex
