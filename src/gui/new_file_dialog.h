#pragma once

#include "views/info_jawaban.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace taviro {
class UserInterface;
}

namespace taviro::gui {

// The new-file dialog: the numbers of subjects, items and (multiple choice only) answer options
// of a new test. The edit texts live in the logic, so every showing offers the numbers typed the
// time before, also in a dialog made afresh over the same logic.
class NewFileDialog : public QDialog {
    Q_OBJECT
public:
    // The validation messages go through the user interface.
    NewFileDialog(TFInfoJawaban& logic, UserInterface& ui, QWidget* parent = nullptr);

    TFInfoJawaban& Logic() const { return logic_; }

    // Shows the dialog modally; true when it was closed with "OK".
    bool Run();

    // Every way of closing ends here: "Batal" closes at once, "OK" and the close box only when
    // the logic accepts the fields.
    void done(int result) override;

    // The edit boxes, null for the options of the essay dialog.
    QLineEdit* EJumSubyek;
    QLineEdit* EJumButir;
    QLineEdit* EJumPilihan = nullptr;
    QPushButton* OK;
    QPushButton* Batal;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* ControlWidget(TFInfoJawaban::Control control) const;
    // The edit box the widget is, if it is one.
    std::optional<TFInfoJawaban::Control> EditControl(const QObject* widget) const;

    TFInfoJawaban& logic_;
    UserInterface& ui_;
    bool shownBefore_ = false;
};

} // namespace taviro::gui
