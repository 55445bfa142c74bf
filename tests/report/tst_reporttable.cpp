#include "reportreadback.h"

#include "report/reportbuilder.h"
#include "report/reportpaginator.h"
#include "report/reportpdf.h"
#include "report/reporttable.h"
#include "report/reporttableflow.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTranslator>
#include <QtTest>

#include <cmath>

namespace
{

// The device the report lays its text out on: 96 dots per inch.
QImage screen()
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

// Rows whose every cell is one line, each told apart by its number.
Report::Table numbered(int rows)
{
    Report::Table table;
    table.header = QStringList{"Unit", "Device", "Address", "Location", "Status"};
    for (int i = 1; i <= rows; ++i)
        table.rows.append(QStringList{QStringLiteral("U%1").arg(i), QStringLiteral("Dev-%1").arg(i),
                                      QStringLiteral("Addr-%1").arg(i), QStringLiteral("Loc-%1").arg(i),
                                      QStringLiteral("OK")});
    return table;
}

// The objects a document's tables became: each one's top and height.
QVector<QRectF> tableObjects(QTextDocument &document)
{
    QVector<QRectF> objects;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() != QString(QChar::ObjectReplacementCharacter))
            continue;
        const QRectF rect = document.documentLayout()->blockBoundingRect(block);
        const QTextLine line = block.layout()->lineAt(0);
        objects.append(QRectF(0, rect.top() + line.y(), rect.width(), line.height()));
    }
    return objects;
}

QString sectionHtml(const QString &body)
{
    return QStringLiteral("<html><head><style>body { font-family: Arial, sans-serif; font-size: 10pt; } "
                          "h2 { font-size: 20pt; font-weight: bold; margin-top: 20px; margin-bottom: 15px; }"
                          "</style></head><body>") +
           body + QStringLiteral("</body></html>");
}

} // namespace

class TestReportTable : public QObject
{
    Q_OBJECT

private slots:
    void slicesBreakAtRowBoundaries_data();
    void slicesBreakAtRowBoundaries();
    void slicesFillEveryPage();
    void objectsLandOnPages();
    void headingStaysWithTheTable();
    void rowsOnceInOrderWithTheirHeader();
    void headerWordsStayWhole_data();
    void headerWordsStayWhole();
};

void TestReportTable::slicesBreakAtRowBoundaries_data()
{
    QTest::addColumn<int>("rowsLeft"); // rows of room left on the first page, in quarters of a row
    QTest::addColumn<int>("firstBreak");
    // A page holds the header and ten rows exactly.
    QTest::newRow("a page from its top") << 40 << 10;
    QTest::newRow("room for four rows exactly") << 16 << 4;
    QTest::newRow("a quarter row short of four") << 15 << 3;
    QTest::newRow("room for the first row only") << 4 << 1;
    // Without room for the header and one row, the table starts the next page.
    QTest::newRow("less than the first row") << 3 << 10;
}

void TestReportTable::slicesBreakAtRowBoundaries()
{
    QFETCH(int, rowsLeft);
    QFETCH(int, firstBreak);
    QImage device = screen();
    Report::TableText text(&device);
    const Report::TableLayout layout(numbered(35), 500, text);
    const qreal row = layout.rowHeight(0);
    const qreal page = layout.sliceHeight(0, 10);
    const qreal room = layout.sliceHeight(0, 0) + row * rowsLeft / 4;
    const QVector<int> slices = layout.slices(page - room, page);
    QCOMPARE(slices.value(1), firstBreak);
    // The pages after the first each take ten rows; the last what is left.
    for (int s = 2; s + 1 < slices.size(); ++s)
        QCOMPARE(slices.at(s) - slices.at(s - 1), 10);
    QCOMPARE(slices.last(), 35);
    QVERIFY(slices.last() - slices.at(slices.size() - 2) <= 10);
}

void TestReportTable::slicesFillEveryPage()
{
    // Rows of one, two and three lines: each slice takes as many whole rows
    // as its page has room for, and one more would not fit.
    QImage device = screen();
    Report::TableText text(&device);
    Report::Table table = numbered(60);
    for (int i = 0; i < table.rows.size(); i += 7)
        table.rows[i][3] = QStringLiteral("Plant room behind the north stairwell, level %1, beside the riser").arg(i);
    const Report::TableLayout layout(table, 300, text);
    QVERIFY(layout.rowHeight(0) > layout.rowHeight(1));
    const qreal page = 240;
    for (const qreal top : {qreal(0), qreal(100), qreal(210), qreal(239)}) {
        const QVector<int> slices = layout.slices(top, page);
        QCOMPARE(slices.first(), 0);
        QCOMPARE(slices.last(), table.rows.size());
        for (int s = 0; s + 1 < slices.size(); ++s) {
            const int first = slices.at(s);
            const int last = slices.at(s + 1);
            QVERIFY(last > first);
            // The first slice starts `top` down its page unless not even its
            // first row fits there.
            const bool headed = s == 0 && layout.sliceHeight(0, 1) <= page - top;
            const qreal room = headed ? page - top : page;
            QVERIFY2(layout.sliceHeight(first, last) <= room, qPrintable(QString::number(top)));
            if (last < table.rows.size())
                QVERIFY(layout.sliceHeight(first, last + 1) > room);
        }
    }
}

