#pragma once

#include "views/edit_data_mentah.h"

#include <QDialog>

#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace taviro {
class TGlobal;
class UserInterface;
} // namespace taviro

namespace taviro::gui {

class GridView;
class QtUserInterface;

// The raw data editor: the top panel with the title and the document commands, the information
// bar with the counts, the grid, and the bottom panel with the commands that reshape the data.
// The logic is the grid's cell editor: every key, click and paste goes to it, and the view shows
// the grid, the counts, the caption and the cursor as the logic holds them afterwards.
class EditorWindow : public QDialog {
    Q_OBJECT
public:
    // Messages of failed commands go through the user interface; while the window is shown, a
    // Qt user interface opens its dialogs over it.
    EditorWindow(TFEditDatamEntah& logic, UserInterface& ui, const TGlobal& global,
                 QWidget* parent = nullptr);

    TFEditDatamEntah& Logic() const { return logic_; }
    GridView& Grid() const { return *grid_; }

    // The grid, the counts, the caption and the cursor as the logic holds them now.
    void Reload();

    // Every way of closing ends here and goes through the logic's close, which writes the grid
    // back into the raw data after a change.
    void done(int result) override;

    // The top panel.
    QPushButton* Kembali;
    QPushButton* SBBuatFile;
    QPushButton* SBSimpan;
    QPushButton* SBBaca;
    QPushButton* SBCetak;
    // The information bar's values; no option count in the essay editor (null).
    QLabel* LJumSubyek;
    QLabel* LJumButir;
    QLabel* LJumPilihanJwb = nullptr;
    // The bottom panel.
    QPushButton* SBTambahSubyek;
    QPushButton* SBSisipSubyek;
    QPushButton* SBhapusSubyek;
    QPushButton* SBhapusButir;
    QPushButton* SBHapusBanyakSubyek;
    QPushButton* SBAmbilNamaSubyek;
    QPushButton* SBTambahData;

    // The widths of the number and name columns as the window opens; the item columns share
    // one narrow width.
    static constexpr int NumberColumnWidth = 64;
    static constexpr int NameColumnWidth = 151;
    static constexpr int ItemColumnWidth = 30;
    static constexpr int SequenceColumnWidth = 60;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* CommandButton(const QString& caption, const char* name,
                               std::function<void()> command, QWidget* panel);
    // Runs a command of the logic; an error is shown and the command abandoned. The view follows
    // the logic afterwards.
    void Run(const std::function<void()>& command);
    // The view after a command or a key: the texts repainted, the grid read again when its size
    // changed.
    void Refresh();
    void ShowLabels();
    void ShowCursor();
    void ApplyColumnWidths();
    // A key stroke in the grid: true when it was the logic's.
    bool GridKeyPress(const QKeyEvent& event);
    void GridKeyRelease(const QKeyEvent& event);
    void CurrentChanged(const QModelIndex& current);

    TFEditDatamEntah& logic_;
    UserInterface& ui_;
    GridView* grid_;
    // The user interface's dialog parent before the window was shown, given back on closing.
    QtUserInterface* qtUi_ = nullptr;
    QWidget* previousParent_ = nullptr;
    // The view's cursor is being moved to the logic's, so the move is not reported back.
    bool showingCursor_ = false;
    int numberWidth_ = NumberColumnWidth;
    int nameWidth_ = NameColumnWidth;
};

} // namespace taviro::gui
