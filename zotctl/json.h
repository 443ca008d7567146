#pragma once
// A small JSON writer for zotctl's --json output: objects, arrays, strings,
// numbers and booleans, indented two spaces. It always writes valid JSON:
// control characters are escaped and bytes that are not UTF-8 become U+FFFD.
#include <string>
#include <vector>

class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const std::string& name); // inside an object, before each value
    JsonWriter& string(const std::string& utf8);
    JsonWriter& number(long long value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();
    // The text written so far, with a final line end once everything is closed.
    std::string text() const;

  private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    std::string out_;
    std::vector<bool> hasItems_; // one per open object or array
    bool afterKey_ = false;
};

std::string jsonQuoted(const std::string& utf8);
