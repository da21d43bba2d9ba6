#include "core/document/xml_writer.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

namespace taviro {

void XmlWriter::Declaration() {
    buffer_ += "<?xml version=\"1.0\"?>";
}

void XmlWriter::Open(std::string_view name, std::string_view attribute, std::string_view value) {
    buffer_ += '<';
    buffer_ += name;
    if (!attribute.empty()) {
        buffer_ += ' ';
        buffer_ += attribute;
        buffer_ += "=\"";
        Escaped(value, true, attribute);
        buffer_ += '"';
    }
    buffer_ += '>';
}

void XmlWriter::Close(std::string_view name) {
    buffer_ += "</";
    buffer_ += name;
    buffer_ += '>';
    MaybeFlush();
}

void XmlWriter::Element(std::string_view name, std::string_view text) {
    buffer_ += '<';
    buffer_ += name;
    if (text.empty()) {
        buffer_ += "/>";
    } else {
        buffer_ += '>';
        Escaped(text, false, name);
        buffer_ += "</";
        buffer_ += name;
        buffer_ += '>';
    }
    MaybeFlush();
}

void XmlWriter::Element(std::string_view name, long long value) {
    Element(name, IntToText(value));
}

void XmlWriter::RealElement(std::string_view name, long double value) {
    Element(name, RealToText(value));
}

void XmlWriter::BoolElement(std::string_view name, bool value) {
    Element(name, BoolToText(value));
}

namespace {

[[noreturn]] void ThrowNul(std::string_view text, std::string_view owner) {
    std::string shown;
    for (const char c : text) {
        shown += c == '\0' ? std::string("\\0") : std::string(1, c);
    }
    throw TaviroError("teks \"" + TruncateText(shown, 40) + "\" pada elemen \"" +
                      std::string(owner) +
                      "\" berisi karakter NUL (kode 0) yang tidak bisa disimpan; hapus karakter "
                      "itu lalu simpan lagi");
}

} // namespace

void XmlWriter::Escaped(std::string_view text, bool inAttribute, std::string_view owner) {
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            buffer_ += "&amp;";
            break;
        case '<':
            buffer_ += "&lt;";
            break;
        case '>':
            buffer_ += "&gt;";
            break;
        case '"':
            buffer_ += inAttribute ? "&quot;" : "\"";
            break;
        default:
            if (c == '\0') {
                ThrowNul(text, owner);
            }
            if (code < 32 && c != '\t' && (c != '\n' || inAttribute)) {
                buffer_ += "&#";
                buffer_ += IntToText(code);
                buffer_ += ';';
            } else {
                buffer_ += c;
            }
        }
    }
}

void XmlWriter::Flush() {
    if (!buffer_.empty()) {
        sink_(buffer_);
        buffer_.clear();
    }
}

} // namespace taviro
