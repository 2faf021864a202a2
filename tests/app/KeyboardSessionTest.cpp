// A whole session from the keyboard alone, in a program of its own: the other window tests
// answer every dialog with OK behind the scenes, and here each one is answered with keys.
#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "shell/CommandIds.h"
#include "shell/KeyboardSelection.h"
#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/Utf16Text.h"
#include "core/WaveFile.h"
#include "tests/support/FrameMatchers.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

// The widget a key pressed now goes to: an open menu, else the focused widget.
QWidget* KeyTarget(QWidget* fallback) {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return fallback;
}

void Press(QWidget* fallback, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(KeyTarget(fallback), key, modifiers);
}

void Type(QWidget* fallback, char letter, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(fallback), letter, modifiers);
}

// Answers the modal windows as they open, in the order given, each with its own keys. A
// machine without sound hardware says so when the devices open; that message is answered with
// Enter. Any other modal window is recorded, for the test to fail, and closed with Escape so
// that the session cannot hang on it.
class ModalAnswers {
public:
    ModalAnswers() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(20);
    }
    void expect(const QString& title, std::function<void(QWidget*)> keys) { queue_.push_back({title, std::move(keys)}); }
    bool allAnswered() const { return queue_.empty(); }
    QStringList unexpected;

private:
    struct Answer {
        QString title;
        std::function<void(QWidget*)> keys;
    };
    static bool IsDeviceComplaint(QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        return box && box->text().startsWith("Error opening wave");
    }
    // The keys go in from the modal window's own event loop, not from this timer's tick, so
    // that a window they open in turn is answered by a later tick.
    void answerWith(QWidget* modal, std::function<void(QWidget*)> keys) {
        answered_.push_back(modal);
        QMetaObject::invokeMethod(modal, [modal, keys = std::move(keys)] { keys(modal); }, Qt::QueuedConnection);
    }
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || answered_.contains(modal)) return;
        if (IsDeviceComplaint(modal)) return answerWith(modal, [](QWidget* box) { Press(box, Qt::Key_Return); });
        if (queue_.empty() || modal->windowTitle() != queue_.front().title) {
            unexpected << modal->windowTitle();
            return answerWith(modal, [](QWidget* window) { Press(window, Qt::Key_Escape); });
        }
        answerWith(modal, std::move(queue_.front().keys));
        queue_.pop_front();
    }
    QTimer timer_;
    std::deque<Answer> queue_;
    QList<QPointer<QWidget>> answered_;
};

template <typename Condition>
bool Settle(Condition condition) {
    for (int i = 0; i < 300 && !condition(); ++i) QTest::qWait(10);
    QCoreApplication::processEvents();
    return condition();
}

// The offscreen platform has no window manager to give the window its focus back when a
// dialog closes; this does what one would.
bool BackToWindow(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A second of a tone whose left and right channels differ, so that Negate (left minus right)
// shows in both.
std::vector<Frame> Tone() {
    std::vector<Frame> frames(44100);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const auto value = int16_t((int(k) * 37) % 16000 - 8000);
        frames[k] = {value, int16_t(value / 2)};
    }
    return frames;
}

std::vector<Frame> ReadTrackFile(const std::string& path, uint32_t frames) {
    std::vector<Frame> buffer(frames);
    SilentUiServices quiet;
    EXPECT_LT(LoadWave(path, buffer.data(), frames, quiet), FirstWaveFailure) << path;
    return buffer;
}

Frame Negated(Frame f) { return {int16_t(f.left - f.right), int16_t(f.left - f.right)}; }

