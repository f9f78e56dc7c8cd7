#include "xmlParts.h"

#include <zlib.h>

#include <climits>

namespace interchange {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isNameChar(char c) { return !isBlank(c) && c != '<' && c != '>' && c != '/' && c != '=' && c != '"' && c != '\'' && c != '?' && c != '!'; }

class MarkupScanner {
public:
    explicit MarkupScanner(std::string_view xml) : xml_(xml) {}

    bool scan(std::string& error) {
        if (xml_.substr(0, 3) == "\xEF\xBB\xBF")
            at_ = 3;
        bool root = false;
        while ((at_ = xml_.find('<', at_)) != std::string_view::npos) {
            if (!markup(root))
                break;
        }
        if (error_.empty() && !open_.empty())
            error_ = "the element <" + std::string(open_.back()) + "> is not closed";
        if (error_.empty() && !root)
            error_ = "no element";
        error = error_;
        return error_.empty();
    }

private:
    // The markup that begins at the '<' at at_; false once the text is known to be malformed.
    bool markup(bool& root) {
        const std::string_view rest = xml_.substr(at_);
        if (rest.starts_with("<?"))
            return skipPast("?>", "a processing instruction");
        if (rest.starts_with("<!--"))
            return skipPast("-->", "a comment");
        if (rest.starts_with("<![CDATA["))
            return inElement("a CDATA section") && skipPast("]]>", "a CDATA section");
        if (rest.starts_with("<!"))
            return skipPast(">", "a declaration");
        if (rest.starts_with("</"))
            return endTag();
        return startTag(root);
    }

    bool skipPast(std::string_view end, const char* what) {
        const std::size_t found = xml_.find(end, at_ + 2);
        if (found == std::string_view::npos)
            return fail(std::string(what) + " is not closed");
        at_ = found + end.size();
        return true;
    }

    bool inElement(const char* what) {
        return !open_.empty() || fail(std::string(what) + " outside the root element");
    }

    std::string_view name() {
        const std::size_t start = at_;
        while (at_ < xml_.size() && isNameChar(xml_[at_]))
            ++at_;
        return xml_.substr(start, at_ - start);
    }

    void blanks() {
        while (at_ < xml_.size() && isBlank(xml_[at_]))
            ++at_;
    }

    bool endTag() {
        at_ += 2;
        const std::string_view tag = name();
        blanks();
        if (tag.empty() || at_ >= xml_.size() || xml_[at_] != '>')
            return fail("an end tag is malformed");
        if (open_.empty() || open_.back() != tag)
            return fail("the end tag </" + std::string(tag) + "> matches no open element");
        open_.pop_back();
        ++at_;
        return true;
    }

    bool startTag(bool& root) {
        ++at_;
        const std::string_view tag = name();
        if (tag.empty())
            return fail("a tag has no name");
        if (open_.empty()) {
            if (root)
                return fail("a second root element <" + std::string(tag) + ">");
            root = true;
        }
        for (;;) {
            const std::size_t before = at_;
            blanks();
            if (at_ >= xml_.size())
                return fail("the tag <" + std::string(tag) + "> is not closed");
            if (xml_[at_] == '>') {
                ++at_;
                open_.push_back(tag);
                return true;
            }
            if (xml_[at_] == '/') {
                if (at_ + 1 >= xml_.size() || xml_[at_ + 1] != '>')
                    return fail("the tag <" + std::string(tag) + "> is malformed");
                at_ += 2;
                return true;
            }
            if (at_ == before)
                return fail("the attributes of <" + std::string(tag) + "> are not separated");
            if (!attribute(tag))
                return false;
        }
    }

    bool attribute(std::string_view tag) {
        const std::string_view attr = name();
        blanks();
        if (attr.empty() || at_ >= xml_.size() || xml_[at_] != '=')
            return fail("an attribute of <" + std::string(tag) + "> is malformed");
        ++at_;
        blanks();
        if (at_ >= xml_.size() || (xml_[at_] != '"' && xml_[at_] != '\''))
            return fail("the attribute " + std::string(attr) + " of <" + std::string(tag) + "> has no quoted value");
        const char quote = xml_[at_];
        const std::size_t close = xml_.find(quote, at_ + 1);
        const std::size_t angle = xml_.find('<', at_ + 1);
        if (close == std::string_view::npos || angle < close)
            return fail("the value of " + std::string(attr) + " of <" + std::string(tag) + "> is not closed");
        at_ = close + 1;
        return true;
    }

    bool fail(const std::string& why) {
        error_ = why + " (byte " + std::to_string(at_) + ")";
        return false;
    }

    std::string_view xml_;
    std::size_t at_ = 0;
    std::vector<std::string_view> open_;
    std::string error_;
};

bool endsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The part's bytes unpacked; the sizes were checked against the limits before.
bool unpack(std::string_view archive, const ZipPart& part, std::string& out, std::string& error) {
    const std::string_view packed = archive.substr(std::size_t(part.dataAt), std::size_t(part.packed));
    if (part.method == 0) {
        out.assign(packed.substr(0, std::size_t(part.size)));
        return true;
    }
    if (part.method != 8 || part.size > UINT_MAX || part.packed > UINT_MAX) {
        error = "the workbook's part " + part.name + " is packed in a way that cannot be read";
        return false;
    }
    out.assign(std::size_t(part.size), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        error = "the workbook's part " + part.name + " cannot be unpacked";
        return false;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = uInt(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int status = inflate(&stream, Z_FINISH);
    const std::size_t produced = out.size() - stream.avail_out;
    inflateEnd(&stream);
    // A stream that ends early or wants more room than its declared size is damaged.
    if (status != Z_STREAM_END) {
        error = "the workbook's part " + part.name + " is damaged (it does not unpack)";
        return false;
    }
    out.resize(produced);
    return true;
}

} // namespace

bool checkXmlMarkup(std::string_view xml, std::string& error) { return MarkupScanner(xml).scan(error); }

bool checkXmlParts(std::string_view archive, const std::vector<ZipPart>& parts, std::string& error) {
    std::string text;
    for (const ZipPart& part : parts) {
        if (!endsWith(part.name, ".xml") && !endsWith(part.name, ".rels"))
            continue;
        if (!unpack(archive, part, text, error))
            return false;
        std::string why;
        if (!checkXmlMarkup(text, why)) {
            error = "the workbook's part " + part.name + " is not well-formed XML: " + why;
            return false;
        }
    }
    return true;
}

} // namespace interchange
