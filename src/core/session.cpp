#include "core/session.h"

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

Session::Session(AnalyzerKind kind) : kind_(kind) {
    global_ = Create<TGlobal>(kind);
    dmSave_ = Create<TdmSave>(kind);
    if (kind == AnalyzerKind::PilihanGanda) {
        dataMentah_ = CreateRegistered<TDataMentah>(kind);
        dataSkor_ = CreateRegistered<TDataSkor>(kind);
    } else {
        dataMentah_ = CreateRegistered<TDataMentah>(kind);
        dataSkor_ = CreateRegistered<TDataSkor>(kind);
    }
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
