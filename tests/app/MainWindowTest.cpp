#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <set>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "shell/CommandIds.h"
#include "shell/ControlLayout.h"
#include "shell/MenuTable.h"
#include "app/QtText.h"
#include "app/DrumEditDialog.h"
#include "app/EffectParameterDialog.h"
#include "app/FxListDialog.h"
#include "app/OptionsDialog.h"
#include "app/WaveformView.h"
#include "core/TrackSwitching.h"
#include "instruments/DrumEditor.h"
#include "core/Utf16Text.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window({folder.path(), folder.path()}) { window.show(); }
    // Lets posted commands and dialogs run until the condition holds (at most two seconds), and
    // then what the last of them posted, as a user's next click comes after it.
    template <typename Condition>
    bool settle(Condition condition) {
        for (int i = 0; i < 200 && !condition(); ++i) QTest::qWait(10);
        QCoreApplication::processEvents();
        return condition();
    }
    template <typename T>
    T* control(int id) {
        return window.findChild<T*>(QStringLiteral("control%1").arg(id));
    }
    QAction* action(int id) { return window.findChild<QAction*>(QStringLiteral("command%1").arg(id)); }

    TempFolder folder;
    MainWindow window;
};

// Menu text path -> id, as the user sees the menu bar; separators as "-".
void CollectMenu(const QMenu* menu, const QString& path, std::vector<std::pair<QString, int>>& items) {
    for (const QAction* a : menu->actions()) {
        if (!a->isVisible()) continue;  // the recent projects' places while there are none
        if (a->menu()) CollectMenu(a->menu(), path + "/" + a->text(), items);
        else items.emplace_back(path + "/" + (a->isSeparator() ? "-" : a->text()), a->data().toInt());
    }
}

TEST_F(MainWindowTest, StartsWithItsTitleAndStatusAndAClientAreaOfTheRightSize) {
    // Before any posted command has run.
    EXPECT_EQ(window.windowTitle(), "Jorv");
    EXPECT_EQ(window.findChild<QLabel*>("status")->text(), "Uninitialized");
    EXPECT_GE(window.centralWidget()->width(), ClientWidth);
    EXPECT_GE(window.centralWidget()->height(), ClientHeight);
}

// Made larger, the view takes the room: the ruler and the position bar as wide as it, the meters
// at the right edge, the status line and the readout at the bottom; the whole track still
// fills the view at zoom 1. The size is there again in the next window.
TEST_F(MainWindowTest, TheWindowGrowsTheViewAndRemembersItsSize) {
    window.resize(1600, 700);
    ASSERT_TRUE(settle([&] { return window.width() == 1600; }));
    const QSize client = window.centralWidget()->size();
    const QRect view = window.findChild<QWidget*>("waveView")->geometry();
    EXPECT_EQ(view, QRect(ViewLeft, ViewTop, client.width() - ViewLeft - MeterStripWidth,
                          client.height() - ViewTop - 24 - ReadoutHeight));
    EXPECT_EQ(window.findChild<QWidget*>("ruler")->geometry(), QRect(ViewLeft, ViewTop - RulerHeight, view.width(), RulerHeight));
    EXPECT_EQ(control<QScrollBar>(cmd::PositionBar)->geometry(), QRect(ViewLeft, view.bottom() + 1, view.width(), 24));
    EXPECT_EQ(window.findChild<QWidget*>("recordedMeter")->geometry().right(), client.width() - 3);
    EXPECT_EQ(window.findChild<QLabel*>("readout")->geometry().bottom(), client.height() - 1);
    EXPECT_EQ(control<QToolButton>(cmd::DeleteTrack)->pos(), QPoint(710, 0));  // the toolbar stays
    EXPECT_EQ(window.context().view.width, view.width());
    EXPECT_EQ(window.context().view.height, view.height());
    window.close();

    MainWindow next({folder.path(), folder.path()});
    EXPECT_EQ(next.size(), QSize(1600, 700));
    EXPECT_GE(next.minimumSize().width(), ClientWidth);
}

