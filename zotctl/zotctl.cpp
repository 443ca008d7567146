#include "zotctl.h"

#include "addressbookcsv.h"
#include "bytes.h"
#include "codepage.h"
#include "destination.h"
#include "docdiff.h"
#include "entryfields.h"
#include "fileio.h"
#include "json.h"
#include "link.h"
#include "settingsfile.h"
#include "textrules.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// zotctl's files are zotwell's English ones.
constexpr char zotctlSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

const char usage[] =
    "usage: zotctl [OPTIONS] COMMAND FILE...\n"
    "\n"
    "Commands:\n"
    "  new FILE              write an empty address-book document (what New and\n"
    "                        Save write)\n"
    "  show FILE             print the document: its kind, the 50 keys and, for a\n"
    "                        full document, every machine setting and the\n"
    "                        configuration record; passwords are masked\n"
    "  check FILE            exit 0 when the program would open FILE, else say why\n"
    "  export FILE [OUT]     the registered keys as CSV (UTF-8 with a byte-order\n"
    "                        mark, CRLF) into OUT, or onto standard output\n"
    "  import IN FILE        the keys of the CSV file IN into FILE (a new\n"
    "                        register-only document when FILE does not exist);\n"
    "                        every row is checked as the registration dialog\n"
    "                        checks a key, and nothing is written unless all pass\n"
    "  diff A B              what differs from A to B: keys field by field,\n"
    "                        settings by name, the configuration record\n"
    "  status                ask the machine whether it is free and print its status\n"
    "  download FILE         read the machine's configuration record, address book\n"
    "                        and settings, as Download does, and save them as a\n"
    "                        full document\n"
    "  upload FILE           write the document into the machine as Upload does:\n"
    "                        the address book and, for a full document, the settings\n"
    "\n"
    "The machine is the copier on USB (Windows), or the simulated copier when the\n"
    "environment variable ZOTWELL_SIMULATOR names the file that keeps its memory\n"
    "(created with sample content on first use).\n"
    "\n"
    "Options:\n"
    "  --language WORD   UI language word for name rules (default ENGLISH)\n"
    "  --codepage N      code page names are shown and stored in (default: the\n"
    "                    system's); for import also the code page of a CSV file\n"
    "                    that is not UTF-8\n"
    "  --json            show, diff: print the same content as JSON (UTF-8)\n"
    "  --reveal          show: print passwords instead of masking them\n"
    "  --with-passwords  export: write the password column\n"
    "  --replace         import: clear the keys the CSV does not name (by default\n"
    "                    they stay as they were)\n"
    "  --backup DIR      upload: first download the machine into\n"
    "                    DIR/<machine name>-<yyyymmdd-hhmmss>.DAT, print what the\n"
    "                    upload changes, and upload only when the backup was saved\n"
    "  --dry-run         upload --backup: stop after the backup and the changes\n"
    "\n"
    "Exit codes:\n"
    "  0  success; diff: the documents hold the same\n"
    "  1  the file was refused or could not be written, or a CSV row was refused;\n"
    "     diff: the documents differ\n"
    "  2  bad command line\n"
    "  3  the machine could not be reached, is busy, reported a fault, or the\n"
    "     transfer failed\n"
    "  4  diff: a file was refused\n";

const char* typeName(uint8_t type) {
    switch (type) {
    case typeEmail:
        return "E-Mail";
    case typeFtp:
        return "FTP";
    case typeSmb:
        return "SMB";
    default:
        return "-";
    }
}

// Names can hold any byte; show the unprintable ones escaped (at most `max`
// bytes: a field need not end in a terminator).
std::string quoted(const char* text, size_t max = 1024) {
    size_t n = 0;
    while (n < max && text[n])
        ++n;
    return quotedText(std::string(text, n));
}

const char hiddenText[] = "(hidden)";

// A password as show prints it: masked unless revealed, but an empty one is
// shown as empty so that a missing password can be seen.
std::string shownSecret(const char* text, size_t max, bool reveal) {
    if (reveal || !text[0]) return quoted(text, max);
    return hiddenText;
}

