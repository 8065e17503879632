#include "ui/shell/about_dlg.h"

#include "platform/qt/dialog_runner.h"
#include "platform/qt/system_facts.h"
#include "storage/app_state.h"
#include "ui/controls/centring.h"
#include "ui/controls/control_id.h"
#include "ui/controls/transfer.h"
#include "ui/shell/program_images.h"
#include "ui/shell/sys_info_dlg.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvex {

CAboutDlg::CAboutDlg(AppState& app, QString systemFolder, QWidget* parent)
    : QDialog(parent), m_app(app), m_systemFolder(std::move(systemFolder))
{
    setObjectName(QStringLiteral("aboutDlg"));
    setProperty("templateId", kTemplateId);
    setWindowTitle(QStringLiteral("About Kalvex!"));

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    icon->setAccessibleName(QStringLiteral("Kalvex! icon"));
    auto* title = new QLabel(QStringLiteral("<b>Kalvex!</b> Vela v3.52"));
    title->setObjectName(QStringLiteral("versionText"));
    auto* notice = new QLabel(QStringLiteral("Converts a value into every unit of its group at once.\n"
                                             "Copyright \u00a9 Qor Corporation"));
    notice->setObjectName(QStringLiteral("noticeText"));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    SetControlId(*ok, 1, QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("Sys Info..."));
    SetControlId(*sysInfo, kSysInfoButtonId, QStringLiteral("sysInfoButton"));
    // "Sys Info" alone does not say what a screen reader's user will get.
    sysInfo->setAccessibleDescription(QStringLiteral("Opens the System Information dialog"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &CAboutDlg::OnSysInfo);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(notice);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);
    CentreOnDesktop(*this);
}

void CAboutDlg::OnSysInfo()
{
    // The folder of the drag transfer file, the only temporary file the program writes.
    const QString transferFile = TransferFilePath();
    const QString temporaryFolder =
        transferFile.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(transferFile).absolutePath());
    CSysInfoDlg dialog(ReadSystemFacts(m_systemFolder, temporaryFolder), this);
    m_app.services.dialogs->Run(dialog);
}

} // namespace kalvex
