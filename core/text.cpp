// The text operations on any system; where characters end is asked of characterbreaks.h.

#include "text.h"

#include "characterbreaks.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
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
// one. Plain Latin text is counted here without touching the break iterator at all.
bool belowCombiningMarks(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
}

// Each UTF-16 unit a character, CR LF one: exact below U+0300, and the fallback where the
// system finds no character breaks.
std::vector<qsizetype> unitEnds(const QString &text)
{
    std::vector<qsizetype> ends;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i - 1) == u'\r' && text.at(i) == u'\n')
            continue;
        ends.push_back(i);
    }
    return ends;
}

// Offsets in UTF-16 units where characters end.
std::vector<qsizetype> characterEnds(const QString &text)
{
    if (belowCombiningMarks(text))
        return unitEnds(text);
    std::optional<std::vector<qsizetype>> ends = CharacterBreaks::ends(text);
    return ends ? *std::move(ends) : unitEnds(text);
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

    // Any finite double fits in fixed notation: the longest take 326 characters ("0." and 324
    // decimals for 4.9e-324, or 307 zeros and 17 digits just above 2.2e-308), 1.8e308 takes 309.
    constexpr std::size_t fixedNotationRoom = 400;
    char buffer[fixedNotationRoom];
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