TEST_F(MainWindowTest, MenuBarShowsTheDocumentedMenusWithTheirCommands) {
    std::vector<std::pair<QString, int>> shown;
    for (const QAction* top : window.menuBar()->actions()) CollectMenu(top->menu(), top->text(), shown);
    std::vector<std::pair<QString, int>> effects, others;
    for (const auto& item : shown) (item.first.startsWith("&FX/") ? effects : others).push_back(item);
    const std::vector<std::pair<QString, int>> expected = {
        {"&File/&New ...", 32771}, {"&File/&Open ...", 32772}, {"&File/&Properties ...", 32777}, {"&File/&Save", 32773},
        {"&File/Save &As ...", 32864}, {"&File/&Import Audio ...", 32863}, {"&File/Save &Wave ...", 32858}, {"&File/-", 0}, {"&File/E&xit", 105},
        {"&Edit/&Undo", 32779}, {"&Edit/&Redo", 32862}, {"&Edit/C&ut", 32774}, {"&Edit/&Copy", 32775}, {"&Edit/&Paste", 32776}, {"&Edit/-", 0},
        {"&Edit/Paste Sp&ecial/&Merge", 32780}, {"&Edit/Paste Sp&ecial/&Ring", 32853},
        {"&Edit/Paste Sp&ecial/&Negate", 32854}, {"&Edit/Copy &From ...", 32781}, {"&Edit/-", 0},
        {"&Edit/&Align to Beat", 32861}, {"&Edit/-", 0}, {"&Edit/&Select All", 32788}, {"&Edit/Select Ra&nge ...", 32873},
        {"&Control/&Play", 32789}, {"&Control/&Record", 32790}, {"&Control/&Stop", 32791}, {"&Control/-", 0},
        {"&Control/&Merge Record", 32793}, {"&Control/A&ctivate Drums", 32794},
        {"&Track/&Add", 32795}, {"&Track/&Properties ...", 32796}, {"&Track/&Delete", 32797},
        {"&Track/&Clone/&This Track", 32799}, {"&Track/&Clone/&All Tracks Merged", 32800}, {"&Track/&Mute", 32852},
        {"&Tools/&FX List ...", 32842}, {"&Tools/&Master ...", 32843}, {"&Tools/&Rip MCI ...", 32844},
        {"&Tools/&SK1 Mode ...", 32845}, {"&Tools/&TTS Mode ...", 32855}, {"&Tools/&Drum Machine ...", 32846},
        {"&Tools/&Audio Mixer ...", 32847}, {"&Tools/M&idi Sequencer ...", 32848}, {"&Tools/-", 0},
        {"&Tools/&Options ...", 32849}, {"&Help/&Index ...", 32850}, {"&Help/&About ...", 104}};
    EXPECT_EQ(others, expected);
    // The FX menu: its eight groups holding the 35 effects, 32802..32841 without the five
    // numbers that are no effect, then 32859 and 32860.
    QStringList groups;
    std::set<int> ids;
    for (const auto& [path, id] : effects) {
        const QString group = path.section('/', 1, 1);
        if (groups.isEmpty() || groups.back() != group) groups << group;
        ids.insert(id);
        EXPECT_TRUE((id >= 32802 && id <= 32841) || id == 32859 || id == 32860) << path.toStdString() << " " << id;
    }
    EXPECT_EQ(groups, (QStringList{"&Amp", "&Chorus", "&Vibe", "&Filter", "&Delay", "FF&T", "&Note", "&Misc"}));
    EXPECT_EQ(effects.size(), 35u);
    EXPECT_EQ(ids.size(), 35u);
    EXPECT_EQ(action(cmd::About)->shortcuts().size(), 2);
}

TEST_F(MainWindowTest, EveryControlSitsAtItsPlace) {
    window.resize(window.minimumSize());
    ASSERT_TRUE(settle([&] { return window.size() == window.minimumSize(); }));
    for (const ControlEntry& entry : MainWindowControls()) {
        if (entry.id == 0) continue;
        QWidget* widget = control<QWidget>(entry.id);
        ASSERT_NE(widget, nullptr) << entry.id;
        EXPECT_EQ(widget->pos(), QPoint(entry.x, entry.y)) << entry.id;
        EXPECT_EQ(widget->width(), entry.width) << entry.id;
        if (entry.kind != ControlKind::TrackList) {
            EXPECT_EQ(widget->height(), entry.height) << entry.id;
        }
    }
    const QWidget* wave = window.findChild<QWidget*>("waveView");
    EXPECT_EQ(wave->geometry(), QRect(192, 48, 550, 120));
    EXPECT_EQ(window.findChild<QLabel*>("status")->geometry(), QRect(10, 168, 182, 24));
    for (const int bar : {cmd::VolumeBar, cmd::PanBar, cmd::ZoomBar, cmd::PositionBar}) {
        EXPECT_EQ(control<QScrollBar>(bar)->minimum(), 0);
        EXPECT_EQ(control<QScrollBar>(bar)->maximum(), 255);
        EXPECT_EQ(control<QScrollBar>(bar)->value(), 0);
    }
    EXPECT_EQ(control<QToolButton>(cmd::FxList)->text(), "&Fx");
}

