#include "draw_book.h"

#include <algorithm>
#include <ctime>

namespace quintara::provider {

std::chrono::sys_days localDate(std::chrono::system_clock::time_point moment) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

DrawBook::DrawBook(int historyDays, std::chrono::seconds interval, DigitSource digits, Clock clock)
    : interval_(interval),
      digits_(std::move(digits)),
      clock_(std::move(clock)),
      start_(clock_()),
      firstDate_(localDate(start_) - std::chrono::days{historyDays}),
      historyCount_(static_cast<std::size_t>(historyDays) * kDrawsPerDay) {
    codes_.reserve(historyCount_);
    while (codes_.size() < historyCount_) codes_.push_back(digits_());
}

BookView DrawBook::look(std::size_t count, std::size_t back) {
    const auto now = clock_();
    const std::scoped_lock lock(mutex_);
    const auto elapsed = std::max(now - start_, std::chrono::system_clock::duration::zero());
    const auto due = historyCount_ + static_cast<std::size_t>(elapsed / interval_);
    while (codes_.size() < due) codes_.push_back(digits_());

    BookView view;
    // Never back past the first draw: the book shows at least that one.
    const std::size_t end = codes_.size() - std::min(back, codes_.size() - 1);
    const std::size_t first = end - std::min(count, end);
    view.latest.reserve(end - first);
    for (std::size_t index = first; index < end; ++index) view.latest.push_back(drawAt(index));
    view.untilNextDraw = std::chrono::ceil<std::chrono::seconds>(interval_ - elapsed % interval_);
    view.drawn = codes_.size();
    return view;
}

Draw DrawBook::drawAt(std::size_t index) const {
    const auto perDay = static_cast<std::size_t>(kDrawsPerDay);
    return Draw{
        .date = firstDate_ + std::chrono::days{static_cast<std::chrono::days::rep>(index / perDay)},
        .sequence = static_cast<int>(index % perDay) + 1,
        .digits = codes_[index]};
}

}  // namespace quintara::provider
