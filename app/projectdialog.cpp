#include "app/projectdialog.h"

#include "design/designdocument.h"
#include "design/projectdates.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

// A design file separates its values with ';' and its lines with line breaks.
QString storable(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char(';'), QLatin1Char(','));
    result.replace(QLatin1Char('\r'), QLatin1Char(' '));
    result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return result.trimmed();
}

QString today()
{
    return ProjectDates::stored(QDate::currentDate());
}

enum Column { RevisionColumn, DateColumn, DescriptionColumn, ByColumn, ColumnCount };

} // namespace

ProjectDialog::ProjectDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("projectDialog"));
    setWindowTitle(tr("Project"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    m_reference = addField(form, tr("Project reference"), "projectReferenceLineEdit");
    m_revision = addField(form, tr("Revision"), "revisionLineEdit");
    m_facility = addField(form, tr("Facility"), "facilityLineEdit");
    m_address = addField(form, tr("Address"), "addressLineEdit");
    m_installer = addField(form, tr("Installer"), "installerLineEdit");
    m_preparedBy = addField(form, tr("Prepared by"), "preparedByLineEdit");
    m_checkedBy = addField(form, tr("Checked by"), "checkedByLineEdit");

    m_dateOfIssue = new QLineEdit(this);
    m_dateOfIssue->setObjectName(QStringLiteral("dateOfIssueLineEdit"));
    m_dateOfIssue->setValidator(m_reference->validator());
    m_dateOfIssue->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
    auto *todayButton = new QPushButton(tr("Today"), this);
    todayButton->setObjectName(QStringLiteral("todayButton"));
    connect(todayButton, &QPushButton::clicked, this, &ProjectDialog::setDateOfIssueToday);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(m_dateOfIssue);
    dateRow->addWidget(todayButton);
    form->addRow(tr("Date of issue"), dateRow);

    layout->addWidget(new QLabel(tr("Revision history"), this));
    m_revisions = new QTableWidget(0, ColumnCount, this);
    m_revisions->setObjectName(QStringLiteral("revisionsTable"));
    m_revisions->setHorizontalHeaderLabels({tr("Revision"), tr("Date"), tr("Description"), tr("By")});
    m_revisions->horizontalHeader()->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    m_revisions->verticalHeader()->hide();
    layout->addWidget(m_revisions);

    auto *rowButtons = new QHBoxLayout;
    auto *add = new QPushButton(tr("Add revision"), this);
    add->setObjectName(QStringLiteral("addRevisionButton"));
    auto *remove = new QPushButton(tr("Remove revision"), this);
    remove->setObjectName(QStringLiteral("removeRevisionButton"));
    connect(add, &QPushButton::clicked, this, &ProjectDialog::addRevision);
    connect(remove, &QPushButton::clicked, this, &ProjectDialog::removeRevision);
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();
    layout->addLayout(rowButtons);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 520);
}

QLineEdit *ProjectDialog::addField(QFormLayout *form, const QString &label, const char *objectName)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    // No ';': the design file separates values with it.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;]*")), edit));
    form->addRow(label, edit);
    return edit;
}

void ProjectDialog::setProject(const std::optional<ProjectInfo> &project)
{
    const ProjectInfo p = project.value_or(ProjectInfo());
    m_reference->setText(p.reference);
    m_revision->setText(p.revision);
    m_facility->setText(p.facility);
    m_address->setText(p.address);
    m_installer->setText(p.installer);
    m_preparedBy->setText(p.preparedBy);
    m_checkedBy->setText(p.checkedBy);
    m_dateOfIssue->setText(p.dateOfIssue);
    m_revisions->setRowCount(0);
    for (const RevisionEntry &entry : p.revisions) {
        const int row = m_revisions->rowCount();
        m_revisions->insertRow(row);
        const QStringList texts{entry.revision, entry.date, entry.description, entry.by};
        for (int c = 0; c < ColumnCount; ++c)
            m_revisions->setItem(row, c, new QTableWidgetItem(texts.at(c)));
    }
}

std::optional<ProjectInfo> ProjectDialog::project() const
{
    ProjectInfo p;
    p.reference = storable(m_reference->text());
    p.revision = storable(m_revision->text());
    p.facility = storable(m_facility->text());
    p.address = storable(m_address->text());
    p.installer = storable(m_installer->text());
    p.preparedBy = storable(m_preparedBy->text());
    p.checkedBy = storable(m_checkedBy->text());
    p.dateOfIssue = storable(m_dateOfIssue->text());
    for (int row = 0; row < m_revisions->rowCount(); ++row) {
        QStringList texts;
        for (int c = 0; c < ColumnCount; ++c) {
            const QTableWidgetItem *item = m_revisions->item(row, c);
            texts.append(storable(item ? item->text() : QString()));
        }
        // A row left empty is no revision.
        if (texts.join(QString()).isEmpty())
            continue;
        p.revisions.append({texts.at(0), texts.at(1), texts.at(2), texts.at(3)});
    }
    if (p == ProjectInfo())
        return std::nullopt;
    return p;
}

bool ProjectDialog::applyTo(DesignDocument *document) const
{
    const std::optional<ProjectInfo> edited = project();
    if (!document || edited == document->design().project)
        return false;
    document->setProjectInfo(edited);
    return true;
}

bool ProjectDialog::edit(QWidget *parent, DesignDocument *document)
{
    if (!document)
        return false;
    ProjectDialog dialog(parent);
    dialog.setProject(document->design().project);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return dialog.applyTo(document);
}

void ProjectDialog::addRevision()
{
    // The next revision follows the project's, dated today, by whoever prepares it.
    const int row = m_revisions->rowCount();
    m_revisions->insertRow(row);
    const QStringList texts{m_revision->text().trimmed(), today(), QString(), m_preparedBy->text().trimmed()};
    for (int c = 0; c < ColumnCount; ++c)
        m_revisions->setItem(row, c, new QTableWidgetItem(texts.at(c)));
    m_revisions->setCurrentCell(row, DescriptionColumn);
}

void ProjectDialog::removeRevision()
{
    const int row = m_revisions->currentRow();
    if (row >= 0)
        m_revisions->removeRow(row);
}

void ProjectDialog::setDateOfIssueToday()
{
    m_dateOfIssue->setText(today());
}
