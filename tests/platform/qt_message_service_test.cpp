#include "platform/qt/qt_message_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace kalvex;

class QtMessageServiceTest : public QObject {
    Q_OBJECT

private slots:
    // Messages quote names from files and from the user; markup in them is shown, not rendered.
    void namesInAMessageAreShownAsWritten()
    {
        const QString text = QStringLiteral("rock & <b>roll</b> less than minimum of 0.000000");
        QString shown;
        bool plain = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                shown = label->text();
                plain = label->textFormat() == Qt::PlainText;
            }
            box->button(QMessageBox::Ok)->click();
        });
        QtMessageService messages;
        const MessageAnswer answer =
            messages.Show({text.toStdString(), {}, MessageButtons::Ok, MessageIcon::Warning});
        QCOMPARE(answer, MessageAnswer::Ok);
        QCOMPARE(shown, text);
        QVERIFY(plain);
    }
};

QTEST_MAIN(QtMessageServiceTest)
#include "qt_message_service_test.moc"
