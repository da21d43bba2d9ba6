// Peak memory of opening one document: measure_load FILE. Prints the growth of the process's
// peak resident size while the document was opened, in total and per answer cell.
#include "core/session.h"
#include "core/taviro_error.h"

#include <iostream>
#include <string>

#include <sys/resource.h>

namespace {

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Pemakaian: measure_load BERKAS\n";
        return 2;
    }
    const std::string path = argv[1];
    const auto kind = path.size() > 4 && path.substr(path.size() - 4) == ".tur"
                          ? taviro::AnalyzerKind::Uraian
                          : taviro::AnalyzerKind::PilihanGanda;
    taviro::Session session(kind);
    const long before = PeakKilobytes();
    try {
        session.OpenDocument(path);
    } catch (const taviro::TaviroError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    const long after = PeakKilobytes();
    const double cells =
        static_cast<double>(session.DataMentah().JawabanCount()) * session.DataMentah().JumButir;
    const double bytes = static_cast<double>(after - before) * 1024.0;
    std::cout << "subyek " << session.DataMentah().JawabanCount() << ", butir "
              << session.DataMentah().JumButir << ", puncak memori bertambah "
              << bytes / (1024.0 * 1024.0) << " MiB, " << bytes / cells << " byte per sel\n";
    return 0;
}
