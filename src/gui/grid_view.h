#pragma once

#include "gui/grid_model.h"

#include <QLabel>
#include <QTableView>

namespace taviro {
class TGlobal;
}

namespace taviro::gui {

// A read-only table of a window's grid, drawn by the grid painter, with the headings of the first
// fixed row and column in its headers (the top-left heading in the corner), a fixed row height
// for any number of rows.
class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(const GridWindow& window, int gridIndex, const TGlobal& global,
             QWidget* parent = nullptr);

    GridModel& Model() { return *model_; }
    // Reads the grid again after the window refilled it.
    void Reload();
    // Repaints after the window changed texts; reads the grid again only when its size changed.
    void Refresh();
    // How many fixed rows the column headers show, one line each (1 unless set).
    void SetHeaderRows(int rows);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    void PlaceCorner();
    void ShowCorner();

    GridModel* model_;
    QLabel* corner_;
};

} // namespace taviro::gui