void showKeys(Document& doc, const TextRules& rules, bool reveal, FILE* out) {
    std::fprintf(out, "keys:\n");
    DestinationEntry e;
    for (int k = 0; k < dialBlockCount; ++k) {
        decodeDestination(rules, doc.registers, e, k);
        if (!isRegistered(doc.registers, k)) {
            std::fprintf(out, "  %03d  (free)\n", k + 1);
            continue;
        }
        std::fprintf(out, "  %03d  %-6s name=%s name2=%s address=%s\n", k + 1, typeName(e.type),
                     quoted(e.name).c_str(), quoted(e.name2).c_str(), quoted(e.address).c_str());
        if (!isLongKey(k)) continue;
        std::fprintf(out, "       directory=%s port=%u proxy=%u account=%s user=%s password=%s\n",
                     quoted(e.directory).c_str(), e.port, e.useProxy,
                     e.accountMode ? "anonymous" : "private", quoted(e.userName).c_str(),
                     shownSecret(e.password, sizeof e.password, reveal).c_str());
        std::fprintf(out, "       notification=%u", e.notify);
        for (int i = 0; i < notificationCount; ++i)
            if (e.notifyAddress[i][0])
                std::fprintf(out, " No.%d=%s", i + 1, quoted(e.notifyAddress[i]).c_str());
        std::fprintf(out, "\n");
    }
}

void showSettings(Document& doc, bool reveal, FILE* out) {
    std::fprintf(out, "settings:\n");
    const uint8_t* base = reinterpret_cast<const uint8_t*>(&doc.settings.image);
    for (int i = 0; i < settingBlockCount; ++i) {
        const SettingBlock& b = settingBlocks[i];
        const uint8_t* m = base + b.memberOffset;
        std::fprintf(out, "  %-20s ", b.name);
        if (b.kind == ValueKind::U8) {
            std::fprintf(out, "%u\n", m[0]);
        } else if (b.kind == ValueKind::U32) {
            uint32_t v;
            std::memcpy(&v, m, sizeof v);
            std::fprintf(out, "%u\n", v);
        } else if (b.width == 4) {
            std::fprintf(out, "%u.%u.%u.%u\n", m[0], m[1], m[2], m[3]);
        } else if (isSecretSetting(i)) {
            std::fprintf(out, "%s\n",
                         shownSecret(reinterpret_cast<const char*>(m), b.width, reveal).c_str());
        } else {
            std::fprintf(out, "%s\n", quoted(reinterpret_cast<const char*>(m), b.width).c_str());
        }
    }
}

void fixedText(const uint8_t* p, size_t n, char* out) {
    std::memcpy(out, p, n);
    out[n] = '\0';
}

void showConfig(const Document& doc, FILE* out) {
    const uint8_t* c = doc.config;
    char controller[20], engine[20], serial[14];
    fixedText(c + 11, 19, controller);
    fixedText(c + 30, 19, engine);
    fixedText(c + 87, 13, serial);
    std::fprintf(out, "configuration:\n");
    std::fprintf(out, "  document feeder      %u\n  duplex feeder        %u\n", c[0], c[1]);
    std::fprintf(out, "  paper trays          %u\n  multi-bypass         %u\n", c[2], c[3]);
    std::fprintf(out, "  network options      %u %u\n  duplex unit          %u\n", c[6], c[7],
                 c[8]);
    std::fprintf(out, "  memory (MB)          %u\n", readLe16(c + 9));
    std::fprintf(out, "  controller version   %s\n", quoted(controller).c_str());
    std::fprintf(out, "  engine version       %s\n", quoted(engine).c_str());
    std::fprintf(out, "  serial number        %s\n", quoted(serial).c_str());
    std::fprintf(out, "  bytes               ");
    for (size_t i = 0; i < configRecordSize; ++i)
        std::fprintf(out, "%s%02X", i && i % 32 == 0 ? "\n                      " : " ", c[i]);
    std::fprintf(out, "\n");
}

enum OptionFlag : unsigned {
    optJson = 1,
    optReveal = 2,
    optWithPasswords = 4,
    optReplace = 8,
    optBackup = 16,
    optDryRun = 32,
};

struct Options {
    std::string language = "ENGLISH";
    unsigned codePage = 0;
    unsigned flags = 0;
    std::string backupDir;
    std::string command;
    std::vector<std::string> files;
    bool has(unsigned flag) const { return (flags & flag) != 0; }
};

// Each command with the files it takes and the options that apply to it.
struct CommandSpec {
    const char* name;
    size_t minFiles, maxFiles;
    unsigned options;
};
const CommandSpec commands[] = {
    {"new", 1, 1, 0},
    {"show", 1, 1, optJson | optReveal},
    {"check", 1, 1, 0},
    {"export", 1, 2, optWithPasswords},
    {"import", 2, 2, optReplace},
    {"diff", 2, 2, optJson},
    {"status", 0, 0, 0},
    {"download", 1, 1, 0},
    {"upload", 1, 1, optBackup | optDryRun},
};

