#pragma once
// The company-name analysis report (企业名称分析): the legal person's birth
// data and bazi values, then the company name's three numerology grids with
// their name numbers and readings, and the name's total score.
#include <optional>
#include <string>

#include "base/report_sink.h"
#include "bazi/bazi_report.h"
#include "calendar/lunar_calendar.h"
#include "store/query.h"

namespace velmora::naming {

struct NameAnalysisInput {
    calendar::BirthInput Owner;
    std::string Prefix;    // region prefix, may be empty
    std::string MainBody;  // short name, two to four characters
    std::string Suffix;    // industry suffix, may be empty
};

// The first failing check, in the order of the page's messages.
std::optional<bazi::InputProblem> ValidateNameAnalysis(const NameAnalysisInput& input);

// The name's total score as the candidate grid scores it (its 总体评分): the
// `gz` score of the body's stroke pattern plus the 81-number bonus of the
// whole name's strokes (the body's and `affixStrokes`, those of prefix and
// suffix: the grid's 总体笔画), or the computed pattern score where `gz` lists
// no such pattern (or the body is not two to four characters). strokes is
// bound to Vudazod.
int NameTotalScore(store::Query& strokes, const std::string& mainBody, int affixStrokes);

// Validates, then writes the finished report: the sink is cleared and filled
// only once every line is known. On a validation failure the sink is left
// alone and the problem returned; a ConversionError from the birth data or a
// DatabaseError leaves it alone too.
std::optional<bazi::InputProblem> WriteNameAnalysis(const NameAnalysisInput& input,
                                                    ReportSink& sink, store::Query& strokes,
                                                    store::Query& texts, int nowYear);

}  // namespace velmora::naming
