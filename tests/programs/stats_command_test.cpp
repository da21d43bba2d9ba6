#include "programs/olah/olah_app.h"
#include "support/test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace taviro {
namespace {

using Json = nlohmann::json;
using testing::HasSubstr;

struct Outcome {
    int Status;
    Json Out;
    std::string Err;
};

Outcome Stats(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"taviro-olah", "stats"});
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunOlah(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str().empty() ? Json() : Json::parse(out.str()), err.str()};
}

std::vector<double> Column(const Json& items, const char* field) {
    std::vector<double> values;
    for (const Json& item : items) {
        values.push_back(item[field].is_null() ? -999 : item[field].get<double>());
    }
    return values;
}

const std::string Documents = (test::FixturesDir() / "documents").string();

TEST(OlahStats, AnalysesAMultipleChoiceDocument) {
    const Outcome outcome = Stats({Documents + "/example-pilihan-ganda/input.tav"});
    ASSERT_EQ(outcome.Status, 0) << outcome.Err;
    const Json& json = outcome.Out;
    EXPECT_EQ(json["kind"], "pilihan-ganda");
    for (const char* key : {"TDataSkor", "TDataReliabilitas", "TDataPembeda", "TDataKesukaran",
                            "TDataKorelasiButir", "TDataPengecoh"}) {
        EXPECT_TRUE(json.contains(key)) << key;
        EXPECT_FALSE(json[key].contains("error")) << key << ": " << json[key];
    }
    // Scores 3, 2, 1: split halves (2, 1, 1) and (1, 1, 0) correlate with r = 0.5.
    EXPECT_DOUBLE_EQ(json["TDataReliabilitas"]["KorelasiXY"].get<double>(), 0.5);
    EXPECT_DOUBLE_EQ(json["TDataReliabilitas"]["Reliabilitas"].get<double>(), 2.0 / 3.0);
    // One subject per group: Ani above, Citra below.
    EXPECT_EQ(json["TDataPembeda"]["JumKel"], 1);
    EXPECT_EQ(Column(json["TDataPembeda"]["Items"], "IndeksDP"), (std::vector<double>{0, 100, 100}));
    const Json& difficulty = json["TDataKesukaran"]["Items"];
    EXPECT_EQ(Column(difficulty, "JumBetul"), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(difficulty[0]["Tafsiran"], "Sangat Mudah");
    EXPECT_EQ(difficulty[2]["Tafsiran"], "Sedang");
    // Everybody answered item 1 right: its correlation is undefined, written as null.
    EXPECT_TRUE(json["TDataKorelasiButir"]["Items"][0]["Korelasi"].is_null());
    // The score list stands in score order after the group-based analyses.
    EXPECT_TRUE(json["TDataSkor"]["IsUrutkanBerdSkor"].get<bool>());
    EXPECT_EQ(Column(json["TDataSkor"]["Items"], "SkorAkhir"), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(json["TDataSkor"]["Items"][1]["SkorButir"], "11-");
}

TEST(OlahStats, AnAnalysisThatFailsIsReportedAndTheOthersStillRun) {
    test::TempFolder folder;
    std::string text = test::ReadFile(Documents + "/example-pilihan-ganda/input.tav");
    // One subject: both groups are empty.
    text.replace(text.find("<JumItem>3</JumItem>"), 20, "<JumItem>1</JumItem>");
    text.replace(text.find("<IsNeedRecalc>0</IsNeedRecalc>"), 30, "<IsNeedRecalc>-1</IsNeedRecalc>");
    test::WriteFile(folder.File("satu.tav"), text);
    const Outcome outcome = Stats({folder.File("satu.tav")});
    ASSERT_EQ(outcome.Status, 0) << outcome.Err;
    EXPECT_EQ(outcome.Out["TDataPembeda"],
              Json({{"error", "Maaf, daya pembeda tidak bisa dihitung karena jumlah subyek "
                              "kelompok = 0"}}));
    EXPECT_EQ(outcome.Out["TDataSkor"]["Items"].size(), 1u);
    EXPECT_FALSE(outcome.Out["TDataKesukaran"].contains("error"));
}

TEST(OlahStats, AnalysesAnEssayDocument) {
    const Outcome outcome = Stats({Documents + "/essay-twin/input.tur"});
    ASSERT_EQ(outcome.Status, 0) << outcome.Err;
    const Json& json = outcome.Out;
    EXPECT_EQ(json["kind"], "uraian");
    EXPECT_EQ(json["TDataSkor"]["MaxSkor"], Json({10, 7, 20}));
    EXPECT_FALSE(json.contains("TDataPengecoh"));
    // Citra, the lower group, left every item blank: the group statistics and the discrimination
    // built on them cannot be computed; the difficulty and correlation can.
    EXPECT_TRUE(json["TDataUnggulAsor"].contains("error"));
    EXPECT_TRUE(json["TDataPembeda"].contains("error"));
    EXPECT_FALSE(json["TDataKesukaran"].contains("error")) << json["TDataKesukaran"];
    EXPECT_FALSE(json["TDataKorelasiButir"].contains("error"));
}

TEST(OlahStats, EssayScoresAreReadWithTheDecimalSeparatorGiven) {
    test::TempFolder folder;
    std::string text = test::ReadFile(Documents + "/essay-twin/input.tur");
    text.replace(text.find("<Jwb>8,#,15</Jwb>"), 17, "<Jwb>7.5,#,15</Jwb>");
    text.replace(text.find("<IsNeedRecalc>0</IsNeedRecalc>"), 30, "<IsNeedRecalc>-1</IsNeedRecalc>");
    test::WriteFile(folder.File("desimal.tur"), text);

    const Outcome point = Stats({folder.File("desimal.tur"), "--decimal-separator", "."});
    ASSERT_EQ(point.Status, 0) << point.Err;
    EXPECT_DOUBLE_EQ(point.Out["TDataSkor"]["Items"][0]["SkorAkhir"].get<double>(), 37);
    EXPECT_DOUBLE_EQ(point.Out["TDataSkor"]["Items"][1]["SkorAkhir"].get<double>(), 22.5);

    const Outcome comma = Stats({folder.File("desimal.tur"), "--decimal-separator", ","});
    EXPECT_EQ(comma.Status, 1);
    EXPECT_EQ(comma.Err, "Ada kesalahan di subyek dg nomor urut 1, butir ke-1\n");
    EXPECT_TRUE(comma.Out.is_null());
}

TEST(OlahStats, RefusesWhatItCannotDo) {
    test::TempFolder folder;
    std::string text = test::ReadFile(Documents + "/example-pilihan-ganda/input.tav");
    text.replace(text.find("<Kunci>abd</Kunci>"), 18, "<Kunci></Kunci>");
    text.replace(text.find("<IsNeedRecalc>0</IsNeedRecalc>"), 30, "<IsNeedRecalc>-1</IsNeedRecalc>");
    test::WriteFile(folder.File("tanpa-kunci.tav"), text);
    const Outcome noKey = Stats({folder.File("tanpa-kunci.tav")});
    EXPECT_EQ(noKey.Status, 1);
    EXPECT_THAT(noKey.Err, HasSubstr("kunci belum diisi"));

    const Outcome badSeparator =
        Stats({Documents + "/essay-twin/input.tur", "--decimal-separator", "7"});
    EXPECT_EQ(badSeparator.Status, 1);
    EXPECT_THAT(badSeparator.Err, HasSubstr("Pemisah desimal \"7\" tidak dapat dipakai"));

    const Outcome missing = Stats({folder.File("hilang.tav")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_THAT(missing.Err, HasSubstr("berkas tidak ditemukan"));
}

} // namespace
} // namespace taviro
