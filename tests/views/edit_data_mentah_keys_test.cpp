#include "edit_data_mentah_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro::test {
namespace {

const std::string ChoiceMessageD =
    "Data yang dimasukkan salah!, data yang valid adalah huruf a sd d";
const std::string EssayMessage =
    "Data yang dimasukkan salah!, data yang valid adalah angka dan bintang";
const std::string NotEditable = "Tidak bisa diedit";
const std::string OneAnswer = "Data masukan salah, hanya boleh satu jawaban untuk setiap soal";

// Three subjects (rows 3-5), three items (columns 3-5).
class KeysTest : public EditorTest {
protected:
    KeysTest() { Empty(3, 3, 4); }
};

class EssayKeysTest : public EssayEditorTest {
protected:
    EssayKeysTest() { Empty(3, 3); }
};

TEST_F(KeysTest, RefusesCharactersOutsideTheOptionsWithBeepAndMessage) {
    // With 4 options the last letter is d; a blank, a digit, '#' and a letter with an accent are
    // no answers either.
    const std::vector<std::string> refused = {"e", "E", "z", "Z", " ", "1", "#", "-", "\xC3\xA9"};
    const GridCell cells[] = {{3, 2}, {4, 3}, {5, 5}};
    for (const GridCell& cell : cells) {
        for (const std::string& typed : refused) {
            SCOPED_TRACE(testing::Message()
                         << "'" << typed << "' at (" << cell.Col << ", " << cell.Row << ")");
            ui.Messages.clear();
            ui.Beeps = 0;
            Click(cell.Col, cell.Row);
            editor.PressKey(EditorKey::Char(typed));
            EXPECT_EQ(ui.Messages, (Cells{ChoiceMessageD}));
            EXPECT_EQ(ui.Beeps, 1);
            EXPECT_EQ(Cell(cell.Col, cell.Row), "");
            EXPECT_EQ(editor.CurrentCell(), cell);
            EXPECT_FALSE(editor.AdvancePending);
            EXPECT_FALSE(Changed()) << "a refused key changes nothing";
            EXPECT_FALSE(Data().IsNeedRecalc);
        }
    }
}

TEST_F(KeysTest, TheMessageNamesTheLastOptionLetter) {
    const std::pair<int, std::string> cases[] = {{1, "a"}, {2, "b"}, {5, "e"}};
    for (const auto& [options, letter] : cases) {
        Data().JumPilihan = options;
        ui.Messages.clear();
        Click(3, 3);
        editor.PressKey(EditorKey::Char("x"));
        EXPECT_EQ(
            ui.Messages,
            (Cells{"Data yang dimasukkan salah!, data yang valid adalah huruf a sd " + letter}));
    }
    Data().JumPilihan = 5;
    editor.PressKey(EditorKey::Char("E"));
    EXPECT_EQ(Cell(3, 3), "E");
}

TEST_F(KeysTest, AcceptsOptionLettersInEitherCaseAndTheStarAndMovesOn) {
    for (const std::string typed : {"a", "d", "D", "A", "*"}) {
        SCOPED_TRACE(typed);
        Empty(3, 3, 4);
        Click(4, 3);
        editor.PressKey(EditorKey::Char(typed));
        EXPECT_EQ(Cell(4, 3), typed);
        EXPECT_EQ(editor.CurrentCell(), (GridCell{5, 3}));
        EXPECT_FALSE(editor.AdvancePending);
        EXPECT_TRUE(ui.Messages.empty());
        EXPECT_EQ(ui.Beeps, 0);
        EXPECT_TRUE(Changed());
        EXPECT_TRUE(Data().IsNeedRecalc);
    }
}

TEST_F(KeysTest, PressAloneNotesThePendingMoveAndReleaseMakesIt) {
    Click(3, 4);
    EXPECT_TRUE(editor.SGKeyPress(EditorKey::Char("b")));
    EXPECT_TRUE(editor.AdvancePending);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 4}));
    editor.SetCellText({3, 4}, "b");
    editor.SGKeyUp();
    EXPECT_FALSE(editor.AdvancePending);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{4, 4}));
    EXPECT_FALSE(editor.SGKeyPress(EditorKey::Char("q")));
}

