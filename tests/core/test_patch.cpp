#include "analysis/patch.h"
#include "analysis/patchapply.h"
#include "analysis/patchfile.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/patch_files.h"
#include "views/columnsets.h"

#include <gtest/gtest.h>

#include <memory>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

std::unique_ptr<CQuorvantDoc> Load(const OBFileBuilder& b) {
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(b.bytes());
    return doc;
}

std::string Rows(const PatchPreview& preview) {
    std::string text;
    for (const PatchRow& r : preview.rows)
        text += std::string(TableWord(r.table)) + " " + std::to_string(r.slot) + " " + r.name + " " +
                r.field + " " + r.found + ">" + r.to + " " + "ACX"[static_cast<int>(r.state)] + "\n";
    return text;
}

Patch ReadOrFail(const std::string& text) {
    std::string error;
    std::optional<Patch> patch = ReadPatch(text, error);
    EXPECT_TRUE(patch) << error;
    return patch.value_or(Patch{});
}

} // namespace

TEST(Patch, MadeFromTwoFilesWritesTheirDifferencesAndReadsBackTheSame) {
    auto a = Load(PatchSource());
    auto b = Load(PatchTarget().unitName(6, "Sch\xfctze"));
    const std::string text = WritePatch(MakePatch(*a, *b));
    EXPECT_EQ(
        text,
        "{\"quorvant-patch\": 1, \"generation\": \"BW2\", \"changes\": [\n"
        "  {\"table\": \"weapons\", \"slot\": 12, \"name\": \"88mm KwK\", \"fields\": "
        "{\"Name\": [\"88mm KwK\", \"88mm KwK 36\"], \"HEKill\": [40, 45]}},\n"
        "  {\"table\": \"units\", \"slot\": 5, \"name\": \"Tiger\", \"fields\": {\"Wpn[2]\": [7, 9]}},\n"
        "  {\"table\": \"units\", \"slot\": 6, \"name\": \"\", \"fields\": "
        "{\"Name\": [\"\", \"Sch\xc3\xbctze\"]}}\n"
        "]}\n");
    EXPECT_EQ(WritePatch(ReadOrFail(text)), text);
    EXPECT_EQ(WritePatch(MakePatch(*a, *a)),
              "{\"quorvant-patch\": 1, \"generation\": \"BW2\", \"changes\": []}\n");
}

// Found trying the editor: the patch between files of two nations carried every unit's nation,
// which neither file can take.
TEST(Patch, FilesOfTwoNationsMakeThePatchOfOneNation) {
    auto a = Load(PatchSource());
    EXPECT_EQ(WritePatch(MakePatch(*a, *Load(PatchTarget().column(25000, 1, 30)))),
              WritePatch(MakePatch(*a, *Load(PatchTarget()))));
}

