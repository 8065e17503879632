#include "ui/editing/group_name_dlg.h"

#include "core/byte_reader.h"
#include "platform/qt/visible_text.h"
#include "ui/controls/centring.h"
#include "ui/controls/control_id.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvex {

CGroupNameDlg::CGroupNameDlg(const QString& takenName, const QString& suggestedName, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Group Name"));
    auto* question =
        new QLabel(QStringLiteral("A group named \"%1\" exists already. Enter a name for the imported group:")
                       .arg(WithVisibleBidiControls(takenName)),
                   this);
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    m_name = new QLineEdit(this);
    // As long as a factor file holds a name, and no longer; the field's own default limit is
    // shorter and would cut a long suggestion.
    m_name->setMaxLength(int(kMaxTextLength));
    m_name->setText(WithVisibleBidiControls(suggestedName));
    KeepBidiControlsVisible(*m_name);
    SetControlId(*m_name, kNameField, QStringLiteral("nameEdit"));
    m_name->setAccessibleName(QStringLiteral("Group name"));
    question->setBuddy(m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // An empty name would show as a blank icon.
    connect(m_name, &QLineEdit::textChanged, this, [buttons](const QString& text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(m_name);
    layout->addWidget(buttons);
    adjustSize();
    CentreOnDesktop(*this);
}

QString CGroupNameDlg::Name() const
{
    return QString::fromStdString(WithBidiControlsFromVisible(m_name->text().trimmed()));
}

} // namespace kalvex