struct FlagOption {
    const char* name;
    unsigned flag;
};
const FlagOption flagOptions[] = {
    {"--json", optJson},       {"--reveal", optReveal},   {"--with-passwords", optWithPasswords},
    {"--replace", optReplace}, {"--dry-run", optDryRun},
};

bool usageError(FILE* err, const std::string& text) {
    std::fprintf(err, "zotctl: %s (try --help)\n", text.c_str());
    return false;
}

bool parseOption(int argc, char** argv, int& i, Options& o, FILE* err) {
    const std::string a = argv[i];
    for (const FlagOption& f : flagOptions) {
        if (a != f.name) continue;
        o.flags |= f.flag;
        return true;
    }
    if (a == "--help") {
        o.command = "help";
        return true;
    }
    if (a != "--language" && a != "--codepage" && a != "--backup")
        return usageError(err, "unknown option '" + a + "'");
    if (i + 1 >= argc) return usageError(err, a + " needs a value");
    const std::string value = argv[++i];
    if (a == "--language") {
        o.language = value;
    } else if (a == "--backup") {
        o.flags |= optBackup;
        o.backupDir = value;
    } else {
        char* end = nullptr;
        const unsigned long n = std::strtoul(value.c_str(), &end, 10);
        if (value.empty() || *end || n == 0 || n > 65535)
            return usageError(err, "--codepage takes a code page number, not '" + value + "'");
        o.codePage = static_cast<unsigned>(n);
    }
    return true;
}

// Options may stand before or after the command and its files.
bool parseArgs(int argc, char** argv, Options& o, FILE* err) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' && argv[i][1] == '-') {
            if (!parseOption(argc, argv, i, o, err)) return false;
            if (o.command == "help") return true;
        } else {
            words.push_back(argv[i]);
        }
    }
    if (words.empty()) return usageError(err, "expected a command and a file");
    o.command = words[0];
    o.files.assign(words.begin() + 1, words.end());
    const CommandSpec* spec = nullptr;
    for (const CommandSpec& c : commands)
        if (o.command == c.name) spec = &c;
    if (!spec) return usageError(err, "unknown command '" + o.command + "'");
    if (o.files.size() < spec->minFiles || o.files.size() > spec->maxFiles) {
        if (spec->maxFiles == 0) return usageError(err, o.command + " takes no file");
        return usageError(err, o.command + " expects " +
                                   (spec->minFiles == spec->maxFiles
                                        ? std::to_string(spec->minFiles)
                                        : std::to_string(spec->minFiles) + " or " +
                                              std::to_string(spec->maxFiles)) +
                                   (spec->maxFiles == 1 ? " file" : " files"));
    }
    for (const FlagOption& f : flagOptions)
        if (o.has(f.flag) && !(spec->options & f.flag))
            return usageError(err, std::string(f.name) + " does not apply to " + o.command);
    if (o.has(optBackup) && !(spec->options & optBackup))
        return usageError(err, "--backup does not apply to " + o.command);
    if (o.has(optDryRun) && !o.has(optBackup)) return usageError(err, "--dry-run needs --backup DIR");
    return true;
}

int refuse(FILE* err, const std::string& file, FileStatus status) {
    std::fprintf(err, "zotctl: %s: %s\n", file.c_str(), fileStatusText(status));
    return exitFileRefused;
}

// ---------------------------------------------------------------- the machine

void say(FILE* err, const LinkText& text) {
    std::fprintf(err, "zotctl: %s\n", text.english);
}

// Where the program shows a message box, zotctl prints the same text; the
// link's owner window is the error stream.
void printLinkMessage(void* window, const LinkText& text) {
    say(static_cast<FILE*>(window), text);
}

bool attach(MachineLink& link, FILE* err) {
    std::string problem;
    Transport* transport = defaultTransport(problem);
    if (!transport) {
        std::fprintf(err, "zotctl: %s\n", problem.c_str());
        return false;
    }
    initLink(link, transport);
    fillProductIdList(link.productIdList, productIdString);
    link.showMessage = printLinkMessage;
    return true;
}

