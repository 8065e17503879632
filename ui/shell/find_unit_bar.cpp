#include "ui/shell/find_unit_bar.h"

#include "core/group_ids.h"
#include "platform/qt/decimal_separator.h"
#include "platform/qt/visible_text.h"
#include "storage/app_state.h"
#include "storage/unit_search.h"
#include "ui/shell/find_unit_bar_hint.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalvex {
namespace {

constexpr int kShownRows = 6;

} // namespace

CFindUnitBar::CFindUnitBar(AppState& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    setObjectName(QStringLiteral("findUnitBar"));
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("findUnitEdit"));
    m_field->setAccessibleName(tr("Find unit"));
    m_field->setAccessibleDescription(tr("Type a unit, or a value and a unit; Up and Down choose, "
                                         "Enter converts, Escape closes"));
    m_field->setPlaceholderText(tr("Unit, or value and unit: 2 1/2 in"));
    m_field->setClearButtonEnabled(true);
    // The field's own clear button comes without a name.
    for (QToolButton* clear : m_field->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear"));
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &CFindUnitBar::OnTextChanged);

    m_state = new CFindUnitHint(this);
    m_state->setObjectName(QStringLiteral("findUnitState"));

    m_results = new CFindUnitList(this);
    m_results->setObjectName(QStringLiteral("findUnitResults"));
    m_results->setAccessibleName(tr("Matching units"));
    // A long unit name is cut in its middle, keeping the group that ends the row; a scroll bar
    // would cover the only row shown.
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_results->setTextElideMode(Qt::ElideMiddle);
    m_results->installEventFilter(this);
    connect(m_results, &QListWidget::itemActivated, this, &CFindUnitBar::OpenChosen);
    connect(m_results, &QListWidget::currentRowChanged, this, &CFindUnitBar::ShowHint);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(m_state);
    layout->addWidget(m_results);
    hide();
}

void CFindUnitBar::Open()
{
    // Asked again while open, the field keeps what was typed, ready to be typed over.
    if (isVisible()) {
        m_field->selectAll();
        m_field->setFocus();
        return;
    }
    LoadGroups();
    m_field->clear();
    OnTextChanged({});
    show();
    m_field->setFocus();
}

void CFindUnitBar::ReloadGroups()
{
    if (!isVisible())
        return;
    LoadGroups();
    OnTextChanged(m_field->text());
}

void CFindUnitBar::LoadGroups()
{
    m_search.emplace(LoadEnabledGroups(*m_app.services.settings, m_app.m_factorPath),
                     LibraryDir(m_app.m_programDir));
}

void CFindUnitBar::Close()
{
    hide();
    m_field->clear();
    emit closed();
}

void CFindUnitBar::OnTextChanged(const QString& text)
{
    {
        // The hint follows once the list is complete.
        const QSignalBlocker filling(m_results);
        m_results->clear();
        const UnitSearch::Result result =
            m_search ? m_search->Find(text.toStdString(), UserDecimalSeparator()) : UnitSearch::Result{};
        m_found = result.found;
        m_inLibrary = result.inLibrary;
        for (const UnitMatch& match : m_found.matches) {
            const QString label = WithVisibleBidiControls(Finder().Label(match));
            m_results->addItem(m_inLibrary ? tr("%1 (library)").arg(label) : label);
        }
        // A match is only chosen for the user when it is exact and the best ones lie in one group.
        m_results->setCurrentRow(m_found.taken ? 0 : -1);
    }
    m_results->NotifyRowsReplaced();
    ShowHint();
    // The launcher keeps most of the window: the list shows a few rows and scrolls.
    m_results->setVisible(m_results->count() > 0);
    const int rows = std::min(m_results->count(), kShownRows);
    m_results->setFixedHeight(rows * m_results->sizeHintForRow(0) + 2 * m_results->frameWidth());
}

QString CFindUnitBar::HintText() const
{
    const int row = m_results->currentRow();
    if (!m_found.problem.empty())
        return QString::fromStdString(m_found.problem);
    if (m_found.text.unit.empty())
        return tr("Type a unit, or a value and a unit.");
    if (m_found.matches.empty())
        return tr("No unit matches.");
    QString text = ChoiceState(row);
    if (m_found.primeAsFeet)
        text += QLatin1Char(' ') + tr("%1' is read as feet; for minutes of arc, type %1 arcmin.")
                                       .arg(QString::fromStdString(m_found.text.value));
    return text;
}

