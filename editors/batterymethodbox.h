#pragma once

#include "panel/batterymethod.h"

#include <QPointer>
#include <QWidget>

class DesignDocument;
class QComboBox;
class QLabel;
class QPushButton;

// The battery method of one panel or expansion box, on its panel page: the
// method selector, the method's basis and formula with the required
// capacity, and the nearest battery that meets it. The method lives in the
// open document; this box sends it there and draws what the document's
// evaluation says.
class BatteryMethodBox : public QWidget
{
    Q_OBJECT
public:
    explicit BatteryMethodBox(QWidget *parent = nullptr);

    // The document and the system this page shows: the main panel for an
    // empty box name, else the expansion box of that name.
    void setDocument(DesignDocument *document, const QString &boxName);
    BatteryMethod method() const { return m_method; }

signals:
    // The method in force changed (chosen here, or by an undo or a file).
    void methodChanged(BatteryMethod method);
    // The user asked for the nearest battery; the panel sets its selectors.
    void applyRequested(const BatterySizing::BatterySet &set);

protected:
    // A new language: the label, the methods' names and the figures again.
    void changeEvent(QEvent *event) override;

private:
    void setTexts();
    void refresh();
    void onMethodChosen(int index);
    // The system's index in the document's design: -1 the main panel,
    // 0.. a box; false when the document does not hold it (yet).
    bool systemIndex(int &index) const;
    void setMethod(BatteryMethod method);

    QPointer<DesignDocument> m_document;
    QString m_boxName;
    BatteryMethod m_method = BatteryMethod::Maker;
    BatterySizing::Suggestion m_suggestion;
    QLabel *m_label = nullptr;
    QComboBox *m_methodComboBox;
    QLabel *m_infoLabel;
    QPushButton *m_applyButton;
};
