// The stored forms of flags and numbers and the lenient reading of them.
#include <QTest>

#include "StoredForms.h"

using morvane::ParseStoredBoolean;
using morvane::ParseStoredInteger;

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(std::optional<std::int32_t>)

class StoredFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void writtenForms() {
        QCOMPARE(morvane::StoredBoolean(true), QString("True"));
        QCOMPARE(morvane::StoredBoolean(false), QString("False"));
        QCOMPARE(morvane::StoredInteger(-1234567), QString("-1234567"));  // no digit grouping
    }

    void booleans_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<bool>>("expected");
        using B = std::optional<bool>;
        for (const char* text : {"True", "TRUE", " True ", "1", "-1", "0.5"})
            QTest::newRow(*text ? text : "empty") << text << B(true);
        for (const char* text : {"false", "fAlSe", "0", "0.0"})
            QTest::newRow(*text ? text : "empty") << text << B(false);
        for (const char* text : {"yes", "", "Tru", "NAI", "inf"})
            QTest::newRow(*text ? text : "empty") << text << B();
    }
    void booleans() {
        QFETCH(QString, text);
        QFETCH(std::optional<bool>, expected);
        QCOMPARE(ParseStoredBoolean(text), expected);
    }

    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<std::int32_t>>("expected");
        using I = std::optional<std::int32_t>;
        const std::pair<const char*, I> rows[] = {{"100", 100},
                                                  {"-5", -5},
                                                  {"  42 ", 42},
                                                  {"1e2", 100},
                                                  // Halves go to the even neighbour.
                                                  {"12.5", 12},
                                                  {"13.5", 14},
                                                  {"-2.5", -2},
                                                  {"-3.5", -4},
                                                  {"12.51", 13},
                                                  {"2147483647", 2147483647},
                                                  {"-2147483648", -2147483647 - 1},
                                                  {"2147483648", I()},
                                                  {"2147483647.5", I()},
                                                  {"-2147483649", I()},
                                                  {"99999999999999999999", I()},
                                                  {"abc", I()},
                                                  {"", I()},
                                                  {"1,000", I()},
                                                  {"nan", I()}};
        for (const auto& [text, expected] : rows)
            QTest::newRow(*text ? text : "empty") << text << expected;
    }
    void integers() {
        QFETCH(QString, text);
        QFETCH(std::optional<std::int32_t>, expected);
        QCOMPARE(ParseStoredInteger(text), expected);
    }
};

QTEST_GUILESS_MAIN(StoredFormsTest)
#include "StoredFormsTest.moc"
