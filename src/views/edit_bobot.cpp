#include "views/edit_bobot.h"

#include "core/text/number_text.h"
#include "views/user_interface.h"

namespace taviro {

void TFEditBobot::FormShow() {
    Cancelled = false;
    EBobotJwbBenar = IntToText(BobotBetul);
    EBobotJwbSalah = IntToText(BobotSalah);
}

void TFEditBobot::BitBtn2Click() {
    Cancelled = true;
}

bool TFEditBobot::FormClose() {
    if (Cancelled) {
        return true;
    }
    // Both edits are checked, so the user learns of both mistakes at once.
    bool valid = true;
    if (const auto benar = ParseInt(EBobotJwbBenar)) {
        BobotBetul = *benar;
    } else {
        ui_.ShowMessage(std::string(BenarErrorMessage));
        valid = false;
    }
    if (const auto salah = ParseInt(EBobotJwbSalah)) {
        BobotSalah = *salah;
    } else {
        ui_.ShowMessage(std::string(SalahErrorMessage));
        valid = false;
    }
    return valid;
}

TFEditBobot::FocusMove TFEditBobot::FocusAfterKey(EditKey key) {
    switch (key) {
    case EditKey::Enter:
    case EditKey::Down:
        return FocusMove::Next;
    case EditKey::Up:
        return FocusMove::Previous;
    case EditKey::Other:
        break;
    }
    return FocusMove::Stay;
}

bool TFEditBobot::AcceptsCharacter(char typed) {
    return typed != '\r' && typed != '\n';
}

} // namespace taviro
