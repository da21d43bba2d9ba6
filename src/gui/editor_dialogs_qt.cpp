#include "gui/editor_dialogs_qt.h"

#include "gui/colours.h"
#include "gui/qt_user_interface.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace taviro::gui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The look the three dialogs share: sky blue, the dialogs' font.
void StyleDialog(QDialog& dialog, std::string_view caption) {
    dialog.setWindowTitle(Text(caption));
    dialog.setAutoFillBackground(true);
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, SkyBlue);
    dialog.setPalette(palette);
    QFont font(SansFont);
    font.setPixelSize(13);
    dialog.setFont(font);
}

QLabel* TitleLabel(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(Text(text), parent);
    QFont font(SansFont);
    font.setPixelSize(16);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
    return label;
}

std::optional<TFHapusBanyakSubyek::EditKey> EditKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TFHapusBanyakSubyek::EditKey::Enter;
    case Qt::Key_Up:
        return TFHapusBanyakSubyek::EditKey::Up;
    case Qt::Key_Down:
        return TFHapusBanyakSubyek::EditKey::Down;
    default:
        return std::nullopt;
    }
}

// The window the user interface opens its dialogs over now: the editor while it is shown.
QWidget* DialogParent(const QtUserInterface& ui, QWidget* fallback) {
    return ui.Parent != nullptr ? ui.Parent : fallback;
}

} // namespace

// ---- Range dialog ------------------------------------------------------------------------------

DeleteRangeDialog::DeleteRangeDialog(TFHapusBanyakSubyek& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName("FHapusBanyakSubyek");
    StyleDialog(*this, TFHapusBanyakSubyek::Caption);

    auto* heading = new QLabel(Text(TFHapusBanyakSubyek::Heading), this);
    QFont headingFont = font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* fields = new QGridLayout(bevel);
    const auto addField = [&](std::string_view caption, const char* name) {
        auto* edit = new QLineEdit(bevel);
        edit->setObjectName(name);
        edit->setFixedWidth(70);
        edit->installEventFilter(this);
        const int row = fields->rowCount();
        fields->addWidget(new QLabel(Text(caption), bevel), row, 0);
        fields->addWidget(edit, row, 1);
        return edit;
    };
    EMulai = addField(TFHapusBanyakSubyek::LabelMulai, "EMulai");
    ESampai = addField(TFHapusBanyakSubyek::LabelSampai, "ESampai");

    OK = new QPushButton("OK", this);
    OK->setObjectName("OK");
    Batal = new QPushButton("Batal", this);
    Batal->setObjectName("Batal");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Batal);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(EMulai, ESampai);
    setTabOrder(ESampai, OK);
    setTabOrder(OK, Batal);

    connect(EMulai, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.EMulai = text.toStdString(); });
    connect(ESampai, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.ESampai = text.toStdString(); });
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Batal, &QPushButton::clicked, this, [this] {
        logic_.BatalClick();
        reject();
    });
}

bool DeleteRangeDialog::Run() {
    return exec() == Accepted;
}

