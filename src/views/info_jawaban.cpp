#include "views/info_jawaban.h"

#include "views/user_interface.h"

#include <array>
#include <charconv>
#include <span>

namespace taviro {

namespace {

constexpr std::array TabOrderPilihanGanda = {
    TFInfoJawaban::Control::EJumSubyek, TFInfoJawaban::Control::EJumButir,
    TFInfoJawaban::Control::EJumPilihan, TFInfoJawaban::Control::OK, TFInfoJawaban::Control::Batal};

constexpr std::array TabOrderUraian = {TFInfoJawaban::Control::EJumSubyek,
                                       TFInfoJawaban::Control::EJumButir,
                                       TFInfoJawaban::Control::OK, TFInfoJawaban::Control::Batal};

bool IsEditBox(TFInfoJawaban::Control control) {
    return control == TFInfoJawaban::Control::EJumSubyek ||
           control == TFInfoJawaban::Control::EJumButir ||
           control == TFInfoJawaban::Control::EJumPilihan;
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<int> ParseEditInteger(std::string_view text) {
    std::string_view digits = TrimSpaces(text);
    // from_chars takes a minus but no plus.
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return std::nullopt;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

TFInfoJawaban::TFInfoJawaban(AnalyzerKind kind) : Kind(kind) {}

std::string_view TFInfoJawaban::Caption() const {
    return Kind == AnalyzerKind::PilihanGanda ? "Informasi Jawaban Subyek" : "-";
}

std::optional<TFInfoJawaban::Control> TFInfoJawaban::NextFocus(Key key, Control from) const {
    if (key == Key::Other || !IsEditBox(from)) {
        return std::nullopt;
    }
    const std::span<const Control> order = HasJumPilihan()
                                               ? std::span<const Control>(TabOrderPilihanGanda)
                                               : std::span<const Control>(TabOrderUraian);
    std::size_t index = 0;
    while (index < order.size() && order[index] != from) {
        ++index;
    }
    if (index == order.size()) {
        // The options field of the essay dialog does not exist.
        return std::nullopt;
    }
    const std::size_t step = key == Key::Up ? order.size() - 1 : 1;
    return order[(index + step) % order.size()];
}

bool TFInfoJawaban::Execute(UserInterface& ui) {
    FormShow();
    return ui.ShowNewFileDialog(*this);
}

bool TFInfoJawaban::FormCloseQuery(UserInterface& ui) {
    if (Cancelled) {
        return true;
    }
    bool valid = true;
    // Each field on its own, so that one attempt reports every fault and keeps every good number.
    const auto check = [&](const std::string& text, int& field, std::string_view message) {
        const std::optional<int> value = ParseEditInteger(text);
        if (!value) {
            ui.ShowMessage(std::string(message));
            valid = false;
            return false;
        }
        field = *value;
        return true;
    };
    check(EJumSubyek, JumSubyek, ErrorJumSubyek);
    check(EJumButir, JumButir, ErrorJumButir);
    if (HasJumPilihan() && check(EJumPilihan, JumPilihan, ErrorJumPilihan) &&
        (JumPilihan < 1 || JumPilihan > 5)) {
        ui.ShowMessage(std::string(ErrorRangeJumPilihan));
        valid = false;
    }
    return valid;
}

} // namespace taviro
