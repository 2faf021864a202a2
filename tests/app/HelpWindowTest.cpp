#include "app/HelpWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "app/MainWindow.h"
#include "shell/CommandIds.h"
#include "tests/support/TempFolder.h"

namespace jorv::test {
namespace {

// The window with the built help page beside it, as an installed program has it.
class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindowTest() : copied(QFile::copy(JORV_HELP_PAGE, QString::fromStdString(folder.file("jorv.htm")))),
                       window({folder.path(), folder.path()}) {
        window.show();
    }
    template <typename Condition>
    bool settle(Condition condition) {
        for (int i = 0; i < 200 && !condition(); ++i) QTest::qWait(10);
        return condition();
    }
    HelpWindow* openHelp() {
        window.findChild<QAction*>(QStringLiteral("command%1").arg(cmd::HelpIndex))->trigger();
        return window.findChild<HelpWindow*>(QStringLiteral("helpWindow"));
    }

    TempFolder folder;
    bool copied;
    MainWindow window;
};

TEST_F(HelpWindowTest, HelpIndexShowsTheDocumentInItsOwnWindowWithWorkingLinksAndBack) {
    ASSERT_TRUE(copied);
    ASSERT_TRUE(settle([&] { return window.context().project.projectLoaded; }));
    HelpWindow* help = openHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    EXPECT_EQ(browser->documentTitle(), "Jorv Help");
    EXPECT_TRUE(browser->toPlainText().contains("Contents"));

    // A contents link stays in the document; Back returns and is then spent.
    auto* back = help->findChild<QToolButton*>(QStringLiteral("helpBack"));
    EXPECT_FALSE(back->isEnabled());
    browser->setSource(QUrl(QStringLiteral("#tools")));
    EXPECT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_EQ(openHelp(), help);  // asked again, the same window comes forward
}

TEST_F(HelpWindowTest, CtrlFOpensTheFindBarAndEnterSelectsTheTextGoingRound) {
    ASSERT_TRUE(copied);
    ASSERT_TRUE(settle([&] { return window.context().project.projectLoaded; }));
    HelpWindow* help = openHelp();
    ASSERT_NE(help, nullptr);
    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    auto* findText = help->findChild<QLineEdit*>(QStringLiteral("helpFindText"));
    EXPECT_FALSE(findText->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));  // a key goes to the window that has the focus
    QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(findText->isVisible());
    // The page names Save As twice: in the keys' table and in the File menu.
    QTest::keyClicks(findText, QStringLiteral("save as"));
    QTest::keyClick(findText, Qt::Key_Return);
    EXPECT_EQ(browser->textCursor().selectedText().toLower(), "save as");
    const int first = browser->textCursor().position();
    // The next one lies further on; past the last, the search starts again from the top.
    QTest::keyClick(findText, Qt::Key_Return);
    EXPECT_GT(browser->textCursor().position(), first);
    QTest::keyClick(findText, Qt::Key_Return);
    EXPECT_EQ(browser->textCursor().position(), first);

    EXPECT_FALSE(help->findNext(QStringLiteral("no such words anywhere")));
    EXPECT_EQ(help->findChild<QLabel*>(QStringLiteral("helpFindResult"))->text(), "Not found");
}

}  // namespace
}  // namespace jorv::test
