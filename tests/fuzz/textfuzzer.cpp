// Feeds arbitrary bytes, read as UTF-8, to the text operations and the marking rule, and checks
// each result against properties worked out here without the code under test.
//
// Input layout: the bytes up to the first newline are the secret, the next four lines are the
// four box texts (missing lines are empty); anything after the fifth newline only takes part
// in the whole-input checks. The first bytes also seed the number-formatting checks.

#include "../core/markingreference.h"
#include "characterbreaks_icu.h"
#include "text.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Non-ASCII and control characters as \u{...}, so that a report can be pasted into a test. A lone
// surrogate shows as itself, not as the replacement character toUcs4() would make of it.
QByteArray shown(const QString &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
                && text.at(i + 1).isLowSurrogate();
        if (pair) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        if (c >= 0x20 && c < 0x7f && c != '\\')
            out += char(c);
        else
            out += "\\u{" + QByteArray::number(uint(c), 16) + '}';
    }
    return out;
}

// Aborts, so that libFuzzer stores the input, after saying which property broke and on what.
[[noreturn]] void fail(const char *property, const QString &input, const QString &result)
{
    std::fprintf(stderr, "\nBROKEN: %s\n  input:  \"%s\"\n  result: \"%s\"\n", property,
                 shown(input).constData(), shown(result).constData());
    std::abort();
}

// The grapheme clusters found by asking ICU position by position, rather than by walking
// its iterator forwards as the text operations do.
QStringList clusters(const QString &text)
{
    const std::unique_ptr<icu::BreakIterator> breaks = CharacterBreaks::newIcuIterator();
    if (!breaks)
        fail("ICU's character break iterator is available", text, QString());
    const icu::UnicodeString unicode(false, reinterpret_cast<const char16_t *>(text.utf16()),
                                     int32_t(text.size()));
    breaks->setText(unicode);
    QStringList result;
    qsizetype start = 0;
    for (qsizetype p = 1; p <= text.size(); ++p) {
        if (p == text.size() || breaks->isBoundary(int32_t(p))) {
            result.append(text.mid(start, p - start));
            start = p;
        }
    }
    return result;
}

// Marks, the zero width joiner and the skin tones always extend the character before them,
// unless that one is a control character (or unassigned, which counts as one).
bool extendsPrevious(char32_t c)
{
    const auto category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing
            || c == 0x200d || (c >= 0x1f3fb && c <= 0x1f3ff);
}

bool controlLike(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

bool onlySpaces(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; });
}

void checkText(const QString &text)
{
    const QStringList expected = clusters(text);
    const qsizetype count = expected.size();

    const QStringList pieces = Text::graphemes(text);
    if (pieces.join(QString()) != text)
        fail("graphemes joined give the text back", text, pieces.join(u'|'));
    if (pieces != expected)
        fail("graphemes are the clusters ICU finds", text, pieces.join(u'|'));
    // Text decoded from UTF-8 holds no lone surrogates, so none may appear by cutting a pair.
    for (const QString &piece : pieces) {
        if (piece.front().isLowSurrogate() || piece.back().isHighSurrogate())
            fail("no character is cut between the halves of a surrogate pair", text,
                 pieces.join(u'|'));
    }
    for (qsizetype k = 1; k < pieces.size(); ++k) {
        const char32_t last = pieces.at(k - 1).toUcs4().back();
        const char32_t first = pieces.at(k).toUcs4().front();
        if (extendsPrevious(first) && !controlLike(last))
            fail("no character starts with a mark, a joiner or a skin tone", text,
                 pieces.join(u'|'));
    }
    if (Text::length(text) != count)
        fail("length counts the graphemes", text, QString::number(Text::length(text)));

    QList<qsizetype> positions = { -1, 0, 1, 2, 3, 4, 5, count - 1, count, count + 1 };
    for (qsizetype p = 6; p < std::min<qsizetype>(count, 9); ++p)
        positions.append(p);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());

    for (qsizetype p : positions) {
        const QString at = Text::charAt(text, p);
        if (at != (p >= 1 && p <= count ? expected.at(p - 1) : QString()))
            fail("charAt gives grapheme p, or empty outside 1..length", text, at);

        const QString prefix = Text::left(text, p);
        const qsizetype taken = std::clamp<qsizetype>(p, 0, count);
        if (prefix != expected.mid(0, taken).join(QString()))
            fail("left gives the first n graphemes", text, prefix);
        if (Text::length(prefix) != taken)
            fail("length(left(t, n)) == min(n, length(t))", text, prefix);
    }

    const QString trimmed = Text::trim(text);
    if (trimmed.startsWith(u' ') || trimmed.endsWith(u' '))
        fail("trim leaves no outer space", text, trimmed);
    const qsizetype at = text.indexOf(trimmed);
    if (at < 0 || !onlySpaces(QStringView(text).left(at))
        || !onlySpaces(QStringView(text).mid(at + trimmed.size())))
        fail("trim removes only spaces, and only at the ends", text, trimmed);
    if (trimmed.count(u' ') + text.size() - trimmed.size() != text.count(u' '))
        fail("trim keeps every other character", text, trimmed);
}