// The program's machine-ready check: the status query and its messages.
bool machineReady(MachineLink& link, FILE* err) {
    uint8_t status = 0;
    if (!queryStatus(link, status)) {
        say(err, textPortError);
        return false;
    }
    if (const LinkText* text = statusMessage(status)) {
        say(err, *text);
        return false;
    }
    link.lastPollOk = 1;
    return true;
}

// Connect as the program does: busy check, ready check, session.
bool connect(MachineLink& link, FILE* err) {
    const int machineFree = queryMachineFree(link);
    closeDevice(link);
    if (!machineFree) {
        say(err, textOperating);
        return false;
    }
    if (!machineReady(link, err) || !openSession(link, err)) return false;
    link.linkOpen = 1;
    return true;
}

void disconnect(MachineLink& link, FILE* err) {
    closeSession(link, err);
    closeDevice(link);
}

int registeredKeys(const Document& doc) {
    int n = 0;
    for (int k = 0; k < dialBlockCount; ++k)
        n += isRegistered(doc.registers, k);
    return n;
}

int machineStatus(FILE* out, FILE* err) {
    MachineLink link;
    if (!attach(link, err)) return exitMachine;
    const int machineFree = queryMachineFree(link);
    closeDevice(link);
    if (!machineFree) {
        say(err, textOperating);
        return exitMachine;
    }
    uint8_t status = 0;
    if (!queryStatus(link, status)) {
        say(err, textPortError);
        return exitMachine;
    }
    const LinkText* text = statusMessage(status);
    std::fprintf(out, "status %u: %s\n", status,
                 text                   ? text->english
                 : status == statusFree ? "ready"
                                        : "ready (undocumented status)");
    return text ? exitMachine : exitOk;
}

std::unique_ptr<Document> emptyDocument() {
    auto doc = std::make_unique<Document>();
    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);
    return doc;
}

// Opens and unpacks a settings file; its keys are decoded once, as the
// program's list does, which normalises damaged records.
FileStatus openDocument(Document& doc, const TextRules& rules, const std::string& file) {
    FileStatus s = openSettingsFile(doc, file.c_str(), zotctlSignature);
    if (s != FileStatus::Ok) return s;
    unpackImage(doc);
    normaliseDestinations(rules, doc.registers);
    return s;
}

bool fileExists(const std::string& path) {
#ifdef _MSC_VER
    struct _stat st;
    return _stat(path.c_str(), &st) == 0;
#else
    struct stat st;
    return stat(path.c_str(), &st) == 0;
#endif
}

// The Download: the machine's configuration record, address book and
// settings as a full document, packed as Save needs it.
int fetchFromMachine(Document& doc, const TextRules& rules, FILE* err) {
    MachineLink link;
    if (!attach(link, err) || !connect(link, err)) return exitMachine;
    const int fetched = fetchDocument(link, doc);
    disconnect(link, err);
    if (fetched < 0) {
        std::fprintf(err, "zotctl: the machine did not send its configuration record\n");
        return exitMachine;
    }
    if (fetched == 0) {
        say(err, textReadWriteError);
        return exitMachine;
    }
    normaliseDestinations(rules, doc.registers);
    packImage(doc);
    return exitOk;
}

int download(Document& doc, const TextRules& rules, const std::string& file, FILE* out, FILE* err) {
    const int fetched = fetchFromMachine(doc, rules, err);
    if (fetched != exitOk) return fetched;
    FileStatus s = saveSettingsFile(doc, file.c_str(), zotctlSignature);
    if (s != FileStatus::Ok) return refuse(err, file, s);
    std::fprintf(out, "downloaded %d registered keys and the machine settings into %s\n",
                 registeredKeys(doc), file.c_str());
    return exitOk;
}

// A name for the backup file: the machine's name as far as it is safe in a
// file name on every system, and the local time.
std::string backupPath(const Document& machine, const std::string& dir) {
    char name[72];
    textSetting(machine, machineNameBlock, name, sizeof name);
    std::string base;
    for (const char* p = name; *p; ++p) {
        const char c = *p;
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        base += safe ? c : '_';
    }
    if (base.find_first_not_of("._") == std::string::npos) base = "machine";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string prefix = dir;
    if (!prefix.empty() && prefix.back() != '/' && prefix.back() != '\\') prefix += '/';
    prefix += base + "-" + stamp;
    // Two backups within a second must not overwrite each other.
    std::string path = prefix + ".DAT";
    for (int n = 2; fileExists(path) && n < 1000; ++n)
        path = prefix + "-" + std::to_string(n) + ".DAT";
    return path;
}

