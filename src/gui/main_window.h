#pragma once

#include "views/utama.h"

#include <QLabel>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

class QScrollArea;

namespace taviro::gui {

// A text used as a link: bold and underlined, a hand cursor, its hover colour while the mouse is
// over it, greyed and deaf to clicks while disabled.
class MenuLinkLabel : public QLabel {
    Q_OBJECT
public:
    MenuLinkLabel(const QString& caption, const QColor& colour, const QColor& hoverColour,
                  QWidget* parent);

    bool IsHovered() const { return hovered_; }
    // The colour the text is drawn in now.
    QColor TextColour() const;

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyState();

    QColor colour_;
    QColor hoverColour_;
    bool hovered_ = false;
};

// The main menu of either analyzer: the title band, the open document's name, the links of the
// three columns in a box that scrolls sideways on narrow screens, and the two links of the
// bottom band. Every click goes to the logic; the links and the file name follow the logic after
// every command.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The arguments are the program's, without the program itself: the document they name is
    // opened the first time the window is shown.
    MainWindow(TFUtama& utama, std::vector<std::string> arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The columns' width, and the spacer panels' widths while the columns fit beside them.
    static constexpr int ColumnWidth = 200;
    static constexpr int SpacerMinimumWidth = 120;
    static constexpr int SpacerMaximumWidth = 240;

    // The link, null for one this analyzer does not have.
    MenuLinkLabel* Link(MenuLink link) const;
    QLabel* FileName() const { return fileName_; }
    QScrollArea* Menu() const { return menu_; }
    // P1 (index 0) and P2 (index 1).
    QWidget* Spacer(int index) const { return spacers_.at(static_cast<std::size_t>(index)); }
    MenuLinkLabel* SBAbout;
    MenuLinkLabel* SBWeb;

    // The links' states and the file name as the logic holds them now.
    void UpdateFromLogic();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* TitleBand();
    QWidget* FileLine();
    QWidget* ColumnPanel(taviro::MenuColumn column);
    QWidget* BottomBand();
    // Too narrow for the columns and the spacers: the spacers give up their width and the FILE
    // column comes into view; wide enough again: they take it back.
    void FitMenu();
    bool IsPilihanGanda() const;

    TFUtama& utama_;
    std::vector<std::string> arguments_;
    std::map<MenuLink, MenuLinkLabel*> links_;
    QLabel* fileName_ = nullptr;
    QScrollArea* menu_ = nullptr;
    std::vector<QWidget*> columns_;
    std::vector<QWidget*> spacers_;
};

} // namespace taviro::gui
