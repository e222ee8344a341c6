#include "text.h"

#include <QLocale>

#include <unicode/brkiter.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace Text {

QString trim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

namespace {

// Below U+0300 nothing joins its neighbour (the combining marks, joiners, emoji and Hangul
// parts all lie above), so each UTF-16 unit is a character of its own, except that CR LF is
// one. Plain Latin text is counted here without touching ICU's code and data at all.
bool belowCombiningMarks(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
}

// One iterator for the whole run: creating one costs ten to twenty times what resetting its
// text does. The game runs on one thread.
icu::BreakIterator *characterBreaks()
{
    static const std::unique_ptr<icu::BreakIterator> breaks = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
                icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return breaks.get();
}

// Offsets in UTF-16 units where characters end. Qt 6.4's own boundary finder cuts emoji,
// keycaps and accents into pieces next to Thai or Indic text; ICU follows the Unicode rules.
std::vector<qsizetype> characterEnds(const QString &text)
{
    std::vector<qsizetype> ends;
    icu::BreakIterator *breaks = belowCombiningMarks(text) ? nullptr : characterBreaks();
    if (!breaks) {
        for (qsizetype i = 1; i <= text.size(); ++i) {
            if (i < text.size() && text.at(i - 1) == u'\r' && text.at(i) == u'\n')
                continue;
            ends.push_back(i);
        }
        return ends;
    }
    const icu::UnicodeString unicode(false, reinterpret_cast<const char16_t *>(text.utf16()),
                                     int32_t(text.size()));
    breaks->setText(unicode);
    for (int32_t end = breaks->next(); end != icu::BreakIterator::DONE; end = breaks->next())
        ends.push_back(end);
    return ends;
}

} // namespace

QStringList graphemes(const QString &text)
{
    QStringList result;
    qsizetype start = 0;
    for (qsizetype end : characterEnds(text)) {
        result.append(text.mid(start, end - start));
        start = end;
    }
    return result;
}

qsizetype length(const QString &text)
{
    return qsizetype(characterEnds(text).size());
}

QString charAt(const QString &text, qsizetype position)
{
    const QStringList all = graphemes(text);
    if (position < 1 || position > all.size())
        return {};
    return all.at(position - 1);
}

QString left(const QString &text, qsizetype count)
{
    if (count <= 0)
        return {};
    const std::vector<qsizetype> ends = characterEnds(text);
    return count >= qsizetype(ends.size()) ? text : text.left(ends[count - 1]);
}

QString shownLineBreaks(const QString &text)
{
    QString shown = text;
    return shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Rounds the shortest decimal form of the number, so that 2.675 (stored as 2.67499...)
// still rounds up the way a player reading "2.675" expects.
QString format00(double number)
{
    if (!std::isfinite(number))
        return QString::number(number);

    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(number),
                                            std::chars_format::fixed);
    if (error != std::errc())
        return QString::number(number, 'f', 2);
    std::string digits(buffer, end);

    const std::size_t point = digits.find('.');
    std::string whole = point == std::string::npos ? digits : digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');

    std::string kept = whole + fraction.substr(0, 2);
    if (fraction[2] >= '5') {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    kept.insert(kept.size() - 2, 1, '.');

    const bool zero = kept.find_first_not_of("0.") == std::string::npos;
    return QString::fromLatin1((number < 0 && !zero ? "-" : "") + kept);
}

QString format00(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? format00(number) : text;
}

} // namespace Text
