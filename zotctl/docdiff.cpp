#include "docdiff.h"

#include "bytes.h"
#include "destination.h"
#include "entryfields.h"
#include "json.h"
#include "utf8text.h"

#include <cstring>

namespace {

std::string keySummary(const DestinationEntry& e) {
    return std::string(typeWord(e.type)) + " " + quotedText(e.name) + " " + quotedText(e.address);
}

void diffKeys(const TextRules& rules, Document& a, Document& b, std::vector<Difference>& out) {
    DestinationEntry ea, eb;
    for (int k = 0; k < dialBlockCount; ++k) {
        decodeDestination(rules, a.registers, ea, k);
        decodeDestination(rules, b.registers, eb, k);
        const bool ra = isRegistered(a.registers, k), rb = isRegistered(b.registers, k);
        if (!ra && !rb) continue;
        if (ra != rb) {
            const DestinationEntry& present = rb ? eb : ea;
            Difference d{Difference::Key, rb ? Difference::Added : Difference::Removed, k, "",
                         ra ? keySummary(ea) : "", rb ? keySummary(eb) : "", false, {}};
            for (int f = 0; f < entryFieldCount; ++f)
                if (entryKeepsField(present, f) && !entryFields[f].secret)
                    d.entry.emplace_back(entryFields[f].member, entryFieldValue(present, f));
            out.push_back(std::move(d));
            continue;
        }
        for (int f = 0; f < entryFieldCount; ++f) {
            const std::string va = entryFieldValue(ea, f), vb = entryFieldValue(eb, f);
            if (va == vb) continue;
            const bool secret = entryFields[f].secret;
            out.push_back({Difference::Key, Difference::Changed, k, entryFields[f].member,
                           secret ? "" : va, secret ? "" : vb, secret, {}});
        }
    }
}

void diffSettings(const Document& a, const Document& b, std::vector<Difference>& out) {
    for (int i = 0; i < settingBlockCount; ++i) {
        const std::string va = settingValueText(a, i), vb = settingValueText(b, i);
        if (va == vb) continue;
        const bool secret = isSecretSetting(i);
        out.push_back({Difference::Setting, Difference::Changed, 0, settingBlocks[i].name,
                       secret ? "" : va, secret ? "" : vb, secret, {}});
    }
}

std::string hexByte(uint8_t b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", b);
    return buf;
}

void diffConfiguration(const Document& a, const Document& b, std::vector<Difference>& out) {
    for (size_t i = 0; i < configRecordSize; ++i)
        if (a.config[i] != b.config[i])
            out.push_back({Difference::Configuration, Difference::Changed, 0,
                           "byte " + std::to_string(i), hexByte(a.config[i]), hexByte(b.config[i]),
                           false, {}});
}

const char* kindText(const Document& doc) {
    return doc.dialRegistersOnly ? "register-only" : "full";
}

std::string keyNumber(int keyIndex) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", keyIndex + 1);
    return buf;
}

const char* partWord(Difference::Part part) {
    switch (part) {
    case Difference::Kind:
        return "kind";
    case Difference::Key:
        return "key";
    case Difference::Setting:
        return "setting";
    case Difference::Configuration:
        return "configuration";
    }
    return "";
}

const char* changeWord(Difference::Change change) {
    switch (change) {
    case Difference::Added:
        return "added";
    case Difference::Removed:
        return "removed";
    case Difference::Changed:
        return "changed";
    }
    return "";
}

} // namespace

std::string quotedText(const std::string& text) {
    std::string s = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            s += buf;
        } else {
            s += static_cast<char>(c);
        }
    }
    return s + "\"";
}

std::string settingValueText(const Document& doc, int index) {
    const SettingBlock& b = settingBlocks[index];
    const uint8_t* m = reinterpret_cast<const uint8_t*>(&doc.settings.image) + b.memberOffset;
    if (b.kind == ValueKind::U8) return std::to_string(m[0]);
    if (b.kind == ValueKind::U32) {
        uint32_t v;
        std::memcpy(&v, m, sizeof v);
        return std::to_string(v);
    }
    if (b.width == 4)
        return std::to_string(m[0]) + "." + std::to_string(m[1]) + "." + std::to_string(m[2]) +
               "." + std::to_string(m[3]);
    return std::string(reinterpret_cast<const char*>(m), strnlen(reinterpret_cast<const char*>(m), b.width));
}

bool isSecretSetting(int index) {
    return std::strstr(settingBlocks[index].name, "Password") != nullptr;
}

std::string jsonText(const TextRules& rules, const std::string& text) {
    bool exact = true;
    return codePageToUtf8(*rules.codePage, text.data(), text.size(), exact);
}

std::vector<Difference> diffDocuments(const TextRules& rules, Document& a, Document& b,
                                      const DiffScope& scope) {
    std::vector<Difference> out;
    if (scope.kind && a.dialRegistersOnly != b.dialRegistersOnly)
        out.push_back({Difference::Kind, Difference::Changed, 0, "kind", kindText(a), kindText(b),
                       false, {}});
    diffKeys(rules, a, b, out);
    const bool bothFull = !a.dialRegistersOnly && !b.dialRegistersOnly;
    if (bothFull && scope.settings) diffSettings(a, b, out);
    if (bothFull && scope.configuration) diffConfiguration(a, b, out);
    return out;
}

void printDifferences(FILE* out, const std::vector<Difference>& differences) {
    for (const Difference& d : differences) {
        std::string line;
        switch (d.part) {
        case Difference::Kind:
            line = "kind: " + d.from + " -> " + d.to;
            break;
        case Difference::Key:
            line = "key " + keyNumber(d.key) + ": ";
            if (d.change == Difference::Added)
                line += "added " + d.to;
            else if (d.change == Difference::Removed)
                line += "removed " + d.from;
            else
                line += d.field + ": " +
                        (d.secret ? "changed" : quotedText(d.from) + " -> " + quotedText(d.to));
            break;
        case Difference::Setting:
            line = "setting " + d.field + ": " +
                   (d.secret ? "changed" : quotedText(d.from) + " -> " + quotedText(d.to));
            break;
        case Difference::Configuration:
            line = "configuration " + d.field + ": " + d.from + " -> " + d.to;
            break;
        }
        std::fprintf(out, "%s\n", line.c_str());
    }
}

std::string differencesJson(const TextRules& rules, const std::vector<Difference>& differences) {
    JsonWriter j;
    j.beginObject().key("same").boolean(differences.empty()).key("differences").beginArray();
    for (const Difference& d : differences) {
        j.beginObject().key("part").string(partWord(d.part));
        if (d.part == Difference::Key) j.key("key").number(d.key + 1);
        j.key("change").string(changeWord(d.change));
        if (!d.field.empty()) j.key("field").string(d.field);
        if (!d.entry.empty()) {
            j.key("entry").beginObject();
            for (const auto& [member, value] : d.entry)
                j.key(member).string(jsonText(rules, value));
            j.endObject();
        } else if (d.secret) {
            j.key("secret").boolean(true);
        } else {
            if (d.change != Difference::Added) j.key("from").string(jsonText(rules, d.from));
            if (d.change != Difference::Removed) j.key("to").string(jsonText(rules, d.to));
        }
        j.endObject();
    }
    j.endArray().endObject();
    return j.text();
}