TEST_F(MainWindowTest, VolumeBarStepsByArrowsButNotByPages) {
    QScrollBar* volume = control<QScrollBar>(cmd::VolumeBar);
    volume->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    volume->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    volume->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(volume->value(), 2);
    EXPECT_EQ(window.context().project.current().volume, 2);
}

TEST_F(MainWindowTest, CheckBoxesAndMenuChecksFollowTheirFlags) {
    QTest::mouseClick(control<QCheckBox>(cmd::MergeRecord), Qt::LeftButton);
    EXPECT_TRUE(window.context().project.mergeRecord);
    EXPECT_TRUE(action(cmd::MergeRecord)->isChecked());
    action(cmd::MergeRecord)->trigger();
    EXPECT_FALSE(window.context().project.mergeRecord);
    EXPECT_FALSE(control<QCheckBox>(cmd::MergeRecord)->isChecked());

    QTest::mouseClick(control<QCheckBox>(cmd::Mute), Qt::LeftButton);  // no project yet: stays clear
    EXPECT_FALSE(control<QCheckBox>(cmd::Mute)->isChecked());
    action(cmd::AlignToBeat)->trigger();
    EXPECT_TRUE(action(cmd::AlignToBeat)->isChecked());
}

// Every modal window is answered with OK, as a user would who takes the defaults.
QStringList& ModalTitles() {
    static QStringList titles;
    return titles;
}

void AnswerModalsWithOk() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        ModalTitles() << dialog->windowTitle();
        // Queued, so that a message box opened by this OK gets answered in its turn.
        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
    });
    timer->start(20);
}

TEST_F(MainWindowTest, NewProjectIsLoadedThroughSettingsAddAndTrackProperties) {
    ModalTitles().clear();
    const Project& project = window.context().project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.currentTrack == 0 && project.buffersReady(); }));
    EXPECT_TRUE(ModalTitles().contains("Project Settings"));
    EXPECT_TRUE(ModalTitles().contains("Track Properties"));
    EXPECT_EQ(window.windowTitle(), "Jorv - untitled*");  // a new project is not saved yet
    EXPECT_EQ(control<QComboBox>(cmd::TrackList)->currentText(), "Track 1");
    // The new track lives in the working copy until Save.
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.file("untitled-Track 1.wav"))));

    // A second track through the toolbar, then the list switches between them.
    QTest::mouseClick(control<QToolButton>(cmd::AddTrack), Qt::LeftButton);
    ASSERT_TRUE(settle([&] { return control<QComboBox>(cmd::TrackList)->count() == 2; }));
    EXPECT_EQ(project.currentTrack, 1);
    EXPECT_EQ(control<QComboBox>(cmd::TrackList)->currentText(), "Track 2");
    QTest::mouseClick(control<QToolButton>(cmd::Save), Qt::LeftButton);
    EXPECT_EQ(window.findChild<QLabel*>("status")->text(), "Project Saved");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder.file("untitled.jor"))));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder.file("untitled-Track 1.wav"))));
}

TEST_F(MainWindowTest, AnEffectFromTheFxMenuAppliesToTheSelection) {
    Project& project = window.context().project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.buffersReady(); }));
    for (uint32_t f = 0; f < 100; ++f) project.trackBuffer[f] = {10000, 10000};
    project.selectionStart = 0;
    project.selectionEnd = 100;
    project.trackDirty = false;
    ModalTitles().clear();
    window.context().effectDialog.effectParams = {7, 7, 7};  // a menu effect starts from its defaults
    action(fx::Fade)->trigger();
    EXPECT_EQ(ModalTitles(), QStringList{"Fade"});
    EXPECT_EQ(project.trackBuffer[0].left, 9882);  // 10000 * 254/255 * 0.9921875
    EXPECT_EQ(project.trackBuffer[0].right, 9960);
    EXPECT_EQ(project.trackBuffer[100].left, 0);
    EXPECT_TRUE(project.trackDirty);
}

