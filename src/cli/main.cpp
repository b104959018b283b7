// velmora-cli: the program's results for scripts and tests, as UTF-8 lines.

#include <cstring>
#include <exception>
#include <iostream>

#include "base/errors.h"
#include "base/version.h"
#include "store/connection.h"
#include "cli/commands.h"

namespace velmora::cli {

int RunLunar(const Args& args, std::ostream& out, std::ostream& err);
int RunSolar(const Args& args, std::ostream& out, std::ostream& err);
int RunPillars(const Args& args, std::ostream& out, std::ostream& err);
int RunJieqi(const Args& args, std::ostream& out, std::ostream& err);
int RunMonth(const Args& args, std::ostream& out, std::ostream& err);
int RunAlmanac(const Args& args, std::ostream& out, std::ostream& err);

int RunStrokes(const Args& args, std::ostream& out, std::ostream& err);
int RunShuli(const Args& args, std::ostream& out, std::ostream& err);
int RunAnalyze(const Args& args, std::ostream& out, std::ostream& err);
int RunBazi(const Args& args, std::ostream& out, std::ostream& err);
int RunSuggest(const Args& args, std::ostream& out, std::ostream& err);
int RunDream(const Args& args, std::ostream& out, std::ostream& err);

int RunPhone(const Args& args, std::ostream& out, std::ostream& err);
int RunQQ(const Args& args, std::ostream& out, std::ostream& err);
int RunNumber(const Args& args, std::ostream& out, std::ostream& err);
int RunNickname(const Args& args, std::ostream& out, std::ostream& err);

namespace {

// One row per subcommand; each lives in its own cmd_*.cpp.
const Command kCommands[] = {
    {"", "", nullptr},  // placeholder so the table is never empty
    {"lunar", "lunar DATE...         lunar date, its text and solar term of each yyyy-M-d (- reads stdin)", RunLunar},
    {"solar", "solar YEAR MONTH DAY [--leap]  Gregorian date of a lunar date", RunSolar},
    {"pillars", "pillars \"yyyy-M-d H:m\" SEX...  four pillars, 胎元, luck and hidden stems (- reads stdin)", RunPillars},
    {"jieqi", "jieqi YEAR            the year's 24 solar-term instants (China Standard Time)", RunJieqi},
    {"month", "month YYYY-M          each day of a month: lunar code and texts, term, festivals, animal, sign, grid text and kind", RunMonth},
    {"almanac", "almanac DATE...       almanac entry of each yyyy-M-d: nn suici tszf wuhang cong pzbj jsyq yi xsyq ji (- reads stdin)", RunAlmanac},
    {"strokes", "strokes TEXT...      stroke count and traditional form of each text", RunStrokes},
    {"shuli", "shuli NUMBER         81-number entry: phrase, luck word, personality", RunShuli},
    {"analyze", "analyze --surname X --given Y --date Y-M-D --hour H --body B [...]  company-name analysis report", RunAnalyze},
    {"bazi", "bazi --surname X --given Y --date Y-M-D --hour H [...]  bazi report", RunBazi},
    {"suggest", "suggest --surname X --date Y-M-D --hour H [--length N] [--fixed POS=CHAR]... [--pages N]  candidate names", RunSuggest},
    {"dream", "dream [TEXT]          dream book: categories and titles; the interpretation of title TEXT, else titles containing TEXT", RunDream},
    {"phone", "phone NUMBER         mobile-number test: number, state, luck word, reading", RunPhone},
    {"qq", "qq NUMBER            QQ-number test: number, state, luck word, reading", RunQQ},
    {"number", "number NUMBER        any-number test: number, state, luck word, reading", RunNumber},
    {"nickname", "nickname TEXT        nickname reading: initials, letter, personality", RunNickname},
};

void PrintHelp(std::ostream& out) {
    out << "velmora-cli " << velmora::kVersion << " - company naming by Chinese metaphysics\n"
        << "\n"
        << "Usage: velmora-cli COMMAND [ARGUMENTS...]\n"
        << "       velmora-cli --help | --version\n"
        << "\n"
        << "Commands:\n";
    for (const Command& c : kCommands)
        if (c.run) out << "  " << c.synopsis << '\n';
    out << "\n"
        << "Output is UTF-8, one result per line, fields separated by TAB.\n"
        << "Exit codes: 0 success, 1 conversion or database error, 2 usage or input message.\n"
        << "The databases are read from the data/ folder beside this program, else from\n"
        << "../share/velmora/data of an installed program; VELMORA_DATA names another.\n";
}

}  // namespace
}  // namespace velmora::cli

int main(int argc, char** argv) {
    using namespace velmora::cli;
    std::ios::sync_with_stdio(false);
    // Reading a batch line would otherwise flush the output written so far:
    // one write per line.
    std::cin.tie(nullptr);
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintHelp(std::cout);
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "velmora-cli " << velmora::kVersion << '\n'
                  << "数据文件夹：" << velmora::store::DataFolder() << '\n';
        return 0;
    }
    for (const Command& c : kCommands) {
        if (!c.run || c.name != argv[1]) continue;
        Args args(argv + 2, argv + argc);
        try {
            return c.run(args, std::cout, std::cerr);
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << e.what() << '\n';
            return 1;
        }
    }
    std::cerr << "velmora-cli: unknown command '" << argv[1] << "' (see --help)\n";
    return 2;
}
