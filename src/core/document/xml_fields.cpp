#include "core/document/xml_fields.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

namespace taviro {

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string ChildPath(pugi::xml_node parent, const char* name) {
    const std::string parentPath = ElementPath(parent);
    return parentPath.empty() ? std::string(name) : parentPath + "/" + name;
}

[[noreturn]] void ThrowConversion(pugi::xml_node parent, const char* name, const char* expected) {
    const pugi::xml_node child = parent.child(name);
    const std::string path = Quoted(ChildPath(parent, name));
    if (!child) {
        throw TaviroError("elemen " + path + " tidak ada");
    }
    const std::string text = child.text().get();
    if (text.empty()) {
        throw TaviroError("elemen " + path + " kosong, padahal harus berisi " + expected);
    }
    throw TaviroError("elemen " + path + " berisi " + Quoted(TruncateText(text, 40)) +
                      ", bukan " + expected);
}

} // namespace

std::string ElementPath(pugi::xml_node node) {
    // The root element is left out: its name is not fixed.
    std::string path;
    for (; node && node.parent() && node.parent().type() == pugi::node_element;
         node = node.parent()) {
        path = path.empty() ? std::string(node.name()) : std::string(node.name()) + "/" + path;
    }
    return path;
}

std::string ReadTextChild(pugi::xml_node parent, const char* name) {
    return parent.child(name).text().get();
}

int ReadIntChild(pugi::xml_node parent, const char* name) {
    if (const auto value = ParseInt(parent.child(name).text().get())) {
        return *value;
    }
    ThrowConversion(parent, name, "bilangan bulat");
}

bool ReadBoolChild(pugi::xml_node parent, const char* name) {
    if (const auto value = ParseBool(parent.child(name).text().get())) {
        return *value;
    }
    ThrowConversion(parent, name, "nilai benar/salah");
}

double ReadRealChild(pugi::xml_node parent, const char* name) {
    if (const auto value = ParseReal(parent.child(name).text().get())) {
        return *value;
    }
    ThrowConversion(parent, name, "bilangan");
}

std::vector<double> ReadRealListChild(pugi::xml_node parent, const char* name) {
    std::vector<double> numbers;
    for (const std::string& piece : SplitText(parent.child(name).text().get(), ',')) {
        const auto value = ParseReal(piece);
        if (!value) {
            ThrowConversion(parent, name, "daftar bilangan yang dipisah koma");
        }
        numbers.push_back(*value);
    }
    return numbers;
}

int ReadCountChild(pugi::xml_node parent, const char* name, int limit) {
    const int value = ReadIntChild(parent, name);
    const std::string path = Quoted(ChildPath(parent, name));
    if (value < 0) {
        throw TaviroError("elemen " + path + " bernilai " + IntToText(value) +
                          ", padahal jumlah tidak boleh negatif");
    }
    if (limit >= 0 && value > limit) {
        throw TaviroError("elemen " + path + " bernilai " + IntToText(value) +
                          ", terlalu besar (paling banyak " + IntToText(limit) + ")");
    }
    return value;
}

pugi::xml_node RequireChild(pugi::xml_node parent, const char* name) {
    const pugi::xml_node child = parent.child(name);
    if (!child) {
        throw TaviroError("elemen " + Quoted(ChildPath(parent, name)) + " tidak ada");
    }
    return child;
}

std::vector<pugi::xml_node> RepeatedElements(pugi::xml_node parent, const char* firstName,
                                             int count, pugi::xml_node countElement) {
    std::vector<pugi::xml_node> elements;
    if (count == 0) {
        return elements;
    }
    const std::string countPath = Quoted(ElementPath(countElement));
    if (count < 0) {
        throw TaviroError("elemen " + countPath + " bernilai " + IntToText(count) +
                          ", padahal jumlah tidak boleh negatif");
    }
    for (pugi::xml_node node = parent.child(firstName);
         node && elements.size() < static_cast<std::size_t>(count);
         node = node.next_sibling()) {
        if (node.type() == pugi::node_element) {
            elements.push_back(node);
        }
    }
    if (elements.size() < static_cast<std::size_t>(count)) {
        throw TaviroError("elemen " + countPath + " berisi " + IntToText(count) +
                          ", tetapi yang ada hanya " +
                          IntToText(static_cast<long long>(elements.size())) + " elemen " +
                          Quoted(firstName) + " di " + Quoted(ElementPath(parent)));
    }
    return elements;
}

} // namespace taviro