// A finite number always comes out as digits, a point and two decimals, within half a cent of
// the number (plus what reading the result back as a double may lose).
void checkFormatted(double number, const QString &formatted, const QString &input)
{
    static const QRegularExpression twoDecimals(QStringLiteral("\\A-?[0-9]+\\.[0-9]{2}\\z"));
    if (!twoDecimals.match(formatted).hasMatch())
        fail("format00 gives -?d+.dd", input, formatted);
    const double ulp = std::nextafter(std::fabs(number), HUGE_VAL) - std::fabs(number);
    if (std::fabs(formatted.toDouble() - number) > 0.005 + 1e-12 + 4 * ulp)
        fail("format00 is within 0.005 of the number", input, formatted);
}

void checkFormatText(const QString &text)
{
    const QString formatted = Text::format00(text);
    bool isNumber = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &isNumber);
    if (!isNumber && formatted != text)
        fail("format00 leaves a text that is no number unchanged", text, formatted);
    if (isNumber && std::isfinite(number))
        checkFormatted(number, formatted, text);
}

// k units of 10^-scale, such as a time in milliseconds, has an exact expected form: k rounded
// half away from zero to hundredths, done in integers. The number is read from its exact
// decimal text, whose digits are then also the shortest form of that double.
void checkFormatExact(std::int32_t units, int scale)
{
    const std::int64_t magnitude = std::abs(std::int64_t(units));
    std::int64_t hundredths = magnitude;
    for (int s = scale; s < 2; ++s)
        hundredths *= 10;
    if (scale > 2) {
        std::int64_t divisor = 1;
        for (int s = 2; s < scale; ++s)
            divisor *= 10;
        hundredths = (magnitude + divisor / 2) / divisor;
    }
    const QString expected = QString::fromLatin1(units < 0 && hundredths != 0 ? "-" : "")
            + QString::number(hundredths / 100) + u'.'
            + QString::number(hundredths % 100).rightJustified(2, u'0');

    QString asText = QString::number(magnitude).rightJustified(scale + 1, u'0');
    if (scale > 0)
        asText.insert(asText.size() - scale, u'.');
    if (units < 0)
        asText.prepend(u'-');

    const QString fromNumber = Text::format00(asText.toDouble());
    if (fromNumber != expected)
        fail("format00 rounds half away from zero", asText, fromNumber);
    const QString fromText = Text::format00(asText);
    if (fromText != expected)
        fail("format00 of the written number", asText, fromText);
}

void checkMarking(const QString &secret, const std::array<QString, 4> &boxes)
{
    const QStringList clustered = clusters(secret);
    const QString marks = marksOf(MarkGuess(secret, boxes));
    const QString expected = referenceMarks(clustered, boxes);

    const QString input =
            QStringList{ secret, boxes[0], boxes[1], boxes[2], boxes[3] }.join(u'\n');
    if (marks != expected)
        fail("MarkGuess agrees with the reference", input,
             marks + QStringLiteral(" instead of ") + expected);

    // As in play: a secret of four characters stored in lower case, one character per box, and
    // no box joining its neighbour into one character (a lone combining mark would). Then all
    // four in place is the same as a full match.
    const QString user = boxes[0] + boxes[1] + boxes[2] + boxes[3];
    const bool oneEach = std::all_of(boxes.begin(), boxes.end(), [](const QString &box) {
        return clusters(box).size() == 1;
    });
    if (clustered.size() == 4 && secret == secret.toLower() && oneEach
        && clusters(user).size() == 4
        && (marks == QLatin1String("IIII")) != IsFullMatch(secret, user))
        fail("IIII exactly when IsFullMatch", input, marks);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString whole = QString::fromUtf8(bytes);
    checkText(whole);
    checkFormatText(whole);

    const QList<QByteArray> lines = bytes.split('\n');
    std::array<QString, 5> fields;
    for (int f = 0; f < 5 && f < lines.size(); ++f) {
        fields[f] = QString::fromUtf8(lines.at(f));
        checkText(fields[f]);
        checkFormatText(fields[f]);
    }
    checkMarking(fields[0], { fields[1], fields[2], fields[3], fields[4] });

    // Text below U+0300 takes the text operations' short cut past ICU; every byte pair makes
    // one unit there (half of them Latin-1, so that CR LF turns up), and each run checks the
    // short cut against ICU's own clusters.
    QString low;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const unsigned pair = data[i] | data[i + 1] << 8;
        low.append(QChar(char16_t(data[i + 1] & 1 ? data[i] : pair % 0x300)));
    }
    checkText(low);

    if (size >= sizeof(double)) {
        double number;
        std::memcpy(&number, data, sizeof number);
        if (std::isfinite(number))
            checkFormatted(number, Text::format00(number), QString::number(number, 'g', 17));
    }
    if (size > sizeof(std::int32_t)) {
        std::int32_t units;
        std::memcpy(&units, data, sizeof units);
        checkFormatExact(units, data[sizeof units] % 7);
    }
    return 0;
}
