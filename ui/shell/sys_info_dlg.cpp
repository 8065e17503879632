#include "ui/shell/sys_info_dlg.h"

#include "platform/qt/system_facts.h"
#include "ui/controls/centring.h"
#include "ui/controls/control_id.h"
#include "ui/shell/sys_info_format.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvex {
namespace {

struct Field {
    const char* label;
    int controlId;
    const char* objectName;
    // The label off the home platform, where its name for the value would be wrong.
    const char* labelElsewhere = nullptr;
};

// In the order of the field texts; the first seven form the left column.
constexpr Field kFields[kSysInfoFieldCount] = {
    {"Operating system:", 327, "operatingSystemText"},
    {"Windows version:", 328, "versionText", "Kernel version:"},
    {"Build number:", 337, "buildNumberText"},
    {"Processor count:", 329, "processorCountText"},
    {"Processor type:", 330, "processorTypeText"},
    {"Computer name:", 1000, "computerNameText"},
    {"User name:", 334, "userNameText"},
    {"Total phys. memory:", 331, "totalPhysicalText"},
    {"Avail. phys. memory:", 332, "availablePhysicalText"},
    {"Total page space:", 335, "totalPageText"},
    {"Avail. page space:", 336, "availablePageText"},
    {"Windows directory:", 338, "systemDirectoryText", "Settings folder:"},
    {"TEMP directory:", 339, "tempDirectoryText", "Temporary folder:"},
};

const char* LabelFor(const Field& field, bool homePlatform)
{
    return homePlatform || !field.labelElsewhere ? field.label : field.labelElsewhere;
}
constexpr int kLeftColumnRows = 7;

// A value that looks like a label but is a Tab stop whose text can be selected and copied from
// the keyboard, and that a screen reader names after its caption.
QLineEdit* ValueField(const QString& text, const QString& caption)
{
    auto* field = new QLineEdit(text);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setBackgroundRole(QPalette::Window);
    field->setAccessibleName(caption.chopped(caption.endsWith(QLatin1Char(':')) ? 1 : 0));
    // Shown whole, as a label would be: folders and processor names are long.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(text) + 8);
    field->setCursorPosition(0);
    return field;
}

} // namespace

CSysInfoDlg::CSysInfoDlg(const SystemFacts& facts, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("sysInfoDlg"));
    setProperty("templateId", kTemplateId);
    setWindowTitle(QStringLiteral("System Information"));

    // All texts are read first, then shown together.
    const std::array<QString, kSysInfoFieldCount> texts = SysInfoFieldTexts(facts);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (std::size_t i = 0; i < kSysInfoFieldCount; ++i) {
        const int row = int(i) < kLeftColumnRows ? int(i) : int(i) - kLeftColumnRows;
        const int column = int(i) < kLeftColumnRows ? 0 : 2;
        const QString caption = QString::fromLatin1(LabelFor(kFields[i], facts.homePlatform));
        QLineEdit* value = ValueField(texts[i], caption);
        SetControlId(*value, kFields[i].controlId, QString::fromLatin1(kFields[i].objectName));
        auto* label = new QLabel(caption);
        label->setBuddy(value);
        grid->addWidget(label, row, column);
        grid->addWidget(value, row, column + 1);
    }
    grid->setColumnMinimumWidth(1, 120);
    grid->setColumnMinimumWidth(3, 120);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    SetControlId(*buttons->button(QDialogButtonBox::Ok), 1, QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    CentreOnDesktop(*this);
}

} // namespace kalvex
