#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/MenuTable.h"

namespace jorv::test {
namespace {

// A menu text as the help page writes it: no mnemonic mark, no trailing " ...".
std::string Plain(std::string_view text) {
    std::string plain;
    for (const char c : text)
        if (c != '&') plain += c;
    if (plain.ends_with(" ...")) plain.resize(plain.size() - 4);
    return plain;
}

void CollectTexts(const std::vector<MenuEntry>& entries, std::vector<std::string>& texts) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind != MenuEntry::Kind::Separator) texts.push_back(Plain(entry.text));
        CollectTexts(entry.children, texts);
    }
}

TEST(HelpPage, LiesBesideTheProgramAndNamesEveryMenuCommand) {
    std::ifstream file(JORV_HELP_PAGE);
    ASSERT_TRUE(file) << "no help page at " << JORV_HELP_PAGE;
    std::ostringstream page;
    page << file.rdbuf();
    std::vector<std::string> texts;
    CollectTexts(MenuBarEntries(), texts);
    ASSERT_GT(texts.size(), 80u);
    for (const std::string& text : texts) EXPECT_NE(page.str().find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace jorv::test