TEST(Patch, ReaderRefusesEveryOtherShapeNamingTheFirstFault) {
    const std::string head = R"({"quorvant-patch": 1, "generation": "BW1", "changes": [)";
    auto change = [&](const std::string& body) { return head + body + "]}"; };
    auto unit = [&](const std::string& fields) {
        return change(R"({"table": "units", "slot": 5, "name": "Tiger", "fields": {)" + fields + "}}");
    };
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {"", "not JSON: "},
        {"{\"quorvant-patch\": 1,", "not JSON: "},
        {"[1]", "a patch is a JSON object"},
        {R"({"generation": "BW1", "changes": []})", "\"quorvant-patch\" is missing"},
        {R"({"quorvant-patch": 2, "generation": "BW1", "changes": []})", "patch format 2 is not known"},
        {R"({"quorvant-patch": 1, "generation": "BW1", "changes": [], "x": 0})", "unknown key \"x\""},
        {R"({"quorvant-patch": 1, "changes": []})", "\"generation\" is missing"},
        {R"({"quorvant-patch": 1, "generation": "BW4", "changes": []})", "generation: \"BW4\" is not BW1"},
        {R"({"quorvant-patch": 1, "generation": "BW1", "changes": {}})", "changes: must be a list"},
        {R"({"quorvant-patch": 1, "quorvant-patch": 1, "generation": "BW1", "changes": []})", "given twice"},
        {head + "[[[[[[1]]]]]]]}", "nested too deeply"},
        {change("7"), "changes[0]: must be a JSON object"},
        {change(R"({"table": "units", "slot": 5, "name": "T"})"), "changes[0]: \"fields\" is missing"},
        {change(R"({"table": "guns", "slot": 5, "name": "T", "fields": {}})"), "unknown table \"guns\""},
        {change(R"({"table": "units", "slot": 250, "name": "T", "fields": {}})"),
         "slot 250 is past the units"},
        {change(R"({"table": "formations", "slot": 200, "name": "T", "fields": {}})"), "slot 200 is past"},
        {change(R"({"table": "units", "slot": -1, "name": "T", "fields": {}})"), "slot -1 is past"},
        {change(R"({"table": "units", "slot": 1.5, "name": "T", "fields": {}})"), "must be a whole number"},
        {change(R"({"table": "units", "slot": 1, "name": 7, "fields": {}})"), "name: a name must be text"},
        {change(R"({"table": "units", "slot": 1, "name": "Sixteen chars!!!", "fields": {}})"), "at most 15"},
        {change(R"({"table": "units", "slot": 1, "name": "Euro €", "fields": {}})"), "Latin-1"},
        {change(R"({"table": "units", "slot": 1, "name": "T", "fields": {}})"), "at least one field"},
        {unit(R"("Price": [1, 2])"), "units have no field Price"},
        {unit(R"("Wpn": [1, 2])"), "name one, Wpn[0] to Wpn[3]"},
        {unit(R"("Wpn[4]": [1, 2])"), "Wpn[4] is out of range"},
        {unit(R"("Wpn[x]": [1, 2])"), "cannot read the field \"Wpn[x]\""},
        {unit(R"("Cost[0]": [1, 2])"), "Cost is a single value"},
        {change(R"({"table": "weapons", "slot": 1, "name": "G", "fields": {"Generation": [0, 1]}})"),
         "not stored in the file"},
        {unit(R"("Cost": 3)"), "changes[0].fields[\"Cost\"]: must be [from, to]"},
        {unit(R"("Cost": [1, 2, 3])"), "must be [from, to]"},
        {unit(R"("Cost": ["1", 2])"), "Cost takes a whole number"},
        {unit(R"("Cost": [1, 2.5])"), "Cost takes a whole number"},
        {unit(R"("Cost": [1, 256])"), "value 256 does not fit Cost: a whole number from 0 to 255"},
        {unit(R"("SideView": [1, 18446744073709551615])"), "does not fit SideView"},
        {unit(R"("Name": [1, "T"])"), "a name must be text"},
        {unit(R"("Cost": [1, 2], "Cost": [2, 3])"), "the key \"Cost\" is given twice"},
        // One byte per entry in a BW1 formation.
        {change(R"({"table": "formations", "slot": 1, "name": "F", "fields": {"Units[0]": [1, 256]}})"),
         "value 256 does not fit Units"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ReadPatch(c.text, error)) << c.text;
        EXPECT_NE(error.find(c.fault), std::string::npos) << c.text << "\n -> " << error;
    }
    // The same entry a BW2 formation holds in 16 bits.
    std::string bw2 =
        change(R"({"table": "formations", "slot": 1, "name": "F", "fields": {"Units[0]": [1, 256]}})");
    bw2.replace(bw2.find("BW1"), 3, "BW2");
    EXPECT_EQ(ReadOrFail(bw2).changes.at(0).fields.at(0).to, "256");
}

TEST(Patch, BySlotSortsEachFieldIntoAppliedChangeOrConflict) {
    const Patch patch = MakePatch(*Load(PatchSource()), *Load(PatchTarget()));
    // The target already took the new name, holds the old HEKill and another weapon third.
    auto target = Load(PatchSource().weaponName(12, "88mm KwK 36").column(14000, 5, 3, 4, 2));
    PatchPreview preview = PreviewPatch(*target, patch, PatchMatch::BySlot);
    EXPECT_EQ(Rows(preview), "weapons 12 88mm KwK 36 Name 88mm KwK 36>88mm KwK 36 A\n"
                             "weapons 12 88mm KwK 36 HEKill 40>45 C\n"
                             "units 5 Tiger Wpn[2] 3>9 X\n");
    EXPECT_TRUE(preview.HasConflicts());
    EXPECT_EQ(preview.Writes(false).size(), 1u);
    ASSERT_EQ(preview.Writes(true).size(), 2u);

    CQuorvantDoc::SlotsByTable changed;
    std::string problem;
    ASSERT_TRUE(ApplyPatchRows(*target, preview.Writes(true), changed, problem)) << problem;
    EXPECT_EQ(target->Weapons[12].HEKill, 45);
    EXPECT_EQ(target->Units[5].Wpn[2], 9);
    EXPECT_EQ(changed, (CQuorvantDoc::SlotsByTable{{{12}, {5}, {}}}));
    EXPECT_EQ(Rows(PreviewPatch(*target, patch, PatchMatch::BySlot)),
              "weapons 12 88mm KwK 36 Name 88mm KwK 36>88mm KwK 36 A\n"
              "weapons 12 88mm KwK 36 HEKill 45>45 A\n"
              "units 5 Tiger Wpn[2] 9>9 A\n");
}

