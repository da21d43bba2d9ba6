#pragma once

#include "views/konfirmasi.h"

#include <QDialog>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace taviro::gui {

// The buttons of a question dialog, made from the logic's table: the caption with its
// accelerator underlined (Alt+letter, or the letter alone while a button has the focus).
class QuestionDialog : public QDialog {
    Q_OBJECT
public:
    // The button with this caption ("YA", "TIDAK", "BATAL"), null when there is none.
    QPushButton* Button(std::string_view caption) const;

protected:
    QuestionDialog(const QString& message, QWidget* parent);
    // Adds a button that closes the dialog after storing its answer through the callback.
    QPushButton* AddButton(std::string_view caption, char accelerator, bool focused,
                           std::function<void()> answer);
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    QLabel* MessageLabel;

private:
    struct Entry {
        QPushButton* Widget;
        char Accelerator;
        std::string_view Caption;
    };
    std::vector<Entry> buttons_;
    QHBoxLayout* buttonRow_;
    QPushButton* focused_ = nullptr;
};

// "Simpan dulu file yang terbuka?": Yes, No or Cancel; the close box and Escape are Cancel.
class ConfirmSaveDialog : public QuestionDialog {
    Q_OBJECT
public:
    explicit ConfirmSaveDialog(QWidget* parent = nullptr);

    // Shows the question modally and returns the answer.
    TFKonfirmasiSimpan::Answer Ask();
    TFKonfirmasiSimpan::Answer Answer() const { return answer_; }

private:
    TFKonfirmasiSimpan::Answer answer_ = TFKonfirmasiSimpan::CloseBoxAnswer;
};

// A yes/no question whose text the caller sets in the logic's Pesan; the close box and Escape
// mean no.
class ConfirmDialog : public QuestionDialog {
    Q_OBJECT
public:
    explicit ConfirmDialog(TFKonfirmasi& logic, QWidget* parent = nullptr);

    // Sets Pesan, shows the question modally and returns true for yes.
    bool Ask(const std::string& question);
    bool Answer() const { return answer_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFKonfirmasi& logic_;
    bool answer_ = TFKonfirmasi::CloseBoxAnswer;
};

} // namespace taviro::gui
