#include "platform/testing/simple_doubles.h"
#include "tests/ui/support/isolated_environment.h"
#include "ui/controls/context_help.h"
#include "ui/controls/control_id.h"
#include "ui/controls/drag_list_box.h"
#include "ui/controls/drag_messages.h"
#include "ui/controls/drag_tracker.h"
#include "ui/controls/focus_button.h"
#include "ui/controls/focus_scroll_bar.h"
#include "ui/controls/image_button.h"
#include "ui/controls/str_list.h"
#include "ui/controls/transfer.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/controls/unit_edit.h"
#include "ui/controls/value_edit.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace kalvex;

namespace {

// Two drag lists on a dialog that moves entries between them the way the groups dialog does.
class DragDialog final : public QDialog {
public:
    DragDialog()
    {
        resize(400, 300);
        left = new CDragListBox(this);
        right = new CDragListBox(this);
        SetControlId(*left, 105, QStringLiteral("disabledList"));
        SetControlId(*right, 106, QStringLiteral("enabledList"));
        left->setGeometry(0, 0, 200, 300);
        right->setGeometry(200, 0, 200, 300);
        for (CDragListBox* list : {left, right})
            list->setSelectionMode(QAbstractItemView::MultiSelection);
    }
    CDragListBox* left;
    CDragListBox* right;
    std::vector<int> begunBy;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == DragMessages().beginDragDrop) {
            auto* begin = static_cast<CDragMessage*>(e);
            begunBy.push_back(begin->controlId);
            auto* list = static_cast<CDragListBox*>(begin->control);
            BeginTransfer(*list, DragMessages().stringListFormat, list->SelectedTexts());
            return true;
        }
        if (e->type() == DragMessages().doDrop) {
            auto* drop = static_cast<CDragMessage*>(e);
            auto* list = static_cast<CDragListBox*>(drop->control);
            CStrList texts;
            if (ReadTransfer(texts))
                drop->code == kDropHere ? list->AddTexts(texts) : list->RemoveTexts(texts);
            return true;
        }
        return QDialog::event(e);
    }
};

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& local, Qt::KeyboardModifiers modifiers = {})
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

