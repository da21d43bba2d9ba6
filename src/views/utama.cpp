#include "views/utama.h"

#include "core/session.h"
#include "core/taviro_error.h"
#include "views/analyzer_windows.h"
#include "views/user_interface.h"

#include <array>

namespace taviro {

namespace {

constexpr std::array<MenuLinkInfo, 16> AllLinks = {{
    {MenuLink::LEditDataMentah, MenuColumn::File, "Edit Data Mentah", false},
    {MenuLink::LBuatFile, MenuColumn::File, "Buat File Baru", true},
    {MenuLink::LBacaFile, MenuColumn::File, "Baca File yg Ada", true},
    {MenuLink::LSimpan, MenuColumn::File, "Simpan", false},
    {MenuLink::LSaveAs, MenuColumn::File, "Simpan dg Nama Lain", false},
    {MenuLink::LKeluar, MenuColumn::File, "Keluar dari Taviro", true},
    {MenuLink::LPenyekoran, MenuColumn::Penyekoran, "Penyekoran Data", false},
    {MenuLink::LSkorDibobot, MenuColumn::Penyekoran, "Skor Dibobot", false},
    {MenuLink::LOlahSemua, MenuColumn::Penyekoran, "Olah Semua Otomatis", false},
    {MenuLink::LReliabilitas, MenuColumn::OlahData, "Reliabilitas", false},
    {MenuLink::LUnggulAsor, MenuColumn::OlahData, "Kel. Unggul dan Asor", false},
    {MenuLink::LDayaPembeda, MenuColumn::OlahData, "Daya Pembeda", false},
    {MenuLink::LtkKesukaran, MenuColumn::OlahData, "Tingkat Kesukaran", false},
    {MenuLink::LKorelasiButir, MenuColumn::OlahData, "Korelasi Skor Butir dg Skor Tot", false},
    {MenuLink::LKualitasPengecoh, MenuColumn::OlahData, "Kualitas Pengecoh", false},
    {MenuLink::LRekapButir, MenuColumn::OlahData, "Rekap Analisis Butir", false},
}};

// The windows behind the OLAH DATA links.
constexpr std::array<std::pair<MenuLink, Window>, 7> AnalysisWindows = {{
    {MenuLink::LReliabilitas, Window::ReliabilitasTes},
    {MenuLink::LUnggulAsor, Window::UnggulAsor},
    {MenuLink::LDayaPembeda, Window::DayaPembeda},
    {MenuLink::LtkKesukaran, Window::TingkatKesukaran},
    {MenuLink::LKorelasiButir, Window::KorelasiButir},
    {MenuLink::LKualitasPengecoh, Window::Pengecoh},
    {MenuLink::LRekapButir, Window::RekapButir},
}};

bool OnlyPilihanGanda(MenuLink link) {
    return link == MenuLink::LSkorDibobot || link == MenuLink::LKualitasPengecoh;
}

} // namespace

std::string_view FileNamePart(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

TFUtama::TFUtama(Session& session, UserInterface& ui, AnalyzerWindows& windows)
    : FInfoJawaban(session.Kind()), FAbout(session.Kind()), session_(session), ui_(ui),
      windows_(windows) {
    LNamaFile = session_.Global().FileName;
    for (const MenuLinkInfo& info : Links()) {
        enabled_[info.Link] = info.EnabledAtStart;
    }
}

bool TFUtama::IsPilihanGanda() const {
    return session_.Kind() == AnalyzerKind::PilihanGanda;
}

std::string_view TFUtama::ColumnHeading(MenuColumn column) {
    switch (column) {
    case MenuColumn::File:
        return "FILE";
    case MenuColumn::Penyekoran:
        return "PENYEKORAN";
    case MenuColumn::OlahData:
        break;
    }
    return "OLAH DATA";
}

std::string_view TFUtama::ApplicationTitle() const {
    return IsPilihanGanda() ? "Taviro Pilihan Ganda" : "Taviro Uraian";
}

std::string_view TFUtama::Caption() const {
    return IsPilihanGanda() ? "TAVIRO Pilihan Ganda" : "TAVIRO Uraian";
}

std::string_view TFUtama::Title() const {
    return IsPilihanGanda() ? "T A V I R O Pilihan Ganda" : "T A V I R O";
}

std::string_view TFUtama::TitleUraian() const {
    return IsPilihanGanda() ? "" : "Uraian";
}

std::string_view TFUtama::VersionText() const {
    return IsPilihanGanda() ? "Ver 4.0.9  (13 Feb 04)" : "Ver 4.0.5  (22 Feb 04)";
}

std::string TFUtama::SBAboutCaption() {
    std::string names;
    for (std::size_t i = 0; i < TFAbout::Developers.size(); ++i) {
        if (i > 0) {
            names += " dan ";
        }
        names += TFAbout::Developers[i].Name;
    }
    return "Taviro dikembangkan oleh " + names +
           ". Klik di sini untuk mengirimkan saran kepada kami melalui email";
}

std::string TFUtama::SBWebCaption() {
    return "Lihat informasi seputar Taviro di " + std::string(TFAbout::WebAddress);
}

std::string_view TFUtama::MissingKeyMessage() const {
    return IsPilihanGanda()
               ? "Ada sedikit masalah, kunci belum diisi. Mohon isi kunci terlebih dahulu. Untuk "
                 "mengisinya, pilih \"Edit Data Mentah\" selanjutnya isi baris pertama"
               : "Ada sedikit masalah, skor ideal belum diisi. Mohon isi skor ideal terlebih "
                 "dahulu. Untuk mengisinya, pilih \"Edit Data Mentah\" selanjutnya isi baris "
                 "pertama";
}

std::uint32_t TFUtama::BackgroundColor() const {
    // The essay analyzer's menu is the platform's standard green.
    return IsPilihanGanda() ? 14053198u : 32768u;
}

std::vector<MenuLinkInfo> TFUtama::Links() const {
    std::vector<MenuLinkInfo> links;
    for (const MenuLinkInfo& info : AllLinks) {
        if (IsPilihanGanda() || !OnlyPilihanGanda(info.Link)) {
            links.push_back(info);
        }
    }
    return links;
}

bool TFUtama::HasLink(MenuLink link) const {
    return enabled_.contains(link);
}

bool TFUtama::IsEnabled(MenuLink link) const {
    const auto found = enabled_.find(link);
    return found != enabled_.end() && found->second;
}

std::map<MenuLink, bool> TFUtama::LinkStates() const {
    return enabled_;
}

void TFUtama::SetEnabled(std::initializer_list<MenuLink> links, bool enabled) {
    for (MenuLink link : links) {
        if (HasLink(link)) {
            enabled_[link] = enabled;
        }
    }
}

template <typename Command> bool TFUtama::Guard(Command&& command) {
    try {
        command();
        return true;
    } catch (const TaviroError& error) {
        ui_.ShowError(error.what());
        return false;
    }
}

void TFUtama::LinkClick(MenuLink link) {
    if (!IsEnabled(link)) {
        return;
    }
    switch (link) {
    case MenuLink::LEditDataMentah:
        EditDataMentah();
        return;
    case MenuLink::LBuatFile:
        BuatFileBaru();
        return;
    case MenuLink::LBacaFile:
        BacaFile();
        return;
    case MenuLink::LSimpan:
        Simpan();
        return;
    case MenuLink::LSaveAs:
        SimpanDgNamaLain();
        return;
    case MenuLink::LKeluar:
        Keluar();
        return;
    case MenuLink::LPenyekoran:
        PenyekoranData();
        return;
    case MenuLink::LSkorDibobot:
        SkorDibobot();
        return;
    case MenuLink::LOlahSemua:
        OlahSemuaOtomatis();
        return;
    case MenuLink::LReliabilitas:
    case MenuLink::LUnggulAsor:
    case MenuLink::LDayaPembeda:
    case MenuLink::LtkKesukaran:
    case MenuLink::LKorelasiButir:
    case MenuLink::LKualitasPengecoh:
    case MenuLink::LRekapButir:
        ShowAnalysis(link);
        return;
    }
}

void TFUtama::UpdateMenu() {
    SetEnabled({MenuLink::LPenyekoran, MenuLink::LOlahSemua, MenuLink::LSkorDibobot}, true);
    const bool needRecalc = session_.DataMentah().IsNeedRecalc;
    SetEnabled({MenuLink::LReliabilitas, MenuLink::LUnggulAsor, MenuLink::LDayaPembeda,
                MenuLink::LtkKesukaran, MenuLink::LKorelasiButir, MenuLink::LKualitasPengecoh,
                MenuLink::LRekapButir},
               !needRecalc);
    if (needRecalc && IsPilihanGanda()) {
        windows_.UnggulAsor.GroupsCurrent = false;
    }
    LNamaFile = session_.Global().FileName;
}

bool TFUtama::SaveConfirmation() {
    if (!session_.DataMentah().IsChanged) {
        return true;
    }
    switch (ui_.AskSaveFirst()) {
    case UserInterface::SaveAnswer::Yes:
        SaveDocument();
        // A cancelled file dialog saved nothing: going on would throw the changes away.
        return !session_.DataMentah().IsChanged;
    case UserInterface::SaveAnswer::No:
        return true;
    case UserInterface::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TFUtama::BuatFileBaru() {
    Guard([this] {
        if (!SaveConfirmation() || !FInfoJawaban.Execute(ui_)) {
            return;
        }
        session_.NewDocument(FInfoJawaban.JumSubyek, FInfoJawaban.JumButir,
                             FInfoJawaban.JumPilihan);
        if (OnSetUpGrid) {
            OnSetUpGrid();
        }
        SetEnabled({MenuLink::LEditDataMentah, MenuLink::LSimpan, MenuLink::LSaveAs,
                    MenuLink::LPenyekoran, MenuLink::LSkorDibobot, MenuLink::LOlahSemua},
                   true);
        LNamaFile = session_.Global().FileName;
        ui_.ShowWindow(Window::EditDataMentah);
        UpdateMenu();
    });
}

void TFUtama::BacaFile() {
    std::optional<std::string> path;
    const bool chosen = Guard([&] {
        if (SaveConfirmation()) {
            path = ui_.ChooseFileToOpen();
        }
    });
    if (chosen && path) {
        OpenDocument(*path);
    }
}

void TFUtama::OpenDocument(const std::string& path) {
    // A document that fails to load leaves the previous one open, with its name and its links.
    if (!Guard([&] { session_.OpenDocument(path); })) {
        return;
    }
    LNamaFile = session_.Global().FileName;
    // The new document is open whatever follows, so the file links follow it too.
    SetEnabled({MenuLink::LEditDataMentah, MenuLink::LSimpan, MenuLink::LSaveAs}, true);
    Guard([this] {
        if (OnLoadGridFromData) {
            OnLoadGridFromData();
        }
        session_.DataMentah().IsChanged = false;
        windows_.Skor.FillGrid();
        if (windows_.SkorDibobot) {
            windows_.SkorDibobot->FillGrid();
        }
        ui_.ShowWindow(Window::EditDataMentah);
        session_.AnalButirSoal().MarkAllForRecalc(true);
    });
    UpdateMenu();
}

void TFUtama::SaveDocument() {
    TGlobal& global = session_.Global();
    std::string path = global.FileName;
    if (FileNamePart(path) == UnnamedDocument(session_.Kind())) {
        std::optional<std::string> chosen = ui_.ChooseFileToSave(global.FileName);
        if (!chosen) {
            return;
        }
        path = *chosen;
    }
    session_.SaveDocument(path);
    LNamaFile = global.FileName;
}

void TFUtama::Simpan() {
    Guard([this] { SaveDocument(); });
}

void TFUtama::SimpanDgNamaLain() {
    Guard([this] {
        std::optional<std::string> chosen = ui_.ChooseFileToSave("");
        if (!chosen) {
            return;
        }
        session_.SaveDocument(*chosen);
        LNamaFile = session_.Global().FileName;
    });
}

void TFUtama::EditDataMentah() {
    Guard([this] { ui_.ShowWindow(Window::EditDataMentah); });
    UpdateMenu();
}

void TFUtama::OpenScoreWindow(Window window) {
    // Scoring without a key could only fail, so the window is not even opened.
    if (session_.DataMentah().Kunci.empty()) {
        ui_.ShowError(std::string(MissingKeyMessage()));
        return;
    }
    Guard([&] { ui_.ShowWindow(window); });
    UpdateMenu();
}

void TFUtama::PenyekoranData() {
    OpenScoreWindow(Window::Skor);
}

void TFUtama::SkorDibobot() {
    if (IsPilihanGanda()) {
        OpenScoreWindow(Window::SkorDibobot);
    }
}

void TFUtama::OlahSemuaOtomatis() {
    Guard([this] { windows_.OlahSemuaOtomatis(); });
    // Even a failed run may have rescored, so the links follow the raw data in any case.
    UpdateMenu();
}

void TFUtama::ShowAnalysis(MenuLink link) {
    if (!HasLink(link)) {
        return;
    }
    for (const auto& [menuLink, window] : AnalysisWindows) {
        if (menuLink == link) {
            Guard([&] { ui_.ShowWindow(window); });
        }
    }
}

void TFUtama::Keluar() {
    if (OnClose) {
        OnClose();
    }
}

bool TFUtama::FormCloseQuery() {
    bool mayClose = false;
    Guard([&] { mayClose = SaveConfirmation(); });
    return mayClose;
}

void TFUtama::FormShow(const std::vector<std::string>& arguments) {
    if (arguments.empty() || !IsFirstShow) {
        return;
    }
    std::string path = arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        path += ' ';
        path += arguments[i];
    }
    IsFirstShow = false;
    OpenDocument(path);
}

void TFUtama::SBAboutClick() {
    ui_.ShowWindow(Window::About);
}

void TFUtama::SBWebClick() {
    ui_.OpenUrl(std::string(TFAbout::WebAddress));
}

} // namespace taviro
