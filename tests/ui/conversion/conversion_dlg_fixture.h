#pragma once

#include "core/group_ids.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/ui/conversion/test_groups.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/controls/unit_combo_box.h"
#include "ui/conversion/all_units_dlg.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/editing/group_def_dlg.h"
#include "ui/shell/factor_editor.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>
#include <cmath>
#include <memory>

namespace kalvex::testing {

inline constexpr int kInput = 306;
inline constexpr int kFirstResult = 8201;

inline const QStringList kOneMeter = {"1", "0.001", "100", "39.3701", "3.28084", "1.09361"};
inline const QStringList kTwelveMeters = {"12", "0.012", "1200", "472.441", "39.3701", "13.1234"};

// A conversion window opened over a test application, watched for modal loops and unexpected
// messages, and the ways its tests reach and drive its controls. Start and Finish belong in the
// test's init and cleanup.
class ConversionDlgFixture {
protected:
    std::unique_ptr<TestApp> m_t;
    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<CGroupConversionDlg> m_dlg;

    std::string File(int groupId) const { return FactorFileName(m_t->state.m_factorPath, groupId); }
    QByteArray FileBytes(int groupId) const
    {
        QFile file(QString::fromStdString(File(groupId)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Stores the group's factor file and loads it into the current group, as the launcher does.
    void Store(const CConversion& group, int groupId)
    {
        QVERIFY(SaveFactorFile(group, File(groupId), RealDisk()));
        QVERIFY(m_t->current.Load(groupId));
    }
    void Show()
    {
        m_dlg->show();
        QApplication::setActiveWindow(m_dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    void OpenChosen(int groupId)
    {
        m_dlg = std::make_unique<CConversionDlg>(m_t->state, m_t->current, groupId,
                                                 GroupFactorEditor(m_t->state, m_t->current));
        Show();
    }
    void OpenDistance()
    {
        Store(DistanceGroup(), kDistanceId);
        OpenChosen(kDistanceId);
    }
    // The launcher numbers the units 1, 2, ... before it opens the all-units layout.
    void OpenAllUnits(const CConversion& group, int groupId)
    {
        Store(group, groupId);
        auto& order = m_t->current.Record().m_unitOrder;
        for (std::size_t k = 0; k < order.size(); ++k)
            order[k] = std::uint16_t(k + 1);
        m_dlg = std::make_unique<CAllUnitsDlg>(m_t->state, m_t->current, groupId,
                                               GroupFactorEditor(m_t->state, m_t->current));
        Show();
    }

    template <class T = QWidget> T* Control(int id) const { return FindControl<T>(*m_dlg, id); }
    QLineEdit* Input() const { return Control<QLineEdit>(kInput); }
    QString Text(int id) const
    {
        if (auto* label = Control<QLabel>(id))
            return label->text();
        if (auto* field = Control<QLineEdit>(id))
            return field->text();
        return Control<QAbstractButton>(id)->text();
    }
    QStringList Results(int rows) const
    {
        QStringList texts;
        for (int row = 0; row < rows; ++row)
            texts << Text(kFirstResult + row);
        return texts;
    }
    void Type(const QString& text)
    {
        Input()->setFocus();
        Input()->selectAll();
        QTest::keyClick(Input(), Qt::Key_Delete);
        QTest::keyClicks(Input(), text);
    }
    void Enter(const QString& text)
    {
        Type(text);
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    // Clicks near the left edge, where a radio button's indicator is whatever its row's width.
    void Click(int id)
    {
        QWidget* button = Control<QAbstractButton>(id);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(std::min(8, button->width() / 2), button->height() / 2));
    }
    QScrollBar* Slider() const { return Control<QScrollBar>(111); }
    // The keyboard as the user has it: keys go to the focused control.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static int FocusId() { return QApplication::focusWidget() ? ControlId(*QApplication::focusWidget()) : 0; }

    // The text a button or a buddy label shows: "&&" is an ampersand, a single "&" marks the
    // keyboard hint and is not shown.
    static QString Shown(const QString& text)
    {
        QString shown;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size())
                ++i;
            shown += text[i];
        }
        return shown;
    }
    // A label shows exactly this text, as text.
    void CheckShown(int id, const QString& expected) const
    {
        auto* label = Control<QLabel>(id);
        QVERIFY(label);
        QCOMPARE(label->buddy() ? Shown(label->text()) : label->text(), expected);
        QVERIFY(label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()));
    }

    // Changes the kilometer factor to 0.002 per meter in the group editor and accepts it.
    void ScriptFactorChange()
    {
        m_t->dialogs.steps.push_back([](QDialog& dialog) {
            auto* units = FindControl<CUnitComboBox>(dialog, 104);
            units->setCurrentIndex(2);
            emit units->activated(2);
            auto* factor = FindControl<QLineEdit>(dialog, 102);
            factor->setFocus();
            factor->selectAll();
            QTest::keyClicks(factor, QStringLiteral("0.002"));
            QTest::mouseClick(FindControl<QAbstractButton>(dialog, 107), Qt::LeftButton);
            QTest::mouseClick(FindControl<QAbstractButton>(dialog, 699), Qt::LeftButton);
            return dialog.result();
        });
    }

    void Start()
    {
        m_t = std::make_unique<TestApp>();
        m_watchdog = std::make_unique<ModalWatchdog>();
    }
    void Finish()
    {
        m_dlg.reset();
        QCOMPARE(m_watchdog->caught, 0);
        QCOMPARE(m_t->messages.unexpected, 0);
        QCOMPARE(m_t->dialogs.unexpected, 0);
        m_watchdog.reset();
        m_t.reset();
    }
};

} // namespace kalvex::testing
