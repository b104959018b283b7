#pragma once
// The hints beside the name-part edits, alike on every window that asks for
// a company name's prefix, short name and suffix.

#include <QString>

namespace velmora::naming {

inline QString PrefixNote() {
    return QStringLiteral(
        "如企业名称：【上海九万科技有限公司】的【上海】代表企业行政所在地，也可以不设置");
}

inline QString ShortNameNote() {
    return QStringLiteral("如企业名称：【上海九万科技有限公司】的【九万】代表企业简称，必须填写");
}

inline QString SuffixNote() {
    return QStringLiteral(
        "店铺或企业的行业名称：如科技有限公司、服务中心、研究院、服装店、宾馆、健身房等");
}

}  // namespace velmora::naming
