#pragma once

#include "core/session.h"
#include "gui/grid_view.h"
#include "gui/qt_user_interface.h"
#include "gui/result_window.h"
#include "gui/result_windows.h"
#include "support/fake_user_interface.h"
#include "support/test_files.h"
#include "views/analyzer_windows.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace taviro::test {

using gui::GridModel;
using gui::GridView;
using gui::QtUserInterface;
using gui::ResultWindow;

// Six subjects, four items with the labels 1, 2, 3 and 5, four options, key "abcd". Scores in
// raw order 2, 4, 2, 3, 0, 1: the score order is Budi, Dodi, Ani, Citra, Fina, Eka, and the groups
// of two are Budi, Dodi and Fina, Eka. Dodi's "B" is right; Eka and Fina leave an item blank.
inline const char* const KelasTav = R"(<?xml version="1.0"?>
<TAVIRO file_version="4.0.2">
  <Data_Mentah>
    <Kunci>abcd</Kunci>
    <JumSubyek>6</JumSubyek>
    <JumButir>4</JumButir>
    <JumPilihan>4</JumPilihan>
    <IsNeedRecalc>-1</IsNeedRecalc>
    <NoButir><NOBTR>1</NOBTR><NOBTR>2</NOBTR><NOBTR>3</NOBTR><NOBTR>5</NOBTR></NoButir>
    <Jawaban>
      <JumItem>6</JumItem>
      <Subyek><Nama>Ani</Nama><NoSubyek>1</NoSubyek><Jwb>acca</Jwb></Subyek>
      <Subyek><Nama>Budi</Nama><NoSubyek>2</NoSubyek><Jwb>abcd</Jwb></Subyek>
      <Subyek><Nama>Citra</Nama><NoSubyek>3</NoSubyek><Jwb>bbca</Jwb></Subyek>
      <Subyek><Nama>Dodi</Nama><NoSubyek>4</NoSubyek><Jwb>aBcb</Jwb></Subyek>
      <Subyek><Nama>Eka</Nama><NoSubyek>5</NoSubyek><Jwb>ca*a</Jwb></Subyek>
      <Subyek><Nama>Fina</Nama><NoSubyek>6</NoSubyek><Jwb>d*ca</Jwb></Subyek>
    </Jawaban>
  </Data_Mentah>
  <Data_Skor>
    <Rata2>0</Rata2>
    <SD>0</SD>
    <IsUrutkanBerdSkor>0</IsUrutkanBerdSkor>
    <JumButir>0</JumButir>
    <BobotBetul>1</BobotBetul>
    <BobotSalah>0</BobotSalah>
    <Kunci></Kunci>
    <NoButir></NoButir>
    <Skor><JumItem>0</JumItem></Skor>
  </Data_Skor>
</TAVIRO>
)";

// Six subjects, three items with the labels 1, 2 and 4 and the ideal scores 10, 10 and 20.
// Sums in raw order 29, 37, 10, 35, 10, 21: the groups of two are Budi, Dodi and Citra, Eka, and
// Citra left item 2 empty, so the lower group has one score for it.
inline const char* const KelasTur = R"(<?xml version="1.0"?>
<TAVIRO file_version="2.0.1">
  <Data_Mentah>
    <Kunci>10,10,20</Kunci>
    <JumSubyek>6</JumSubyek>
    <JumButir>3</JumButir>
    <JumPilihan>0</JumPilihan>
    <IsNeedRecalc>-1</IsNeedRecalc>
    <NoButir><NOBTR>1</NOBTR><NOBTR>2</NOBTR><NOBTR>4</NOBTR></NoButir>
    <Jawaban>
      <JumItem>6</JumItem>
      <Subyek><Nama>Ani</Nama><NoSubyek>1</NoSubyek><Jwb>8,6,15</Jwb></Subyek>
      <Subyek><Nama>Budi</Nama><NoSubyek>2</NoSubyek><Jwb>10,9,18</Jwb></Subyek>
      <Subyek><Nama>Citra</Nama><NoSubyek>3</NoSubyek><Jwb>4,#,6</Jwb></Subyek>
      <Subyek><Nama>Dodi</Nama><NoSubyek>4</NoSubyek><Jwb>7,8,20</Jwb></Subyek>
      <Subyek><Nama>Eka</Nama><NoSubyek>5</NoSubyek><Jwb>2,3,5</Jwb></Subyek>
      <Subyek><Nama>Fina</Nama><NoSubyek>6</NoSubyek><Jwb>5,4,12</Jwb></Subyek>
    </Jawaban>
  </Data_Mentah>
  <Data_Skor>
    <Rata2>0</Rata2>
    <SD>0</SD>
    <IsUrutkanBerdSkor>0</IsUrutkanBerdSkor>
    <JumButir>0</JumButir>
    <BobotBetul>1</BobotBetul>
    <BobotSalah>0</BobotSalah>
    <Kunci></Kunci>
    <MaxSkor></MaxSkor>
    <MinSkor></MinSkor>
    <NoButir></NoButir>
    <Skor><JumItem>0</JumItem></Skor>
  </Data_Skor>
</TAVIRO>
)";

using Rows = std::vector<std::vector<std::string>>;

