#include "zotctl.h"

#include "bytes.h"
#include "codepage.h"
#include "destination.h"
#include "link.h"
#include "settingsfile.h"
#include "textrules.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

// zotctl's files are zotwell's English ones.
constexpr char zotctlSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

const char usage[] =
    "usage: zotctl [--language WORD] [--codepage N] COMMAND [FILE]\n"
    "\n"
    "Commands:\n"
    "  new FILE       write an empty address-book document (what New and Save write)\n"
    "  show FILE      print the document: its kind, the 50 keys and, for a full\n"
    "                 document, every machine setting and the configuration record\n"
    "  check FILE     exit 0 when the program would open FILE, else say why\n"
    "  status         ask the machine whether it is free and print its status\n"
    "  download FILE  read the machine's configuration record, address book and\n"
    "                 settings, as Download does, and save them as a full document\n"
    "  upload FILE    write the document into the machine as Upload does: the\n"
    "                 address book and, for a full document, the settings\n"
    "\n"
    "The machine is the copier on USB (Windows), or the simulated copier when the\n"
    "environment variable ZOTWELL_SIMULATOR names the file that keeps its memory\n"
    "(created with sample content on first use).\n"
    "\n"
    "Options:\n"
    "  --language WORD  UI language word for name rules (default ENGLISH)\n"
    "  --codepage N     code page names are shown in (default: the system's)\n"
    "\n"
    "Exit codes:\n"
    "  0  success\n"
    "  1  the file was refused or could not be written\n"
    "  2  bad command line\n"
    "  3  the machine could not be reached, is busy, reported a fault, or the\n"
    "     transfer failed\n";

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

// Names can hold any byte; show the unprintable ones escaped.
std::string quoted(const char* text, size_t max = 1024) {
    std::string s = "\"";
    for (size_t i = 0; i < max && text[i]; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
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

void showKeys(Document& doc, const TextRules& rules, FILE* out) {
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
                     quoted(e.password).c_str());
        std::fprintf(out, "       notification=%u", e.notify);
        for (int i = 0; i < notificationCount; ++i)
            if (e.notifyAddress[i][0])
                std::fprintf(out, " No.%d=%s", i + 1, quoted(e.notifyAddress[i]).c_str());
        std::fprintf(out, "\n");
    }
}

void showSettings(Document& doc, FILE* out) {
    std::fprintf(out, "settings:\n");
    const uint8_t* base = reinterpret_cast<const uint8_t*>(&doc.settings.image);
    for (const SettingBlock& b : settingBlocks) {
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

struct Options {
    std::string language = "ENGLISH";
    unsigned codePage = 0;
    std::string command;
    std::string file;
};

bool parseArgs(int argc, char** argv, Options& o, FILE* err) {
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        std::string a = argv[i];
        if ((a == "--language" || a == "--codepage") && i + 1 < argc) {
            if (a == "--language")
                o.language = argv[++i];
            else
                o.codePage = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (a == "--help") {
            o.command = "help";
            return true;
        } else {
            std::fprintf(err, "zotctl: unknown option '%s' (try --help)\n", a.c_str());
            return false;
        }
    }
    const bool takesNoFile = i < argc && std::strcmp(argv[i], "status") == 0;
    if (takesNoFile ? argc - i != 1 : argc - i != 2) {
        std::fprintf(err, takesNoFile ? "zotctl: status takes no file (try --help)\n"
                                      : "zotctl: expected a command and a file (try --help)\n");
        return false;
    }
    o.command = argv[i];
    if (!takesNoFile) o.file = argv[i + 1];
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

int download(Document& doc, const TextRules& rules, const std::string& file, FILE* out, FILE* err) {
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
    FileStatus s = saveSettingsFile(doc, file.c_str(), zotctlSignature);
    if (s != FileStatus::Ok) return refuse(err, file, s);
    std::fprintf(out, "downloaded %d registered keys and the machine settings into %s\n",
                 registeredKeys(doc), file.c_str());
    return exitOk;
}

int upload(Document& doc, const std::string& file, FILE* out, FILE* err) {
    FileStatus s = openSettingsFile(doc, file.c_str(), zotctlSignature);
    if (s != FileStatus::Ok) return refuse(err, file, s);
    unpackImage(doc);
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
    auto doc = std::make_unique<Document>();
    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);

    if (o.command == "new") {
        std::vector<uint8_t> tmpl = makeDefaultTemplate();
        FileStatus s = newDocument(*doc, tmpl.data(), tmpl.size(), zotctlSignature);
        if (s == FileStatus::Ok) {
            packImage(*doc);
            s = saveSettingsFile(*doc, o.file.c_str(), zotctlSignature);
        }
        return s == FileStatus::Ok ? exitOk : refuse(err, o.file, s);
    }
    if (o.command == "check" || o.command == "show") {
        FileStatus s = openSettingsFile(*doc, o.file.c_str(), zotctlSignature);
        if (s != FileStatus::Ok) return refuse(err, o.file, s);
        if (o.command == "check") return exitOk;
        unpackImage(*doc);
        std::fprintf(out, "file: %s\nkind: %s\n", o.file.c_str(),
                     doc->dialRegistersOnly ? "register-only" : "full");
        showKeys(*doc, rules, out);
        if (!doc->dialRegistersOnly) {
            showSettings(*doc, out);
            showConfig(*doc, out);
        }
        return exitOk;
    }
    if (o.command == "status") return machineStatus(out, err);
    if (o.command == "download") return download(*doc, rules, o.file, out, err);
    if (o.command == "upload") return upload(*doc, o.file, out, err);
    std::fprintf(err, "zotctl: unknown command '%s' (try --help)\n", o.command.c_str());
    return exitUsage;
}
