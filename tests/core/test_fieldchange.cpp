#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"
#include "views/columnfields.h"
#include "views/fieldchange.h"

#include <gtest/gtest.h>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

// Units 1-3 named with costs 45, 15, 250 and 4 men each; unit 4 blank.
void Sample(CQuorvantDoc& doc, OBFileBuilder file) {
    file.unitName(1, "Tiger").unitName(2, "Jeep").unitName(3, "King Tiger");
    doc.ReadBytes(file.bytes());
    const int costs[] = {45, 15, 250};
    for (int s = 1; s <= 3; ++s) {
        doc.Units[static_cast<std::size_t>(s)].Cost = static_cast<std::uint8_t>(costs[s - 1]);
        doc.Units[static_cast<std::size_t>(s)].Men = 4;
    }
    CQuorvantDoc::SlotsByTable edited;
    edited[kUnitTable] = {1, 2, 3};
    doc.RecordStep("Set up", edited);
}

FieldChangeRequest Request(const CQuorvantDoc& doc, const std::string& field, ChangeKind kind,
                           const std::string& value, const std::string& source = {}) {
    return {FindColumn(kUnitTable, doc.Generation, field), kind, value,
            source.empty() ? -1 : FindColumn(kUnitTable, doc.Generation, source)};
}

std::vector<std::string> After(const FieldChangePlan& plan) {
    std::vector<std::string> texts;
    for (const ChangedRow& row : plan.rows()) texts.push_back(row.after + (row.clamped ? "!" : ""));
    return texts;
}

} // namespace

TEST(FieldChange, RoundsAndHoldsResultsToTheFieldsRange) {
    CQuorvantDoc doc;
    Sample(doc, OBFileBuilder::BW2());
    struct Case {
        std::string field;
        ChangeKind kind;
        std::string value;
        std::string source;
        std::vector<std::string> after; // "!" marks a held row
    };
    const std::vector<Case> cases = {
        {"Cost", ChangeKind::SetTo, "130", {}, {"130", "130", "130"}},
        {"Cost", ChangeKind::SetTo, "12.5", {}, {"13", "13", "13"}},
        {"Cost", ChangeKind::SetTo, "300", {}, {"255!", "255!", "255!"}},
        {"Cost", ChangeKind::Add, "10", {}, {"55", "25", "255!"}},
        {"cost", ChangeKind::Add, "-20", {}, {"25", "0!", "230"}},
        {"Cost", ChangeKind::MultiplyBy, "1.1", {}, {"50", "17", "255!"}}, // 49.5 and 16.5 round up
        {"Cost", ChangeKind::MultiplyBy, "-1", {}, {"0!", "0!", "0!"}},
        {"Cost", ChangeKind::CopyFrom, "", "Men", {"4", "4", "4"}},
        {"SideView", ChangeKind::SetTo, "65536", {}, {"65535!", "65535!", "65535!"}}, // 16 bits
    };
    for (const Case& c : cases) {
        FieldChangePlan plan(doc, kUnitTable, {1, 2, 3, 4}, Request(doc, c.field, c.kind, c.value, c.source));
        ASSERT_EQ(plan.error(), "") << c.field << " " << c.value;
        EXPECT_EQ(After(plan), c.after) << c.field << " " << c.value; // the blank slot 4 is left out
        EXPECT_EQ(plan.clampedCount(), std::count_if(c.after.begin(), c.after.end(),
                                                     [](const std::string& t) { return t.back() == '!'; }));
    }
    EXPECT_EQ(doc.Units[3].Cost, 250); // a plan changes nothing
}

