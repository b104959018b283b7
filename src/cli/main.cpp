// velmora-cli: the program's results for scripts and tests, as UTF-8 lines.

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>
#include <sstream>

#include "base/errors.h"
#include "base/text.h"
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

// One row per subcommand; each lives in its own cmd_*.cpp. The synopsis is
// its line in --help, the usage what `velmora-cli COMMAND --help` prints.
const Command kCommands[] = {
    {"", "", "", nullptr},  // placeholder so the table is never empty
    {"lunar",
     "lunar DATE...         lunar date, its text and solar term of each yyyy-M-d (- reads stdin)",
     "velmora-cli lunar DATE...\n"
     "  DATE is yyyy-M-d; - reads one date per line from standard input.\n"
     "  Prints per date: date, lunar year, month, day, leap (0/1), lunar text, solar term.\n",
     RunLunar},
    {"solar", "solar YEAR MONTH DAY [--leap]  Gregorian date of a lunar date",
     "velmora-cli solar YEAR MONTH DAY [--leap]\n"
     "  The Gregorian date (yyyy-MM-dd) of a lunar date of 1901..2099; --leap for the leap "
     "month.\n",
     RunSolar},
    {"pillars",
     "pillars \"yyyy-M-d H:m\" SEX...  four pillars, 胎元, luck and hidden stems (- reads stdin)",
     "velmora-cli pillars \"yyyy-M-d H:m\" SEX...\n"
     "  SEX is 男 or 女; - reads lines \"yyyy-M-d H:m SEX\" from standard input.\n"
     "  Prints per birth: birth, pillars, 胎元, start age, F/B, luck pillars, hidden stems.\n",
     RunPillars},
    {"jieqi", "jieqi YEAR            the year's 24 solar-term instants (China Standard Time)",
     "velmora-cli jieqi YEAR\n"
     "  The 24 solar terms of YEAR (1900..2101) with their instants, China Standard Time.\n",
     RunJieqi},
    {"strokes", "strokes TEXT...      stroke count and traditional form of each text",
     "velmora-cli strokes TEXT...\n"
     "  Prints per text: text, stroke count, traditional form; - reads one text per line\n"
     "  from standard input. A character without a stroke count is an input message.\n",
     RunStrokes},
    {"shuli", "shuli NUMBER         81-number entry: phrase, luck word, personality",
     "velmora-cli shuli NUMBER\n"
     "  The 81-number entry of NUMBER: phrase, luck word, personality.\n",
     RunShuli},
    {"analyze",
     "analyze --surname X --given Y --date Y-M-D --hour H --body B [...]  company-name analysis "
     "report",
     "velmora-cli analyze --surname X --given Y [--sex 男|女] [--calendar solar|lunar]\n"
     "                    --date Y-M-D --hour H [--minute M] [--prefix P] --body B [--suffix S]\n"
     "  The company-name analysis report. Birth years 1901..2099, hour 0..23, minute 0..59.\n",
     RunAnalyze},
    {"bazi", "bazi --surname X --given Y --date Y-M-D --hour H [...]  bazi report",
     "velmora-cli bazi --surname X --given Y [--sex 男|女] [--calendar solar|lunar]\n"
     "                 --date Y-M-D --hour H [--minute M]\n"
     "  The bazi report. Birth years 1901..2099, hour 0..23, minute 0..59.\n",
     RunBazi},
    {"suggest",
     "suggest --surname X --date Y-M-D --hour H [--length N] [--fixed POS=CHAR]... [--pages N]  "
     "candidate names",
     "velmora-cli suggest --surname X [--given X] [--sex 男|女] [--calendar solar|lunar]\n"
     "                    --date Y-M-D --hour H [--minute N] [--length 2|3|4] [--fixed "
     "POS=CHAR]...\n"
     "                    [--prefix TEXT] [--suffix TEXT] [--pages N]\n"
     "  The missing elements, then the candidate rows. --fixed puts one character at\n"
     "  position POS (1..--length) of the body.\n",
     RunSuggest},
    {"month",
     "month YYYY-M          each day of a month: lunar code and texts, term, festivals, animal, sign, grid text and kind",
     "velmora-cli month YYYY-M\n"
     "  One line per day: date, lunar code, month text, day text, solar term, Gregorian\n"
     "  festival, lunar festival, zodiac, constellation, grid text and its kind.\n",
     RunMonth},
    {"almanac",
     "almanac DATE...       almanac entry of each yyyy-M-d: nn suici tszf wuhang cong pzbj jsyq yi xsyq ji (- reads stdin)",
     "velmora-cli almanac DATE...\n"
     "  DATE is yyyy-M-d (1901..2100); - reads one date per line from standard input.\n"
     "  Prints per date: the date and the ten almanac columns; a day the table lacks\n"
     "  prints ten empty fields.\n",
     RunAlmanac},
    {"dream",
     "dream [TEXT]          dream book: categories and titles; the interpretation of title TEXT, else titles containing TEXT",
     "velmora-cli dream [TEXT]\n"
     "  Without TEXT: every category and title (category TAB title). With TEXT: the\n"
     "  interpretation of the title TEXT, else the titles containing TEXT (exit 1: none).\n",
     RunDream},
    {"phone", "phone NUMBER         mobile-number test: number, state, luck word, reading",
     "velmora-cli phone NUMBER\n  The mobile-number test: number, state, luck word, reading.\n",
     RunPhone},
    {"qq", "qq NUMBER            QQ-number test: number, state, luck word, reading",
     "velmora-cli qq NUMBER\n  The QQ-number test: number, state, luck word, reading.\n", RunQQ},
    {"number", "number NUMBER        any-number test: number, state, luck word, reading",
     "velmora-cli number NUMBER\n  The any-number test (up to 18 digits): number, state, luck word, reading.\n",
     RunNumber},
    {"nickname", "nickname TEXT        nickname reading: initials, letter, personality",
     "velmora-cli nickname TEXT\n  The nickname reading: initials, letter, personality.\n",
     RunNickname},
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
        if (std::find(args.begin(), args.end(), "--help") != args.end()) {
            std::cout << "usage: " << c.usage;
            return 0;
        }
        // The output is kept until the command has succeeded, so a run that
        // fails halfway prints nothing but its message.
        std::ostringstream out;
        int rc;
        try {
            for (const std::string& arg : args) velmora::RequireUtf8(arg, "参数");
            rc = c.run(args, out, std::cerr);
        } catch (const std::exception& e) {
            std::cerr << e.what() << '\n';
            return 1;
        }
        if (rc == 0) std::cout << out.str();
        return rc;
    }
    std::cerr << "velmora-cli: unknown command '" << argv[1] << "' (see --help)\n";
    return 2;
}
