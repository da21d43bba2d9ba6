#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace taviro::gui {

// "Info Batas Signifikansi": the critical values of the correlation coefficient as fixed text in
// a fixed-pitch font, on a dialog of fixed size.
class InfoBatasSigDialog : public QDialog {
    Q_OBJECT
public:
    explicit InfoBatasSigDialog(QWidget* parent = nullptr);

    QPlainTextEdit* Memo() const { return memo_; }
    QPushButton* Tutup() const { return tutup_; }

private:
    QPlainTextEdit* memo_;
    QPushButton* tutup_;
};

} // namespace taviro::gui
