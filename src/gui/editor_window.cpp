#include "gui/editor_window.h"

#include "core/global.h"
#include "core/taviro_error.h"
#include "gui/colours.h"
#include "gui/grid_view.h"
#include "gui/qt_user_interface.h"
#include "gui/result_window.h"
#include "views/user_interface.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace taviro::gui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* Panel(const QColor& colour, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

// The keys that the logic tells apart by their code rather than by the text they type.
std::optional<KeyCode> CodeOf(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::Enter;
    case Qt::Key_Backspace:
        return KeyCode::Backspace;
    case Qt::Key_Delete:
        return KeyCode::Delete;
    case Qt::Key_Left:
        return KeyCode::Left;
    case Qt::Key_Right:
        return KeyCode::Right;
    case Qt::Key_Up:
        return KeyCode::Up;
    case Qt::Key_Down:
        return KeyCode::Down;
    default:
        return std::nullopt;
    }
}

// The keys with which the view moves the cursor by itself; the logic hears of their release.
bool IsViewNavigation(int key) {
    return key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

// The text a key types, or nothing for a shortcut or a control character. Ctrl and Alt together
// are AltGr on some systems, which types characters.
std::optional<QString> TypedText(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (ctrl != alt || modifiers.testFlag(Qt::MetaModifier)) {
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); })) {
        return std::nullopt;
    }
    return text;
}

} // namespace

EditorWindow::EditorWindow(TFEditDatamEntah& logic, UserInterface& ui, const TGlobal& global,
                           QWidget* parent)
    : QDialog(parent), logic_(logic), ui_(ui) {
    setObjectName("FEditDatamEntah");
    setWindowTitle(Text(logic_.Caption));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    // Only the essay editor's merge dialog goes without the warning about the key.
    const bool essay = logic_.FGabungDuaFile.Warning().empty();

    QWidget* top = Panel(MoneyGreen, this);
    auto* title = new QLabel(Text(TFEditDatamEntah::Title), top);
    QFont titleFont(SansFont);
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
    auto* topLayout = new QHBoxLayout(top);
    topLayout->addWidget(title);
    topLayout->addStretch();
    Kembali = LinkButton("Kembali Ke Menu Utama", top);
    Kembali->setObjectName("Kembali");
    Kembali->setAutoDefault(false);
    Kembali->setFocusPolicy(Qt::NoFocus);
    topLayout->addWidget(Kembali);
    connect(Kembali, &QPushButton::clicked, this, &QDialog::accept);
    SBBuatFile = CommandButton(
        "Buat File Baru", "SBBuatFile", [this] { logic_.SBBuatFileClick(); }, top);
    SBSimpan = CommandButton(
        "Simpan", "SBSimpan", [this] { logic_.SBSimpanClick(); }, top);
    SBBaca = CommandButton(
        "Baca File", "SBBaca", [this] { logic_.SBBacaClick(); }, top);
    SBCetak = CommandButton(
        "Cetak", "SBCetak", [this] { logic_.SBCetakClick(); }, top);

    QWidget* bar = Panel(SkyBlue, this);
    auto* barLayout = new QHBoxLayout(bar);
    QFont small(SansFont);
    small.setPixelSize(13);
    QFont valueFont = small;
    valueFont.setBold(true);
    const auto addValue = [&](const QString& caption, const char* name) {
        auto* label = new QLabel(caption, bar);
        label->setFont(small);
        auto* value = new QLabel(bar);
        value->setObjectName(name);
        value->setFont(valueFont);
        value->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
        value->setMinimumWidth(40);
        barLayout->addWidget(label);
        barLayout->addWidget(value);
        barLayout->addSpacing(16);
        return value;
    };
    LJumSubyek = addValue("Jumlah Subyek", "LJumSubyek");
    LJumButir = addValue("Jumlah Butir Soal", "LJumButir");
    if (!essay) {
        LJumPilihanJwb = addValue("Jumlah Pilihan Jawaban", "LJumPilihanJwb");
    }
    barLayout->addStretch();

    grid_ = new GridView(logic_, 0, global, this);
    grid_->setObjectName("SG");
    // Both heading rows stay in view: the new item numbers over the initial ones.
    grid_->SetHeaderRows(TFEditDatamEntah::FirstSubjectRow - 1);
    grid_->Model().Placeholder = [this](int row, int col) { return logic_.Placeholder(row, col); };
    // Tab leaves the grid, as in any form.
    grid_->setTabKeyNavigation(false);
    grid_->horizontalHeader()->setDefaultSectionSize(ItemColumnWidth);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setMinimumWidth(SequenceColumnWidth);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The name column is wide enough for its prompt and the key row's label (the multiple-choice
    // one, the longer of the two kinds').
    QFont labelFont = grid_->font();
    labelFont.setBold(true);
    nameWidth_ = std::max(
        {NameColumnWidth,
         grid_->fontMetrics().horizontalAdvance(Text(TFEditDatamEntah::NamePlaceholder)) + 12,
         QFontMetrics(labelFont).horizontalAdvance(" Nama Subyek | Kunci ->") + 12});
    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { CurrentChanged(current); });
    connect(&grid_->Model(), &QAbstractItemModel::modelReset, this,
            &EditorWindow::ApplyColumnWidths);
    // Widths the user sets for the number and name columns outlast reshaping the grid.
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int width) {
                if (section == 0) {
                    numberWidth_ = width;
                } else if (section == 1) {
                    nameWidth_ = width;
                }
            });

    QWidget* bottom = Panel(SkyBlue, this);
    auto* bottomLayout = new QHBoxLayout(bottom);
    SBTambahSubyek = CommandButton(
        "Tambah Subyek", "SBTambahSubyek", [this] { logic_.SBTambahSubyekClick(); }, bottom);
    SBSisipSubyek = CommandButton(
        "Sisipkan Subyek", "SBSisipSubyek", [this] { logic_.SBSisipSubyekClick(); }, bottom);
    SBhapusSubyek = CommandButton(
        "Hapus Subyek", "SBhapusSubyek", [this] { logic_.SBhapusSubyekClick(); }, bottom);
    SBhapusButir = CommandButton(
        "Hapus Butir Soal", "SBhapusButir", [this] { logic_.SBhapusButirClick(); }, bottom);
    SBHapusBanyakSubyek = CommandButton(
        "Hapus Banyak Subyek", "SBHapusBanyakSubyek", [this] { logic_.SBHapusBanyakSubyekClick(); },
        bottom);
    SBAmbilNamaSubyek = CommandButton(
        "Tambah Nama Subyek dari File Lain", "SBAmbilNamaSubyek",
        [this] { logic_.SBAmbilNamaSubyekClick(); }, bottom);
    SBTambahData = CommandButton(
        "Tambah Data dari File Lain", "SBTambahData", [this] { logic_.SBTambahDataClick(); },
        bottom);
    bottomLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(bar);
    layout->addWidget(grid_, 1);
    layout->addWidget(bottom);
    resize(1000, 650);
    setWindowState(Qt::WindowMaximized);
    Reload();
}

