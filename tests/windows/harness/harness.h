#pragma once
// Starts zotwell's real main window in the test's own process, from the
// program's own resources, talking to an in-process simulated copier. The
// tests drive it as a person would: commands as the menus send them, mouse
// messages to the frame, context menus and dialogs on the same thread. Message
// boxes and file dialogs are answered at their seams, and what they showed is
// recorded.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "filedialog.h"
#include "simulator.h"

// A message box as it would have appeared.
struct Shown {
    std::string text;
    std::string caption;
    UINT buttons; // as the message box would get them, with the icon
};

// The items of a context menu as it was shown; empty when none appeared.
struct MenuSeen {
    std::map<UINT, bool> enabled; // command -> enabled
    bool shown() const { return !enabled.empty(); }
};

// Some English texts of the program, as the tests expect to see them.
namespace says {
constexpr char portError[] = "Error opening USB Port !";
constexpr char busy[] = "Machine is operating !";
constexpr char timeout[] = "Disconnected from machine by timeout !";
constexpr char trouble[] = "Disconnected from machine by Machine trouble!";
constexpr char dataError[] = "Error reading/writing machine data!";
constexpr char connectAgain[] = "Disconnected from machine. Please connect again.";
constexpr char badFile[] = "File format is error! Please select valid format!";
constexpr char askImport[] =
    "The original dial register will be overwrited by import Data, are you sure?";
constexpr char askDownload[] =
    "The setting data of ZOT is overwritten by the machine's data.\nAre you sure?";
constexpr char askUpload[] =
    "This setting data by PC overwrite to the machine's setting.\nOverwrite?";
} // namespace says

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    SimulatedCopier machine; // the sample machine at bus index 0
    HWND frame = nullptr;

    // Answers, used in order. An OK box needs none; a question without one
    // fails the test.
    std::deque<int> answers;
    // Paths for the file dialogs, in order; "" cancels.
    std::deque<std::string> picks;
    std::vector<Shown> shown;
    std::vector<SettingsFileMode> fileDialogs;
    std::vector<std::string> texts() const; // of every message shown, in order

    // Drives.
    void command(UINT id); // WM_COMMAND as a menu item sends it
    void pump();
    void openMenuBar(); // WM_INITMENU, as when the user opens the menu bar
    void closeBox();    // WM_CLOSE as the caption's close box sends it
    bool closed() const { return !IsWindow(frame); }
    void connect();  // Machine > Connect; the machine must accept
    void download(); // Connect, then Machine > Download with no document open
    void newDocument();
    void showSpeedDial(); // View > Speed Dial
    // File > Open of the sample machine's document; returns its path.
    std::string openSample();
    // Closing asks whether to save exactly when the document is marked
    // changed; Cancel keeps the window, and without a question it closes.
    bool closingAsks();
    void clickRow(int row);
    // Right-clicks a control at a point of its client area (or presses the
    // menu key on it); returns the context menu that appeared, closed again
    // without a choice.
    MenuSeen rightClick(HWND control, POINT client, bool fromKeyboard = false);
    MenuSeen rightClickRow(int row);
    MenuSeen rightClickTreeNode(int node); // 0 the root, 1 its child
    // Runs `open`, and inside the modal dialog it opens runs `step` once the
    // dialog is active. False when no dialog appeared.
    bool withDialog(const std::function<void()>& open, const std::function<void(HWND)>& step);

    // Reads.
    HWND child(int id) const { return GetDlgItem(frame, id); }
    HWND panel() const; // the status panel
    std::string caption() const;
    std::string statusPane(int pane) const;
    std::string panelText() const;
    bool menuEnabled(UINT id) const;
    bool buttonEnabled(UINT id) const;
    bool visible(int id) const { return IsWindowVisible(child(id)) != 0; }
    // In the frame's client coordinates; IDD_STATUS_PANEL for the panel.
    RECT placeOf(int id) const;
    int clientWidth() const;
    int rows() const;
    int columns() const;
    std::string columnTitle(int column) const;
    std::string cell(int row, int column) const;
    int selectedRow() const;
    std::string treeRootText() const;

    // A file in this test's own scratch folder (emptied when the test starts).
    std::string scratch(const char* name) const;

    static FrameTest* current;

  private:
    static int answerMessage(HWND owner, const char* text, const char* caption, UINT buttons);
    static int answerFileDialog(HWND owner, SettingsFileMode mode, char* path, size_t size);
    std::string folder;
};

// Runs `open`, and inside the modal dialog (or property sheet) it opens runs
// `step` once the dialog is active. A step may itself open a dialog with a
// nested call. False when no dialog appeared.
bool runWithDialog(const std::function<void()>& open, const std::function<void(HWND)>& step);

// A zero-filled document with an empty image.
std::unique_ptr<Document> emptyDocument();
// The signature the program gives its files: string 3580 of its resource module.
std::string programSignature();
// The sample machine's full document: settings, configuration and keys
// (001 "Sales", 002 "Accounts", ..., 006 free, 041 an FTP key).
void writeSampleFile(const std::string& path);

// The folder of the test program, with its trailing backslash.
std::string exeFolder();

// Files.
std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
