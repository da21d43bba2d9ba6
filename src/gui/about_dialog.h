#pragma once

#include "views/konfirmasi.h"

#include <QDialog>

class QPushButton;

namespace taviro {
class UserInterface;
}

namespace taviro::gui {

// "Tentang Pengembang": the developers and a button that writes to them. A slightly
// transparent box without border or caption bar.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // The mail link is opened through the user interface.
    AboutDialog(const TFAbout& logic, UserInterface& ui, QWidget* parent = nullptr);

    static constexpr int Opacity = 230;

    QPushButton* Mail;
    QPushButton* Tutup;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace taviro::gui