TEST_F(MainWindowTest, TheEffectDialogShowsTheCatalogueAndStepsWithinItsRange) {
    AppContext& context = window.context();
    context.effectDialog.dialogEffectId = fx::Turntable;
    EffectParameterDialog dialog(&window, context);
    EXPECT_EQ(dialog.windowTitle(), "Turntable");
    EXPECT_EQ(dialog.findChild<QLabel*>("control1014")->text(), "Stop                 Start");
    EXPECT_EQ(dialog.findChild<QLabel*>("control1019")->text(), "Stop");
    auto* bar = dialog.findChild<QScrollBar*>("control1012");
    EXPECT_EQ(bar->minimum(), 2);
    EXPECT_EQ(bar->maximum(), 254);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog.findChild<QLabel*>("control1020")->text(), "unused");  // Turntable never reads its depth
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // pages change nothing
    EXPECT_EQ(bar->value(), 129);
    EXPECT_EQ(context.effectDialog.effectParams[1], 129);
    // Cancel keeps the moved value and applies nothing.
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("control%1").arg(EffectDialogCancel)), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), EffectDialogCancel);
    EXPECT_EQ(context.effectDialog.effectParams[1], 129);
    EXPECT_FALSE(context.project.trackDirty);
}

TEST_F(MainWindowTest, StandardKeysRunTheirCommandsAndSpacePlaysOrStops) {
    for (const CommandShortcut& shortcut : CommandShortcuts())
        EXPECT_TRUE(action(shortcut.id)->shortcuts().contains(QKeySequence(ToQt(shortcut.keys)))) << shortcut.id;
    EXPECT_EQ(action(cmd::Redo)->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    Project& project = window.context().project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.buffersReady(); }));
    project.selectionStart = 0;
    project.selectionEnd = 1000000;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* list = control<QComboBox>(cmd::TrackList);
    list->setFocus();  // Space would open the list
    QTest::keyClick(list, Qt::Key_Space);
    ASSERT_TRUE(settle([&] { return project.busy; }));
    EXPECT_EQ(window.findChild<QLabel*>("status")->text(), "Playing");
    EXPECT_FALSE(list->view()->isVisible());
    // Pressed again, Space stops (a message box about the missing audio hardware may hold the
    // activation here, so the command it gives is checked instead of a second key press).
    EXPECT_EQ(PlayOrStopCommand(project), cmd::Stop);
}

TEST_F(MainWindowTest, TheToolbarCutsPastesAndUndoesThroughTheClipboardFile) {
    Project& project = window.context().project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.buffersReady(); }));
    FlushTrack(project, window.context().ui);
    for (uint32_t f = 0; f < 100; ++f) project.trackBuffer[f] = {8000, -8000};
    project.selectionStart = 0;
    project.selectionEnd = 50;
    QTest::mouseClick(control<QToolButton>(cmd::Cut), Qt::LeftButton);
    EXPECT_EQ(project.trackBuffer[49].left, 0);
    EXPECT_EQ(project.trackBuffer[50].left, 8000);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder.file("clipper.wav"))));
    project.selectionStart = 50;
    project.selectionEnd = 60;
    QTest::mouseClick(control<QToolButton>(cmd::Paste), Qt::LeftButton);
    EXPECT_EQ(project.trackBuffer[50].left, 7937);  // 8000 x 254/256
    // Undo takes back the paste alone, Redo does it again.
    QTest::mouseClick(control<QToolButton>(cmd::Undo), Qt::LeftButton);
    EXPECT_EQ(project.trackBuffer[50].left, 8000);
    EXPECT_EQ(project.trackBuffer[49].left, 0);
    EXPECT_EQ(window.findChild<QLabel*>("status")->text(), "Undo Paste");
    EXPECT_TRUE(action(cmd::Redo)->isEnabled());
    action(cmd::Redo)->trigger();
    EXPECT_EQ(project.trackBuffer[50].left, 7937);
    EXPECT_EQ(window.findChild<QLabel*>("status")->text(), "Redo Paste");
    EXPECT_FALSE(action(cmd::Redo)->isEnabled());

    // Save Wave's dialog asks before it replaces a file.
    bool asks = false;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        asks = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    action(cmd::SaveWave)->trigger();
    EXPECT_TRUE(asks);
}

// The rows the waveform reaches in a column of the view's image, top and bottom.
std::pair<int, int> DrawnRows(const QImage& image, int column) {
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(column, y) == QColor(Qt::black)) continue;
        if (top < 0) top = y;
        bottom = y;
    }
    return {top, bottom};
}

