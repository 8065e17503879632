#include "tests/ui/editing/group_editor_fixture.h"
#include "tests/ui/support/isolated_environment.h"

#include <QApplication>

using namespace kalvex;
using namespace kalvex::testing;

// What the editor refuses, how it is accepted or left, its keys, help, size and captions.
class GroupEditorDialogTest : public QObject, private GroupEditorFixture {
    Q_OBJECT

private slots:
    void init() { Start(); }
    void cleanup() { Finish(); }

    void refusalsLeaveTheWorkingCopyAlone()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        const GroupWorkingCopy before = m_dlg->WorkingCopy();
        auto unchanged = [&] {
            for (int r = 0; r < 30; ++r)
                for (int c = 0; c < 30; ++c)
                    if (M(r, c) != before.Factor(r, c))
                        return false;
            return m_dlg->UnitCount() == before.Count();
        };

        Type(Edit(102), QStringLiteral("0"));
        Click(80); // unit 0 is the base
        QCOMPARE(LastText(), std::string("Cannot calculate when Base Unit and Unit are the same."));
        Choose(Combo(104), 1);
        Type(Edit(102), QStringLiteral("-0"));
        Click(80);
        QCOMPARE(LastText(), std::string("Factor entered is zero.  Cannot calculate."));
        AddUnit(QStringLiteral("new"), QString(), QStringLiteral("0"));
        QCOMPARE(LastText(), std::string("Factor must be greater than 0."));
        AddUnit(QString(), QString(), QStringLiteral("2"));
        QCOMPARE(LastText(),
                 std::string("You cannot add a null unit.  Enter a unit name in the Unit field and a "
                             "conversion factor in the Factor field, if appropriate."));
        QCOMPARE(m_t->messages.Last()->icon, MessageIcon::Stop);
        QCOMPARE(m_t->messages.beeps.size(), std::size_t(3)); // the null unit box has no beep
        QVERIFY(unchanged());
    }

    void aFactorThatIsNotANumberStopsEveryOperation()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        const GroupWorkingCopy before = m_dlg->WorkingCopy();
        const QString texts[] = {QStringLiteral("3,28084"), QStringLiteral("abc"), QStringLiteral("1e999")};
        for (const QString& text : texts) {
            // Add: a new unit with a good symbol is not added, whatever factor read well before.
            AddUnit(QStringLiteral("foot"), QStringLiteral("ft"), text);
            QCOMPARE(LastText(), std::string("Please enter a number."));
            QCOMPARE(UnitField()->text(), QStringLiteral("foot"));
            QCOMPARE(Edit(105)->text(), QStringLiteral("ft"));
            QCOMPARE(Edit(102)->text(), text);
            QCOMPARE(QApplication::focusWidget(), Edit(102));
            // Change and Calc on a chosen unit stop as well.
            Choose(Combo(104), 2);
            Type(Edit(105), QStringLiteral("zz"));
            Type(Edit(102), text);
            Click(118);
            Click(80);
            QCOMPARE(Edit(102)->text(), text);
            QVERIFY(m_dlg->WorkingCopy() == before);
        }
        QCOMPARE(m_t->messages.shown.size(), std::size_t(9));

        // The value field's fractions and mixed numbers are numbers here too.
        AddUnit(QStringLiteral("third"), QStringLiteral("t"), QStringLiteral("1/3"));
        AddUnit(QStringLiteral("more"), QStringLiteral("m"), QStringLiteral(" 2 1/2 "));
        QCOMPARE(m_dlg->UnitCount(), 5);
        QCOMPARE(M(3, 0), 1.0 / 3.0);
        QCOMPARE(M(4, 0), 2.5);
    }

    void namesTheFileOrTheListsCannotHoldAreRefused()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(CustomGroupId(1), 3);
        const GroupWorkingCopy before = m_dlg->WorkingCopy();
        const QString comma = QStringLiteral("A unit name or symbol cannot contain a comma.");
        AddUnit(QStringLiteral("rod,pole"), QStringLiteral("rd"), QStringLiteral("5"));
        QCOMPARE(QString::fromStdString(LastText()), comma);
        QCOMPARE(QApplication::focusWidget(), Combo(104));
        AddUnit(QStringLiteral("rod"), QStringLiteral("r,p"), QStringLiteral("5"));
        QCOMPARE(QString::fromStdString(LastText()), comma);
        QCOMPARE(QApplication::focusWidget(), Edit(105));

        // Change may not give a unit another unit's name, in any case; nor an empty one.
        Choose(Combo(104), 1);
        Type(UnitField(), QStringLiteral("U2"));
        Click(118);
        QCOMPARE(LastText(), std::string("U2 already exists."));
        Type(UnitField(), QString());
        Click(118);
        QVERIFY(LastText().starts_with("You cannot add a null unit."));
        QCOMPARE(Combo(104)->itemText(1), QStringLiteral("u1"));
        QVERIFY(m_dlg->WorkingCopy() == before);

        Type(Edit(100), QStringLiteral("  "));
        Click(699);
        QCOMPARE(LastText(), std::string("You must enter a group name."));
        QCOMPARE(QApplication::focusWidget(), Edit(100));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->current.Record().m_units[1], std::string("u1,s1"));
    }

    void longNamesNeitherWidenTheEditorNorSqueezeTheFactor()
    {
        MakeGroup(m_t->current.Record(), 2);
        Open(kDistance, 2);
        const int width = m_dlg->sizeHint().width();
        const QString longName(41, QLatin1Char('W'));
        AddUnit(longName, QStringLiteral("w"), QStringLiteral("2"));
        QCOMPARE(m_dlg->sizeHint().width(), width);
        QVERIFY(Edit(102)->width() >=
                Edit(102)->fontMetrics().horizontalAdvance(QStringLiteral("0.333333333333333")));
        QCOMPARE(Combo(104)->itemData(2, Qt::ToolTipRole).toString(), longName);
        QCOMPARE(Combo(101)->itemData(2, Qt::ToolTipRole).toString(), longName);

        // The status line is cut visibly at its width and shows more as the editor widens.
        auto* status = FindControl<QLabel>(*m_dlg, 113);
        const QString whole = QStringLiteral("Unit '%1' added.").arg(longName);
        QCOMPARE(status->toolTip(), whole);
        QVERIFY2(status->text().endsWith(QChar(0x2026)), qPrintable(status->text()));
        QVERIFY(status->fontMetrics().horizontalAdvance(status->text()) <= status->contentsRect().width());
        m_dlg->resize(m_dlg->width() + status->fontMetrics().horizontalAdvance(whole), m_dlg->height());
        QTRY_COMPARE(status->text(), whole);
    }

    void acceptRefusesOneUnitAndLeavesZerosBeyondN()
    {
        Open(CustomGroupId(1), 0);
        Type(UnitField(), QStringLiteral("one"));
        Enter(UnitField());
        Click(699);
        QCOMPARE(LastText(), std::string("You must have at least two units defined."));
        QVERIFY(m_dlg->isVisible());

        MakeGroup(m_t->current.Record(), 5);
        m_t->current.Record().m_factors[29][29] = 42.0;
        Open(kDistance, 3);
        Click(699);
        QCOMPARE(m_dlg->result(), 3);
        const CConversion& group = m_t->current.Record();
        QCOMPARE(group.m_unitCount, std::uint16_t(3));
        QCOMPARE(group.m_factors[2][1], 0.5);
        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 30; ++c)
                if (r >= 3 || c >= 3)
                    QCOMPARE(group.m_factors[std::size_t(r)][std::size_t(c)], 0.0);
    }

    void enterInAnyFieldAddsTheUnit()
    {
        MakeGroup(m_t->current.Record(), 2);
        Open(kDistance, 2);
        int expected = 2;
        for (int id : {100, 108, 102, 105, 104, 101}) {
            Type(UnitField(), QStringLiteral("unit%1").arg(id));
            Type(Edit(102), QStringLiteral("3"));
            QWidget* field = FindControl(*m_dlg, id);
            field->setFocus();
            Enter(id == 104 ? UnitField() : field);
            QCOMPARE(m_dlg->UnitCount(), ++expected);
        }
        QVERIFY(m_dlg->isVisible());
    }

    void helpButtonAndHelpKey()
    {
        MakeGroup(m_t->current.Record(), 2);
        Open(kDistance, 2);
        Click(710);
        Edit(102)->setFocus();
        QTest::keyClick(Edit(102), Qt::Key_F1);
        QTest::keyClick(UnitField(), Qt::Key_F1);
        QCOMPARE(m_t->help.topics, (std::vector<int>{3010, 17012, 17013}));
        m_dlg.reset();
        Open(CustomGroupId(1), 0);
        Click(710);
        QCOMPARE(m_t->help.topics.back(), 1220);
    }

    // A screen reader reads each field by the caption tied to it, in a new group and in Factors.
    void fieldsAreReadByTheirCaptions_data()
    {
        QTest::addColumn<int>("signedCount");
        QTest::newRow("new group") << 0;
        QTest::newRow("factors only") << -3;
    }
    void fieldsAreReadByTheirCaptions()
    {
        QFETCH(int, signedCount);
        MakeGroup(m_t->current.Record(), 3);
        Open(signedCount == 0 ? CustomGroupId(1) : kDistance, signedCount);
        const std::pair<int, QString> captions[] = {{100, "Group Name"}, {108, "Description"},
                                                    {101, "Base Unit"},  {102, "x  Factor"},
                                                    {104, "= Unit"},     {105, "Symbol"}};
        for (const auto& [id, caption] : captions) {
            const auto labels =
                QAccessible::queryAccessibleInterface(FindControl(*m_dlg, id))->relations(QAccessible::Label);
            QCOMPARE(labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name), caption);
        }
    }

    void leavingWithChangesAsksFirst()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(m_t->messages.shown.empty());

        Open(kDistance, 3);
        Type(Edit(108), QStringLiteral("changed"));
        m_t->messages.Answer(MessageAnswer::KeepEditing);
        QTest::keyClick(Edit(108), Qt::Key_Escape);
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->messages.Last()->buttons, MessageButtons::DiscardKeepEditing);
        m_t->messages.Answer(MessageAnswer::KeepEditing);
        m_dlg->close();
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_t->messages.shown.size(), std::size_t(2));
    }

    void cancelReturnsZeroAndLeavesTheGroup()
    {
        MakeGroup(m_t->current.Record(), 3);
        Open(kDistance, 3);
        AddUnit(QStringLiteral("more"), QString(), QStringLiteral("2"));
        m_t->messages.Answer(MessageAnswer::Discard);
        Click(700);
        QCOMPARE(m_t->messages.Last()->buttons, MessageButtons::DiscardKeepEditing);
        QCOMPARE(m_dlg->result(), 0);
        QCOMPARE(m_t->current.Record().m_unitCount, std::uint16_t(3));
        QCOMPARE(m_t->current.Record().m_units[3], std::string());
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication app(argc, argv);
    GroupEditorDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "group_editor_dialog_test.moc"
