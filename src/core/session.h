#pragma once

#include "core/analysis/anal_butir_soal.h"
#include "core/analyzer_kind.h"
#include "core/document/data_mentah.h"
#include "core/document/dm_save.h"
#include "core/global.h"
#include "core/report/cetak_sg.h"
#include "core/scoring/data_skor.h"

#include <memory>
#include <string>
#include <vector>

namespace taviro {

class TDataReliabilitas;
class TDataKorelasiButir;
class TDataPembeda;
class TDataKesukaran;
class TDataPengecoh;
class TDataUnggulAsor;
class TDataPembedaUraian;
class TDataKesukaranUraian;

// Holds the single instances of one analyzer: created in the analyzer's fixed order, each data
// object registered with the engine right after its creation, destroyed in reverse order.
// Nothing mutable lives outside it, so tests create as many sessions as they like.
class Session {
public:
    explicit Session(AnalyzerKind kind);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    AnalyzerKind Kind() const { return kind_; }

    TGlobal& Global() { return *global_; }
    TdmSave& dmSave() { return *dmSave_; }
    TDataMentah& DataMentah() { return *dataMentah_; }
    TDataSkor& DataSkor() { return *dataSkor_; }
    TAnalButirSoal& AnalButirSoal() { return *analButirSoal_; }
    TCetakSG& CetakSG() { return *cetakSG_; }
    TCetakMultiSG& CetakMultiSG() { return *cetakMultiSG_; }
    TDataReliabilitas& Reliabilitas() { return *reliabilitas_; }
    TDataKorelasiButir& KorelasiButir() { return *korelasiButir_; }
    // Multiple choice only (nullptr in the essay analyzer).
    TDataPembeda* Pembeda() { return pembeda_; }
    TDataKesukaran* Kesukaran() { return kesukaran_; }
    TDataPengecoh* Pengecoh() { return pengecoh_; }
    // Essay only (nullptr in the multiple-choice analyzer).
    TDataUnggulAsor* UnggulAsor() { return unggulAsor_; }
    TDataPembedaUraian* PembedaUraian() { return pembedaUraian_; }
    TDataKesukaranUraian* KesukaranUraian() { return kesukaranUraian_; }

    // Opens the document at the path. On success FileName and FileVersion of Global follow it
    // and every analysis is marked stale; on failure (TaviroError) the open document, its name and its version stay as they were.
    void OpenDocument(const std::string& path);

    // Saves the open document under the path, which becomes its FileName. On failure
    // (TaviroError) the old file is untouched and the document stays marked as changed.
    void SaveDocument(const std::string& path);

    // Makes a new, empty document with the given counts.
    void NewDocument(int jumSubyek, int jumButir, int jumPilihan);

private:
    template <typename T, typename... Args> T* Create(Args&&... args);
    template <typename T, typename... Args> T* CreateRegistered(Args&&... args);

    AnalyzerKind kind_;
    // Every instance in creation order; the destructor frees them back to front.
    std::vector<std::shared_ptr<void>> instances_;
    TGlobal* global_ = nullptr;
    TCetakSG* cetakSG_ = nullptr;
    TCetakMultiSG* cetakMultiSG_ = nullptr;
    TdmSave* dmSave_ = nullptr;
    TDataMentah* dataMentah_ = nullptr;
    TDataSkor* dataSkor_ = nullptr;
    TAnalButirSoal* analButirSoal_ = nullptr;
    TDataReliabilitas* reliabilitas_ = nullptr;
    TDataKorelasiButir* korelasiButir_ = nullptr;
    TDataPembeda* pembeda_ = nullptr;
    TDataKesukaran* kesukaran_ = nullptr;
    TDataPengecoh* pengecoh_ = nullptr;
    TDataUnggulAsor* unggulAsor_ = nullptr;
    TDataPembedaUraian* pembedaUraian_ = nullptr;
    TDataKesukaranUraian* kesukaranUraian_ = nullptr;
};

} // namespace taviro
