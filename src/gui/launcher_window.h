#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace taviro::gui {

// The launcher: starts either analyzer from the launcher's own folder, writes to the developers,
// or opens the product's web site.
class LauncherWindow : public QDialog {
    Q_OBJECT
public:
    explicit LauncherWindow(QWidget* parent = nullptr);

    static constexpr const char* MultipleChoiceProgram = "taviro pilihan ganda";
    static constexpr const char* EssayProgram = "taviro uraian";
    static constexpr const char* WebAddress = "https://taviro.example";
    static constexpr const char* MailLink =
        "mailto:pengembang@taviro.example?subject=Taviro Ver:4.0.6";

    // How a program is started and an address opened; replaced by tests.
    std::function<bool(const QString& program)> StartProgram;
    std::function<bool(const QString& address)> OpenAddress;

    QPushButton* StartMultipleChoice;
    QPushButton* StartEssay;
    QPushButton* Quit;
    QPushButton* Mail;
    QPushButton* Web;
};

} // namespace taviro::gui
