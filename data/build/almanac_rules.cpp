#include "almanac_rules.h"

#include <algorithm>
#include <stdexcept>

#include "base/text.h"
#include "builder.h"
#include "calendar/lunar_calendar.h"

namespace velmora::databuild {
namespace {

constexpr std::array<std::string_view, 12> kOfficerNames = {"建", "除", "满", "平", "定", "执",
                                                            "破", "危", "成", "收", "开", "闭"};

int IndexOf(std::string_view name, auto const& names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

[[noreturn]] void Refuse(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

std::vector<std::string> Items(std::string_view text) {
    std::vector<std::string> items;
    for (std::string& item : Split(text, ' '))
        if (!item.empty()) items.push_back(std::move(item));
    return items;
}

// The season (0 spring .. 3 winter) of a month branch: 寅卯辰 spring, 巳午未
// summer, 申酉戌 autumn, 亥子丑 winter.
constexpr int SeasonOf(int monthBranch) { return (monthBranch + 10) % 12 / 3; }
static_assert(SeasonOf(2) == 0 && SeasonOf(4) == 0 && SeasonOf(5) == 1 && SeasonOf(10) == 2 &&
              SeasonOf(11) == 3 && SeasonOf(1) == 3);

}  // namespace

AlmanacRules::AlmanacRules(const std::filesystem::path& sources) {
    for (const auto& r : ReadTsv(sources / "almanac_activities.tsv")) activities_.push_back(r[0]);
    if (activities_.empty() || activities_.size() > kMaxActivities)
        Refuse("almanac_activities.tsv", "expected 1 to 64 activities");

    const auto officers = ReadTsv(sources / "almanac_officers.tsv");
    if (officers.size() != 12) Refuse("almanac_officers.tsv", "expected 12 officers");
    for (size_t i = 0; i < 12; ++i) {
        const std::string where = "almanac_officers.tsv, officer " + std::to_string(i + 1);
        const auto& r = officers[i];
        if (r.size() != 3 || r[0] != kOfficerNames[i])
            Refuse(where, "expected " + std::string(kOfficerNames[i]) + " and two lists");
        officers_[i] = {r[0], ParseActivities(r[1], where), ParseActivities(r[2], where)};
    }

    for (const auto& r : ReadTsv(sources / "almanac_spirits.tsv")) {
        const std::string where = "almanac_spirits.tsv, " + (r.empty() ? std::string() : r[0]);
        if (r.size() != 7) Refuse(where, "expected 7 fields");
        Spirit spirit;
        spirit.name = r[0];
        if (r[1] != "吉" && r[1] != "凶") Refuse(where, "kind must be 吉 or 凶");
        spirit.good = r[1] == "吉";
        constexpr std::array<std::string_view, 4> kWeights = {"德", "常", "重", "绝"};
        const int weight = IndexOf(r[2], kWeights);
        if (weight < 0) Refuse(where, "weight must be 德, 常, 重 or 绝");
        spirit.weight = static_cast<Weight>(weight);
        if ((spirit.weight == Weight::Virtue && !spirit.good) ||
            (spirit.weight > Weight::Ordinary && spirit.good))
            Refuse(where, "德 is for 吉 spirits, 重 and 绝 for 凶 spirits");

        const std::vector<std::string> positions = Items(r[4]);
        auto marks = [&](const std::string& item) {
            std::vector<Mark> alternatives;
            for (const std::string& alternative : Split(item, ',')) {
                Mark mark;
                for (const std::string& c : SplitChars(alternative)) {
                    if (const int s = IndexOf(c, calendar::StemNames); s >= 0 && mark.stem < 0)
                        mark.stem = s;
                    else if (const int b = IndexOf(c, calendar::BranchNames);
                             b >= 0 && mark.branch < 0)
                        mark.branch = b;
                    else
                        Refuse(where, "'" + alternative + "' is no stem, branch or pillar");
                }
                if (mark.stem < 0 && mark.branch < 0) Refuse(where, "empty position");
                if (mark.stem >= 0 && mark.branch >= 0 && mark.stem % 2 != mark.branch % 2)
                    Refuse(where, "'" + alternative + "' is no pillar of the cycle");
                alternatives.push_back(mark);
            }
            return alternatives;
        };
        if (r[3] == "月") {
            if (positions.size() != 12) Refuse(where, "basis 月 needs 12 positions");
            for (int m = 0; m < 12; ++m) spirit.byMonth[(m + 2) % 12] = marks(positions[m]);
        } else if (r[3] == "季") {
            if (positions.size() != 4) Refuse(where, "basis 季 needs 4 positions");
            for (int b = 0; b < 12; ++b) spirit.byMonth[b] = marks(positions[SeasonOf(b)]);
        } else if (r[3] == "日") {
            std::vector<Mark> all;
            for (const std::string& p : positions)
                for (const Mark& m : marks(p)) all.push_back(m);
            spirit.byMonth.fill(all);
        } else if (r[3] == "节前") {
            for (const std::string& p : positions) {
                const int term = IndexOf(p, calendar::SolarTermNames);
                if (term < 0) Refuse(where, "'" + p + "' is no solar term");
                spirit.termEves.push_back(term);
            }
        } else {
            Refuse(where, "basis must be 月, 季, 日 or 节前");
        }
        spirit.suits = ParseActivities(r[5], where);
        spirit.avoids = ParseActivities(r[6], where);
        if (!spirit.good && spirit.suits.any() && spirit.weight != Weight::WholeDay)
            Refuse(where, "only a 绝 spirit among the 凶 ones has activities it suits");
        spirits_.push_back(std::move(spirit));
    }

    const auto fetal = ReadTsv(sources / "almanac_fetal_god.tsv");
    if (fetal.size() != 60) Refuse("almanac_fetal_god.tsv", "expected 60 lines");
    for (int n = 0; n < 60; ++n) {
        const std::string pair =
            std::string(calendar::StemNames[n % 10]) + std::string(calendar::BranchNames[n % 12]);
        if (fetal[n].size() != 2 || fetal[n][0] != pair)
            Refuse("almanac_fetal_god.tsv", "line " + std::to_string(n + 1) + " must hold " + pair);
        fetalGod_[n] = fetal[n][1];
    }

    const auto sayings = ReadTsv(sources / "almanac_pengzu.tsv");
    if (sayings.size() != 22) Refuse("almanac_pengzu.tsv", "expected 22 lines");
    for (int n = 0; n < 22; ++n) {
        const std::string_view key =
            n < 10 ? calendar::StemNames[n] : calendar::BranchNames[n - 10];
        if (sayings[n].size() != 2 || sayings[n][0] != key || !sayings[n][1].starts_with(key))
            Refuse("almanac_pengzu.tsv", "line " + std::to_string(n + 1) +
                                             " must hold the saying of " + std::string(key));
        (n < 10 ? stemSayings_[n] : branchSayings_[n - 10]) = sayings[n][1];
    }
}

AlmanacRules::Activities AlmanacRules::ParseActivities(std::string_view list,
                                                       const std::string& where) const {
    Activities set;
    if (list == "-") return set;
    for (const std::string& word : Items(list)) {
        const int index = IndexOf(word, activities_);
        if (index < 0) Refuse(where, "'" + word + "' is not in almanac_activities.tsv");
        set.set(static_cast<size_t>(index));
    }
    return set;
}

std::string AlmanacRules::Words(const Activities& set) const {
    std::string text;
    for (size_t i = 0; i < activities_.size(); ++i) {
        if (!set.test(i)) continue;
        if (!text.empty()) text += ' ';
        text += activities_[i];
    }
    return text;
}

bool AlmanacRules::Present(const Spirit& spirit, const AlmanacDay& day) {
    if (!spirit.termEves.empty())
        return std::ranges::find(spirit.termEves, day.termTomorrow) != spirit.termEves.end();
    return std::ranges::any_of(spirit.byMonth[day.monthBranch], [&](const Mark& m) {
        return (m.stem < 0 || m.stem == day.stem) && (m.branch < 0 || m.branch == day.branch);
    });
}

std::string AlmanacRules::PengzuSayings(int stem, int branch) const {
    return stemSayings_[stem] + " " + branchSayings_[branch];
}

AlmanacVerdict AlmanacRules::Judge(const AlmanacDay& day) const {
    const Officer& officer = officers_[(day.branch - day.monthBranch + 12) % 12];
    AlmanacVerdict verdict;
    verdict.officer = officer.name;

    std::vector<std::string> goodNames, badNames;
    Activities suits = officer.suits, ordinaryAvoids = officer.avoids, heavyAvoids,
               wholeDaySuits = Activities().set();
    bool virtue = false, wholeDay = false;
    for (const Spirit& spirit : spirits_) {
        if (!Present(spirit, day)) continue;
        auto& names = spirit.good ? goodNames : badNames;
        if (std::ranges::find(names, spirit.name) == names.end()) names.push_back(spirit.name);
        switch (spirit.weight) {
            case Weight::Virtue:
                virtue = true;
                [[fallthrough]];
            case Weight::Ordinary:
                suits |= spirit.suits;
                ordinaryAvoids |= spirit.avoids;
                break;
            case Weight::Heavy:
                heavyAvoids |= spirit.avoids;
                break;
            case Weight::WholeDay:
                wholeDay = true;
                wholeDaySuits &= spirit.suits;
                break;
        }
    }
    auto join = [](const std::vector<std::string>& names) {
        std::string text;
        for (const std::string& n : names) text += (text.empty() ? "" : " ") + n;
        return text;
    };
    verdict.goodSpirits = goodNames.empty() ? std::string(kNone) : join(goodNames);
    verdict.badSpirits = badNames.empty() ? std::string(kNone) : join(badNames);

    Activities yi, ji;
    if (wholeDay) {
        // Under 绝 spirits the day keeps only what each of them allows.
        yi = wholeDaySuits;
        verdict.avoids = kNothingSuits;
    } else {
        // An activity both suited and avoided is avoided, unless a virtue of the
        // day outweighs every ordinary spirit (and officer) that avoids it.
        const Activities conflicts = suits & (ordinaryAvoids | heavyAvoids);
        const Activities rescued = virtue ? conflicts & ~heavyAvoids : Activities{};
        yi = suits & ~(conflicts & ~rescued);
        ji = (ordinaryAvoids | heavyAvoids) & ~rescued;
        verdict.avoids = ji.any() ? Words(ji) : std::string(kNone);
    }
    verdict.suits = yi.any() ? Words(yi) : std::string(kNothingSuits);
    return verdict;
}

}  // namespace velmora::databuild