TEST_F(KeysTest, TypingARowOfAnswersWrapsToTheNextSubjectsName) {
    Click(3, 3);
    editor.TypeText("abc");
    EXPECT_EQ(Row(3, 3), (Cells{"a", "b", "c"}));
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 4}));
    // In the last row the cursor wraps to the name cell of the same row.
    Click(5, 5);
    editor.PressKey(EditorKey::Char("b"));
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 5}));
    // The key row wraps to the first subject's name.
    Click(5, 2);
    editor.PressKey(EditorKey::Char("d"));
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 3}));
    editor.SaveGridToData();
    EXPECT_EQ(Data().Kunci, "##d");
    EXPECT_EQ(Data().GetJawaban(0).Jwb, "abc");
    EXPECT_EQ(Data().GetJawaban(2).Jwb, "##b");
}

struct EnterCase {
    GridCell From;
    GridCell To;
};

TEST_F(KeysTest, EnterMovesOnlyInTheNumberAndNameColumns) {
    const EnterCase cases[] = {
        {{1, 3}, {2, 3}}, {{2, 3}, {3, 3}}, {{2, 5}, {3, 5}}, // number and name: onwards
        {{3, 3}, {3, 3}}, {{5, 4}, {5, 4}}, {{4, 2}, {4, 2}}, // answers and key: stays
    };
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.From.Col << ", " << c.From.Row << ")");
        Data().IsChanged = false;
        Click(c.From.Col, c.From.Row);
        const std::string before = Cell(c.From.Col, c.From.Row);
        editor.PressKey(KeyCode::Enter);
        EXPECT_EQ(editor.CurrentCell(), c.To);
        EXPECT_TRUE(Changed());
        EXPECT_EQ(Cell(c.From.Col, c.From.Row), before) << "Enter goes into no cell";
    }
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(KeysTest, EnterInTheNameColumnWithoutItemsGoesToTheNextName) {
    Empty(2, 0);
    Click(2, 3);
    editor.PressKey(KeyCode::Enter);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 4}));
    editor.PressKey(KeyCode::Enter);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 4}));
}

TEST_F(EssayKeysTest, EnterMovesInEveryColumn) {
    const EnterCase cases[] = {
        {{1, 3}, {2, 3}}, {{2, 3}, {3, 3}}, {{3, 3}, {4, 3}}, {{5, 3}, {2, 4}},
        {{5, 5}, {2, 5}}, {{3, 2}, {4, 2}}, {{5, 2}, {2, 3}},
    };
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.From.Col << ", " << c.From.Row << ")");
        Data().IsChanged = false;
        Click(c.From.Col, c.From.Row);
        editor.PressKey(KeyCode::Enter);
        EXPECT_EQ(editor.CurrentCell(), c.To);
        EXPECT_TRUE(Changed());
    }
}

TEST_F(KeysTest, TheKeyRowsLabelsRefuseEveryKeyButStillMarkTheDocument) {
    const std::string heading = Cell(2, 2);
    const EditorKey keys[] = {EditorKey::Char("x"), EditorKey::Char("a"), KeyCode::Enter,
                              KeyCode::Backspace, KeyCode::Delete};
    for (const GridCell cell : {GridCell{1, 2}, GridCell{2, 2}}) {
        for (const EditorKey& key : keys) {
            ui.Messages.clear();
            ui.Beeps = 0;
            Data().IsChanged = false;
            Click(cell.Col, cell.Row);
            editor.PressKey(key);
            EXPECT_EQ(ui.Messages, (Cells{NotEditable}));
            EXPECT_EQ(ui.Beeps, 1);
            EXPECT_TRUE(Changed());
            EXPECT_EQ(editor.CurrentCell(), cell);
        }
    }
    EXPECT_EQ(Cell(2, 2), heading);
    EXPECT_EQ(Cell(1, 2), "");
    // Nor does the cell editor write into them.
    editor.SetCellText({2, 2}, "x");
    EXPECT_EQ(Cell(2, 2), heading);
}

TEST_F(KeysTest, ASecondLetterInOneCellIsCutBackToTheFirst) {
    Raw("", 3, 4, {{"Ani", "1", "a"}});
    Open();
    Click(3, 3);
    editor.PressKey(EditorKey::Char("b"));
    EXPECT_EQ(ui.Messages, (Cells{OneAnswer}));
    EXPECT_EQ(ui.Beeps, 1);
    EXPECT_EQ(Cell(3, 3), "a");
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 3})) << "stays on the corrected cell";
    EXPECT_FALSE(editor.AdvancePending);
    EXPECT_TRUE(Changed());
    // Backspace now takes the answer away without moving on.
    editor.PressKey(KeyCode::Backspace);
    EXPECT_EQ(Cell(3, 3), "");
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 3}));
    EXPECT_EQ(ui.Messages.size(), 1U);
    editor.SaveGridToData();
    EXPECT_EQ(Data().GetJawaban(0).Jwb, "");
}