// Saves what the machine holds before an upload and prints what the upload
// changes. Returns exitOk only when the backup is on disk and reads back.
int backUpMachine(Document& doc, const TextRules& rules, const Options& o, FILE* out, FILE* err) {
    auto machine = emptyDocument();
    const int fetched = fetchFromMachine(*machine, rules, err);
    if (fetched != exitOk) {
        std::fprintf(err, "zotctl: no backup of the machine could be made; nothing was uploaded\n");
        return fetched;
    }
    const std::string path = backupPath(*machine, o.backupDir);
    auto readBack = emptyDocument();
    FileStatus s = fileExists(path) ? FileStatus::WriteFailed : saveSettingsFile(*machine, path.c_str(), zotctlSignature);
    if (s == FileStatus::Ok) s = openSettingsFile(*readBack, path.c_str(), zotctlSignature);
    if (s != FileStatus::Ok) {
        std::fprintf(err, "zotctl: the backup %s could not be saved (%s); nothing was uploaded\n",
                     path.c_str(), fileStatusText(s));
        return exitFileRefused;
    }
    std::fprintf(out, "backup of the machine: %s\n", path.c_str());
    unpackImage(*machine);
    // What the machine will hold differs only where the upload writes: the
    // keys, and the settings of a full document. The configuration record is
    // the machine's own and is never written.
    DiffScope scope;
    scope.kind = false;
    scope.configuration = false;
    scope.settings = !doc.dialRegistersOnly;
    auto upload = std::make_unique<Document>(doc);
    upload->dialRegistersOnly = machine->dialRegistersOnly;
    const std::vector<Difference> changes = diffDocuments(rules, *machine, *upload, scope);
    if (changes.empty()) std::fprintf(out, "the upload changes nothing\n");
    else
        std::fprintf(out, "the upload changes:\n");
    printDifferences(out, changes);
    return exitOk;
}

int upload(Document& doc, const TextRules& rules, const Options& o, FILE* out, FILE* err) {
    const std::string& file = o.files[0];
    FileStatus s = openDocument(doc, rules, file);
    if (s != FileStatus::Ok) return refuse(err, file, s);
    if (o.has(optBackup)) {
        const int backedUp = backUpMachine(doc, rules, o, out, err);
        if (backedUp != exitOk) return backedUp;
        if (o.has(optDryRun)) {
            std::fprintf(out, "dry run: nothing was uploaded\n");
            return exitOk;
        }
    }
    packImage(doc);
    MachineLink link;
    if (!attach(link, err) || !connect(link, err)) return exitMachine;
    const int sent = uploadImage(link, doc);
    disconnect(link, err);
    if (!sent) {
        std::fprintf(err, "zotctl: the document did not reach the machine\n");
        return exitMachine;
    }
    std::fprintf(out, "uploaded %d registered keys%s from %s\n", registeredKeys(doc),
                 doc.dialRegistersOnly ? "" : " and the machine settings", file.c_str());
    return exitOk;
}

// ---------------------------------------------------------------- files

void writeOut(FILE* out, const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), out);
}

int exportCsv(Document& doc, const TextRules& rules, const Options& o, FILE* out, FILE* err) {
    const std::string& file = o.files[0];
    FileStatus s = openDocument(doc, rules, file);
    if (s != FileStatus::Ok) return refuse(err, file, s);
    std::string csv, problem;
    if (!exportAddressBookCsv(rules, doc, o.has(optWithPasswords), csv, problem)) {
        std::fprintf(err, "zotctl: %s: %s\n", file.c_str(), problem.c_str());
        return exitFileRefused;
    }
    if (o.files.size() == 1) {
#ifdef _WIN32
        // The rows end in CRLF already; a text-mode stream would double the CR.
        std::fflush(out);
        _setmode(_fileno(out), _O_BINARY);
#endif
        writeOut(out, csv);
        return exitOk;
    }
    const std::string& target = o.files[1];
    if (writeFileReplacing(target.c_str(), reinterpret_cast<const uint8_t*>(csv.data()),
                           csv.size()) != IoStatus::Ok)
        return refuse(err, target, FileStatus::WriteFailed);
    std::fprintf(out, "exported %d registered keys into %s\n", registeredKeys(doc), target.c_str());
    return exitOk;
}

