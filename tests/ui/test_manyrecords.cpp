// Many records at once: selecting several rows of a sorted and filtered list, filtering by field
// values, changing a field of the selection, and Copy and Clear Record of several rows.

#include "analysis/ui/changefielddialog.h"
#include "app/ui/messageswindow.h"
#include "test_mainframe_fixture.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;
using ui::PromptAnswer;

namespace {

constexpr std::size_t kCost = 24750; // BW3 units' Cost column

// BW3 units 1-6 named with costs 60, 10, 200, 30, 250, 90; unit 7 blank.
OBFileBuilder SampleFile() {
    OBFileBuilder b = OBFileBuilder::BW3();
    b.column(25000, 1, 70);
    const char* names[] = {"Tiger", "Kubel", "King Tiger", "Puma", "Maus", "Tiger HQ"};
    const int costs[] = {60, 10, 200, 30, 250, 90};
    for (int s = 1; s <= 6; ++s)
        b.unitName(s, names[s - 1]).column(kCost, s, static_cast<std::uint8_t>(costs[s - 1]));
    return b;
}

class ManyRecords : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        WriteBytes(bw3 / "KOB70", SampleFile().bytes());
        child = frame->OpenDocumentFile(QString::fromStdString((bw3 / "KOB70").string()));
        ASSERT_NE(child, nullptr);
    }

    CQuorvantDoc& doc() const { return child->document(); }
    ui::CUnitView* view() const { return child->view(); }
    QTableView* report() const { return view()->reportView(); }
    std::vector<int> Costs() const {
        std::vector<int> costs;
        for (int s = 1; s <= 7; ++s) costs.push_back(doc().Units[static_cast<std::size_t>(s)].Cost);
        return costs;
    }
    std::vector<int> SelectedSlots() const {
        std::vector<int> chosen;
        for (int row : view()->SelectedRows()) chosen.push_back(row + 1);
        return chosen;
    }
    void ClickRow(int shownRow, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::mouseClick(report()->viewport(), Qt::LeftButton, modifiers,
                          report()->visualRect(report()->model()->index(shownRow, 2)).center());
    }
    ui::ChangeFieldDialog* OpenChangeField() const {
        // The last one goes once the events run; until then it would be found instead.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !frame->findChild<ui::ChangeFieldDialog*>(); }));
        Command(ID_EDIT_CHANGE_FIELD)->trigger();
        return frame->findChild<ui::ChangeFieldDialog*>();
    }

    ui::CChildFrame* child = nullptr;
};

} // namespace

TEST_F(ManyRecords, ChangeFieldOverASortedAndFilteredSelectionChangesTheSlotsShown) {
    QTest::keyClicks(view()->filterBox(), "Cost >= 60 and not Name ~ HQ"); // Tiger, King Tiger, Maus
    view()->SortByColumn(2);                                               // Cost, ascending
    view()->SortByColumn(2);                                               // descending: 5, 3, 1
    ASSERT_EQ(report()->model()->rowCount(), 3);
    ClickRow(0);
    ClickRow(2, Qt::ShiftModifier);
    EXPECT_EQ(SelectedSlots(), (std::vector<int>{5, 3, 1}));
    ClickRow(1, Qt::ControlModifier);
    EXPECT_EQ(SelectedSlots(), (std::vector<int>{5, 1}));

    ui::ChangeFieldDialog* dialog = OpenChangeField();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->fieldBox()->currentText(), "Cost");
    EXPECT_NE(dialog->fieldBox()->findText("Land Speed"), -1) << "no [LandSpeed] beside it";
    dialog->operationBox()->setCurrentIndex(static_cast<int>(ChangeKind::MultiplyBy));
    QTest::keyClicks(dialog->valueBox(), "1.1");
    ASSERT_EQ(dialog->preview()->rowCount(), 2);
    EXPECT_EQ(dialog->preview()->item(0, 1)->text(), "250");
    EXPECT_EQ(dialog->preview()->item(0, 2)->text(), "255 (held)");
    EXPECT_EQ(dialog->preview()->item(1, 2)->text(), "66");
    EXPECT_EQ(dialog->summary()->text(), "2 of 2 units change; 1 held to the field's range.");
    dialog->okButton()->click();

    EXPECT_EQ(Costs(), (std::vector<int>{66, 10, 200, 30, 255, 90, 0}));
    EXPECT_EQ(Command(ID_EDIT_UNDO)->text(), "&Undo Change Cost of 2 Units");
    EXPECT_EQ(SelectedSlots(), (std::vector<int>{5, 1})); // the selection stays
    EXPECT_EQ(frame->messages()->last(), "Change Cost of 2 Units; 1 held to the field's range");
    Command(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(Costs(), (std::vector<int>{60, 10, 200, 30, 250, 90, 0}));

    // The next change starts from the last one, ready to type its value; the status bar counts the
    // records changed and says how many of those selected kept theirs.
    view()->SelectRows({4, 0});
    dialog = OpenChangeField();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->operationBox()->currentIndex(), static_cast<int>(ChangeKind::MultiplyBy));
    EXPECT_EQ(dialog->valueBox()->text(), "1.1");
    EXPECT_EQ(dialog->focusWidget(), dialog->valueBox());
    dialog->operationBox()->setCurrentIndex(static_cast<int>(ChangeKind::SetTo));
    dialog->valueBox()->setText("250");
    dialog->okButton()->click();
    EXPECT_EQ(frame->messages()->last(), "Change Cost of 1 Unit; 1 of the 2 selected kept their value");
    // The field is remembered by its name, for its own table only.
    for (int mode : {kViewWeapons, kViewUnits}) {
        Command(ViewModeCommand(mode))->trigger();
        dialog = OpenChangeField();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->fieldBox()->currentText() == "Cost", mode == kViewUnits) << mode;
        dialog->reject();
    }
}