TEST_F(KeysTest, TheOneAnswerRuleReadsTheCellWithoutSurroundingBlanks) {
    Click(3, 3);
    editor.SetCellText({3, 3}, " b ");
    editor.SGKeyUp();
    EXPECT_TRUE(ui.Messages.empty());
    editor.SetCellText({3, 3}, " cd ");
    editor.SGKeyUp();
    EXPECT_EQ(ui.Messages, (Cells{OneAnswer}));
    EXPECT_EQ(Cell(3, 3), "c");
}

TEST_F(KeysTest, PastingChecksTheCharactersAndKeepsOneAnswer) {
    struct PasteCase {
        std::string Before;
        std::string Pasted;
        std::string After;
        Cells Messages;
    };
    const PasteCase cases[] = {
        {"", "b", "b", {}},
        {"", "bcd", "b", {OneAnswer}},
        {"", " c\r\n", "c", {}},
        {"a", "bc", "a", {OneAnswer}},
        {"", "x", "", {ChoiceMessageD}},
        {"", "ab1", "", {ChoiceMessageD}},
        {"", "", "", {}},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE("\"" + c.Pasted + "\" into \"" + c.Before + "\"");
        Empty(3, 3, 4);
        editor.SG.SetCell(4, 4, c.Before);
        ui.Messages.clear();
        Click(1, 3);
        editor.Paste(c.Pasted, {4, 4});
        EXPECT_EQ(Cell(4, 4), c.After);
        EXPECT_EQ(ui.Messages, c.Messages);
        EXPECT_EQ(editor.CurrentCell(), (GridCell{4, 4})) << "a paste never moves on";
    }
}

TEST_F(KeysTest, PastingANameTakesAnyTextAndMarksTheDocument) {
    editor.Paste("  Siti Aminah\n", {2, 4});
    EXPECT_EQ(Cell(2, 4), "Siti Aminah");
    EXPECT_TRUE(Changed());
    EXPECT_TRUE(ui.Messages.empty());
    editor.Paste("x", {2, 2});
    EXPECT_EQ(ui.Messages, (Cells{NotEditable}));
    EXPECT_EQ(Cell(2, 2), " Nama Subyek | Kunci ->");
}

TEST_F(KeysTest, NamesAndNumbersTakeAnyCharacter) {
    Click(2, 4);
    editor.TypeText("Siti 2-\xC3\xA9");
    Click(1, 4);
    editor.PressKey(KeyCode::Backspace);
    editor.TypeText("B#7");
    EXPECT_EQ(Cell(2, 4), "Siti 2-\xC3\xA9");
    EXPECT_EQ(Cell(1, 4), "B#7");
    EXPECT_TRUE(ui.Messages.empty());
    editor.SaveGridToData();
    EXPECT_EQ(Data().GetJawaban(1).Nama, "Siti 2-\xC3\xA9");
    EXPECT_EQ(Data().GetJawaban(1).NoSubyek, "B#7");
}

TEST_F(KeysTest, BackspaceTakesAWholeCharacterAway) {
    Click(2, 3);
    editor.TypeText("Jos\xC3\xA9");
    editor.PressKey(KeyCode::Backspace);
    EXPECT_EQ(Cell(2, 3), "Jos");
}

TEST_F(KeysTest, DeleteEmptiesACellAndAlwaysCountsAsAChange) {
    Raw("", 2, 4, {{"Ani", "1", "ab"}});
    Open();
    Click(2, 3);
    editor.PressKey(KeyCode::Delete);
    EXPECT_EQ(Cell(2, 3), "");
    EXPECT_TRUE(Changed()) << "a name wiped without typing must reach the raw data";
    editor.FormClose();
    EXPECT_EQ(Data().GetJawaban(0).Nama, "");

    Click(4, 3);
    editor.PressKey(KeyCode::Delete);
    EXPECT_EQ(Cell(4, 3), "");
    EXPECT_EQ(editor.CurrentCell(), (GridCell{4, 3}));
}

struct ArrowCase {
    GridCell From;
    KeyCode Key;
    GridCell To;
    bool Marks;
};

