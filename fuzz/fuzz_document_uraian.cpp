// Opens every input as a document of this kind through the session, as the program does.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    taviro::fuzz::FuzzDocument(taviro::AnalyzerKind::Uraian, data, size);
    return 0;
}
