#include "report/reportgenerator.h"

#include "app/constants.h"
#include "catalogue/catalogue.h"
#include "loop/loopwidget.h"
#include "loop/systemcontainerwidget.h"
#include "panel/panelwidget.h"

#include <QAbstractTextDocumentLayout>
#include <QDebug>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QImage>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

bool askReportInformation(QWidget *parent, const QString &initialFacility, const QString &initialAddress,
                          const QString &initialInstaller, QString &facility, QString &address,
                          QString &installer)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("reportInformationDialog"));
    dialog.setWindowTitle(Exporter::tr("Report Information"));
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setModal(true);

    auto *layout = new QVBoxLayout(&dialog);
    auto *form = new QFormLayout;
    const auto edit = [&dialog](const char *name, const QString &text) {
        auto *line = new QLineEdit(text, &dialog);
        line->setObjectName(QLatin1String(name));
        line->setMinimumWidth(320);
        return line;
    };
    QLineEdit *facilityEdit = edit("facilityNameLineEdit", initialFacility);
    QLineEdit *addressEdit = edit("addressLineEdit", initialAddress);
    QLineEdit *installerEdit = edit("installerCompanyLineEdit", initialInstaller);
    form->addRow(Exporter::tr("Facility name"), facilityEdit);
    form->addRow(Exporter::tr("Address"), addressEdit);
    form->addRow(Exporter::tr("Installer company"), installerEdit);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return false;
    facility = facilityEdit->text().trimmed();
    address = addressEdit->text().trimmed();
    installer = installerEdit->text().trimmed();
    return true;
}

Report::PanelInfo reportPanelInfo(const SystemContainerWidget *container)
{
    Report::PanelInfo info;
    const PanelWidget *panel = container->panelWidget();
    if (panel) {
        info.model = panel->modelName();
        info.internalBattery = panel->internalBattery();
        info.batteryDegradation = panel->batteryDegradation();
        info.soundersActive = panel->soundersActive();
        info.idleTime = panel->idleTime();
        info.alarmTime = panel->alarmTime();
        info.cards = panel->installedCards();
        info.source1 = panel->externalPowerSource1();
        info.battery1 = panel->additionalBattery1();
        info.source2 = panel->externalPowerSource2();
        info.battery2 = panel->additionalBattery2();
        info.powerNotes = panel->powerReportNotes();
        info.externalPowerNotes = panel->externalPowerReportNotes();
    }
    const QVector<LoopWidget *> loops = container->loopWidgets();
    const int active = std::min(container->loopCount(), loops.size());
    for (int i = 0; i < active; ++i) {
        const LoopWidget *loop = loops.at(i);
        Report::LoopInfo l;
        l.cableType = loop->cableTypeText();
        l.topologyCode = loop->topologyCode();
        l.distributionFactor = loop->distributionFactorValue();
        l.loopLength = loop->loopLengthValue();
        l.startDistance = loop->startDistanceValue();
        l.endDistance = loop->endDistanceValue();
        l.devices = loop->deviceList();
        std::sort(
            l.devices.begin(), l.devices.end(),
            [](const QPair<QString, int> &a, const QPair<QString, int> &b) { return a.first < b.first; });
        l.faultText = loop->faultReportText();
        l.noteText = loop->noteReportText();
        l.degradedModeOk = loop->isDegradedModeOk();
        info.loops.append(l);
    }
    return info;
}

void keepTableRowsTogether(QTextDocument &document, qreal pageHeight)
{
    // The layout splits a table row at a page break cell by cell, so a
    // picture lands on one page and its text on the next. A row that would
    // straddle a break is moved down to start the next page instead.
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    const QList<QTextFrame *> frames = document.rootFrame()->childFrames();
    // Moving one row moves the ones below it, and the layout of a table is
    // brought up to date lazily: scan again, after a full layout, until no
    // row straddles a break.
    bool changed = true;
    for (int pass = 0; pass < 6 && changed; ++pass) {
        changed = false;
        layout->documentSize();
        for (QTextFrame *frame : frames) {
            auto *table = qobject_cast<QTextTable *>(frame);
            if (!table)
                continue;
            for (int row = 0; row < table->rows(); ++row) {
                QList<QTextTableCell> cells;
                QList<int> seen;
                for (int column = 0; column < table->columns(); ++column) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    if (cell.isValid() && cell.row() == row && !seen.contains(cell.firstPosition())) {
                        seen.append(cell.firstPosition());
                        cells.append(cell);
                    }
                }
                qreal top = std::numeric_limits<qreal>::max();
                qreal bottom = std::numeric_limits<qreal>::lowest();
                qreal padding = 0;
                for (const QTextTableCell &cell : qAsConst(cells)) {
                    top = std::min(top, layout->blockBoundingRect(cell.firstCursorPosition().block()).top());
                    bottom = std::max(bottom,
                                      layout->blockBoundingRect(cell.lastCursorPosition().block()).bottom());
                    padding = std::max(padding, cell.format().toTableCellFormat().bottomPadding());
                }
                if (cells.isEmpty() || bottom - top + padding >= pageHeight)
                    continue;
                const qreal nextPage = (std::floor(top / pageHeight) + 1) * pageHeight;
                // The layout pushes a cell's last line down when it comes closer to
                // the break than the cell's bottom padding and the table's margin,
                // so a row that ends that close counts as straddling.
                if (bottom + 2 * padding + 10 <= nextPage)
                    continue;
                const auto setExtra = [&cells](qreal extra) {
                    for (QTextTableCell cell : qAsConst(cells)) {
                        QTextTableCellFormat format = cell.format().toTableCellFormat();
                        format.setTopPadding(format.topPadding() + extra);
                        cell.setFormat(format);
                    }
                };
                const auto rowTop = [&]() {
                    qreal value = std::numeric_limits<qreal>::max();
                    for (const QTextTableCell &cell : qAsConst(cells))
                        value = std::min(value,
                                         layout->blockBoundingRect(cell.firstCursorPosition().block()).top());
                    return value;
                };
                // Once a row is pushed past a break the layout adds its own top
                // offset, so look for the least padding that moves the row.
                qreal moved = nextPage - top + padding;
                qreal current = moved;
                setExtra(current);
                if (rowTop() < nextPage) {
                    setExtra(-current); // cannot be moved: leave it as it was
                    continue;
                }
                qreal stays = 0;
                for (int step = 0; step < 8; ++step) {
                    const qreal middle = (stays + moved) / 2;
                    setExtra(middle - current);
                    current = middle;
                    if (rowTop() >= nextPage)
                        moved = middle;
                    else
                        stays = middle;
                }
                setExtra(moved - current);
                changed = true;
            }
        }
    }
}

