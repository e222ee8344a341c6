#include "guessmarking.h"

#include "text.h"

#include <optional>

QString markText(GuessMark mark)
{
    return QString(QChar::fromLatin1(char(mark)));
}

bool IsFullMatch(const QString &word, const QString &user)
{
    return word.toLower() == user.toLower();
}

Marking MarkGuess(const QString &word, const std::array<QString, wordLength> &letters)
{
    // Position p of the secret is secret.value(p - 1); a short secret reads "" beyond its end.
    const QStringList secret = Text::graphemes(word);
    std::array<std::optional<GuessMark>, wordLength> marks;

    for (int i = 0; i < wordLength; ++i) {
        if (secret.value(i) == letters[i].toLower())
            marks[i] = GuessMark::I;
    }

    for (int i = 0; i < wordLength; ++i) {
        for (int p = 1; p <= wordLength; ++p) {
            if (secret.value(p - 1) == letters[i].toLower() && !marks[i])
                marks[i] = GuessMark::O;
        }
    }

    Marking marking;
    for (int i = 0; i < wordLength; ++i)
        marking[i] = marks[i].value_or(GuessMark::X);
    return marking;
}
