#include "sampletexts.h"
#include "text.h"

#include <QLocale>
#include <QTest>

class TestText : public QObject
{
    Q_OBJECT

private slots:
    void characters_data();
    void characters();
    void trimTakesSpacesOnly_data();
    void trimTakesSpacesOnly();
    void caseIsUnicodeAware_data();
    void caseIsUnicodeAware();
    void format_data();
    void format();
    void formatIgnoresTheLocale();
    void formatReadsText_data();
    void formatReadsText();
};

void TestText::characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("plain") << "book" << QStringList{ "b", "o", "o", "k" };
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("combining accent") << "caf" + eAcute << QStringList{ "c", "a", "f", eAcute };
    QTest::newRow("skin tone emoji") << "a" + thumbs + "b" << QStringList{ "a", thumbs, "b" };
    QTest::newRow("zero-width joiner family")
            << joinedFamily + "x" << QStringList{ joinedFamily, "x" };
    QTest::newRow("flag") << "\U0001F1EB\U0001F1F7!" << QStringList{ "\U0001F1EB\U0001F1F7", "!" };
    QTest::newRow("spaces count") << " a " << QStringList{ " ", "a", " " };
    QTest::newRow("emoji beside Thai")
            << bareThumb + "\u0E01" << QStringList{ bareThumb, "\u0E01" };
    QTest::newRow("keycap beside Devanagari")
            << "1\uFE0F\u20E3\u0915" << QStringList{ "1\uFE0F\u20E3", "\u0915" };
    QTest::newRow("accent before Thai") << " \u0301\u0E01" << QStringList{ " \u0301", "\u0E01" };
}

void TestText::characters()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    QCOMPARE(Text::graphemes(text), expected);
    QCOMPARE(Text::length(text), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(Text::charAt(text, i + 1), expected.at(i));
    QCOMPARE(Text::charAt(text, 0), QString());
    QCOMPARE(Text::charAt(text, expected.size() + 1), QString());
    QCOMPARE(Text::left(text, 2), expected.mid(0, 2).join(QString()));
}

void TestText::trimTakesSpacesOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("one space") << " " << "";
    QTest::newRow("both ends") << "  a b  " << "a b";
    QTest::newRow("tab stays") << "\ta" << "\ta";
    QTest::newRow("nothing to take") << "ab" << "ab";
}

void TestText::trimTakesSpacesOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(Text::trim(text), trimmed);
}

void TestText::caseIsUnicodeAware_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");

    QTest::newRow("latin") << "oOpS" << "oops" << "OOPS";
    QTest::newRow("accents") << "Éçà" << "éçà" << "ÉÇÀ";
    QTest::newRow("greek") << "Σίσυφος" << "σίσυφος" << "ΣΊΣΥΦΟΣ";
    QTest::newRow("sharp s grows") << "Straße" << "straße" << "STRASSE";
    QTest::newRow("digits stay") << "12#4" << "12#4" << "12#4";
}

void TestText::caseIsUnicodeAware()
{
    QFETCH(QString, text);
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QCOMPARE(text.toLower(), lower);
    QCOMPARE(text.toUpper(), upper);
}

void TestText::format_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("65.4321") << 65.4321 << "65.43";
    QTest::newRow("7.006") << 7.006 << "7.01";
    QTest::newRow("half") << 0.5 << "0.50";
    QTest::newRow("whole") << 125.0 << "125.00";
    QTest::newRow("half a hundredth up") << 0.005 << "0.01";
    QTest::newRow("binary just below half") << 2.675 << "2.68";
    QTest::newRow("carry through nines") << 9.995 << "10.00";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("below a hundredth") << 0.004 << "0.00";
    QTest::newRow("negative away from zero") << -1.005 << "-1.01";
    QTest::newRow("negative zero") << -0.001 << "0.00";
    QTest::newRow("a day") << 86399.999 << "86400.00";
}

void TestText::format()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(Text::format00(number), text);
}

void TestText::formatIgnoresTheLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = Text::format00(65.4321);
    QLocale::setDefault(saved);
    QCOMPARE(text, QStringLiteral("65.43"));
}

void TestText::formatReadsText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");

    QTest::newRow("a caption") << "12.34" << "12.34";
    QTest::newRow("more decimals") << "7.006" << "7.01";
    QTest::newRow("whole") << "125" << "125.00";
    QTest::newRow("spaces around") << " 3.5 " << "3.50";
    QTest::newRow("not a number") << "abc" << "abc";
}

void TestText::formatReadsText()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QCOMPARE(Text::format00(input), text);
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
