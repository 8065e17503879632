#include "ui/shell/progress_window.h"

#include "platform/qt/screen_fit.h"
#include "platform/qt/window_accessible.h"
#include "ui/controls/centring.h"
#include "ui/controls/control_id.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace kalvex {
namespace {

QFrame* EtchedFrame(int id, const QString& name)
{
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    SetControlId(*frame, id, name);
    return frame;
}

} // namespace

CProgressWindow::CProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint)
{
    ReadAsWindow(staticMetaObject);
    setObjectName(QStringLiteral("progressWindow"));
    setProperty("templateId", kTemplateId);
    setWindowTitle(QStringLiteral("Updating application settings..."));
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* message = new QLabel(
        QStringLiteral("Please wait while Kalvex! updates its settings with changes for this version."));
    message->setObjectName(QStringLiteral("messageText"));
    message->setWordWrap(true);
    m_progressText = new QLabel;
    m_progressText->setTextFormat(Qt::PlainText); // the reports carry group names from files
    SetControlId(*m_progressText, kProgressTextId, QStringLiteral("progressText"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(EtchedFrame(7500, QStringLiteral("upperFrame")));
    layout->addWidget(message);
    layout->addWidget(EtchedFrame(7501, QStringLiteral("lowerFrame")));
    layout->addWidget(m_progressText);
    setMinimumWidth(360);
    WidenForTitle(*this);
    CentreOnDesktop(*this);
}

void CProgressWindow::ShowAndPaint()
{
    show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CProgressWindow::Report(const std::string& text)
{
    m_progressText->setText(QString::fromStdString(text));
    m_progressText->repaint();
}

QString CProgressWindow::ProgressText() const
{
    return m_progressText->text();
}

} // namespace kalvex
