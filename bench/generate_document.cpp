// Writes a synthetic document: generate_document KIND SUBJECTS ITEMS SEED OUT
// (KIND is pilihan-ganda or uraian), scored.
#include "core/analysis/anal_butir_soal.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "document_generator.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "Pemakaian: taviro-generate pilihan-ganda|uraian SUBYEK BUTIR BENIH KELUARAN\n";
        return 2;
    }
    const std::string kindText = argv[1];
    const auto kind = kindText == "uraian" ? taviro::AnalyzerKind::Uraian
                                           : taviro::AnalyzerKind::PilihanGanda;
    try {
        taviro::Session session(kind);
        taviro::bench::GenerateRawData(session.DataMentah(), std::stoi(argv[2]), std::stoi(argv[3]),
                                       std::stoull(argv[4]));
        // Saved as after a scoring, as teachers' documents usually are.
        taviro::TAnalButirSoal analyses;
        session.DataSkor().ScoreAll(session.DataMentah(), analyses);
        session.SaveDocument(argv[5]);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