TEST_F(ManyRecords, AWrongExpressionShowsRedWithTheReasonAndFiltersNothing) {
    QLineEdit* box = view()->filterBox();
    QTest::keyClicks(box, "Cost >");
    EXPECT_EQ(report()->model()->rowCount(), 249);
    EXPECT_EQ(box->toolTip(), "expected a value after \">\", not the end (at character 7)");
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::red));
    QTest::keyClicks(box, " 100");
    EXPECT_EQ(report()->model()->rowCount(), 2);
    EXPECT_TRUE(box->toolTip().isEmpty());
    EXPECT_NE(box->palette().color(QPalette::Text), QColor(Qt::red));
    // The weapons have no Cost: there the same text is wrong, and says so while they are shown.
    Command(ViewModeCommand(kViewWeapons))->trigger();
    EXPECT_EQ(box->toolTip(), "the weapons have no field \"Cost\" (at character 1)");
    // Each table's placeholder gives an example that works there.
    const QString typed = box->text();
    for (int mode : {kViewWeapons, kViewUnits, kViewFormations}) {
        Command(ViewModeCommand(mode))->trigger();
        const QString example = box->placeholderText().section(": ", 1).section(" (Ctrl+L)", 0, 0);
        box->setText(example);
        EXPECT_TRUE(box->toolTip().isEmpty())
            << example.toStdString() << ": " << box->toolTip().toStdString();
    }
    box->setText(typed);
    Command(ViewModeCommand(kViewUnits))->trigger();

    box->setFocus();
    Command(ID_VIEW_SELECT_FILTERED)->trigger();
    EXPECT_EQ(SelectedSlots(), (std::vector<int>{3, 5}));
    EXPECT_EQ(report()->window()->focusWidget(), report()) << "Copy and Delete then act on the rows";
    EXPECT_EQ(frame->messages()->last(), "Selected the 2 rows shown");
    box->clear();
    report()->setFocus();
    QTest::keyClick(report(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view()->SelectedRows().size(), 249u);
}

TEST_F(ManyRecords, CopyTakesTheFirstAndClearRecordAsksOnceForAll) {
    view()->ShowRecord(kUnitTable, 2);
    ClickRow(3, Qt::ShiftModifier); // slots 2 to 4
    ASSERT_EQ(SelectedSlots(), (std::vector<int>{2, 3, 4}));
    Command(ID_EDIT_COPY)->trigger();
    EXPECT_EQ(frame->messages()->last(),
              "Copied slot 2, the first of the 3 rows selected: the clipboard holds one record");
    EXPECT_FALSE(Command(ID_EDIT_CUT)->isEnabled());
    EXPECT_FALSE(Command(ID_EDIT_COPY_TO_FILES)->isEnabled());
    // A right click on a row of the selection keeps the selection for the row menu's commands.
    const QPoint at = report()->visualRect(report()->model()->index(2, 2)).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, report()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(report()->viewport(), &rightClick);
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    EXPECT_EQ(SelectedSlots(), (std::vector<int>{2, 3, 4}));

    prompts.answers = {PromptAnswer::No};
    Command(ID_EDIT_CLEAR)->trigger();
    EXPECT_EQ(TextsAsked(), std::vector<std::string>{"Clear the 3 Units selected?"});
    EXPECT_EQ(doc().Units[3].Name.trimmed(), "King Tiger");

    prompts.asked.clear();
    prompts.answers = {PromptAnswer::Yes};
    Command(ID_EDIT_CLEAR)->trigger();
    EXPECT_EQ(TextsAsked().size(), 1u);
    for (int s : {2, 3, 4}) EXPECT_EQ(doc().Units[static_cast<std::size_t>(s)].Name.trimmed(), "") << s;
    EXPECT_EQ(doc().Units[1].Name.trimmed(), "Tiger");
    EXPECT_EQ(Command(ID_EDIT_UNDO)->text(), "&Undo Clear 3 Units");
    Command(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(doc().Units[3].Name.trimmed(), "King Tiger");
}
