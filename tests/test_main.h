#pragma once

// The tests' main(): runs each test function of a test object on its own, so that an
// exception escaping one of them (a RuntimeError raised by the form, say) fails that function
// and the functions after it still run. QtTest would end the whole program there.

#include <QCoreApplication>
#include <QMetaMethod>
#include <QStringList>
#include <QTest>

#ifdef Q_OS_WIN
#include <QFile>
#include <QTemporaryFile>
#endif

#include <cstdio>
#include <exception>

namespace tarvello::test {

inline bool isTestFunction(const QMetaMethod& method)
{
    static const QStringList special { "initTestCase", "cleanupTestCase", "init", "cleanup" };
    const QString name = QString::fromLatin1(method.name());
    return method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private &&
        method.parameterCount() == 0 && !name.endsWith("_data") && !special.contains(name);
}

// Arguments are QtTest's: test function names among them (with or without ":tag") choose
// which functions run; everything else goes to each run as it is.
inline int runEachFunction(QObject& test, int argc, char* argv[])
{
    const QMetaObject* meta = test.metaObject();
    QStringList functions;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (isTestFunction(meta->method(i)))
            functions << QString::fromLatin1(meta->method(i).name());
    }
    QStringList options, chosen;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        (functions.contains(argument.section(':', 0, 0)) ? chosen : options) << argument;
    }
    if (chosen.isEmpty())
        chosen = functions;

#ifdef Q_OS_WIN
    // Without a console, as under ctest, QtTest on Windows writes its report to the debugger's
    // output: here it goes to a file, and from there to the standard output.
    QTemporaryFile report;
    const bool toFile = !options.contains("-o") && report.open();
    if (toFile) {
        report.close(); // kept until the end
        options << "-o" << report.fileName() + ",txt";
    }
#endif
    int failed = 0;
    for (const QString& function : chosen) {
        try {
            if (QTest::qExec(&test, QStringList { argv[0] } + options + QStringList { function }))
                ++failed;
#ifdef Q_OS_WIN
            if (QFile written(report.fileName()); toFile && written.open(QIODevice::ReadOnly)) {
                const QByteArray text = written.readAll();
                std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
                std::fflush(stdout);
            }
#endif
        } catch (const std::exception& e) {
            std::fprintf(
                stderr, "FAIL!  : %s: exception escaped: %s\n", qPrintable(function), e.what());
            ++failed;
        }
    }
    if (failed)
        std::fprintf(stderr, "%d of %lld test functions failed\n", failed,
            static_cast<long long>(chosen.size()));
    return failed ? 1 : 0;
}

} // namespace tarvello::test

// main() for a test of the core: no window system.
#define TARVELLO_CORE_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        TestObject test;                                                                           \
        return tarvello::test::runEachFunction(test, argc, argv);                                  \
    }