bool writeReportPdf(const QString &fileName, const QString &html)
{
    // The PDF goes to a temporary file beside the target and replaces it only
    // once complete, so a failed run never leaves a half-written report.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "Failed to start PDF painter" << fileName;
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(7, 4, 17, 6), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setCreator(Constants::ApplicationName);

        QTextDocument document;
        document.setDocumentMargin(0);
        // Laid out at screen resolution, whatever the printer's.
        QImage screen(1, 1, QImage::Format_ARGB32);
        screen.setDotsPerMeterX(3780);
        screen.setDotsPerMeterY(3780);
        document.documentLayout()->setPaintDevice(&screen);

        const QRect points = writer.pageLayout().paintRect(QPageLayout::Point).toRect();
        const QRect pixels = writer.pageLayout().paintRectPixels(writer.resolution());
        const qreal W = points.width();
        const qreal H = points.height();
        const qreal bodyHeight = H - 16; // the band below is the footer's
        document.setPageSize(QSizeF(W, bodyHeight));
        document.setHtml(html);
        keepTableRowsTogether(document, bodyHeight);

        QPainter painter;
        if (!painter.begin(&writer)) {
            qWarning() << "Failed to start PDF painter" << fileName;
            file.cancelWriting();
            return false;
        }
        const qreal sx = pixels.width() / W;
        const qreal sy = pixels.height() / H;
        const qreal footerY = bodyHeight * sy + pixels.top();
        const qreal footerHeight = 16 * sy;
        const int pageCount = std::max(1, document.pageCount());
        QFont footerFont = painter.font();
        footerFont.setPointSize(8);

        for (int page = 1; page <= pageCount; ++page) {
            painter.save();
            painter.scale(sx, sy);
            painter.translate(points.left(), points.top() - (page - 1) * bodyHeight);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, (page - 1) * bodyHeight, W, bodyHeight);
            // The layout skips blocks outside the clip but draws a block that
            // straddles two pages whole; the painter's clip keeps each line
            // on its own page and off the footer.
            painter.setClipRect(context.clip);
            document.documentLayout()->draw(&painter, context);
            painter.restore();

            painter.save();
            painter.setFont(footerFont);
            painter.setPen(QColor(QStringLiteral("#666666")));
            painter.drawLine(QPointF(pixels.left(), footerY),
                             QPointF(pixels.left() + pixels.width(), footerY));
            const QRectF footer(pixels.left(), footerY, pixels.width(), footerHeight);
            painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, Constants::ApplicationName);
            painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("%1 / %2").arg(page).arg(pageCount));
            painter.restore();
            if (page < pageCount)
                writer.newPage();
        }
        painter.end();
    }
    if (!file.commit()) {
        qWarning() << "Failed to write PDF file" << fileName << file.errorString();
        return false;
    }
    return true;
}

bool generateReport(const QString &fileName, SystemContainerWidget *mainContainer,
                    const QList<SystemContainerWidget *> &expansionBoxContainers, const Catalogue *catalogue,
                    QString &facility, QString &address, QString &installer)
{
    QString newFacility, newAddress, newInstaller;
    if (!askReportInformation(mainContainer, facility, address, installer, newFacility, newAddress,
                              newInstaller))
        return false;
    facility = newFacility;
    address = newAddress;
    installer = newInstaller;
    if (!mainContainer || !catalogue)
        return false;

    Report::ReportData data;
    data.facility = facility;
    data.address = address;
    data.installer = installer;
    data.date = QDate::currentDate();
    data.mainPanel = reportPanelInfo(mainContainer);
    for (const SystemContainerWidget *container : expansionBoxContainers)
        data.expansionBoxes.append(reportPanelInfo(container));
    return writeReportPdf(fileName, Report::composeReportHtml(data, *catalogue));
}
