// The help page, the console's manual page and the settings notes in docs/
// against the program itself: every switch the command line acts on, every
// key the settings file is read for with its default, and every exit code,
// so that what users read never drifts from what the program does.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "options/command_line.h"
#include "options/option_load.h"
#include "options/option_test_kit.h"
#include "options/setting_keys.h"
#include "options/spec_file_reader.h"
#include "run/exit_codes.h"
#include "support/environment_references.h"
#include "testkit/stage.h"
#include "testkit/steady_operator.h"

namespace brenx {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string& HelpPage() {
    static const std::string page = ReadFile(BRENX_HELP_PAGE);
    return page;
}

// The rows of the page's table with this id, each as its cells' inner HTML.
std::vector<std::vector<std::string>> TableRows(const std::string& id) {
    const std::string& page = HelpPage();
    const std::size_t start = page.find("<table id=\"" + id + "\">");
    const std::size_t end = page.find("</table>", start);
    if (start == std::string::npos || end == std::string::npos) return {};
    const std::string table = page.substr(start, end - start);
    const std::regex row("<tr>([\\s\\S]*?)</tr>"), cell("<td>([\\s\\S]*?)</td>");
    std::vector<std::vector<std::string>> rows;
    for (std::sregex_iterator r(table.begin(), table.end(), row), none; r != none; ++r) {
        const std::string text = (*r)[1];
        std::vector<std::string> cells;
        for (std::sregex_iterator c(text.begin(), text.end(), cell); c != none; ++c) {
            cells.push_back((*c)[1]);
        }
        if (!cells.empty()) rows.push_back(cells);
    }
    return rows;
}

// The texts of the <code> elements of a piece of HTML, tags and entities
// inside them resolved.
std::vector<std::string> CodeTexts(const std::string& html) {
    const std::regex code("<code>([\\s\\S]*?)</code>"), tag("<[^>]*>");
    std::vector<std::string> texts;
    for (std::sregex_iterator c(html.begin(), html.end(), code), none; c != none; ++c) {
        std::string text = std::regex_replace((*c)[1].str(), tag, "");
        for (const auto& [entity, plain] :
             {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
            for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
                text.replace(at, std::string(entity).size(), plain);
            }
        }
        texts.push_back(text);
    }
    return texts;
}

bool SameCommandLine(const options::CommandLine& a, const options::CommandLine& b) {
    return a.settings == b.settings && a.marks == b.marks &&
           a.settingsFileName == b.settingsFileName && a.settingsSection == b.settingsSection &&
           a.verifyRoot == b.verifyRoot;
}

// The characters that, after "-", change what the command line says (with
// or without a value after them): the program's own table of switches.
std::set<char> SwitchesTheParserTakes() {
    // The steady operator lets the parser say what it likes.
    testkit::Stage<testkit::SteadyOperator> stage({}, "e:\\");
    platform::FileSystem& fs = stage.drives.Fs();
    const support::EnvironmentLookup environment = stage.Environment();
    const auto parse = [&](const std::string& argument) {
        return options::ParseCommandLine({argument}, environment, fs, stage.op);
    };
    const options::CommandLine none = options::ParseCommandLine({}, environment, fs, stage.op);
    std::set<char> taken;
    for (char c = '!'; c <= '~'; ++c) {
        const std::string bare = std::string("-") + c;
        // "%" begins an environment reference, which is expanded away before
        // the argument is looked at.
        if (support::ExpandEnvironmentReferences(bare + "x", false, environment) != bare + "x") {
            continue;
        }
        if (!SameCommandLine(parse(bare), none) || !SameCommandLine(parse(bare + "x"), none)) {
            taken.insert(c);
        }
        fs.SetCurrentDirectory("d:\\");
    }
    return taken;
}

// The first character after "-" of each code in a cell; "?" for the help.
std::set<char> DocumentedSwitches(const std::vector<std::vector<std::string>>& rows) {
    std::set<char> documented;
    for (const auto& row : rows) {
        for (const std::string& code : CodeTexts(row[0])) {
            if (code.size() > 1 && code[0] == '-') documented.insert(code[1]);
            if (code == "?") documented.insert('?');
        }
    }
    return documented;
}

TEST(HelpPage, HasEverySectionAndEveryLinkLeadsToOne) {
    const std::string& page = HelpPage();
    ASSERT_FALSE(page.empty()) << BRENX_HELP_PAGE;
    std::set<std::string> ids;
    const std::regex id("id=\"([^\"]+)\""), link("href=\"#([^\"]+)\"");
    for (std::sregex_iterator i(page.begin(), page.end(), id), none; i != none; ++i) {
        EXPECT_TRUE(ids.insert((*i)[1]).second) << "two elements with id " << (*i)[1];
    }
    // "media" is where F1 of the media question opens the page.
    for (const char* section : {"about", "start", "command-line", "settings", "jobs", "log",
                                "verify", "media", "questions", "exit-codes", "drives", "files"}) {
        EXPECT_TRUE(ids.contains(section)) << section;
    }
    EXPECT_TRUE(ids.contains(options::kMediaHelpSection));
    for (std::sregex_iterator l(page.begin(), page.end(), link), none; l != none; ++l) {
        EXPECT_TRUE(ids.contains((*l)[1])) << "a link to nowhere: #" << (*l)[1];
    }
    EXPECT_EQ(page.find("@EXIT_CODE_ROWS@"), std::string::npos) << "the template was not filled";
}

TEST(HelpPage, ListsExactlyTheSwitchesTheCommandLineTakes) {
    const std::set<char> taken = SwitchesTheParserTakes();
    ASSERT_TRUE(taken.contains('s') && taken.contains('?'));
    EXPECT_EQ(DocumentedSwitches(TableRows("switches")), taken);
}

TEST(HelpPage, ListsEverySettingsKeyWithItsDefault) {
    std::set<std::string> programKeys;
    for (const options::SettingKey& key : options::SettingKeys())
        programKeys.insert(key.name);

    // A settings file that sets every key to the default the page gives
    // loads exactly the settings of no settings file at all.
    std::string ini = "[brenx]\r\n";
    std::set<std::string> documented;
    for (const auto& row : TableRows("settings-keys")) {
        ASSERT_GE(row.size(), 2u);
        const std::vector<std::string> name = CodeTexts(row[0]);
        ASSERT_EQ(name.size(), 1u) << row[0];
        EXPECT_TRUE(documented.insert(name[0]).second) << "listed twice: " << name[0];
        const std::vector<std::string> value = CodeTexts(row[1]);
        if (!value.empty()) {
            ini += name[0] + "=" + value[0] + "\r\n";
        } else if (row[1] == "(empty)") {
            ini += name[0] + "=\r\n";
        } else {
            EXPECT_EQ(row[1], "(none)") << name[0];
        }
    }
    EXPECT_EQ(documented, programKeys);

    options::testing::OptionWorld without;
    options::OptionLoad builtIn(without.drives.Fs(), without.op, without.Inputs({}));
    builtIn.LoadJobSettings();
    options::testing::OptionWorld with;
    with.drives.Write("e/prog/brenx.ini", ini);
    options::OptionLoad fromPage(with.drives.Fs(), with.op, with.Inputs({}));
    fromPage.LoadJobSettings();
    ASSERT_TRUE(fromPage.SettingsFileState().Existed());
    EXPECT_TRUE(fromPage.Settings() == builtIn.Settings()) << ini;
}

// The codes a run can end with, as the program names them.
std::set<int> ProgramExitCodes() {
    using namespace run;
    return {kExitSuccess,
            kExitCheckingDirectories,
            kExitGaveUp,
            kExitCopyFiles,
            kExitCopyDirectories,
            kExitCommandTooLong,
            kExitProgramStart,
            kExitKeyFileMissing,
            kExitVerifyFailed,
            kExitNoMedia,
            kExitBadDirectories,
            kExitClearFiles,
            kExitClearDirectories,
            kExitClearNoMedia,
            kExitReadNoMedia,
            kExitReadFiles,
            kExitReadDirectories,
            kExitUserCancelled,
            kExitNotNewer,
            kExitTidyStart,
            kExitWarningHeeded,
            kExitNoRoom,
            kExitFlushFailed,
            kExitCrcLinesLost,
            kExitFilesSkipped,
            kExitVersionPrompt,
            options::kExitSpecMissingBar,
            options::kExitSpecBadDefaultLetter,
            options::kExitSpecBadLetter,
            options::kExitSpecNestedOpen};
}

TEST(HelpPage, TellsEveryExitCodeOfTheProgram) {
    std::set<int> documented;
    const std::regex number("\\d+");
    for (const auto& row : TableRows("exit-code-table")) {
        for (std::sregex_iterator n(row[0].begin(), row[0].end(), number), none; n != none; ++n) {
            documented.insert(std::stoi((*n)[0]));
        }
    }
    EXPECT_EQ(documented, ProgramExitCodes());
}

// The page's default of each settings key, as the text of its <code>.
std::map<std::string, std::string> PageDefaults() {
    std::map<std::string, std::string> defaults;
    for (const auto& row : TableRows("settings-keys")) {
        const std::vector<std::string> name = CodeTexts(row[0]), value = CodeTexts(row[1]);
        if (name.size() == 1 && !value.empty()) defaults[name[0]] = value[0];
    }
    return defaults;
}

// The cells of the Markdown tables of a document whose header row starts
// with this cell.
std::vector<std::vector<std::string>> MarkdownRows(const std::string& text,
                                                   const std::string& firstHeader) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    bool inTable = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] != '|') {
            inTable = false;
            continue;
        }
        std::vector<std::string> cells;
        const std::regex cell("\\|\\s*((?:[^|\\\\]|\\\\.)*?)\\s*(?=\\|)");
        for (std::sregex_iterator c(line.begin(), line.end(), cell), none; c != none; ++c) {
            cells.push_back((*c)[1]);
        }
        if (cells.empty()) continue;
        if (cells[0] == firstHeader)
            inTable = true;
        else if (inTable && cells[0].find("---") == std::string::npos)
            rows.push_back(cells);
    }
    return rows;
}

