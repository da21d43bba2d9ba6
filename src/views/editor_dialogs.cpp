#include "views/editor_dialogs.h"

#include "core/text/number_text.h"
#include "views/user_interface.h"

namespace taviro {

void TFHapusBanyakSubyek::FormShow() {
    Cancelled = false;
}

void TFHapusBanyakSubyek::BatalClick() {
    Cancelled = true;
}

bool TFHapusBanyakSubyek::FormClose() {
    if (Cancelled) {
        return true;
    }
    // Both edits are read, so the user learns of both mistakes at once.
    bool valid = true;
    if (const auto start = ParseInt(EMulai)) {
        RangeStart = *start;
    } else {
        ui_.ShowMessage(std::string(MulaiErrorMessage));
        valid = false;
    }
    if (const auto end = ParseInt(ESampai)) {
        RangeEnd = *end;
    } else {
        ui_.ShowMessage(std::string(SampaiErrorMessage));
        valid = false;
    }
    return valid;
}

TFHapusBanyakSubyek::Control TFHapusBanyakSubyek::FocusAfterKey(Control edit, EditKey key) {
    constexpr int controlCount = 4;
    const auto step = [edit](int by) {
        return static_cast<Control>((static_cast<int>(edit) + by + controlCount) % controlCount);
    };
    switch (key) {
    case EditKey::Enter:
        return step(1);
    case EditKey::Down:
        return edit == Control::EMulai ? step(1) : edit;
    case EditKey::Up:
        return edit == Control::EMulai ? step(-1) : edit;
    case EditKey::Other:
        break;
    }
    return edit;
}

void OtherFileDialog::PilihFileClick() {
    if (auto path = ui_.ChooseFileToOpen()) {
        ENamaFile = std::move(*path);
    }
}

void OtherFileDialog::FormClose() {
    OtherFileName = ENamaFile;
}

std::string_view TFGabungDuaFile::Warning() const {
    return kind_ == AnalyzerKind::PilihanGanda ? "CATATAN: JUMLAH BUTIR SOAL DAN KUNCI HARUS SAMA"
                                               : "";
}

} // namespace taviro
