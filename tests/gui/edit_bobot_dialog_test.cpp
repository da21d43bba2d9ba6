// "Ganti Bobot" of the weighted score window with the real weight dialog, played through its
// widgets: typing, OK, Batal, Esc, the close box and the keys that move the focus.
#include "gui/edit_bobot_dialog.h"

#include "result_windows_fixture.h"

#include <QCheckBox>
#include <QLineEdit>

namespace taviro::test {
namespace {

using gui::EditBobotDialog;

// The weighted score window's labels of the two weights and its "Skr Bobot" column.
struct Weighted {
    std::string Benar;
    std::string Salah;
    std::vector<std::string> SkrBobot;

    bool operator==(const Weighted&) const = default;
};

void PrintTo(const Weighted& weighted, std::ostream* out) {
    *out << weighted.Benar << " / " << weighted.Salah << " :";
    for (const std::string& text : weighted.SkrBobot) {
        *out << ' ' << text;
    }
}

Weighted Read(ResultWindow& window) {
    Weighted weighted;
    weighted.Benar = window.findChild<QLabel*>("Lbobotbenar")->text().toStdString();
    weighted.Salah = window.findChild<QLabel*>("LbobotSalah")->text().toStdString();
    const Rows rows = ShownRows(window.Grid());
    for (std::size_t r = 1; r < rows.size(); ++r) {
        weighted.SkrBobot.push_back(rows[r][7]);
    }
    return weighted;
}

void ClickGantiBobot(ResultWindow& window) {
    QTest::mouseClick(window.findChild<QPushButton*>("SpeedButton2"), Qt::LeftButton);
}

void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Right and wrong answers in raw order: Ani 2 and 2, Budi 4 and 0, Citra 2 and 2, Dodi 3 and 1,
// Eka 0 and 3, Fina 1 and 2.
const Weighted Unweighted = {"1", "0", {"2", "4", "2", "3", "0", "1"}};

struct DialogCase {
    const char* Name;
    std::function<void(EditBobotDialog&)> Play;
    Weighted After;
    std::vector<std::string> Messages;
};

std::vector<DialogCase> DialogCases() {
    return {
        {"OkWithFourAndMinusOne",
         [](EditBobotDialog& dialog) {
             Type(dialog.BobotBenar(), "4");
             Type(dialog.BobotSalah(), "-1");
             QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
         },
         {"4", "-1", {"6", "16", "6", "11", "-3", "2"}},
         {}},
        {"WrongWeightNotANumberKeepsTheDialogOpenThenBatalChangesNothing",
         [](EditBobotDialog& dialog) {
             Type(dialog.BobotBenar(), "4");
             Type(dialog.BobotSalah(), "x");
             QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
             EXPECT_TRUE(dialog.isVisible());
             QTest::mouseClick(dialog.Batal(), Qt::LeftButton);
         },
         Unweighted,
         {"Ada kesalahan di Bobot Jawaban Salah"}},
        {"BothWeightsWrongShowBothMessagesThenEscCancels",
         [](EditBobotDialog& dialog) {
             Type(dialog.BobotBenar(), "a");
             Type(dialog.BobotSalah(), "1.5");
             QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
             EXPECT_TRUE(dialog.isVisible());
             QTest::keyClick(dialog.BobotSalah(), Qt::Key_Escape);
         },
         Unweighted,
         {"Ada kesalahan di isian Bobot Jawaban Benar", "Ada kesalahan di Bobot Jawaban Salah"}},
        {"EmptyRightWeightIsRefused",
         [](EditBobotDialog& dialog) {
             dialog.BobotBenar()->clear();
             QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
             EXPECT_TRUE(dialog.isVisible());
             Type(dialog.BobotBenar(), "3");
             QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
         },
         {"3", "0", {"6", "12", "6", "9", "0", "3"}},
         {"Ada kesalahan di isian Bobot Jawaban Benar"}},
        {"BatalAfterTypingChangesNothing",
         [](EditBobotDialog& dialog) {
             Type(dialog.BobotBenar(), "7");
             QTest::mouseClick(dialog.Batal(), Qt::LeftButton);
         },
         Unweighted,
         {}},
        {"TheCloseBoxAcceptsLikeOk",
         [](EditBobotDialog& dialog) {
             Type(dialog.BobotBenar(), "2");
             Type(dialog.BobotSalah(), "1");
             dialog.close();
         },
         {"2", "1", {"6", "8", "6", "7", "3", "4"}},
         {}},
        {"TheCloseBoxIsRefusedLikeOk",
         [](EditBobotDialog& dialog) {
             Type(dialog.BobotSalah(), "-");
             dialog.close();
             EXPECT_TRUE(dialog.isVisible());
             Type(dialog.BobotSalah(), "-2");
             dialog.close();
         },
         {"1", "-2", {"-2", "4", "-2", "1", "-6", "-3"}},
         {"Ada kesalahan di Bobot Jawaban Salah"}},
        // The hint does not react to clicks: a click on it cancels nothing.
        {"ClickingTheHintCancelsNothing",
         [](EditBobotDialog& dialog) {
             Type(dialog.BobotBenar(), "5");
             QTest::mouseClick(dialog.findChild<QLabel*>("Hint"), Qt::LeftButton);
             QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
         },
         {"5", "0", {"10", "20", "10", "15", "0", "5"}},
         {}},
    };
}

void PrintTo(const DialogCase& c, std::ostream* out) {
    *out << c.Name;
}

class EditBobotDialogCases : public ::testing::TestWithParam<DialogCase> {};

TEST_P(EditBobotDialogCases, ChangeTheWeightsOnlyWhenAcceptedWithIntegers) {
    const DialogCase& c = GetParam();
    WindowsUnderTest under(AnalyzerKind::PilihanGanda, KelasTav);
    under.Show(Window::SkorDibobot, [&](ResultWindow& window) {
        ASSERT_EQ(Read(window), Unweighted);
        const double rata2 = static_cast<double>(under.session.DataSkor().Rata2);
        QPushButton* ganti = window.findChild<QPushButton*>("SpeedButton2");
        ASSERT_NE(ganti, nullptr);
        EXPECT_EQ(ganti->text(), "Ganti Bobot");
        PlayModal<EditBobotDialog>(
            [&](EditBobotDialog& dialog) {
                // The current weights, the first one ready to be typed over.
                EXPECT_EQ(dialog.BobotBenar()->text(), "1");
                EXPECT_EQ(dialog.BobotSalah()->text(), "0");
                EXPECT_TRUE(dialog.BobotBenar()->hasFocus());
                c.Play(dialog);
            },
            [&] { QTest::mouseClick(ganti, Qt::LeftButton); });
        EXPECT_EQ(Read(window), c.After);
        // The mean belongs to the score, not to the weighted score.
        EXPECT_EQ(static_cast<double>(under.session.DataSkor().Rata2), rata2);
    });
    EXPECT_EQ(under.fake.Messages, c.Messages);
    EXPECT_EQ(under.fake.Errors, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(WeightDialog, EditBobotDialogCases, ::testing::ValuesIn(DialogCases()),
                         [](const ::testing::TestParamInfo<DialogCase>& test) {
                             return std::string(test.param.Name);
                         });

TEST(EditBobotDialog, ShowsItsTextsAndMovesTheFocusWithEnterAndTheArrows) {
    WindowsUnderTest under(AnalyzerKind::PilihanGanda, KelasTav);
    under.Show(Window::SkorDibobot, [&](ResultWindow& window) {
        PlayModal<EditBobotDialog>(
            [](EditBobotDialog& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Edit bobot jawaban betul dan salah");
                QStringList texts;
                for (QLabel* label : dialog.findChildren<QLabel*>()) {
                    texts.push_back(label->text());
                }
                EXPECT_TRUE(
                    texts.contains("Mohon isikan bobot untuk jawaban benar dan jawaban salah"));
                EXPECT_TRUE(texts.contains("Bobot jawaban betul"));
                EXPECT_TRUE(texts.contains("Bobot jawaban salah"));
                EXPECT_TRUE(texts.contains("(bisa negatif)"));
                EXPECT_EQ(dialog.Ok()->text(), "OK");
                EXPECT_EQ(dialog.Batal()->text(), "Batal");

                ASSERT_TRUE(dialog.BobotBenar()->hasFocus());
                QTest::keyClick(dialog.BobotBenar(), Qt::Key_Down);
                EXPECT_TRUE(dialog.BobotSalah()->hasFocus());
                QTest::keyClick(dialog.BobotSalah(), Qt::Key_Up);
                EXPECT_TRUE(dialog.BobotBenar()->hasFocus());
                // Enter moves on instead of closing the dialog.
                QTest::keyClick(dialog.BobotBenar(), Qt::Key_Return);
                EXPECT_TRUE(dialog.BobotSalah()->hasFocus());
                EXPECT_TRUE(dialog.isVisible());
                QTest::keyClick(dialog.BobotSalah(), Qt::Key_Enter);
                EXPECT_TRUE(dialog.Ok()->hasFocus());
                EXPECT_TRUE(dialog.isVisible());
                // Other keys are typed.
                QTest::keyClick(dialog.BobotBenar(), Qt::Key_End);
                QTest::keyClicks(dialog.BobotBenar(), "2");
                EXPECT_EQ(dialog.BobotBenar()->text(), "12");
                QTest::mouseClick(dialog.Batal(), Qt::LeftButton);
            },
            [&] { ClickGantiBobot(window); });
    });
}

TEST(EditBobotDialog, WeightsFourAndMinusOneGiveThirtyRightEightWrongTwoBlankA112) {
    // One subject with 30 right, 8 wrong and 2 blank answers of 40, and one with all 40 right.
    const std::string key(40, 'a');
    const std::string answers = std::string(30, 'a') + std::string(8, 'b') + "**";
    std::string document = KelasTav;
    const auto replace = [&document](const std::string& from, const std::string& to) {
        document.replace(document.find(from), from.size(), to);
    };
    replace("<Kunci>abcd</Kunci>", "<Kunci>" + key + "</Kunci>");
    replace("<JumSubyek>6</JumSubyek>", "<JumSubyek>2</JumSubyek>");
    replace("<JumButir>4</JumButir>", "<JumButir>40</JumButir>");
    std::string labels;
    for (int i = 1; i <= 40; ++i) {
        labels += "<NOBTR>" + std::to_string(i) + "</NOBTR>";
    }
    replace("<NOBTR>1</NOBTR><NOBTR>2</NOBTR><NOBTR>3</NOBTR><NOBTR>5</NOBTR>", labels);
    const std::size_t first = document.find("<JumItem>6</JumItem>");
    const std::size_t last = document.find("</Jawaban>");
    document.replace(first, last - first,
                     "<JumItem>2</JumItem><Subyek><Nama>Ani</Nama><NoSubyek>1</NoSubyek><Jwb>" +
                         answers +
                         "</Jwb></Subyek><Subyek><Nama>Budi</Nama><NoSubyek>2</NoSubyek><Jwb>" +
                         key + "</Jwb></Subyek>");

    WindowsUnderTest under(AnalyzerKind::PilihanGanda, document);
    under.Show(Window::SkorDibobot, [&](ResultWindow& window) {
        PlayModal<EditBobotDialog>(
            [](EditBobotDialog& dialog) {
                Type(dialog.BobotBenar(), "4");
                Type(dialog.BobotSalah(), "-1");
                QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
            },
            [&] { ClickGantiBobot(window); });
        const Rows rows = ShownRows(window.Grid());
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[1],
                  (std::vector<std::string>{"1", "1", "Ani", "30", "8", "2", "30", "112"}));
        EXPECT_EQ(rows[2],
                  (std::vector<std::string>{"2", "2", "Budi", "40", "0", "0", "40", "160"}));
    });
}

TEST(EditBobotDialog, RescoringResetsTheWeightsAndSortingGoesByTheScore) {
    WindowsUnderTest under(AnalyzerKind::PilihanGanda, KelasTav);
    under.Show(Window::SkorDibobot, [&](ResultWindow& window) {
        // Weights 0 and 1 count the wrong answers, an order quite unlike the scores'.
        PlayModal<EditBobotDialog>(
            [](EditBobotDialog& dialog) {
                Type(dialog.BobotBenar(), "0");
                Type(dialog.BobotSalah(), "1");
                QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
            },
            [&] { ClickGantiBobot(window); });
        ASSERT_EQ(Read(window), (Weighted{"0", "1", {"2", "0", "2", "1", "3", "2"}}));
        QCheckBox* box = window.Check();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        // Budi, Dodi, Ani, Citra, Fina, Eka by the score.
        EXPECT_EQ(Read(window), (Weighted{"0", "1", {"0", "1", "2", "2", "2", "3"}}));
    });
    // The weights stay between showings while the raw data is unchanged...
    under.Show(Window::SkorDibobot, [&](ResultWindow& window) {
        EXPECT_EQ(Read(window).Benar, "0");
        // ... and the dialog shows them.
        PlayModal<EditBobotDialog>(
            [](EditBobotDialog& dialog) {
                EXPECT_EQ(dialog.BobotBenar()->text(), "0");
                EXPECT_EQ(dialog.BobotSalah()->text(), "1");
                QTest::mouseClick(dialog.Batal(), Qt::LeftButton);
            },
            [&] { ClickGantiBobot(window); });
    });
    // An edit of the raw data: the next showing scores again with the weights 1 and 0.
    under.session.DataMentah().IsNeedRecalc = true;
    under.Show(Window::SkorDibobot, [&](ResultWindow& window) {
        const Weighted weighted = Read(window);
        EXPECT_EQ(weighted.Benar, "1");
        EXPECT_EQ(weighted.Salah, "0");
        const Rows rows = ShownRows(window.Grid());
        for (std::size_t r = 1; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r][7], rows[r][3]) << "row " << r;
        }
    });
}

} // namespace
} // namespace taviro::test
