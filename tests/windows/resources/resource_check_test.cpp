// zotwell's two resource modules: the exe's own resources and the language
// library built from the same script. Both are read as data files; the program
// takes every string, menu, dialog and bitmap from whichever of them it chose,
// so both must hold the same things in the same shape, and the exe must also
// carry what is always taken from it (manifest, icon, cursor, keys).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resource.h"

namespace {

std::string besideTests(const char* name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + name;
}

std::string narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w)
        s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
}

// A resource's bytes, or an empty span when the module does not hold it.
struct Bytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

Bytes resourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return {};
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, found)};
}

BOOL CALLBACK collectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<WORD>*>(out)->insert(
            static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

std::set<WORD> resourceIds(HMODULE module, LPCSTR type) {
    std::set<WORD> ids;
    EnumResourceNamesA(module, type, collectName, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

// ---------------------------------------------------------------------------
// Strings

// Every non-empty string, read from the raw blocks of sixteen: LoadString
// cannot tell a missing string from an empty one.
std::map<UINT, std::wstring> stringTable(HMODULE module) {
    std::map<UINT, std::wstring> table;
    for (WORD block : resourceIds(module, RT_STRING)) {
        Bytes b = resourceBytes(module, MAKEINTRESOURCEA(block), RT_STRING);
        const WORD* p = reinterpret_cast<const WORD*>(b.data);
        size_t words = b.size / 2, at = 0;
        for (UINT i = 0; i < 16 && at < words; ++i) {
            WORD length = p[at++];
            if (length > words - at) break;
            if (length)
                table[(block - 1u) * 16u + i] =
                    std::wstring(reinterpret_cast<const wchar_t*>(p + at), length);
            at += length;
        }
    }
    return table;
}

// The printf conversions of a text, in order: "%d", "%s", "%02d", ...
std::vector<std::wstring> inserts(const std::wstring& text) {
    std::vector<std::wstring> found;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'%') continue;
        if (i + 1 < text.size() && text[i + 1] == L'%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < text.size() && wcschr(L"-+ #0123456789.*hlLIjzt", text[j]))
            ++j;
        found.push_back(text.substr(i, j < text.size() ? j - i + 1 : j - i));
        i = j;
    }
    return found;
}

// ---------------------------------------------------------------------------
// Dialog templates, read with a bounds-checked reader

struct NameOrOrdinal {
    WORD ordinal = 0;
    std::wstring name;
};

struct DialogControl {
    DWORD id = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal cls;
    NameOrOrdinal text;
};

struct DialogTemplate {
    bool ok = false;
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::vector<DialogControl> controls;
};

class TemplateReader {
  public:
    TemplateReader(const BYTE* data, size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }
    WORD word() { return static_cast<WORD>(take(2)); }
    DWORD dword() { return take(4); }
    short coordinate() { return static_cast<short>(word()); }
    void skip(size_t n) {
        if (n > size_ - at_)
            ok_ = false;
        else
            at_ += n;
    }
    void alignToDword() { skip((4 - at_ % 4) % 4); }
    std::wstring string() {
        std::wstring s;
        for (WORD c = word(); ok_ && c; c = word())
            s += static_cast<wchar_t>(c);
        return s;
    }
    NameOrOrdinal nameOrOrdinal() {
        NameOrOrdinal n;
        WORD first = word();
        if (first == 0xFFFF)
            n.ordinal = word();
        else if (first)
            n.name = static_cast<wchar_t>(first) + string();
        return n;
    }

  private:
    DWORD take(size_t n) {
        if (!ok_ || n > size_ - at_) {
            ok_ = false;
            return 0;
        }
        DWORD v = 0;
        std::memcpy(&v, data_ + at_, n);
        at_ += n;
        return v;
    }
    const BYTE* data_;
    size_t size_;
    size_t at_ = 0;
    bool ok_ = true;
};

DialogTemplate parseDialog(const BYTE* data, size_t size) {
    DialogTemplate t;
    TemplateReader r(data, size);
    DWORD first = r.dword();
    bool extended = LOWORD(first) == 1 && HIWORD(first) == 0xFFFF;
    if (extended) {
        r.dword(); // help ID
        r.dword(); // extended style
        t.style = r.dword();
    } else {
        t.style = first;
        r.dword(); // extended style
    }
    WORD count = r.word();
    r.coordinate();
    r.coordinate();
    t.cx = r.coordinate();
    t.cy = r.coordinate();
    r.nameOrOrdinal(); // menu
    r.nameOrOrdinal(); // window class
    r.string();        // caption
    if (t.style & DS_SETFONT) {
        r.word(); // point size
        if (extended) {
            r.word();  // weight
            r.skip(2); // italic, character set
        }
        r.string(); // typeface
    }
    for (WORD i = 0; i < count && r.ok(); ++i) {
        DialogControl c;
        r.alignToDword();
        if (extended) {
            r.dword(); // help ID
            r.dword(); // extended style
            c.style = r.dword();
        } else {
            c.style = r.dword();
            r.dword(); // extended style
        }
        c.x = r.coordinate();
        c.y = r.coordinate();
        c.cx = r.coordinate();
        c.cy = r.coordinate();
        c.id = extended ? r.dword() : r.word();
        if (!extended && c.id == 0xFFFF) c.id = 0xFFFFFFFF;
        c.cls = r.nameOrOrdinal();
        c.text = r.nameOrOrdinal();
        r.skip(r.word()); // creation data
        t.controls.push_back(c);
    }
    t.ok = r.ok() && t.controls.size() == count;
    return t;
}

DialogTemplate loadDialog(HMODULE module, WORD id) {
    Bytes b = resourceBytes(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    return b.data ? parseDialog(b.data, b.size) : DialogTemplate{};
}

bool isStaticId(DWORD id) {
    return id == 0xFFFFFFFF;
}

bool classIs(const NameOrOrdinal& cls, WORD atom, const wchar_t* name) {
    return cls.ordinal == atom || _wcsicmp(cls.name.c_str(), name) == 0;
}

// The key that Alt selects a control by: the character after a single "&".
wchar_t accessKey(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(towupper(text[i + 1]));
    }
    return 0;
}

// Buttons (group boxes included) and statics that show their "&".
bool takesAccessKey(const DialogControl& c) {
    if (classIs(c.cls, 0x0080, L"Button")) return true;
    return classIs(c.cls, 0x0082, L"Static") && !(c.style & SS_NOPREFIX);
}

// ---------------------------------------------------------------------------
// Menus

struct MenuEntry {
    UINT id = 0;
    UINT type = 0;
    std::wstring text;
    std::vector<MenuEntry> popup;
    bool isPopup = false;
};

std::vector<MenuEntry> readMenu(HMENU menu) {
    std::vector<MenuEntry> entries;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 255;
        MenuEntry e;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) {
            e.id = info.wID;
            e.type = info.fType;
            e.text = text;
            if (info.hSubMenu) {
                e.isPopup = true;
                e.popup = readMenu(info.hSubMenu);
            }
        }
        entries.push_back(e);
    }
    return entries;
}

