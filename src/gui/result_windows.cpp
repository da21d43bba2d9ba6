#include "gui/result_windows.h"

#include "core/global.h"
#include "gui/analyzer_app.h"
#include "gui/edit_bobot_dialog.h"
#include "gui/info_batas_sig_dialog.h"
#include "gui/qt_user_interface.h"
#include "gui/result_window.h"
#include "views/analyzer_windows.h"

namespace taviro::gui {

namespace {

using Layout = ResultWindowLayout;

const QString UrutSkorCaption = "Urutkan berdasarkan skor (tinggi ke rendah)";

Layout::Value Value(const QString& caption, const std::string& text, const QString& name) {
    return {.Caption = caption, .Text = &text, .Name = name};
}

// The sort check box of the two score windows; the logic sorts when the state it is given
// differs from the scores'.
template <typename Window> Layout::CheckBox UrutSkor(Window& window) {
    return {.Caption = UrutSkorCaption,
            .Get = [&window] { return window.CBUrutSkor; },
            .Set =
                [&window](bool on) {
                    window.CBUrutSkor = on;
                    window.CBUrutSkorClick();
                },
            .Name = "CBUrutSkor"};
}

template <typename Window> std::function<void()> Cetak(Window& window) {
    return [&window] { window.Cetak(); };
}

Layout SkorLayout(TFSkor& skor) {
    Layout layout;
    layout.Caption = "FSkor";
    layout.Title = "Skor Data";
    layout.CheckBoxes = {UrutSkor(skor)};
    layout.CheckBoxesFirst = true;
    layout.Values = {Value("Rata2=", skor.LRata2, "LRata2"),
                     Value("Standar Deviasi", skor.LSD, "LSD")};
    layout.GridNames = {"SG"};
    layout.DefaultColumnWidth = 30;
    layout.ColumnWidths = {60, 64, 151, 45};
    layout.Cetak = Cetak(skor);
    return layout;
}

Layout SkorDibobotLayout(TFSkorDibobot& skor, EditBobotDialog& dialog) {
    Layout layout;
    layout.Caption = "FSkorDibobot";
    layout.Title = "Skor Data Dibobot";
    layout.Values = {Value("Jml Subyek=", skor.LjumSubyek, "LjumSubyek"),
                     Value("Butir Soal =", skor.LButirSoal, "LButirSoal"),
                     Value("Bobot utk jwban benar=", skor.Lbobotbenar, "Lbobotbenar"),
                     Value("Bobot utk jwban salah=", skor.LbobotSalah, "LbobotSalah")};
    layout.CheckBoxes = {UrutSkor(skor)};
    layout.Buttons = {
        {.Caption = "Ganti Bobot",
         .Run = [&skor,
                 &dialog] { skor.SpeedButton2Click([&dialog](TFEditBobot&) { dialog.exec(); }); },
         .Where = Layout::Place::InsetPanel,
         .Name = "SpeedButton2"}};
    layout.GridNames = {"SG"};
    layout.ColumnWidths = {60, 76, 67, 71, 67, 86, 89, 91};
    layout.Cetak = Cetak(skor);
    return layout;
}

Layout ReliabilitasLayout(TFReliabilitasTes& window) {
    Layout layout;
    layout.Caption = "Reliabilitas Tes";
    layout.Title = "Reliabilitas Tes";
    layout.Values = {Value("Rata2=", window.LRata2, "LRata2"),
                     Value("Simpang Baku=", window.LSD, "LSD"),
                     Value("KorelasiXY=", window.LKorelasiXY, "LKorelasiXY"),
                     Value("Reliabilitas Tes =", window.LReliabilitas, "LReliabilitas")};
    layout.Values.back().Large = true;
    layout.GridNames = {"SG"};
    layout.ColumnWidths = {60, 94, 127, 86, 86, 84};
    layout.Cetak = Cetak(window);
    return layout;
}

Layout UnggulAsorLayout(TFUnggulAsor& window) {
    Layout layout;
    layout.Caption = "Kelompok Unggul dan Asor";
    layout.Title = "Kel. Unggul & Asor";
    layout.GridTitles = {"Kelompok Unggul", "Kelompok Asor"};
    layout.GridNames = {"SGUnggul", "SGAsor"};
    layout.DefaultColumnWidth = 30;
    layout.ColumnWidths = {60};
    layout.Cetak = Cetak(window);
    return layout;
}

Layout DayaPembedaLayout(TFDayaPembeda& window) {
    Layout layout;
    layout.Caption = "Daya Pembeda";
    layout.Title = "Daya Pembeda";
    layout.Values = {Value("Jml Subyek=", window.LjumSubyek, "LjumSubyek"),
                     Value("Klp atas/bawah (n) =", window.LJumKel, "LJumKel"),
                     Value("Butir Soal =", window.LButirSoal, "LButirSoal")};
    layout.GridNames = {"SG"};
    layout.ColumnWidths = {80, 80};
    layout.Cetak = Cetak(window);
    return layout;
}

Layout TingkatKesukaranLayout(TFTingkatKesukaran& window) {
    Layout layout;
    layout.Caption = "Tingkat Kesukaran";
    layout.Title = "Tingkat Kesukaran";
    layout.Values = {Value("Jml Subyek=", window.LjumSubyek, "LjumSubyek"),
                     Value("Butir Soal =", window.LButirSoal, "LButirSoal")};
    layout.GridNames = {"SG"};
    layout.ColumnWidths = {80, 80};
    layout.Cetak = Cetak(window);
    return layout;
}

Layout KorelasiButirLayout(TFKorelasiButir& window, InfoBatasSigDialog& info) {
    Layout layout;
    layout.Caption = "Korelasi Butir dengan Skor Total";
    layout.Title = "Korelasi Skor Butir dg Skor Total";
    layout.Values = {Value("Jml Subyek=", window.LjumSubyek, "LjumSubyek"),
                     Value("Butir Soal =", window.LButirSoal, "LButirSoal")};
    layout.Buttons = {{.Caption = "Info tentang batas signifikansi",
                       .Run = [&info] { info.exec(); },
                       .Where = Layout::Place::InformationBar,
                       .Name = "SpeedButton2"}};
    layout.GridNames = {"SG"};
    layout.DefaultColumnWidth = 50;
    layout.ColumnWidths = {80};
    layout.Cetak = Cetak(window);
    return layout;
}

Layout PengecohLayout(TFPengecoh& window) {
    Layout layout;
    layout.Caption = "Kualitas Pengecoh";
    layout.Title = "Kualitas Pengecoh";
    layout.Values = {Value("Jml Subyek=", window.LjumSubyek, "LjumSubyek"),
                     Value("Butir Soal =", window.LButirSoal, "LButirSoal")};
    layout.Notes = {"** : Kunci Jawaban   +: Baik       -- : Buruk",
                    "++ : Sangat Baik     -: Kurang    --- : Sangat Buruk"};
    layout.GridNames = {"SG"};
    layout.DefaultColumnWidth = 50;
    layout.ColumnWidths = {80, 80};
    layout.Cetak = Cetak(window);
    return layout;
}

Layout RekapButirLayout(TFRekapButir& window, AnalyzerKind kind) {
    Layout layout;
    layout.Caption = "FRekapButir";
    layout.Title = "Rekap Analisis Butir";
    layout.Values = {Value("Rata2=", window.LRata2, "LRata2"),
                     Value("Simpang Baku=", window.LSD, "LSD"),
                     Value("KorelasiXY=", window.LKorelasiXY, "LKorelasiXY"),
                     Value("Reliabilitas Tes =", window.LReliabilitas, "LReliabilitas"),
                     Value("Butir Soal =", window.LButirSoal, "LButirSoal"),
                     Value("Jml Subyek=", window.LjumSubyek, "LjumSubyek")};
    layout.Values[3].Bold = true;
    layout.GridNames = {"SG"};
    layout.ColumnWidths = kind == AnalyzerKind::Uraian
                              ? std::vector<int>{80, 80, 113, 116, 120, 112, 122}
                              : std::vector<int>{80, 80, 113, 116, 120, 116};
    layout.Cetak = Cetak(window);
    return layout;
}

// The window, named after the one whose layout it has, shown maximised and modal by ui.
void Register(QtUserInterface& ui, Window which, ResultWindow* window, const QString& name) {
    window->setObjectName(name);
    ui.Windows[which] = [window] { window->ShowModal(); };
}

} // namespace

void RegisterResultWindows(QtUserInterface& ui, AnalyzerWindows& windows, const TGlobal& global,
                           QWidget* parent) {
    UserInterface& logicUi = windows.ui;
    const auto make = [&](GridWindow& logic, Layout layout) {
        return new ResultWindow(logic, std::move(layout), logicUi, global, parent);
    };

    Register(ui, Window::Skor, make(windows.Skor, SkorLayout(windows.Skor)), "FSkor");
    if (windows.SkorDibobot) {
        // The dialog belongs to the window; the window's layout refers to it.
        auto* dialog = new EditBobotDialog(windows.SkorDibobot->EditBobot);
        ResultWindow* window =
            make(*windows.SkorDibobot, SkorDibobotLayout(*windows.SkorDibobot, *dialog));
        dialog->setParent(window, dialog->windowFlags());
        Register(ui, Window::SkorDibobot, window, "FSkorDibobot");
    }
    Register(ui, Window::ReliabilitasTes,
             make(windows.ReliabilitasTes, ReliabilitasLayout(windows.ReliabilitasTes)),
             "FReliabilitasTes");
    Register(ui, Window::UnggulAsor, make(windows.UnggulAsor, UnggulAsorLayout(windows.UnggulAsor)),
             "FUnggulAsor");
    Register(ui, Window::DayaPembeda,
             make(windows.DayaPembeda, DayaPembedaLayout(windows.DayaPembeda)), "FDayaPembeda");
    Register(ui, Window::TingkatKesukaran,
             make(windows.TingkatKesukaran, TingkatKesukaranLayout(windows.TingkatKesukaran)),
             "FTingkatKesukaran");
    {
        auto* info = new InfoBatasSigDialog;
        ResultWindow* window =
            make(windows.KorelasiButir, KorelasiButirLayout(windows.KorelasiButir, *info));
        info->setParent(window, info->windowFlags());
        Register(ui, Window::KorelasiButir, window, "FKorelasiButir");
    }
    if (windows.Pengecoh) {
        Register(ui, Window::Pengecoh, make(*windows.Pengecoh, PengecohLayout(*windows.Pengecoh)),
                 "FPengecoh");
    }
    Register(ui, Window::RekapButir,
             make(windows.RekapButir, RekapButirLayout(windows.RekapButir, windows.session.Kind())),
             "FRekapButir");
}

void RegisterResultWindows(AnalyzerApp& app) {
    RegisterResultWindows(app.Ui(), app.Windows(), app.Session().Global(), app.Parent());
}

} // namespace taviro::gui
