// quill10 --snapshot renders a worksheet screen without a window: it never
// writes over the case it renders, and it never waits for a user who is not
// there (every problem is on stderr with a failing exit status).
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"

using namespace quill10::gui::test;

namespace {

constexpr int kNoAnswerMs = 60000;  // a run that waits on a dialog never ends: far beyond any real run

struct Snapshot {
    int status = -1;
    bool finished = false;
    QString errors;
};

Snapshot RunSnapshot(const QStringList& arguments, const QString& home) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DOCUMENTS_DIR"), home + QStringLiteral("/documents"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILL10_GUI_EXE), QStringList{QStringLiteral("--snapshot")} + arguments);
    Snapshot run;
    run.finished = process.waitForFinished(kNoAnswerMs);
    if (!run.finished) process.kill();
    run.status = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QByteArray HashOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

}  // namespace

class SnapshotTest : public QObject {
    Q_OBJECT

private slots:
    void outputOverTheCaseOrAMissingCaseFailsAtOnce_data() {
        QTest::addColumn<QString>("output");  // relative to the scratch folder
        QTest::addColumn<QString>("caseName");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("output is the case") << "victim.q10" << "victim.q10" << 2 << "client file";
        QTest::newRow("output is a link to the case") << "link.png" << "victim.q10" << 2 << "would be lost";
        QTest::newRow("arguments swapped") << "victim.q10" << "victim.png" << 2 << "client file";
        QTest::newRow("case missing") << "out.png" << "missing.q10" << 1 << "missing.q10";
        QTest::newRow("case is not a case") << "out.png" << "junk.q10" << 1 << "junk.q10";
    }
    void outputOverTheCaseOrAMissingCaseFailsAtOnce() {
        QFETCH(QString, output);
        QFETCH(QString, caseName);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir scratch;
        const QString dir = scratch.path() + QLatin1Char('/');
        QVERIFY(QFile::copy(SampleCase(QStringLiteral("sole-father-pays.q10")), dir + "victim.q10"));
        QVERIFY(QFile::link(dir + "victim.q10", dir + "link.png"));
        {
            QFile junk(dir + "junk.q10");
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write(QByteArray(5000, '\x01'));
        }
        const QByteArray before = HashOf(dir + "victim.q10");

        const Snapshot run = RunSnapshot({QStringLiteral("0"), dir + output, dir + caseName}, scratch.path());
        QVERIFY2(run.finished, "the snapshot waited for an answer nobody can give");
        QCOMPARE(run.status, status);
        QVERIFY2(run.errors.contains(said), qPrintable(run.errors));
        QCOMPARE(HashOf(dir + "victim.q10"), before);
        if (output == QLatin1String("out.png")) QVERIFY(!QFile::exists(dir + output));
    }

    void aCaseIsRenderedToAPng() {
        QTemporaryDir scratch;
        const QString out = scratch.path() + QStringLiteral("/split.png");
        const Snapshot run =
            RunSnapshot({QStringLiteral("7"), out, SampleCase(QStringLiteral("split.q10"))}, scratch.path());
        QVERIFY(run.finished);
        QCOMPARE(run.status, 0);
        QImage image(out);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > 400 && image.height() > 400);
    }
};

QTEST_MAIN(SnapshotTest)
#include "SnapshotTests.moc"
