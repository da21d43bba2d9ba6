#pragma once

#include "views/editor_dialogs.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace taviro::gui {

class QtUserInterface;

// The range of subjects to delete. The edit texts live in the logic, so a dialog made afresh
// over the same logic offers the numbers typed the time before.
class DeleteRangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit DeleteRangeDialog(TFHapusBanyakSubyek& logic, QWidget* parent = nullptr);

    TFHapusBanyakSubyek& Logic() const { return logic_; }

    // Shows the dialog modally; true when it was closed with "OK".
    bool Run();

    // Every way of closing ends here: "Batal" closes at once; "OK" and the close box only when
    // both numbers read.
    void done(int result) override;

    QLineEdit* EMulai;
    QLineEdit* ESampai;
    QPushButton* OK;
    QPushButton* Batal;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is "Batal".
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* ControlWidget(TFHapusBanyakSubyek::Control control) const;
    std::optional<TFHapusBanyakSubyek::Control> EditControl(const QObject* widget) const;

    TFHapusBanyakSubyek& logic_;
};

// What the name-import and merge dialogs share: a title, a note, an optional warning, the file
// name edit with "Pilih File " inside a bevel, and "&YA" / "BATAL". Every close hands the typed
// path to the logic.
class OtherFileQtDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally; true when it was closed with "&YA".
    bool Run();

    void done(int result) override;

    QLineEdit* ENamaFile;
    QPushButton* PilihFile;
    QPushButton* YA;
    QPushButton* BATAL;
    // The red warning, null when the dialog has none.
    QLabel* WarningLabel = nullptr;

protected:
    struct Texts {
        std::string_view Caption;
        std::string_view Title;
        std::string_view Note;
        std::string_view Warning;
        std::string_view BevelHeading;
    };
    OtherFileQtDialog(OtherFileDialog& logic, const Texts& texts, QWidget* parent);
    void showEvent(QShowEvent* event) override;

private:
    OtherFileDialog& logic_;
};

// The document whose subject names are imported.
class ImportNamesDialog : public OtherFileQtDialog {
    Q_OBJECT
public:
    explicit ImportNamesDialog(TFAmbilNamaSubyek& logic, QWidget* parent = nullptr);
};

// The document whose subjects are appended.
class MergeDialog : public OtherFileQtDialog {
    Q_OBJECT
public:
    explicit MergeDialog(TFGabungDuaFile& logic, QWidget* parent = nullptr);
};

// Lets the user interface show the editor's three dialogs, each over the window that the user
// interface shows its dialogs over at that moment (parent when it has none).
void RegisterEditorDialogs(QtUserInterface& ui, QWidget* parent);

} // namespace taviro::gui
