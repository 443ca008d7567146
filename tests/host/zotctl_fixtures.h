#pragma once
// Runs zotctl in the test process the way a shell would, with its two output
// streams captured.
#include "zotctl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline std::string slurp(FILE* f) {
    std::string s;
    std::rewind(f);
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    std::fclose(f);
    return s;
}

struct Outcome {
    int code;
    std::string out;
    std::string err;
    size_t errLines() const {
        return static_cast<size_t>(std::count(err.begin(), err.end(), '\n'));
    }
};

inline Outcome zotctl(std::vector<std::string> args) {
    args.insert(args.begin(), "zotctl");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    if (!out || !err) {
        ADD_FAILURE() << "tmpfile failed";
        return {-1, "", ""};
    }
    int code = runZotctl(static_cast<int>(args.size()), argv.data(), out, err);
    return {code, slurp(out), slurp(err)};
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