TEST_F(KeysTest, ArrowKeysMoveAndMarkTheDocumentInAnswerColumns) {
    const ArrowCase cases[] = {
        {{3, 3}, KeyCode::Right, {4, 3}, true},  {{4, 3}, KeyCode::Left, {3, 3}, true},
        {{3, 3}, KeyCode::Down, {3, 4}, true},   {{3, 3}, KeyCode::Up, {3, 2}, true},
        {{3, 2}, KeyCode::Up, {3, 2}, true},     {{5, 5}, KeyCode::Right, {5, 5}, true},
        {{5, 5}, KeyCode::Down, {5, 5}, true},   {{3, 3}, KeyCode::Left, {2, 3}, false},
        {{1, 3}, KeyCode::Right, {2, 3}, false}, {{1, 3}, KeyCode::Left, {1, 3}, false},
        {{2, 4}, KeyCode::Up, {2, 3}, false},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.From.Col << ", " << c.From.Row << ") key "
                                        << static_cast<int>(c.Key));
        Data().IsChanged = false;
        Data().IsNeedRecalc = false;
        Click(c.From.Col, c.From.Row);
        editor.PressKey(c.Key);
        EXPECT_EQ(editor.CurrentCell(), c.To);
        EXPECT_EQ(Changed(), c.Marks);
        EXPECT_EQ(Data().IsNeedRecalc, c.Marks);
    }
}

TEST_F(KeysTest, TabLeavesTheGridWithoutEffect) {
    Click(3, 3);
    editor.PressKey(KeyCode::Tab);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 3}));
    EXPECT_FALSE(Changed());
}

TEST_F(KeysTest, AClickOutsideTheDataCellsLeavesTheCursor) {
    Click(4, 4);
    for (const GridCell cell : {GridCell{0, 3}, GridCell{3, 1}, GridCell{6, 3}, GridCell{3, 6}}) {
        editor.SetCurrentCell(cell);
        EXPECT_EQ(editor.CurrentCell(), (GridCell{4, 4}));
    }
}

TEST_F(EssayKeysTest, RefusesEverythingButDigitsAndTheStar) {
    for (const std::string typed : {"a", "A", ".", ",", " ", "-", "#"}) {
        SCOPED_TRACE(typed);
        ui.Messages.clear();
        ui.Beeps = 0;
        Click(4, 3);
        editor.PressKey(EditorKey::Char(typed));
        EXPECT_EQ(ui.Messages, (Cells{EssayMessage}));
        EXPECT_EQ(ui.Beeps, 1);
        EXPECT_EQ(Cell(4, 3), "");
        EXPECT_FALSE(Changed());
    }
}

TEST_F(EssayKeysTest, ScoresOfSeveralDigitsStayWithoutMovingOn) {
    Click(3, 2);
    editor.TypeText("15");
    EXPECT_EQ(Cell(3, 2), "15");
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 2}));
    EXPECT_FALSE(editor.AdvancePending);
    editor.TypeText("\r20\r*");
    EXPECT_EQ(Row(2, 3), (Cells{"15", "20", "*"}));
    EXPECT_TRUE(ui.Messages.empty());
    editor.SaveGridToData();
    EXPECT_EQ(Data().Kunci, "15,20,*");
}

TEST_F(EssayKeysTest, ArrowsMarkTheDocumentInScoreColumnsOnly) {
    Click(3, 3);
    editor.PressKey(KeyCode::Right);
    EXPECT_TRUE(Changed());
    Data().IsChanged = false;
    Click(1, 3);
    editor.PressKey(KeyCode::Right);
    EXPECT_FALSE(Changed());
}

TEST_F(EssayKeysTest, PastingAScoreChecksEveryCharacter) {
    editor.Paste("15", {3, 3});
    EXPECT_EQ(Cell(3, 3), "15");
    EXPECT_TRUE(ui.Messages.empty());
    // A ',' would split the cell into two items when the row is stored.
    editor.Paste("1,5", {4, 3});
    editor.Paste("2.5", {5, 3});
    EXPECT_EQ(ui.Messages, (Cells{EssayMessage, EssayMessage}));
    EXPECT_EQ(Row(3, 3), (Cells{"15", "", ""}));
}

TEST_F(EssayKeysTest, TheKeyRowsLabelsAreNotEditable) {
    Click(2, 2);
    editor.PressKey(EditorKey::Char("5"));
    EXPECT_EQ(ui.Messages, (Cells{NotEditable}));
    EXPECT_EQ(Cell(2, 2), " Nama|Skor Ideal ->");
}

} // namespace
} // namespace taviro::test