void TestReportTable::objectsLandOnPages()
{
    // A page that the header and ten rows fill exactly: the text layout puts
    // each part of the table at the head of its page, none crossing a foot.
    QImage device = screen();
    const Report::Table table = numbered(35);
    Report::TableText text(&device);
    const Report::TableLayout layout(table, 500, text);
    const qreal page = layout.sliceHeight(0, 10);
    Report::TableFlow flow({{"rows", table}}, 500, &device);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(QSizeF(500, page));
    document.setHtml(sectionHtml(Report::tablePlace("rows") + QStringLiteral("<p>After</p>")));
    QVERIFY(flow.place(document));
    Report::paginate(document, page, false);
    QVERIFY(flow.spread(document, page));
    Report::paginate(document, page, false);
    const QVector<QRectF> objects = tableObjects(document);
    QCOMPARE(objects.size(), 4);
    for (int i = 0; i < objects.size(); ++i) {
        QVERIFY2(std::abs(objects.at(i).top() - i * page) < 0.05, qPrintable(QString::number(objects.at(i).top())));
        QCOMPARE(objects.at(i).height(), layout.sliceHeight(10 * i, std::min(35, 10 * i + 10)));
    }
    QCOMPARE(document.pageCount(), 4);
    // A place naming no table leaves nothing behind.
    QTextDocument other;
    other.setHtml(sectionHtml(Report::tablePlace("none") + QStringLiteral("<p>After</p>")));
    QVERIFY(!flow.place(other));
    QCOMPARE(other.toPlainText().trimmed(), QStringLiteral("After"));
}

void TestReportTable::headingStaysWithTheTable()
{
    QImage device = screen();
    const Report::Table table = numbered(30);
    QString body;
    for (int i = 0; i < 12; ++i)
        body += QStringLiteral("<p>Paragraph %1</p>").arg(i);
    body += QStringLiteral("<h2>Device Schedule</h2>") + Report::tablePlace("rows");
    // Where the heading ends with the page as long as need be.
    qreal headingBottom = 0;
    qreal start = 0;
    {
        Report::TableFlow flow({{"rows", table}}, 500, &device);
        QTextDocument document;
        document.setDocumentMargin(0);
        document.documentLayout()->setPaintDevice(&device);
        document.setHtml(sectionHtml(body));
        QVERIFY(flow.place(document));
        const QTextBlock heading = document.findBlock(document.toPlainText().indexOf("Device Schedule"));
        headingBottom = document.documentLayout()->blockBoundingRect(heading).bottom();
        start = tableObjects(document).value(0).top();
    }
    Report::TableText text(&device);
    const Report::TableLayout layout(table, 500, text);
    QVERIFY(start >= headingBottom);
    // Room below the heading for the header and half a row.
    const qreal page = start + layout.sliceHeight(0, 0) + layout.rowHeight(0) / 2;
    Report::TableFlow flow({{"rows", table}}, 500, &device);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(QSizeF(500, page));
    document.setHtml(sectionHtml(body));
    QVERIFY(flow.place(document));
    Report::paginate(document, page, false);
    flow.spread(document, page);
    Report::paginate(document, page, false);
    const QTextBlock heading = document.findBlock(document.toPlainText().indexOf("Device Schedule"));
    const qreal headingTop = document.documentLayout()->blockBoundingRect(heading).top();
    const QVector<QRectF> objects = tableObjects(document);
    QVERIFY(!objects.isEmpty());
    QCOMPARE(int(headingTop / page), 1);
    QCOMPARE(int(objects.first().top() / page), 1);
}

