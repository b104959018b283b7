#include "tools/number_tests.h"

#include "base/errors.h"
#include "base/text.h"
#include "numerology/shuli.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::tools {
namespace {

// The remainder of a number of decimal digits, of any length.
int DigitTextRemainder(std::string_view digits, int divisor) {
    int remainder = 0;
    for (char c : digits) remainder = (remainder * 10 + (c - '0')) % divisor;
    return remainder;
}

}  // namespace

std::string_view EmptyNumberMessage(NumberTest test) {
    switch (test) {
        case NumberTest::Mobile:
            return "请输入11位手机号码！";
        case NumberTest::QQ:
            return "请输入你的QQ号码！";
        case NumberTest::AnyNumber:
            return "请输入你的号码！";
    }
    return {};
}

bool IsDigitText(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string MobileNumberKey(std::string_view number) {
    if (number.size() < 8) return "0";
    const std::string_view tail = number.substr(7);
    if (!IsDigitText(tail)) return "0";
    return std::to_string(DigitTextRemainder(tail, 80));
}

NumberVerdict RunNumberTest(NumberTest test, std::string_view number) {
    if (number.empty() || !IsDigitText(number))
        throw ConversionError("'" + std::string(number) + "' is not a valid integer value");
    NumberVerdict verdict{std::string(number), {}, {}, {}};
    if (test != NumberTest::Mobile) {
        numerology::ShuliParts parts = numerology::SplitShuliText(
            numerology::GetShuliText(std::to_string(DigitTextRemainder(number, 81))));
        verdict.state = std::move(parts.phrase);
        verdict.luck = std::move(parts.luck);
        verdict.reading = std::move(parts.personality);
        return verdict;
    }

    const std::string key = MobileNumberKey(number);
    if (key == "0") return {std::string(number), "超吉", "超吉", "超吉不做详细评论"};
    store::Query query(store::BuildConnectionString(store::DataFile::Dream),
                       store::Query::kDefaultTimeout);
    query.SetSql("select title,jx,content from shouji where num = ?");
    query.AddParam(key);
    query.Open();
    if (query.RowCount() > 0) {
        verdict.state = Trim(query.FieldAt(0).AsText());
        verdict.luck = Trim(query.FieldAt(1).AsText());
        verdict.reading = Trim(query.FieldAt(2).AsText());
    }
    return verdict;
}

}  // namespace velmora::tools
