#pragma once

#include <QObject>
#include <QStringList>

class QDialog;
class QMessageBox;

namespace kalvex::e2e {

// Drives one custom-group operation in the real program, from KALVEX_GROUPS_SCRIPT:
//   "new NAME"     New Custom, a group NAME of two units
//   "delete NAME"  selects the group NAME and deletes it
//   "import FILE"  Import Group of FILE
//   "list"         nothing
// An optional " race FILE" runs `kalvex --import FILE` while the editor or the question is
// open. Prints "e2e message <text>" for every message box and "e2e group <name>" for every icon
// the launcher then shows, and ends the program at once, as a user's kill would.
class GroupsDriver final : public QObject {
    Q_OBJECT
public:
    GroupsDriver();

private:
    void Tick();
    bool Act();
    void AnswerModal(QWidget& modal);
    void FillEditor(QDialog& editor);
    void RunRacingImport();
    void ListAndEnd();

    QStringList m_script;
    QString m_race;
    int m_ticks = 0;
    bool m_acted = false;
};

} // namespace kalvex::e2e