TEST(FieldChange, NamedCodesAndDatesTakeTheListsTexts) {
    CQuorvantDoc bw1, bw2, bw3;
    Sample(bw1, OBFileBuilder::BW1());
    Sample(bw2, OBFileBuilder::BW2());
    Sample(bw3, OBFileBuilder::BW3());
    const std::string lastClass = bw3.Lists.UnitClassList.back();
    struct Case {
        CQuorvantDoc* doc;
        std::string field;
        ChangeKind kind;
        std::string value;
        std::string after; // of unit 1, or the error
    };
    const std::vector<Case> cases = {
        {&bw3, "Class", ChangeKind::SetTo, bw3.Lists.UnitClassList[4], bw3.Lists.UnitClassList[4]},
        {&bw3, "Class", ChangeKind::SetTo, " " + bw3.Lists.UnitClassList[4] + " ",
         bw3.Lists.UnitClassList[4]},
        {&bw3, "Class", ChangeKind::SetTo, "2", bw3.Lists.UnitClassList[2]},
        {&bw3, "Class", ChangeKind::Add, "1000", lastClass + "!"},
        {&bw3, "Class", ChangeKind::SetTo, "Flying Saucer", "there is no Class \"Flying Saucer\""},
        {&bw3, "Class", ChangeKind::MultiplyBy, "2", "Class is not a number to multiply"},
        {&bw1, "Country", ChangeKind::SetTo, bw1.Lists.NationList[2], bw1.Lists.NationList[2]},
        {&bw3, "Available", ChangeKind::SetTo, "4/53", "4/53"},
        {&bw3, "Available", ChangeKind::SetTo, "1953", "53"},
        {&bw3, "Unavailable", ChangeKind::SetTo, "4/53", "\"4/53\" is not a date of the list"},
        {&bw2, "Available", ChangeKind::SetTo, "1960", "60"},
        {&bw2, "Available", ChangeKind::SetTo, "60", "60"},
        {&bw1, "Available", ChangeKind::SetTo, "10/39", "10/39"},
        {&bw1, "Available", ChangeKind::SetTo, "13/39", "\"13/39\" is not a date of the list"},
        {&bw1, "Unavailable", ChangeKind::SetTo, "10/39", "10/39"},
        {&bw1, "Unavailable", ChangeKind::Add, "2", " 9/41"}, // from 0, " 9/39"
        {&bw2, "Unavailable", ChangeKind::Add, "60", "99!"},  // 1950 + 60 is past 1999
        {&bw3, "Available", ChangeKind::MultiplyBy, "2", "Available is not a number to multiply"},
        {&bw3, "Available", ChangeKind::CopyFrom, "Cost", "a date takes its value only from another date"},
        {&bw3, "Unit Name", ChangeKind::SetTo, "x", "names are changed one record at a time"},
        {&bw3, "Cost", ChangeKind::Add, "ten", "\"ten\" is not a number"},
        {&bw3, "Cost", ChangeKind::Add, "inf", "\"inf\" is not a number"},
    };
    for (const Case& c : cases) {
        FieldChangeRequest request = Request(*c.doc, c.field, c.kind, c.value);
        if (c.kind == ChangeKind::CopyFrom)
            request.source = FindColumn(kUnitTable, c.doc->Generation, c.value);
        FieldChangePlan plan(*c.doc, kUnitTable, {1}, request);
        const std::string got = plan.error().empty()
                                    ? plan.rows().at(0).after + (plan.rows()[0].clamped ? "!" : "")
                                    : plan.error();
        EXPECT_EQ(got, c.after) << GenerationLabel(c.doc->Generation) << " " << c.field << " " << c.value;
    }
}

TEST(FieldChange, IsOneUndoStepOfTheRecordsItChanged) {
    CQuorvantDoc doc;
    Sample(doc, OBFileBuilder::BW3());
    doc.Units[2].Cost = 50;
    doc.RecordStep("Set up", {{{}, {2}, {}}});
    FieldChangePlan plan(doc, kUnitTable, {1, 2, 3}, Request(doc, "Cost", ChangeKind::SetTo, "50"));
    EXPECT_EQ(plan.changedCount(), 2);
    EXPECT_EQ(plan.stepName(), "Change Cost of 2 Units");
    ASSERT_TRUE(plan.Apply(doc));
    EXPECT_EQ(doc.UndoText(), "Undo Change Cost of 2 Units");
    EXPECT_EQ(doc.History().UndoStep()->changes.size(), 2u);
    EXPECT_EQ(doc.Units[1].Cost, 50);
    EXPECT_EQ(doc.Units[3].Cost, 50);
    EXPECT_EQ(doc.Units[3].Men, 4);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Units[1].Cost, 45);
    EXPECT_EQ(doc.Units[3].Cost, 250);
    EXPECT_EQ(doc.UndoText(), "Undo Set up");

    FieldChangePlan same(doc, kUnitTable, {2}, Request(doc, "Cost", ChangeKind::SetTo, "50"));
    EXPECT_EQ(same.stepName(), "Change Cost of 0 Units");
    EXPECT_FALSE(same.Apply(doc)); // nothing to change, no step
    EXPECT_EQ(doc.History().StepCount(), 3u);
}