std::vector<MenuEntry> loadMenu(HMODULE module, WORD id) {
    HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(id));
    if (!menu) return {};
    std::vector<MenuEntry> entries = readMenu(menu);
    DestroyMenu(menu);
    return entries;
}

void collectCommands(const std::vector<MenuEntry>& entries, std::vector<const MenuEntry*>& out) {
    for (const MenuEntry& e : entries) {
        if (e.isPopup)
            collectCommands(e.popup, out);
        else if (!(e.type & MFT_SEPARATOR))
            out.push_back(&e);
    }
}

// The shape of a menu without its texts: what a translation must keep.
std::string menuShape(const std::vector<MenuEntry>& entries) {
    std::string shape = "[";
    for (const MenuEntry& e : entries) {
        // A popup's identifier is its menu handle, different at every load.
        shape += std::to_string(e.isPopup ? 0 : e.id) + ":" + std::to_string(e.type);
        if (e.isPopup) shape += menuShape(e.popup);
        shape += " ";
    }
    return shape + "]";
}

// Parses the shortcut a menu item shows after its tab, such as "Ctrl+O" or
// "Del", into accelerator flags and key; false for a name it does not know.
bool parseShortcut(const std::wstring& shown, BYTE& flags, WORD& key) {
    flags = FVIRTKEY;
    std::wstring rest = shown;
    const struct {
        const wchar_t* prefix;
        BYTE flag;
    } modifiers[] = {{L"Ctrl+", FCONTROL}, {L"Shift+", FSHIFT}, {L"Alt+", FALT}};
    for (bool more = true; more;) {
        more = false;
        for (const auto& m : modifiers) {
            size_t n = wcslen(m.prefix);
            if (rest.compare(0, n, m.prefix) == 0) {
                flags |= m.flag;
                rest.erase(0, n);
                more = true;
            }
        }
    }
    if (rest.size() == 1 && iswalnum(rest[0])) {
        key = static_cast<WORD>(towupper(rest[0]));
        return true;
    }
    const struct {
        const wchar_t* name;
        WORD key;
    } named[] = {{L"Del", VK_DELETE}, {L"Ins", VK_INSERT}, {L"F1", VK_F1}};
    for (const auto& n : named) {
        if (rest == n.name) {
            key = n.key;
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// The commands of the dispatcher, with the shipped menus that offer each.

struct Command {
    UINT id;
    std::set<WORD> menus;
};

const Command kCommands[] = {
    {IDM_NEW, {IDR_MAIN_MENU}},
    {IDM_OPEN, {IDR_MAIN_MENU}},
    {IDM_SAVE, {IDR_MAIN_MENU}},
    {IDM_SAVE_AS, {IDR_MAIN_MENU}},
    {IDM_IMPORT_ADDRESS_BOOK, {IDR_MAIN_MENU}},
    {IDM_PRINT, {IDR_MAIN_MENU}},
    {IDM_EXIT, {IDR_MAIN_MENU}},
    {IDM_CUT, {IDR_MAIN_MENU, IDR_LIST_MENU}},
    {IDM_COPY, {IDR_MAIN_MENU, IDR_LIST_MENU}},
    {IDM_PASTE, {IDR_MAIN_MENU, IDR_LIST_MENU}},
    {IDM_DELETE, {IDR_MAIN_MENU, IDR_LIST_MENU}},
    {IDM_SHOW_ONE_TOUCH, {}},
    {IDM_SHOW_SPEED_DIAL, {IDR_MAIN_MENU}},
    {IDM_SHOW_GROUPS, {}},
    {IDM_CONNECT, {IDR_MAIN_MENU, IDR_TREE_MENU}},
    {IDM_DISCONNECT, {IDR_MAIN_MENU, IDR_TREE_MENU}},
    {IDM_DOWNLOAD, {IDR_MAIN_MENU}},
    {IDM_UPLOAD, {IDR_MAIN_MENU}},
    {IDM_UTILITY_SETTING, {}},
    {IDM_ADMIN_MANAGEMENT, {IDR_MAIN_MENU}},
    {IDM_COUNTER, {}},
    {IDM_CONFIGURATION, {IDR_MAIN_MENU}},
    {IDM_HELP, {}},
    {IDM_ABOUT, {IDR_MAIN_MENU}},
    {IDM_TREE_DOWNLOAD, {IDR_TREE_MENU}},
    {IDM_TREE_UPLOAD, {IDR_TREE_MENU}},
    {IDM_PROPERTY, {IDR_MAIN_MENU, IDR_LIST_MENU}},
    {IDM_EXPORT_ADDRESS_BOOK, {}},
    {IDM_NEW_ENTRY, {IDR_MAIN_MENU}},
    {IDM_FETCH, {}},
    {IDM_CAPS_LOCK, {}},
    {IDM_NUM_LOCK, {}},
    {IDM_SCROLL_LOCK, {}},
};

const WORD kMenus[] = {IDR_MAIN_MENU, IDR_TREE_MENU, IDR_LIST_MENU};
const WORD kContextMenus[] = {IDR_TREE_MENU, IDR_LIST_MENU};
// Dialogs this build must carry; the checks below cover every dialog present.
const WORD kRequiredDialogs[] = {IDD_STATUS_PANEL, IDD_ABOUT, IDD_SPEED_DIAL};

bool isCommand(UINT id) {
    for (const Command& c : kCommands)
        if (c.id == id) return true;
    return false;
}

// ---------------------------------------------------------------------------
// Bitmaps

struct Strip {
    WORD id;
    int count, width, height, bitsPerPixel;
    COLORREF ground; // the colour around the drawings
};

const Strip kStrips[] = {
    {IDB_VIEW_IMAGES, VIEW_IMAGE_COUNT, VIEW_IMAGE_WIDTH, VIEW_IMAGE_HEIGHT, 4, RGB(255, 255, 255)},
    {IDB_TOOLBAR, TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE, 8,
     RGB(192, 192, 192)},
    {IDB_TOOLBAR_DISABLED, TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE, 8,
     RGB(192, 192, 192)},
    // The same at 150 % and 200 %.
    {IDB_VIEW_IMAGES_150, VIEW_IMAGE_COUNT, VIEW_IMAGE_WIDTH_150, VIEW_IMAGE_HEIGHT_150, 4,
     RGB(255, 255, 255)},
    {IDB_TOOLBAR_150, TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE_150, TOOLBAR_IMAGE_SIZE_150, 8,
     RGB(192, 192, 192)},
    {IDB_TOOLBAR_DISABLED_150, TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE_150, TOOLBAR_IMAGE_SIZE_150,
     8, RGB(192, 192, 192)},
    {IDB_VIEW_IMAGES_200, VIEW_IMAGE_COUNT, VIEW_IMAGE_WIDTH_200, VIEW_IMAGE_HEIGHT_200, 4,
     RGB(255, 255, 255)},
    {IDB_TOOLBAR_200, TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE_200, TOOLBAR_IMAGE_SIZE_200, 8,
     RGB(192, 192, 192)},
    {IDB_TOOLBAR_DISABLED_200, TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE_200, TOOLBAR_IMAGE_SIZE_200,
     8, RGB(192, 192, 192)},
};

// The pixels of a bitmap as top-down rows of COLORREF.
std::vector<COLORREF> pixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bgra(static_cast<size_t>(width) * height);
    HDC dc = GetDC(nullptr);
    int rows = GetDIBits(dc, bitmap, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    std::vector<COLORREF> out;
    if (rows != height) return out;
    for (DWORD p : bgra)
        out.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return out;
}

// ---------------------------------------------------------------------------

struct Module {
    const char* name;
    HMODULE handle;
};

class ResourceModules : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        exe = LoadLibraryExA(besideTests("zotwell.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        dll = LoadLibraryExA(besideTests("ja\\zotwell.DLL").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES};
        InitCommonControlsEx(&icc);
    }
    static void TearDownTestSuite() {
        if (exe) FreeLibrary(exe);
        if (dll) FreeLibrary(dll);
        exe = dll = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(exe, nullptr) << "zotwell.exe must lie beside the check";
        ASSERT_NE(dll, nullptr) << "ja\\zotwell.DLL must lie beside the check";
    }
    std::vector<Module> both() const { return {{"zotwell.exe", exe}, {"ja\\zotwell.DLL", dll}}; }

    static HMODULE exe;
    static HMODULE dll;
};

HMODULE ResourceModules::exe = nullptr;
HMODULE ResourceModules::dll = nullptr;

// --- strings ---------------------------------------------------------------

TEST_F(ResourceModules, LanguageLibraryHoldsTheSameStringsWithTheSameInserts) {
    std::map<UINT, std::wstring> english = stringTable(exe), other = stringTable(dll);
    ASSERT_FALSE(english.empty());
    for (const auto& [id, text] : english) {
        SCOPED_TRACE("string " + std::to_string(id) + " \"" + narrow(text) + "\"");
        auto it = other.find(id);
        ASSERT_NE(it, other.end()) << "missing from the language library";
        EXPECT_EQ(inserts(it->second), inserts(text));
    }
    for (const auto& [id, text] : other)
        EXPECT_TRUE(english.count(id)) << "string " << id << " is only in the language library";
}

TEST_F(ResourceModules, LanguageLibraryDiffersOnlyInTheLanguageWord) {
    std::map<UINT, std::wstring> english = stringTable(exe), other = stringTable(dll);
    EXPECT_EQ(english[IDS_LANGUAGE], L"ENGLISH");
    EXPECT_EQ(other[IDS_LANGUAGE], L"JAPANESE");
    english.erase(IDS_LANGUAGE);
    other.erase(IDS_LANGUAGE);
    for (const auto& [id, text] : english)
        EXPECT_TRUE(other[id] == text) << "string " << id << " \"" << narrow(text) << "\"";
}

TEST(ResourceCheckReaders, InsertsAreFoundAsPrintfReadsThem) {
    const struct {
        const wchar_t* text;
        std::vector<std::wstring> expected;
    } cases[] = {
        {L"Total %d page(s), page %d", {L"%d", L"%d"}},
        {L"Is Change %s Saved ?", {L"%s"}},
        {L"100%% done", {}},
        {L"ID #%02d : %s", {L"%02d", L"%s"}},
        {L"%-8.3lf%%%c", {L"%-8.3lf", L"%c"}},
        {L"ends with %", {L"%"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inserts(c.text), c.expected) << narrow(c.text);
}

TEST_F(ResourceModules, StringsFitTheBuffersTheyAreLoadedInto) {
    for (const Module& m : both()) {
        for (const auto& [id, text] : stringTable(m.handle)) {
            // CSV column titles go into 66 characters, everything else into 128.
            size_t buffer = id >= IDS_CSV_FIRST && id <= IDS_CSV_LAST ? 66 : 128;
            EXPECT_LT(text.size(), buffer) << m.name << " string " << id;
        }
    }
}

TEST_F(ResourceModules, FormatStringsTakeTheArgumentsTheProgramPasses) {
    const struct {
        UINT id;
        std::vector<std::wstring> expected;
    } cases[] = {
        {IDS_ASK_SAVE_CHANGES, {L"%s"}},
        {IDS_PRINT_PAGE_HEADER, {L"%d", L"%d"}},
        {IDS_ERR_CSV_WRITE, {L"%s"}},
        {IDS_RANGE, {L"%d", L"%d"}},
        {IDS_RANGE_PORT, {L"%d", L"%d"}},
        {IDS_RANGE_HOUR, {L"%d", L"%d"}},
        {IDS_RANGE_MINUTE, {L"%d", L"%d"}},
        {IDS_RANGE_FIRST_OCTET, {L"%d", L"%d", L"%d", L"%d"}},
    };
    std::map<UINT, std::wstring> table = stringTable(exe);
    for (const auto& c : cases)
        EXPECT_EQ(inserts(table[c.id]), c.expected) << "string " << c.id;
}

// --- dialogs ---------------------------------------------------------------

TEST_F(ResourceModules, BothModulesHoldTheSameDialogsWithTheSameControls) {
    std::set<WORD> dialogs = resourceIds(exe, RT_DIALOG);
    for (WORD required : kRequiredDialogs)
        EXPECT_TRUE(dialogs.count(required)) << "dialog " << required;
    EXPECT_EQ(resourceIds(dll, RT_DIALOG), dialogs);
    for (WORD id : dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        DialogTemplate a = loadDialog(exe, id), b = loadDialog(dll, id);
        ASSERT_TRUE(a.ok && b.ok);
        std::multiset<DWORD> idsA, idsB;
        for (const DialogControl& c : a.controls)
            idsA.insert(c.id);
        for (const DialogControl& c : b.controls)
            idsB.insert(c.id);
        EXPECT_EQ(idsA, idsB);
    }
}

TEST_F(ResourceModules, EveryDialogIsWellFormed) {
    for (const Module& m : both()) {
        for (WORD id : resourceIds(m.handle, RT_DIALOG)) {
            SCOPED_TRACE(std::string(m.name) + " dialog " + std::to_string(id));
            DialogTemplate t = loadDialog(m.handle, id);
            ASSERT_TRUE(t.ok) << "template cannot be read";
            std::set<DWORD> ids;
            std::map<wchar_t, DWORD> keys;
            for (const DialogControl& c : t.controls) {
                std::string name = "control " + std::to_string(static_cast<long>(c.id));
                // A closed combo box shows only its edit part; its height is the list's.
                int bottom = c.y + (classIs(c.cls, 0x0085, L"ComboBox") ? 14 : c.cy);
                EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= t.cx && bottom <= t.cy)
                    << name << " at " << c.x << "," << c.y << " size " << c.cx << "x" << c.cy
                    << " lies outside the dialog of " << t.cx << "x" << t.cy;
                if (!isStaticId(c.id)) {
                    EXPECT_TRUE(ids.insert(c.id).second) << name << " twice";
                }
                wchar_t key = takesAccessKey(c) ? accessKey(c.text.name) : 0;
                if (key) {
                    auto [it, fresh] = keys.emplace(key, c.id);
                    EXPECT_TRUE(fresh)
                        << "access key " << static_cast<char>(key) << " of " << name
                        << " is also that of control " << static_cast<long>(it->second);
                }
            }
        }
    }
}

INT_PTR CALLBACK quietDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

TEST_F(ResourceModules, EveryDialogOpensWithAllItsControls) {
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    for (const Module& m : both()) {
        for (WORD id : resourceIds(m.handle, RT_DIALOG)) {
            SCOPED_TRACE(std::string(m.name) + " dialog " + std::to_string(id));
            Bytes b = resourceBytes(m.handle, MAKEINTRESOURCEA(id), RT_DIALOG);
            HWND dialog = CreateDialogIndirectParamA(
                m.handle, reinterpret_cast<LPCDLGTEMPLATEA>(b.data), host, quietDialog, 0);
            ASSERT_NE(dialog, nullptr) << "a control class is unknown or the template is broken";
            for (const DialogControl& c : loadDialog(m.handle, id).controls) {
                if (!isStaticId(c.id)) {
                    EXPECT_NE(GetDlgItem(dialog, static_cast<int>(c.id)), nullptr)
                        << "control " << c.id;
                }
            }
            DestroyWindow(dialog);
        }
    }
    DestroyWindow(host);
}

TEST(ResourceCheckReaders, AccessKeysAreFoundAsWindowsUnderlinesThem) {
    const struct {
        const wchar_t* text;
        wchar_t key;
    } cases[] = {
        {L"&OK", L'O'},        {L"A&ddress (*):", L'D'}, {L"FTP && SMB", 0},
        {L"&&Co &Name", L'N'}, {L"Advanced(&1)", L'1'},  {L"trailing &", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(accessKey(c.text), c.key) << narrow(c.text);
}

// --- menus -----------------------------------------------------------------

TEST_F(ResourceModules, BothModulesHoldTheMenusInTheSameShape) {
    for (WORD id : kMenus) {
        SCOPED_TRACE("menu " + std::to_string(id));
        std::vector<MenuEntry> a = loadMenu(exe, id), b = loadMenu(dll, id);
        ASSERT_FALSE(a.empty());
        EXPECT_EQ(menuShape(a), menuShape(b));
    }
}

TEST_F(ResourceModules, EachMenuOffersTheCommandsItIsShownFor) {
    for (WORD id : kMenus) {
        SCOPED_TRACE("menu " + std::to_string(id));
        std::vector<MenuEntry> entries = loadMenu(exe, id);
        std::vector<const MenuEntry*> items;
        collectCommands(entries, items);
        std::set<UINT> offered, expected;
        for (const MenuEntry* e : items) {
            EXPECT_TRUE(isCommand(e->id))
                << "item " << narrow(e->text) << " sends unknown command " << e->id;
            offered.insert(e->id);
        }
        for (const Command& c : kCommands)
            if (c.menus.count(id)) expected.insert(c.id);
        EXPECT_EQ(offered, expected);
    }
}

TEST_F(ResourceModules, ContextMenusHoldTheirItemsInTheFirstPopup) {
    for (const Module& m : both()) {
        for (WORD id : kContextMenus) {
            std::vector<MenuEntry> entries = loadMenu(m.handle, id);
            ASSERT_FALSE(entries.empty()) << m.name << " menu " << id;
            EXPECT_TRUE(entries[0].isPopup && !entries[0].popup.empty())
                << m.name << " menu " << id;
        }
    }
}

TEST_F(ResourceModules, HelpIsTheLastMenuAndStandsAtTheRight) {
    for (const Module& m : both()) {
        std::vector<MenuEntry> bar = loadMenu(m.handle, IDR_MAIN_MENU);
        ASSERT_FALSE(bar.empty());
        EXPECT_TRUE(bar.back().type & MFT_RIGHTJUSTIFY) << m.name;
        std::vector<const MenuEntry*> items;
        collectCommands(bar.back().popup, items);
        ASSERT_EQ(items.size(), 1u) << m.name;
        EXPECT_EQ(items[0]->id, static_cast<UINT>(IDM_ABOUT)) << m.name;
    }
}

TEST_F(ResourceModules, NoTwoItemsOfAMenuShareAnAccessKey) {
    for (const Module& m : both()) {
        for (WORD id : kMenus) {
            std::vector<std::vector<MenuEntry>> levels = {loadMenu(m.handle, id)};
            for (size_t i = 0; i < levels.size(); ++i) {
                std::map<wchar_t, std::wstring> keys;
                for (const MenuEntry& e : levels[i]) {
                    if (e.isPopup) levels.push_back(e.popup);
                    wchar_t key = accessKey(e.text);
                    if (!key) continue;
                    auto [it, fresh] = keys.emplace(key, e.text);
                    EXPECT_TRUE(fresh) << m.name << " menu " << id << ": \"" << narrow(e.text)
                                       << "\" and \"" << narrow(it->second) << "\"";
                }
            }
        }
    }
}

// --- the exe's own resources -----------------------------------------------

std::vector<ACCEL> accelerators(HMODULE module) {
    std::vector<ACCEL> table;
    HACCEL handle = LoadAcceleratorsA(module, MAKEINTRESOURCEA(IDA_MAIN));
    if (!handle) return table;
    table.resize(static_cast<size_t>(CopyAcceleratorTableW(handle, nullptr, 0)));
    CopyAcceleratorTableW(handle, table.data(), static_cast<int>(table.size()));
    DestroyAcceleratorTable(handle);
    return table;
}

const ACCEL* findAccelerator(const std::vector<ACCEL>& table, BYTE flags, WORD key) {
    const BYTE modifiers = FVIRTKEY | FCONTROL | FSHIFT | FALT;
    for (const ACCEL& a : table)
        if ((a.fVirt & modifiers) == flags && a.key == key) return &a;
    return nullptr;
}

TEST_F(ResourceModules, AcceleratorsSendKnownCommandsAndNoKeyTwice) {
    std::vector<ACCEL> table = accelerators(exe);
    ASSERT_FALSE(table.empty());
    std::set<std::pair<int, WORD>> seen;
    for (const ACCEL& a : table) {
        EXPECT_TRUE(a.fVirt & FVIRTKEY) << "key " << a.key;
        EXPECT_TRUE(isCommand(a.cmd)) << "key " << a.key << " sends " << a.cmd;
        EXPECT_TRUE(seen.insert({a.fVirt & (FCONTROL | FSHIFT | FALT), a.key}).second)
            << "key " << a.key;
    }
}

TEST_F(ResourceModules, EveryShortcutAMenuShowsIsAnAcceleratorOfTheSameCommand) {
    std::vector<ACCEL> table = accelerators(exe);
    for (const Module& m : both()) {
        for (WORD id : kMenus) {
            std::vector<MenuEntry> entries = loadMenu(m.handle, id);
            std::vector<const MenuEntry*> items;
            collectCommands(entries, items);
            for (const MenuEntry* e : items) {
                size_t tab = e->text.find(L'\t');
                if (tab == std::wstring::npos) continue;
                SCOPED_TRACE(std::string(m.name) + " menu " + std::to_string(id) + " \"" +
                             narrow(e->text) + "\"");
                BYTE flags;
                WORD key;
                ASSERT_TRUE(parseShortcut(e->text.substr(tab + 1), flags, key))
                    << "unknown key name";
                const ACCEL* a = findAccelerator(table, flags, key);
                ASSERT_NE(a, nullptr) << "no such accelerator";
                EXPECT_EQ(a->cmd, e->id);
            }
        }
    }
}

TEST_F(ResourceModules, KeysWithoutAMenuItemReachTheirCommands) {
    const struct {
        BYTE flags;
        WORD key;
        WORD command;
    } cases[] = {
        {FVIRTKEY | FCONTROL, 'N', IDM_NEW},  {FVIRTKEY, VK_CAPITAL, IDM_CAPS_LOCK},
        {FVIRTKEY, VK_NUMLOCK, IDM_NUM_LOCK}, {FVIRTKEY, VK_SCROLL, IDM_SCROLL_LOCK},
        {FVIRTKEY, VK_F1, IDM_HELP},
    };
    std::vector<ACCEL> table = accelerators(exe);
    for (const auto& c : cases) {
        const ACCEL* a = findAccelerator(table, c.flags, c.key);
        ASSERT_NE(a, nullptr) << "key " << c.key;
        EXPECT_EQ(a->cmd, c.command) << "key " << c.key;
    }
}

TEST(ResourceCheckReaders, ShortcutNamesAreReadAsTheMenuShowsThem) {
    const struct {
        const wchar_t* shown;
        bool known;
        BYTE flags;
        WORD key;
    } cases[] = {
        {L"Ctrl+O", true, FVIRTKEY | FCONTROL, 'O'},
        {L"Del", true, FVIRTKEY, VK_DELETE},
        {L"Ctrl+Shift+s", true, FVIRTKEY | FCONTROL | FSHIFT, 'S'},
        {L"Ctrl+Delete", false, 0, 0},
        {L"", false, 0, 0},
    };
    for (const auto& c : cases) {
        BYTE flags = 0;
        WORD key = 0;
        ASSERT_EQ(parseShortcut(c.shown, flags, key), c.known) << narrow(c.shown);
        if (c.known) {
            EXPECT_EQ(flags, c.flags) << narrow(c.shown);
            EXPECT_EQ(key, c.key) << narrow(c.shown);
        }
    }
}

TEST_F(ResourceModules, ExeAsksForTheCommonControlsOfVersionSix) {
    Bytes manifest = resourceBytes(exe, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(manifest.data, nullptr);
    std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}

TEST_F(ResourceModules, IconHasTheThreeSizesTheShellAsksFor) {
    Bytes group = resourceBytes(exe, MAKEINTRESOURCEA(IDI_ZOTWELL), RT_GROUP_ICON);
    ASSERT_GE(group.size, 6u);
    WORD count;
    std::memcpy(&count, group.data + 4, 2);
    ASSERT_GE(group.size, 6u + 14u * count);
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = group.data + 6 + 14 * i;
        EXPECT_EQ(entry[0], entry[1]) << "square images";
        sizes.insert(entry[0] ? entry[0] : 256);
    }
    for (int size : {16, 32, 48}) {
        EXPECT_TRUE(sizes.count(size)) << size << " pixels";
        HICON icon = static_cast<HICON>(
            LoadImageA(exe, MAKEINTRESOURCEA(IDI_ZOTWELL), IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size << " pixels";
        if (icon) DestroyIcon(icon);
    }
}

TEST_F(ResourceModules, SplitterCursorHasItsHotSpotInTheMiddle) {
    HCURSOR cursor = static_cast<HCURSOR>(
        LoadImageA(exe, MAKEINTRESOURCEA(IDC_SPLIT), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    BITMAP mask = {};
    GetObject(info.hbmMask, sizeof mask, &mask);
    int width = mask.bmWidth, height = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    EXPECT_FALSE(info.fIcon);
    // The drag line is drawn where the hot spot is; off-centre, the bar of the
    // cursor and the line would not meet.
    EXPECT_LE(abs(static_cast<int>(info.xHotspot) - width / 2), 2);
    EXPECT_LE(abs(static_cast<int>(info.yHotspot) - height / 2), 2);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DestroyCursor(cursor);
}

// --- bitmaps and the template document, in both modules ---------------------

TEST_F(ResourceModules, EachStripHoldsItsImagesAtTheirSize) {
    for (const Module& m : both()) {
        for (const Strip& s : kStrips) {
            SCOPED_TRACE(std::string(m.name) + " bitmap " + std::to_string(s.id));
            HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(
                m.handle, MAKEINTRESOURCEA(s.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            ASSERT_NE(bitmap, nullptr);
            DIBSECTION dib = {};
            ASSERT_TRUE(GetObject(bitmap, sizeof dib, &dib));
            // An image list cuts the strip into images of its own width.
            EXPECT_EQ(dib.dsBm.bmWidth, s.count * s.width);
            EXPECT_EQ(dib.dsBm.bmHeight, s.height);
            EXPECT_EQ(dib.dsBm.bmBitsPixel, s.bitsPerPixel);
            std::vector<COLORREF> px = pixels(bitmap, dib.dsBm.bmWidth, dib.dsBm.bmHeight);
            ASSERT_EQ(px.size(), static_cast<size_t>(dib.dsBm.bmWidth) * dib.dsBm.bmHeight);
            for (int image = 0; image < s.count; ++image) {
                int drawn = 0;
                for (int y = 0; y < s.height; ++y)
                    for (int x = image * s.width; x < (image + 1) * s.width; ++x)
                        drawn += px[static_cast<size_t>(y) * dib.dsBm.bmWidth + x] != s.ground;
                EXPECT_GE(drawn, s.width) << "image " << image << " is (nearly) empty";
            }
            DeleteObject(bitmap);
        }
    }
}

TEST_F(ResourceModules, DisabledToolbarImagesAreGrey) {
    for (int id : {IDB_TOOLBAR_DISABLED, IDB_TOOLBAR_DISABLED_150, IDB_TOOLBAR_DISABLED_200}) {
        SCOPED_TRACE(id);
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(exe, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info = {};
        GetObject(bitmap, sizeof info, &info);
        int coloured = 0;
        for (COLORREF c : pixels(bitmap, info.bmWidth, info.bmHeight))
            coloured += !(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c));
        EXPECT_EQ(coloured, 0);
        DeleteObject(bitmap);
    }
}

TEST_F(ResourceModules, BothModulesCarryTheTemplateDocument) {
    // New finds the template in the resource module, whichever that is.
    for (const Module& m : both()) {
        Bytes b = resourceBytes(m.handle, MAKEINTRESOURCEA(IDR_DEFAULTFILE), RT_DEFAULTFILE);
        ASSERT_NE(b.data, nullptr) << m.name;
        EXPECT_EQ(b.size, 732u) << m.name;
        EXPECT_EQ(std::memcmp(b.data, "QEBCODE001|ZOD|", 15), 0) << m.name;
    }
}

} // namespace
