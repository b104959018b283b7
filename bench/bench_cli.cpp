// velmora-cli as a script runs it: whole processes, from start to exit, on
// the batch inputs scripts feed it. The program timed is the one built beside
// this benchmark, or the one VELMORA_CLI names (another build, to compare).
//
//   suggest --length 4           one candidate search of four characters
//   pillars -, 20,000 births     four pillars of random births 1901..2099
//   strokes -, 100,000 texts     strokes and traditional forms of random names
//   analyze, 100 kB body         the report of one very long body
//
// The inputs are written once per run into a temporary folder, from a fixed
// seed, so every build is timed on the same lines.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Cli() {
    const char* chosen = std::getenv("VELMORA_CLI");
    return chosen && *chosen ? chosen : VELMORA_BUILT_CLI;
}

// Characters the random names and the long body are made of.
const std::vector<std::string>& NameCharacters() {
    static const std::vector<std::string> chars = [] {
        const std::string text =
            "华夏明达天宇鑫盛泰丰源隆兴旺嘉德信诚和瑞祥福安康宏伟博远志海江山林森金木水火土"
            "佳美新月星辰光耀晨阳春秋冬雪云龙凤鹏程锦绣恒通顺利昌永久发展创优科技贸易";
        std::vector<std::string> v;
        for (size_t i = 0; i < text.size(); i += 3) v.push_back(text.substr(i, 3));
        return v;
    }();
    return chars;
}

struct Inputs {
    fs::path folder, births, names;
    std::string longBody;

    Inputs() {
        folder = fs::temp_directory_path() / ("velmora-bench-cli-" + std::to_string(getpid()));
        fs::create_directories(folder);
        std::mt19937 random(20261210);
        auto uniform = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        births = folder / "births.txt";
        std::ofstream b(births);
        for (int i = 0; i < 20000; ++i) {
            const int year = uniform(1901, 2099), month = uniform(1, 12);
            const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            b << year << '-' << month << '-' << uniform(1, days[month - 1]) << ' ' << uniform(0, 22)
              << ':' << uniform(0, 59) << ' ' << (uniform(0, 1) ? "男" : "女") << '\n';
        }
        names = folder / "names.txt";
        std::ofstream n(names);
        const auto& chars = NameCharacters();
        for (int i = 0; i < 100000; ++i) {
            const int length = uniform(2, 4);
            for (int k = 0; k < length; ++k) n << chars[uniform(0, int(chars.size()) - 1)];
            n << '\n';
        }
        while (longBody.size() < 100000) longBody += chars[uniform(0, int(chars.size()) - 1)];
    }
    ~Inputs() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

const Inputs& TheInputs() {
    static const Inputs inputs;
    return inputs;
}

// Runs the CLI with `args`, standard input from `input` (or nothing) and
// output thrown away; false when it does not exit with 0. Adds the child's
// processor time (user and system) to `cpuSeconds`.
bool RunCli(const std::vector<std::string>& args, const fs::path& input, double& cpuSeconds) {
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen(input.c_str(), "r", stdin) || !freopen("/dev/null", "w", stdout)) _exit(127);
        std::vector<char*> argv;
        const std::string cli = Cli();
        argv.push_back(const_cast<char*>(cli.c_str()));
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(cli.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    cpuSeconds += usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                  usage.ru_stime.tv_usec / 1e6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Wall time per run, and as the counter cpu_ms the processor time the
// process used: on a machine shared with other work the wall time includes
// waiting for a processor, the processor time does not.
void Timed(benchmark::State& state, const std::vector<std::string>& args,
           const fs::path& input = "/dev/null") {
    double cpuSeconds = 0;
    for (auto _ : state)
        if (!RunCli(args, input, cpuSeconds)) state.SkipWithError("velmora-cli failed");
    state.counters["cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1000 / static_cast<double>(state.iterations()));
}

const std::vector<std::string> kOwner = {"--surname", "张",        "--given", "三",
                                         "--date",    "1980-5-20", "--hour",  "10"};

void BM_SuggestLength4(benchmark::State& state) {
    std::vector<std::string> args = {"suggest", "--length", "4"};
    args.insert(args.end(), kOwner.begin(), kOwner.end());
    Timed(state, args);
}
BENCHMARK(BM_SuggestLength4)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_Pillars20000(benchmark::State& state) {
    Timed(state, {"pillars", "-"}, TheInputs().births);
}
BENCHMARK(BM_Pillars20000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Strokes100000(benchmark::State& state) {
    Timed(state, {"strokes", "-"}, TheInputs().names);
}
BENCHMARK(BM_Strokes100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Analyze100kBody(benchmark::State& state) {
    std::vector<std::string> args = {"analyze", "--body", TheInputs().longBody};
    args.insert(args.end(), kOwner.begin(), kOwner.end());
    Timed(state, args);
}
BENCHMARK(BM_Analyze100kBody)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
