#include "views/konfirmasi.h"

namespace taviro {

std::string TFAbout::MailButtonCaption() {
    std::string caption = "Kirim Email ke ";
    for (std::size_t i = 0; i < Developers.size(); ++i) {
        if (i > 0) {
            caption += " dan ";
        }
        caption += Developers[i].Name;
    }
    return caption;
}

std::string_view TFAbout::MailSubject() const {
    return Kind == AnalyzerKind::PilihanGanda ? "Taviro Pil Ganda Ver:4.0.9"
                                              : "Taviro Uraian Ver:4.0.5";
}

std::string TFAbout::MailLink() const {
    std::string link = "mailto:";
    for (std::size_t i = 0; i < Developers.size(); ++i) {
        if (i > 0) {
            link += ';';
        }
        link += Developers[i].MailAddress;
    }
    link += "?subject=";
    link += MailSubject();
    return link;
}

} // namespace taviro
