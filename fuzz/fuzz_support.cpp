#include "fuzz_support.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_pengecoh.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/session.h"
#include "core/taviro_error.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace taviro::fuzz {

namespace {

std::string MakeScratchFolder() {
    std::error_code error;
    const std::filesystem::path memory("/dev/shm");
    const std::filesystem::path base = std::filesystem::is_directory(memory, error)
                                           ? memory
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "taviro-fuzz-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    return pattern;
}

// Set once; never freed, so that the exit handler can still read it after static objects are
// gone.
const std::string* scratchFolder = nullptr;

void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(*scratchFolder, ignored);
}

void RequireFinite(double value, const char* promise) {
    Require(!std::isinf(value), promise);
}

// Runs one analysis: a refusal is fine, its results must hold no infinity.
template <typename Analysis, typename Check> void Run(Analysis* analysis, Check check) {
    if (analysis == nullptr) {
        return;
    }
    try {
        check(*analysis);
    } catch (const TaviroError&) {
    }
}

} // namespace

const std::string& ScratchFolder() {
    if (scratchFolder == nullptr) {
        scratchFolder = new std::string(MakeScratchFolder());
        std::atexit(RemoveScratchFolder);
    }
    return *scratchFolder;
}

void WriteWholeFile(const std::string& path, std::string_view content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    Require(static_cast<bool>(file), "the input can be written to the scratch folder");
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void Require(bool condition, const char* promise) {
    if (!condition) {
        std::fprintf(stderr, "\n*** Janji dilanggar: %s\n", promise);
        std::abort();
    }
}

void RunAnalyses(Session& session, char separator) {
    Run(&session.Reliabilitas(), [separator](TDataReliabilitas& analysis) {
        analysis.Compute(separator);
        RequireFinite(analysis.KorelasiXY, "KorelasiXY is never infinite");
        RequireFinite(analysis.Reliabilitas, "Reliabilitas is never infinite");
    });
    Run(&session.KorelasiButir(), [separator](TDataKorelasiButir& analysis) {
        analysis.Compute(separator);
        for (const TitemKorelasiButir& item : analysis.Items) {
            RequireFinite(item.Korelasi, "an item correlation is never infinite");
        }
    });
    Run(session.Pembeda(), [](TDataPembeda& analysis) {
        analysis.Compute();
        for (const TItemPembeda& item : analysis.Items) {
            RequireFinite(item.IndeksDP, "a discrimination index is never infinite");
        }
    });
    Run(session.Kesukaran(), [](TDataKesukaran& analysis) {
        analysis.Compute();
        for (const TItemKesukaran& item : analysis.Items) {
            RequireFinite(item.TingkatKesukaran, "a difficulty is never infinite");
        }
    });
    Run(session.Pengecoh(), [](TDataPengecoh& analysis) {
        analysis.Compute();
        for (const TitemPengecoh& item : analysis.Items) {
            for (const double index : item.IndeksPengecoh) {
                RequireFinite(index, "a distractor index is never infinite");
            }
        }
    });
    Run(session.UnggulAsor(), [separator](TDataUnggulAsor& analysis) {
        analysis.Compute(separator);
        for (int i = 0; i < analysis.Count(); ++i) {
            const TItemUnggulAsor& item = analysis.GetItem(i);
            for (const double value : {item.Rata2Un, item.Rata2As, item.SBUn, item.SBAs, item.SBGab,
                                       item.JumSkorUn, item.JumSkorAs, item.NilaiT}) {
                RequireFinite(value, "an upper/lower group statistic is never infinite");
            }
        }
    });
    Run(session.PembedaUraian(), [separator](TDataPembedaUraian& analysis) {
        analysis.Compute(separator);
        for (int i = 0; i < analysis.Count(); ++i) {
            RequireFinite(analysis.GetItem(i).DP, "an essay discrimination is never infinite");
        }
    });
    Run(session.KesukaranUraian(), [separator](TDataKesukaranUraian& analysis) {
        analysis.Compute(separator);
        for (int i = 0; i < analysis.Count(); ++i) {
            RequireFinite(analysis.GetItem(i).TingkatKesukaran,
                          "an essay difficulty is never infinite");
        }
    });
}

namespace {

// Saves the session's document and returns the bytes written.
std::string SaveAndRead(Session& session, const std::string& path) {
    try {
        session.SaveDocument(path);
    } catch (const TaviroError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        Require(false, "a document that was opened can be saved");
    }
    return ReadWholeFile(path);
}

void RequireSameDocument(Session& first, Session& second) {
    const TDataMentah& a = first.DataMentah();
    const TDataMentah& b = second.DataMentah();
    Require(a.Kunci == b.Kunci, "the key survives a save and a load");
    Require(a.JumSubyek == b.JumSubyek && a.JumButir == b.JumButir && a.JumPilihan == b.JumPilihan,
            "the counts survive a save and a load");
    Require(a.JawabanCount() == b.JawabanCount(), "every subject survives a save and a load");
    for (int i = 0; i < a.JawabanCount(); ++i) {
        Require(a.GetJawaban(i).Nama == b.GetJawaban(i).Nama,
                "a subject's name survives a save and a load");
        Require(a.GetJawaban(i).NoSubyek == b.GetJawaban(i).NoSubyek,
                "a subject's number survives a save and a load");
        Require(a.GetJawaban(i).Jwb == b.GetJawaban(i).Jwb,
                "a subject's answers survive a save and a load");
    }
    const TDataSkor& s = first.DataSkor();
    const TDataSkor& t = second.DataSkor();
    Require(s.Count() == t.Count(), "every score survives a save and a load");
    for (int i = 0; i < s.Count(); ++i) {
        Require(s.GetItem(i).Nama == t.GetItem(i).Nama,
                "a scored subject's name survives a save and a load");
        Require(s.GetItem(i).SkorButir == t.GetItem(i).SkorButir,
                "item scores survive a save and a load");
    }
}

} // namespace

void FuzzDocument(AnalyzerKind kind, const std::uint8_t* data, std::size_t size) {
    const std::string extension = kind == AnalyzerKind::PilihanGanda ? ".tav" : ".tur";
    const std::string input = ScratchFolder() + "/masukan" + extension;
    WriteWholeFile(input, std::string_view(reinterpret_cast<const char*>(data), size));

    Session session(kind);
    try {
        session.OpenDocument(input);
    } catch (const TaviroError& error) {
        const std::string message = error.what();
        Require(message.rfind("Berkas \"" + input + "\" tidak dapat dibaca: ", 0) == 0 &&
                    message.back() == '.',
                "a refused document gets one message naming the file");
        Require(session.Global().FileName == UnnamedDocument(kind),
                "a refused document leaves the open document's name");
        return;
    }

    const std::string firstPath = ScratchFolder() + "/pertama" + extension;
    const std::string secondPath = ScratchFolder() + "/kedua" + extension;
    const std::string firstSave = SaveAndRead(session, firstPath);
    Session reread(kind);
    try {
        reread.OpenDocument(firstPath);
    } catch (const TaviroError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        Require(false, "a saved document can be opened again");
    }
    RequireSameDocument(session, reread);
    Require(SaveAndRead(reread, secondPath) == firstSave,
            "saving an opened saved document gives the same bytes");

    // The stored scores as the file holds them, then the raw data scored anew.
    RunAnalyses(session, '.');
    session.DataMentah().IsNeedRecalc = true;
    try {
        session.DataSkor().ScoreAll(session.DataMentah(), session.AnalButirSoal(), ',');
    } catch (const TaviroError&) {
        return;
    }
    Require(std::isfinite(static_cast<double>(session.DataSkor().Rata2)),
            "the mean score is finite");
    RunAnalyses(session, ',');
}

} // namespace taviro::fuzz
