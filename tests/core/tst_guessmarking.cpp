#include "markingreference.h"
#include "sampletexts.h"

#include <QTest>

namespace {

std::array<QString, 4> boxes(const QString &guess)
{
    return { guess.mid(0, 1), guess.mid(1, 1), guess.mid(2, 1), guess.mid(3, 1) };
}

// An ASCII text's characters, one per position.
QStringList characters(const QString &ascii)
{
    return ascii.split(QString(), Qt::SkipEmptyParts);
}

} // namespace

class TestGuessMarking : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void passesAgreeWithReferenceEverywhere();
    void capitalsMarkLikeSmallLetters_data();
    void capitalsMarkLikeSmallLetters();
    void fullMatch_data();
    void fullMatch();
    void combinedCharactersCountAsOne();
};

void TestGuessMarking::workedExamples_data()
{
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("guess");
    QTest::addColumn<QString>("marks");

    QTest::newRow("one in place, one elsewhere") << "book" << "oops" << "OIXX";
    QTest::newRow("repeats all marked") << "abba" << "baaa" << "OOOI";
    QTest::newRow("single a gives O to every copy") << "abcd" << "aaaa" << "IOOO";
    QTest::newRow("none in place") << "seed" << "ease" << "OXOO";
    QTest::newRow("all present, none in place") << "stop" << "pots" << "OOOO";
    QTest::newRow("capitals lowered") << "book" << "BOOT" << "IIIX";
    QTest::newRow("outer two exchanged") << "lead" << "deal" << "OIIO";
    QTest::newRow("nothing occurs") << "book" << "xyzw" << "XXXX";
    QTest::newRow("digits and punctuation") << "12#4" << "#21!" << "OIOX";
}

void TestGuessMarking::workedExamples()
{
    QFETCH(QString, secret);
    QFETCH(QString, guess);
    QFETCH(QString, marks);

    QVERIFY(!IsFullMatch(secret, guess));
    QCOMPARE(marksOf(MarkGuess(secret, boxes(guess))), marks);
}

void TestGuessMarking::passesAgreeWithReferenceEverywhere()
{
    // A capital in the alphabet exercises lowering on the guess side only; the secret is
    // always stored lower-case, so it draws from the lower-case letters.
    const QString secretAlphabet = QStringLiteral("ab1.");
    const QString guessAlphabet = QStringLiteral("aAb1.");
    int compared = 0;

    auto draw = [](const QString &alphabet, int n) {
        QString text;
        for (int k = 0; k < 4; ++k, n /= int(alphabet.size()))
            text += alphabet.at(n % alphabet.size());
        return text;
    };
    const int secrets = 4 * 4 * 4 * 4;
    const int guesses = 5 * 5 * 5 * 5;
    for (int s = 0; s < secrets; ++s) {
        const QString secret = draw(secretAlphabet, s);
        for (int g = 0; g < guesses; ++g) {
            const QString guess = draw(guessAlphabet, g);
            const QString reference = referenceMarks(characters(secret), boxes(guess));
            if (IsFullMatch(secret, guess)) {
                QCOMPARE(reference, QStringLiteral("IIII"));
                continue;
            }
            const QString marks = marksOf(MarkGuess(secret, boxes(guess)));
            if (marks != reference)
                QFAIL(qPrintable(secret + " / " + guess + ": " + marks));
            QVERIFY(marks != QStringLiteral("IIII"));
            ++compared;
        }
    }
    QVERIFY(compared > 150000);
}

void TestGuessMarking::capitalsMarkLikeSmallLetters_data()
{
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("guess");

    QTest::newRow("all capitals") << "book" << "OOPS";
    QTest::newRow("mixed") << "lead" << "DeAl";
    QTest::newRow("accented capital") << "éclr" << "RÉCL";
}

void TestGuessMarking::capitalsMarkLikeSmallLetters()
{
    QFETCH(QString, secret);
    QFETCH(QString, guess);

    QCOMPARE(marksOf(MarkGuess(secret, boxes(guess))),
             marksOf(MarkGuess(secret, boxes(guess.toLower()))));
}

void TestGuessMarking::fullMatch_data()
{
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("guess");
    QTest::addColumn<bool>("matches");

    QTest::newRow("same") << "book" << "book" << true;
    QTest::newRow("mixed case") << "book" << "BoOk" << true;
    QTest::newRow("capitals") << "book" << "BOOK" << true;
    QTest::newRow("one differs") << "book" << "boot" << false;
    QTest::newRow("whole text compared") << "book" << "books" << false;
    QTest::newRow("accents are not folded") << "café" << "cafe" << false;
    QTest::newRow("nothing yet") << "" << "book" << false;
}

void TestGuessMarking::fullMatch()
{
    QFETCH(QString, secret);
    QFETCH(QString, guess);
    QFETCH(bool, matches);

    QCOMPARE(IsFullMatch(secret, guess), matches);
}

void TestGuessMarking::combinedCharactersCountAsOne()
{
    // "é" written as e + combining accent is one character of the secret, at position 2.
    const QString secret = QStringLiteral("ce\u0301la");
    QCOMPARE(marksOf(MarkGuess(secret, { "l", eAcute, "e", "c" })), QStringLiteral("OIXO"));
    QCOMPARE(marksOf(MarkGuess("ab" + thumbs + "c", { thumbs, "b", "c", bareThumb })),
             QStringLiteral("OIOX"));
}

QTEST_APPLESS_MAIN(TestGuessMarking)
#include "tst_guessmarking.moc"