inline const char* WindowName(Window window) {
    static const std::map<Window, const char*> names = {
        {Window::Skor, "FSkor"},
        {Window::SkorDibobot, "FSkorDibobot"},
        {Window::ReliabilitasTes, "FReliabilitasTes"},
        {Window::UnggulAsor, "FUnggulAsor"},
        {Window::DayaPembeda, "FDayaPembeda"},
        {Window::TingkatKesukaran, "FTingkatKesukaran"},
        {Window::KorelasiButir, "FKorelasiButir"},
        {Window::Pengecoh, "FPengecoh"},
        {Window::RekapButir, "FRekapButir"},
    };
    return names.at(window);
}

// The grid as it is on the screen: the headings row first (its first cell is the corner), then
// every row with its row heading first.
inline Rows ShownRows(GridView& view) {
    GridModel& model = view.Model();
    Rows rows;
    const bool rowHeadings = model.Grid().FixedCols > 0;
    const auto text = [](const QVariant& value) { return value.toString().toStdString(); };
    if (model.Grid().FixedRows > 0) {
        std::vector<std::string> headings;
        if (rowHeadings) {
            auto* corner = view.findChild<QLabel*>();
            headings.push_back(corner != nullptr ? corner->text().toStdString() : "?");
        }
        for (int c = 0; c < model.columnCount(); ++c) {
            headings.push_back(text(model.headerData(c, Qt::Horizontal)));
        }
        rows.push_back(headings);
    }
    for (int r = 0; r < model.rowCount(); ++r) {
        std::vector<std::string> row;
        if (rowHeadings) {
            row.push_back(text(model.headerData(r, Qt::Vertical)));
        }
        for (int c = 0; c < model.columnCount(); ++c) {
            row.push_back(text(model.data(model.index(r, c))));
        }
        rows.push_back(row);
    }
    return rows;
}

// The texts of the information bar's labels in their order: each caption followed by its value,
// then the notes.
inline std::vector<std::string> BarTexts(ResultWindow& window) {
    std::vector<std::string> texts;
    auto* bar = window.findChild<QWidget*>("InformationBar");
    if (bar == nullptr) {
        return texts;
    }
    for (QLabel* label : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        texts.push_back(label->text().toStdString());
    }
    return texts;
}

// Runs open, which is to open a modal dialog of the type, and plays the user on that dialog
// with act. A dialog left open is cancelled and a dialog that never came is a failure, so that no
// test waits for ever and nothing is left over for the next test.
template <typename Dialog>
void PlayModal(const std::function<void(Dialog&)>& act, const std::function<void()>& open) {
    bool played = false;
    QTimer player;
    player.setSingleShot(true);
    QObject::connect(&player, &QTimer::timeout, [&] {
        played = true;
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " is open";
            if (QWidget* other = QApplication::activeModalWidget()) {
                other->close();
            }
            return;
        }
        // The focus is the active window's: wait until the dialog is the active window.
        if (!QTest::qWaitForWindowActive(dialog)) {
            ADD_FAILURE() << Dialog::staticMetaObject.className() << " did not become active";
        }
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << Dialog::staticMetaObject.className() << " was left open";
            dialog->reject();
        }
    });
    player.start(0);
    open();
    EXPECT_TRUE(played) << "no " << Dialog::staticMetaObject.className() << " was opened";
}

// One analyzer's score and analysis windows over a document: the window logic reaches a
// scripted user interface, and the Qt windows are registered with a Qt user interface as the
// program registers them, without a main menu.
class WindowsUnderTest {
public:
    WindowsUnderTest(AnalyzerKind kind, const std::string& document, char decimalSeparator = '.')
        : session(kind), windows(session, fake), ui(kind, session.Global(), windows.Preview) {
        session.Global().DecimalSeparator = decimalSeparator;
        gui::RegisterResultWindows(ui, windows, session.Global(), &host);
        Path = folder.File(kind == AnalyzerKind::PilihanGanda ? "kelas.tav" : "kelas.tur");
        WriteFile(Path, document);
        Open(Path);
    }

    TempFolder folder;
    Session session;
    FakeUserInterface fake;
    AnalyzerWindows windows;
    QtUserInterface ui;
    QWidget host;
    std::string Path;

    // Opens the document as the main menu does: the score windows filled from what was read.
    void Open(const std::string& path) {
        session.OpenDocument(path);
        windows.Skor.FillGrid();
        if (windows.SkorDibobot) {
            windows.SkorDibobot->FillGrid();
        }
    }

    ResultWindow* Find(Window which) { return host.findChild<ResultWindow*>(WindowName(which)); }

    // Shows the window as the main menu does, maximised and modal; whileOpen looks at it and
    // uses it, then "Kembali Ke Menu Utama" closes it.
    void Show(Window which, const std::function<void(ResultWindow&)>& whileOpen = {}) {
        ResultWindow* window = Find(which);
        ASSERT_NE(window, nullptr) << WindowName(which);
        bool looked = false;
        // A timer of this call only, so that nothing is left for the next test.
        QTimer player;
        player.setSingleShot(true);
        QObject::connect(&player, &QTimer::timeout, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), window);
            if (whileOpen) {
                whileOpen(*window);
            }
            looked = true;
            QTest::mouseClick(window->BackButton(), Qt::LeftButton);
            if (window->isVisible()) {
                ADD_FAILURE() << "Kembali Ke Menu Utama left the window open";
                window->reject();
            }
        });
        player.start(0);
        ui.ShowWindow(which);
        EXPECT_TRUE(looked);
        EXPECT_FALSE(window->isVisible());
    }
};

} // namespace taviro::test
