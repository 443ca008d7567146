#include "json.h"

#include "utf8text.h"

#include <cstdio>

namespace {

void indent(std::string& out, size_t depth) {
    out += '\n';
    out.append(2 * depth, ' ');
}

} // namespace

std::string jsonQuoted(const std::string& utf8) {
    std::string s = "\"";
    for (size_t at = 0; at < utf8.size();) {
        const size_t good = firstBadUtf8(utf8.data() + at, utf8.size() - at);
        for (size_t i = at; i < at + good; ++i) {
            const unsigned char c = static_cast<unsigned char>(utf8[i]);
            if (c == '"' || c == '\\') {
                s += '\\';
                s += static_cast<char>(c);
            } else if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", c);
                s += buf;
            } else {
                s += static_cast<char>(c);
            }
        }
        at += good;
        if (at < utf8.size()) {
            s += "\\uFFFD";
            ++at;
        }
    }
    return s + "\"";
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasItems_.empty()) return;
    if (hasItems_.back()) out_ += ',';
    hasItems_.back() = true;
    indent(out_, hasItems_.size());
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ += bracket;
    hasItems_.push_back(false);
}

void JsonWriter::close(char bracket) {
    const bool items = hasItems_.back();
    hasItems_.pop_back();
    if (items) indent(out_, hasItems_.size());
    out_ += bracket;
}

JsonWriter& JsonWriter::beginObject() {
    open('{');
    return *this;
}
JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}
JsonWriter& JsonWriter::beginArray() {
    open('[');
    return *this;
}
JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(const std::string& name) {
    beforeValue();
    out_ += jsonQuoted(name) + ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(const std::string& utf8) {
    beforeValue();
    out_ += jsonQuoted(utf8);
    return *this;
}

JsonWriter& JsonWriter::number(long long value) {
    beforeValue();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

std::string JsonWriter::text() const {
    return hasItems_.empty() ? out_ + "\n" : out_;
}
