#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace taviro {

// Writes a document as XML text without indentation, straight into a sink in large blocks.
// Documents of a whole district hold millions of elements; building them as a tree first would
// cost several times the memory of the file and most of the time of a save.
class XmlWriter {
public:
    using Sink = std::function<void(std::string_view)>;

    explicit XmlWriter(Sink sink) : sink_(std::move(sink)) { buffer_.reserve(BlockSize); }

    // <?xml version="1.0"?>
    void Declaration();
    // <name attribute="value"> ... Close(name) writes </name>.
    void Open(std::string_view name, std::string_view attribute = {}, std::string_view value = {});
    void Close(std::string_view name);
    // <name>text</name>, or <name/> for an empty text. Markup characters are escaped, and so are
    // control characters and carriage returns, so that every text reads back unchanged. A NUL
    // character has no form that reads back (the reader's texts end at it), so it stops the
    // writing with a TaviroError that names the element.
    void Element(std::string_view name, std::string_view text);
    void Element(std::string_view name, long long value);
    // The general real form of documents.
    void RealElement(std::string_view name, long double value);
    void BoolElement(std::string_view name, bool value);
    // Hands what is left to the sink.
    void Flush();

private:
    void Escaped(std::string_view text, bool inAttribute, std::string_view owner);
    void MaybeFlush() {
        if (buffer_.size() >= BlockSize) {
            Flush();
        }
    }

    static constexpr std::size_t BlockSize = 1 << 20;
    Sink sink_;
    std::string buffer_;
};

} // namespace taviro
