// Whole designs against figures stored before the design layer existed: the
// program's --json for random designs must agree with what the earlier
// program printed, key for key (new keys may be added beside them).

#include "../setup/designgenerator.h"
#include "../setup/setupfixtures.h"

#include "catalogue/catalogue.h"
#include "design/designfile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

constexpr int DesignCount = 300;
// Compressed with qCompress's framing (length, then zlib): 3 MB of JSON.
const char *const Expected = KALVIX_TEST_DATA_DIR "/golden/random-designs.json.qz";

// Notes that compare two figures now show them to the precision at which
// they differ; at the 3 decimals they used to show, they read as before.
QString comparedFiguresToThreeDecimals(QString text)
{
    static const QRegularExpression compared(
        QStringLiteral("\\(([0-9]+\\.[0-9]+) A\\) is below the minimum required \\(([0-9]+\\.[0-9]+) A\\)"));
    QRegularExpressionMatch m;
    int from = 0;
    while ((m = compared.match(text, from)).hasMatch()) {
        const QString replaced = QStringLiteral("(%1 A) is below the minimum required (%2 A)")
                                     .arg(QString::number(m.captured(1).toDouble(), 'f', 3),
                                          QString::number(m.captured(2).toDouble(), 'f', 3));
        text.replace(m.capturedStart(), m.capturedLength(), replaced);
        from = m.capturedStart() + replaced.size();
    }
    return text;
}

// Every key of `expected` is in `actual` with the same value; `path` says where.
QString firstDifference(const QJsonValue &expected, const QJsonValue &actual, const QString &path)
{
    if (expected.isObject()) {
        if (!actual.isObject())
            return path + ": not an object";
        const QJsonObject e = expected.toObject();
        const QJsonObject a = actual.toObject();
        for (auto it = e.begin(); it != e.end(); ++it) {
            const QString at = path + QLatin1Char('.') + it.key();
            if (!a.contains(it.key()))
                return at + ": missing";
            const QString difference = firstDifference(it.value(), a.value(it.key()), at);
            if (!difference.isEmpty())
                return difference;
        }
        return QString();
    }
    if (expected.isArray()) {
        const QJsonArray e = expected.toArray();
        const QJsonArray a = actual.toArray();
        if (!actual.isArray() || e.size() != a.size())
            return path + ": arrays differ in size";
        for (int i = 0; i < e.size(); ++i) {
            const QString difference = firstDifference(e.at(i), a.at(i), path + QStringLiteral("[%1]").arg(i));
            if (!difference.isEmpty())
                return difference;
        }
        return QString();
    }
    if (expected.isString() && actual.isString() &&
        comparedFiguresToThreeDecimals(expected.toString()) == comparedFiguresToThreeDecimals(actual.toString()))
        return QString();
    return expected == actual ? QString()
                              : path + QStringLiteral(": expected %1, got %2")
                                           .arg(QString::fromUtf8(QJsonDocument(QJsonArray{expected}).toJson(
                                                    QJsonDocument::Compact)),
                                                QString::fromUtf8(QJsonDocument(QJsonArray{actual}).toJson(
                                                    QJsonDocument::Compact)));
}

} // namespace

class TestDesignGolden : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomDesignsEvaluateAsBefore();

private:
    QTemporaryDir m_dir;
    QStringList m_files;
};

void TestDesignGolden::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const Catalogue catalogue(demoData());
    // KALVIX_WRITE_DESIGNS=<folder> writes the designs there, so an earlier
    // build of the program can print the figures this test expects.
    const QString folder = qEnvironmentVariable("KALVIX_WRITE_DESIGNS", m_dir.path());
    QDir().mkpath(folder);
    for (int seed = 1; seed <= DesignCount; ++seed) {
        DesignGenerator generator(catalogue, quint32(seed));
        const QString file = QDir(folder).filePath(QStringLiteral("design-%1.csv").arg(seed, 3, 10, QLatin1Char('0')));
        QVERIFY(DesignFile::write(file, Design::fromSetupData(generator.design())));
        m_files.append(file);
    }
}

void TestDesignGolden::randomDesignsEvaluateAsBefore()
{
    if (qEnvironmentVariableIsSet("KALVIX_WRITE_DESIGNS"))
        QSKIP("designs written; no comparison");
    QFile stored(QString::fromUtf8(Expected));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QJsonArray expected =
        QJsonDocument::fromJson(qUncompress(stored.readAll())).object().value("designs").toArray();
    QCOMPARE(expected.size(), DesignCount);

    // The real program, with the demo pack installed in this test's own home.
    const QString home = m_dir.filePath(QStringLiteral("home"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess install;
    install.setProcessEnvironment(env);
    install.start(QStringLiteral(KALVIX_EXECUTABLE), {QStringLiteral("--import-data-pack"), QStringLiteral(KALVIX_DEMO_PACK)});
    QVERIFY(install.waitForFinished(60000));
    QCOMPARE(install.exitCode(), 0);

    QProcess check;
    check.setProcessEnvironment(env);
    check.start(QStringLiteral(KALVIX_EXECUTABLE), QStringList{QStringLiteral("--json")} + m_files);
    QVERIFY(check.waitForFinished(120000));
    const QJsonArray actual = QJsonDocument::fromJson(check.readAllStandardOutput()).object().value("designs").toArray();
    QCOMPARE(actual.size(), DesignCount);
    for (int i = 0; i < DesignCount; ++i) {
        QJsonObject e = expected.at(i).toObject();
        QJsonObject a = actual.at(i).toObject();
        // The files lived in another folder when the figures were stored.
        a.remove(QStringLiteral("file"));
        const QString difference = firstDifference(e, a, QStringLiteral("design %1").arg(i + 1));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

QTEST_GUILESS_MAIN(TestDesignGolden)
#include "tst_designgolden.moc"
