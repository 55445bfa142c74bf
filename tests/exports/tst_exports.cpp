// The bill of materials, device and cable schedules of a design, and their
// CSV and XLSX files read back by other readers.
#include "../setup/setupfixtures.h"

#include "design/designevaluation.h"
#include "design/designjson.h"
#include "exports/exporttables.h"
#include "exports/tablefiles.h"
#include "exports/xlsxrequest.h"
#include "report/reportbuilder.h"
#include "report/reportcomposer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(Design)

namespace
{

Design fullDesignValue()
{
    return Design::fromSetupData(fullDesign());
}

// Main loop 2 (HD-220 x10, ZM-401 x2 on 800 m, 100 m to the first device and
// 150 m from the last) as wired: every 50 m from 100 m to 650 m.
LoopSchedule scheduleOfMainLoop2()
{
    LoopSchedule schedule;
    for (int i = 0; i < 12; ++i) {
        const bool module = i == 4 || i == 9;
        schedule.units.append({100 + 50 * i, module ? "ZM-401" : "HD-220",
                               module ? "-" : QString::number(i + 1), "Z" + QString::number(i / 6 + 1),
                               "Room " + QString::number(i)});
    }
    return schedule;
}

// What the report's equipment summary is given for a design.


// The equipment summary's rows as "category | item | quantity | description".
// The report's bill of materials as its summary table lists it: category,
// item, total and description.
QStringList reportBillOfMaterials(const Design &design, const Catalogue &catalogue)
{
    const Report::ReportData data =
        Report::reportData(design, DesignEvaluation::evaluate(design, catalogue), ReportInformation(), QDate());
    QStringList rows;
    for (const Report::MaterialCategory &category : Report::billOfMaterials(data, catalogue))
        for (const Report::MaterialRow &row : category.rows)
            rows << QStringList{category.title, row.item, QString::number(row.total) + row.unit, row.description}
                        .join(" | ");
    return rows;
}

QStringList exportedBillOfMaterials(const QVector<Exports::BomRow> &bom)
{
    QStringList rows;
    for (const Exports::BomRow &r : bom)
        rows << QStringList{r.category, r.item,
                            QString::number(qint64(r.quantity)) +
                                (r.metres ? QStringLiteral(" m") : QString()),
                            r.description}
                    .join(" | ");
    return rows;
}

// RFC 4180 read back: quoted fields, doubled quotes, CRLF.
QVector<QStringList> parseCsv(const QString &text)
{
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

// The workbook's sheets as another reader sees them: sheet -> rows of cells
// (null for an empty cell). Empty when no reader is installed.
// What a Python script with openpyxl prints about a workbook; empty without
// such a reader.
QByteArray readWithPython(const char *script, const QString &path)
{
    for (const QString &python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess process;
        process.start(python, {"-c", script, path});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            continue;
        return process.readAllStandardOutput();
    }
    return QByteArray();
}

QJsonObject readWorkbook(const QString &path)
{
    static const char *script = "import sys, json, openpyxl\n"
                                "wb = openpyxl.load_workbook(sys.argv[1])\n"
                                "print(json.dumps({ws.title: [list(r) for r in ws.iter_rows(min_row=1, "
                                "max_col=ws.max_column, values_only=True)] for ws in wb.worksheets}))\n";
    return QJsonDocument::fromJson(readWithPython(script, path)).object();
}

// The workbook's title and author as a reader finds them.
QStringList workbookProperties(const QString &path)
{
    static const char *script = "import sys, openpyxl\n"
                                "p = openpyxl.load_workbook(sys.argv[1]).properties\n"
                                "sys.stdout.buffer.write(((p.title or '') + '\\n' + (p.creator or '')).encode())\n";
    return QString::fromUtf8(readWithPython(script, path)).split('\n');
}

} // namespace

class TestExports : public QObject
{
    Q_OBJECT

private slots:
    void billOfMaterialsIsTheReports_data();
    void billOfMaterialsIsTheReports();
    void deviceScheduleFollowsTheLoopSchedules();
    void cableScheduleHasTheLoopFigures();
    void csvCells_data();
    void csvCells();
    void sheetNames_data();
    void sheetNames();
    void workbookReadsBackAsTheCsv();
    void workbookKeepsAwkwardTexts();
    void failedWriteKeepsTheOldFile();
    void missingWriterKeepsTheOldFile();
    void writerRequestReadsBack();
    void figureTwinsEqualTheirTexts();

private:
    const Catalogue m_catalogue{demoData()};
};

void TestExports::billOfMaterialsIsTheReports_data()
{
    QTest::addColumn<Design>("design");
    QTest::newRow("full design") << fullDesignValue();
    Design bare = fullDesignValue();
    bare.boxes.clear();
    for (LoopConfig &loop : bare.main.loops)
        loop.devices.clear();
    bare.main.config.cards.clear();
    QTest::newRow("no boxes, no devices, no cards") << bare;
    Design sources = fullDesignValue();
    // A source too small for its battery needs a battery box; an unknown
    // battery still gets its row.
    sources.main.config.source2 = sources.main.config.source1;
    sources.main.config.battery2 = "NOPE 12-99";
    QTest::newRow("second source, unknown battery") << sources;
}

void TestExports::billOfMaterialsIsTheReports()
{
    QFETCH(Design, design);
    const QVector<Exports::BomRow> bom = Exports::billOfMaterials(design, m_catalogue);
    QCOMPARE(exportedBillOfMaterials(bom), reportBillOfMaterials(design, m_catalogue));
    // Cables in metres, everything else in pieces.
    for (const Exports::BomRow &row : bom)
        QCOMPARE(row.metres, row.category == Exporter::tr("CABLES"));
}

void TestExports::deviceScheduleFollowsTheLoopSchedules()
{
    Design design = fullDesignValue();
    const LoopSchedule schedule = scheduleOfMainLoop2();
    design.main.schedules.insert(1, schedule);
    const QVector<Exports::DeviceRow> rows = Exports::deviceSchedule(design);

    QVector<Exports::DeviceRow> scheduled;
    QMap<QString, qint64> counts;
    int first = -1;
    for (int i = 0; i < rows.size(); ++i) {
        const Exports::DeviceRow &row = rows.at(i);
        counts[row.device] += row.quantity;
        if (row.scheduled && first < 0)
            first = i;
        if (row.scheduled)
            scheduled.append(row);
        else
            QVERIFY(row.position == 0 && row.address.isEmpty() && row.zone.isEmpty());
    }
    // The scheduled loop gives one row per unit in cable order ...
    QCOMPARE(scheduled.size(), schedule.units.size());
    for (int i = 0; i < scheduled.size(); ++i) {
        const ScheduleUnit &unit = schedule.units.at(i);
        QCOMPARE(scheduled.at(i).system, Exports::systemName(design, -1));
        QCOMPARE(scheduled.at(i).loop, 2);
        QCOMPARE(scheduled.at(i).position, unit.position);
        QCOMPARE(scheduled.at(i).address, unit.address);
        QCOMPARE(scheduled.at(i).device, unit.device);
        QCOMPARE(scheduled.at(i).zone, unit.zone);
        QCOMPARE(scheduled.at(i).location, unit.location);
        QCOMPARE(scheduled.at(i).quantity, 1);
    }
    // ... and every unit of the design is counted once, as in the bill of materials.
    QMap<QString, qint64> bomCounts;
    for (const Exports::BomRow &row : Exports::billOfMaterials(design, m_catalogue)) {
        if (row.category == Exporter::tr("LOOP DEVICES"))
            bomCounts[row.item] = qint64(row.quantity);
    }
    QCOMPARE(counts, bomCounts);

    // Addresses are numbers in the table, "-" stays a text.
    const Exports::Table table = Exports::deviceScheduleTable(rows);
    QCOMPARE(table.rows.at(first).at(3).userType(), int(QMetaType::Int));
    QCOMPARE(table.rows.at(first + 4).at(3), QVariant(QStringLiteral("-")));
}

void TestExports::cableScheduleHasTheLoopFigures()
{
    const Design design = fullDesignValue();
    const DesignEvaluation evaluation = DesignEvaluation::evaluate(design, m_catalogue);
    const QVector<Exports::CableRow> rows = Exports::cableSchedule(design, evaluation);
    // fullDesign: main loops 1, 2, 4, 5, 6 hold devices (loop 3 none); box 1
    // loop 1 and box 2 loops 2 and 3.
    QStringList places;
    for (const Exports::CableRow &row : rows)
        places << row.system.section(' ', 0, 2) + "/" + QString::number(row.loop);
    QCOMPARE(places.join(","),
             QStringLiteral("Main panel/1,Main panel/2,Main panel/4,Main panel/5,Main panel/6,"
                            "Expansion Box 1/1,Expansion Box 2/2,Expansion Box 2/3"));
    int metres = 0;
    for (const Exports::CableRow &row : rows) {
        metres += row.length;
        const SystemEvaluation &system = row.system == Exports::systemName(design, -1)
                                             ? evaluation.main
                                             : evaluation.boxes.at(row.system.section(' ', 2, 2).toInt() - 1);
        const LoopEvaluation &loop = system.loopResults.at(row.loop - 1);
        QCOMPARE(row.voltageDrop, DesignJson::valueOf(loop.voltageDropText()));
        QCOMPARE(row.maxVoltageDrop, DesignJson::valueOf(loop.maxVoltageDropText()));
        QCOMPARE(row.alarmCurrent, DesignJson::valueOf(loop.alarmCurrentText()));
        QCOMPARE(row.addresses, loop.results.addresses);
    }
    int bomMetres = 0;
    for (const Exports::BomRow &row : Exports::billOfMaterials(design, m_catalogue))
        bomMetres += row.metres ? int(row.quantity) : 0;
    QCOMPARE(metres, bomMetres);
    QCOMPARE(metres, 1000 + 800 + 2500 + 300 + 1000 + 600 + 200 + 1000);
}

void TestExports::csvCells_data()
{
    QTest::addColumn<QVariant>("cell");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QVariant("OD-210") << "OD-210";
    QTest::newRow("comma") << QVariant("1,5 mm2 (16 AWG)") << "\"1,5 mm2 (16 AWG)\"";
    QTest::newRow("quote") << QVariant("12\" box") << "\"12\"\" box\"";
    QTest::newRow("line break") << QVariant("a\nb") << "\"a\nb\"";
    QTest::newRow("empty") << QVariant(QString()) << "";
    QTest::newRow("int") << QVariant(250) << "250";
    QTest::newRow("double, shortest") << QVariant(0.0294) << "0.0294";
    QTest::newRow("double, whole") << QVariant(12.0) << "12";
    QTest::newRow("formula is not run") << QVariant("=HYPERLINK(\"x\")") << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("lone dash stays") << QVariant("-") << "-";
    QTest::newRow("at sign") << QVariant("@x") << "'@x";
}

void TestExports::csvCells()
{
    QFETCH(QVariant, cell);
    QFETCH(QString, text);
    QCOMPARE(TableFiles::csvCell(cell), text);
}

void TestExports::sheetNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Bill of materials" << QStringList() << "Bill of materials";
    QTest::newRow("forbidden characters") << "a/b:c[d]*?\\" << QStringList() << "a_b_c_d____";
    QTest::newRow("too long") << QString(40, 'x') << QStringList() << QString(31, 'x');
    QTest::newRow("taken") << "Sheet" << QStringList{"sheet"} << "Sheet (2)";
    QTest::newRow("long and taken") << QString(40, 'x') << QStringList{QString(31, 'x')}
                                    << QString(27, 'x') + " (2)";
}