TEST(KeyboardSession, NewImportSelectEffectCutPasteUndoAndSaveWithoutTheMouse) {
    TempFolder folder;
    WriteFileBytes(folder.file("tone.wav"), CanonicalWave(Tone()));
    const std::string projectFile = folder.file("song.jor");

    ModalAnswers answers;
    // New: the project's file typed over the offered one, 2 MB per track (one step up the list).
    answers.expect("Project Settings", [&](QWidget* dialog) {
        auto* file = dialog->findChild<QLineEdit*>("file");
        Press(dialog, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(KeyTarget(dialog), QString::fromStdString(projectFile));
        EXPECT_EQ(file->text().toStdString(), projectFile);
        Press(dialog, Qt::Key_Tab, Qt::NoModifier, 2);
        Press(dialog, Qt::Key_Up);
        EXPECT_EQ(dialog->findChild<QComboBox*>("memory")->currentText(), "2");
        Press(dialog, Qt::Key_Return);
    });
    answers.expect("Track Properties", [](QWidget* dialog) { Press(dialog, Qt::Key_Return); });

    MainWindow window({folder.path(), folder.path()});
    window.show();
    AppContext& context = window.context();
    Project& project = context.project;
    ASSERT_TRUE(Settle([&] { return project.projectLoaded && project.buffersReady() && answers.allAnswered(); }))
        << answers.unexpected.join(", ").toStdString();
    EXPECT_EQ(project.framesPerTrack, 2u * 1024 * 1024 / 4);
    ASSERT_TRUE(BackToWindow(window));

    // File > Import Audio at the cursor, the file named by typing its path.
    Press(&window, Qt::Key_Home);
    answers.expect("Open Wave File", [&](QWidget*) {
        QTest::keyClicks(KeyTarget(&window), QString::fromStdString(folder.file("tone.wav")));
        Press(&window, Qt::Key_Return);
    });
    Type(&window, 'f', Qt::AltModifier);
    Type(&window, 'i');
    ASSERT_TRUE(Settle([&] { return answers.allAnswered() && project.selectionEnd == 44100; }))
        << answers.unexpected.join(", ").toStdString();
    ASSERT_TRUE(BackToWindow(window));
    const std::vector<Frame> imported(project.trackBuffer.get(), project.trackBuffer.get() + project.framesPerTrack);
    const int32_t gain = project.gainLeft[project.currentTrack];
    EXPECT_EQ(imported[100].left, Tone()[100].left * gain >> 8);

    // Ten columns in, twenty columns selected.
    const uint32_t step = KeyStep(context.view, project);
    Press(&window, Qt::Key_Home);
    Press(&window, Qt::Key_Right, Qt::NoModifier, 10);
    Press(&window, Qt::Key_Right, Qt::ShiftModifier, 20);
    ASSERT_EQ(project.selectionStart, 10 * step);
    ASSERT_EQ(project.selectionEnd, 30 * step);

    // FX > Misc > Negate: the FX menu shares its letter with File, so F is pressed twice.
    answers.expect("Negate", [](QWidget* dialog) { Press(dialog, Qt::Key_Return); });
    Type(&window, 'f', Qt::AltModifier);
    EXPECT_EQ(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), "&File");
    Type(&window, 'f', Qt::AltModifier);
    EXPECT_EQ(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), "&FX");
    Type(&window, 'm');
    Type(&window, 'n');
    ASSERT_TRUE(Settle([&] { return answers.allAnswered(); })) << answers.unexpected.join(", ").toStdString();
    EXPECT_EQ(project.trackBuffer[10 * step], Negated(imported[10 * step]));
    ASSERT_TRUE(BackToWindow(window));

    // Cut the first half of the selection, paste it over twenty columns further on, and take
    // the paste back.
    Press(&window, Qt::Key_Left, Qt::ShiftModifier, 10);
    Press(&window, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(project.trackBuffer[10 * step], (Frame{0, 0}));
    Press(&window, Qt::Key_Right, Qt::NoModifier, 21);
    Press(&window, Qt::Key_Right, Qt::ShiftModifier, 10);
    ASSERT_EQ(project.selectionStart, 40 * step);
    Press(&window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(project.trackBuffer[40 * step].left, Negated(imported[10 * step]).left * gain >> 8);
    Press(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project.trackBuffer[40 * step], imported[40 * step]);

    // + (or =) and - step the Zoom bar.
    Press(&window, Qt::Key_Plus);
    Press(&window, Qt::Key_Equal);
    Press(&window, Qt::Key_Minus);
    EXPECT_EQ(context.view.zoom, 2.0);
    EXPECT_EQ(window.findChild<QScrollBar*>(QStringLiteral("control%1").arg(cmd::ZoomBar))->value(), 1);

    Press(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(window.findChild<QLabel*>("status")->text(), "Project Saved");
    EXPECT_TRUE(answers.unexpected.isEmpty()) << answers.unexpected.join(", ").toStdString();

    // The saved track: the tone, silence where the cut was, the rest of the effect, and no
    // paste; the clipboard holds what was cut.
    ProjectBlock block{};
    ASSERT_EQ(ReadProjectFile(projectFile, block), ProjectReadResult::Read);
    EXPECT_EQ(block.header.memPerTrackMB, 2);
    ASSERT_EQ(block.header.trackCount, 1);
    const std::string trackFile = FieldToUtf8(block.tracks[0].waveFile);
    EXPECT_EQ(trackFile, folder.file("song-Track 1.wav"));
    const std::vector<Frame> saved = ReadTrackFile(trackFile, project.framesPerTrack);
    for (uint32_t f = 0; f < project.framesPerTrack; ++f) {
        const Frame expected = f < 10 * step ? imported[f]
                               : f < 20 * step ? Frame{0, 0}
                               : f < 30 * step ? Negated(imported[f])
                                               : imported[f];
        ASSERT_EQ(saved[f], expected) << "frame " << f;
    }
    const std::vector<Frame> clip = ReadTrackFile(project.clipperPath, 10 * step + 1);
    EXPECT_EQ(clip[0], Negated(imported[10 * step]));
    EXPECT_EQ(clip[10 * step - 1], Negated(imported[20 * step - 1]));
    EXPECT_EQ(clip[10 * step], (Frame{0, 0}));  // nothing more
}

}  // namespace
}  // namespace jorv::test

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