void DeleteRangeDialog::showEvent(QShowEvent* event) {
    EMulai->setText(Text(logic_.EMulai));
    ESampai->setText(Text(logic_.ESampai));
    EMulai->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void DeleteRangeDialog::done(int result) {
    // The message boxes of FormClose may outlive a dialog closed meanwhile by its owner.
    const QPointer<DeleteRangeDialog> self(this);
    const bool mayClose = logic_.FormClose();
    if (self == nullptr || !mayClose) {
        return;
    }
    QDialog::done(logic_.Cancelled ? Rejected : result);
}

void DeleteRangeDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Batal->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

QWidget* DeleteRangeDialog::ControlWidget(TFHapusBanyakSubyek::Control control) const {
    switch (control) {
    case TFHapusBanyakSubyek::Control::EMulai:
        return EMulai;
    case TFHapusBanyakSubyek::Control::ESampai:
        return ESampai;
    case TFHapusBanyakSubyek::Control::OK:
        return OK;
    case TFHapusBanyakSubyek::Control::Batal:
        break;
    }
    return Batal;
}

std::optional<TFHapusBanyakSubyek::Control>
DeleteRangeDialog::EditControl(const QObject* widget) const {
    if (widget == EMulai) {
        return TFHapusBanyakSubyek::Control::EMulai;
    }
    if (widget == ESampai) {
        return TFHapusBanyakSubyek::Control::ESampai;
    }
    return std::nullopt;
}

bool DeleteRangeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto control = EditControl(watched);
        const auto key = EditKeyOf(*static_cast<QKeyEvent*>(event));
        if (control && key) {
            const TFHapusBanyakSubyek::Control next =
                TFHapusBanyakSubyek::FocusAfterKey(*control, *key);
            // Enter always stays out of the buttons' reach, even where the focus stays.
            if (next != *control || *key == TFHapusBanyakSubyek::EditKey::Enter) {
                ControlWidget(next)->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- File dialogs ------------------------------------------------------------------------------

OtherFileQtDialog::OtherFileQtDialog(OtherFileDialog& logic, const Texts& texts, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    StyleDialog(*this, texts.Caption);

    auto* title = TitleLabel(texts.Title, this);
    auto* note = new QLabel(Text(texts.Note), this);
    note->setWordWrap(true);
    if (!texts.Warning.empty()) {
        WarningLabel = new QLabel(Text(texts.Warning), this);
        WarningLabel->setObjectName("Warning");
        QFont warningFont = font();
        warningFont.setBold(true);
        WarningLabel->setFont(warningFont);
        WarningLabel->setStyleSheet("color: red;");
        WarningLabel->setWordWrap(true);
    }

    // A heading makes the bevel a group box; without one it is a sunken panel.
    QWidget* bevel = nullptr;
    if (!texts.BevelHeading.empty()) {
        bevel = new QGroupBox(Text(texts.BevelHeading), this);
    } else {
        auto* panel = new QFrame(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bevel = panel;
    }
    ENamaFile = new QLineEdit(bevel);
    ENamaFile->setObjectName("ENamaFile");
    PilihFile = new QPushButton(Text(OtherFileDialog::ButtonPilihFile), bevel);
    PilihFile->setObjectName("PilihFile");
    PilihFile->setAutoDefault(false);
    auto* fileRow = new QHBoxLayout(bevel);
    fileRow->addWidget(new QLabel(Text(OtherFileDialog::LabelNamaFile), bevel));
    fileRow->addWidget(ENamaFile, 1);
    fileRow->addWidget(PilihFile);

    YA = new QPushButton("&YA", this);
    YA->setObjectName("YA");
    YA->setDefault(true);
    BATAL = new QPushButton("BATAL", this);
    BATAL->setObjectName("BATAL");
    BATAL->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(YA);
    buttons->addWidget(BATAL);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(note);
    if (WarningLabel != nullptr) {
        layout->addWidget(WarningLabel);
    }
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    setFixedWidth(460);

    connect(ENamaFile, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.ENamaFile = text.toStdString(); });
    connect(PilihFile, &QPushButton::clicked, this, [this] {
        logic_.ENamaFile = ENamaFile->text().toStdString();
        logic_.PilihFileClick();
        ENamaFile->setText(Text(logic_.ENamaFile));
    });
    connect(YA, &QPushButton::clicked, this, &QDialog::accept);
    connect(BATAL, &QPushButton::clicked, this, &QDialog::reject);
}

bool OtherFileQtDialog::Run() {
    return exec() == Accepted;
}

void OtherFileQtDialog::showEvent(QShowEvent* event) {
    ENamaFile->setText(Text(logic_.ENamaFile));
    ENamaFile->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void OtherFileQtDialog::done(int result) {
    logic_.ENamaFile = ENamaFile->text().toStdString();
    logic_.FormClose();
    QDialog::done(result);
}

ImportNamesDialog::ImportNamesDialog(TFAmbilNamaSubyek& logic, QWidget* parent)
    : OtherFileQtDialog(
          logic,
          {TFAmbilNamaSubyek::Caption, TFAmbilNamaSubyek::Title, TFAmbilNamaSubyek::Note, {}, {}},
          parent) {
    setObjectName("FAmbilNamaSubyek");
}

MergeDialog::MergeDialog(TFGabungDuaFile& logic, QWidget* parent)
    : OtherFileQtDialog(logic,
                        {TFGabungDuaFile::Caption, TFGabungDuaFile::Title, TFGabungDuaFile::Note,
                         logic.Warning(), TFGabungDuaFile::BevelHeading},
                        parent) {
    setObjectName("FGabungDuaFile");
}

void RegisterEditorDialogs(QtUserInterface& ui, QWidget* parent) {
    const QPointer<QWidget> fallback(parent);
    ui.DeleteRangeDialog = [&ui, fallback](TFHapusBanyakSubyek& logic) {
        DeleteRangeDialog dialog(logic, DialogParent(ui, fallback));
        return dialog.Run();
    };
    ui.ImportNamesDialog = [&ui, fallback](TFAmbilNamaSubyek& logic) {
        ImportNamesDialog dialog(logic, DialogParent(ui, fallback));
        return dialog.Run();
    };
    ui.MergeDialog = [&ui, fallback](TFGabungDuaFile& logic) {
        MergeDialog dialog(logic, DialogParent(ui, fallback));
        return dialog.Run();
    };
}

} // namespace taviro::gui
