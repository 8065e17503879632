#include "tests/ui/editing/group_editor_fixture.h"
#include "tests/ui/support/unnamed_controls.h"
#include "ui/editing/groups_dlg.h"
#include "ui/editing/unit_order_dlg.h"

#include <QAccessible>
#include <memory>

using namespace kalvex;
using namespace kalvex::testing;

namespace {

struct CaptionedField {
    int id;
    const char* name;
    const char* caption; // the label tied to the field, none for the unit list's own edit field
};

constexpr CaptionedField kEditorFields[] = {
    {100, "Group Name", "Group Name"}, {108, "Description", "Description"},
    {101, "Base Unit", "Base Unit"},   {102, "Factor", "x  Factor"},
    {104, "Unit", "= Unit"},           {1001, "Unit name", nullptr},
    {105, "Symbol", "Symbol"},
};

QString SpokenName(QWidget& widget)
{
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}

// The caption assistive tools read as the control's label, if any.
QString SpokenCaption(QWidget& control)
{
    const auto labels = QAccessible::queryAccessibleInterface(&control)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

} // namespace

// What a screen reader finds in the group editor and the launcher's group dialogs.
class EditingAccessibilityTest : public QObject, public GroupEditorFixture {
    Q_OBJECT

private slots:
    void init() { Start(); }
    void cleanup() { Finish(); }

    void groupEditorFieldsAreCaptioned_data()
    {
        QTest::addColumn<int>("groupId");
        QTest::addColumn<int>("signedCount");
        QTest::newRow("new group") << kFirstCustomId << 0;
        QTest::newRow("units and factors") << kDistance << 3;
        QTest::newRow("factors only") << kDistance << -3;
    }
    void groupEditorFieldsAreCaptioned()
    {
        QFETCH(int, groupId);
        QFETCH(int, signedCount);
        MakeGroup(m_t->current.Record(), 3);
        Open(groupId, signedCount);
        for (const CaptionedField& field : kEditorFields) {
            QWidget* control = FindControl(*m_dlg, field.id);
            QVERIFY(control);
            // On this platform a combo box is read by its chosen entry and its caption.
            QCOMPARE(control->accessibleName(), QString::fromUtf8(field.name));
            QCOMPARE(SpokenCaption(*control), QString::fromUtf8(field.caption));
        }
        QCOMPARE(SpokenName(*FindControl(*m_dlg, 112)),
                 QStringLiteral("Units: %1").arg(std::abs(signedCount)));
        QCOMPARE(UnnamedControls(*m_dlg), QStringList());
    }

    void groupDialogsNameTheirLists_data()
    {
        QTest::addColumn<bool>("order");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("enable/disable") << false << QStringList{"disabledList", "enabledList", "enableButton"}
                                        << QStringList{"Disabled Groups", "Enabled Groups", "Enable"};
        QTest::newRow("unit order") << true << QStringList{"unitList1", "unitList15"}
                                    << QStringList{"Unit 1", "Unit 15"};
    }
    void groupDialogsNameTheirLists()
    {
        QFETCH(bool, order);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, names);
        MakeGroup(m_t->current.Record(), 3);
        std::unique_ptr<QDialog> dialog;
        if (order)
            dialog = std::make_unique<CUnitOrderDlg>(m_t->state, m_t->current, kDistance, 3);
        else
            dialog = std::make_unique<CGroupsDlg>(m_t->state);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        for (qsizetype i = 0; i < controls.size(); ++i) {
            auto* control = dialog->findChild<QWidget*>(controls[i]);
            QVERIFY2(control, qPrintable(controls[i]));
            QCOMPARE(control->accessibleName(), names[i]);
        }
        QCOMPARE(UnnamedControls(*dialog), QStringList());
    }
};

QTEST_MAIN(EditingAccessibilityTest)
#include "editing_accessibility_test.moc"
