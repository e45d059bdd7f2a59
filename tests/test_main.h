#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <string>

// Texts from the window compare with the QStrings tests expect.
namespace QTest {
inline bool qCompare(const std::u16string &t1, const QString &t2, const char *actual,
                     const char *expected, const char *file, int line) {
    return qCompare(QString::fromStdU16String(t1), t2, actual, expected, file, line);
}
} // namespace QTest

namespace testing {

// The user's locale for the length of one test.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved_); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale saved_;
};

} // namespace testing

// A test's main, with the language and the dot-decimal locale its expected
// texts are written in, whatever the machine's language and regional setting
// are: the window, and any program the test starts, speak English. A suite
// that makes no widget runs without a display's application.
#define QUORVEL_MAIN(TestObject, Application)                                                      \
    int main(int argc, char **argv) {                                                              \
        qputenv("LANGUAGE", "en");                                                                 \
        Application application(argc, argv);                                                       \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
#define QUORVEL_UNIT_MAIN(TestObject) QUORVEL_MAIN(TestObject, QCoreApplication)
