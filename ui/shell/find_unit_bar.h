#pragma once

#include "storage/unit_search.h"
#include "ui/shell/find_unit_list.h"

#include <QWidget>
#include <optional>

class QLineEdit;

namespace kalvex {

struct AppState;
class CFindUnitHint;

// The find field above the launcher: the user types a unit, or a value and a unit ("2 1/2 in"),
// and picks one of the matching units of the enabled groups ("name (symbol), Group") with Up and
// Down; Enter opens it, Escape closes the field.
class CFindUnitBar final : public QWidget {
    Q_OBJECT
public:
    explicit CFindUnitBar(AppState& app, QWidget* parent = nullptr);

    // Shows an empty field, with the groups as they are now, and gives it the focus; while the
    // field is open, selects what it holds.
    void Open();
    void Close();
    // The groups changed while the field is open (an import, here or in another window): what
    // was typed is looked up again among them.
    void ReloadGroups();

    QLineEdit& Field() const { return *m_field; }
    QListWidget& Results() const { return *m_results; }

signals:
    // The chosen unit with the typed value ("1" when none was typed).
    void unitChosen(int groupId, int unit, const QString& value);
    // A unit only the library has: its group is to be added to the user's groups first.
    void libraryUnitChosen(const QString& file, const QString& groupName, int unit, const QString& value);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadGroups();
    void OnTextChanged(const QString& text);
    // What the hint says for the text typed and the row chosen: once the user has chosen a row,
    // what Enter opens rather than how to choose.
    QString HintText() const;
    // What the user can choose, or what Enter opens once a row is chosen.
    QString ChoiceState(int row) const;
    QString TakenState() const;
    // What Enter does with a unit of a library group.
    QString LibraryState(int row) const;
    const UnitFinder& Finder() const { return m_search->Finder(m_inLibrary); }
    void ShowHint();
    void MoveChoice(int step);
    void OpenChosen();

    AppState& m_app;
    std::optional<UnitSearch> m_search;
    FoundUnits m_found;
    bool m_inLibrary = false; // m_found holds units of the library's groups
    QLineEdit* m_field = nullptr;
    CFindUnitList* m_results = nullptr;
    CFindUnitHint* m_state = nullptr;
};

} // namespace kalvex