void TestExports::sheetNames()
{
    QFETCH(QString, title);
    QFETCH(QStringList, taken);
    QFETCH(QString, name);
    QCOMPARE(TableFiles::sheetName(title, taken), name);
}

void TestExports::workbookReadsBackAsTheCsv()
{
    Design design = fullDesignValue();
    design.main.schedules.insert(1, scheduleOfMainLoop2());
    const DesignEvaluation evaluation = DesignEvaluation::evaluate(design, m_catalogue);
    QVector<Exports::Table> tables;
    for (Exports::Kind kind : Exports::allKinds())
        tables.append(Exports::table(kind, design, evaluation, m_catalogue));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString workbook = dir.filePath("out.xlsx");
    QVERIFY(TableFiles::writeXlsx(workbook, tables, "P-1", "A. Author"));
    const QJsonObject sheets = readWorkbook(workbook);
    if (sheets.isEmpty())
        QSKIP("no XLSX reader (python3-openpyxl) installed");
    QCOMPARE(sheets.size(), tables.size());

    for (const Exports::Table &table : tables) {
        QVERIFY(TableFiles::writeCsv(dir.filePath(table.key + ".csv"), table));
        QFile file(dir.filePath(table.key + ".csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QVector<QStringList> csv = parseCsv(QString::fromUtf8(file.readAll()));
        const QJsonArray sheet = sheets.value(table.title).toArray();
        QCOMPARE(sheet.size(), table.rows.size() + 1);
        QCOMPARE(csv.size(), table.rows.size() + 1);
        QCOMPARE(csv.first(), table.headers);
        QCOMPARE(sheet.first().toVariant().toStringList(), table.headers);
        for (int r = 0; r < table.rows.size(); ++r) {
            const QVariantList &row = table.rows.at(r);
            const QJsonArray cells = sheet.at(r + 1).toArray();
            QCOMPARE(cells.size(), row.size());
            QCOMPARE(csv.at(r + 1).size(), row.size());
            for (int c = 0; c < row.size(); ++c) {
                const QVariant &value = row.at(c);
                const QJsonValue cell = cells.at(c);
                const QString csvText = csv.at(r + 1).at(c);
                if (value.userType() == QMetaType::QString) {
                    // Texts stay texts, an empty one an empty cell.
                    QCOMPARE(cell.isNull() ? QString() : cell.toString(), value.toString());
                    QCOMPARE(csvText, value.toString());
                } else {
                    // Numbers stay numbers, equal in both files.
                    QVERIFY2(cell.isDouble(),
                             qPrintable(table.key + QString(" row %1 col %2").arg(r).arg(c)));
                    QCOMPARE(cell.toDouble(), value.toDouble());
                    bool ok = false;
                    QCOMPARE(csvText.toDouble(&ok), value.toDouble());
                    QVERIFY(ok);
                }
            }
        }
    }
}

void TestExports::workbookKeepsAwkwardTexts()
{
    Exports::Table table;
    table.title = "Odd: texts/names?";
    table.headers = QStringList{"Text", "Number"};
    const QString longText(40000, QLatin1Char('x'));
    table.rows = {{" padded ", 1},
                  {"a&b<c>\"d\"", 2.5},
                  {QString("bell") + QChar(7) + "end", -3},
                  {"two\nlines", 1e-7},
                  {longText, 123456789012LL},
                  {"=1+1", 0}};
    Exports::Table second = table;
    second.rows.clear();

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString workbook = dir.filePath("odd.xlsx");
    QVERIFY(TableFiles::writeXlsx(workbook, {table, second}, QString("Ref ") + QChar(0x2116) + " 7", "J. Núñez"));
    const QJsonObject sheets = readWorkbook(workbook);
    if (sheets.isEmpty())
        QSKIP("no XLSX reader (python3-openpyxl) installed");
    // Invalid sheet characters replaced, the second name made unique.
    QCOMPARE(sheets.keys(), (QStringList{"Odd_ texts_names_", "Odd_ texts_names_ (2)"}));
    const QJsonArray rows = sheets.value("Odd_ texts_names_").toArray();
    QCOMPARE(rows.size(), table.rows.size() + 1);
    const auto cell = [&rows](int r, int c) { return rows.at(r).toArray().at(c); };
    QCOMPARE(cell(1, 0).toString(), QString(" padded "));
    QCOMPARE(cell(2, 0).toString(), QString("a&b<c>\"d\""));
    // XML cannot carry the control character; the rest of the text stays.
    QCOMPARE(cell(3, 0).toString(), QString("bellend"));
    QCOMPARE(cell(4, 0).toString(), QString("two\nlines"));
    // A cell holds at most 32767 characters.
    QCOMPARE(cell(5, 0).toString(), longText.left(32767));
    // A text that looks like a formula stays a text.
    QCOMPARE(cell(6, 0).toString(), QString("=1+1"));
    QCOMPARE(cell(1, 1).toDouble(), 1.0);
    QCOMPARE(cell(2, 1).toDouble(), 2.5);
    QCOMPARE(cell(3, 1).toDouble(), -3.0);
    QCOMPARE(cell(4, 1).toDouble(), 1e-7);
    QCOMPARE(cell(5, 1).toDouble(), 123456789012.0);
    QCOMPARE(sheets.value("Odd_ texts_names_ (2)").toArray().size(), 1);
    QCOMPARE(workbookProperties(workbook), (QStringList{QString("Ref ") + QChar(0x2116) + " 7", "J. Núñez"}));
}

void TestExports::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Design design = fullDesignValue();
    const Exports::Table table = Exports::table(Exports::Kind::BillOfMaterials, design,
                                                DesignEvaluation::evaluate(design, m_catalogue), m_catalogue);
    // A folder where the file should go cannot be replaced.
    const QString blocked = dir.filePath("blocked.xlsx");
    QVERIFY(QDir().mkpath(blocked));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to (open|write) file"));
    QVERIFY(!TableFiles::writeXlsx(blocked, {table}));
    QVERIFY(QFileInfo(blocked).isDir());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to (open|write) file"));
    QVERIFY(!TableFiles::writeCsv(blocked, table));
}

void TestExports::missingWriterKeepsTheOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString workbook = dir.filePath("kept.xlsx");
    QFile old(workbook);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    Exports::Table table;
    table.title = "T";
    table.headers = QStringList{"A"};
    const QByteArray writer = qgetenv("KALVIX_XLSX_WRITER");
    qputenv("KALVIX_XLSX_WRITER", dir.filePath("no-such-writer").toLocal8Bit());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The workbook writer failed:"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to compose the workbook:"));
    const bool written = TableFiles::writeXlsx(workbook, {table});
    qputenv("KALVIX_XLSX_WRITER", writer);
    QVERIFY(!written);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void TestExports::writerRequestReadsBack()
{
    XlsxRequest::Workbook workbook{"Title", QString("Au") + QChar(1) + "thor", {}};
    workbook.sheets.append({"One", {"Name", "Value"}, {{"a", 1.5}, {QString(), 2}, {"ñ\tb", QVariant()}}});
    workbook.sheets.append({"Two", {}, {}});
    const QByteArray bytes = XlsxRequest::encode(workbook);
    XlsxRequest::WorkbookView view;
    QVERIFY(XlsxRequest::decode(bytes, view));
    QCOMPARE(QByteArray(view.title), QByteArray("Title"));
    QCOMPARE(QByteArray(view.author), QByteArray("Author"));
    QCOMPARE(view.sheets.size(), 2);
    const XlsxRequest::SheetView &one = view.sheets.at(0);
    QCOMPARE(QByteArray(one.name), QByteArray("One"));
    QCOMPARE(one.widths, (QVector<int>{8, 8}));
    QCOMPARE(one.headers.size(), 2);
    QCOMPARE(QByteArray(one.headers.at(1).text), QByteArray("Value"));
    QCOMPARE(one.rows.size(), 3);
    QCOMPARE(one.rows.at(0).at(0).kind, XlsxRequest::Cell::Text);
    QCOMPARE(one.rows.at(0).at(1).kind, XlsxRequest::Cell::Number);
    QCOMPARE(one.rows.at(0).at(1).number, 1.5);
    QCOMPARE(one.rows.at(1).at(0).kind, XlsxRequest::Cell::Empty);
    QCOMPARE(one.rows.at(1).at(1).number, 2.0);
    QCOMPARE(QString::fromUtf8(one.rows.at(2).at(0).text), QString("ñ\tb"));
    // An invalid value is no number: an empty text.
    QCOMPARE(one.rows.at(2).at(1).kind, XlsxRequest::Cell::Empty);
    QVERIFY(view.sheets.at(1).rows.isEmpty());

    // Every cut short request, and one with a byte too many, is refused.
    for (int size = 0; size < bytes.size(); ++size)
        QVERIFY2(!XlsxRequest::decode(bytes.left(size), view), qPrintable(QString::number(size)));
    QVERIFY(!XlsxRequest::decode(bytes + '\0', view));
}