QPushButton* EditorWindow::CommandButton(const QString& caption, const char* name,
                                         std::function<void()> command, QWidget* panel) {
    QPushButton* button = LinkButton(caption, panel);
    button->setObjectName(name);
    // The grid keeps the focus, so typing goes on after a command.
    button->setFocusPolicy(Qt::NoFocus);
    // Enter belongs to the grid: no button of the window is a default button.
    button->setAutoDefault(false);
    panel->layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, run = std::move(command)] { Run(run); });
    return button;
}

void EditorWindow::Run(const std::function<void()>& command) {
    try {
        command();
    } catch (const TaviroError& error) {
        ui_.ShowError(error.what());
    }
    Refresh();
}

void EditorWindow::Reload() {
    grid_->Reload();
    ShowLabels();
    ShowCursor();
}

void EditorWindow::Refresh() {
    grid_->Refresh();
    ShowLabels();
    ShowCursor();
}

void EditorWindow::ShowLabels() {
    setWindowTitle(Text(logic_.Caption));
    LJumSubyek->setText(Text(logic_.LJumSubyek));
    LJumButir->setText(Text(logic_.LJumButir));
    if (LJumPilihanJwb != nullptr) {
        LJumPilihanJwb->setText(Text(logic_.LJumPilihanJwb));
    }
}

void EditorWindow::ShowCursor() {
    const GridCell cell = logic_.CurrentCell();
    const QModelIndex index = grid_->Model().IndexOf(cell.Row, cell.Col);
    showingCursor_ = true;
    grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    showingCursor_ = false;
    // A hidden view has no size yet to scroll in: it would hide the name column for good.
    if (index.isValid() && grid_->isVisible()) {
        grid_->scrollTo(index);
    }
}

void EditorWindow::ApplyColumnWidths() {
    QHeaderView* header = grid_->horizontalHeader();
    const int numberWidth = numberWidth_;
    const int nameWidth = nameWidth_;
    header->resizeSection(0, numberWidth);
    header->resizeSection(1, nameWidth);
}

void EditorWindow::CurrentChanged(const QModelIndex& current) {
    if (showingCursor_ || !current.isValid()) {
        return;
    }
    const GridModel& model = grid_->Model();
    logic_.SetCurrentCell({model.GridCol(current.column()), model.GridRow(current.row())});
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        return GridKeyPress(static_cast<const QKeyEvent&>(*event));
    }
    if (watched == grid_ && event->type() == QEvent::KeyRelease) {
        GridKeyRelease(static_cast<const QKeyEvent&>(*event));
    }
    return QDialog::eventFilter(watched, event);
}

bool EditorWindow::GridKeyPress(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste)) {
        const std::string text = QApplication::clipboard()->text().toStdString();
        Run([this, &text] { logic_.Paste(text, logic_.CurrentCell()); });
        return true;
    }
    if (const auto code = CodeOf(event.key())) {
        Run([this, code] { logic_.PressKey(*code); });
        return true;
    }
    if (const auto text = TypedText(event)) {
        Run([this, typed = text->toStdString()] { logic_.TypeText(typed); });
        return true;
    }
    if (event.key() == Qt::Key_Escape) {
        // Not the view's either: the window has no cancel button.
        return true;
    }
    // Tab, the page keys and shortcuts are the view's and the window's.
    return false;
}

void EditorWindow::GridKeyRelease(const QKeyEvent& event) {
    if (!event.isAutoRepeat() && IsViewNavigation(event.key())) {
        Run([this] { logic_.SGKeyUp(); });
    }
}

void EditorWindow::showEvent(QShowEvent* event) {
    logic_.FormShow();
    if (auto* qtUi = dynamic_cast<QtUserInterface*>(&ui_); qtUi != nullptr && qtUi_ == nullptr) {
        qtUi_ = qtUi;
        previousParent_ = qtUi->Parent;
        qtUi->Parent = this;
    }
    Reload();
    grid_->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button, so Escape, which would close a dialog, does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void EditorWindow::done(int result) {
    if (isVisible()) {
        Run([this] { logic_.KembaliClick(); });
    }
    if (qtUi_ != nullptr) {
        qtUi_->Parent = previousParent_;
        qtUi_ = nullptr;
    }
    QDialog::done(result);
}

} // namespace taviro::gui