QPoint EntryPoint(CDragListBox* list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

QStringList Selected(CDragListBox* list)
{
    QStringList texts;
    for (const QString& text : list->SelectedTexts())
        texts << text;
    return texts;
}

QStringList Entries(CDragListBox* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DragDialog> m_dialog;

    void Click(CDragListBox* list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        SendMouse(list->viewport(), QEvent::MouseButtonPress, EntryPoint(list, row), modifiers);
        SendMouse(list->viewport(), QEvent::MouseButtonRelease, EntryPoint(list, row), modifiers);
    }

private slots:
    void init()
    {
        m_dialog = std::make_unique<DragDialog>();
        m_dialog->left->addItems({"Mass", "Area", "Time", "Dens", "Velo"});
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void cleanup() { m_dialog.reset(); }

    void clicksSelectLikeAMultipleSelectionList()
    {
        CDragListBox* list = m_dialog->left;
        Click(list, 1);
        Click(list, 3, Qt::ControlModifier);
        QCOMPARE(Selected(list), QStringList({"Area", "Dens"}));
        Click(list, 3, Qt::ControlModifier);
        Click(list, 4, Qt::ShiftModifier); // from the anchor, entry 1
        QCOMPARE(Selected(list), QStringList({"Area", "Time", "Dens", "Velo"}));
        Click(list, 0);
        QCOMPARE(Selected(list), QStringList({"Mass"}));
    }

    void aPressOnASelectedEntryWaitsForTheRelease()
    {
        CDragListBox* list = m_dialog->left;
        Click(list, 0);
        Click(list, 1, Qt::ControlModifier);
        Click(list, 2, Qt::ControlModifier);
        SendMouse(list->viewport(), QEvent::MouseButtonPress, EntryPoint(list, 1));
        QCOMPARE(Selected(list), QStringList({"Mass", "Area", "Time"}));
        QVERIFY(list->IsDragging());
        SendMouse(list->viewport(), QEvent::MouseButtonRelease, EntryPoint(list, 1));
        QCOMPARE(Selected(list), QStringList({"Area"}));
        QVERIFY(!list->IsDragging());
    }

    void aPressBelowTheLastEntryDoesNothing()
    {
        CDragListBox* list = m_dialog->left;
        Click(list, 2);
        const QPoint below(20, list->viewport()->height() - 2);
        SendMouse(list->viewport(), QEvent::MouseButtonPress, below);
        QVERIFY(!list->IsDragging());
        SendMouse(list->viewport(), QEvent::MouseMove, below + QPoint(10, 0));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(Selected(list), QStringList({"Time"}));
        QVERIFY(m_dialog->begunBy.empty());
    }

    void threePixelsDoNotStartADragFourDo()
    {
        CDragListBox* list = m_dialog->left;
        const QPoint press = EntryPoint(list, 1);
        SendMouse(list->viewport(), QEvent::MouseButtonPress, press);
        SendMouse(list->viewport(), QEvent::MouseMove, press + QPoint(3, 3));
        SendMouse(list->viewport(), QEvent::MouseMove, press + QPoint(-3, -3));
        QCoreApplication::sendPostedEvents();
        QVERIFY(list->IsDragging());
        QVERIFY(m_dialog->begunBy.empty());
        SendMouse(list->viewport(), QEvent::MouseMove, press + QPoint(0, 4));
        QVERIFY(!list->IsDragging());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(m_dialog->begunBy, std::vector<int>{105});
        SendMouse(list->viewport(), QEvent::MouseButtonRelease, press + QPoint(0, 4));
    }

    void aReleaseBeforeTheDragBeginsEndsItAndTheNextClickDropsNothing()
    {
        CDragListBox* left = m_dialog->left;
        CDragListBox* right = m_dialog->right;
        const QPoint press = EntryPoint(left, 1);
        SendMouse(left->viewport(), QEvent::MouseButtonPress, press);
        SendMouse(left->viewport(), QEvent::MouseMove, press + QPoint(0, 5));
        SendMouse(left->viewport(), QEvent::MouseButtonRelease, press + QPoint(0, 5));
        QCoreApplication::sendPostedEvents();
        QVERIFY(m_dialog->begunBy.empty());
        QVERIFY(!CDragTracker::Active());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);

        const QPoint inRight(30, 10);
        SendMouse(right->viewport(), QEvent::MouseButtonPress, inRight);
        SendMouse(right->viewport(), QEvent::MouseButtonRelease, inRight);
        QCOMPARE(right->count(), 0);
        QCOMPARE(Entries(left), QStringList({"Mass", "Area", "Time", "Dens", "Velo"}));
    }

    void dragMovesThreeSelectedEntriesToTheOtherList()
    {
        CDragListBox* left = m_dialog->left;
        CDragListBox* right = m_dialog->right;
        Click(left, 0);
        Click(left, 1, Qt::ControlModifier);
        Click(left, 3, Qt::ControlModifier);

        const QPoint press = EntryPoint(left, 1);
        SendMouse(left->viewport(), QEvent::MouseButtonPress, press);
        SendMouse(left->viewport(), QEvent::MouseMove, press + QPoint(4, 0));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(m_dialog->begunBy, std::vector<int>{105});

        QFile file(TransferFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\x03\0\0\0\x04Mass\x04"
                                            "Area\x04"
                                            "Dens",
                                            19));
        file.close();

        const QPoint overRight =
            left->viewport()->mapFromGlobal(right->viewport()->mapToGlobal(QPoint(30, 30)));
        SendMouse(left->viewport(), QEvent::MouseMove, overRight);
        SendMouse(left->viewport(), QEvent::MouseButtonRelease, overRight);
        QCOMPARE(Entries(right), QStringList({"Mass", "Area", "Dens"}));
        QCOMPARE(Entries(left), QStringList({"Time", "Velo"}));
    }

    void aDropOnItsOwnListChangesNothing()
    {
        CDragListBox* left = m_dialog->left;
        Click(left, 2);
        const QPoint press = EntryPoint(left, 2);
        SendMouse(left->viewport(), QEvent::MouseButtonPress, press);
        SendMouse(left->viewport(), QEvent::MouseMove, press + QPoint(0, 10));
        QCoreApplication::sendPostedEvents();
        SendMouse(left->viewport(), QEvent::MouseButtonRelease, press + QPoint(0, 10));
        QCOMPARE(left->count(), 5);
        QCOMPARE(m_dialog->right->count(), 0);
    }

    void enterInEditorFieldsPerformsAddUnit()
    {
        QDialog dialog;
        auto* add = new QPushButton(&dialog);
        SetControlId(*add, 107, QStringLiteral("addButton"));
        auto* ok = new QPushButton(&dialog);
        ok->setDefault(true);
        auto* edit = new CUnitEdit(&dialog);
        auto* combo = new CUnitComboBox(true, &dialog);
        combo->addItem(QStringLiteral("meter"));
        QSignalSpy added(add, &QPushButton::clicked);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("foot"));
        QCOMPARE(combo->SelectedIndex(), -1);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Enter);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(added.count(), 3);
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(combo->count(), 1); // typed text is never inserted as an entry
    }

    void valueEditReportsEnterAsLosingTheFocus()
    {
        QDialog dialog;
        auto* edit = new CValueEdit(&dialog);
        QSignalSpy lost(edit, &CValueEdit::focusLost);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(edit->property("helpId").toInt(), 17001);
    }

    void focusOnARadioButtonOrTheSliderDisablesPaste()
    {
        QDialog dialog;
        auto* paste = new QPushButton(QStringLiteral("Paste"), &dialog);
        SetControlId(*paste, 41, QStringLiteral("pasteButton"));
        auto* radio = new CFocusButton(QStringLiteral("meter"), &dialog);
        auto* slider = new CFocusScrollBar(Qt::Horizontal, &dialog);
        radio->move(0, 40);
        slider->move(0, 80);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QWidget* control : {static_cast<QWidget*>(radio), static_cast<QWidget*>(slider)}) {
            paste->setEnabled(true);
            control->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(control->hasFocus());
            QVERIFY(!paste->isEnabled());
            paste->setFocus();
        }
    }

    void focusedSliderShowsAFrame()
    {
        QDialog dialog;
        auto* other = new QPushButton(QStringLiteral("Other"), &dialog);
        auto* slider = new CFocusScrollBar(Qt::Horizontal, &dialog);
        slider->setGeometry(0, 40, 200, 20);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        const QImage unfocused = slider->grab().toImage();
        slider->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(slider->hasFocus());
        const QImage focused = slider->grab().toImage();
        const QColor highlight = slider->palette().color(QPalette::Highlight);
        QCOMPARE(focused.pixelColor(0, 0), highlight);
        QVERIFY(unfocused.pixelColor(0, 0) != highlight);
    }

    void contextHelpFollowsTheTable()
    {
        testing::RecordingHelp help;
        QDialog dialog;
        auto* field = new CUnitEdit(&dialog);
        SetControlId(*field, 102, QStringLiteral("factorEdit"));
        auto* value = new CValueEdit(&dialog);
        SetControlId(*value, 306, QStringLiteral("inputEdit"));
        auto* combo = new CUnitComboBox(true, &dialog);
        combo->move(0, 40);
        value->move(0, 80);
        SetControlId(*combo, 104, QStringLiteral("unitList"));
        static constexpr HelpPair kTable[] = {{102, 17012}, {1001, 17013}, {306, 99}, {0, 0}};
        auto* contextHelp = new CContextHelp(dialog, kTable, help);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QTest::keyClick(field, Qt::Key_F1);
        QTest::keyClick(value, Qt::Key_F1); // the field's own topic wins
        QTest::keyClick(field, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(contextHelp->InHelpMode());
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        QVERIFY(!contextHelp->InHelpMode());

        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2),
                                     field->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(field, &rightClick);
        auto* menu = dialog.findChild<QMenu*>(QStringLiteral("whatsThisMenu"));
        QVERIFY(menu);
        menu->actions().first()->trigger();
        QCOMPARE(help.topics, (std::vector<int>{17012, 17001, 17013, 17012}));
    }

    void imageButtonsShowTheirImagesAndDisabledLook()
    {
        for (int base : {40, 41, 80, 100, 101, 107, 117, 118, 699, 700, 701, 710, 712, 999})
            for (int offset : {1000, 3000, 5000})
                QVERIFY2(QSvgRenderer(QStringLiteral(":/buttons/%1.svg").arg(base + offset)).isValid(),
                         qPrintable(QString::number(base + offset)));
        QDialog dialog;
        auto* button = new CImageButton(118, QStringLiteral("Chg Unit"), &dialog);
        auto* other = new CImageButton(80, QStringLiteral("Calc"), &dialog);
        other->move(0, 40);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(button->sizeHint(), QSize(82, 26));
        QVERIFY(!button->autoDefault());
        other->setFocus();
        QCOMPARE(button->ShownImage(), 1118);
        button->setDown(true);
        QCOMPARE(button->ShownImage(), 3118);
        button->setDown(false);
        button->setFocus();
        QTRY_COMPARE(button->ShownImage(), 5118);
        button->setEnabled(false);
        QCOMPARE(button->ShownImage(), 1118); // drawn greyed
        button->SetDisabledImage(7118);
        QCOMPARE(button->ShownImage(), 7118);
        QVERIFY(!button->grab().isNull());
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    ControlsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "controls_test.moc"
