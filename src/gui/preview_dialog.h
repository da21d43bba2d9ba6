#pragma once

#include "views/memo_cetak.h"

#include <QDialog>

#include <functional>
#include <optional>

class QPlainTextEdit;
class QPrinter;

namespace taviro {
class TGlobal;
}

namespace taviro::gui {

// The report preview: the lines read-only in a fixed-pitch font, saved to a text file (appended
// when the file exists) or printed.
class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    PreviewDialog(TFMemoCetak& preview, const TGlobal& global, QWidget* parent = nullptr);

    // Asks for the text file to save into; the file dialog unless a test replaces it.
    std::function<std::optional<QString>(const QString& proposedName)> ChooseTextFile;
    // Asks how to print; the print dialog unless a test replaces it.
    std::function<bool(QPrinter&)> SetUpPrinter;

    // Shows the preview's current lines.
    void Reload();
    void SaveToFile();
    void Print();
    // The lines on the printer, in order; the number of pages.
    int PrintTo(QPrinter& printer);

    QPlainTextEdit* Text() const { return text_; }

private:
    TFMemoCetak& preview_;
    const TGlobal& global_;
    QPlainTextEdit* text_;
};

} // namespace taviro::gui
