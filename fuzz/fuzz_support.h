#pragma once

#include "core/analyzer_kind.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace taviro {

class Session;

namespace fuzz {

// A folder of this process for the files of one input: on the memory file system when there is
// one, so that a run is not bound by the disk.
const std::string& ScratchFolder();
void WriteWholeFile(const std::string& path, std::string_view content);
std::string ReadWholeFile(const std::string& path);

// A broken promise of the code under test: printed and turned into a crash, which the fuzzer
// reports as a finding with the input that caused it.
void Require(bool condition, const char* promise);

// Opens the bytes as a document of the kind through the session, as the program does. An
// accepted document must survive a save and a second load unchanged (the second save gives the
// same bytes as the first), and is then analysed from its stored scores and once more after
// rescoring.
void FuzzDocument(AnalyzerKind kind, const std::uint8_t* data, std::size_t size);

// Runs every analysis of the session's analyzer. A TaviroError is a refusal and fine; an
// infinity in a result is a finding.
void RunAnalyses(Session& session, char decimalSeparator);

} // namespace fuzz
} // namespace taviro
