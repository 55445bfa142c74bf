#pragma once

#include "setup/xmlimportsummary.h"

#include <QDialog>

class QTreeWidget;

// Shows, before an XML import changes anything, what each loop of the file
// becomes and what is left out and why; Import goes on, Cancel stops.
class XmlImportSummaryDialog : public QDialog
{
    Q_OBJECT
public:
    explicit XmlImportSummaryDialog(const XmlImport::ImportPlan &plan, QWidget *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }

private:
    QTreeWidget *m_tree = nullptr;
};
