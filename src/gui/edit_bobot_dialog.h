#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace taviro {
class TFEditBobot;
}

namespace taviro::gui {

// The weight dialog: the two edits show and take the texts of its logic, and every way of
// closing goes through the logic, which refuses a close while a weight is not an integer. "Batal"
// and Esc cancel; OK and the close box accept.
class EditBobotDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditBobotDialog(TFEditBobot& logic, QWidget* parent = nullptr);

    QLineEdit* BobotBenar() const { return benar_; }
    QLineEdit* BobotSalah() const { return salah_; }
    QPushButton* Ok() const { return ok_; }
    QPushButton* Batal() const { return batal_; }

    // Closes unless the logic refuses; the result tells whether the dialog was cancelled.
    void done(int result) override;
    // "Batal" and Esc.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFEditBobot& logic_;
    QLineEdit* benar_;
    QLineEdit* salah_;
    QPushButton* ok_;
    QPushButton* batal_;
};

} // namespace taviro::gui