void TestReportTable::rowsOnceInOrderWithTheirHeader()
{
    if (!havePoppler())
        QSKIP("poppler's tools are not installed");
    Report::Table table = numbered(230);
    // Some rows of several lines.
    for (int i = 4; i < table.rows.size(); i += 37)
        table.rows[i][3] = QStringLiteral("Plant room behind the north stairwell, level %1, beside the riser "
                                          "shaft and the emergency lighting board WRAPEND%2")
                               .arg(i)
                               .arg(i + 1);
    const QString html = sectionHtml(QStringLiteral("<h1>Cover</h1><div class='page-break'></div>"
                                                    "<h1>Loop 1</h1><h2>Device Schedule</h2>") +
                                     Report::tablePlace("rows") + QStringLiteral("<p>AFTERWORD</p>"));
    QTemporaryDir dir;
    const QString path = dir.filePath("table.pdf");
    QVERIFY(writeReportPdf(path, html, {}, {}, {{"rows", table}}));
    const QVector<PdfWord> words = pdfWords(path);
    const int pages = pdfPages(path);
    QVERIFY(pages >= 5);

    QHash<QString, QVector<PdfWord>> byText;
    for (const PdfWord &word : words)
        byText[word.text].append(word);
    // Every row once, in order, its cells on its own page and line.
    QMap<int, qreal> firstRowTop; // by page
    int previousPage = 0;
    qreal previousTop = -1;
    for (int i = 1; i <= table.rows.size(); ++i) {
        const QVector<PdfWord> unit = byText.value(QStringLiteral("U%1").arg(i));
        QCOMPARE(unit.size(), 1);
        const PdfWord &at = unit.first();
        QVERIFY2(at.page > previousPage || (at.page == previousPage && at.box.top() > previousTop),
                 qPrintable(QStringLiteral("row %1").arg(i)));
        previousPage = at.page;
        previousTop = at.box.top();
        if (!firstRowTop.contains(at.page))
            firstRowTop.insert(at.page, at.box.top());
        const QStringList cells{QStringLiteral("Dev-%1").arg(i), QStringLiteral("Addr-%1").arg(i),
                                i % 37 == 5 ? QStringLiteral("WRAPEND%1").arg(i) : QStringLiteral("Loc-%1").arg(i)};
        for (const QString &cell : cells) {
            const QVector<PdfWord> found = byText.value(cell);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.first().page, at.page);
            if (!cell.startsWith("WRAPEND"))
                QVERIFY(std::abs(found.first().box.top() - at.box.top()) < 1);
            else // the last line of its cell, below the first
                QVERIFY(found.first().box.top() > at.box.top() + 5);
        }
    }
    // The header heads every page the table runs over, and no other.
    const QVector<PdfWord> headers = byText.value(QStringLiteral("Status"));
    QCOMPARE(headers.size(), firstRowTop.size());
    for (const PdfWord &header : headers) {
        QVERIFY(firstRowTop.contains(header.page));
        QVERIFY(header.box.top() < firstRowTop.value(header.page));
    }
    QCOMPARE(firstRowTop.firstKey(), 2);
    // The text after the table follows its last row.
    const QVector<PdfWord> after = byText.value(QStringLiteral("AFTERWORD"));
    QCOMPARE(after.size(), 1);
    QVERIFY(after.first().page > previousPage ||
            (after.first().page == previousPage && after.first().box.top() > previousTop));
    QCOMPARE(after.first().page, pages);
}

void TestReportTable::headerWordsStayWhole_data()
{
    QTest::addColumn<QString>("translation");
    QTest::newRow("English") << QString();
    QTest::newRow("Spanish") << QStringLiteral(":/translations/Kalvix_es.qm");
}

void TestReportTable::headerWordsStayWhole()
{
    QFETCH(QString, translation);
    if (!havePoppler())
        QSKIP("poppler's tools are not installed");
    Q_INIT_RESOURCE(translations);
    QTranslator translator;
    if (!translation.isEmpty()) {
        QVERIFY(translator.load(translation));
        QCoreApplication::installTranslator(&translator);
    }
    // Long device names and locations of the most a schedule takes leave
    // the header the least room.
    LoopSchedule schedule;
    for (int i = 0; i < 30; ++i)
        schedule.units.append({10 * i, QStringLiteral("CP-310 IP67 weatherproof"), QString::number(i + 1),
                               QStringLiteral("Zone 12"),
                               QStringLiteral("Plant room behind the north stairwell, level 3, by the riser %1")
                                   .arg(i)});
    const Report::Table table = Report::scheduleTable(schedule, LoopDeviceCheck());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(table.header.size(), 11);
    QTemporaryDir dir;
    // A copy to look at when asked for, one per language.
    const QString keep = qEnvironmentVariable("KALVIX_KEEP_SCHEDULE_TABLE");
    const QString path = keep.isEmpty() ? dir.filePath("schedule.pdf")
                                        : keep + QLatin1Char('-') + QTest::currentDataTag() + ".pdf";
    QVERIFY(writeReportPdf(path, sectionHtml(Report::tablePlace("schedule")), {}, {}, {{"schedule", table}}));
    QStringList found;
    for (const PdfWord &word : pdfWords(path))
        found << word.text;
    for (const QString &header : table.header)
        for (const QString &word : header.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(found.contains(word), qPrintable(word + " in " + found.mid(0, 30).join(' ')));
}

QTEST_MAIN(TestReportTable)
#include "tst_reporttable.moc"