void TestExports::figureTwinsEqualTheirTexts()
{
    const Design design = fullDesignValue();
    const DesignEvaluation evaluation = DesignEvaluation::evaluate(design, m_catalogue);
    const QJsonObject json = DesignJson::designObject("full.csv", design, evaluation);
    int twins = 0;
    // Every "x"/"xValue" pair anywhere in the object.
    std::function<void(const QJsonObject &)> walk = [&](const QJsonObject &object) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.value().isObject())
                walk(it.value().toObject());
            if (it.value().isArray())
                for (const QJsonValue &v : it.value().toArray())
                    if (v.isObject())
                        walk(v.toObject());
            if (!it.key().endsWith("Value"))
                continue;
            const QString text = object.value(it.key().chopped(5)).toString();
            QVERIFY2(!text.isEmpty(), qPrintable(it.key()));
            QCOMPARE(it.value().toDouble(), text.section(' ', 0, 0).toDouble());
            ++twins;
        }
    };
    walk(json);
    // 4 per system, 8 per loop: main 6 loops, boxes 2 and 4.
    QCOMPARE(twins, 3 * 4 + (6 + 2 + 4) * 8);
    QVERIFY(json.value("project").isNull());
    const QJsonObject idle = json.value("panel").toObject().value("loops").toArray().at(0).toObject();
    QVERIFY(idle.value("idleCurrent").toString().endsWith(" A"));
}

QTEST_GUILESS_MAIN(TestExports)
#include "tst_exports.moc"