TEST(Patch, ByNameReachesEveryRecordOfThatNameWhereverItStands) {
    const Patch patch = MakePatch(*Load(PatchSource()), *Load(PatchTarget()));
    // Two copies of the gun under other slots, one in other case with trailing blanks; an unnamed
    // slot 12 and a "88mm KwK 36" are not it.
    auto target = Load(OBFileBuilder::BW2()
                           .weaponName(3, "88MM KWK   ")
                           .column(5250, 3, 40, 2, 0)
                           .weaponName(40, "88mm KwK")
                           .column(5250, 40, 41, 2, 0)
                           .weaponName(41, "88mm KwK 36")
                           .unitName(8, "Tiger")
                           .column(14000, 8, 7, 4, 2));
    EXPECT_EQ(Rows(PreviewPatch(*target, patch, PatchMatch::ByName)),
              "weapons 3 88MM KWK Name 88MM KWK>88mm KwK 36 X\n"
              "weapons 3 88MM KWK HEKill 40>45 C\n"
              "weapons 40 88mm KwK Name 88mm KwK>88mm KwK 36 C\n"
              "weapons 40 88mm KwK HEKill 41>45 X\n"
              "units 8 Tiger Wpn[2] 7>9 C\n");

    // A change of an unnamed record goes nowhere by name.
    Patch unnamed{kBW2, {{kUnitTable, 9, "", {{"Cost", "0", "5"}}}}};
    EXPECT_EQ(Rows(PreviewPatch(*target, unnamed, PatchMatch::ByName)), "");
    EXPECT_EQ(Rows(PreviewPatch(*target, unnamed, PatchMatch::BySlot)), "units 9  Cost 0>5 C\n");
}

TEST(Patch, ValuesToSetChangeWhateverTheFileHolds) {
    auto source = Load(PatchTarget());
    const Patch patch = MakeRecordPatch(*source, kUnitTable, 5);
    ASSERT_EQ(patch.changes.size(), 1u);
    EXPECT_EQ(patch.changes[0].fields.size(), 74u); // every value stored but the name and the nation
    auto target =
        Load(OBFileBuilder::BW2().unitName(2, "tiger").column(14000, 2, 3, 4, 2).column(24750, 2, 9));
    const PatchPreview preview = PreviewPatch(*target, patch, PatchMatch::ByName);
    EXPECT_FALSE(preview.HasConflicts());
    std::string changes;
    for (const PatchRow& r : preview.Writes(false)) changes += r.field + " " + r.found + ">" + r.to + "\n";
    EXPECT_EQ(changes, "Wpn[2] 3>9\nCost 9>0\n");
}

TEST(Patch, RefusesFilesItCannotGoTo) {
    const Patch patch = MakePatch(*Load(PatchSource()), *Load(PatchTarget()));
    EXPECT_EQ(PreviewPatch(*Load(OBFileBuilder::BW3()), patch, PatchMatch::BySlot).refusal,
              "a BW3 file; the patch is for BW2 files");
    // A short file (it reads as BW1) holds fewer slots than the patch names.
    OBFileBuilder shortFile(3755);
    const Patch units{kBW1, {{kUnitTable, 5, "Tiger", {{"Cost", "0", "1"}}}}};
    const PatchPreview preview = PreviewPatch(*Load(shortFile), units, PatchMatch::BySlot);
    EXPECT_NE(preview.refusal.find("units slot 5 is past the file's table"), std::string::npos)
        << preview.refusal;
    EXPECT_TRUE(preview.rows.empty());
}

TEST(Patch, AValueTheFileWouldNotKeepChangesNothing) {
    // A BW2 file holds one nation, so a unit of another does not read back as one.
    auto target = Load(OBFileBuilder::BW2().column(25000, 1, 31).unitName(1, "Tank").column(24750, 1, 5));
    const Patch patch{kBW2, {{kUnitTable, 1, "Tank", {{"Cost", "5", "6"}, {"Nationality", "31", "3"}}}}};
    const PatchPreview preview = PreviewPatch(*target, patch, PatchMatch::BySlot);
    CQuorvantDoc::SlotsByTable changed;
    std::string problem;
    EXPECT_FALSE(ApplyPatchRows(*target, preview.Writes(false), changed, problem));
    EXPECT_EQ(problem, "a BW2 file does not keep units slot 1 Nationality 3: it would read back as 31");
    EXPECT_EQ(target->Units[1].Cost, 5);
    EXPECT_EQ(target->Units[1].Nationality, 31);
    EXPECT_EQ(changed, CQuorvantDoc::SlotsByTable{});
}
