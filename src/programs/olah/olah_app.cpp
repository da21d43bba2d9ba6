#include "programs/olah/olah_app.h"

#include "core/session.h"
#include "core/taviro_error.h"
#include "programs/olah/document_kind.h"
#include "programs/olah/stats_command.h"
#include "views/analyzer_windows.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <string>

namespace taviro {

namespace {

void TranslateHelp(CLI::App& app) {
    auto formatter = app.get_formatter();
    formatter->label("Usage", "Pemakaian");
    formatter->label("OPTIONS", "PILIHAN");
    formatter->label("SUBCOMMAND", "PERINTAH");
    formatter->label("SUBCOMMANDS", "PERINTAH");
    formatter->label("Positionals", "Argumen");
    formatter->label("REQUIRED", "WAJIB");
    formatter->label("TEXT", "TEKS");
    formatter->label("Needs", "Perlu");
    formatter->label("Excludes", "Tidak bersama");
    app.option_defaults()->group("Pilihan");
}

// CLI11 words its parse errors in English; the user reads Indonesian.
std::string ParseErrorMessage(const CLI::ParseError& error) {
    const std::string detail = error.what();
    const std::string help = " Lihat taviro-olah --help.";
    const std::string required = " is required";
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        if (detail.rfind("A subcommand", 0) != 0 && detail.size() > required.size() &&
            detail.compare(detail.size() - required.size(), required.size(), required) == 0) {
            return "Perintah belum lengkap: " + detail.substr(0, detail.size() - required.size()) +
                   " belum diberikan." + help;
        }
        return "Perintah belum lengkap: sebutkan perintahnya, misalnya convert." + help;
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        const std::size_t colon = detail.find(':');
        const std::string arguments = colon == std::string::npos ? detail : detail.substr(colon + 2);
        return "Ada argumen yang tidak dikenal: " + arguments + "." + help;
    }
    return "Perintah tidak dapat dipahami (" + detail + ")." + help;
}

void Convert(const std::string& input, const std::string& output, const std::string& kind) {
    Session session(DocumentKind(input, kind));
    session.OpenDocument(input);
    session.SaveDocument(output);
}

// The --decimal-separator value: one character that cannot be part of a number itself; the
// environment's when none is given.
char DecimalSeparatorOption(const std::string& option) {
    if (option.empty()) {
        return EnvironmentDecimalSeparator();
    }
    if (option.size() != 1 || std::isalnum(static_cast<unsigned char>(option[0])) ||
        option[0] == '-' || option[0] == '+') {
        throw TaviroError("Pemisah desimal \"" + option +
                          "\" tidak dapat dipakai: berikan satu tanda, misalnya . atau ,");
    }
    return option[0];
}

void Stats(const std::string& input, const std::string& kind, const std::string& separator,
           std::ostream& out) {
    Session session(DocumentKind(input, kind));
    session.Global().DecimalSeparator = DecimalSeparatorOption(separator);
    session.OpenDocument(input);
    // Compact: a district's document gives tens of megabytes, which indentation would double.
    out << ComputeStats(session) << '\n';
}

// Nobody to ask on the command line: the whole analysis asks nothing and shows no window.
class NoUserInterface : public UserInterface {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
    void Beep() override {}
    bool AskYesNo(const std::string&) override { return false; }
    SaveAnswer AskSaveFirst() override { return SaveAnswer::Cancel; }
    std::optional<std::string> ChooseFileToOpen() override { return std::nullopt; }
    std::optional<std::string> ChooseFileToSave(const std::string&) override {
        return std::nullopt;
    }
    void ShowPreview() override {}
};

void Report(const std::string& input, const std::string& kind, const std::string& separator,
            std::ostream& out) {
    Session session(DocumentKind(input, kind));
    session.Global().DecimalSeparator = DecimalSeparatorOption(separator);
    session.OpenDocument(input);
    NoUserInterface ui;
    AnalyzerWindows windows(session, ui);
    windows.BuildWholeReport();
    for (const std::string& line : windows.Preview.MCetak) {
        out << line << '\n';
    }
}

} // namespace

int RunOlah(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app("taviro-olah: mengolah dokumen Taviro (*.tav pilihan ganda, *.tur uraian) "
                 "tanpa jendela.",
                 "taviro-olah");
    TranslateHelp(app);
    app.set_help_flag("-h,--help", "Tampilkan bantuan ini lalu keluar");
    app.set_version_flag("--version", std::string("taviro-olah ") + TAVIRO_VERSION,
                         "Tampilkan versi program lalu keluar");
    app.require_subcommand(1);

    std::function<void()> command;

    std::string input;
    std::string output;
    std::string kind;
    CLI::App* convert = app.add_subcommand(
        "convert", "Membaca dokumen lalu menyimpannya lagi dalam versi berkas terbaru");
    convert->group("Perintah");
    TranslateHelp(*convert);
    convert->set_help_flag("-h,--help", "Tampilkan bantuan ini lalu keluar");
    convert->add_option("IN", input, "Dokumen yang dibaca")->required();
    convert->add_option("OUT", output, "Berkas tujuan")->required();
    convert->add_option("--kind", kind, "Jenis dokumen: pilihan-ganda atau uraian");
    convert->callback([&] { command = [&] { Convert(input, output, kind); }; });

    std::string statsInput;
    std::string statsKind;
    std::string separator;
    CLI::App* stats = app.add_subcommand(
        "stats", "Menyekor dokumen bila perlu, menghitung semua analisis, lalu mencetak hasilnya "
                 "sebagai JSON");
    stats->group("Perintah");
    TranslateHelp(*stats);
    stats->set_help_flag("-h,--help", "Tampilkan bantuan ini lalu keluar");
    stats->add_option("FILE", statsInput, "Dokumen yang diolah")->required();
    stats->add_option("--kind", statsKind, "Jenis dokumen: pilihan-ganda atau uraian");
    stats->add_option("--decimal-separator", separator,
                      "Pemisah desimal skor uraian (bawaan: dari lokal lingkungan)");
    stats->callback([&] { command = [&] { Stats(statsInput, statsKind, separator, out); }; });

    std::string reportInput;
    std::string reportKind;
    std::string reportSeparator;
    CLI::App* report = app.add_subcommand(
        "report", "Mencetak laporan seluruh analisis (seperti \"Olah Semua Otomatis\")");
    report->group("Perintah");
    TranslateHelp(*report);
    report->set_help_flag("-h,--help", "Tampilkan bantuan ini lalu keluar");
    report->add_option("FILE", reportInput, "Dokumen yang diolah")->required();
    report->add_option("--kind", reportKind, "Jenis dokumen: pilihan-ganda atau uraian");
    report->add_option("--decimal-separator", reportSeparator,
                       "Pemisah desimal angka laporan (bawaan: dari lokal lingkungan)");
    report->callback(
        [&] { command = [&] { Report(reportInput, reportKind, reportSeparator, out); }; });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help, out, err);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help, out, err);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version, out, err);
    } catch (const CLI::ParseError& error) {
        err << ParseErrorMessage(error) << '\n';
        return 2;
    }

    try {
        command();
    } catch (const TaviroError& error) {
        err << error.what() << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        err << "Memori tidak cukup untuk menyelesaikan perintah ini.\n";
        return 1;
    }
    return 0;
}

} // namespace taviro
