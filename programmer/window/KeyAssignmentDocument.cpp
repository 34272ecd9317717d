#include "programmer/window/KeyAssignmentDocument.h"

#include <QDateTime>

#include <array>

namespace KeyAssignmentDocument {

bool savesAsRtf(const QString& fileTitle) {
    return fileTitle.right(3).compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0;
}

QString printedOn(const QDateTime& when) {
    // Fixed English names: the printout reads the same whatever the desktop's language.
    static constexpr std::array<const char*, 12> months{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const QDate date = when.date();
    const QTime time = when.time();
    if (!date.isValid() || !time.isValid()) {
        return {};
    }
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1 %2 %3, %4:%5 %6")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[static_cast<std::size_t>(date.month() - 1)]))
        .arg(date.year())
        .arg(hour12)
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QLatin1String("am") : QLatin1String("pm"));
}

} // namespace KeyAssignmentDocument