std::vector<std::string> Backticked(const std::string& text) {
    const std::regex quoted("`([^`]+)`");
    std::vector<std::string> names;
    for (std::sregex_iterator q(text.begin(), text.end(), quoted), none; q != none; ++q) {
        names.push_back((*q)[1]);
    }
    return names;
}

TEST(SettingsNotes, NameOnlyTheProgramsKeysWithThePagesDefaults) {
    std::set<std::string> programKeys;
    for (const options::SettingKey& key : options::SettingKeys())
        programKeys.insert(key.name);
    const std::map<std::string, std::string> pageDefaults = PageDefaults();
    const std::string notes = ReadFile(BRENX_SOURCE_DIR "/docs/settings.md");
    const auto rows = MarkdownRows(notes, "key");
    ASSERT_GT(rows.size(), 20u);
    const std::regex number("\\d+");
    for (const auto& row : rows) {
        for (std::string name : Backticked(row[0])) {
            name = name.substr(0, name.find('='));
            EXPECT_TRUE(programKeys.contains(name)) << "not a settings key: " << name;
            // A plain number in the default column is every named key's default.
            if (row.size() > 2 && std::regex_match(row[1], number)) {
                EXPECT_EQ(pageDefaults.count(name) ? pageDefaults.at(name) : "", row[1]) << name;
            }
        }
    }
}

