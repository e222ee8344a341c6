// Writes the compiled rules by which this machine's ICU finds where characters end, for the
// Windows build to hand to the same version of ICU's engine.
#include <unicode/brkiter.h>
#include <unicode/rbbi.h>

#include <cstdio>
#include <memory>

int main()
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::BreakIterator> breaks(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    auto *rules = dynamic_cast<icu::RuleBasedBreakIterator *>(breaks.get());
    if (U_FAILURE(status) || !rules) {
        std::fprintf(stderr, "character-rules: ICU has no character break rules (%s)\n",
                     u_errorName(status));
        return 1;
    }
    uint32_t length = 0;
    const uint8_t *binary = rules->getBinaryRules(length);
    return std::fwrite(binary, 1, length, stdout) == length ? 0 : 1;
}