int importCsv(Document& doc, const TextRules& rules, const Options& o, FILE* out, FILE* err) {
    const std::string &csvFile = o.files[0], &file = o.files[1];
    std::vector<uint8_t> csv;
    switch (readFileBounded(csvFile.c_str(), maxCsvFileSize, csv)) {
    case IoStatus::Ok:
        break;
    case IoStatus::TooLarge:
        std::fprintf(err, "zotctl: %s: larger than any address book (%zu bytes at most)\n",
                     csvFile.c_str(), maxCsvFileSize);
        return exitFileRefused;
    default:
        std::fprintf(err, "zotctl: %s: cannot be opened or read\n", csvFile.c_str());
        return exitFileRefused;
    }
    const bool existing = fileExists(file);
    FileStatus s = FileStatus::Ok;
    if (existing) {
        s = openDocument(doc, rules, file);
    } else {
        std::vector<uint8_t> tmpl = makeDefaultTemplate();
        s = newDocument(doc, tmpl.data(), tmpl.size(), zotctlSignature);
    }
    if (s != FileStatus::Ok) return refuse(err, file, s);

    CsvImportOptions options;
    options.codePageFile = o.codePage != 0;
    options.replace = o.has(optReplace);
    const std::vector<CsvProblem> problems =
        importAddressBookCsv(rules, csv.data(), csv.size(), options, doc);
    for (const CsvProblem& p : problems) {
        if (p.line)
            std::fprintf(err, "%s:%zu: %s\n", csvFile.c_str(), p.line, p.reason.c_str());
        else
            std::fprintf(err, "%s: %s\n", csvFile.c_str(), p.reason.c_str());
    }
    if (!problems.empty()) {
        std::fprintf(err, "zotctl: %s was not %s\n", file.c_str(), existing ? "changed" : "written");
        return exitFileRefused;
    }
    packImage(doc);
    s = saveSettingsFile(doc, file.c_str(), zotctlSignature);
    if (s != FileStatus::Ok) return refuse(err, file, s);
    std::fprintf(out, "imported %s into %s, which holds %d registered keys\n", csvFile.c_str(),
                 file.c_str(), registeredKeys(doc));
    return exitOk;
}

int diff(Document& a, const TextRules& rules, const Options& o, FILE* out, FILE* err) {
    auto b = emptyDocument();
    Document* docs[2] = {&a, b.get()};
    for (int i = 0; i < 2; ++i) {
        FileStatus s = openDocument(*docs[i], rules, o.files[i]);
        if (s != FileStatus::Ok) {
            refuse(err, o.files[i], s);
            return exitDiffRefused;
        }
    }
    const std::vector<Difference> differences = diffDocuments(rules, a, *b);
    if (o.has(optJson))
        writeOut(out, differencesJson(rules, differences));
    else
        printDifferences(out, differences);
    return differences.empty() ? exitOk : exitDiffer;
}

// ---------------------------------------------------------------- show --json

void keyJson(JsonWriter& j, const TextRules& rules, const DestinationEntry& e, int keyIndex,
             bool reveal) {
    j.beginObject().key("key").number(keyIndex + 1);
    for (int f = 0; f < entryFieldCount; ++f) {
        if (!entryKeepsField(e, f)) continue;
        const std::string value = entryFieldValue(e, f);
        if (f == fieldPort) {
            j.key(entryFields[f].member).number(e.port);
        } else if (f == fieldUseProxy || f == fieldNotification) {
            j.key(entryFields[f].member).boolean(value == "on");
        } else if (entryFields[f].secret && !reveal) {
            j.key(std::string(entryFields[f].member) + "Set").boolean(!value.empty());
        } else {
            j.key(entryFields[f].member).string(jsonText(rules, value));
        }
    }
    j.endObject();
}

void settingsJson(JsonWriter& j, const TextRules& rules, const Document& doc, bool reveal) {
    j.key("settings").beginObject();
    for (int i = 0; i < settingBlockCount; ++i) {
        const SettingBlock& b = settingBlocks[i];
        const std::string value = settingValueText(doc, i);
        if (b.kind != ValueKind::Bytes)
            j.key(b.name).number(std::strtoll(value.c_str(), nullptr, 10));
        else if (isSecretSetting(i) && !reveal)
            j.key(std::string(b.name) + "Set").boolean(!value.empty());
        else
            j.key(b.name).string(jsonText(rules, value));
    }
    j.endObject();
}

