#pragma once

#include "views/grid_window.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QPushButton;
class QLabel;

namespace taviro {
class TGlobal;
class UserInterface;
} // namespace taviro

namespace taviro::gui {

class GridView;

// What one result window shows beyond its grids: its title, its information bar, optional
// check boxes, extra link buttons and notes, and the widths of its grid columns.
struct ResultWindowLayout {
    struct Value {
        QString Caption;
        const std::string* Text;
        // The window's main figure: larger and bold.
        bool Large = false;
        // Bold at the bar's size.
        bool Bold = false;
        // The object name of the value's label, so that it can be found by name.
        QString Name = {};
    };
    struct CheckBox {
        QString Caption;
        std::function<bool()> Get;
        std::function<void(bool)> Set;
        QString Name = {};
    };
    // Where an extra link button sits.
    enum class Place {
        // In the top panel, before "Kembali Ke Menu Utama".
        TopPanel,
        // In the information bar, after the values and check boxes.
        InformationBar,
        // In the information bar on an inset money-green panel of its own, in a larger font.
        InsetPanel,
    };
    struct Button {
        QString Caption;
        std::function<void()> Run;
        Place Where = Place::TopPanel;
        QString Name = {};
    };

    // The window's caption; the title when empty.
    QString Caption;
    QString Title;
    std::vector<Value> Values;
    std::vector<CheckBox> CheckBoxes;
    // The check boxes come before the values in the information bar.
    bool CheckBoxesFirst = false;
    std::vector<Button> Buttons;
    // Fixed texts at the end of the information bar, one above the other (legends).
    std::vector<QString> Notes;
    // One heading per grid when the window shows two grids, one above the other.
    std::vector<QString> GridTitles;
    // The object name of each grid.
    std::vector<QString> GridNames;
    // The width in pixels of a grid column that ColumnWidths leaves open; 0 keeps the grid's
    // own default.
    int DefaultColumnWidth = 0;
    // The width in pixels of each grid column from column 0 on (the fixed column included); 0
    // keeps the default. Every grid of the window uses the same widths. A column is widened
    // beyond its width when its heading or a visible cell would not fit.
    std::vector<int> ColumnWidths;
    // What "Cetak" does: the window's report into the preview, then the preview.
    std::function<void()> Cetak;
};

// A result window: the top panel with the title and the links "Kembali Ke Menu Utama" and
// "Cetak", the information bar, the grids. Showing it refreshes its logic; an error is shown
// once the window shows what the logic kept.
class ResultWindow : public QDialog {
    Q_OBJECT
public:
    ResultWindow(GridWindow& logic, ResultWindowLayout layout, UserInterface& ui,
                 const TGlobal& global, QWidget* parent = nullptr);

    // RefreshView of the logic, then the grids and values again.
    void Refresh();
    // The grids and values as the logic holds them now.
    void Reload();
    // Shows the window maximised and modal; returns when it is closed.
    void ShowModal();

    GridWindow& Logic() { return logic_; }
    GridView& Grid(int index = 0) { return *grids_.at(static_cast<std::size_t>(index)); }
    int GridCount() const { return static_cast<int>(grids_.size()); }
    QString ValueText(int index) const;
    QCheckBox* Check(int index = 0) { return checks_.at(static_cast<std::size_t>(index)); }
    // The extra buttons in the order of the layout.
    QPushButton* Button(int index) { return buttons_.at(static_cast<std::size_t>(index)); }
    QPushButton* BackButton() { return back_; }
    QPushButton* PrintButton() { return print_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs a command of the window; its error is shown after the window shows what is left.
    void RunCommand(const std::function<void()>& command);
    QWidget* BuildTopPanel();
    QWidget* BuildInformationBar();
    void AddValues(QBoxLayout& bar);
    void AddCheckBoxes(QBoxLayout& bar);
    void AddGrids(QBoxLayout& window, const TGlobal& global);
    QPushButton* AddButton(std::size_t index, QWidget* parent);
    void FitColumns(GridView& view);

    GridWindow& logic_;
    ResultWindowLayout layout_;
    UserInterface& ui_;
    int headerFontSize_;
    std::vector<GridView*> grids_;
    std::vector<QLabel*> values_;
    std::vector<QCheckBox*> checks_;
    std::vector<QPushButton*> buttons_;
    QPushButton* back_ = nullptr;
    QPushButton* print_ = nullptr;
};

// A flat link-style button of the windows' top panels.
QPushButton* LinkButton(const QString& caption, QWidget* parent);

} // namespace taviro::gui