// The picture follows the track through the commands, although the view draws from a summary
// of it: a cut silences its part of the band, and Undo the rest (the tone came with no command
// of its own, so the step taken back starts from the silence before it).
TEST_F(MainWindowTest, TheViewShowsWhatEachCommandDidToTheTrack) {
    Project& project = window.context().project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.buffersReady(); }));
    for (uint32_t f = 0; f < project.framesPerTrack; ++f) project.trackBuffer[f] = {int16_t(f % 100 < 50 ? 12800 : -12800), 0};
    project.selectionStart = 0;
    project.selectionEnd = project.framesPerTrack / 2;
    QTest::mouseClick(control<QToolButton>(cmd::Cut), Qt::LeftButton);
    auto* view = window.findChild<WaveformView*>();
    const auto drawn = [&](int column) {
        project.selectionEnd = project.selectionStart;  // no band over the trace
        view->render();
        return DrawnRows(view->image(), column);
    };
    // 12800 / 512 about the middle row at the smallest view's height, in proportion at this one.
    const int middle = view->height() / 2, reach = 25 * view->height() / ViewHeight;
    const std::pair<int, int> band{middle - reach, middle + reach}, silence{middle, middle};
    const int cutColumn = view->width() / 5, keptColumn = view->width() * 4 / 5;
    EXPECT_EQ(drawn(cutColumn), silence);
    EXPECT_EQ(drawn(keptColumn), band);
    QTest::mouseClick(control<QToolButton>(cmd::Undo), Qt::LeftButton);
    EXPECT_EQ(drawn(keptColumn), silence);
}

// A 48 kHz file dropped on the view comes in at the track's rate where it fell.
TEST_F(MainWindowTest, AnAudioFileDroppedOnTheViewIsImportedWhereItFell) {
    Project& project = window.context().project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.buffersReady(); }));
    std::vector<int16_t> samples(2 * 4800, 16000);  // a tenth of a second of stereo
    WriteFileBytes(folder.file("loud.wav"), RiffFile({FmtChunk({.sampleRate = 48000}), Chunk("data", SampleBytes(samples))}));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.file("loud.wav")))});
    auto* view = window.findChild<WaveformView*>();
    const QPoint at = view->mapTo(&window, QPoint(view->width() / 2, view->height() / 2));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    const uint32_t start = project.selectionStart;
    EXPECT_GT(start, 0u);
    EXPECT_NEAR(project.selectionEnd - start, 4410, 1);
    EXPECT_EQ(project.trackBuffer[start + 2000].left, 16000 * 254 / 256);
    EXPECT_EQ(project.trackBuffer[start + 4500].left, 0);
}

TEST_F(MainWindowTest, TheDrumEditBarsStoreStepsForTheChosenPatternAndInstrument) {
    AppContext& context = window.context();
    DrumBlock& drums = context.project.block.drumBlock;
    StoreSongPattern(drums, u"01");
    DrumEditDialog dialog(&window, context);
    auto* patterns = dialog.findChild<QComboBox*>("control1033");
    auto* instruments = dialog.findChild<QComboBox*>("control1032");
    EXPECT_EQ(instruments->itemText(8), "Bass Drum 1");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("control1112")->text(), "01");
    auto* step5 = dialog.findChild<QScrollBar*>("control1039");
    EXPECT_NE(dialog.findChild<QScrollBar*>("control1065"), nullptr);  // the 32nd step

    emit patterns->activated(2);
    emit instruments->activated(8);
    step5->setSliderPosition(90);
    EXPECT_EQ(drums.patterns[2].steps[5 * DrumInstrumentCount + 8], 90);
    step5->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // arrows do nothing
    EXPECT_EQ(step5->value(), 90);
    dialog.findChild<QScrollBar*>("control1066")->setSliderPosition(125);
    EXPECT_EQ(dialog.findChild<QLabel*>("control1099")->text(), "ms per beat 125");
    QTest::mouseClick(dialog.findChild<QPushButton*>("control1109"), Qt::LeftButton);  // Cut
    EXPECT_EQ(step5->value(), 0);
    dialog.findChild<QLineEdit*>("control1112")->setText("2");
    QTest::mouseClick(dialog.findChild<QPushButton*>("control1"), Qt::LeftButton);
    EXPECT_EQ(FieldToUtf8(drums.songPattern), "2");
    EXPECT_EQ(context.project.beatFrames, 141120u);
}

