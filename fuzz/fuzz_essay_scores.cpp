// The essay score parsing: the ideal scores and item scores as typed (scored by ScoreAll) and as
// a document stores them (read by the analyses). An input is text lines:
//   JUMBUTIR JUMSUBYEK SEPARATOR MODE    e.g. "3 3 , mentah"
//   the key (ideal scores), then one line of scores per subject.
// MODE "mentah" scores the lines as raw data; any other mode puts them into the score list as a
// loaded document would. A header field that is missing or not a number takes a default.
#include "fuzz_support.h"

#include "core/scoring/data_skor.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace taviro;

// Item counts a document of a few kilobytes can reach (every item has its label element).
constexpr int MaxItems = 5000;

struct Header {
    int JumButir = 3;
    int JumSubyek = -1;
    char Separator = '.';
    bool Raw = true;
};

Header ReadHeader(const std::string& line) {
    Header header;
    const std::vector<std::string> fields = SplitText(line, ' ');
    if (!fields.empty()) {
        header.JumButir = std::clamp(ParseInt(fields[0]).value_or(3), -1, MaxItems);
    }
    if (fields.size() > 1) {
        header.JumSubyek = ParseInt(fields[1]).value_or(-1);
    }
    if (fields.size() > 2 && fields[2].size() == 1) {
        header.Separator = fields[2][0];
    }
    if (fields.size() > 3) {
        header.Raw = fields[3] == "mentah";
    }
    return header;
}

void CheckScores(const TDataSkor& skor, int expectedCount) {
    fuzz::Require(skor.Count() == expectedCount, "every subject present is scored");
    const auto items = static_cast<std::size_t>(std::max(skor.JumButir, 0));
    fuzz::Require(skor.MaxSkor.size() == items && skor.MinSkor.size() == items,
                  "one highest and one lowest score per item");
    for (const TItemSkor& item : skor.Items) {
        const std::size_t pieces = SplitText(item.SkorButir, ',').size();
        fuzz::Require(pieces == items || (items == 0 && item.SkorButir.empty()),
                      "a scored subject has one piece per item");
        fuzz::Require(item.JumBetul + item.JumBlank == skor.JumButir || items == 0,
                      "every item is either scored or blank");
        fuzz::Require(std::isfinite(item.SkorAkhir), "a total score is finite");
    }
    fuzz::Require(std::isfinite(static_cast<double>(skor.Rata2)), "the mean score is finite");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitText(text, '\n');
    if (lines.empty()) {
        return 0;
    }
    const Header header = ReadHeader(lines[0]);
    const std::string key = lines.size() > 1 ? lines[1] : std::string();
    const std::vector<std::string> rows(
        lines.begin() + std::min<std::ptrdiff_t>(2, static_cast<std::ptrdiff_t>(lines.size())),
        lines.end());
    const int count = static_cast<int>(rows.size());

    Session session(AnalyzerKind::Uraian);
    if (header.Raw) {
        TDataMentah& mentah = session.DataMentah();
        mentah.JumButir = header.JumButir;
        mentah.JumSubyek = header.JumSubyek < 0 ? count : header.JumSubyek;
        mentah.Kunci = key;
        for (int i = 0; i < count; ++i) {
            mentah.AddJawaban({"Subyek", "-1", rows[static_cast<std::size_t>(i)]});
        }
        try {
            session.DataSkor().ScoreAll(mentah, session.AnalButirSoal(), header.Separator);
        } catch (const TaviroError&) {
            return 0;
        }
        CheckScores(session.DataSkor(), std::clamp(mentah.JumSubyek, 0, count));
    } else {
        TDataSkor& skor = session.DataSkor();
        skor.JumButir = header.JumButir;
        skor.Kunci = key;
        for (int i = 0; i < count; ++i) {
            TItemSkor item;
            item.UrutanAwal = i;
            item.SkorButir = rows[static_cast<std::size_t>(i)];
            item.SkorAkhir = static_cast<double>(i % 7);
            skor.Add(std::move(item));
        }
    }
    fuzz::RunAnalyses(session, header.Separator);
    return 0;
}
