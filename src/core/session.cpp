#include "core/session.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_pengecoh.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/analysis/data_unggul_asor.h"

namespace taviro {

template <typename T, typename... Args> T* Session::Create(Args&&... args) {
    auto instance = std::make_shared<T>(std::forward<Args>(args)...);
    instances_.push_back(instance);
    return instance.get();
}

template <typename T, typename... Args> T* Session::CreateRegistered(Args&&... args) {
    T* instance = Create<T>(std::forward<Args>(args)...);
    dmSave_->Engine.AddData(*instance);
    return instance;
}

// The analyzers' creation orders, except that the scores come before the analyses that read
// them: those keep a reference to the scores from their construction on. The save and load order
// does not depend on it: the engine sorts by priority.
Session::Session(AnalyzerKind kind) : kind_(kind) {
    global_ = Create<TGlobal>(kind);
    cetakSG_ = Create<TCetakSG>(*global_);
    dmSave_ = Create<TdmSave>(kind);
    TAnalButirSoal* coordinator = nullptr;
    if (kind == AnalyzerKind::PilihanGanda) {
        dataMentah_ = CreateRegistered<TDataMentah>(kind);
        dataSkor_ = CreateRegistered<TDataSkor>(kind);
        pengecoh_ = CreateRegistered<TDataPengecoh>(*dataMentah_, *dataSkor_);
        korelasiButir_ = CreateRegistered<TDataKorelasiButir>(*dataSkor_);
        pembeda_ = CreateRegistered<TDataPembeda>(*dataSkor_);
        reliabilitas_ = CreateRegistered<TDataReliabilitas>(*dataSkor_);
        coordinator = Create<TAnalButirSoal>();
        kesukaran_ = CreateRegistered<TDataKesukaran>(*dataSkor_);
        coordinator->Analyses = {reliabilitas_, pembeda_, kesukaran_, korelasiButir_, pengecoh_};
    } else {
        dataSkor_ = Create<TDataSkor>(kind);
        unggulAsor_ = CreateRegistered<TDataUnggulAsor>(*dataSkor_);
        korelasiButir_ = CreateRegistered<TDataKorelasiButir>(*dataSkor_);
        pembedaUraian_ = CreateRegistered<TDataPembedaUraian>(*dataSkor_, *unggulAsor_);
        reliabilitas_ = CreateRegistered<TDataReliabilitas>(*dataSkor_);
        coordinator = Create<TAnalButirSoal>();
        dataMentah_ = CreateRegistered<TDataMentah>(kind);
        dmSave_->Engine.AddData(*dataSkor_);
        kesukaranUraian_ = CreateRegistered<TDataKesukaranUraian>(*dataSkor_);
        coordinator->Analyses = {reliabilitas_, pembedaUraian_, kesukaranUraian_, korelasiButir_,
                                 unggulAsor_};
    }
    analButirSoal_ = coordinator;
    cetakMultiSG_ = Create<TCetakMultiSG>(*global_);
}

Session::~Session() {
    while (!instances_.empty()) {
        instances_.pop_back();
    }
}

void Session::OpenDocument(const std::string& path) {
    TSaveLoadEngine& engine = dmSave_->Engine;
    const std::string previousName = engine.FileName;
    engine.FileName = path;
    try {
        engine.Load();
    } catch (...) {
        engine.FileName = previousName;
        throw;
    }
    global_->FileName = path;
    global_->FileVersion = engine.FileVersion;
    analButirSoal_->MarkAllForRecalc(true);
}

void Session::SaveDocument(const std::string& path) {
    TSaveLoadEngine& engine = dmSave_->Engine;
    const std::string previousName = engine.FileName;
    engine.FileName = path;
    try {
        engine.Save();
    } catch (...) {
        engine.FileName = previousName;
        throw;
    }
    global_->FileName = path;
}

void Session::NewDocument(int jumSubyek, int jumButir, int jumPilihan) {
    TDataMentah& data = *dataMentah_;
    data.Clear();
    data.JumSubyek = jumSubyek;
    data.JumButir = jumButir;
    if (kind_ == AnalyzerKind::PilihanGanda) {
        data.JumPilihan = jumPilihan;
    }
    global_->FileName = std::string(UnnamedDocument(kind_));
    global_->FileVersion = kind_ == AnalyzerKind::PilihanGanda ? "4.0.2" : "2.0.0";
}

} // namespace taviro
