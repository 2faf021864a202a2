#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the program's logic asks of the user interface. The window implements it with Qt,
// jorv-cli with standard error, and the tests with a recording double.
namespace jorv {

enum class MessageKind {
    Error,     // OK button and error icon
    // The same box, for an operation that still succeeded (the wave loader's format warning).
    Warning,
    Plain,     // OK button only
    Question,  // Yes and No buttons
    QuestionWithCancel,  // Yes, No and Cancel buttons
};

enum class Answer { Ok, Yes, No, Cancel };

inline bool IsQuestion(MessageKind kind) { return kind == MessageKind::Question || kind == MessageKind::QuestionWithCancel; }

// How a control reported itself; the track list sends a selection change or other notifications.
enum class Notification { Clicked, SelectionChange, Other };

struct FileChoice {
    bool save = false;
    bool mustExist = true;  // for open: only existing files may be chosen
    bool confirmOverwrite = false;  // for save: the dialog asks before an existing file is chosen
    std::string filterLabel = {};
    std::string filterPattern = {};
    std::string title = {};
    std::string defaultExtension = {};
    std::string initialFolder = {};
    std::string initialFile = {};
};

class UiServices {
public:
    virtual ~UiServices() = default;

    virtual Answer showMessage(std::string_view text, std::string_view caption, MessageKind kind) = 0;
    // A full path, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFile(const FileChoice& choice) = 0;

    virtual void setStatus(std::string_view text) = 0;
    virtual void setTitle(std::string_view text) = 0;
    // The menu item's check mark and, where the window has one, the check box of the same id.
    virtual void setChecked(int commandId, bool checked) = 0;
    // Whether the menu item, and the toolbar button of the same id, can be chosen.
    virtual void setEnabled(int commandId, bool enabled) = 0;
    // Delivered after the command being handled returns, in posting order.
    virtual void postCommand(int commandId, Notification notification = Notification::Clicked) = 0;
    virtual void invalidateWave() = 0;
    virtual void redrawAll() = 0;
    // The desktop's notification sound, returning when it has finished (or at once without one).
    virtual void playNotificationSound() = 0;
    // A long operation's progress, shown with its caption while it runs; endProgress hides it.
    virtual void showProgress(std::string_view caption, int64_t done, int64_t total) = 0;
    virtual void endProgress() = 0;
    // The same for an operation the user may stop: whether to go on (false once Cancel was
    // pressed). Where nobody can press Cancel it is the progress above, going on.
    virtual bool showCancellableProgress(std::string_view caption, int64_t done, int64_t total) {
        showProgress(caption, done, total);
        return true;
    }

    virtual void showTrackControls(int volume, int pan, bool mute) = 0;
    virtual void setScrollPosition(int barId, int position) = 0;
    virtual void fillTrackList(const std::vector<std::string>& titles, int selected) = 0;
    // The selected entry's index, or -1 when none is selected.
    virtual int selectedTrackEntry() = 0;
    // The File menu's recent projects, the latest first; nothing where there is no menu.
    virtual void showRecentProjects(const std::vector<std::string>& paths) { (void)paths; }
};

inline constexpr std::string_view ErrorCaption = "Jorv Error";
inline constexpr std::string_view RefusalCaption = "Unable to complete request.";

void ShowError(UiServices& ui, std::string_view text);
void ShowWarning(UiServices& ui, std::string_view text);

// A file dialog that starts in folder (the one the last dialog of its kind ended in), or in
// defaultFolder the first time; folder then takes the chosen file's folder.
std::optional<std::string> ChooseFileRemembering(UiServices& ui, FileChoice choice, std::string& folder,
                                                 const std::string& defaultFolder);

}  // namespace jorv