TEST(SettingsNotes, NameOnlySwitchesTheCommandLineTakes) {
    const std::set<char> taken = SwitchesTheParserTakes();
    const std::string notes = ReadFile(BRENX_SOURCE_DIR "/docs/settings.md");
    const auto rows = MarkdownRows(notes, "switch");
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        for (const std::string& code : Backticked(row[0])) {
            ASSERT_GT(code.size(), 1u) << code;
            EXPECT_TRUE(code[0] == '-' && taken.contains(code[1])) << "not a switch: " << code;
        }
    }
}

TEST(ManualPage, TheConsolesOptionsAreTheSwitchesTheCommandLineTakes) {
    const std::string page = ReadFile(BRENX_SOURCE_DIR "/data/man/brenxc.1");
    const std::size_t start = page.find(".SH OPTIONS");
    const std::size_t end = page.find("\n.SH ", start + 1);
    ASSERT_NE(start, std::string::npos);
    std::istringstream lines(page.substr(start, end - start));
    std::set<char> documented;
    const std::regex dash("\\\\-(\\S)");
    bool item = false;
    for (std::string line; std::getline(lines, line); item = line == ".TP") {
        if (!item) continue;
        if (line == ".B ?") documented.insert('?');
        for (std::sregex_iterator d(line.begin(), line.end(), dash), none; d != none; ++d) {
            documented.insert((*d)[1].str()[0]);
        }
    }
    EXPECT_EQ(documented, SwitchesTheParserTakes());
}

}  // namespace
}  // namespace brenx
