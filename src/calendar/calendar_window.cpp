#include "calendar/calendar_window.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

#include "calendar/month_calendar.h"

namespace velmora::calendar {
namespace {

// Grid geometry: the first cell's day number and lunar text, the step to the
// next cell of a row and to the next row.
constexpr QPoint kFirstDayLabel{14, 56};
constexpr QPoint kFirstLunarLabel{13, 73};
constexpr QSize kDayLabelSize{36, 16};
constexpr QSize kLunarLabelSize{36, 12};
constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;

const QColor kLunarDayColour{0, 64, 0};
const QColor kLunarMonthColour{255, 0, 0};
const QColor kFestivalColour{255, 128, 0};
const QColor kTermColour{83, 83, 255};

QColor ColourOf(CellKind kind) {
    switch (kind) {
        case CellKind::Lunar:
            return kLunarDayColour;
        case CellKind::Month:
            return kLunarMonthColour;
        case CellKind::SolarFestival:
        case CellKind::LunarFestival:
            return kFestivalColour;
        case CellKind::Term:
            return kTermColour;
    }
    return Qt::black;
}

// A font by preferred families (the first installed one wins, the
// application's Chinese font after them), in pixels or points.
QFont FontOf(const QStringList& families, int pixels, QFont::Weight weight = QFont::Normal) {
    QFont font;
    font.setFamilies(families + font.families());
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

CivilDate ClampDate(int year, int month, int day) {
    return {year, month, std::min(day, DaysInMonthOf(year, month))};
}

}  // namespace

CalendarWindow::CalendarWindow(QWidget* parent)
    : CalendarWindow(parent, [] { return CivilFromDate(Today()); }) {}

CalendarWindow::CalendarWindow(QWidget* parent, TodaySource today)
    : QDialog(parent), today_(std::move(today)) {
    setObjectName(QStringLiteral("calendarWindow"));
    setWindowTitle(QStringLiteral("Velmora日历"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(339, 319);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    CreateFixedLabels();
    CreateDayLabels();
    current_ = today_();
}

void CalendarWindow::CreateFixedLabels() {
    // Behind everything: the year and the month in large faint figures.
    yearBackdrop_ = new QLabel(this);
    yearBackdrop_->setObjectName(QStringLiteral("yearBackdrop"));
    yearBackdrop_->setGeometry(0, 56, 313, 72);
    yearBackdrop_->setFont(FontOf({QStringLiteral("Arial Black")}, 64, QFont::Black));
    SetTextColour(yearBackdrop_, QColor(255, 226, 232));
    monthBackdrop_ = new QLabel(this);
    monthBackdrop_->setObjectName(QStringLiteral("monthBackdrop"));
    monthBackdrop_->setGeometry(16, 146, 313, 134);
    monthBackdrop_->setFont(FontOf({QStringLiteral("Arial Black")}, 120, QFont::Black));
    SetTextColour(monthBackdrop_, QColor(232, 232, 232));

    monthFigure_ = MakeLabel(this, {}, {10, 3});
    monthFigure_->setObjectName(QStringLiteral("monthFigure"));
    monthFigure_->setFont(FontOf({QStringLiteral("Arial")}, 32, QFont::Bold));
    monthFigure_->setToolTip(QStringLiteral("单击改变月份"));
    monthFigure_->setCursor(Qt::PointingHandCursor);
    monthFigure_->installEventFilter(this);
    MakeLabel(this, QStringLiteral("月"), {45, 17});
    monthSpin_ = new QSpinBox(this);
    monthSpin_->setObjectName(QStringLiteral("monthSpin"));
    monthSpin_->setGeometry(61, 10, 18, 24);
    monthSpin_->setRange(1, 12);
    monthSpin_->setWrapping(false);
    connect(monthSpin_, &QSpinBox::valueChanged, this, &CalendarWindow::OnMonthChanged);

    yearFigure_ = MakeLabel(this, {}, {120, 0});
    yearFigure_->setObjectName(QStringLiteral("yearFigure"));
    yearFigure_->setFont(FontOf({QStringLiteral("Arial Black")}, 29, QFont::Black));
    SetTextColour(yearFigure_, Qt::blue);
    yearFigure_->setToolTip(QStringLiteral("单击改变年份"));
    yearFigure_->setCursor(Qt::PointingHandCursor);
    yearFigure_->installEventFilter(this);
    MakeLabel(this, QStringLiteral("年"), {205, 17});
    yearSpin_ = new QSpinBox(this);
    yearSpin_->setObjectName(QStringLiteral("yearSpin"));
    yearSpin_->setGeometry(221, 10, 18, 24);
    yearSpin_->setRange(kFirstTableYear, kLastTableYear);
    yearSpin_->setWrapping(false);
    connect(yearSpin_, &QSpinBox::valueChanged, this, &CalendarWindow::OnYearChanged);

    todayLabel_ = MakeLabel(this, QStringLiteral("今天"), {272, 17});
    todayLabel_->setObjectName(QStringLiteral("todayLabel"));
    todayLabel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    todayLabel_->adjustSize();
    todayLabel_->setCursor(Qt::PointingHandCursor);
    todayLabel_->installEventFilter(this);

    static const QString kWeekdays[] = {QStringLiteral("星期日"), QStringLiteral("星期一"),
                                        QStringLiteral("星期二"), QStringLiteral("星期三"),
                                        QStringLiteral("星期四"), QStringLiteral("星期五"),
                                        QStringLiteral("星期六")};
    for (int column = 0; column < 7; ++column) {
        for (QPoint at : {QPoint(19 + 40 * column, 40), QPoint(20 + 40 * column, 253)}) {
            QLabel* header = MakeLabel(this, kWeekdays[column], at);
            if (column == 0 || column == 6) SetTextColour(header, Qt::red);
        }
    }

    zodiacLabel_ = MakeLabel(this, {}, {230, 212});
    zodiacLabel_->setObjectName(QStringLiteral("zodiacLabel"));
    zodiacLabel_->setFont(
        FontOf({QStringLiteral("LiSu"), QStringLiteral("隶书")}, 35, QFont::Bold));
    SetTextColour(zodiacLabel_, QColor(150, 190, 255));
    constellationLabel_ = MakeLabel(this, {}, {152, 223});
    constellationLabel_->setObjectName(QStringLiteral("constellationLabel"));
    constellationLabel_->setFont(
        FontOf({QStringLiteral("SimHei"), QStringLiteral("黑体")}, 19, QFont::Bold));
    SetTextColour(constellationLabel_, QColor(255, 110, 180));

    // The light green mark of the current day, under the day labels.
    highlight_ = new QFrame(this);
    highlight_->setObjectName(QStringLiteral("dayHighlight"));
    highlight_->resize(38, 30);
    highlight_->setAutoFillBackground(true);
    QPalette green = highlight_->palette();
    green.setColor(QPalette::Window, QColor(192, 255, 192));
    highlight_->setPalette(green);
}

void CalendarWindow::CreateDayLabels() {
    QFont dayFont = FontOf({QStringLiteral("Arial Black")}, 16, QFont::Black);
    dayFont.setPointSize(11);
    for (int i = 0; i < kCells; ++i) {
        const QPoint step(kColumnStep * (i % 7), kRowStep * (i / 7));
        auto* day = new QLabel(this);
        day->setObjectName(QStringLiteral("dayLabel%1").arg(i + 1));
        day->setGeometry(QRect(kFirstDayLabel + step, kDayLabelSize));
        day->setAlignment(Qt::AlignCenter);
        day->setFont(dayFont);
        day->installEventFilter(this);
        auto* lunar = new QLabel(this);
        lunar->setObjectName(QStringLiteral("lunarLabel%1").arg(i + 1));
        lunar->setGeometry(QRect(kFirstLunarLabel + step, kLunarLabelSize));
        lunar->setAlignment(Qt::AlignCenter);
        lunar->installEventFilter(this);
        dayLabels_[i] = day;
        lunarLabels_[i] = lunar;
    }
}

void CalendarWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    ShowCurrentDate();
}

void CalendarWindow::ShowCurrentDate() {
    selectedYear_ = current_.year;
    selectedMonth_ = current_.month;
    selectedDay_ = current_.day;
    {
        // Outside the engine's years the spin button rests at the nearest one.
        const QSignalBlocker yearBlocker(yearSpin_);
        const QSignalBlocker monthBlocker(monthSpin_);
        yearSpin_->setValue(std::clamp(selectedYear_, kFirstTableYear, kLastTableYear));
        monthSpin_->setValue(selectedMonth_);
    }
    ShowMonth(current_);
}

void CalendarWindow::ShowMonth(CivilDate date) {
    yearBackdrop_->setText(QString::number(date.year));
    yearFigure_->setText(QString::number(date.year));
    yearFigure_->adjustSize();
    monthBackdrop_->setText(QString::number(date.month));
    monthFigure_->setText(QString::number(date.month));
    monthFigure_->adjustSize();
    zodiacLabel_->setText(Utf8(GetZodiacText(date)));
    zodiacLabel_->adjustSize();

    for (int i = 0; i < kCells; ++i) {
        dayLabels_[i]->hide();
        lunarLabels_[i]->hide();
        SetTextColour(dayLabels_[i], Qt::black);
        SetTextColour(lunarLabels_[i], Qt::black);
    }

    const int firstCell = QDate(date.year, date.month, 1).dayOfWeek() % 7;  // Sunday first
    for (int d = 1; d <= DaysInMonthOf(date.year, date.month); ++d) {
        const int cell = firstCell + d - 1;
        const CivilDate day{date.year, date.month, d};
        QLabel* dayLabel = dayLabels_[cell];
        QLabel* lunarLabel = lunarLabels_[cell];
        dayLabel->setText(QString::number(d));
        dayLabel->setProperty("day", d);
        const CellText text = GetCellText(day);
        lunarLabel->setText(QString::fromStdString(text.text));
        lunarLabel->setProperty("day", d);
        SetTextColour(lunarLabel, ColourOf(text.kind));
        if (d == date.day) {
            MoveHighlightTo(cell);
            constellationLabel_->setText(Utf8(GetConstellation(day)));
            constellationLabel_->adjustSize();
        }
        dayLabel->show();
        lunarLabel->show();
    }
}

void CalendarWindow::MoveHighlightTo(int cell) {
    const QLabel* label = dayLabels_[cell];
    highlight_->move(label->x() - 1, label->y() + 1);
}

void CalendarWindow::OnYearChanged(int year) {
    selectedYear_ = year;
    ShowMonth(ClampDate(selectedYear_, selectedMonth_, selectedDay_));
}

void CalendarWindow::OnMonthChanged(int month) {
    selectedMonth_ = month;
    ShowMonth(ClampDate(selectedYear_, selectedMonth_, selectedDay_));
}

// The clicked day becomes the current date; nothing is redrawn, so the
// constellation stays as it was until the grid is drawn again.
void CalendarWindow::OnDayClicked(QLabel* label) {
    selectedDay_ = label->property("day").toInt();
    current_ = {selectedYear_, selectedMonth_, selectedDay_};
}

void CalendarWindow::OnTodayClicked() {
    current_ = today_();
    ShowCurrentDate();
}

void CalendarWindow::ShowSpin(QSpinBox* spin) {
    yearSpin_->setVisible(spin == yearSpin_);
    monthSpin_->setVisible(spin == monthSpin_);
}

bool CalendarWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible()) close();
    return QDialog::event(event);
}

bool CalendarWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label ||
        (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease))
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const bool press = event->type() == QEvent::MouseButtonPress;
    // A click is a release over the label the press began on.
    const bool click = !press && label->rect().contains(mouse->position().toPoint());

    const bool isDay = std::ranges::find(dayLabels_, label) != dayLabels_.end();
    const bool isLunar = std::ranges::find(lunarLabels_, label) != lunarLabels_.end();
    if (isDay || isLunar) {
        if (press && isDay) highlight_->move(label->x() - 1, label->y() + 1);
        if (press && isLunar) highlight_->move(label->x(), label->y() - 16);
        if (click) OnDayClicked(label);
        return true;
    }
    if (click && label == yearFigure_) ShowSpin(yearSpin_);
    if (click && label == monthFigure_) ShowSpin(monthSpin_);
    if (click && label == todayLabel_) OnTodayClicked();
    return false;
}

}  // namespace velmora::calendar
