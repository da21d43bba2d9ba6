#pragma once

#include "views/grid_window.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QPushButton;
class QLabel;

namespace taviro {
class TGlobal;
class UserInterface;
}

namespace taviro::gui {

class GridView;

// What one result window shows beyond its grids: its title, its information bar, an optional
// check box and extra link buttons.
struct ResultWindowLayout {
    struct Value {
        QString Caption;
        const std::string* Text;
        // The window's main figure: larger and bold.
        bool Large = false;
    };
    struct CheckBox {
        QString Caption;
        std::function<bool()> Get;
        std::function<void(bool)> Set;
    };
    struct Button {
        QString Caption;
        std::function<void()> Run;
    };

    QString Title;
    std::vector<Value> Values;
    std::vector<CheckBox> CheckBoxes;
    std::vector<Button> Buttons;
    // One heading per grid when the window shows two grids, one above the other.
    std::vector<QString> GridTitles;
    // What "Cetak" does: the window's report into the preview, then the preview.
    std::function<void()> Cetak;
};

// A result window: the top panel with the title and the links "Kembali Ke Menu Utama" and
// "Cetak", the information bar, the grids. Showing it refreshes its logic; an error is shown
// and the window shows what the logic kept.
class ResultWindow : public QDialog {
    Q_OBJECT
public:
    ResultWindow(GridWindow& logic, ResultWindowLayout layout, UserInterface& ui,
                 const TGlobal& global, QWidget* parent = nullptr);

    // RefreshView of the logic, then the grids and values again.
    void Refresh();
    // The grids and values as the logic holds them now.
    void Reload();

    GridView& Grid(int index = 0) { return *grids_.at(static_cast<std::size_t>(index)); }
    QString ValueText(int index) const;
    QCheckBox* Check(int index = 0) { return checks_.at(static_cast<std::size_t>(index)); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    GridWindow& logic_;
    ResultWindowLayout layout_;
    UserInterface& ui_;
    std::vector<GridView*> grids_;
    std::vector<QLabel*> values_;
    std::vector<QCheckBox*> checks_;
};

// A flat link-style button of the windows' top panels.
QPushButton* LinkButton(const QString& caption, QWidget* parent);

} // namespace taviro::gui
