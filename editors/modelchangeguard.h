#pragma once

#include "panel/modelchange.h"

#include <QObject>

#include <functional>

class QComboBox;

// Stands before a change of the panel model that the user makes in the
// model selector: when the change would take parts of the design away, it
// lists them and asks first; Cancel puts the selector back and changes
// nothing. Changes made by the program (opening a file, undo, an import)
// pass without a question.
class ModelChangeGuard : public QObject
{
    Q_OBJECT
public:
    using Loss = std::function<ModelChangeLoss(const QString &newModel)>;
    ModelChangeGuard(QComboBox *selector, Loss loss, QObject *parent);

    // Called first by the selector's change handler, the selector already
    // showing `to`. False: the handler stops, because the user cancelled or
    // because the confirmed change was just made in full by a nested call.
    bool allows(const QString &from, const QString &to);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void noteUserInput();

    QComboBox *m_selector;
    Loss m_loss;
    bool m_userInput = false;
    bool m_confirmed = false;
};
