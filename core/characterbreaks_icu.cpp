// Character breaks found by ICU. Qt 6.4's own boundary finder cuts emoji, keycaps and accents
// into pieces next to Thai or Indic text; ICU follows the Unicode rules, and Qt already loads
// ICU at run time.

#include "characterbreaks.h"

#include <unicode/brkiter.h>

#include <memory>

namespace {

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

} // namespace

std::optional<std::vector<qsizetype>> CharacterBreaks::ends(const QString &text)
{
    icu::BreakIterator *breaks = characterBreaks();
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
