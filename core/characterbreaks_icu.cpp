// Character breaks found by ICU. Qt 6.4's own boundary finder cuts emoji, keycaps and accents
// into pieces next to Thai or Indic text; ICU follows the Unicode rules, and on Linux Qt already
// loads ICU at run time. The Windows build links ICU's engine, built from the same source as
// the build machine's ICU, and carries that ICU's compiled character rules instead of its data.

#include "characterbreaks.h"
#include "characterbreaks_icu.h"

#ifdef Q_OS_WIN
#include <QFile>
#include <unicode/rbbi.h>
#endif

std::unique_ptr<icu::BreakIterator> CharacterBreaks::newIcuIterator()
{
    UErrorCode status = U_ZERO_ERROR;
#ifdef Q_OS_WIN
    // Iterators read the rules in place for as long as they live.
    static const QByteArray rules = [] {
        QFile file(QStringLiteral(":/icu/character-rules.brk"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    std::unique_ptr<icu::BreakIterator> created(new icu::RuleBasedBreakIterator(
            reinterpret_cast<const uint8_t *>(rules.constData()), uint32_t(rules.size()), status));
#else
    std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
#endif
    return U_SUCCESS(status) ? std::move(created) : nullptr;
}

std::optional<std::vector<qsizetype>> CharacterBreaks::ends(const QString &text)
{
    // One iterator for the whole run: creating one costs ten to twenty times what resetting its
    // text does. The game runs on one thread.
    static const std::unique_ptr<icu::BreakIterator> breaks = newIcuIterator();
    if (!breaks)
        return std::nullopt;
    const icu::UnicodeString unicode(false, reinterpret_cast<const char16_t *>(text.utf16()),
                                     int32_t(text.size()));
    breaks->setText(unicode);
    std::vector<qsizetype> result;
    for (int32_t end = breaks->next(); end != icu::BreakIterator::DONE; end = breaks->next())
        result.push_back(end);
    return result;
}