QString CFindUnitBar::ChoiceState(int row) const
{
    if (m_inLibrary && row >= 0)
        return LibraryState(row);
    if (m_found.taken && row == 0)
        return TakenState();
    if (row >= 0)
        return tr("Enter opens %1.").arg(m_results->item(row)->text());
    if (m_found.suggested && m_found.bestCount == 1)
        return tr("Did you mean %1? Down chooses it.").arg(m_results->item(0)->text());
    if (m_found.suggested)
        return tr("Did you mean one of these %n units? Up and Down choose.", nullptr, m_found.bestCount);
    return tr("Units of several groups match: choose one with Up and Down.");
}

QString CFindUnitBar::TakenState() const
{
    QString text = tr("Enter opens %1.").arg(m_results->item(0)->text());
    if (!m_found.sum.empty())
        text = tr("%1 = %2.")
                   .arg(QString::fromStdString(m_found.sum), QString::fromStdString(m_found.sumInReference)) +
               QLatin1Char(' ') + text;
    // The other units of the same spelling are named, so a user who meant one of them sees it.
    QStringList others;
    for (int row = 1; row < m_found.bestCount; ++row)
        others << m_results->item(row)->text();
    if (!others.isEmpty())
        text += QLatin1Char(' ') + tr("Also matches %1.").arg(others.join(QStringLiteral("; ")));
    return text;
}

QString CFindUnitBar::LibraryState(int row) const
{
    const UnitMatch& match = m_found.matches[std::size_t(row)];
    const QString group = QString::fromStdString(Finder().Groups()[std::size_t(match.group)].name);
    const QString unit = QString::fromStdString(Finder().Unit(match).name);
    if (m_app.m_numCust >= kMaxCustomGroups)
        return tr("%1 is in the library group %2, which cannot be added: you already have %3 custom groups, "
                  "the most there can be. Delete one first.")
            .arg(unit, group)
            .arg(kMaxCustomGroups);
    return tr("%1 is in the library group %2, not one of yours: Enter asks to add it, then opens it.")
        .arg(unit, group);
}

void CFindUnitBar::ShowHint()
{
    m_state->setText(HintText());
    QAccessibleEvent event(m_state, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void CFindUnitBar::MoveChoice(int step)
{
    const int count = m_results->count();
    if (count == 0)
        return;
    const int row = m_results->currentRow();
    m_results->setCurrentRow(row < 0 ? (step > 0 ? 0 : count - 1) : std::clamp(row + step, 0, count - 1));
}

void CFindUnitBar::OpenChosen()
{
    const int row = m_results->currentRow();
    if (row < 0 || row >= int(m_found.matches.size())) {
        m_app.services.messages->Beep(MessageIcon::Warning);
        return;
    }
    const UnitMatch match = m_found.matches[std::size_t(row)];
    const int unit = Finder().Unit(match).unit;
    const ValueToOpen value = Finder().OpenedValue(m_found, match, UserDecimalSeparator());
    const bool full = m_inLibrary && m_app.m_numCust >= kMaxCustomGroups;
    if (!value.problem.empty() || full) {
        if (!value.problem.empty())
            m_state->setText(QString::fromStdString(value.problem));
        m_app.services.messages->Beep(MessageIcon::Warning);
        return;
    }
    const QString text = QString::fromStdString(value.text);
    if (m_inLibrary) {
        const std::string file = m_search->LibraryFile(match.group);
        const QString name = QString::fromStdString(Finder().Groups()[std::size_t(match.group)].name);
        Close();
        emit libraryUnitChosen(QString::fromStdString(file), name, unit, text);
        return;
    }
    const int groupId = Finder().Groups()[std::size_t(match.group)].groupId;
    Close();
    emit unitChosen(groupId, unit, text);
}

bool CFindUnitBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
        Close();
        return true;
    case Qt::Key_Up:
        if (watched != m_field)
            break;
        MoveChoice(-1);
        return true;
    case Qt::Key_Down:
        if (watched != m_field)
            break;
        MoveChoice(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OpenChosen();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kalvex