TEST_F(MainWindowTest, OptionsShowsItsListsTakesDigitsOnlyAndSavesOnOk) {
    AppContext& context = window.context();
    context.settings.recordLatency = 40;
    OptionsDialog dialog(&window, context,
                         {.midiInputs = {"Keys"}, .audioSystems = {"jack", "alsa"}, .audioOutputs = {"Out A"}});
    EXPECT_EQ(dialog.findChild<QComboBox*>("control1123")->currentText(), "Keys");
    EXPECT_EQ(dialog.findChild<QComboBox*>("control1190")->itemText(2), "ALSA");
    EXPECT_EQ(dialog.findChild<QComboBox*>("control1191")->itemText(1), "Out A");
    EXPECT_EQ(dialog.findChild<QComboBox*>("control1193")->currentText(), "Built-in synthesizer");
    auto* latency = dialog.findChild<QLineEdit*>("control1182");
    latency->clear();
    QTest::keyClicks(latency, "x2y5");
    EXPECT_EQ(latency->text(), "25");
    dialog.findChild<QComboBox*>("control1122")->setCurrentIndex(1);
    auto* quality = dialog.findChild<QLineEdit*>("control1195");
    EXPECT_EQ(quality->text(), "6");
    quality->clear();
    QTest::keyClicks(quality, "q3");
    QTest::mouseClick(dialog.findChild<QPushButton*>("control1"), Qt::LeftButton);
    EXPECT_EQ(context.settings.recordLatency, 25);
    EXPECT_EQ(context.settings.exportQuality, 3);
    EXPECT_EQ(context.settings.midiBufferEntries, 131072);
    EXPECT_EQ(window.findChild<QLabel*>("status")->text(), "Options Saved");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder.file("jorv.ini"))));
}

TEST_F(MainWindowTest, TheFxListBuildsAChainThroughTheParameterDialogAndAppliesIt) {
    AppContext& context = window.context();
    Project& project = context.project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.buffersReady(); }));
    for (uint32_t k = 0; k < 2000; ++k) project.trackBuffer[k] = {int16_t(k), int16_t(k)};
    project.selectionStart = 0;
    project.selectionEnd = 2000;
    project.trackDirty = false;
    FxListDialog dialog(&window, context);
    auto* available = dialog.findChild<QListWidget*>("control1024");
    EXPECT_EQ(available->item(0)->text(), "Amp Gain");
    // The parameter dialog each ">" opens is answered with OK.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            if (modal->windowTitle() == "Reverse") modal->accept();
    });
    answer.start(20);
    for (int i = 0; i < 2; ++i) {
        available->setCurrentRow(33);
        QTest::mouseClick(dialog.findChild<QPushButton*>("control1026"), Qt::LeftButton);
    }
    auto* chosen = dialog.findChild<QListWidget*>("control1023");
    ASSERT_EQ(chosen->count(), 2);
    EXPECT_EQ(chosen->item(1)->text(), "Misc Reverse");
    chosen->setCurrentRow(1);
    QTest::mouseClick(dialog.findChild<QPushButton*>("control1027"), Qt::LeftButton);
    EXPECT_EQ(chosen->count(), 1);
    dialog.findChild<QScrollBar*>("control1180")->setSliderPosition(255);
    QTest::mouseClick(dialog.findChild<QPushButton*>("control1020"), Qt::LeftButton);
    EXPECT_TRUE(project.trackDirty);
    EXPECT_NEAR(project.trackBuffer[1000].left, 999, 2);  // reversed, at the blend's peak
    EXPECT_EQ(project.trackBuffer[0].left, 0);            // the first frame untouched
    EXPECT_EQ(dialog.findChild<QLabel*>("control1031")->text(), "Effects Applied: 1");
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndReleasesTheBuffers) {
    Project& project = window.context().project;
    ASSERT_TRUE(settle([&] { return project.projectLoaded && project.buffersReady(); }));
    // Saved, so that Exit has nothing to ask (the question itself is the shell's, tested there).
    project.savedBlock = project.block;
    project.trackDirty = false;
    project.work.clear();
    action(cmd::Exit)->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.context().project.buffersReady());
}

}  // namespace
}  // namespace jorv::test

int main(int argc, char** argv) {
    // The window tests never need a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    jorv::test::AnswerModalsWithOk();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
