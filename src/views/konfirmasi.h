#pragma once

#include "core/analyzer_kind.h"
#include "views/user_interface.h"

#include <array>
#include <string>
#include <string_view>

namespace taviro {

// One button of a question dialog: its caption, its accelerator letter ('\0' for none), the
// answer it gives and whether it has the focus when the dialog opens.
template <typename Answer> struct DialogButton {
    std::string_view Caption;
    char Accelerator;
    Answer Result;
    bool Focused;
};

// The question whether to save the open document before it is discarded.
struct TFKonfirmasiSimpan {
    using Answer = UserInterface::SaveAnswer;

    static constexpr std::string_view Caption = "Konfirmasi";
    static constexpr std::string_view Message =
        "Simpan dulu file yang terbuka? Jika anda menjawab \"TIDAK\" maka perubahan data pada "
        "file tersebut akan hilang.";
    static constexpr std::array<DialogButton<Answer>, 3> Buttons = {{
        {"YA", 'Y', Answer::Yes, true},
        {"TIDAK", 'T', Answer::No, false},
        {"BATAL", '\0', Answer::Cancel, false},
    }};
    // Closing the dialog by its close box.
    static constexpr Answer CloseBoxAnswer = Answer::Cancel;
};

// A yes/no question whose text the caller supplies.
struct TFKonfirmasi {
    static constexpr std::string_view Caption = "Konfirmasi";
    // true: yes.
    static constexpr std::array<DialogButton<bool>, 2> Buttons = {{
        {"YA", 'Y', true, false},
        {"TIDAK", 'T', false, false},
    }};
    // Closing the dialog by its close box means no.
    static constexpr bool CloseBoxAnswer = false;

    // The question; the caller sets it before each showing.
    std::string Pesan;
    // The text the dialog shows.
    std::string LPesan;

    void FormShow() { LPesan = Pesan; }
};

// The developers and how to reach them. Names and addresses are the project's placeholders.
class TFAbout {
public:
    struct Developer {
        std::string_view Name;
        std::string_view MailAddress;
        // The text of the developer's read-only box: name, contact, role and address, one a line.
        std::string_view Details;
    };

    static constexpr std::string_view Caption = "Tentang Pengembang";
    static constexpr std::string_view Heading = "Tentang Pengembang Taviro";
    static constexpr std::string_view Text =
        "Terimakasih anda telah menggunakan Taviro. Kami sangat mengharapkan segala saran, kritik "
        "dan masukan dari para pengguna Taviro. Jangan ragu-ragu untuk menghubungi kami";
    static constexpr std::string_view ButtonTutup = "Tutup";
    static constexpr std::string_view WebAddress = "https://taviro.example";
    static constexpr std::array<Developer, 2> Developers = {{
        {"Tim Pengembang Taviro", "pengembang@taviro.example",
         "Tim Pengembang Taviro\nEmail: pengembang@taviro.example\nPemrograman dan analisis "
         "butir soal\nhttps://taviro.example"},
        {"Tim Dukungan Taviro", "dukungan@taviro.example",
         "Tim Dukungan Taviro\nEmail: dukungan@taviro.example\nDukungan pengguna dan "
         "dokumentasi\nhttps://taviro.example"},
    }};

    explicit TFAbout(AnalyzerKind kind) : Kind(kind) {}

    AnalyzerKind Kind;

    // "Kirim Email ke" followed by the developers' names.
    static std::string MailButtonCaption();
    // The subject of the mail: the analyzer and its version.
    std::string_view MailSubject() const;
    // mailto:(addresses separated by ';')?subject=(subject), the subject as it stands.
    std::string MailLink() const;
    // The mail button: the desktop opens the link; a failure to open it is not reported.
    void KirimEmailClick(UserInterface& ui) const { ui.OpenUrl(MailLink()); }
};

} // namespace taviro
