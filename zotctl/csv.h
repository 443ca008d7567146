#pragma once
// Comma-separated text as spreadsheets write it (RFC 4180): fields quoted when
// they hold a comma, a quote or a line break, quotes doubled inside, rows
// ended by CRLF. The reader also takes LF and lone CR line ends. It works on
// bytes; the caller decides the character encoding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the reader accepts at most; anything larger is refused with the line
// where it happened, so hostile input cannot make it grow without bound.
struct CsvLimits {
    size_t fieldBytes = 4096;
    size_t fieldsPerRow = 256;
    size_t rows = 10000;
};

struct CsvRow {
    size_t line; // the line the row starts on, from 1
    std::vector<std::string> fields;
};

struct CsvError {
    size_t line;
    std::string reason;
};

// Splits `data` into rows; blank lines are skipped. Returns false with the
// first problem in `error`, and then `rows` holds the rows before it.
bool readCsv(const uint8_t* data, size_t size, const CsvLimits& limits, std::vector<CsvRow>& rows,
             CsvError& error);

// Appends one row, each field quoted only where it needs to be, ended by CRLF.
void appendCsvRow(std::string& out, const std::vector<std::string>& fields);
