#pragma once

#include "design/design.h"

#include <QDialog>

#include <optional>

class DesignDocument;
class QLineEdit;
class QTableWidget;

// The "Project" dialog: the project information kept in the design and its
// revision history. It edits a copy; accept() hands the result to the
// document as one undoable step.
class ProjectDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ProjectDialog(QWidget *parent = nullptr);

    void setProject(const std::optional<ProjectInfo> &project);
    // What the fields hold, trimmed, with the characters a design file uses
    // to separate values replaced; none when every field is empty.
    std::optional<ProjectInfo> project() const;

    // Sends the fields to `document` when they differ from its project.
    // False when nothing changed.
    bool applyTo(DesignDocument *document) const;

    // Shows the dialog on the document's project and applies it on OK.
    static bool edit(QWidget *parent, DesignDocument *document);

public slots:
    void addRevision();
    void removeRevision();
    void setDateOfIssueToday();

private:
    QLineEdit *addField(class QFormLayout *form, const QString &label, const char *objectName);

    QLineEdit *m_reference;
    QLineEdit *m_revision;
    QLineEdit *m_facility;
    QLineEdit *m_address;
    QLineEdit *m_installer;
    QLineEdit *m_preparedBy;
    QLineEdit *m_checkedBy;
    QLineEdit *m_dateOfIssue;
    QTableWidget *m_revisions;
};