std::string fixedField(const uint8_t* p, size_t n) {
    return std::string(reinterpret_cast<const char*>(p), strnlen(reinterpret_cast<const char*>(p), n));
}

void configJson(JsonWriter& j, const TextRules& rules, const Document& doc) {
    const uint8_t* c = doc.config;
    std::string hex;
    for (size_t i = 0; i < configRecordSize; ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X", c[i]);
        hex += buf;
    }
    j.key("configuration").beginObject();
    j.key("documentFeeder").number(c[0]).key("duplexFeeder").number(c[1]);
    j.key("paperTrays").number(c[2]).key("multiBypass").number(c[3]);
    j.key("networkOptions").beginArray().number(c[6]).number(c[7]).endArray();
    j.key("duplexUnit").number(c[8]).key("memoryMB").number(readLe16(c + 9));
    j.key("controllerVersion").string(jsonText(rules, fixedField(c + 11, 19)));
    j.key("engineVersion").string(jsonText(rules, fixedField(c + 30, 19)));
    j.key("serialNumber").string(jsonText(rules, fixedField(c + 87, 13)));
    j.key("bytes").string(hex);
    j.endObject();
}

std::string documentJson(Document& doc, const TextRules& rules, const std::string& file,
                         bool reveal) {
    JsonWriter j;
    j.beginObject().key("file").string(jsonText(rules, file));
    j.key("kind").string(doc.dialRegistersOnly ? "register-only" : "full");
    j.key("keys").beginArray();
    DestinationEntry e;
    for (int k = 0; k < dialBlockCount; ++k) {
        decodeDestination(rules, doc.registers, e, k);
        if (isRegistered(doc.registers, k)) keyJson(j, rules, e, k, reveal);
    }
    j.endArray();
    if (!doc.dialRegistersOnly) {
        settingsJson(j, rules, doc, reveal);
        configJson(j, rules, doc);
    }
    j.endObject();
    return j.text();
}

int show(Document& doc, const TextRules& rules, const Options& o, FILE* out, FILE* err) {
    const std::string& file = o.files[0];
    FileStatus s = openSettingsFile(doc, file.c_str(), zotctlSignature);
    if (s != FileStatus::Ok) return refuse(err, file, s);
    if (o.command == "check") return exitOk;
    unpackImage(doc);
    const bool reveal = o.has(optReveal);
    if (o.has(optJson)) {
        writeOut(out, documentJson(doc, rules, file, reveal));
        return exitOk;
    }
    std::fprintf(out, "file: %s\nkind: %s\n", file.c_str(),
                 doc.dialRegistersOnly ? "register-only" : "full");
    showKeys(doc, rules, reveal, out);
    if (!doc.dialRegistersOnly) {
        showSettings(doc, reveal, out);
        showConfig(doc, out);
    }
    return exitOk;
}

} // namespace

int runZotctl(int argc, char** argv, FILE* out, FILE* err) {
    Options o;
    if (!parseArgs(argc, argv, o, err)) return exitUsage;
    if (o.command == "help") {
        std::fputs(usage, out);
        return exitOk;
    }
    std::unique_ptr<CodePage> cp = o.codePage ? openCodePage(o.codePage) : openAnsiCodePage();
    if (!cp) {
        std::fprintf(err, "zotctl: code page %u is not available\n", o.codePage);
        return exitUsage;
    }
    TextRules rules{o.language, cp.get()};
    auto doc = emptyDocument();

    if (o.command == "new") {
        std::vector<uint8_t> tmpl = makeDefaultTemplate();
        FileStatus s = newDocument(*doc, tmpl.data(), tmpl.size(), zotctlSignature);
        if (s == FileStatus::Ok) {
            packImage(*doc);
            s = saveSettingsFile(*doc, o.files[0].c_str(), zotctlSignature);
        }
        return s == FileStatus::Ok ? exitOk : refuse(err, o.files[0], s);
    }
    if (o.command == "check" || o.command == "show") return show(*doc, rules, o, out, err);
    if (o.command == "export") return exportCsv(*doc, rules, o, out, err);
    if (o.command == "import") return importCsv(*doc, rules, o, out, err);
    if (o.command == "diff") return diff(*doc, rules, o, out, err);
    if (o.command == "status") return machineStatus(out, err);
    if (o.command == "download") return download(*doc, rules, o.files[0], out, err);
    return upload(*doc, rules, o, out, err);
}
