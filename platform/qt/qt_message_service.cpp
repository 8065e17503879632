#include "platform/qt/qt_message_service.h"

#include "platform/qt/application_title.h"
#include "platform/qt/visible_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kalvex {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::DiscardKeepEditing:
        return QMessageBox::Discard;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (the program ending under it) answers as Escape would.
MessageAnswer Answer(int button, MessageButtons buttons)
{
    if (button == QMessageBox::NoButton)
        return buttons == MessageButtons::YesNo ? MessageAnswer::No
               : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                                : MessageAnswer::Cancel;
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

QWidget* OwnerWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

MessageAnswer QtMessageService::Show(const MessageRequest& request)
{
    const QString caption =
        request.caption.empty() ? ApplicationTitle() : QString::fromStdString(request.caption);
    // Messages quote group and unit names as written; none of them is markup, and none may turn
    // the rest of the message around.
    QMessageBox box(BoxIcon(request.icon), caption, WithVisibleBidiControls(request.text),
                    BoxButtons(request.buttons), OwnerWindow());
    box.setTextFormat(Qt::PlainText);
    // Closing the box with Escape or its close button answers Cancel where there is one,
    // otherwise No for a question, as the home platform does.
    if (request.buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    if (request.buttons == MessageButtons::DiscardKeepEditing) {
        // Keeping the edits is the safe answer: the default, and what Escape or closing gives.
        QPushButton* keep = box.addButton(QMessageBox::tr("Keep Editing"), QMessageBox::RejectRole);
        box.setDefaultButton(keep);
        box.setEscapeButton(keep);
        box.exec();
        return box.clickedButton() == box.button(QMessageBox::Discard) ? MessageAnswer::Discard
                                                                       : MessageAnswer::KeepEditing;
    }
    return Answer(box.exec(), request.buttons);
}

void QtMessageService::Beep(MessageIcon)
{
    QApplication::beep();
}

} // namespace kalvex
