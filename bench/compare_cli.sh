#!/usr/bin/env bash
# Compares the results of two velmora-cli builds on the same inputs: the
# pillars of 20,000 random births (1901..2099, hours 0..22) and the analysis
# report of a dozen names. Prints the differing lines; exits 1 when any differ.
#
#   bench/compare_cli.sh OLD/velmora-cli NEW/velmora-cli
set -euo pipefail
old=$1 new=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN {
  srand(20261210)
  split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
  for (i = 0; i < 20000; i++) {
    y = 1901 + int(rand() * 199); m = 1 + int(rand() * 12); d = 1 + int(rand() * days[m])
    printf "%d-%d-%d %d:%d %s\n", y, m, d, int(rand() * 23), int(rand() * 60), rand() < 0.5 ? "男" : "女"
  }
}' > "$work/births"

status=0
"$old" pillars - < "$work/births" > "$work/pillars.old"
"$new" pillars - < "$work/births" > "$work/pillars.new"
if ! diff "$work/pillars.old" "$work/pillars.new"; then status=1; fi
echo "pillars: $(wc -l < "$work/pillars.new") lines compared"

# surname given sex date hour minute prefix body suffix
names=(
  "张 三 男 1980-1-1 10 5 上海 九万 科技有限公司"
  "李 小明 女 1975-6-15 0 0 北京 华夏之光 贸易有限公司"
  "王 伟 男 2000-2-4 20 30 深圳 鑫盛 电子厂"
  "赵 敏 女 1990-12-31 22 59 - 天宇 -"
  "陈 强 男 1962-8-8 8 8 广州 恒通达 物流有限公司"
  "刘 洋 女 2024-2-4 16 27 - 博远 咨询"
  "杨 光 男 1984-2-4 12 0 杭州 锦绣江山 文化传媒"
  "黄 河 男 1901-3-6 1 1 - 龙凤 -"
  "周 云 女 2099-11-7 13 45 成都 星辰 餐饮管理有限公司"
  "吴 海 男 1949-10-1 15 0 - 永久发展 -"
  "郑 新 女 2012-12-21 6 6 苏州 嘉德 科技"
  "孙 悟 男 1968-5-20 11 11 - 瑞祥和 有限公司"
)
for line in "${names[@]}"; do
  read -r surname given sex date hour minute prefix body suffix <<< "$line"
  args=(analyze --surname "$surname" --given "$given" --sex "$sex" --date "$date" --hour "$hour"
        --minute "$minute" --body "$body")
  [ "$prefix" = - ] || args+=(--prefix "$prefix")
  [ "$suffix" = - ] || args+=(--suffix "$suffix")
  if ! diff <("$old" "${args[@]}") <("$new" "${args[@]}"); then status=1; fi
done
echo "analyze: ${#names[@]} names compared"
exit $status
