#include "csv.h"

namespace {

class CsvReader {
  public:
    CsvReader(const uint8_t* data, size_t size, const CsvLimits& limits)
        : data_(data), size_(size), limits_(limits) {}

    bool read(std::vector<CsvRow>& rows, CsvError& error) {
        while (pos_ < size_) {
            CsvRow row{line_, {}};
            if (!readRow(row.fields, error)) return false;
            if (row.fields.size() == 1 && row.fields[0].empty() && !lastFieldQuoted_) continue;
            if (rows.size() == limits_.rows)
                return fail(error, row.line, "more than " + std::to_string(limits_.rows) + " rows");
            rows.push_back(std::move(row));
        }
        return true;
    }

  private:
    bool fail(CsvError& error, size_t line, const std::string& reason) {
        error = {line, reason};
        return false;
    }

    bool atLineEnd() const { return data_[pos_] == '\n' || data_[pos_] == '\r'; }

    // Consumes CRLF, LF or CR and counts the line.
    void skipLineEnd() {
        if (data_[pos_] == '\r' && pos_ + 1 < size_ && data_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    bool append(std::string& field, char c, CsvError& error) {
        if (c == '\0') return fail(error, line_, "a zero byte in a field");
        if (field.size() == limits_.fieldBytes)
            return fail(error, line_,
                        "a field longer than " + std::to_string(limits_.fieldBytes) + " bytes");
        field += c;
        return true;
    }

    bool readQuoted(std::string& field, CsvError& error) {
        const size_t opened = line_;
        ++pos_;
        for (;;) {
            if (pos_ == size_)
                return fail(error, opened, "a quoted field that is never closed");
            const char c = static_cast<char>(data_[pos_]);
            if (c == '"') {
                if (pos_ + 1 < size_ && data_[pos_ + 1] == '"') {
                    if (!append(field, '"', error)) return false;
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                if (pos_ < size_ && data_[pos_] != ',' && !atLineEnd())
                    return fail(error, line_, "text after the closing quote of a field");
                return true;
            }
            if (c == '\n' || c == '\r') {
                // A line break inside quotes belongs to the field; keep it as written.
                if (c == '\r' && pos_ + 1 < size_ && data_[pos_ + 1] == '\n') {
                    if (!append(field, '\r', error)) return false;
                    ++pos_;
                }
                if (!append(field, static_cast<char>(data_[pos_]), error)) return false;
                ++pos_;
                ++line_;
                continue;
            }
            if (!append(field, c, error)) return false;
            ++pos_;
        }
    }

    bool readPlain(std::string& field, CsvError& error) {
        while (pos_ < size_ && data_[pos_] != ',' && !atLineEnd()) {
            if (data_[pos_] == '"')
                return fail(error, line_, "a quote inside a field that does not start with one");
            if (!append(field, static_cast<char>(data_[pos_]), error)) return false;
            ++pos_;
        }
        return true;
    }

    bool readRow(std::vector<std::string>& fields, CsvError& error) {
        for (;;) {
            if (fields.size() == limits_.fieldsPerRow)
                return fail(error, line_,
                            "more than " + std::to_string(limits_.fieldsPerRow) + " fields");
            fields.emplace_back();
            lastFieldQuoted_ = pos_ < size_ && data_[pos_] == '"';
            if (!(lastFieldQuoted_ ? readQuoted(fields.back(), error)
                                   : readPlain(fields.back(), error)))
                return false;
            if (pos_ == size_) return true;
            if (data_[pos_] == ',') {
                ++pos_;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

    const uint8_t* data_;
    size_t size_;
    const CsvLimits& limits_;
    size_t pos_ = 0;
    size_t line_ = 1;
    bool lastFieldQuoted_ = false;
};

bool needsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

} // namespace

bool readCsv(const uint8_t* data, size_t size, const CsvLimits& limits, std::vector<CsvRow>& rows,
             CsvError& error) {
    return CsvReader(data, size, limits).read(rows, error);
}

void appendCsvRow(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const std::string& f = fields[i];
        if (!needsQuotes(f)) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}
