// The program as a user starts it from a shell without a display: what it prints and its status.
#include <QProcess>

#include <gtest/gtest.h>

TEST(CommandLine, AnswersWithoutADisplay)
{
    struct Case {
        QStringList arguments;
        int status;
        QString firstLine; // of standard output for status 0, of standard error otherwise
    };
    const Case cases[] = {
        {{"--version"}, 0, "Vorrin Propscope 1.02"},
        {{"-style", "fusion", "--version"}, 0, "Vorrin Propscope 1.02"}, // Qt's own options pass
        {{"--bogus"}, 2, "tesselbox: Unknown option 'bogus'."},
        {{"--sheets"}, 2, "tesselbox: Missing value after '--sheets'."},
        {{"--sheets", "/no/such/folder"}, 2,
         "tesselbox: --sheets: '/no/such/folder' is not a folder"},
        {{"ghost.qpk"}, 2, "tesselbox: unexpected argument 'ghost.qpk'"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(PROPSCOPE_PROGRAM, c.arguments);
        ASSERT_TRUE(program.waitForFinished(10000));
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status) << err.toStdString();
        EXPECT_EQ((c.status == 0 ? out : err).section('\n', 0, 0), c.firstLine);
        EXPECT_TRUE(c.status != 2 || (err.contains("\nUsage: ") && out.isEmpty()));
    }
}
