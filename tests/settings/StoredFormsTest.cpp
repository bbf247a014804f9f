// The stored forms of flags and numbers and the lenient reading of them.
#include <QTest>

#include "StoredForms.h"

using morvane::ParseStoredBoolean;
using morvane::ParseStoredInteger;
using morvane::StoredBoolean;
using morvane::StoredInteger;

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(std::optional<std::int32_t>)

class StoredFormsTest : public QObject {
    Q_OBJECT

private slots:
    void writtenForms() {
        QCOMPARE(StoredBoolean(true), QString("True"));
        QCOMPARE(StoredBoolean(false), QString("False"));
        QCOMPARE(StoredInteger(100), QString("100"));
        QCOMPARE(StoredInteger(-5), QString("-5"));
        QCOMPARE(StoredInteger(1234567), QString("1234567"));  // no digit grouping
    }

    void booleans_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<bool>>("expected");
        QTest::newRow("True") << "True" << std::optional(true);
        QTest::newRow("lower") << "false" << std::optional(false);
        QTest::newRow("upper") << "TRUE" << std::optional(true);
        QTest::newRow("mixed") << "fAlSe" << std::optional(false);
        QTest::newRow("blanks") << " True " << std::optional(true);
        QTest::newRow("zero") << "0" << std::optional(false);
        QTest::newRow("zero with a fraction") << "0.0" << std::optional(false);
        QTest::newRow("one") << "1" << std::optional(true);
        QTest::newRow("minus one") << "-1" << std::optional(true);
        QTest::newRow("fraction") << "0.5" << std::optional(true);
        QTest::newRow("yes") << "yes" << std::optional<bool>();
        QTest::newRow("empty") << "" << std::optional<bool>();
        QTest::newRow("prefix of True") << "Tru" << std::optional<bool>();
        QTest::newRow("Greek yes") << "NAI" << std::optional<bool>();
        QTest::newRow("not finite") << "inf" << std::optional<bool>();
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
        QTest::newRow("plain") << "100" << I(100);
        QTest::newRow("negative") << "-5" << I(-5);
        QTest::newRow("blanks") << "  42 " << I(42);
        QTest::newRow("half down to even") << "12.5" << I(12);
        QTest::newRow("half up to even") << "13.5" << I(14);
        QTest::newRow("negative half to even") << "-2.5" << I(-2);
        QTest::newRow("negative half away to even") << "-3.5" << I(-4);
        QTest::newRow("not a half") << "12.51" << I(13);
        QTest::newRow("exponent") << "1e2" << I(100);
        QTest::newRow("largest") << "2147483647" << I(2147483647);
        QTest::newRow("smallest") << "-2147483648" << I(-2147483647 - 1);
        QTest::newRow("one past the largest") << "2147483648" << I();
        QTest::newRow("rounds past the largest") << "2147483647.5" << I();
        QTest::newRow("one below the smallest") << "-2147483649" << I();
        QTest::newRow("far beyond") << "99999999999999999999" << I();
        QTest::newRow("letters") << "abc" << I();
        QTest::newRow("empty") << "" << I();
        QTest::newRow("digit grouping") << "1,000" << I();
        QTest::newRow("not finite") << "nan" << I();
    }

    void integers() {
        QFETCH(QString, text);
        QFETCH(std::optional<std::int32_t>, expected);
        QCOMPARE(ParseStoredInteger(text), expected);
    }
};

QTEST_GUILESS_MAIN(StoredFormsTest)
#include "StoredFormsTest.moc"
